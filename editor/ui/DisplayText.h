// Record texts are Windows-1252; the forms show and edit Unicode. These
// convert at the form boundary. File paths are not record texts: they are
// the file system's UTF-8 bytes (QString::fromUtf8, toUtf8).
#pragma once

#include <QString>

#include <cstddef>
#include <string>
#include <string_view>

#include "common/RecordText.h"

namespace brenmoor {

QString FromRecordText(std::string_view windows1252);
// Characters that Windows-1252 cannot hold become '?'.
std::string ToRecordText(const QString& text);

// The text of a record's text array, for a form.
template <std::size_t N>
QString FormText(const char (&field)[N]) {
    return FromRecordText(vantor::RecordText(field));
}

// Stores a form's text into a record's text array, cut to the array and
// always zero-terminated; an empty text gives an empty field.
template <std::size_t N>
void StoreFormText(char (&field)[N], const QString& text) {
    vantor::StoreRecordText(field, ToRecordText(text));
}

}  // namespace brenmoor

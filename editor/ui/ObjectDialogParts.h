// What the new object, new sub-index and copy object dialogs share: their
// selection tables with field masks, the hexadecimal index edit and its
// check, and the check of the typed values on OK.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "editor/document/CodeTables.h"

namespace brenmoor {

// Shows "Number of Elements:" and "Sub names:" (ARRAY and RECORD).
inline constexpr uint32_t kElementFieldsBit = 1u << 28;
inline constexpr uint32_t kDialogAllFields = 0xFFFFFFFF;
inline constexpr uint32_t kSimpleObjectFields = 0x107;

inline constexpr std::array<CodeRow, 5> kNewObjectTypes{{
    {"VAR", kObjectVar, 0x1FF},
    {"ARRAY", kObjectArray, 0x1FF},
    {"RECORD", kObjectRecord, 0x1FF},
    {"DOMAIN", kObjectDomain, kSimpleObjectFields},
    {"NULL", kObjectNull, kSimpleObjectFields},
}};

inline constexpr std::array<CodeRow, 1> kNewSubObjectTypes{{{"VAR", kObjectVar, 0x1FF}}};

inline constexpr std::array<CodeRow, 6> kDialogAccessTypes{{
    {"ro", kAccessRo, kDialogAllFields},
    {"wo", kAccessWo, kDialogAllFields},
    {"rw", kAccessRw, kDialogAllFields},
    {"rwr", kAccessRwr, kDialogAllFields},
    {"rww", kAccessRww, kDialogAllFields},
    {"const", kAccessConst, kDialogAllFields},
}};

inline constexpr std::array<CodeRow, 26> kDialogDataTypes{{
    {"BOOLEAN", kBoolean, kDialogAllFields},
    {"INTEGER8", kInteger8, kDialogAllFields},
    {"INTEGER16", kInteger16, kDialogAllFields},
    {"INTEGER24", kInteger24, kDialogAllFields},
    {"INTEGER32", kInteger32, kDialogAllFields},
    {"INTEGER40", kInteger40, kDialogAllFields},
    {"INTEGER48", kInteger48, kDialogAllFields},
    {"INTEGER56", kInteger56, kDialogAllFields},
    {"INTEGER64", kInteger64, kDialogAllFields},
    {"UNSIGNED8", kUnsigned8, kDialogAllFields},
    {"UNSIGNED16", kUnsigned16, kDialogAllFields},
    {"UNSIGNED24", kUnsigned24, kDialogAllFields},
    {"UNSIGNED32", kUnsigned32, kDialogAllFields},
    {"UNSIGNED40", kUnsigned40, kDialogAllFields},
    {"UNSIGNED48", kUnsigned48, kDialogAllFields},
    {"UNSIGNED56", kUnsigned56, kDialogAllFields},
    {"UNSIGNED64", kUnsigned64, kDialogAllFields},
    {"REAL32", kReal32, kDialogAllFields},
    {"REAL64", kReal64, kDialogAllFields},
    {"TIME_OF_DAY", kTimeOfDay, kDialogAllFields},
    {"TIME_DIFFERENCE", kTimeDifference, kDialogAllFields},
    {"VISIBLE_STRING", kVisibleString, kStringFields},
    {"UNICODE_STRING", kUnicodeString, kStringFields},
    {"OCTET_STRING", kOctetString, kStringFields},
    {"BIT_STRING", kBitString, kStringFields},
    {"DOMAIN", kDomain, kStringFields},
}};

// The mask of the selected row; 0 when nothing is selected.
uint32_t SelectedMask(const QComboBox& combo, CodeTable table);

// An edit of at most four characters in which only hexadecimal digits can
// be typed.
QLineEdit* NewIndexEdit();
// An edit of at most three characters in which only digits can be typed.
QLineEdit* NewCountEdit();
// An edit of at most 255 characters.
QLineEdit* NewTextEdit();

// The index of "$" followed by the text, within 0x1000 to 0xFFFF, and not
// among the existing ones; otherwise the error is shown to the user and
// the result is empty.
std::optional<unsigned> CheckNewIndex(QWidget* owner, const QString& text, const std::vector<uint16_t>& existing);

// The typed values of a record about to be created; a refused field is
// named in "Invalid data in field %s !".
bool CheckTypedValues(QWidget* owner, int dataType, const QString& low, const QString& high, const QString& defaultValue);

// A row of a dialog's grid: a label and its control, enabled and shown
// together.
struct LabelledControl {
    QLabel* label;
    QWidget* control;

    void SetEnabled(bool enabled) const;
    void SetVisible(bool visible) const;
};

LabelledControl AddRow(QGridLayout& grid, const QString& caption, QWidget* control);

// Sets up a modal dialog with a border and only a system menu.
void PrepareDialog(QDialog& dialog, const QString& caption);

// The dialog's button row: OK (the default button) and Cancel at the right.
QHBoxLayout* NewOkCancelRow(QPushButton*& ok, QPushButton*& cancel);

}  // namespace brenmoor

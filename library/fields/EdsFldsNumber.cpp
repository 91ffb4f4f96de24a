// Number kinds: integers in their CANopen text forms, time and date values,
// and the coded object code, access type and data type.
#include <algorithm>
#include <array>

#include "common/Strings.h"
#include "library/fields/EdsFlds.h"
#include "library/fields/FieldIo.h"
#include "library/storage/Streams.h"
#include "library/values/StrConv.h"
#include "vantor/platform.h"

namespace vantor {

// ---- CEdsNumberField -------------------------------------------------------

template <class T>
DWORD CEdsNumberField<T>::ReadBinary(CStream* stream) {
    return fieldio::ReadNumber(stream, value_);
}

template <class T>
DWORD CEdsNumberField<T>::WriteBinary(CStream* stream) const {
    return fieldio::WriteNumber(stream, value_);
}

template class CEdsNumberField<uint8_t>;
template class CEdsNumberField<int16_t>;
template class CEdsNumberField<uint16_t>;
template class CEdsNumberField<int32_t>;
template class CEdsNumberField<uint32_t>;
template class CEdsNumberField<double>;

namespace {

// Parses text with parse into value and sets the field's status. No text is
// 0 and valid; an invalid text keeps the previous value when keepOnInvalid,
// else stores what the parse left (0).
template <class T, class Parse>
void SetParsed(CEdsField& field, T& value, TextArg text, Parse parse, bool keepOnInvalid) {
    if (!text) {
        value = 0;
        field.SetStatus(FieldStatus::Valid);
        return;
    }
    T parsed{};
    const int result = parse(*text, parsed);
    if (result != ConvResult::InvalidFormat || !keepOnInvalid) value = parsed;
    field.SetStatus(StatusOfConversion(result));
}

constexpr bool kKeepOnInvalid = true;

}  // namespace

void CEdsBooleanField::SetText(TextArg text) { SetParsed(*this, value_, text, ParseBoolean, !kKeepOnInvalid); }

std::optional<std::string> CEdsBooleanField::GetText() const { return FormatBoolean(value_); }

void CEdsUnsigned8Field::SetText(TextArg text) { SetParsed(*this, value_, text, ParseUnsigned8, kKeepOnInvalid); }

std::optional<std::string> CEdsUnsigned8Field::GetText() const { return FormatHex(value_, 2); }

void CEdsInteger16Field::SetText(TextArg text) { SetParsed(*this, value_, text, ParseInteger16, kKeepOnInvalid); }

std::optional<std::string> CEdsInteger16Field::GetText() const { return FormatDecimal(value_); }

void CEdsUnsigned16Field::SetText(TextArg text) {
    SetParsed(*this, value_, text, ParseUnsigned16, kKeepOnInvalid);
}

std::optional<std::string> CEdsUnsigned16Field::GetText() const { return FormatHex(value_, 4); }

void CEdsInteger32Field::SetText(TextArg text) {
    SetParsed(*this, value_, text, ParseInteger32, !kKeepOnInvalid);
}

std::optional<std::string> CEdsInteger32Field::GetText() const { return FormatDecimal(value_); }

void CEdsUnsigned32Field::SetText(TextArg text) {
    SetParsed(*this, value_, text, ParseUnsigned32, !kKeepOnInvalid);
}

std::optional<std::string> CEdsUnsigned32Field::GetText() const { return FormatHex(value_, 8); }

// ---- Time and date ---------------------------------------------------------

namespace {

constexpr DATE kFirstOfJanuary1900 = 2.0;
constexpr const char* kTimePicture = "hh:mm tt";
constexpr const char* kDatePicture = "MM-dd-yyyy";

bool ParseDate(std::string_view text, LCID locale, DWORD flags, DATE& value) {
    const std::string terminated(text);
    return SUCCEEDED(VarDateFromStrA(terminated.c_str(), locale, flags, &value));
}

using PictureFormat = int (*)(LCID, DWORD, const SYSTEMTIME*, const char*, char*, int);

std::optional<std::string> FormatDate(DATE value, LCID locale, PictureFormat format, const char* picture) {
    SYSTEMTIME time{};
    if (!VariantTimeToSystemTime(value, &time)) return std::nullopt;
    std::array<char, 64> text{};
    if (format(locale, 0, &time, picture, text.data(), static_cast<int>(text.size())) == 0) return std::nullopt;
    return std::string(text.data());
}

}  // namespace

void CEdsTimeField::SetText(TextArg text) {
    value_ = 0.0;
    SetStatus(FieldStatus::Valid);
    if (!text) return;
    DATE parsed = 0.0;
    if (ParseDate(*text, LOCALE_USER_DEFAULT, VAR_TIMEVALUEONLY, parsed))
        value_ = parsed;
    else
        SetStatus(FieldStatus::InvalidFormat);
}

std::optional<std::string> CEdsTimeField::GetText() const {
    return FormatDate(value_, LOCALE_EN_US, GetTimeFormatA, kTimePicture);
}

void CEdsDateField::SetText(TextArg text) {
    value_ = 0.0;
    SetStatus(FieldStatus::Valid);
    if (!text) return;
    DATE parsed = 0.0;
    if (ParseDate(*text, LOCALE_EN_US, VAR_DATEVALUEONLY, parsed) ||
        ParseDate(*text, LOCALE_USER_DEFAULT, VAR_DATEVALUEONLY, parsed)) {
        value_ = parsed;
    } else {
        value_ = kFirstOfJanuary1900;
        SetStatus(FieldStatus::InvalidFormat);
    }
}

std::optional<std::string> CEdsDateField::GetText() const {
    return FormatDate(value_, LOCALE_USER_DEFAULT, GetDateFormatA, kDatePicture);
}

// ---- Coded kinds -----------------------------------------------------------

namespace {

bool IsObjectCode(uint8_t code) { return code == 0 || code == 2 || (code >= 5 && code <= 9); }

bool IsAccessType(uint8_t code) { return code < kAccessTypeCount; }

bool IsDataType(uint16_t code) { return code != CEdsDataTypeField::kUnset && code <= CEdsDataTypeField::kLargest; }

// Parses a coded value: no text is unset and valid; an empty text, one that
// is not a number and a number outside the codes are all unset with
// "invalid data value" (a code is a value, not a format).
template <class T, class Parse, class IsCode>
void SetCoded(CEdsField& field, T& value, T unset, TextArg text, Parse parse, IsCode isCode) {
    field.SetStatus(FieldStatus::Valid);
    if (!text) {
        value = unset;
        return;
    }
    T parsed{};
    const bool valid = parse(*text, parsed) != ConvResult::InvalidFormat && isCode(parsed);
    value = valid ? parsed : unset;
    if (!valid) field.SetStatus(FieldStatus::InvalidValue);
}

template <class T, class IsCode>
void SetCheckedCode(CEdsField& field, T& value, T unset, T code, IsCode isCode) {
    value = isCode(code) ? code : unset;
    field.SetStatus(isCode(code) ? FieldStatus::Valid : FieldStatus::InvalidValue);
}

}  // namespace

CEdsObjectCodeField::CEdsObjectCodeField(const FieldDescriptor* descriptor) : CEdsNumberField(descriptor) {
    value_ = kUnset;
}

void CEdsObjectCodeField::SetText(TextArg text) {
    SetCoded(*this, value_, kUnset, text, ParseUnsigned8, IsObjectCode);
}

std::optional<std::string> CEdsObjectCodeField::GetText() const {
    if (value_ == kUnset) return std::nullopt;
    return FormatDecimal(value_);
}

void CEdsObjectCodeField::SetValue(uint8_t value) { SetCheckedCode(*this, value_, kUnset, value, IsObjectCode); }

CEdsAccessTypeField::CEdsAccessTypeField(const FieldDescriptor* descriptor) : CEdsNumberField(descriptor) {
    value_ = kUnset;
}

void CEdsAccessTypeField::SetText(TextArg text) {
    const std::string_view name = text ? TrimBlanks(*text) : std::string_view();
    SetStatus(FieldStatus::Valid);
    if (name.empty()) {
        value_ = 0;  // CONST
        return;
    }
    const int code = FindAccessType(name);
    value_ = code >= 0 ? static_cast<uint8_t>(code) : kUnset;
    if (code < 0) SetStatus(FieldStatus::InvalidValue);
}

std::optional<std::string> CEdsAccessTypeField::GetText() const {
    const char* name = AccessTypeName(value_);
    if (!name) return std::nullopt;
    return std::string(name);
}

void CEdsAccessTypeField::SetValue(uint8_t value) { SetCheckedCode(*this, value_, kUnset, value, IsAccessType); }

void CEdsDataTypeField::SetText(TextArg text) {
    SetCoded(*this, value_, kUnset, text, ParseUnsigned16, IsDataType);
}

std::optional<std::string> CEdsDataTypeField::GetText() const {
    if (value_ == kUnset) return std::nullopt;
    return FormatHex(value_, 4);
}

void CEdsDataTypeField::SetValue(uint16_t value) { SetCheckedCode(*this, value_, kUnset, value, IsDataType); }

}  // namespace vantor

#include "library/sections/SectionFieldKinds.h"

#include <algorithm>
#include <array>

namespace vantor {
namespace {

// Whether SetText left a number that the kind's limits still have to judge:
// no text clears the field, and an unreadable text keeps the previous
// (already limited) value.
bool TookNumber(const CEdsField& field, TextArg text) {
    return text.has_value() && field.Status() != FieldStatus::InvalidFormat;
}

}  // namespace

// --- granularity ------------------------------------------------------------

void CEdsGranularityField::SetText(TextArg text) {
    CEdsUnsigned8Field::SetText(text);
    if (TookNumber(*this, text)) Limit();
}

void CEdsGranularityField::SetValue(uint8_t value) {
    value_ = value;
    Limit();
}

void CEdsGranularityField::Limit() {
    if (value_ <= kLargest) return;
    value_ = kLargest;
    SetStatus(FieldStatus::Overflow);
}

// --- node id ----------------------------------------------------------------

void CEdsNodeIdField::SetText(TextArg text) {
    CEdsUnsigned8Field::SetText(text);
    if (TookNumber(*this, text)) Limit();
}

void CEdsNodeIdField::SetValue(uint8_t value) {
    value_ = value;
    Limit();
}

void CEdsNodeIdField::Limit() {
    if (value_ == 0) {
        SetStatus(FieldStatus::Underflow);
    } else if (value_ > kLargest) {
        value_ = 0;
        SetStatus(FieldStatus::Overflow);
    }
}

// --- bit rate ---------------------------------------------------------------

bool CEdsBitRateField::IsStandardRate(uint16_t kbits) {
    static constexpr std::array<uint16_t, 9> kRates{10, 20, 50, 100, 125, 250, 500, 800, 1000};
    return std::find(kRates.begin(), kRates.end(), kbits) != kRates.end();
}

void CEdsBitRateField::SetText(TextArg text) {
    CEdsUnsigned16Field::SetText(text);
    if (TookNumber(*this, text)) Limit();
}

void CEdsBitRateField::SetValue(uint16_t value) {
    value_ = value;
    Limit();
}

void CEdsBitRateField::Limit() {
    if (IsStandardRate(value_)) return;
    value_ = 0;
    SetStatus(FieldStatus::InvalidValue);
}

}  // namespace vantor

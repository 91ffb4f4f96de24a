// Field kinds that narrow a number to the values a section accepts.
#pragma once

#include <cstdint>

#include "library/fields/EdsFlds.h"

namespace vantor {

// UNSIGNED8 limited to 0..64; a larger value is stored as 64 with "overflow".
class CEdsGranularityField : public CEdsUnsigned8Field {
public:
    static constexpr uint8_t kLargest = 64;

    using CEdsUnsigned8Field::CEdsUnsigned8Field;
    void SetText(TextArg text) override;
    void SetValue(uint8_t value) override;

private:
    void Limit();
};

// A CANopen node id, UNSIGNED8 limited to 1..127: 0 is kept with
// "underflow", 128 and above become 0 with "overflow".
class CEdsNodeIdField : public CEdsUnsigned8Field {
public:
    static constexpr uint8_t kLargest = 127;

    using CEdsUnsigned8Field::CEdsUnsigned8Field;
    void SetText(TextArg text) override;
    void SetValue(uint8_t value) override;

private:
    void Limit();
};

// A CAN bit rate in kbit/s, UNSIGNED16 limited to the standard rates; any
// other value becomes 0 with "invalid data value".
class CEdsBitRateField : public CEdsUnsigned16Field {
public:
    static bool IsStandardRate(uint16_t kbits);

    using CEdsUnsigned16Field::CEdsUnsigned16Field;
    void SetText(TextArg text) override;
    void SetValue(uint16_t value) override;

private:
    void Limit();
};

}  // namespace vantor

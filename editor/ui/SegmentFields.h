// The values of a dynamic channel segment as its forms show them: limits
// and offset in hexadecimal, bit address difference and MaxCount in
// decimal, each read with the range of its record field; the room a range
// leaves for MaxCount; and the number a new segment gets.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

#include "vantor/vantor.h"

namespace brenmoor {

inline constexpr uint32_t kMaxUint16 = 0xFFFF;
inline constexpr uint32_t kMaxUint32 = 0xFFFFFFFF;
inline constexpr unsigned kMaxSegmentNumber = 512;
// Objects per index of a segment's range.
inline constexpr int64_t kObjectsPerIndex = 254;
// DeviceInfo DynamicChannelsSupported: bit 1 set when MaxCount is not supported.
inline constexpr uint32_t kMaxCountNotSupported = 2;

// Hexadecimal digits only (at least one, blanks around them ignored), at
// most maximum; none otherwise.
std::optional<uint32_t> ParseHexField(const QString& text, uint32_t maximum);
// Decimal digits only, at most maximum; none otherwise.
std::optional<uint32_t> ParseDecimalField(const QString& text, uint32_t maximum);

QString HexFieldText(uint32_t value);
QString DecimalFieldText(uint32_t value);

// (high - low + 1) * 254, in 64 bits so that no range overflows.
int64_t SegmentCapacity(uint32_t low, uint32_t high);
// The range is not inverted and leaves room for MaxCount.
bool SegmentValuesFit(uint32_t low, uint32_t high, uint32_t maxCount);

// What a segment form holds: the codes of its lists and the texts of its
// number fields.
struct SegmentInput {
    int type = 0;
    int direction = 0;
    QString low;
    QString high;
    QString offset;
    QString bitAddress;
    QString maxCount;
};

// The record of a form's values, or the name of the field in error that
// comes last in the order High Limit, Low Limit, Bit Adress Difference,
// Segment Offset, MaxCount. An inverted range fails the high limit, a
// MaxCount beyond the range's capacity fails MaxCount.
struct SegmentParse {
    std::optional<EdsDynSegmentRecord> record;
    const char* lastFailed = nullptr;
};
SegmentParse ParseSegment(const SegmentInput& input);

// The MaxCount a device without MaxCount support has: the capacity of the
// range the limit texts give; none while they give no range.
std::optional<uint32_t> DerivedMaxCount(const QString& low, const QString& high);

// The number of a new segment, given the existing numbers in ascending
// order: 1 without segments, else one above the first number not followed
// by its successor; past 512 the lowest free number; none when all 512
// are used.
std::optional<unsigned> NextSegmentNumber(const std::vector<uint16_t>& existing);

}  // namespace brenmoor

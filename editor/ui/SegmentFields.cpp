#include "editor/ui/SegmentFields.h"

#include <algorithm>
#include <utility>

namespace brenmoor {
namespace {

std::optional<uint32_t> ParseField(const QString& text, int base, uint32_t maximum) {
    const QString digits = text.trimmed();
    if (digits.isEmpty()) return std::nullopt;
    for (const QChar c : digits) {
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        const QChar lower = c.toLower();
        const bool hexLetter = lower >= QLatin1Char('a') && lower <= QLatin1Char('f');
        if (!digit && !(base == 16 && hexLetter)) return std::nullopt;
    }
    bool parsed = false;
    const qulonglong value = digits.toULongLong(&parsed, base);
    if (!parsed || value > maximum) return std::nullopt;
    return static_cast<uint32_t>(value);
}

}  // namespace

std::optional<uint32_t> ParseHexField(const QString& text, uint32_t maximum) { return ParseField(text, 16, maximum); }

std::optional<uint32_t> ParseDecimalField(const QString& text, uint32_t maximum) {
    return ParseField(text, 10, maximum);
}

QString HexFieldText(uint32_t value) { return QString::number(value, 16).toUpper(); }

QString DecimalFieldText(uint32_t value) { return QString::number(value); }

int64_t SegmentCapacity(uint32_t low, uint32_t high) {
    return (static_cast<int64_t>(high) - static_cast<int64_t>(low) + 1) * kObjectsPerIndex;
}

bool SegmentValuesFit(uint32_t low, uint32_t high, uint32_t maxCount) {
    return high >= low && SegmentCapacity(low, high) >= static_cast<int64_t>(maxCount);
}

SegmentParse ParseSegment(const SegmentInput& input) {
    const std::optional<uint32_t> high = ParseHexField(input.high, kMaxUint16);
    const std::optional<uint32_t> low = ParseHexField(input.low, kMaxUint16);
    const std::optional<uint32_t> bitAddress = ParseDecimalField(input.bitAddress, kMaxUint16);
    const std::optional<uint32_t> offset = ParseHexField(input.offset, kMaxUint32);
    const std::optional<uint32_t> maxCount = ParseDecimalField(input.maxCount, kMaxUint32);
    const bool inverted = low && high && *high < *low;
    const bool tooMany = low && high && maxCount && !inverted && !SegmentValuesFit(*low, *high, *maxCount);
    const std::pair<const char*, bool> checks[] = {{"High Limit", !high || inverted},
                                                   {"Low Limit", !low},
                                                   {"Bit Adress Difference", !bitAddress},
                                                   {"Segment Offset", !offset},
                                                   {"MaxCount", !maxCount || tooMany}};
    SegmentParse result;
    for (const auto& [name, failed] : checks) {
        if (failed) result.lastFailed = name;
    }
    if (result.lastFailed) return result;
    EdsDynSegmentRecord& record = result.record.emplace();
    record.Type = static_cast<uint16_t>(input.type);
    record.Dir = static_cast<uint16_t>(input.direction);
    record.RangeStart = static_cast<uint16_t>(*low);
    record.RangeEnd = static_cast<uint16_t>(*high);
    record.PPOffset = *offset;
    record.BitOffset = static_cast<uint16_t>(*bitAddress);
    record.MaxCnt = *maxCount;
    return result;
}

std::optional<uint32_t> DerivedMaxCount(const QString& low, const QString& high) {
    const std::optional<uint32_t> first = ParseHexField(low, kMaxUint16);
    const std::optional<uint32_t> last = ParseHexField(high, kMaxUint16);
    if (!first || !last || *last < *first) return std::nullopt;
    return static_cast<uint32_t>(SegmentCapacity(*first, *last));
}

std::optional<unsigned> NextSegmentNumber(const std::vector<uint16_t>& existing) {
    if (existing.empty()) return 1u;
    std::size_t gap = 0;
    while (gap + 1 < existing.size() && existing[gap + 1] == existing[gap] + 1) ++gap;
    const unsigned number = existing[gap] + 1u;
    if (number >= 1 && number <= kMaxSegmentNumber) return number;
    for (unsigned free = 1; free <= kMaxSegmentNumber; ++free) {
        if (std::find(existing.begin(), existing.end(), free) == existing.end()) return free;
    }
    return std::nullopt;
}

}  // namespace brenmoor

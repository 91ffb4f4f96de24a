#include "library/sections/EdsDynamicChannels.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/Strings.h"
#include "library/storage/Streams.h"
#include "library/values/StrConv.h"

namespace vantor {
namespace {

enum class SegmentKey { Dir, Type, Range, PPOffset, MaxCnt };

struct SegmentKeyName {
    std::string_view prefix;
    SegmentKey key;
};

// Compared in this order, without regard to case.
constexpr SegmentKeyName kSegmentKeys[] = {
    {"Dir", SegmentKey::Dir},           {"Type", SegmentKey::Type},     {"Range", SegmentKey::Range},
    {"PPOffset", SegmentKey::PPOffset}, {"MaxCnt", SegmentKey::MaxCnt},
};
// The segment count is recomputed on writing.
constexpr std::string_view kCountKey = "NrOfSeg";

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

const SegmentKeyName* FindSegmentKey(std::string_view key) {
    for (const SegmentKeyName& name : kSegmentKeys)
        if (StartsWithNoCase(key, name.prefix)) return &name;
    return nullptr;
}

// The text before and after the first separator; no separator leaves the
// second part missing.
std::pair<std::string_view, std::optional<std::string_view>> SplitAt(std::string_view text, char separator) {
    const std::size_t at = text.find(separator);
    if (at == std::string_view::npos) return {text, std::nullopt};
    return {text.substr(0, at), text.substr(at + 1)};
}

void SetDirection(EdsDynSegmentRecord& segment, std::string_view value) {
    const int access = FindAccessType(TrimBlanks(value));
    segment.Dir = static_cast<uint16_t>(access < 0 ? 0 : access);
}

void SetType(EdsDynSegmentRecord& segment, std::string_view value) {
    uint16_t type = 0;
    if (ParseUnsigned16(value, type) == ConvResult::Valid) segment.Type = type;
}

void SetRange(EdsDynSegmentRecord& segment, std::string_view value) {
    const auto [first, last] = SplitAt(value, '-');
    uint16_t start = 0, end = 0;
    if (!last || ParseUnsigned16(first, start) != ConvResult::Valid ||
        ParseUnsigned16(*last, end) != ConvResult::Valid)
        start = end = 0;
    segment.RangeStart = start;
    segment.RangeEnd = end;
}

void SetProcessImageOffset(EdsDynSegmentRecord& segment, std::string_view value) {
    const auto [offsetText, bitText] = SplitAt(value, ',');
    segment.PPOffset = 0;
    segment.BitOffset = 0;
    uint32_t offset = 0;
    if (ParseUnsigned32(offsetText, offset) != ConvResult::Valid) return;
    segment.PPOffset = offset;
    uint16_t bit = 0;
    if (bitText && ParseUnsigned16(*bitText, bit) == ConvResult::Valid) segment.BitOffset = bit;
}

void SetMaxCount(EdsDynSegmentRecord& segment, std::string_view value) {
    uint32_t count = 0;
    ParseUnsigned32(value, count);  // an unreadable count is 0, a too large one the largest
    segment.MaxCnt = count;
}

std::string Formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));

std::string Formatted(const char* format, ...) {
    char line[128];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    return line;
}

// Only these directions have a text in the section; others are written empty.
bool IsWrittenDirection(uint16_t dir) { return dir == 1 || dir == 2 || dir == 5; }

}  // namespace

CEdsDynamicChannels::CEdsDynamicChannels() : CEdsPropSet("DynamicChannels") {}

DWORD CEdsDynamicChannels::SetByKey(std::string_view key, TextArg text) {
    if (StartsWithNoCase(key, kCountKey)) return ERROR_SUCCESS;
    const SegmentKeyName* name = FindSegmentKey(key);
    int32_t number = 0;
    if (!name || ParseInteger32(key.substr(name->prefix.size()), number) != ConvResult::Valid ||
        !IsSlotNumber(static_cast<uint32_t>(number)))
        return CEdsPropSet::SetByKey(key, text);

    Slot& slot = SlotOf(static_cast<uint16_t>(number));
    slot.used = true;
    const std::string_view value = text.value_or(std::string_view{});
    switch (name->key) {
        case SegmentKey::Dir: SetDirection(slot.record, value); break;
        case SegmentKey::Type: SetType(slot.record, value); break;
        case SegmentKey::Range: SetRange(slot.record, value); break;
        case SegmentKey::PPOffset: SetProcessImageOffset(slot.record, value); break;
        case SegmentKey::MaxCnt: SetMaxCount(slot.record, value); break;
    }
    return ERROR_SUCCESS;
}

DWORD CEdsDynamicChannels::ReadItems(CStream* stream) {
    if (!stream) return ERROR_INVALID_PARAMETER;
    std::vector<uint8_t> table(kTableSize);
    const int32_t read = stream->Read(table.data(), static_cast<int32_t>(kTableSize));
    if (read < 0 && stream->GetError() != ERROR_SUCCESS) return stream->GetError();
    if (read != static_cast<int32_t>(kTableSize)) return ERROR_INVALID_DATA;

    for (std::size_t index = 0; index < kSlotCount; ++index) {
        const uint8_t* bytes = table.data() + index * kSlotSize;
        slots_[index].used = bytes[0] != 0;
        std::memcpy(&slots_[index].record, bytes + 1, sizeof(EdsDynSegmentRecord));
    }
    return CEdsPropSet::ReadItems(stream);
}

DWORD CEdsDynamicChannels::WriteItems(CStream* stream) {
    if (!stream) return ERROR_INVALID_PARAMETER;
    std::vector<uint8_t> table(kTableSize);
    for (std::size_t index = 0; index < kSlotCount; ++index) {
        uint8_t* bytes = table.data() + index * kSlotSize;
        bytes[0] = slots_[index].used ? 1 : 0;
        std::memcpy(bytes + 1, &slots_[index].record, sizeof(EdsDynSegmentRecord));
    }
    const int32_t written = stream->Write(table.data(), static_cast<int32_t>(kTableSize));
    if (written < 0) return stream->GetError();
    if (written != static_cast<int32_t>(kTableSize)) return ERROR_DISK_FULL;
    return CEdsPropSet::WriteItems(stream);
}

DWORD CEdsDynamicChannels::WriteTextItems(CStream* stream, uint32_t mask, bool all) {
    std::vector<std::string> lines;
    if (const std::size_t count = SegmentCount(); count > 0) lines.push_back(Formatted("NrOfSeg=%zu", count));
    std::size_t number = 0;
    for (const Slot& slot : slots_)
        if (slot.used) AppendSegmentLines(lines, slot.record, ++number);

    for (const std::string& line : lines)
        if (const DWORD result = WriteLine(stream, line.c_str())) return result;
    return CEdsPropSet::WriteTextItems(stream, mask, all);
}

void CEdsDynamicChannels::AppendSegmentLines(std::vector<std::string>& lines, const EdsDynSegmentRecord& segment,
                                             std::size_t number) {
    const char* typeName = DataTypeName(segment.Type);
    if (!typeName) typeName = DataTypeName(DataType::Unknown);
    const uint16_t type = segment.Type, dir = segment.Dir, start = segment.RangeStart, end = segment.RangeEnd,
                   bit = segment.BitOffset;
    const uint32_t offset = segment.PPOffset, maxCount = segment.MaxCnt;

    lines.push_back(Formatted(";----- %s -----", typeName));
    lines.push_back(Formatted("Type%zu=0x%4.4X", number, type));
    lines.push_back(IsWrittenDirection(dir) ? Formatted("Dir%zu=%s", number, AccessTypeName(dir))
                                            : Formatted("Dir%zu=", number));
    lines.push_back(Formatted("Range%zu=0x%4.4X-0x%4.4X", number, start, end));
    lines.push_back(type == DataType::Boolean ? Formatted("PPOffset%zu=0x%8.8X,%d", number, offset, bit)
                                              : Formatted("PPOffset%zu=0x%8.8X", number, offset));
    lines.push_back(Formatted("MaxCnt%zu=0x%8.8X", number, maxCount));
}

DWORD CEdsDynamicChannels::GetAllSegments(BSTR& numbers) const {
    numbers = nullptr;
    std::vector<OLECHAR> used;
    for (uint16_t number = 1; number <= kSlotCount; ++number)
        if (SlotOf(number).used) used.push_back(number);
    if (used.empty()) return ERROR_SUCCESS;
    numbers = SysAllocStringLen(used.data(), static_cast<UINT>(used.size()));
    return numbers ? ERROR_SUCCESS : ERROR_OUTOFMEMORY;
}

DWORD CEdsDynamicChannels::AddSegment(uint16_t number, const EdsDynSegmentRecord& record) {
    if (!IsSlotNumber(number)) return ERROR_OUTOFMEMORY;
    SlotOf(number) = {true, record};
    return ERROR_SUCCESS;
}

DWORD CEdsDynamicChannels::GetSegment(uint16_t number, EdsDynSegmentRecord& record) const {
    if (!IsSlotNumber(number)) return ERROR_INVALID_SEGMENT_NUMBER;
    const Slot& slot = SlotOf(number);
    record = slot.record;
    return slot.used ? ERROR_SUCCESS : ERROR_INVALID_SEGMENT_NUMBER;
}

DWORD CEdsDynamicChannels::SetSegment(uint16_t number, const EdsDynSegmentRecord& record) {
    if (!IsSlotNumber(number) || !SlotOf(number).used) return ERROR_INVALID_SEGMENT_NUMBER;
    SlotOf(number).record = record;
    return ERROR_SUCCESS;
}

DWORD CEdsDynamicChannels::RemoveSegment(uint16_t number) {
    if (IsSlotNumber(number)) SlotOf(number) = Slot{};
    return ERROR_SUCCESS;
}

std::size_t CEdsDynamicChannels::SegmentCount() const {
    std::size_t count = 0;
    for (const Slot& slot : slots_) count += slot.used ? 1 : 0;
    return count;
}

}  // namespace vantor

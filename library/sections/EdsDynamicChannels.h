// The DynamicChannels section: up to 512 segments of objects that a
// configurable device offers for process data, kept as a table of slots.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "library/fields/EdsProp.h"
#include "vantor/vantor.h"

namespace vantor {

class CEdsDynamicChannels : public CEdsPropSet {
public:
    static constexpr uint16_t kSlotCount = 512;
    // The in-use byte and the segment record.
    static constexpr std::size_t kSlotSize = 1 + sizeof(EdsDynSegmentRecord);
    static constexpr std::size_t kTableSize = kSlotCount * kSlotSize;

    CEdsDynamicChannels();

    // Numbered segment keys (Dir3, Type3, ...) go into their slot; NrOfSeg is
    // ignored; every other key, and a segment key whose number is not 1 to
    // 512, is kept as an unknown entry.
    DWORD SetByKey(std::string_view key, TextArg text) override;
    // The binary items are the whole slot table followed by the unknown
    // entries; fewer bytes than the table are malformed data (13).
    DWORD ReadItems(CStream* stream) override;
    DWORD WriteItems(CStream* stream) override;
    // The used segments renumbered densely from 1, then the unknown entries.
    DWORD WriteTextItems(CStream* stream, uint32_t mask, bool all) override;

    // The numbers of the used slots in ascending order as 16-bit units of a
    // counted string; null when no slot is used. 0, or 14 without memory.
    DWORD GetAllSegments(BSTR& numbers) const;
    // Puts the segment into slot number, replacing what is there; 14 for a
    // number outside 1 to 512.
    DWORD AddSegment(uint16_t number, const EdsDynSegmentRecord& record);
    // Copies the slot's record; 180 for a bad number (nothing copied) or a
    // free slot (its zero record copied).
    DWORD GetSegment(uint16_t number, EdsDynSegmentRecord& record) const;
    // Replaces the record of a used slot; 180 for a bad number or a free slot.
    DWORD SetSegment(uint16_t number, const EdsDynSegmentRecord& record);
    // Frees the slot; numbers outside 1 to 512 change nothing. Always 0.
    DWORD RemoveSegment(uint16_t number);

    std::size_t SegmentCount() const;

private:
    struct Slot {
        bool used = false;
        EdsDynSegmentRecord record{};
    };

    static bool IsSlotNumber(uint32_t number) { return number >= 1 && number <= kSlotCount; }
    Slot& SlotOf(uint16_t number) { return slots_[number - 1u]; }
    const Slot& SlotOf(uint16_t number) const { return slots_[number - 1u]; }

    // The text lines of one segment written under its running number.
    static void AppendSegmentLines(std::vector<std::string>& lines, const EdsDynSegmentRecord& segment,
                                   std::size_t number);

    std::array<Slot, kSlotCount> slots_{};
};

}  // namespace vantor

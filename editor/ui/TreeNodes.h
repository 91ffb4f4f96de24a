// What the nodes of the main window's tree stand for. Root nodes are known
// by their texts; the others by their 32-bit data: 1 to 512 a dynamic
// segment, 0x1000 to 0xFFFF an object, bit 31 set on objects that have
// sub-indexes.
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace brenmoor {

inline constexpr char kFileInfoNode[] = "File Info";
inline constexpr char kDeviceInfoNode[] = "Device Info";
inline constexpr char kDummyUsageNode[] = "Dummy Usage";
inline constexpr char kDynChannelsNode[] = "Dynamic Channels";

inline constexpr uint32_t kHasSubsFlag = 0x80000000u;

struct ObjectArea {
    const char* text;
    unsigned first;
    unsigned last;

    constexpr bool Holds(unsigned index) const { return index >= first && index <= last; }
};

inline constexpr std::array<ObjectArea, 4> kObjectAreas{{
    {"Communication Profile Area", 0x1000, 0x1FFF},
    {"Manufacturer Specific Profile Area", 0x2000, 0x5FFF},
    {"Standardised Device Profile Area", 0x6000, 0x9FFF},
    {"Reserved Area", 0xA000, 0xFFFF},
}};

// The area of an index; null below 0x1000.
const ObjectArea* AreaOf(unsigned index);

enum class NodeKind { None, FileInfo, DeviceInfo, DummyUsage, Area, DynChannels, Object, Segment };

// root: whether the node is at the top level.
NodeKind KindOfNode(bool root, const QString& text, uint32_t data);

constexpr uint32_t NodeNumber(uint32_t data) { return data & ~kHasSubsFlag; }
constexpr bool IsSegmentNumber(uint32_t number) { return number >= 1 && number <= 512; }
constexpr bool IsObjectIndex(uint32_t number) { return number >= 0x1000 && number <= 0xFFFF; }

// "1018 - Identity object": four upper-case hexadecimal digits, " - ",
// the parameter name.
QString ObjectNodeText(unsigned index, const QString& parameterName);
// "Unsigned 8 - ro": the names of the segment's data type and direction;
// a code missing from its table shows the table's first row, "<empty>".
QString SegmentNodeText(int dataType, int direction);

// The index whose communication and mapping objects form a PDO with this
// one (index + 0x200 for a communication, index - 0x200 for a mapping
// object); none for other indexes.
std::optional<unsigned> PdoPartner(unsigned index);

}  // namespace brenmoor

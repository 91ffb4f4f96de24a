#include "editor/ui/TreeNodes.h"

#include "editor/document/CodeTables.h"
#include "editor/document/IndexRanges.h"

namespace brenmoor {
namespace {

QString RowText(CodeTable table, int code) {
    const int row = FindCode(table, static_cast<int>(table.size()) - 1, code);
    const std::string_view text = table[static_cast<std::size_t>(row >= 0 ? row : 0)].text;
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

const ObjectArea* AreaOf(unsigned index) {
    for (const ObjectArea& area : kObjectAreas) {
        if (area.Holds(index)) return &area;
    }
    return nullptr;
}

NodeKind KindOfNode(bool root, const QString& text, uint32_t data) {
    if (root) {
        if (text == QLatin1String(kFileInfoNode)) return NodeKind::FileInfo;
        if (text == QLatin1String(kDeviceInfoNode)) return NodeKind::DeviceInfo;
        if (text == QLatin1String(kDummyUsageNode)) return NodeKind::DummyUsage;
        if (text == QLatin1String(kDynChannelsNode)) return NodeKind::DynChannels;
        for (const ObjectArea& area : kObjectAreas) {
            if (text == QLatin1String(area.text)) return NodeKind::Area;
        }
        return NodeKind::None;
    }
    const uint32_t number = NodeNumber(data);
    if (IsSegmentNumber(number)) return NodeKind::Segment;
    if (IsObjectIndex(number)) return NodeKind::Object;
    return NodeKind::None;
}

QString ObjectNodeText(unsigned index, const QString& parameterName) {
    return QString::asprintf("%4.4X - ", index & 0xFFFFu) + parameterName;
}

QString SegmentNodeText(int dataType, int direction) {
    return RowText(kDynDataTypeTable, dataType) + QStringLiteral(" - ") + RowText(kDynDirectionTable, direction);
}

std::optional<unsigned> PdoPartner(unsigned index) {
    if (IsPdoComm(index)) return index + 0x200;
    if (IsPdoMap(index)) return index - 0x200;
    return std::nullopt;
}

}  // namespace brenmoor

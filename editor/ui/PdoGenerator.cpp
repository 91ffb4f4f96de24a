#include "editor/ui/PdoGenerator.h"

#include <string>

#include "common/RecordText.h"
#include "editor/document/CodeTables.h"
#include "editor/document/EdsStore.h"
#include "editor/document/IndexRanges.h"
#include "editor/document/RecordKinds.h"

namespace brenmoor {
namespace {

constexpr uint8_t kCategoryEntry = 1;
constexpr uint8_t kCategoryObject = 2;
constexpr uint8_t kCategoryMappingEntry = 0;

struct CobIdRow {
    unsigned index;
    const char* enabled;
    const char* disabled;
};

// The first receive PDO has no variant with bit 31 set.
constexpr CobIdRow kCobIds[] = {
    {0x1400, "$NODEID+0x200", "$NODEID+0x200"},      {0x1401, "$NODEID+0x300", "$NODEID+0x80000300"},
    {0x1402, "$NODEID+0x400", "$NODEID+0x80000400"}, {0x1403, "$NODEID+0x500", "$NODEID+0x80000500"},
    {0x1800, "$NODEID+0x180", "$NODEID+0x80000180"}, {0x1801, "$NODEID+0x280", "$NODEID+0x80000280"},
    {0x1802, "$NODEID+0x380", "$NODEID+0x80000380"}, {0x1803, "$NODEID+0x480", "$NODEID+0x80000480"},
};
// "0x00000001" would be a restricted CAN identifier, the same for every
// further PDO: those start not valid whatever the option says.
constexpr char kFurtherCobId[] = "0x80000001";

std::string Decimal(int value) { return std::to_string(value); }

std::string Numbered(unsigned number, const char* text) { return std::to_string(number) + text; }

EdsObjectRecord Var(uint8_t category, const std::string& name, AccessTypeCode access, DataTypeCode type,
                    const std::string& defaultValue) {
    EdsObjectRecord record{};
    record.Category = category;
    vantor::StoreRecordText(record.ParameterName, name);
    record.ObjectType = kObjectVar;
    record.AccessType = static_cast<uint8_t>(access);
    record.DataType = static_cast<uint16_t>(type);
    vantor::StoreRecordText(record.DefaultValue, defaultValue);
    return record;
}

EdsObjectRecord RecordObject(const std::string& name) {
    EdsObjectRecord record{};
    record.Category = kCategoryObject;
    vantor::StoreRecordText(record.ParameterName, name);
    record.ObjectType = kObjectRecord;
    return record;
}

AccessTypeCode Writable(uint8_t options, PdoOption bit) { return (options & bit) != 0 ? kAccessRw : kAccessRo; }

}  // namespace

EdsResult CPdoGenerator::ReadFreeMaps() {
    std::vector<uint16_t> indexes;
    if (const EdsResult code = document_.AllObjects(indexes); code != 0) return code;
    for (PdoFreeMap* map : {&receive_, &transmit_}) {
        map->free.set();
        for (const uint16_t index : indexes) {
            for (const unsigned base : {map->base, map->base + kPdoMappingOffset}) {
                if (index >= base && index < base + kPdoPositions) map->free.reset(index - base);
            }
        }
    }
    return 0;
}

const PdoFreeMap& CPdoGenerator::FreeMap(PdoType type) const { return type == PdoType::Receive ? receive_ : transmit_; }

PdoFreeMap& CPdoGenerator::MapOf(unsigned commIndex) { return kRxPdoCommRange.Holds(commIndex) ? receive_ : transmit_; }

bool CPdoGenerator::IsPredefined(unsigned commIndex) {
    for (const CobIdRow& row : kCobIds) {
        if (row.index == commIndex) return true;
    }
    return false;
}

const char* CPdoGenerator::DefaultCobId(unsigned commIndex, bool enabled) {
    for (const CobIdRow& row : kCobIds) {
        if (row.index == commIndex) return enabled ? row.enabled : row.disabled;
    }
    return kFurtherCobId;
}

bool CPdoGenerator::AddEntry(unsigned index, unsigned sub, const EdsObjectRecord& record) {
    return document_.AddRecord(kKindObject, ObjectKey(index, sub), &record) == 0;
}

bool CPdoGenerator::CreatePdo(unsigned commIndex, uint8_t options, int mapCount) {
    if (!IsPdoComm(commIndex) || mapCount < 0 || mapCount > kMaxMappingEntries) return false;
    if (kRxPdoCommRange.Holds(commIndex)) options &= static_cast<uint8_t>(~kPdoInhibitTime);
    const unsigned mapIndex = commIndex + kPdoMappingOffset;
    bool created = AddCommunication(commIndex, options);
    const bool mappingBegun = created;
    if (created) created = AddMapping(mapIndex, options, mapCount);
    if (!created) {
        if (mappingBegun) document_.RemoveRecord(kKindObject, ObjectKey(mapIndex, kMainEntry));
        document_.RemoveRecord(kKindObject, ObjectKey(commIndex, kMainEntry));
        return false;
    }
    PdoFreeMap& map = MapOf(commIndex);
    map.free.reset(commIndex - map.base);
    return true;
}

bool CPdoGenerator::AddCommunication(unsigned index, uint8_t options) {
    const bool receive = kRxPdoCommRange.Holds(index);
    const unsigned number = index - (receive ? 0x13FF : 0x17FF);
    if (!AddEntry(index, kMainEntry,
                  RecordObject(Numbered(number, receive ? ". receive PDO parameter" : ". transmit PDO parameter"))))
        return false;
    const char* cobId = DefaultCobId(index, (options & kPdoEnabled) != 0);
    if (!AddEntry(index, 1, Var(kCategoryEntry, "COB-ID used by PDO", Writable(options, kPdoVariableCobId), kUnsigned32, cobId)))
        return false;
    if (!AddEntry(index, 2,
                  Var(kCategoryEntry, "transmission type", Writable(options, kPdoVariableTransType), kUnsigned8, "0xFF")))
        return false;
    int highest = 2;
    if ((options & kPdoInhibitTime) != 0) {
        if (!AddEntry(index, 3, Var(kCategoryEntry, "inhibit time", kAccessRw, kUnsigned16, "0"))) return false;
        highest = 3;
    }
    if ((options & kPdoReservedEntry) != 0) {
        if (!AddEntry(index, 4, Var(kCategoryEntry, "reserved entry", kAccessRw, kUnsigned8, ""))) return false;
        highest = 4;
    }
    if ((options & kPdoEventTimer) != 0) {
        if (!AddEntry(index, 5, Var(kCategoryEntry, "event timer", kAccessRw, kUnsigned16, "0"))) return false;
        highest = 5;
    }
    EdsObjectRecord count = Var(kCategoryEntry, "number of entries", kAccessRo, kUnsigned8, Decimal(highest));
    vantor::StoreRecordText(count.LowLimit, "2");
    vantor::StoreRecordText(count.HighLimit, "5");
    return AddEntry(index, 0, count);
}

bool CPdoGenerator::AddMapping(unsigned index, uint8_t options, int mapCount) {
    const bool receive = kRxPdoMapRange.Holds(index);
    const unsigned number = index - (receive ? 0x15FF : 0x19FF);
    if (!AddEntry(index, kMainEntry,
                  RecordObject(Numbered(number, receive ? ". receive PDO mapping" : ". transmit PDO mapping"))))
        return false;
    const AccessTypeCode access = Writable(options, kPdoDynMapping);
    for (int entry = 1; entry <= mapCount; ++entry) {
        const EdsObjectRecord mapped =
            Var(kCategoryMappingEntry, Numbered(static_cast<unsigned>(entry), ". mapped object"), access, kUnsigned32, "0");
        if (!AddEntry(index, static_cast<unsigned>(entry), mapped)) return false;
    }
    // Nothing is mapped yet: the count starts at 0, up to the entries made.
    EdsObjectRecord count = Var(kCategoryMappingEntry, "number of mapped objects", access, kUnsigned8, "0");
    vantor::StoreRecordText(count.LowLimit, "0");
    vantor::StoreRecordText(count.HighLimit, Decimal(mapCount));
    return AddEntry(index, 0, count);
}

}  // namespace brenmoor

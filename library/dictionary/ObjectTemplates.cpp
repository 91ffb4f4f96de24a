#include "library/dictionary/ObjectTemplates.h"

#include <cstring>

#include "common/RecordText.h"
#include "library/dictionary/DictText.h"
#include "library/dictionary/EdsObjs.h"

namespace vantor {

namespace {

constexpr uint8_t kMainEntry = 0xFF;
constexpr uint8_t kReadOnly = 1;
constexpr uint8_t kRecord = 9;

struct Template {
    uint8_t category;
    const char* name;
    uint8_t objectType;
    uint8_t accessType;
    uint16_t dataType;
    const char* lowLimit;
    const char* highLimit;
    const char* defaultValue;
};

constexpr Template kIdentityMain{1, "Identity Object", kRecord, 0, 0, "", "", ""};
constexpr Template kIdentitySubs[] = {
    {1, "number of entries", ObjectCode::Var, kReadOnly, 0x0005, "1", "4", ""},
    {1, "Vendor ID", ObjectCode::Var, kReadOnly, 0x0007, "", "", ""},
    {2, "Product code", ObjectCode::Var, kReadOnly, 0x0007, "", "", ""},
    {2, "Revision number", ObjectCode::Var, kReadOnly, 0x0007, "", "", ""},
    {2, "Serial number", ObjectCode::Var, kReadOnly, 0x0007, "", "", ""},
};

constexpr Template kPdoMain{1, "", kRecord, 0, 0, "", "", ""};
constexpr Template kPdoSubs[] = {
    {1, "number of entries", ObjectCode::Var, kReadOnly, 0x0005, "2", "5", ""},
    {1, "COB-ID used by PDO", ObjectCode::Var, kAccessReadWrite, 0x0007, "", "", "0x80000000"},
    {1, "transmission type", ObjectCode::Var, kAccessReadWrite, 0x0005, "", "", "0xFF"},
    {2, "inhibit time", ObjectCode::Var, kAccessReadWrite, 0x0006, "", "", ""},
    {2, "reserved entry", ObjectCode::Var, kAccessReadWrite, 0x0005, "", "", ""},
    {2, "event timer", ObjectCode::Var, kAccessReadWrite, 0x0006, "", "", ""},
};

EdsObjectRecord ToRecord(const Template& entry) {
    EdsObjectRecord record;
    std::memset(&record, 0, sizeof record);
    record.Category = entry.category;
    StoreRecordText(record.ParameterName, entry.name);
    record.ObjectType = entry.objectType;
    record.AccessType = entry.accessType;
    record.DataType = entry.dataType;
    StoreRecordText(record.LowLimit, entry.lowLimit);
    StoreRecordText(record.HighLimit, entry.highLimit);
    StoreRecordText(record.DefaultValue, entry.defaultValue);
    return record;
}

}  // namespace

EdsObjectRecord IdentityTemplate(uint8_t subIndex) {
    if (subIndex == kMainEntry || subIndex >= std::size(kIdentitySubs)) return ToRecord(kIdentityMain);
    return ToRecord(kIdentitySubs[subIndex]);
}

EdsObjectRecord PdoParameterTemplate(uint8_t subIndex, int number, bool receive) {
    if (subIndex != kMainEntry && subIndex < std::size(kPdoSubs)) return ToRecord(kPdoSubs[subIndex]);
    EdsObjectRecord record = ToRecord(kPdoMain);
    StoreRecordText(record.ParameterName, receive ? Formatted("%d. receive PDO parameter", number)
                                                  : Formatted("%d. transmit PDO parameter", number));
    return record;
}

}  // namespace vantor

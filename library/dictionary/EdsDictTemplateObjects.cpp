// The objects the dictionary builds from fixed templates: the identity
// object 0x1018 and PDO communication and mapping objects.
#include <algorithm>
#include <cstring>

#include "common/RecordText.h"
#include "library/dictionary/DictText.h"
#include "library/dictionary/EdsDictStg.h"
#include "library/dictionary/ObjectTemplates.h"
#include "library/values/StrConv.h"

namespace vantor {

namespace {

constexpr uint16_t kMappingOffset = 0x200;
constexpr int kLargestMappedCount = 64;
constexpr int kIdentityValues = 4;

constexpr uint8_t kAccessReadOnly = 1;
constexpr uint16_t kUnsigned8 = 0x0005;
constexpr uint16_t kUnsigned32 = 0x0007;
constexpr uint8_t kRecordObject = 9;

// Request flags and writable bits of a PDO creation.
constexpr uint32_t kFlagCobId = 0x01;
constexpr uint32_t kFlagTransmissionType = 0x02;
constexpr uint32_t kFlagInhibitTime = 0x04;
constexpr uint32_t kFlagReserved = 0x08;
constexpr uint32_t kFlagEventTimer = 0x10;
constexpr uint32_t kFlagMapping = 0x20;
constexpr uint32_t kWritableCobId = 0x01;
constexpr uint32_t kWritableTransmissionType = 0x02;
constexpr uint32_t kWritableMappedCount = 0x04;

EdsObjectRecord EmptyRecord() {
    EdsObjectRecord record;
    std::memset(&record, 0, sizeof record);
    return record;
}

uint8_t Access(bool writable) { return writable ? kAccessReadWrite : kAccessReadOnly; }

}  // namespace

// ---- Identity object -------------------------------------------------------

HRESULT CEdsDictStg::ReadIdentity(IdentityValues& identity) {
    identity.mask = 0;
    for (int k = 1; k <= kIdentityValues; ++k) {
        EdsObjectRecord record;
        if (Get(kIdentityIndex, static_cast<uint16_t>(k), record) != S_OK) continue;
        // An entry without a readable number says nothing about the device.
        uint32_t value = 0;
        if (ParseUnsigned32(RecordText(record.DefaultValue), value) != ConvResult::Valid) continue;
        identity.mask |= 1u << (k - 1);
        identity.values[static_cast<std::size_t>(k - 1)] = value;
    }
    return S_OK;
}

HRESULT CEdsDictStg::AddOrSetDefault(uint16_t index, uint8_t subIndex, const EdsObjectRecord& fallback,
                                     const std::string& value) {
    EdsObjectRecord record;
    const HRESULT found = Get(index, subIndex, record);
    if (found != S_OK && found != STG_E_FILENOTFOUND) return found;
    if (found != S_OK) record = fallback;
    StoreRecordText(record.DefaultValue, value);
    return found == S_OK ? Set(index, subIndex, record) : Add(index, subIndex, record);
}

HRESULT CEdsDictStg::HighestSubIndex(uint16_t index, int& highest) {
    highest = 0;
    EdsObjectRecord main;
    const HRESULT result = Get(index, kMainEntry, main);
    if (result != S_OK) return result;
    if (main.SubNumber == 0) return S_OK;
    const std::string_view map = RecordText(main.DefaultValue);
    const std::size_t last = map.find_last_of('1');
    if (last != std::string_view::npos) highest = static_cast<int>(last);
    return S_OK;
}

HRESULT CEdsDictStg::WriteIdentity(const IdentityValues& identity) {
    EdsObjectRecord record;
    HRESULT result = Get(kIdentityIndex, kMainEntry, record);
    if (result == STG_E_FILENOTFOUND) {
        result = Add(kIdentityIndex, kMainEntry, IdentityTemplate(CEdsObjStg::kMainEntry));
        if (result == S_OK) result = Add(kIdentityIndex, 0, IdentityTemplate(0));
        if (result == S_OK) result = Add(kIdentityIndex, 1, IdentityTemplate(1));
    }
    if (result != S_OK) return result;

    for (int k = 1; k <= kIdentityValues && result == S_OK; ++k) {
        if ((identity.mask & (1u << (k - 1))) == 0) continue;
        const uint32_t value = identity.values[static_cast<std::size_t>(k - 1)];
        result = AddOrSetDefault(kIdentityIndex, static_cast<uint8_t>(k), IdentityTemplate(static_cast<uint8_t>(k)),
                                 Formatted("0x%8.8X", static_cast<unsigned>(value)));
    }
    if (result != S_OK) return result;

    // Sub-index 0 holds the highest sub-index, created when it is missing.
    EdsObjectRecord sub0;
    result = Get(kIdentityIndex, 0, sub0);
    if (result == STG_E_FILENOTFOUND) result = Add(kIdentityIndex, 0, IdentityTemplate(0));
    int highest = 0;
    if (result == S_OK) result = HighestSubIndex(kIdentityIndex, highest);
    if (result != S_OK) return result;
    return AddOrSetDefault(kIdentityIndex, 0, IdentityTemplate(0), Formatted("%d", highest));
}

// ---- PDO creation ----------------------------------------------------------

HRESULT CEdsDictStg::CreatePdo(uint16_t index, const EdsPdoRequest& request) {
    bool receive = false;
    int number = 0;
    if (index >= kReceivePdoFirst && index <= kReceivePdoLast) {
        receive = true;
        number = index - (kReceivePdoFirst - 1);
    } else if (index >= kTransmitPdoFirst && index <= kTransmitPdoLast) {
        number = index - (kTransmitPdoFirst - 1);
    } else {
        return AsResult(ERROR_INVALID_PARAMETER);
    }
    HRESULT result = CreatePdoParameter(index, number, receive, request);
    if (result != S_OK) {
        Remove(index, kMainEntry);
        return result;
    }
    const auto mapping = static_cast<uint16_t>(index + kMappingOffset);
    EdsObjectRecord existing;
    if (Get(mapping, kMainEntry, existing) == S_OK) return S_OK;  // a mapping of its own stays
    result = CreatePdoMapping(mapping, number, receive, request);
    if (result != S_OK) Remove(mapping, kMainEntry);
    return result;
}

HRESULT CEdsDictStg::CreatePdoParameter(uint16_t index, int number, bool receive, const EdsPdoRequest& request) {
    const uint32_t flags = request.flags;
    const uint32_t writable = request.writable;
    HRESULT result = Add(index, kMainEntry, PdoParameterTemplate(CEdsObjStg::kMainEntry, number, receive));
    if (result != S_OK) return result;

    EdsObjectRecord cobId = PdoParameterTemplate(1);
    cobId.AccessType = Access((writable & kWritableCobId) != 0);
    if (flags & kFlagCobId) StoreRecordText(cobId.DefaultValue, Formatted("0x%8.8X", static_cast<unsigned>(request.cobId)));
    result = Add(index, 1, cobId);

    EdsObjectRecord transmission = PdoParameterTemplate(2);
    transmission.AccessType = Access((writable & kWritableTransmissionType) != 0);
    if (flags & kFlagTransmissionType)
        StoreRecordText(transmission.DefaultValue,
                        Formatted("0x%2.2X", static_cast<unsigned>(request.transmissionType)));
    if (result == S_OK) result = Add(index, 2, transmission);
    int highest = 2;

    struct Optional {
        uint32_t flag;
        uint8_t subIndex;
        std::string value;
    };
    const Optional optionals[] = {
        {receive ? 0u : kFlagInhibitTime, 3, Formatted("0x%4.4X", static_cast<unsigned>(request.inhibitTime))},
        {kFlagReserved, 4, Formatted("0x%2.2X", static_cast<unsigned>(request.reservedEntry))},
        {kFlagEventTimer, 5, Formatted("0x%4.4X", static_cast<unsigned>(request.eventTimer))},
    };
    for (const Optional& optional : optionals) {
        if (result != S_OK || (flags & optional.flag) == 0) continue;
        EdsObjectRecord entry = PdoParameterTemplate(optional.subIndex);
        StoreRecordText(entry.DefaultValue, optional.value);
        result = Add(index, optional.subIndex, entry);
        highest = optional.subIndex;
    }
    if (result != S_OK) return result;

    EdsObjectRecord count = PdoParameterTemplate(0);
    StoreRecordText(count.DefaultValue, Formatted("%d", highest));
    return Add(index, 0, count);
}

HRESULT CEdsDictStg::CreatePdoMapping(uint16_t index, int number, bool receive, const EdsPdoRequest& request) {
    EdsObjectRecord main = EmptyRecord();
    main.Category = ObjectCategory::Mandatory;
    main.SubNumber = 1;
    main.ObjectType = kRecordObject;
    StoreRecordText(main.ParameterName, receive ? Formatted("%d. receive PDO mapping", number)
                                                : Formatted("%d. transmit PDO mapping", number));
    HRESULT result = Add(index, kMainEntry, main);

    int mapped = 0;
    if (request.flags & kFlagMapping) mapped = std::min<int>(request.mappedCount, kLargestMappedCount);
    for (int h = 1; h <= mapped && result == S_OK; ++h) {
        EdsObjectRecord entry = EmptyRecord();
        entry.ObjectType = ObjectCode::Var;
        entry.AccessType = kAccessReadWrite;
        entry.DataType = kUnsigned32;
        StoreRecordText(entry.ParameterName, Formatted("%d. mapped object", h));
        const uint32_t value = request.mapped[h - 1];
        StoreRecordText(entry.DefaultValue, Formatted("0x%8.8X", static_cast<unsigned>(value)));
        result = Add(index, static_cast<uint16_t>(h), entry);
    }
    if (result != S_OK) return result;

    EdsObjectRecord count = EmptyRecord();
    count.ObjectType = ObjectCode::Var;
    count.AccessType = Access((request.writable & kWritableMappedCount) != 0);
    count.DataType = kUnsigned8;
    StoreRecordText(count.ParameterName, "number of mapped objects");
    StoreRecordText(count.LowLimit, "0");
    StoreRecordText(count.HighLimit, "64");
    StoreRecordText(count.DefaultValue, Formatted("%d", mapped));
    return Add(index, 0, count);
}

}  // namespace vantor

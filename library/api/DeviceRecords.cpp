#include "library/api/DeviceRecords.h"

#include <memory>

#include "library/dictionary/EdsDictStg.h"
#include "library/file/EdsFileStg.h"
#include "library/sections/EdsDeviceComissioning.h"
#include "library/sections/EdsDeviceInfo.h"

namespace vantor::api {

namespace {

enum IdentityEntry { kVendor = 0, kProduct = 1, kRevision = 2, kSerial = 3 };

// The identity values of object 0x1018; none when the object does not exist
// (asking for an object of a missing area would create the area).
IdentityValues ReadIdentity(CEdsDictStg& dictionary) {
    IdentityValues identity;
    if (dictionary.Map(ObjectMapCode::Available).IsMember(CEdsDictStg::kIdentityIndex))
        dictionary.ReadIdentity(identity);
    return identity;
}

bool Has(const IdentityValues& identity, IdentityEntry entry) { return (identity.mask >> entry) & 1u; }

}  // namespace

HRESULT GetDeviceInfoRecord(CEdsFileStg& fileStg, EdsDeviceInfoRecord& record) {
    std::unique_ptr<CEdsDeviceInfo> section;
    const HRESULT result = fileStg.OpenSectionAs(SectionCode::DeviceInfo, section);
    if (result != S_OK) return result;
    section->ToRecord(record);
    int receive = 0;
    int transmit = 0;
    fileStg.Dictionary().CountPdos(receive, transmit);
    record.NrOfRXPDO = static_cast<int16_t>(receive);
    record.NrOfTXPDO = static_cast<int16_t>(transmit);
    const IdentityValues identity = ReadIdentity(fileStg.Dictionary());
    if (Has(identity, kVendor)) record.VendorNumber = identity.values[kVendor];
    if (Has(identity, kProduct)) record.ProductNumber = identity.values[kProduct];
    if (Has(identity, kRevision)) record.RevisionNumber = identity.values[kRevision];
    return S_OK;
}

HRESULT GetDeviceComRecord(CEdsFileStg& fileStg, EdsDeviceComRecord& record) {
    std::unique_ptr<CEdsDeviceComissioning> section;
    const HRESULT result = fileStg.OpenSectionAs(SectionCode::DeviceComissioning, section);
    if (result != S_OK) return result;
    section->ToRecord(record);
    const IdentityValues identity = ReadIdentity(fileStg.Dictionary());
    if (Has(identity, kSerial)) record.LSS_SerialNumber = identity.values[kSerial];
    return S_OK;
}

}  // namespace vantor::api

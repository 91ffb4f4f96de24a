// The DeviceInfo and DeviceComissioning records as the interface hands them
// out: the stored section merged with what the dictionary holds (the PDO
// counts and the identity object 0x1018).
//
// The values are assigned to the packed record's members one by one: a
// reference to a 32-bit member of the packed record would be misaligned
// (RevisionNumber lies at offset 522), so nothing here binds one.
#pragma once

#include "library/api/EdsHandle.h"
#include "vantor/vantor.h"

namespace vantor::api {

HRESULT GetDeviceInfoRecord(CEdsFileStg& fileStg, EdsDeviceInfoRecord& record);
HRESULT GetDeviceComRecord(CEdsFileStg& fileStg, EdsDeviceComRecord& record);

}  // namespace vantor::api

#include "CCaller.h"

#include <string.h>

#include "vantor/vantor.h"

void CRecordSizes(size_t sizes[kCRecordCount]) {
    sizes[0] = sizeof(EdsObjectRecord);
    sizes[1] = sizeof(EdsFileInfoRecord);
    sizes[2] = sizeof(EdsDeviceInfoRecord);
    sizes[3] = sizeof(EdsDummyUsageRecord);
    sizes[4] = sizeof(EdsDeviceComRecord);
    sizes[5] = sizeof(EdsDynSegmentRecord);
    sizes[6] = sizeof(EdsPdoRequest);
}

void CLastFieldOffsets(size_t offsets[kCRecordCount]) {
    offsets[0] = offsetof(EdsObjectRecord, Denotation);
    offsets[1] = offsetof(EdsFileInfoRecord, LastEDS);
    offsets[2] = offsetof(EdsDeviceInfoRecord, NrOfTXPDO);
    offsets[3] = offsetof(EdsDummyUsageRecord, Dummy0007);
    offsets[4] = offsetof(EdsDeviceComRecord, CANopenManager);
    offsets[5] = offsetof(EdsDynSegmentRecord, MaxCnt);
    offsets[6] = offsetof(EdsPdoRequest, mapped);
}

uint32_t CGetDataTypes(void) { return eds_GetDataTypes(); }

uint32_t CGetFileInfoWithoutHandle(void) {
    EdsFileInfoRecord info;
    memset(&info, 0, sizeof info);
    return eds_GetFileInfo(NULL, &info);
}

void* CCreateFileWithoutRoot(void) { return eds_CreateFile(NULL); }

#include "CCaller.h"

#include <string.h>

#include "vantor/platform.h"
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

uint32_t CLastErrorAfterCreateWithoutRoot(void) {
    SetLastError(0);
    if (eds_CreateFile(NULL) != NULL) return 0;
    return GetLastError();
}

uint32_t CLastErrorRoundTrip(uint32_t value) {
    SetLastError(value);
    return GetLastError();
}

int CCountedBlocks(void) {
    static const OLECHAR units[3] = {0x1000, 0x1018, 0};
    BSTR list = SysAllocStringLen(units, 2);
    void* block = CoTaskMemAlloc(16);
    int failed = list == NULL || SysStringLen(list) != 2 || list[1] != 0x1018 || list[2] != 0 || block == NULL;
    SysFreeString(list);
    CoTaskMemFree(block);
    SysFreeString(NULL);
    CoTaskMemFree(NULL);
    return failed;
}

void CStorageFlags(uint32_t flags[kCStorageFlagCount]) {
    flags[0] = STGM_READ;
    flags[1] = STGM_WRITE;
    flags[2] = STGM_READWRITE;
    flags[3] = STGM_SHARE_EXCLUSIVE;
    flags[4] = STGM_CREATE;
    flags[5] = STGM_DELETEONRELEASE;
    flags[6] = STGC_DEFAULT;
    flags[7] = (uint32_t)S_OK;
    flags[8] = (uint32_t)S_FALSE;
    flags[9] = (uint32_t)STG_E_FILENOTFOUND;
    flags[10] = (uint32_t)STG_E_ACCESSDENIED;
    flags[11] = (uint32_t)STG_E_FILEALREADYEXISTS;
    flags[12] = (uint32_t)STG_E_INVALIDHEADER;
    flags[13] = ERROR_SUCCESS;
}

static void WidenPath(const char* path, WCHAR* wide, size_t capacity) {
    size_t i = 0;
    for (; path[i] != 0 && i + 1 < capacity; ++i) wide[i] = (WCHAR)(unsigned char)path[i];
    wide[i] = 0;
}

int CStorageRoundTrip(const char* path) {
    WCHAR name[512];
    IStorage* root = NULL;
    int step = 0;
    WidenPath(path, name, sizeof name / sizeof name[0]);
    if (StgCreateDocfile(name, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, &root) != S_OK) return 1;
    if (IStorage_Commit(root, STGC_DEFAULT) != S_OK) step = 2;
    if (IStorage_Release(root) != 0) step = 3;
    if (step != 0) return step;
    if (StgCreateDocfile(name, STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, &root) != STG_E_FILEALREADYEXISTS) return 4;
    if (root != NULL) return 5;
    if (StgOpenStorage(name, NULL, STGM_READWRITE | STGM_SHARE_EXCLUSIVE, NULL, 0, &root) != S_OK) return 6;
    if (IStorage_Commit(NULL, STGC_DEFAULT) == S_OK) step = 7;
    if (IStorage_Release(root) != 0) step = 8;
    if (IStorage_Release(NULL) != 0) step = 9;
    return step;
}

uint32_t CCreateDescription(const char* path, int* gotHandle) {
    WCHAR name[512];
    IStorage* root = NULL;
    EdsHandle h;
    uint32_t lastError;
    WidenPath(path, name, sizeof name / sizeof name[0]);
    if (StgCreateDocfile(name, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, &root) != S_OK) return 1;
    SetLastError(1);
    h = eds_CreateFile(root);
    lastError = GetLastError();
    *gotHandle = h != NULL;
    if (h != NULL && eds_SaveFile(h) == 0 && IStorage_Commit(root, STGC_DEFAULT) != S_OK) lastError = 2;
    eds_CloseFile(h);
    IStorage_Release(root);
    return lastError;
}

uint32_t COpenForeignFile(const char* path) {
    WCHAR name[512];
    IStorage* root = NULL;
    HRESULT hr;
    WidenPath(path, name, sizeof name / sizeof name[0]);
    hr = StgOpenStorage(name, NULL, STGM_READ | STGM_SHARE_EXCLUSIVE, NULL, 0, &root);
    if (root != NULL) IStorage_Release(root);
    return (uint32_t)hr;
}

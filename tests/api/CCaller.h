// Functions of CCaller.c, compiled as C11, through which the tests see the
// public header as a C compiler sees it.
#pragma once

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// Size of each record as the C compiler lays it out, in the order: object,
// file information, device information, dummy usage, commissioning, dynamic
// segment, PDO request.
enum { kCRecordCount = 7 };
void CRecordSizes(size_t sizes[kCRecordCount]);

// Offsets of the last field of each record, in the same order.
void CLastFieldOffsets(size_t offsets[kCRecordCount]);

// eds_GetDataTypes called from C.
uint32_t CGetDataTypes(void);

// eds_GetFileInfo called from C with a null handle.
uint32_t CGetFileInfoWithoutHandle(void);

// eds_CreateFile called from C with a null root; the handle is returned.
void* CCreateFileWithoutRoot(void);

// eds_CreateFile with a null root, then GetLastError, from C.
uint32_t CLastErrorAfterCreateWithoutRoot(void);

// SetLastError and GetLastError from C.
uint32_t CLastErrorRoundTrip(uint32_t value);

// Counted strings and task memory allocated and freed from C; 0 when every
// check passed.
int CCountedBlocks(void);

// The storage flags and status values as the C header defines them, in the
// order: STGM_READ, STGM_WRITE, STGM_READWRITE, STGM_SHARE_EXCLUSIVE,
// STGM_CREATE, STGM_DELETEONRELEASE, STGC_DEFAULT, S_OK, S_FALSE,
// STG_E_FILENOTFOUND, STG_E_ACCESSDENIED, STG_E_FILEALREADYEXISTS,
// STG_E_INVALIDHEADER, ERROR_SUCCESS.
enum { kCStorageFlagCount = 14 };
void CStorageFlags(uint32_t flags[kCStorageFlagCount]);

// From C: creates a compound file at path, commits and releases it, fails to
// create it again without STGM_CREATE, opens it again and releases it. 0 on
// success, otherwise the number of the step that failed.
int CStorageRoundTrip(const char* path);

// From C: eds_CreateFile on a new compound file at path; the last-error value
// it left, and whether it gave a handle. With a handle, the description is
// saved and the root committed (a failed commit gives 2).
uint32_t CCreateDescription(const char* path, int* gotHandle);

// StgOpenStorage of the file from C; its result.
uint32_t COpenForeignFile(const char* path);

#ifdef __cplusplus
}
#endif

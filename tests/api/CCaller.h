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

#ifdef __cplusplus
}
#endif

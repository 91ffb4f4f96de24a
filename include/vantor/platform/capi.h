/*
 * The platform functions that callers of the library use, with C linkage and
 * declarations that compile as C and as C++: the thread's last-error value,
 * the blocks the library hands out (counted strings and task memory) and
 * their free functions, and the compound files a description is kept in.
 *
 * C++ callers get the same functions, together with the full interfaces and
 * constants, from "vantor/platform.h".
 */
#ifndef VANTOR_PLATFORM_CAPI_H
#define VANTOR_PLATFORM_CAPI_H

#include "vantor/platform/basetypes.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The calling thread's last-error value. */
VANTOR_PLATFORM_API DWORD GetLastError(void);
VANTOR_PLATFORM_API void SetLastError(DWORD dwErrCode);

/* A new string of len 16-bit units, copied from psz when it is not null,
 * followed by a terminating zero unit that the length does not count.
 * Null when memory runs out. */
VANTOR_PLATFORM_API BSTR SysAllocStringLen(const OLECHAR* psz, UINT len);
/* A new string holding the zero-terminated text psz; null for a null psz. */
VANTOR_PLATFORM_API BSTR SysAllocString(const OLECHAR* psz);
/* Number of 16-bit units of the string; 0 for null. */
VANTOR_PLATFORM_API UINT SysStringLen(BSTR bstr);
/* Frees a string of SysAllocStringLen; null is allowed. */
VANTOR_PLATFORM_API void SysFreeString(BSTR bstr);

VANTOR_PLATFORM_API void* CoTaskMemAlloc(size_t cb);
/* A null block is allocated anew; a size of 0 frees the block and gives null. */
VANTOR_PLATFORM_API void* CoTaskMemRealloc(void* pv, size_t cb);
VANTOR_PLATFORM_API void CoTaskMemFree(void* pv);

/* Creates a compound file. Without STGM_CREATE an existing file fails with
 * STG_E_FILEALREADYEXISTS. A null name creates a temporary file that is
 * deleted on the last release. */
VANTOR_PLATFORM_API HRESULT StgCreateDocfile(const WCHAR* pwcsName, DWORD grfMode, DWORD reserved,
                                             IStorage** ppstgOpen);
/* Opens an existing compound file. A file that is not a compound file gives
 * STG_E_INVALIDHEADER before more than its header is read. */
VANTOR_PLATFORM_API HRESULT StgOpenStorage(const WCHAR* pwcsName, IStorage* pstgPriority, DWORD grfMode,
                                           SNB snbExclude, DWORD reserved, IStorage** ppstgOpen);
/* S_OK when the file is a compound file, S_FALSE when it is not, or an error. */
VANTOR_PLATFORM_API HRESULT StgIsStorageFile(const WCHAR* pwcsName);

/* IStorage::Commit and IStorage::Release for callers without the C++
 * interface. Committing the root writes the file and reports a failure; the
 * last release writes what is left, but has no way to report. */
VANTOR_PLATFORM_API HRESULT IStorage_Commit(IStorage* This, DWORD grfCommitFlags);
VANTOR_PLATFORM_API ULONG IStorage_Release(IStorage* This);

#ifdef __cplusplus
}
#endif

#ifndef __cplusplus
/* The status values and flags a C caller needs; C++ has them as constants
 * of "vantor/platform/wintypes.h" and "vantor/platform/storage.h". */
#define S_OK ((HRESULT)0)
#define S_FALSE ((HRESULT)1)
#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)
#define STG_E_FILENOTFOUND ((HRESULT)0x80030002u)
#define STG_E_ACCESSDENIED ((HRESULT)0x80030005u)
#define STG_E_FILEALREADYEXISTS ((HRESULT)0x80030050u)
#define STG_E_INVALIDHEADER ((HRESULT)0x800300FBu)
#define STGM_READ 0x00000000u
#define STGM_WRITE 0x00000001u
#define STGM_READWRITE 0x00000002u
#define STGM_SHARE_EXCLUSIVE 0x00000010u
#define STGM_CREATE 0x00001000u
#define STGM_DELETEONRELEASE 0x04000000u
#define STGC_DEFAULT 0u
#define ERROR_SUCCESS 0u
#endif

#endif /* VANTOR_PLATFORM_CAPI_H */

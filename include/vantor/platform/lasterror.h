// The thread's last-error value (GetLastError and SetLastError, declared in
// capi.h) and the mapping of C library errors to the Win32 error numbers.
#pragma once

#include "vantor/platform/capi.h"
#include "vantor/platform/wintypes.h"

// The Win32 error number for an errno value (ENOENT 2, EACCES 5, ENOSPC 112, ...).
VANTOR_PLATFORM_API DWORD Win32ErrorFromErrno(int errnoValue);
// The structured-storage status for an errno value (ENOSPC STG_E_MEDIUMFULL, ...).
VANTOR_PLATFORM_API HRESULT StorageStatusFromErrno(int errnoValue);

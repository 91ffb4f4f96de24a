// Blocks handed across a boundary: length-counted 16-bit strings and
// task-memory blocks, each with its free function.
#pragma once

#include "vantor/platform/wintypes.h"

// A new string of len 16-bit units, copied from psz when it is not null,
// followed by a terminating zero unit that the length does not count.
// Null when memory runs out.
VANTOR_PLATFORM_API BSTR SysAllocStringLen(const OLECHAR* psz, UINT len);
// A new string holding the zero-terminated text psz; null for a null psz.
VANTOR_PLATFORM_API BSTR SysAllocString(const OLECHAR* psz);
// Number of 16-bit units of the string; 0 for null.
VANTOR_PLATFORM_API UINT SysStringLen(BSTR bstr);
// Frees a string of SysAllocStringLen; null is allowed.
VANTOR_PLATFORM_API void SysFreeString(BSTR bstr);

VANTOR_PLATFORM_API void* CoTaskMemAlloc(size_t cb);
// A null block is allocated anew; a size of 0 frees the block and gives null.
VANTOR_PLATFORM_API void* CoTaskMemRealloc(void* pv, size_t cb);
VANTOR_PLATFORM_API void CoTaskMemFree(void* pv);

// Test of callback addresses.
#pragma once

#include "vantor/platform/wintypes.h"

// True only when the address lies inside an executable mapping of this process.
VANTOR_PLATFORM_API bool IsExecutableAddress(const void* address);

// Blocks handed across a boundary: length-counted 16-bit strings and
// task-memory blocks, each with its free function. The functions are
// declared, with C linkage, in capi.h.
#pragma once

#include "vantor/platform/capi.h"
#include "vantor/platform/wintypes.h"

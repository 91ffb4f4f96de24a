// The platform layer: the Windows-named services that the library and the
// editor are written against.
#pragma once

#include "vantor/platform/wintypes.h"
#include "vantor/platform/blocks.h"
#include "vantor/platform/codepage.h"
#include "vantor/platform/executable.h"
#include "vantor/platform/files.h"
#include "vantor/platform/lasterror.h"
#include "vantor/platform/oledate.h"
#include "vantor/platform/storage.h"

/*
 * The platform layer: the Windows-named services that the library and the
 * editor are written against. Compiled as C, this header gives the functions
 * a C caller of the library needs (capi.h); C++ gets everything.
 */
#ifndef VANTOR_PLATFORM_H
#define VANTOR_PLATFORM_H

#include "vantor/platform/capi.h"

#ifdef __cplusplus
#include "vantor/platform/wintypes.h"
#include "vantor/platform/blocks.h"
#include "vantor/platform/codepage.h"
#include "vantor/platform/executable.h"
#include "vantor/platform/files.h"
#include "vantor/platform/lasterror.h"
#include "vantor/platform/oledate.h"
#include "vantor/platform/storage.h"
#endif

#endif /* VANTOR_PLATFORM_H */

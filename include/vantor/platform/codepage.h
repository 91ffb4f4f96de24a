// Text code pages. The system's "ANSI code page" is Windows-1252; CP_UTF8 is
// also understood.
#pragma once

#include "vantor/platform/wintypes.h"

constexpr UINT CP_ACP = 0;
constexpr UINT CP_1252 = 1252;
constexpr UINT CP_UTF8 = 65001;

constexpr DWORD MB_PRECOMPOSED = 0x1;
constexpr DWORD MB_COMPOSITE = 0x2;
constexpr DWORD MB_USEGLYPHCHARS = 0x4;
constexpr DWORD MB_ERR_INVALID_CHARS = 0x8;

constexpr DWORD WC_COMPOSITECHECK = 0x200;
constexpr DWORD WC_NO_BEST_FIT_CHARS = 0x400;
constexpr DWORD WC_ERR_INVALID_CHARS = 0x80;

VANTOR_PLATFORM_API UINT GetACP();

// Windows semantics: cbMultiByte -1 converts up to and including the
// terminating zero; cchWideChar 0 asks for the size needed. The result is the
// number of units written (or needed), 0 on failure with the last error set
// (ERROR_INSUFFICIENT_BUFFER when the output does not fit).
VANTOR_PLATFORM_API int MultiByteToWideChar(UINT CodePage, DWORD dwFlags, const char* lpMultiByteStr,
                                            int cbMultiByte, WCHAR* lpWideCharStr, int cchWideChar);
// Characters that the code page cannot hold become lpDefaultChar (or '?'),
// without best-fit substitutes, and set *lpUsedDefaultChar when it is given.
// CP_UTF8: ill-formed input becomes U+FFFD, or fails with
// ERROR_NO_UNICODE_TRANSLATION under MB_ERR_INVALID_CHARS / WC_ERR_INVALID_CHARS.
VANTOR_PLATFORM_API int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, const WCHAR* lpWideCharStr,
                                            int cchWideChar, char* lpMultiByteStr, int cbMultiByte,
                                            const char* lpDefaultChar, BOOL* lpUsedDefaultChar);

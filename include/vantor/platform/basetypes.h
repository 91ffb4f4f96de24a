/*
 * Basic types of the platform layer with their Windows names, for C and C++
 * alike, and the export mark of the platform library.
 */
#ifndef VANTOR_PLATFORM_BASETYPES_H
#define VANTOR_PLATFORM_BASETYPES_H

#include <stddef.h>
#include <stdint.h>

#if defined(VANTOR_PLATFORM_BUILD)
#define VANTOR_PLATFORM_API __attribute__((visibility("default")))
#else
#define VANTOR_PLATFORM_API
#endif

typedef int32_t HRESULT;
typedef uint32_t DWORD;
typedef uint32_t ULONG;
typedef int32_t LONG;
typedef uint32_t UINT;
typedef int32_t BOOL;
typedef uint8_t BYTE;
typedef uint16_t WORD;
#ifdef __cplusplus
typedef char16_t WCHAR;
typedef char16_t OLECHAR;
#else
/* The same 16-bit units; C has no distinct character type for them. */
typedef uint16_t WCHAR;
typedef uint16_t OLECHAR;
#endif
typedef OLECHAR* LPOLESTR;
typedef const OLECHAR* LPCOLESTR;
typedef OLECHAR* BSTR;
typedef DWORD LCID;
typedef void* HANDLE;
typedef double DATE;
typedef OLECHAR** SNB;

/* A storage of a compound file; C callers see it only through pointers. */
#ifdef __cplusplus
struct IStorage;
#else
typedef struct IStorage IStorage;
#endif

#endif /* VANTOR_PLATFORM_BASETYPES_H */

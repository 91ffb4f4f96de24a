// Basic types, result codes and error numbers with their Windows names and
// values, so that code written against the Windows signatures compiles here.
#pragma once

#include "vantor/platform/basetypes.h"

#include <cstddef>
#include <cstdint>

// Macros, as on Windows, so that other headers defining them agree.
#ifndef FALSE
#define FALSE 0
#endif
#ifndef TRUE
#define TRUE 1
#endif

union LARGE_INTEGER {
    struct {
        DWORD LowPart;
        LONG HighPart;
    } u;
    int64_t QuadPart;
};

union ULARGE_INTEGER {
    struct {
        DWORD LowPart;
        DWORD HighPart;
    } u;
    uint64_t QuadPart;
};

struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};

struct GUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};
using IID = GUID;
using CLSID = GUID;
using REFIID = const IID&;
using REFCLSID = const CLSID&;

inline bool operator==(const GUID& a, const GUID& b) {
    if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
    for (int i = 0; i < 8; ++i)
        if (a.Data4[i] != b.Data4[i]) return false;
    return true;
}

constexpr GUID GUID_NULL = {0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};

constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
constexpr bool FAILED(HRESULT hr) { return hr < 0; }

constexpr HRESULT MakeHresult(uint32_t value) { return static_cast<HRESULT>(value); }

// Component and structured-storage status values.
constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = MakeHresult(0x80004001u);
constexpr HRESULT E_NOINTERFACE = MakeHresult(0x80004002u);
constexpr HRESULT E_POINTER = MakeHresult(0x80004003u);
constexpr HRESULT E_ABORT = MakeHresult(0x80004004u);
constexpr HRESULT E_FAIL = MakeHresult(0x80004005u);
constexpr HRESULT E_UNEXPECTED = MakeHresult(0x8000FFFFu);
constexpr HRESULT E_ACCESSDENIED = MakeHresult(0x80070005u);
constexpr HRESULT E_OUTOFMEMORY = MakeHresult(0x8007000Eu);
constexpr HRESULT E_INVALIDARG = MakeHresult(0x80070057u);
constexpr HRESULT CO_E_ALREADYINITIALIZED = MakeHresult(0x800401F1u);

constexpr HRESULT STG_E_INVALIDFUNCTION = MakeHresult(0x80030001u);
constexpr HRESULT STG_E_FILENOTFOUND = MakeHresult(0x80030002u);
constexpr HRESULT STG_E_PATHNOTFOUND = MakeHresult(0x80030003u);
constexpr HRESULT STG_E_TOOMANYOPENFILES = MakeHresult(0x80030004u);
constexpr HRESULT STG_E_ACCESSDENIED = MakeHresult(0x80030005u);
constexpr HRESULT STG_E_INVALIDHANDLE = MakeHresult(0x80030006u);
constexpr HRESULT STG_E_INSUFFICIENTMEMORY = MakeHresult(0x80030008u);
constexpr HRESULT STG_E_INVALIDPOINTER = MakeHresult(0x80030009u);
constexpr HRESULT STG_E_NOMOREFILES = MakeHresult(0x80030012u);
constexpr HRESULT STG_E_DISKISWRITEPROTECTED = MakeHresult(0x80030013u);
constexpr HRESULT STG_E_SEEKERROR = MakeHresult(0x80030019u);
constexpr HRESULT STG_E_WRITEFAULT = MakeHresult(0x8003001Du);
constexpr HRESULT STG_E_READFAULT = MakeHresult(0x8003001Eu);
constexpr HRESULT STG_E_SHAREVIOLATION = MakeHresult(0x80030020u);
constexpr HRESULT STG_E_LOCKVIOLATION = MakeHresult(0x80030021u);
constexpr HRESULT STG_E_FILEALREADYEXISTS = MakeHresult(0x80030050u);
constexpr HRESULT STG_E_INVALIDPARAMETER = MakeHresult(0x80030057u);
constexpr HRESULT STG_E_MEDIUMFULL = MakeHresult(0x80030070u);
constexpr HRESULT STG_E_ABNORMALAPIEXIT = MakeHresult(0x800300FAu);
constexpr HRESULT STG_E_INVALIDHEADER = MakeHresult(0x800300FBu);
constexpr HRESULT STG_E_INVALIDNAME = MakeHresult(0x800300FCu);
constexpr HRESULT STG_E_UNKNOWN = MakeHresult(0x800300FDu);
constexpr HRESULT STG_E_UNIMPLEMENTEDFUNCTION = MakeHresult(0x800300FEu);
constexpr HRESULT STG_E_INVALIDFLAG = MakeHresult(0x800300FFu);
constexpr HRESULT STG_E_INUSE = MakeHresult(0x80030100u);
constexpr HRESULT STG_E_NOTCURRENT = MakeHresult(0x80030101u);
constexpr HRESULT STG_E_REVERTED = MakeHresult(0x80030102u);
constexpr HRESULT STG_E_CANTSAVE = MakeHresult(0x80030103u);
constexpr HRESULT STG_E_OLDFORMAT = MakeHresult(0x80030104u);
constexpr HRESULT STG_E_OLDDLL = MakeHresult(0x80030105u);
constexpr HRESULT STG_E_SHAREREQUIRED = MakeHresult(0x80030106u);
constexpr HRESULT STG_E_NOTFILEBASEDSTORAGE = MakeHresult(0x80030107u);
constexpr HRESULT STG_E_DOCFILECORRUPT = MakeHresult(0x80030109u);

// Win32 error numbers used as library result codes and last-error values.
constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_INVALID_FUNCTION = 1;
constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
constexpr DWORD ERROR_PATH_NOT_FOUND = 3;
constexpr DWORD ERROR_TOO_MANY_OPEN_FILES = 4;
constexpr DWORD ERROR_ACCESS_DENIED = 5;
constexpr DWORD ERROR_INVALID_HANDLE = 6;
constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr DWORD ERROR_INVALID_BLOCK = 9;
constexpr DWORD ERROR_INVALID_DATA = 13;
constexpr DWORD ERROR_OUTOFMEMORY = 14;
constexpr DWORD ERROR_WRITE_PROTECT = 19;
constexpr DWORD ERROR_NOT_READY = 21;
constexpr DWORD ERROR_SEEK = 25;
constexpr DWORD ERROR_WRITE_FAULT = 29;
constexpr DWORD ERROR_READ_FAULT = 30;
constexpr DWORD ERROR_SHARING_VIOLATION = 32;
constexpr DWORD ERROR_LOCK_VIOLATION = 33;
constexpr DWORD ERROR_HANDLE_EOF = 38;
constexpr DWORD ERROR_HANDLE_DISK_FULL = 39;
constexpr DWORD ERROR_NOT_SUPPORTED = 50;
constexpr DWORD ERROR_FILE_EXISTS = 80;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_BROKEN_PIPE = 109;
constexpr DWORD ERROR_BUFFER_OVERFLOW = 111;
constexpr DWORD ERROR_DISK_FULL = 112;
constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
constexpr DWORD ERROR_INVALID_NAME = 123;
constexpr DWORD ERROR_NEGATIVE_SEEK = 131;
constexpr DWORD ERROR_DIR_NOT_EMPTY = 145;
constexpr DWORD ERROR_BUSY = 170;
constexpr DWORD ERROR_INVALID_SEGMENT_NUMBER = 180;
constexpr DWORD ERROR_ALREADY_EXISTS = 183;
constexpr DWORD ERROR_FILENAME_EXCED_RANGE = 206;
constexpr DWORD ERROR_NO_UNICODE_TRANSLATION = 1113;
constexpr DWORD ERROR_DIRECTORY = 267;
constexpr DWORD ERROR_INVALID_FLAGS = 1004;

// Files with explicit access, creation disposition and sharing, and
// temporary file names. Failures return the Windows failure value and leave
// the reason in the thread's last-error value.
//
// A file opened without any share flag holds an exclusive lock: a second open
// of the same file, from this or another process, fails with
// ERROR_SHARING_VIOLATION (32). Opens that share take a shared lock, which
// keeps exclusive opens out. The locks are whole-file flock(2) locks, so
// other code of the process that locks the same way takes part.
#pragma once

#include "vantor/platform/wintypes.h"

constexpr DWORD GENERIC_READ = 0x80000000u;
constexpr DWORD GENERIC_WRITE = 0x40000000u;

constexpr DWORD FILE_SHARE_READ = 0x1;
constexpr DWORD FILE_SHARE_WRITE = 0x2;
constexpr DWORD FILE_SHARE_DELETE = 0x4;

constexpr DWORD CREATE_NEW = 1;
constexpr DWORD CREATE_ALWAYS = 2;
constexpr DWORD OPEN_EXISTING = 3;
constexpr DWORD OPEN_ALWAYS = 4;
constexpr DWORD TRUNCATE_EXISTING = 5;

constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;

constexpr DWORD FILE_BEGIN = 0;
constexpr DWORD FILE_CURRENT = 1;
constexpr DWORD FILE_END = 2;

constexpr DWORD INVALID_SET_FILE_POINTER = 0xFFFFFFFFu;
constexpr DWORD INVALID_FILE_SIZE = 0xFFFFFFFFu;
inline HANDLE const INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(~static_cast<uintptr_t>(0));

constexpr DWORD MAX_PATH = 260;

struct SECURITY_ATTRIBUTES;

// Opens or creates a file; the name is a path in the file system's encoding.
VANTOR_PLATFORM_API HANDLE CreateFileA(const char* lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                                       SECURITY_ATTRIBUTES* lpSecurityAttributes, DWORD dwCreationDisposition,
                                       DWORD dwFlagsAndAttributes, HANDLE hTemplateFile);
VANTOR_PLATFORM_API BOOL ReadFile(HANDLE hFile, void* lpBuffer, DWORD nNumberOfBytesToRead,
                                  DWORD* lpNumberOfBytesRead, void* lpOverlapped);
VANTOR_PLATFORM_API BOOL WriteFile(HANDLE hFile, const void* lpBuffer, DWORD nNumberOfBytesToWrite,
                                   DWORD* lpNumberOfBytesWritten, void* lpOverlapped);
// Moves the file pointer; lpDistanceToMoveHigh, when given, holds the high
// 32 bits of the distance on entry and of the new position on return.
VANTOR_PLATFORM_API DWORD SetFilePointer(HANDLE hFile, LONG lDistanceToMove, LONG* lpDistanceToMoveHigh,
                                         DWORD dwMoveMethod);
VANTOR_PLATFORM_API DWORD GetFileSize(HANDLE hFile, DWORD* lpFileSizeHigh);
VANTOR_PLATFORM_API BOOL SetEndOfFile(HANDLE hFile);
VANTOR_PLATFORM_API BOOL FlushFileBuffers(HANDLE hFile);
VANTOR_PLATFORM_API BOOL CloseHandle(HANDLE hObject);
// Fails with ERROR_SHARING_VIOLATION while the file is open without sharing.
VANTOR_PLATFORM_API BOOL DeleteFileA(const char* lpFileName);

// The temporary directory with a trailing '/'; the result is the length
// copied, or the size needed (terminator included) when the buffer is too small.
VANTOR_PLATFORM_API DWORD GetTempPathA(DWORD nBufferLength, char* lpBuffer);
// Builds "<dir>/<prefix up to 3 chars><hex>.tmp" in lpTempFileName (MAX_PATH
// bytes), the hexadecimal part being 1 to 4 upper-case digits. With uUnique 0
// the name is unique, even among concurrent callers, and the empty file is
// created; otherwise the name uses the low 16 bits of uUnique and no file is
// created. Result: the number used (uUnique when given), 0 on failure
// (ERROR_DIRECTORY for a folder that does not exist, ERROR_FILE_EXISTS when
// every name is taken).
VANTOR_PLATFORM_API UINT GetTempFileNameA(const char* lpPathName, const char* lpPrefixString, UINT uUnique,
                                          char* lpTempFileName);

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "vantor/platform/files.h"
#include "vantor/platform/lasterror.h"

namespace {

constexpr unsigned kUniqueValues = 0xFFFF;  // 1 to FFFF, four hexadecimal digits
constexpr size_t kPrefixLength = 3;
// Room for the prefix, four digits, ".tmp" and the terminator.
constexpr size_t kMaxTempDirLength = MAX_PATH - 14;

UINT Fail(DWORD error) {
    SetLastError(error);
    return 0;
}

std::string TempFileBase(const char* directory, const char* prefix) {
    std::string base(directory);
    if (!base.empty() && base.back() != '/') base += '/';
    if (prefix) base.append(prefix, strnlen(prefix, kPrefixLength));
    return base;
}

std::string TempFileName(const std::string& base, unsigned unique) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%X.tmp", unique & 0xFFFFu);
    return base + suffix;
}

// A different starting point per call and per process, so that concurrent
// callers rarely try the same names.
unsigned StartingValue() {
    static std::atomic<unsigned> calls{0};
    const auto ticks = static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
    const unsigned mixed = ticks ^ (static_cast<unsigned>(::getpid()) * 2654435761u) ^ (calls++ * 40503u);
    return mixed % kUniqueValues;
}

// Creates the first free name, trying every value once; the value used, or
// 0 with the last error set.
UINT CreateUniqueFile(const std::string& base, char* lpTempFileName) {
    const unsigned start = StartingValue();
    for (unsigned i = 0; i < kUniqueValues; ++i) {
        const unsigned unique = (start + i) % kUniqueValues + 1;
        const std::string name = TempFileName(base, unique);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            std::memcpy(lpTempFileName, name.c_str(), name.size() + 1);
            SetLastError(ERROR_SUCCESS);
            return unique;
        }
        if (errno == EEXIST || errno == EINTR) continue;
        return Fail(errno == ENOENT || errno == ENOTDIR ? ERROR_DIRECTORY : Win32ErrorFromErrno(errno));
    }
    return Fail(ERROR_FILE_EXISTS);
}

}  // namespace

DWORD GetTempPathA(DWORD nBufferLength, char* lpBuffer) {
    const char* environment = std::getenv("TMPDIR");
    std::string path = environment && *environment ? environment : "/tmp";
    if (path.back() != '/') path += '/';
    const auto needed = static_cast<DWORD>(path.size() + 1);
    if (nBufferLength < needed || !lpBuffer) return needed;
    std::memcpy(lpBuffer, path.c_str(), needed);
    return needed - 1;
}

UINT GetTempFileNameA(const char* lpPathName, const char* lpPrefixString, UINT uUnique, char* lpTempFileName) {
    if (!lpPathName || !lpTempFileName) return Fail(ERROR_INVALID_PARAMETER);
    if (std::strlen(lpPathName) > kMaxTempDirLength) return Fail(ERROR_BUFFER_OVERFLOW);
    if (!*lpPathName) return Fail(ERROR_DIRECTORY);
    const std::string base = TempFileBase(lpPathName, lpPrefixString);
    if (uUnique == 0) return CreateUniqueFile(base, lpTempFileName);
    const std::string name = TempFileName(base, uUnique);
    std::memcpy(lpTempFileName, name.c_str(), name.size() + 1);
    return uUnique;
}

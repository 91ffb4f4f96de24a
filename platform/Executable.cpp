#include "vantor/platform/executable.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <string>
#include <string_view>

namespace {

bool ReadWholeFile(const char* path, std::string& content) {
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    char buffer[4096];
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof buffer)) != 0) {
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) break;
        content.append(buffer, static_cast<size_t>(got));
    }
    ::close(fd);
    return got == 0;
}

struct Mapping {
    uintptr_t begin = 0;
    uintptr_t end = 0;
    bool executable = false;
};

// Reads "begin-end perms ..." of one line of /proc/self/maps.
bool ParseMapping(std::string_view line, Mapping& mapping) {
    const char* p = line.data();
    const char* last = line.data() + line.size();
    auto r = std::from_chars(p, last, mapping.begin, 16);
    if (r.ec != std::errc() || r.ptr == last || *r.ptr != '-') return false;
    r = std::from_chars(r.ptr + 1, last, mapping.end, 16);
    if (r.ec != std::errc() || last - r.ptr < 4 || *r.ptr != ' ') return false;
    mapping.executable = r.ptr[3] == 'x';
    return true;
}

}  // namespace

bool IsExecutableAddress(const void* address) {
    if (!address) return false;
    std::string maps;
    if (!ReadWholeFile("/proc/self/maps", maps)) return false;
    const auto target = reinterpret_cast<uintptr_t>(address);
    std::string_view rest(maps);
    while (!rest.empty()) {
        const size_t newline = rest.find('\n');
        const std::string_view line = rest.substr(0, newline);
        rest = newline == std::string_view::npos ? std::string_view() : rest.substr(newline + 1);
        Mapping mapping;
        if (ParseMapping(line, mapping) && target >= mapping.begin && target < mapping.end) return mapping.executable;
    }
    return false;
}

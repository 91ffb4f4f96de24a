#include "tools/vantor/InputFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include "common/Strings.h"
#include "tools/vantor/TextLines.h"

namespace vantor::cli {
namespace {

constexpr std::array<unsigned char, 8> kCompoundFileSignature = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
// How much is looked at before a file is taken for binary and read no further.
constexpr std::size_t kSniffSize = 64 * 1024;

std::string CauseOf(int error) {
    switch (error) {
        case ENOENT: return "no such file";
        case EACCES: case EPERM: return "permission denied";
        case EISDIR: return "is a directory";
        case ENOTDIR: return "a part of the path is not a directory";
        case ELOOP: return "too many symbolic links";
        case ENAMETOOLONG: return "file name too long";
        default: return std::strerror(error);
    }
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Reads up to limit bytes more into content; false with errno on a failing read.
bool ReadUpTo(int fd, std::size_t limit, std::string& content) {
    char buffer[65536];
    while (limit > 0) {
        const ssize_t n = read(fd, buffer, std::min(sizeof buffer, limit));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        content.append(buffer, static_cast<std::size_t>(n));
        limit -= static_cast<std::size_t>(n);
    }
    return true;
}

bool HasCompoundFileSignature(std::string_view content) {
    return content.size() >= kCompoundFileSignature.size() &&
           std::equal(kCompoundFileSignature.begin(), kCompoundFileSignature.end(),
                      reinterpret_cast<const unsigned char*>(content.data()));
}

// Text may hold tabs, line ends, form feeds and an end-of-file mark, but no
// zero bytes and few other control bytes.
bool LooksBinary(std::string_view content) {
    if (content.find('\0') != std::string_view::npos) return true;
    const std::size_t controls = std::count_if(content.begin(), content.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f' && byte != 0x1A;
    });
    return controls * 100 > content.size();
}

bool HasSectionHeader(std::string_view content) {
    bool found = false;
    ForEachLine(content, [&](std::string_view line, int) {
        line = TrimBlanks(line);
        found = found || (line.starts_with('[') && line.find(']') != std::string_view::npos);
    });
    return found;
}

}  // namespace

std::optional<std::string> ReadInputFile(const std::string& path, InputFile& input) {
    input = {};
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) return CauseOf(errno);
    if (S_ISDIR(status.st_mode)) return "is a directory";
    if (!S_ISREG(status.st_mode)) return "not a regular file";
    const FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) return CauseOf(errno);
    if (!ReadUpTo(file.get(), kSniffSize, input.content)) return CauseOf(errno);
    if (input.content.empty()) return "empty file";
    if (HasCompoundFileSignature(input.content)) {
        input.kind = InputFile::Kind::SavedDescription;
    } else if (LooksBinary(input.content)) {
        return "binary data, not EDS text";
    }
    if (!ReadUpTo(file.get(), SIZE_MAX, input.content)) return CauseOf(errno);
    if (input.kind == InputFile::Kind::SavedDescription) return std::nullopt;
    if (input.content.find('\0') != std::string::npos) return "binary data, not EDS text";
    if (!HasSectionHeader(input.content)) return "no [section] header, not EDS text";
    return std::nullopt;
}

}  // namespace vantor::cli

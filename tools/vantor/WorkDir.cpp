#include "tools/vantor/WorkDir.h"

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <sys/syscall.h>
#include <ctime>
#include <unistd.h>

namespace vantor::cli {
namespace {

// Paths the signal handler removes; kept in fixed storage because a handler
// may not allocate. Files come before directories in removal order.
struct CleanupEntry {
    std::array<char, PATH_MAX> path{};
    bool isDirectory = false;
    volatile sig_atomic_t used = 0;
};
std::array<CleanupEntry, 64> gCleanup;

void Register(const std::string& path, bool isDirectory) {
    if (path.size() >= PATH_MAX) return;
    for (CleanupEntry& entry : gCleanup) {
        if (entry.used) continue;
        std::memcpy(entry.path.data(), path.c_str(), path.size() + 1);
        entry.isDirectory = isDirectory;
        entry.used = 1;
        return;
    }
}

void Unregister(const std::string& prefix) {
    for (CleanupEntry& entry : gCleanup)
        if (entry.used && std::strncmp(entry.path.data(), prefix.c_str(), prefix.size()) == 0) entry.used = 0;
}

// The library writes files of its own into a work directory (the export's
// temporary file, error files), so the handler empties each directory with
// calls that are safe in a signal handler: open, getdents64, unlinkat.
void RemoveDirectoryFiles(const char* path) {
    const int directory = open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory == -1) return;
    alignas(8) static char buffer[8192];
    for (;;) {
        const long count = syscall(SYS_getdents64, directory, buffer, sizeof buffer);
        if (count <= 0) break;
        for (long offset = 0; offset < count;) {
            struct Entry {
                uint64_t inode;
                int64_t next;
                unsigned short length;
                unsigned char type;
                char name[1];
            };
            const auto* entry = reinterpret_cast<const Entry*>(buffer + offset);
            const bool dots = entry->name[0] == '.' &&
                              (entry->name[1] == '\0' || (entry->name[1] == '.' && entry->name[2] == '\0'));
            if (!dots) unlinkat(directory, entry->name, 0);
            offset += entry->length;
        }
    }
    close(directory);
}

extern "C" void RemoveOnSignal(int signalNumber) {
    for (const CleanupEntry& entry : gCleanup)
        if (entry.used && !entry.isDirectory) unlink(entry.path.data());
    for (const CleanupEntry& entry : gCleanup) {
        if (!entry.used || !entry.isDirectory) continue;
        // Another thread (a compound-file commit) may still be naming a file
        // in the directory; give it a moment and empty the directory again.
        for (int attempt = 0; attempt < 200; ++attempt) {
            RemoveDirectoryFiles(entry.path.data());
            if (rmdir(entry.path.data()) == 0 || errno != ENOTEMPTY) break;
            const timespec pause{0, 5'000'000};
            nanosleep(&pause, nullptr);
        }
    }
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

std::string TemporaryDirectory() {
    std::error_code error;
    const std::filesystem::path temp = std::filesystem::temp_directory_path(error);
    return error ? "/tmp" : temp.string();
}

}  // namespace

std::unique_ptr<WorkDir> WorkDir::Create(const std::string& parent, std::string& cause) {
    std::string pattern = (parent.empty() ? TemporaryDirectory() : parent) + "/.vantor-XXXXXX";
    if (!mkdtemp(pattern.data())) {
        cause = std::strerror(errno);
        return nullptr;
    }
    Register(pattern, true);
    return std::unique_ptr<WorkDir>(new WorkDir(std::move(pattern)));
}

WorkDir::WorkDir(std::string path) : path_(std::move(path)) {}

WorkDir::~WorkDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
    Unregister(path_);
}

std::string WorkDir::File(std::string_view name) {
    std::string file = path_ + "/" + std::string(name);
    Register(file, false);
    return file;
}

void RemoveWorkDirsOnSignals() {
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) std::signal(signalNumber, RemoveOnSignal);
}

}  // namespace vantor::cli

#include "tools/vantor/WorkDir.h"

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <filesystem>
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

extern "C" void RemoveOnSignal(int signalNumber) {
    for (const CleanupEntry& entry : gCleanup)
        if (entry.used && !entry.isDirectory) unlink(entry.path.data());
    for (const CleanupEntry& entry : gCleanup)
        if (entry.used && entry.isDirectory) rmdir(entry.path.data());
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

// Refusing sparse 4 GB files: one that is not a compound file and one whose
// compound-file header declares far less than its size. Both must be refused
// in the time of reading a header, whatever the file's size.
#include "vantor/platform.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

constexpr off_t kHugeSize = off_t{4} << 30;

std::u16string Wide(const std::string& text) { return std::u16string(text.begin(), text.end()); }

std::string BenchFile(const char* kind) {
    return (std::filesystem::temp_directory_path() / (std::string("foreign_file_open_bench.") + kind + "." +
                                                       std::to_string(getpid())))
        .string();
}

// Extends the file to 4 GB without writing its content.
bool MakeHuge(const std::string& path) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    const bool extended = fd >= 0 && ftruncate(fd, kHugeSize) == 0;
    if (fd >= 0) close(fd);
    return extended;
}

void MakeCompoundFile(const std::string& path) {
    IStorage* root = nullptr;
    if (StgCreateDocfile(Wide(path).c_str(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, &root) == S_OK)
        root->Release();
}

void RefuseHugeFile(benchmark::State& state, const char* kind, HRESULT expected) {
    const std::string path = BenchFile(kind);
    if (expected == STG_E_DOCFILECORRUPT) MakeCompoundFile(path);
    if (!MakeHuge(path)) {
        state.SkipWithError("no room for a sparse 4 GB file");
        return;
    }
    const std::u16string name = Wide(path);
    for (auto _ : state) {
        IStorage* root = nullptr;
        const HRESULT hr = StgOpenStorage(name.c_str(), nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, nullptr, 0, &root);
        if (root) root->Release();
        if (hr != expected) state.SkipWithError("the file was not refused as expected");
    }
    std::filesystem::remove(path);
}

void BM_RefuseForeignFile(benchmark::State& state) { RefuseHugeFile(state, "foreign", STG_E_INVALIDHEADER); }
void BM_RefuseOversizedCompoundFile(benchmark::State& state) {
    RefuseHugeFile(state, "oversized", STG_E_DOCFILECORRUPT);
}

}  // namespace

BENCHMARK(BM_RefuseForeignFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RefuseOversizedCompoundFile)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();

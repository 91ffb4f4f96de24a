// Writes and reads back a compound file of 3,000 storages holding 10 streams
// of 200 bytes each, plus one 20 MB stream, and reports the peak memory of
// the process.
#include "vantor/platform.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int kStorages = 3000;
constexpr int kStreamsPerStorage = 10;
constexpr size_t kSmallStreamSize = 200;
constexpr size_t kLargeStreamSize = 20u << 20;
constexpr DWORD kCreate = STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
constexpr DWORD kOpen = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;

std::u16string Wide(const std::string& text) { return std::u16string(text.begin(), text.end()); }

std::u16string NumberedName(const char* prefix, int number) {
    char name[16];
    std::snprintf(name, sizeof name, "%s%04X", prefix, number);
    return Wide(name);
}

const std::u16string& BenchFile() {
    static const std::u16string path =
        Wide((std::filesystem::temp_directory_path() / ("storage_roundtrip_bench." + std::to_string(getpid()))).string());
    return path;
}

double PeakMemoryMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

bool Check(HRESULT hr, benchmark::State& state, const char* what) {
    if (SUCCEEDED(hr)) return true;
    state.SkipWithError(what);
    return false;
}

bool WriteFile(benchmark::State& state) {
    const std::vector<uint8_t> small(kSmallStreamSize, 0x5A);
    const std::vector<uint8_t> large(kLargeStreamSize, 0xA5);
    IStorage* root = nullptr;
    if (!Check(StgCreateDocfile(BenchFile().c_str(), kCreate, 0, &root), state, "StgCreateDocfile")) return false;
    bool ok = true;
    for (int s = 0; s < kStorages && ok; ++s) {
        IStorage* storage = nullptr;
        ok = Check(root->CreateStorage(NumberedName("$", s).c_str(), kCreate, 0, 0, &storage), state, "CreateStorage");
        for (int i = 0; i < kStreamsPerStorage && ok; ++i) {
            IStream* stream = nullptr;
            ok = Check(storage->CreateStream(NumberedName("$", i).c_str(), kCreate, 0, 0, &stream), state,
                       "CreateStream") &&
                 Check(stream->Write(small.data(), kSmallStreamSize, nullptr), state, "Write");
            if (stream) stream->Release();
        }
        if (storage) storage->Release();
    }
    IStream* stream = nullptr;
    ok = ok && Check(root->CreateStream(u"Large", kCreate, 0, 0, &stream), state, "CreateStream") &&
         Check(stream->Write(large.data(), kLargeStreamSize, nullptr), state, "Write");
    if (stream) stream->Release();
    ok = ok && Check(root->Commit(STGC_DEFAULT), state, "Commit");
    root->Release();
    return ok;
}

size_t ReadStreamFully(IStorage* parent, const std::u16string& name, std::vector<uint8_t>& buffer) {
    IStream* stream = nullptr;
    if (FAILED(parent->OpenStream(name.c_str(), nullptr, kOpen, 0, &stream))) return 0;
    ULONG read = 0;
    stream->Read(buffer.data(), static_cast<ULONG>(buffer.size()), &read);
    stream->Release();
    return read;
}

bool ReadFile(benchmark::State& state) {
    IStorage* root = nullptr;
    if (!Check(StgOpenStorage(BenchFile().c_str(), nullptr, kOpen, nullptr, 0, &root), state, "StgOpenStorage"))
        return false;
    std::vector<uint8_t> buffer(kLargeStreamSize);
    size_t total = ReadStreamFully(root, u"Large", buffer);
    for (int s = 0; s < kStorages; ++s) {
        IStorage* storage = nullptr;
        if (FAILED(root->OpenStorage(NumberedName("$", s).c_str(), nullptr, kOpen, nullptr, 0, &storage))) break;
        for (int i = 0; i < kStreamsPerStorage; ++i) total += ReadStreamFully(storage, NumberedName("$", i), buffer);
        storage->Release();
    }
    root->Release();
    benchmark::DoNotOptimize(total);
    const size_t expected = kLargeStreamSize + size_t{kStorages} * kStreamsPerStorage * kSmallStreamSize;
    if (total != expected) state.SkipWithError("read back fewer bytes than were written");
    return total == expected;
}

void BM_WriteCompoundFile(benchmark::State& state) {
    for (auto _ : state)
        if (!WriteFile(state)) break;
    state.counters["file_MiB"] = static_cast<double>(std::filesystem::file_size(
                                     std::string(BenchFile().begin(), BenchFile().end()))) / (1 << 20);
    state.counters["peak_rss_MiB"] = PeakMemoryMiB();
}

void BM_ReadCompoundFile(benchmark::State& state) {
    for (auto _ : state)
        if (!ReadFile(state)) break;
    state.counters["peak_rss_MiB"] = PeakMemoryMiB();
}

BENCHMARK(BM_WriteCompoundFile)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadCompoundFile)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    std::filesystem::remove(std::string(BenchFile().begin(), BenchFile().end()), ignored);
    std::printf("peak memory (ru_maxrss): %.1f MiB\n", PeakMemoryMiB());
    return 0;
}

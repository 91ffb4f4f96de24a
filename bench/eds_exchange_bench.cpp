// Import, export and commit of a large EDS: a synthetic file of 2,000 RECORD
// objects with 8 sub-indices each and 2,000 VAR objects (about 2.4 MB of
// text), generated here, and the largest file of the shared corpus when it is
// present. Each description lives in a compound file on disk; the counters
// give the size of the committed file and the peak memory of the process.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "library/file/EdsFileStg.h"
#include "vantor/platform.h"

namespace {

namespace fs = std::filesystem;
using vantor::CEdsFileStg;

constexpr DWORD kCreate = STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
constexpr int kRecords = 2000;
constexpr int kSubIndices = 8;
constexpr int kVariables = 2000;

fs::path Scratch(const std::string& name) {
    static const fs::path folder = [] {
        fs::path path = fs::temp_directory_path() / ("eds_exchange_bench." + std::to_string(getpid()));
        fs::create_directories(path);
        return path;
    }();
    return folder / name;
}

void AppendLine(std::string& text, const char* format, unsigned a = 0, unsigned b = 0) {
    char line[160];
    const int length = std::snprintf(line, sizeof line, format, a, b);
    text.append(line, static_cast<std::size_t>(length));
    text += "\r\n";
}

std::string SyntheticEds() {
    std::string text;
    text.reserve(3u << 20);
    AppendLine(text, "[FileInfo]");
    AppendLine(text, "FileName=bench.eds");
    AppendLine(text, "FileVersion=1");
    AppendLine(text, "Description=Synthetic description of %u records and %u variables", kRecords, kVariables);
    AppendLine(text, "");
    AppendLine(text, "[DeviceInfo]");
    AppendLine(text, "VendorName=Corvane");
    AppendLine(text, "VendorNumber=0x00000042");
    AppendLine(text, "ProductName=Benchmark device");
    AppendLine(text, "");
    AppendLine(text, "[ManufacturerObjects]");
    AppendLine(text, "SupportedObjects=%u", kRecords + kVariables);
    unsigned number = 0;
    for (unsigned i = 0; i < kRecords; ++i) AppendLine(text, "%u=0x%04X", ++number, 0x2000 + i);
    for (unsigned i = 0; i < kVariables; ++i) AppendLine(text, "%u=0x%04X", ++number, 0x3000 + i);
    AppendLine(text, "");
    for (unsigned i = 0; i < kRecords; ++i) {
        const unsigned index = 0x2000 + i;
        AppendLine(text, "[%04X]", index);
        AppendLine(text, "ParameterName=Record object number %u", i);
        AppendLine(text, "ObjectType=0x9");
        AppendLine(text, "SubNumber=%u", kSubIndices);
        AppendLine(text, "");
        AppendLine(text, "[%04Xsub0]", index);
        AppendLine(text, "ParameterName=Highest sub-index supported");
        AppendLine(text, "ObjectType=0x7");
        AppendLine(text, "DataType=0x0005");
        AppendLine(text, "AccessType=ro");
        AppendLine(text, "DefaultValue=%u", kSubIndices - 1);
        AppendLine(text, "PDOMapping=0");
        AppendLine(text, "");
        for (unsigned sub = 1; sub < kSubIndices; ++sub) {
            AppendLine(text, "[%04Xsub%X]", index, sub);
            AppendLine(text, "ParameterName=Channel %u value %u", i, sub);
            AppendLine(text, "ObjectType=0x7");
            AppendLine(text, "DataType=0x0007");
            AppendLine(text, "AccessType=rw");
            AppendLine(text, "DefaultValue=0x%08X", index * 256 + sub);
            AppendLine(text, "PDOMapping=1");
            AppendLine(text, "");
        }
    }
    for (unsigned i = 0; i < kVariables; ++i) {
        AppendLine(text, "[%04X]", 0x3000 + i);
        AppendLine(text, "ParameterName=Variable number %u", i);
        AppendLine(text, "ObjectType=0x7");
        AppendLine(text, "DataType=0x0006");
        AppendLine(text, "AccessType=rw");
        AppendLine(text, "LowLimit=0");
        AppendLine(text, "HighLimit=1000");
        AppendLine(text, "DefaultValue=%u", i % 1000);
        AppendLine(text, "PDOMapping=0");
        AppendLine(text, "");
    }
    return text;
}

const std::string& SyntheticPath() {
    static const std::string path = [] {
        const fs::path file = Scratch("synthetic.eds");
        std::ofstream(file, std::ios::binary) << SyntheticEds();
        return file.string();
    }();
    return path;
}

std::string LargestCorpusFile() {
    std::string largest;
    std::uintmax_t size = 0;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(VANTOR_CORPUS_DIR, error)) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".eds" && extension != ".dcf") continue;
        if (entry.file_size() > size) {
            size = entry.file_size();
            largest = entry.path().string();
        }
    }
    return largest;
}

double PeakMemoryMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// One description in its own compound file on disk.
struct Description {
    explicit Description(const std::string& name) : path(Scratch(name + ".stg")) {
        const std::string narrow = path.string();
        const std::u16string wide(narrow.begin(), narrow.end());
        ok = StgCreateDocfile(wide.c_str(), kCreate, 0, &root) == S_OK;
        file = CEdsFileStg::Create();
        ok = ok && file && file->InitNew(root) == S_OK;
    }
    ~Description() {
        file.reset();
        if (root) root->Release();
        std::error_code ignored;
        fs::remove(path, ignored);
    }
    HRESULT Commit() {
        HRESULT result = file->Save();
        if (result == S_OK) result = file->SaveCompleted();
        if (result == S_OK) result = root->Commit(STGC_DEFAULT);
        return result;
    }

    fs::path path;
    IStorage* root = nullptr;
    std::unique_ptr<CEdsFileStg> file;
    bool ok = false;
};

void Import(benchmark::State& state, const std::string& input) {
    if (input.empty()) {
        state.SkipWithError("no corpus");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto description = std::make_unique<Description>("import");
        state.ResumeTiming();
        if (!description->ok || description->file->Import(input.c_str(), nullptr, 0) != S_OK) {
            state.SkipWithError("import failed");
            return;
        }
        state.PauseTiming();
        description.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fs::file_size(input)));
    state.counters["peak_MiB"] = PeakMemoryMiB();
}

void Commit(benchmark::State& state, const std::string& input) {
    if (input.empty()) {
        state.SkipWithError("no corpus");
        return;
    }
    double committed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto description = std::make_unique<Description>("commit");
        if (!description->ok || description->file->Import(input.c_str(), nullptr, 0) != S_OK) {
            state.SkipWithError("import failed");
            return;
        }
        state.ResumeTiming();
        if (description->Commit() != S_OK) {
            state.SkipWithError("commit failed");
            return;
        }
        state.PauseTiming();
        committed = static_cast<double>(fs::file_size(description->path)) / (1024.0 * 1024.0);
        description.reset();
        state.ResumeTiming();
    }
    state.counters["committed_MiB"] = committed;
    state.counters["peak_MiB"] = PeakMemoryMiB();
}

void Export(benchmark::State& state, const std::string& input, bool writeDcf) {
    if (input.empty()) {
        state.SkipWithError("no corpus");
        return;
    }
    Description description("export");
    if (!description.ok || description.file->Import(input.c_str(), nullptr, 0) != S_OK) {
        state.SkipWithError("import failed");
        return;
    }
    const std::string output = Scratch(writeDcf ? "out.dcf" : "out.eds").string();
    for (auto _ : state) {
        if (description.file->Export(output.c_str(), writeDcf, 0, nullptr) != S_OK) {
            state.SkipWithError("export failed");
            return;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fs::file_size(output)));
    state.counters["peak_MiB"] = PeakMemoryMiB();
}

void BM_ImportSynthetic(benchmark::State& state) { Import(state, SyntheticPath()); }
void BM_ExportSynthetic(benchmark::State& state) { Export(state, SyntheticPath(), false); }
void BM_ExportSyntheticDcf(benchmark::State& state) { Export(state, SyntheticPath(), true); }
void BM_CommitSynthetic(benchmark::State& state) { Commit(state, SyntheticPath()); }
void BM_ImportCorpusLargest(benchmark::State& state) { Import(state, LargestCorpusFile()); }
void BM_ExportCorpusLargest(benchmark::State& state) { Export(state, LargestCorpusFile(), false); }
void BM_ExportCorpusLargestDcf(benchmark::State& state) { Export(state, LargestCorpusFile(), true); }
void BM_CommitCorpusLargest(benchmark::State& state) { Commit(state, LargestCorpusFile()); }

}  // namespace

// Medians of five repetitions: the figures to compare with the goals.
#define EDS_BENCHMARK(name)                                                                                  \
    BENCHMARK(name)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true) \
        ->ComputeStatistics("median", [](const std::vector<double>& v) {                                      \
            std::vector<double> sorted(v);                                                                    \
            std::sort(sorted.begin(), sorted.end());                                                          \
            return sorted[sorted.size() / 2];                                                                 \
        })

EDS_BENCHMARK(BM_ImportSynthetic);
EDS_BENCHMARK(BM_ExportSynthetic);
EDS_BENCHMARK(BM_ExportSyntheticDcf);
EDS_BENCHMARK(BM_CommitSynthetic);
EDS_BENCHMARK(BM_ImportCorpusLargest);
EDS_BENCHMARK(BM_ExportCorpusLargest);
EDS_BENCHMARK(BM_ExportCorpusLargestDcf);
EDS_BENCHMARK(BM_CommitCorpusLargest);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    fs::remove_all(Scratch("").parent_path(), ignored);
    return 0;
}

// Builds a dictionary of 2,000 RECORD objects with 8 sub-indexes each and
// 2,000 VAR objects in a temporary compound root, then exports it as EDS
// text: the path of an import followed by an export.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

#include "common/RecordText.h"
#include "library/dictionary/EdsDictStg.h"
#include "library/storage/Streams.h"

namespace {

using namespace vantor;

constexpr int kRecords = 2000;
constexpr int kSubIndexes = 8;
constexpr int kVars = 2000;
constexpr uint16_t kFirstIndex = 0x2000;
constexpr DWORD kCreate = STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE;

EdsObjectRecord MakeRecord(const char* name, uint8_t objectType, const char* value) {
    EdsObjectRecord record;
    std::memset(&record, 0, sizeof record);
    record.Category = 3;
    record.ObjectType = objectType;
    record.AccessType = 3;
    record.DataType = 7;
    StoreRecordText(record.ParameterName, name);
    StoreRecordText(record.DefaultValue, value);
    return record;
}

bool Build(CEdsDictStg& dict) {
    const EdsObjectRecord main = MakeRecord("Record object", 9, "");
    const EdsObjectRecord sub = MakeRecord("Entry", 7, "0x12345678");
    const EdsObjectRecord var = MakeRecord("Variable", 7, "0");
    uint16_t index = kFirstIndex;
    for (int i = 0; i < kRecords; ++i, ++index) {
        if (dict.Add(index, 0xFF, main) != S_OK) return false;
        for (uint16_t s = 0; s < kSubIndexes; ++s)
            if (dict.Add(index, s, sub) != S_OK) return false;
    }
    for (int i = 0; i < kVars; ++i, ++index)
        if (dict.Add(index, 0xFF, var) != S_OK) return false;
    return true;
}

void BM_DictionaryBuildAndExport(benchmark::State& state) {
    for (auto _ : state) {
        ComPtr<IStorage> root;
        ComPtr<IStorage> storage;
        if (StgCreateDocfile(nullptr, kCreate | STGM_DELETEONRELEASE, 0, root.ReleaseAndGetAddressOf()) != S_OK ||
            root->CreateStorage(u"ObjectDictionary", kCreate, 0, 0, storage.ReleaseAndGetAddressOf()) != S_OK) {
            state.SkipWithError("no compound root");
            return;
        }
        CEdsDictStg dict;
        // The text buffer grows page by page; reserving it keeps its copies
        // out of the measurement.
        CMemoryStream text;
        text.SetCapacity(8 << 20);
        CMemoryStream errors;
        if (dict.InitNew(storage.Get()) != S_OK || !Build(dict) ||
            dict.Export(&text, &errors, nullptr, 0, false) != S_OK) {
            state.SkipWithError("dictionary failed");
            return;
        }
        state.counters["text_bytes"] = text.GetSize();
    }
}
BENCHMARK(BM_DictionaryBuildAndExport)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)
    ->ReportAggregatesOnly(false);

}  // namespace

BENCHMARK_MAIN();

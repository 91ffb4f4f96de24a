#include <functional>

#include "StorageTestSupport.h"
#include "library/storage/Persist.h"

namespace vantor {
namespace {

using State = CPersistStg::State;
using test::TempFiles;

using Operation = std::function<HRESULT(CPersistStg&, IStorage* storage, IStorage* target)>;

// Brings a fresh object on storage into a state (0 to 4).
void Enter(CPersistStg& object, int state, IStorage* storage, IStorage* target) {
    if (state == 0) return;
    ASSERT_EQ(object.InitNew(storage), S_OK);
    const HRESULT status = state == 2   ? object.Save()
                           : state == 3 ? object.SaveAs(target)
                           : state == 4 ? object.HandsOffStorage()
                                        : S_OK;
    ASSERT_EQ(status, S_OK);
}

HRESULT ResultOf(char code) {
    switch (code) {
    case '0': return S_OK;
    case 'A': return CO_E_ALREADYINITIALIZED;
    case 'P': return E_POINTER;
    default: return E_UNEXPECTED;
    }
}

TEST(PersistStg, EveryOperationFromEveryState) {
    // For the states 0 to 4: the result (0 S_OK, U E_UNEXPECTED, A already
    // initialised, P E_POINTER) and the state afterwards.
    struct {
        const char* name;
        Operation call;
        const char* results;
        const char* states;
    } const table[] = {
        {"IsDirty", [](auto& o, auto, auto) { return o.IsDirty(); }, "U0000", "01234"},
        {"InitNew", [](auto& o, auto s, auto) { return o.InitNew(s); }, "0AAAA", "11234"},
        {"InitNew(null)", [](auto& o, auto, auto) { return o.InitNew(nullptr); }, "PAAAA", "01234"},
        {"Load", [](auto& o, auto s, auto) { return o.Load(s); }, "0AAAA", "11234"},
        {"Load(null)", [](auto& o, auto, auto) { return o.Load(nullptr); }, "PAAAA", "01234"},
        {"Save", [](auto& o, auto, auto) { return o.Save(); }, "U0UUU", "02234"},
        {"SaveCompleted", [](auto& o, auto, auto) { return o.SaveCompleted(); }, "UU0UU", "01134"},
        {"SaveAs", [](auto& o, auto, auto t) { return o.SaveAs(t); }, "U0UUU", "03234"},
        {"SaveAs(null)", [](auto& o, auto, auto) { return o.SaveAs(nullptr); }, "UPUUU", "01234"},
        {"SaveAsCompleted", [](auto& o, auto, auto) { return o.SaveAsCompleted(); }, "UUU0U", "01214"},
        {"HandsOffStorage", [](auto& o, auto, auto) { return o.HandsOffStorage(); }, "U000U", "04444"},
        {"ResumeStorage", [](auto& o, auto s, auto) { return o.ResumeStorage(s); }, "UUUU0", "01231"},
        {"ResumeStorage(null)", [](auto& o, auto, auto) { return o.ResumeStorage(nullptr); }, "UUUUP", "01234"},
        {"Uninitialize", [](auto& o, auto, auto) { return o.Uninitialize(); }, "00000", "00000"},
    };
    TempFiles files;
    IStorage* own = files.Compound("own.stg");
    IStorage* target = files.Compound("target.stg");
    for (const auto& row : table) {
        for (int from = 0; from < 5; ++from) {
            CPersistStg object;
            Enter(object, from, own, target);
            const auto after = static_cast<State>(row.states[from] - '0');
            EXPECT_EQ(row.call(object, own, target), ResultOf(row.results[from])) << row.name << " from " << from;
            EXPECT_EQ(object.GetState(), after) << row.name << " from " << from;
            const bool holdsStorage = after != State::Uninitialized && after != State::HandsOff;
            EXPECT_EQ(object.GetStorage() != nullptr, holdsStorage) << row.name << " from " << from;
        }
    }
}

TEST(PersistStg, DirtyAfterInitNewCleanAfterLoadAndTheFirstStorageStays) {
    TempFiles files;
    IStorage* first = files.Compound("first.stg");
    IStorage* second = files.Compound("second.stg");
    CPersistStg created;
    EXPECT_EQ(created.InitNew(first), S_OK);
    EXPECT_EQ(created.IsDirty(), S_OK);
    CPersistStg loaded;
    EXPECT_EQ(loaded.Load(first), S_OK);
    EXPECT_EQ(loaded.IsDirty(), S_FALSE);
    EXPECT_EQ(loaded.InitNew(second), CO_E_ALREADYINITIALIZED);
    EXPECT_EQ(loaded.GetStorage(), first);
    EXPECT_EQ(loaded.IsDirty(), S_FALSE);
}

TEST(PersistStg, SaveAsCopiesEveryElement) {
    TempFiles files;
    IStorage* own = files.Compound("own.stg");
    IStorage* target = files.Compound("target.stg");
    TempFiles::NewStream(own, u"FileInfo", "[FileInfo]");
    CPersistStg object;
    object.Load(own);
    EXPECT_EQ(object.SaveAs(target), S_OK);
    EXPECT_EQ(TempFiles::Content(target, u"FileInfo"), "[FileInfo]");
}

}  // namespace
}  // namespace vantor

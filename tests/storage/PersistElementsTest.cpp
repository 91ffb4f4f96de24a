#include <gmock/gmock.h>

#include <map>

#include "StorageTestSupport.h"
#include "library/storage/Persist.h"

namespace vantor {
namespace {

using ::testing::_;
using ::testing::Return;
using ::testing::StrictMock;
using test::TempFiles;
using Elements = std::map<std::u16string, DWORD>;

constexpr const char* kNoName = nullptr;

class PersistElements : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(object.InitNew(root), S_OK); }

    // Every element of the storage with its type, by enumeration.
    Elements Enumerate() {
        Elements found;
        STATSTG* record = nullptr;
        EXPECT_EQ(object.BeginEnum(record), S_OK);
        HRESULT status;
        while ((status = object.NextEnum(record)) == S_OK) found[record->pwcsName] = record->type;
        EXPECT_EQ(status, S_FALSE);
        EXPECT_EQ(object.NextEnum(record), S_FALSE) << "the end stays the end";
        object.EndEnum(record);
        return found;
    }

    TempFiles files;
    IStorage* root = files.Compound();
    CPersistStg object;
};

TEST_F(PersistElements, CreatesOpensReplacesAndDestroys) {
    TempFiles::NewStream(root, u"Comments", "old text");
    ComPtr<IStream> stream;
    ComPtr<IStorage> storage;
    ASSERT_EQ(object.CreateStream("Comments", stream), S_OK);
    ASSERT_EQ(object.CreateSubStorage("ObjectDictionary", storage), S_OK);
    ASSERT_EQ(object.CreateStream(u"Gone", stream), S_OK);
    stream.Reset();
    storage.Reset();
    EXPECT_EQ(TempFiles::Content(root, u"Comments"), "") << "create replaces";

    EXPECT_EQ(object.OpenStream(u"Comments", stream), S_OK);
    EXPECT_EQ(object.OpenSubStorage("ObjectDictionary", storage), S_OK);
    EXPECT_TRUE(stream && storage);
    stream.Reset();
    EXPECT_EQ(object.DestroyElement("Gone"), S_OK);
    EXPECT_EQ(object.DestroyElement(u"Gone"), STG_E_FILENOTFOUND);
    EXPECT_EQ(object.DestroyElement(kNoName), S_OK);
    EXPECT_EQ(Enumerate(), (Elements{{u"Comments", STGTY_STREAM}, {u"ObjectDictionary", STGTY_STORAGE}}));
}

TEST_F(PersistElements, OpenOrCreateStreamOpensExistingAndCreatesMissing) {
    TempFiles::NewStream(root, u"Existing", "kept");
    ComPtr<IStream> stream;
    ASSERT_EQ(object.OpenOrCreateStream("Existing", stream), S_OK);
    COleStream existing(stream.Get());
    EXPECT_EQ(test::ReadAll(existing), "kept");
    ASSERT_EQ(object.OpenOrCreateStream(u"Missing", stream), S_OK);
    EXPECT_EQ(Enumerate().count(u"Missing"), 1u);
}

TEST_F(PersistElements, NamesHaveAtMost31CharactersOfTheAnsiCodePage) {
    ComPtr<IStream> stream;
    ComPtr<IStorage> storage;
    EXPECT_EQ(object.CreateStream(std::string(31, 'n').c_str(), stream), S_OK);
    EXPECT_TRUE(FAILED(object.CreateStream(std::string(32, 'm').c_str(), stream)));
    EXPECT_TRUE(FAILED(object.CreateSubStorage(std::string(40, 'm').c_str(), storage)));
    EXPECT_EQ(object.CreateStream("Gr\xFC\xDF \x80", stream), S_OK);
    EXPECT_EQ(Enumerate(), (Elements{{std::u16string(31, u'n'), STGTY_STREAM}, {u"Grüß €", STGTY_STREAM}}));
}

TEST(PersistElementChecks, StorageIsCheckedBeforeTheName) {
    CPersistStg empty;
    ComPtr<IStream> stream;
    ComPtr<IStorage> storage;
    for (HRESULT status : {empty.CreateSubStorage("a", storage), empty.OpenSubStorage("a", storage),
                           empty.CreateStream("a", stream), empty.OpenStream(kNoName, stream),
                           empty.OpenOrCreateStream("a", stream)})
        EXPECT_EQ(status, STG_E_INVALIDHANDLE);
    EXPECT_EQ(empty.DestroyElement("a"), S_OK);
    STATSTG* record = nullptr;
    EXPECT_EQ(empty.BeginEnum(record), STG_E_INVALIDHANDLE);
    EXPECT_EQ(record, nullptr);

    TempFiles files;
    CPersistStg object;
    object.Load(files.Compound());
    for (HRESULT status : {object.CreateSubStorage(kNoName, storage), object.OpenSubStorage(kNoName, storage),
                           object.CreateStream(kNoName, stream), object.OpenStream(kNoName, stream),
                           object.OpenOrCreateStream(kNoName, stream)})
        EXPECT_EQ(status, STG_E_INVALIDPARAMETER);
    EXPECT_EQ(object.CopyStorageTo(nullptr), S_OK);
}

TEST_F(PersistElements, EnumerationRecordsBelongToTheirOwner) {
    TempFiles::NewStream(root, u"FileInfo", "12345");
    CPersistStg other;
    ASSERT_EQ(other.Load(root), S_OK);
    STATSTG* foreign = nullptr;
    ASSERT_EQ(other.BeginEnum(foreign), S_OK);
    ASSERT_EQ(other.NextEnum(foreign), S_OK);
    EXPECT_EQ(std::u16string(foreign->pwcsName), u"FileInfo");
    EXPECT_EQ(foreign->cbSize.QuadPart, 5u);

    STATSTG unrelated{};
    for (STATSTG* record : {foreign, &unrelated, static_cast<STATSTG*>(nullptr)}) {
        EXPECT_EQ(object.NextEnum(record), STG_E_INVALIDPARAMETER);
        object.EndEnum(record);
    }
    EXPECT_EQ(std::u16string(foreign->pwcsName), u"FileInfo") << "left alone by the other object";
    EXPECT_EQ(other.NextEnum(foreign), S_FALSE);
    other.EndEnum(foreign);
    EXPECT_EQ(other.NextEnum(foreign), STG_E_INVALIDPARAMETER) << "an ended record is gone";

    // Ended early, and never ended: the leak checker sees both freed.
    STATSTG* early = nullptr;
    ASSERT_EQ(object.BeginEnum(early), S_OK);
    ASSERT_EQ(object.NextEnum(early), S_OK);
    object.EndEnum(early);
    STATSTG* forgotten = nullptr;
    ASSERT_EQ(object.BeginEnum(forgotten), S_OK);
    ASSERT_EQ(object.NextEnum(forgotten), S_OK);
}

class MockStorage : public IStorage {
public:
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    MOCK_METHOD(HRESULT, CreateStream, (const OLECHAR*, DWORD, DWORD, DWORD, IStream**), (override));
    MOCK_METHOD(HRESULT, OpenStream, (const OLECHAR*, void*, DWORD, DWORD, IStream**), (override));
    MOCK_METHOD(HRESULT, CreateStorage, (const OLECHAR*, DWORD, DWORD, DWORD, IStorage**), (override));
    MOCK_METHOD(HRESULT, OpenStorage, (const OLECHAR*, IStorage*, DWORD, SNB, DWORD, IStorage**), (override));
    MOCK_METHOD(HRESULT, CopyTo, (DWORD, const IID*, SNB, IStorage*), (override));
    MOCK_METHOD(HRESULT, MoveElementTo, (const OLECHAR*, IStorage*, const OLECHAR*, DWORD), (override));
    MOCK_METHOD(HRESULT, Commit, (DWORD), (override));
    MOCK_METHOD(HRESULT, Revert, (), (override));
    MOCK_METHOD(HRESULT, EnumElements, (DWORD, void*, DWORD, IEnumSTATSTG**), (override));
    MOCK_METHOD(HRESULT, DestroyElement, (const OLECHAR*), (override));
    MOCK_METHOD(HRESULT, RenameElement, (const OLECHAR*, const OLECHAR*), (override));
    MOCK_METHOD(HRESULT, SetElementTimes, (const OLECHAR*, const FILETIME*, const FILETIME*, const FILETIME*),
                (override));
    MOCK_METHOD(HRESULT, SetClass, (REFCLSID), (override));
    MOCK_METHOD(HRESULT, SetStateBits, (DWORD, DWORD), (override));
    MOCK_METHOD(HRESULT, Stat, (STATSTG*, DWORD), (override));
};

TEST(PersistElementChecks, ModesReachTheStorageAndStatusesComeBackUnchanged) {
    StrictMock<MockStorage> platform;
    EXPECT_CALL(platform, CreateStorage(_, 0x1012, 0, 0, _)).WillOnce(Return(STG_E_ACCESSDENIED));
    EXPECT_CALL(platform, OpenStorage(_, nullptr, 0x12, nullptr, 0, _)).WillOnce(Return(STG_E_INUSE));
    EXPECT_CALL(platform, CreateStream(_, 0x1012, 0, 0, _)).WillOnce(Return(STG_E_MEDIUMFULL));
    EXPECT_CALL(platform, OpenStream(_, nullptr, 0x12, 0, _)).WillOnce(Return(STG_E_SHAREVIOLATION));
    CPersistStg object;
    object.Load(&platform);
    ComPtr<IStream> stream;
    ComPtr<IStorage> storage;
    EXPECT_EQ(object.CreateSubStorage("a", storage), STG_E_ACCESSDENIED);
    EXPECT_EQ(object.OpenSubStorage("a", storage), STG_E_INUSE);
    EXPECT_EQ(object.CreateStream("a", stream), STG_E_MEDIUMFULL);
    EXPECT_EQ(object.OpenOrCreateStream("a", stream), STG_E_SHAREVIOLATION) << "only a missing stream is created";
}

}  // namespace
}  // namespace vantor

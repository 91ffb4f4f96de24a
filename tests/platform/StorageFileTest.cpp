// Compound files on disk: round trips, commit and release, locking,
// delete-on-release and a full disk.
#include "StorageTestSupport.h"

#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace storage_test;

namespace {

const CLSID kClass = {0x0A0B0C0D, 0x1122, 0x3344, {0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC}};

// The layout of a description plus streams around the sizes where the file
// format changes its way of storing them.
void BuildDescriptionLayout(IStorage* root) {
    WriteStream(root, SectionName("FileInfo"), Pattern(300, 1));
    WriteStream(root, SectionName("DeviceInfo"), Pattern(0, 2));
    StoragePtr dictionary = CreateStorage(root, u"ObjectDictionary");
    ASSERT_EQ(S_OK, dictionary->SetClass(kClass));
    StoragePtr area = CreateStorage(dictionary.get(), u"$10");
    StoragePtr object = CreateStorage(area.get(), u"$18");
    WriteStream(object.get(), u"MAIN", Pattern(150, 3));
    WriteStream(object.get(), u"$00", Pattern(60, 4));
    CreateStorage(area.get(), u"$00");
    const size_t sizes[] = {0, 1, 63, 64, 4095, 4096, 4097, 5 << 20};
    for (size_t size : sizes) WriteStream(root, U16("size" + std::to_string(size)), Pattern(size, size + 5));
}

TEST(StorageFileTest, ADescriptionLayoutSurvivesTheRoundTripThroughAFile) {
    TempFolder folder;
    const auto path = folder.File("description.stg");
    std::vector<std::string> written;
    {
        StoragePtr root = CreateDocfile(path);
        ASSERT_TRUE(root);
        BuildDescriptionLayout(root.get());
        written = DescribeTree(root.get());
    }
    EXPECT_EQ(S_OK, StgIsStorageFile(path.c_str()));
    StoragePtr reopened = OpenDocfile(path);
    ASSERT_TRUE(reopened);
    EXPECT_EQ(written, DescribeTree(reopened.get()));
    ASSERT_EQ(16u, written.size());

    StoragePtr dictionary = OpenStorage(reopened.get(), u"objectdictionary");
    STATSTG stat{};
    ASSERT_EQ(S_OK, dictionary->Stat(&stat, STATFLAG_DEFAULT));
    EXPECT_TRUE(stat.clsid == kClass);
    EXPECT_EQ(std::u16string(u"ObjectDictionary"), stat.pwcsName);
    CoTaskMemFree(stat.pwcsName);
}

TEST(StorageFileTest, CommitWritesTheFileAndReleaseWritesOnlyWhatChanged) {
    TempFolder folder;
    const auto path = folder.File("commit.stg");
    const auto copy = folder.path() / "copy.stg";
    StoragePtr root = CreateDocfile(path);
    WriteStream(root.get(), u"first", Pattern(5000, 1));
    ASSERT_EQ(S_OK, root->Commit(STGC_DEFAULT));

    // The committed file is complete while the root is still open.
    std::filesystem::copy_file(Utf8Path(path), copy);
    {
        StoragePtr snapshot = OpenDocfile(U16(copy.string()));
        ASSERT_TRUE(snapshot);
        EXPECT_EQ(Pattern(5000, 1), ReadStream(snapshot.get(), u"first"));
    }
    WriteStream(root.get(), u"second", Pattern(10, 2));
    root.Reset();
    StoragePtr reopened = OpenDocfile(path);
    EXPECT_EQ(Pattern(10, 2), ReadStream(reopened.get(), u"second"));

    // Opening and releasing without a change leaves the file alone.
    const auto before = std::filesystem::last_write_time(Utf8Path(path));
    const auto inode = ReadFileBytes(Utf8Path(path));
    reopened.Reset();
    OpenDocfile(path);
    EXPECT_EQ(before, std::filesystem::last_write_time(Utf8Path(path)));
    EXPECT_EQ(inode, ReadFileBytes(Utf8Path(path)));
}

TEST(StorageFileTest, CreatingOverAnExistingFileNeedsTheCreateFlag) {
    TempFolder folder;
    const auto path = folder.File("existing.stg");
    WriteFileBytes(Utf8Path(path), {'n', 'o', 't', ' ', 'o', 'l', 'e'});
    StoragePtr root;
    EXPECT_EQ(STG_E_FILEALREADYEXISTS, StgCreateDocfile(path.c_str(), kOpenRW, 0, root.Out()));
    EXPECT_EQ(STG_E_INVALIDHEADER, StgOpenStorage(path.c_str(), nullptr, kOpenRW, nullptr, 0, root.Out()));
    EXPECT_EQ(S_FALSE, StgIsStorageFile(path.c_str()));
    EXPECT_FALSE(root);

    ASSERT_EQ(S_OK, StgCreateDocfile(path.c_str(), kCreateRW, 0, root.Out()));
    EXPECT_EQ(S_OK, StgIsStorageFile(path.c_str()));
    EXPECT_TRUE(ListElements(root.get()).empty());
}

TEST(StorageFileTest, MissingFilesAndUnsupportedModesAreReported) {
    TempFolder folder;
    const auto missing = folder.File("missing.stg");
    const auto inMissingFolder = folder.File("no/such/folder.stg");
    StoragePtr root;
    EXPECT_EQ(STG_E_FILENOTFOUND, StgOpenStorage(missing.c_str(), nullptr, kOpenRW, nullptr, 0, root.Out()));
    EXPECT_EQ(STG_E_FILENOTFOUND, StgIsStorageFile(missing.c_str()));
    EXPECT_EQ(STG_E_FILENOTFOUND, StgCreateDocfile(inMissingFolder.c_str(), kCreateRW, 0, root.Out()));
    EXPECT_EQ(STG_E_INVALIDFLAG, StgCreateDocfile(missing.c_str(), kCreateRW | STGM_TRANSACTED, 0, root.Out()));
    EXPECT_EQ(STG_E_INVALIDFLAG, StgCreateDocfile(missing.c_str(), STGM_CREATE | STGM_READ, 0, root.Out()));
    EXPECT_EQ(STG_E_INVALIDNAME, StgCreateDocfile(u"", kCreateRW, 0, root.Out()));
    CreateDocfile(missing);
    EXPECT_EQ(STG_E_INVALIDFLAG, StgOpenStorage(missing.c_str(), nullptr, kCreateRW, nullptr, 0, root.Out()));
    EXPECT_EQ(STG_E_INVALIDPOINTER, StgOpenStorage(missing.c_str(), nullptr, kOpenRW, nullptr, 0, nullptr));
    EXPECT_FALSE(root);
}

// Opens the file in a child process; the child's exit code is 0 when the
// open gave the expected status.
bool SecondProcessGets(const std::u16string& path, HRESULT expected) {
    const pid_t child = fork();
    if (child == 0) {
        IStorage* root = nullptr;
        const HRESULT hr = StgOpenStorage(path.c_str(), nullptr, kOpenRW, nullptr, 0, &root);
        _exit(hr == expected ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(StorageFileTest, AnExclusiveRootKeepsEveryOtherOpenOut) {
    TempFolder folder;
    const auto path = folder.File("locked.stg");
    StoragePtr root = CreateDocfile(path);
    ASSERT_EQ(S_OK, root->Commit(STGC_DEFAULT));

    StoragePtr second;
    EXPECT_EQ(STG_E_SHAREVIOLATION, StgOpenStorage(path.c_str(), nullptr, kOpenRW, nullptr, 0, second.Out()));
    EXPECT_EQ(STG_E_SHAREVIOLATION,
              StgOpenStorage(path.c_str(), nullptr, STGM_READ | STGM_SHARE_DENY_NONE, nullptr, 0, second.Out()));
    EXPECT_EQ(STG_E_SHAREVIOLATION, StgCreateDocfile(path.c_str(), kCreateRW, 0, second.Out()));
    EXPECT_TRUE(SecondProcessGets(path, STG_E_SHAREVIOLATION));

    // The lock moves with the file when a commit replaces it.
    WriteStream(root.get(), u"data", Pattern(100, 1));
    ASSERT_EQ(S_OK, root->Commit(STGC_DEFAULT));
    EXPECT_EQ(STG_E_SHAREVIOLATION, StgOpenStorage(path.c_str(), nullptr, kOpenRW, nullptr, 0, second.Out()));
    EXPECT_TRUE(SecondProcessGets(path, STG_E_SHAREVIOLATION));

    root.Reset();
    EXPECT_TRUE(SecondProcessGets(path, S_OK));
    EXPECT_EQ(S_OK, StgOpenStorage(path.c_str(), nullptr, kOpenRW, nullptr, 0, second.Out()));
}

TEST(StorageFileTest, ReadersShareAFileThatWritersCannotTake) {
    TempFolder folder;
    const auto path = folder.File("shared.stg");
    {
        StoragePtr root = CreateDocfile(path);
        WriteStream(root.get(), u"data", Pattern(10, 1));
    }
    constexpr DWORD readOnly = STGM_READ | STGM_SHARE_DENY_WRITE;
    StoragePtr first = OpenDocfile(path, readOnly);
    StoragePtr second = OpenDocfile(path, readOnly);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(Pattern(10, 1), ReadStream(second.get(), u"data"));
    StoragePtr writer;
    EXPECT_EQ(STG_E_SHAREVIOLATION, StgOpenStorage(path.c_str(), nullptr, kOpenRW, nullptr, 0, writer.Out()));

    StreamPtr stream;
    EXPECT_EQ(STG_E_ACCESSDENIED, first->CreateStream(u"new", kCreateRW, 0, 0, stream.Out()));
    EXPECT_EQ(STG_E_ACCESSDENIED, first->OpenStream(u"data", nullptr, kOpenRW, 0, stream.Out()));
    EXPECT_EQ(STG_E_ACCESSDENIED, first->DestroyElement(u"data"));
    ASSERT_EQ(S_OK, first->OpenStream(u"data", nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, stream.Out()));
    EXPECT_EQ(STG_E_ACCESSDENIED, stream->Write("x", 1, nullptr));
}

TEST(StorageFileTest, DeleteOnReleaseRemovesTheFile) {
    TempFolder folder;
    const auto path = folder.File("~work.tmp");
    WriteFileBytes(Utf8Path(path), {});  // as a temporary file name is handed out: empty
    StoragePtr root = CreateDocfile(path, kTempDocfile);
    ASSERT_TRUE(root);
    WriteStream(root.get(), u"data", Pattern(10000, 1));
    ASSERT_EQ(S_OK, root->Commit(STGC_DEFAULT));
    EXPECT_EQ(S_OK, StgIsStorageFile(path.c_str()));
    root.Reset();
    EXPECT_FALSE(std::filesystem::exists(Utf8Path(path)));
    EXPECT_TRUE(FilesIn(folder.path()).empty());
}

TEST(StorageFileTest, ANullNameMakesAUniqueTemporaryFile) {
    StoragePtr first;
    StoragePtr second;
    ASSERT_EQ(S_OK, StgCreateDocfile(nullptr, kCreateRW, 0, first.Out()));
    ASSERT_EQ(S_OK, StgCreateDocfile(nullptr, kCreateRW, 0, second.Out()));
    STATSTG stat{};
    ASSERT_EQ(S_OK, first->Stat(&stat, STATFLAG_DEFAULT));
    const std::u16string name = stat.pwcsName;
    CoTaskMemFree(stat.pwcsName);
    ASSERT_EQ(S_OK, second->Stat(&stat, STATFLAG_DEFAULT));
    EXPECT_NE(name, std::u16string(stat.pwcsName));
    CoTaskMemFree(stat.pwcsName);

    EXPECT_EQ(S_OK, StgIsStorageFile(name.c_str()));
    first.Reset();
    EXPECT_FALSE(std::filesystem::exists(Utf8Path(name)));
}

// A small tmpfs of our own, when this process may mount one.
class SmallFileSystem {
public:
    explicit SmallFileSystem(const std::filesystem::path& where) : where_(where) {
        mounted_ = mount("tmpfs", where.c_str(), "tmpfs", 0, "size=256k") == 0;
    }
    ~SmallFileSystem() {
        if (mounted_) umount2(where_.c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }

private:
    std::filesystem::path where_;
    bool mounted_ = false;
};

TEST(StorageFileTest, AFullDiskOnCommitKeepsThePreviousFile) {
    TempFolder folder;
    SmallFileSystem disk(folder.path());
    if (!disk.mounted()) GTEST_SKIP() << "cannot mount a small tmpfs here (needs root); full-disk case not run";

    const auto path = folder.File("full.stg");
    StoragePtr root = CreateDocfile(path);
    WriteStream(root.get(), u"small", Pattern(1000, 1));
    ASSERT_EQ(S_OK, root->Commit(STGC_DEFAULT));
    const auto committed = ReadFileBytes(Utf8Path(path));

    WriteStream(root.get(), u"large", Pattern(1 << 20, 2));
    EXPECT_EQ(STG_E_MEDIUMFULL, root->Commit(STGC_DEFAULT));
    EXPECT_EQ(committed, ReadFileBytes(Utf8Path(path)));
    EXPECT_EQ(std::vector<std::string>{"full.stg"}, FilesIn(folder.path()));

    // The failed write is not lost from memory: shrinking lets it through.
    ASSERT_EQ(S_OK, root->DestroyElement(u"large"));
    WriteStream(root.get(), u"medium", Pattern(20000, 3));
    ASSERT_EQ(S_OK, root->Commit(STGC_DEFAULT));
    root.Reset();
    StoragePtr reopened = OpenDocfile(path);
    EXPECT_EQ(Pattern(20000, 3), ReadStream(reopened.get(), u"medium"));
}

TEST(StorageFileTest, ElementCountsBeyondTheLimitsAreRefusedWhenCreated) {
    StoragePtr root;
    ASSERT_EQ(S_OK, StgCreateDocfile(nullptr, kTempDocfile, 0, root.Out()));
    StoragePtr level = CreateStorage(root.get(), u"level");
    HRESULT hr = S_OK;
    for (int depth = 1; depth < 300 && hr == S_OK; ++depth) {
        StoragePtr next;
        hr = level->CreateStorage(u"level", kCreateRW, 0, 0, next.Out());
        if (hr == S_OK) level = std::move(next);
    }
    EXPECT_EQ(STG_E_INSUFFICIENTMEMORY, hr);

    StoragePtr wide = CreateStorage(root.get(), u"wide");
    hr = S_OK;
    int created = 0;
    for (; created < 20000 && hr == S_OK; ++created) {
        StreamPtr stream;
        hr = wide->CreateStream(U16(std::to_string(created)).c_str(), kCreateRW, 0, 0, stream.Out());
    }
    EXPECT_EQ(STG_E_INSUFFICIENTMEMORY, hr);
    EXPECT_EQ(16385, created);
}

}  // namespace

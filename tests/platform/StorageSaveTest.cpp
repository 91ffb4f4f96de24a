// Saves that are killed half-way, folders that refuse a new file, and
// foreign files of any size.
#include "StorageTestSupport.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace storage_test;

namespace {

constexpr size_t kContentSize = 4 << 20;
constexpr uid_t kNobody = 65534;

// Opens the file, writes new content and commits, in a child process that
// exits 0 when the save succeeded.
pid_t StartSave(const std::u16string& path, uint32_t seed) {
    const pid_t child = fork();
    if (child != 0) return child;
    IStorage* root = nullptr;
    int status = 1;
    if (StgOpenStorage(path.c_str(), nullptr, kOpenRW, nullptr, 0, &root) == S_OK) {
        IStream* stream = nullptr;
        const auto content = Pattern(kContentSize, seed);
        ULONG written = 0;
        if (root->CreateStream(u"data", kCreateRW, 0, 0, &stream) == S_OK &&
            stream->Write(content.data(), static_cast<ULONG>(content.size()), &written) == S_OK &&
            root->Commit(STGC_DEFAULT) == S_OK)
            status = 0;
        if (stream) stream->Release();
        root->Release();
    }
    _exit(status);
}

int WaitFor(pid_t child) {
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

long PeakResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Runs work in a child process as an ordinary user (root passes every
// permission check); its exit code, or 77 when the user cannot be taken on.
int RunAsOrdinaryUser(const std::function<int()>& work) {
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) _exit(77);
        _exit(work());
    }
    const int status = WaitFor(child);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(StorageSaveTest, ASaveKilledAtAnyPointLeavesTheOldFileOrTheNewOneAndNothingElse) {
    TempFolder folder;
    const auto path = folder.File("killed.stg");
    {
        StoragePtr root = CreateDocfile(path);
        WriteStream(root.get(), u"data", Pattern(kContentSize, 1));
    }

    // One undisturbed save tells how long a save takes.
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(0, WaitFor(StartSave(path, 2)));
    const auto saveTime = std::chrono::steady_clock::now() - started;
    ASSERT_EQ(std::vector<std::string>{"killed.stg"}, FilesIn(folder.path()));
    std::vector<uint8_t> expected = Pattern(kContentSize, 2);

    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    const auto longest = std::chrono::duration_cast<std::chrono::microseconds>(saveTime).count() * 5 / 4;
    std::uniform_int_distribution<long> delay(0, longest);
    for (uint32_t round = 3; round < 19; ++round) {
        const pid_t child = StartSave(path, round);
        usleep(static_cast<useconds_t>(delay(random)));
        kill(child, SIGKILL);
        WaitFor(child);

        // A kill between naming the new content and renaming it leaves the
        // named copy, which the next writer removes.
        for (const auto& name : FilesIn(folder.path()))
            EXPECT_TRUE(name == "killed.stg" || name.starts_with(".~stg")) << name << ", seed " << seed;
        StoragePtr reopened = OpenDocfile(path);
        ASSERT_TRUE(reopened) << "seed " << seed << ", round " << round;
        const auto content = ReadStream(reopened.get(), u"data");
        if (content != expected) {
            EXPECT_EQ(Pattern(kContentSize, round), content) << "seed " << seed << ", round " << round;
            expected = content;
        }
        EXPECT_EQ(std::vector<std::string>{"killed.stg"}, FilesIn(folder.path())) << "seed " << seed;
    }
}

TEST(StorageSaveTest, ACommitTheFolderRefusesIsReportedAndTheLastReleaseKeepsTheChanges) {
    TempFolder folder;
    const auto path = folder.File("guarded.stg");
    {
        StoragePtr root = CreateDocfile(path);
        WriteStream(root.get(), u"first", Pattern(1000, 1));
    }
    // The file may be written, its folder may not.
    ASSERT_EQ(0, chown(Utf8Path(path).c_str(), geteuid() == 0 ? kNobody : geteuid(), static_cast<gid_t>(-1)));
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0555));

    const int result = RunAsOrdinaryUser([&] {
        IStorage* root = nullptr;
        if (StgOpenStorage(path.c_str(), nullptr, kOpenRW, nullptr, 0, &root) != S_OK) return 1;
        IStream* stream = nullptr;
        const auto content = Pattern(3000, 2);
        if (root->CreateStream(u"second", kCreateRW, 0, 0, &stream) != S_OK) return 2;
        stream->Write(content.data(), static_cast<ULONG>(content.size()), nullptr);
        stream->Release();
        const HRESULT committed = root->Commit(STGC_DEFAULT);
        root->Release();
        return committed == STG_E_ACCESSDENIED ? 0 : 3;
    });
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0700));
    if (result == 77) GTEST_SKIP() << "cannot run as an ordinary user here; refused-folder case not run";
    ASSERT_EQ(0, result) << "1 open failed, 2 create failed, 3 commit did not report STG_E_ACCESSDENIED";

    StoragePtr reopened = OpenDocfile(path);
    EXPECT_EQ(Pattern(1000, 1), ReadStream(reopened.get(), u"first"));
    EXPECT_EQ(Pattern(3000, 2), ReadStream(reopened.get(), u"second"));
    EXPECT_EQ(std::vector<std::string>{"guarded.stg"}, FilesIn(folder.path()));
}

// A sparse file of 4 GB: refused by its header, without reading it.
class HugeFileTest : public ::testing::Test {
protected:
    static constexpr off_t kHugeSize = off_t{4} << 30;

    bool Extend(const std::u16string& path) {
        const int fd = open(Utf8Path(path).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        const bool extended = fd >= 0 && ftruncate(fd, kHugeSize) == 0;
        if (fd >= 0) close(fd);
        return extended;
    }

    HRESULT OpenCountingMemory(const std::u16string& path, long& grownKilobytes) {
        const long before = PeakResidentKilobytes();
        IStorage* root = nullptr;
        const HRESULT hr = StgOpenStorage(path.c_str(), nullptr, kOpenRW, nullptr, 0, &root);
        if (root) root->Release();
        grownKilobytes = PeakResidentKilobytes() - before;
        return hr;
    }

    TempFolder folder_;
};

constexpr long kFewMegabytes = 64 * 1024;

TEST_F(HugeFileTest, AForeignFileIsRefusedAsAnInvalidHeader) {
    const auto path = folder_.File("foreign.bin");
    WriteFileBytes(Utf8Path(path), std::vector<uint8_t>(4096, 'x'));
    if (!Extend(path)) GTEST_SKIP() << "no room for a sparse 4 GB file here";
    long grown = 0;
    EXPECT_EQ(STG_E_INVALIDHEADER, OpenCountingMemory(path, grown));
    EXPECT_LT(grown, kFewMegabytes);
}

TEST_F(HugeFileTest, ACompoundFileLargerThanItsHeaderAllowsIsRefusedAsCorrupt) {
    const auto path = folder_.File("padded.stg");
    {
        StoragePtr root = CreateDocfile(path);
        WriteStream(root.get(), u"data", Pattern(10000, 1));
    }
    if (!Extend(path)) GTEST_SKIP() << "no room for a sparse 4 GB file here";
    long grown = 0;
    EXPECT_EQ(STG_E_DOCFILECORRUPT, OpenCountingMemory(path, grown));
    EXPECT_LT(grown, kFewMegabytes);
    EXPECT_EQ(S_OK, StgIsStorageFile(path.c_str()));
}

}  // namespace

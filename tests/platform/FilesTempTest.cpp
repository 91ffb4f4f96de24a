#include <cstdlib>
#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "FilesTestSupport.h"
#include "vantor/platform.h"

namespace {

std::string TempPathWith(const char* tmpdir) {
    const char* saved = std::getenv("TMPDIR");
    const std::string restore = saved ? saved : "";
    if (tmpdir)
        setenv("TMPDIR", tmpdir, 1);
    else
        unsetenv("TMPDIR");
    char buffer[MAX_PATH];
    const DWORD n = GetTempPathA(sizeof buffer, buffer);
    if (saved)
        setenv("TMPDIR", restore.c_str(), 1);
    else
        unsetenv("TMPDIR");
    return n > 0 && n < MAX_PATH ? std::string(buffer, n) : "<failed>";
}

TEST(TempPath, ComesFromTmpdirWithATrailingSlash) {
    EXPECT_EQ(TempPathWith("/var/scratch"), "/var/scratch/");
    EXPECT_EQ(TempPathWith("/var/scratch/"), "/var/scratch/");
    EXPECT_EQ(TempPathWith(""), "/tmp/");
    EXPECT_EQ(TempPathWith(nullptr), "/tmp/");

    char small[2] = {'x', 'x'};
    const DWORD needed = GetTempPathA(0, nullptr);
    EXPECT_EQ(GetTempPathA(sizeof small, small), needed);
    EXPECT_EQ(small[0], 'x');  // untouched
}

using TempFileName = ScratchFolder;

TEST_F(TempFileName, CreatesAnEmptyFileWithPrefixAndHexNumber) {
    char name[MAX_PATH];
    const UINT unique = GetTempFileNameA(Folder().c_str(), "~abcdef", 0, name);
    ASSERT_NE(unique, 0u);
    std::smatch match;
    const std::string text(name);
    ASSERT_TRUE(std::regex_match(text, match, std::regex(Folder().string() + "/~ab([0-9A-F]{1,4})\\.tmp"))) << text;
    EXPECT_EQ(std::stoul(match[1], nullptr, 16), unique);
    EXPECT_TRUE(std::filesystem::is_regular_file(text));
    EXPECT_EQ(std::filesystem::file_size(text), 0u);
}

TEST_F(TempFileName, NamesStayUniqueUnderConcurrentCallers) {
    constexpr int kThreads = 4;
    constexpr int kNamesPerThread = 150;
    std::vector<std::vector<std::string>> names(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < kNamesPerThread; ++i) {
                char name[MAX_PATH];
                if (GetTempFileNameA(Folder().c_str(), "~", 0, name) != 0) names[t].push_back(name);
            }
        });
    }
    for (auto& thread : threads) thread.join();
    std::set<std::string> distinct;
    for (const auto& list : names) distinct.insert(list.begin(), list.end());
    EXPECT_EQ(distinct.size(), static_cast<size_t>(kThreads * kNamesPerThread));
    const auto files = std::distance(std::filesystem::directory_iterator(Folder()), {});
    EXPECT_EQ(static_cast<size_t>(files), distinct.size());
}

TEST_F(TempFileName, GivenNumberBuildsTheNameOnly) {
    char name[MAX_PATH];
    const std::string folder = Folder().string() + "/";  // a trailing slash is not doubled
    EXPECT_EQ(GetTempFileNameA(folder.c_str(), "eds", 0x1A2B, name), 0x1A2Bu);
    EXPECT_EQ(std::string(name), Folder().string() + "/eds1A2B.tmp");
    EXPECT_FALSE(std::filesystem::exists(name));
}

TEST_F(TempFileName, Failures) {
    char name[MAX_PATH];
    const std::string tooLong(MAX_PATH, 'a');
    const struct {
        const char* folder;
        DWORD error;
    } cases[] = {
        {"/nonexistent-folder", ERROR_DIRECTORY},
        {nullptr, ERROR_INVALID_PARAMETER},
        {tooLong.c_str(), ERROR_BUFFER_OVERFLOW},
    };
    for (const auto& c : cases) {
        SetLastError(0);
        EXPECT_EQ(GetTempFileNameA(c.folder, "~", 0, name), 0u) << c.error;
        EXPECT_EQ(GetLastError(), c.error);
    }
}

}  // namespace

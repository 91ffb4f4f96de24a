#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "FilesTestSupport.h"
#include "vantor/platform.h"

namespace {

using Files = ScratchFolder;

HANDLE Open(const std::string& path, DWORD disposition, DWORD share = 0, DWORD access = GENERIC_READ | GENERIC_WRITE) {
    return CreateFileA(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

TEST_F(Files, CreationDispositionsGiveWindowsResults) {
    const struct {
        DWORD disposition;
        bool exists;
        bool opens;
        DWORD lastError;
        uintmax_t sizeAfter;  // of a file that held "hello"
    } cases[] = {
        {CREATE_NEW, true, false, ERROR_FILE_EXISTS, 5},
        {CREATE_NEW, false, true, ERROR_SUCCESS, 0},
        {CREATE_ALWAYS, true, true, ERROR_ALREADY_EXISTS, 0},
        {CREATE_ALWAYS, false, true, ERROR_SUCCESS, 0},
        {OPEN_EXISTING, true, true, ERROR_SUCCESS, 5},
        {OPEN_EXISTING, false, false, ERROR_FILE_NOT_FOUND, 0},
        {OPEN_ALWAYS, true, true, ERROR_ALREADY_EXISTS, 5},
        {OPEN_ALWAYS, false, true, ERROR_SUCCESS, 0},
        {TRUNCATE_EXISTING, true, true, ERROR_SUCCESS, 0},
        {TRUNCATE_EXISTING, false, false, ERROR_FILE_NOT_FOUND, 0},
    };
    for (const auto& c : cases) {
        const std::string path = PathOf("file");
        const std::string name = std::to_string(c.disposition) + (c.exists ? " on existing" : " on missing");
        std::filesystem::remove(path);
        if (c.exists) WriteText(path, "hello");
        SetLastError(12345);
        HANDLE h = Open(path, c.disposition);
        EXPECT_EQ(h != INVALID_HANDLE_VALUE, c.opens) << name;
        EXPECT_EQ(GetLastError(), c.lastError) << name;
        EXPECT_EQ(h == INVALID_HANDLE_VALUE || CloseHandle(h), TRUE) << name;
        ASSERT_EQ(std::filesystem::exists(path), c.exists || c.opens) << name;
        EXPECT_EQ(c.exists || c.opens ? std::filesystem::file_size(path) : 0, c.sizeAfter) << name;
    }
}

TEST_F(Files, OpenFailuresGiveWindowsErrors) {
    const struct {
        std::string path;
        DWORD disposition;
        DWORD access;
        DWORD error;
    } cases[] = {
        {PathOf("nofolder/file"), OPEN_EXISTING, GENERIC_READ, ERROR_PATH_NOT_FOUND},
        {Folder().string(), OPEN_EXISTING, GENERIC_READ, ERROR_ACCESS_DENIED},
        {"", OPEN_EXISTING, GENERIC_READ, ERROR_PATH_NOT_FOUND},
        {PathOf("file"), 6, GENERIC_READ, ERROR_INVALID_PARAMETER},
        {PathOf("file"), TRUNCATE_EXISTING, GENERIC_READ, ERROR_INVALID_PARAMETER},
    };
    WriteText(PathOf("file"), "hello");
    for (const auto& c : cases) {
        SetLastError(0);
        EXPECT_EQ(Open(c.path, c.disposition, 0, c.access), INVALID_HANDLE_VALUE) << c.path;
        EXPECT_EQ(GetLastError(), c.error) << c.path;
    }
    EXPECT_EQ(ReadText(PathOf("file")), "hello");
}

TEST_F(Files, WriteSeekReadSizeAndEndOfFile) {
    HANDLE h = Open(PathOf("data"), CREATE_NEW);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD count = 0;
    ASSERT_TRUE(WriteFile(h, "0123456789", 10, &count, nullptr));
    EXPECT_EQ(count, 10u);
    EXPECT_EQ(SetFilePointer(h, 2, nullptr, FILE_BEGIN), 2u);
    EXPECT_EQ(SetFilePointer(h, 3, nullptr, FILE_CURRENT), 5u);
    EXPECT_EQ(SetFilePointer(h, -4, nullptr, FILE_END), 6u);
    char buffer[16] = {};
    ASSERT_TRUE(ReadFile(h, buffer, sizeof buffer, &count, nullptr));
    EXPECT_EQ(std::string(buffer, count), "6789");
    ASSERT_TRUE(ReadFile(h, buffer, sizeof buffer, &count, nullptr));
    EXPECT_EQ(count, 0u);  // end of file is success with no bytes

    SetFilePointer(h, 3, nullptr, FILE_BEGIN);
    ASSERT_TRUE(SetEndOfFile(h));
    DWORD high = 7;
    EXPECT_EQ(GetFileSize(h, &high), 3u);
    EXPECT_EQ(high, 0u);
    SetFilePointer(h, 100, nullptr, FILE_BEGIN);
    ASSERT_TRUE(SetEndOfFile(h));
    EXPECT_EQ(GetFileSize(h, nullptr), 100u);
    EXPECT_TRUE(FlushFileBuffers(h));
    EXPECT_TRUE(CloseHandle(h));
    EXPECT_EQ(ReadText(PathOf("data")).substr(0, 4), std::string("012\0", 4));
}

TEST_F(Files, SeekWithHighPartAndNegativeSeek) {
    HANDLE h = Open(PathOf("data"), CREATE_NEW);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD count = 0;
    ASSERT_TRUE(WriteFile(h, "0123456789", 10, &count, nullptr));
    LONG high = 1;  // 4 GiB + 5
    EXPECT_EQ(SetFilePointer(h, 5, &high, FILE_BEGIN), 5u);
    EXPECT_EQ(high, 1);
    high = -1;  // with the low part: -10
    EXPECT_EQ(SetFilePointer(h, -10, &high, FILE_END), 0u);
    EXPECT_EQ(high, 0);

    EXPECT_EQ(SetFilePointer(h, 4, nullptr, FILE_BEGIN), 4u);
    EXPECT_EQ(SetFilePointer(h, -5, nullptr, FILE_CURRENT), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(GetLastError(), ERROR_NEGATIVE_SEEK);
    EXPECT_EQ(SetFilePointer(h, 0, nullptr, FILE_CURRENT), 4u);  // unmoved
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
    EXPECT_TRUE(CloseHandle(h));
}

TEST_F(Files, AccessRightsAndBadHandlesAreRefused) {
    WriteText(PathOf("data"), "hello");
    HANDLE reader = Open(PathOf("data"), OPEN_EXISTING, FILE_SHARE_READ, GENERIC_READ);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    DWORD count = 99;
    SetLastError(0);
    EXPECT_FALSE(WriteFile(reader, "x", 1, &count, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_FALSE(SetEndOfFile(reader));
    EXPECT_TRUE(CloseHandle(reader));
    EXPECT_EQ(ReadText(PathOf("data")), "hello");

    int notAFile = 0;
    for (HANDLE h : {static_cast<HANDLE>(nullptr), INVALID_HANDLE_VALUE, reader, static_cast<HANDLE>(&notAFile)}) {
        char buffer[4];
        SetLastError(0);
        EXPECT_FALSE(ReadFile(h, buffer, 4, &count, nullptr));
        EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
        EXPECT_FALSE(WriteFile(h, buffer, 4, &count, nullptr));
        EXPECT_EQ(SetFilePointer(h, 0, nullptr, FILE_BEGIN), INVALID_SET_FILE_POINTER);
        EXPECT_EQ(GetFileSize(h, nullptr), INVALID_FILE_SIZE);
        SetLastError(0);
        EXPECT_FALSE(CloseHandle(h));
        EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    }
}

TEST_F(Files, FullDiskIsReportedAsDiskFull) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this machine";
    HANDLE h = Open("/dev/full", OPEN_EXISTING, FILE_SHARE_WRITE, GENERIC_WRITE);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD count = 99;
    EXPECT_FALSE(WriteFile(h, "abc", 3, &count, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_DISK_FULL);
    EXPECT_EQ(count, 0u);
    EXPECT_TRUE(CloseHandle(h));
}

TEST_F(Files, OpenWithoutSharingExcludesEveryOtherOpenAndDelete) {
    const std::string path = PathOf("locked");
    WriteText(path, "keep me");
    HANDLE exclusive = Open(path, OPEN_EXISTING);
    ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
    for (DWORD share : {0u, FILE_SHARE_READ | FILE_SHARE_WRITE}) {
        for (DWORD disposition : {OPEN_EXISTING, CREATE_ALWAYS, TRUNCATE_EXISTING}) {
            SetLastError(0);
            EXPECT_EQ(Open(path, disposition, share), INVALID_HANDLE_VALUE) << share << " " << disposition;
            EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION) << share << " " << disposition;
        }
    }
    SetLastError(0);
    EXPECT_FALSE(DeleteFileA(path.c_str()));
    EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
    EXPECT_EQ(ReadText(path), "keep me");  // nothing was truncated or deleted
    ASSERT_TRUE(CloseHandle(exclusive));
    HANDLE again = Open(path, OPEN_EXISTING);
    EXPECT_NE(again, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(CloseHandle(again));
}

TEST_F(Files, SharingOpensCoexistButKeepExclusiveOpensOut) {
    const std::string path = PathOf("shared");
    HANDLE first = Open(path, OPEN_ALWAYS, FILE_SHARE_READ | FILE_SHARE_WRITE);
    HANDLE second = Open(path, OPEN_EXISTING, FILE_SHARE_READ, GENERIC_READ);
    ASSERT_NE(first, INVALID_HANDLE_VALUE);
    ASSERT_NE(second, INVALID_HANDLE_VALUE);
    SetLastError(0);
    EXPECT_EQ(Open(path, OPEN_EXISTING), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
    EXPECT_TRUE(CloseHandle(first));
    EXPECT_TRUE(DeleteFileA(path.c_str()));  // open with sharing does not keep delete out
    EXPECT_TRUE(CloseHandle(second));
}

TEST_F(Files, ExclusiveOpenExcludesAnotherProcess) {
    const std::string path = PathOf("locked");
    HANDLE exclusive = Open(path, CREATE_NEW);
    ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
    const auto openInChild = [&path] {
        const pid_t child = fork();
        if (child == 0) _exit(Open(path, OPEN_EXISTING, FILE_SHARE_READ) == INVALID_HANDLE_VALUE ? GetLastError() : 0);
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(openInChild(), static_cast<int>(ERROR_SHARING_VIOLATION));
    ASSERT_TRUE(CloseHandle(exclusive));
    EXPECT_EQ(openInChild(), 0);
}

TEST_F(Files, DeleteFileErrors) {
    const std::string path = PathOf("doomed");
    WriteText(path, "x");
    EXPECT_TRUE(DeleteFileA(path.c_str()));
    EXPECT_FALSE(std::filesystem::exists(path));
    const struct {
        std::string path;
        DWORD error;
    } cases[] = {
        {path, ERROR_FILE_NOT_FOUND},
        {PathOf("nofolder/doomed"), ERROR_PATH_NOT_FOUND},
        {Folder().string(), ERROR_ACCESS_DENIED},
    };
    for (const auto& c : cases) {
        SetLastError(0);
        EXPECT_FALSE(DeleteFileA(c.path.c_str())) << c.path;
        EXPECT_EQ(GetLastError(), c.error) << c.path;
    }
}

}  // namespace

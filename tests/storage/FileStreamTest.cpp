#include <fstream>
#include <iterator>

#include "StorageTestSupport.h"

namespace vantor {
namespace {

using test::Pattern;
using test::ReadAll;

constexpr DWORD kReadWrite = GENERIC_READ | GENERIC_WRITE;

class FileStreamTest : public ::testing::Test {
protected:
    std::unique_ptr<CFileStream> Open(DWORD disposition, DWORD access = kReadWrite) {
        return CFileStream::Open(files.Path("data.bin").c_str(), disposition, 0, access);
    }
    std::string OnDisk() {
        std::ifstream in(files.Path("data.bin"), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    test::TempFiles files;
};

TEST_F(FileStreamTest, OpenFailureYieldsNoStreamAndLeavesTheLastError) {
    EXPECT_EQ(Open(OPEN_EXISTING), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    auto held = Open(CREATE_ALWAYS);
    EXPECT_EQ(Open(OPEN_EXISTING), nullptr) << "the first stream holds the file exclusively";
    EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
    held.reset();
    EXPECT_NE(Open(OPEN_EXISTING), nullptr) << "destruction closes the file";
}

TEST_F(FileStreamTest, ReadsWritesSeeksAndResizes) {
    auto stream = Open(CREATE_ALWAYS);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->Write("0123456789", 10), 10);
    EXPECT_EQ(stream->Seek(-3, kSeekEnd), 7);
    EXPECT_EQ(stream->Seek(-8, kSeekCurrent), -1);
    EXPECT_EQ(stream->GetError(), ERROR_NEGATIVE_SEEK);
    EXPECT_EQ(stream->GetPosition(), 7);
    EXPECT_EQ(stream->SetSize(4), 4);
    EXPECT_EQ(stream->GetPosition(), 7) << "resizing keeps the position";
    EXPECT_EQ(stream->GetSize(), 4);
    EXPECT_EQ(ReadAll(*stream), "0123");
    stream.reset();
    EXPECT_EQ(OnDisk(), "0123");
}

TEST_F(FileStreamTest, FailuresKeepTheReason) {
    std::ofstream(files.Path("data.bin")) << "abc";
    auto stream = Open(OPEN_EXISTING, GENERIC_READ);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->Read(nullptr, 1), -1);
    EXPECT_EQ(stream->GetError(), ERROR_INVALID_PARAMETER);
    SetLastError(0);
    EXPECT_EQ(stream->Write("x", 1), -1) << "the file is open for reading only";
    EXPECT_NE(stream->GetError(), 0u);
    EXPECT_EQ(stream->GetError(), GetLastError());

    CHandleStream closed(INVALID_HANDLE_VALUE);
    EXPECT_EQ(closed.GetSize(), -1);
    EXPECT_EQ(closed.GetError(), ERROR_INVALID_HANDLE);
}

TEST_F(FileStreamTest, HandleStreamLeavesTheHandleOpen) {
    HANDLE handle = CreateFileA(files.Path("data.bin").c_str(), kReadWrite, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    CHandleStream(handle).Write("abc", 3);
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(handle, "def", 3, &written, nullptr));
    EXPECT_TRUE(CloseHandle(handle));
    EXPECT_EQ(OnDisk(), "abcdef");
}

TEST_F(FileStreamTest, CopiesToAndFromOtherStreams) {
    const std::string data = Pattern(5000);
    auto file = Open(CREATE_ALWAYS);
    ASSERT_NE(file, nullptr);
    CMemoryStream memory;
    memory.Write(data.data(), 5000);
    memory.Seek(0, kSeekBegin);
    EXPECT_EQ(memory.CopyTo(file.get(), -1), 5000);

    file->Seek(1000, kSeekBegin);
    CMemoryStream back;
    EXPECT_EQ(file->CopyTo(&back, -1), 4000);
    EXPECT_EQ(ReadAll(back), data.substr(1000));
    EXPECT_EQ(file->GetError(), 0u);
}

}  // namespace
}  // namespace vantor

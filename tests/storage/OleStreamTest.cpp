#include <gmock/gmock.h>

#include "StorageTestSupport.h"

namespace vantor {
namespace {

using ::testing::_;
using ::testing::DoAll;
using ::testing::Return;
using ::testing::SetArgPointee;
using test::Pattern;
using test::ReadAll;
using test::TempFiles;

// For statuses that a real compound file gives only in rare conditions.
class MockStream : public IStream {
public:
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return ++references; }
    ULONG Release() override { return --references; }
    MOCK_METHOD(HRESULT, Read, (void*, ULONG, ULONG*), (override));
    MOCK_METHOD(HRESULT, Write, (const void*, ULONG, ULONG*), (override));
    MOCK_METHOD(HRESULT, Seek, (LARGE_INTEGER, DWORD, ULARGE_INTEGER*), (override));
    MOCK_METHOD(HRESULT, SetSize, (ULARGE_INTEGER), (override));
    MOCK_METHOD(HRESULT, CopyTo, (IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*), (override));
    MOCK_METHOD(HRESULT, Commit, (DWORD), (override));
    MOCK_METHOD(HRESULT, Revert, (), (override));
    MOCK_METHOD(HRESULT, LockRegion, (ULARGE_INTEGER, ULARGE_INTEGER, DWORD), (override));
    MOCK_METHOD(HRESULT, UnlockRegion, (ULARGE_INTEGER, ULARGE_INTEGER, DWORD), (override));
    MOCK_METHOD(HRESULT, Stat, (STATSTG*, DWORD), (override));
    MOCK_METHOD(HRESULT, Clone, (IStream**), (override));

    ULONG references = 1;
};

DWORD AsError(HRESULT status) { return static_cast<DWORD>(status); }

TEST(OleStream, ReadsWritesSeeksAndResizesACompoundFileStream) {
    TempFiles files;
    IStorage* root = files.Compound();
    COleStream stream(TempFiles::NewStream(root, u"Data").Get());
    EXPECT_EQ(stream.Write("hello world", 11), 11);
    EXPECT_EQ(stream.Seek(6, kSeekBegin), 6);
    EXPECT_EQ(stream.GetSize(), 11);
    EXPECT_EQ(stream.GetPosition(), 6) << "the size query keeps the position";
    char word[8] = {};
    EXPECT_EQ(stream.Read(word, 8), 5);
    EXPECT_STREQ(word, "world");
    EXPECT_EQ(stream.Seek(-20, kSeekCurrent), -1);
    EXPECT_TRUE(FAILED(static_cast<HRESULT>(stream.GetError())));
    EXPECT_EQ(stream.SetSize(5), 5);
    EXPECT_EQ(TempFiles::Content(root, u"Data"), "hello");
}

TEST(OleStream, CopiesBetweenCompoundFileStreamsAndIntoOtherKinds) {
    TempFiles files;
    IStorage* root = files.Compound();
    COleStream source(TempFiles::NewStream(root, u"Source", Pattern(3000)).Get());
    COleStream target(TempFiles::NewStream(root, u"Target").Get());
    source.Seek(1000, kSeekBegin);
    EXPECT_EQ(source.CopyTo(&target, -1), 2000);
    EXPECT_EQ(source.GetPosition(), 3000);
    EXPECT_EQ(ReadAll(target), Pattern(3000).substr(1000));

    source.Seek(1200, kSeekBegin);
    CMemoryStream memory;
    EXPECT_EQ(source.CopyTo(&memory, 300), 300);
    EXPECT_EQ(ReadAll(memory), Pattern(1500).substr(1200));
    COleStream detached(nullptr);
    EXPECT_EQ(source.CopyTo(&detached, 10), -1);
    EXPECT_EQ(source.GetError(), ERROR_INVALID_HANDLE);
    EXPECT_EQ(source.GetPosition(), 1500);
}

TEST(OleStream, WithoutAStream) {
    COleStream stream(nullptr);
    char byte = 0;
    EXPECT_EQ(stream.Read(nullptr, 1), -1);
    EXPECT_EQ(stream.GetError(), ERROR_INVALID_PARAMETER) << "arguments are checked first";
    for (int32_t result : {stream.Read(&byte, 1), stream.Write(&byte, 1), stream.Seek(0, kSeekBegin),
                           stream.GetSize(), stream.SetSize(0)})
        EXPECT_EQ(result, -1);
    EXPECT_EQ(stream.GetError(), ERROR_INVALID_HANDLE);
    CMemoryStream target;
    EXPECT_EQ(stream.CopyTo(&target, -1), 0);
    EXPECT_EQ(stream.GetError(), 0u);
}

TEST(OleStream, AnyReadOrWriteStatusOtherThanZeroIsTheErrorCode) {
    for (HRESULT status : {S_FALSE, STG_E_READFAULT, E_FAIL}) {
        MockStream platform;
        EXPECT_CALL(platform, Read(_, 4, _)).WillOnce(DoAll(SetArgPointee<2>(2), Return(status)));
        EXPECT_CALL(platform, Write(_, 4, _)).WillOnce(DoAll(SetArgPointee<2>(4), Return(status)));
        {
            COleStream stream(&platform);
            EXPECT_EQ(platform.references, 2u);
            char buffer[4] = {};
            EXPECT_EQ(stream.Read(buffer, 4), -1);
            EXPECT_EQ(stream.GetError(), AsError(status));
            stream.SetError(0);
            EXPECT_EQ(stream.Write(buffer, 4), -1);
            EXPECT_EQ(stream.GetError(), AsError(status));
        }
        EXPECT_EQ(platform.references, 1u);
    }
}

TEST(OleStream, FailedCopyBetweenStreamsReturnsToTheStart) {
    MockStream platform;
    MockStream other;
    ULARGE_INTEGER start{};
    start.QuadPart = 40;
    EXPECT_CALL(platform, Seek(_, STREAM_SEEK_CUR, _)).WillOnce(DoAll(SetArgPointee<2>(start), Return(S_OK)));
    EXPECT_CALL(platform, CopyTo(&other, _, _, _))
        .WillOnce([](IStream*, ULARGE_INTEGER count, ULARGE_INTEGER*, ULARGE_INTEGER*) {
            EXPECT_EQ(count.QuadPart, ~uint64_t{0}) << "a negative count copies everything";
            return STG_E_MEDIUMFULL;
        });
    EXPECT_CALL(platform, Seek(_, STREAM_SEEK_SET, _)).WillOnce([](LARGE_INTEGER move, DWORD, ULARGE_INTEGER*) {
        EXPECT_EQ(move.QuadPart, 40);
        return S_OK;
    });
    COleStream source(&platform);
    COleStream target(&other);
    EXPECT_EQ(source.CopyTo(&target, -1), -1);
    EXPECT_EQ(source.GetError(), AsError(STG_E_MEDIUMFULL));
}

}  // namespace
}  // namespace vantor

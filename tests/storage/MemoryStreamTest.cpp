#include <limits>

#include "StorageTestSupport.h"

namespace vantor {
namespace {

using test::LimitedTarget;
using test::Pattern;
using test::ReadAll;
using test::ScriptedSource;

TEST(GenericCopy, ReadsChunksOf1025BytesFromThePositionToTheEnd) {
    ScriptedSource source(Pattern(3100));
    source.Seek(100, kSeekBegin);
    LimitedTarget target(10000);
    EXPECT_EQ(source.CopyTo(&target, -1), 3000);
    EXPECT_EQ(source.requests, (std::vector<int32_t>{1025, 1025, 1025, 100}));
    EXPECT_EQ(target.received, Pattern(3100).substr(100));
    EXPECT_EQ(source.GetError(), 0u);
}

TEST(GenericCopy, ShortAndFailingTargets) {
    ScriptedSource source(Pattern(3000));
    LimitedTarget small(1500);
    EXPECT_EQ(source.CopyTo(&small, -1), 1500);
    EXPECT_EQ(source.GetError(), ERROR_DISK_FULL);
    EXPECT_EQ(source.GetPosition(), 1500) << "just after the bytes the target took";

    LimitedTarget failing(10000, ERROR_ACCESS_DENIED);
    EXPECT_EQ(source.CopyTo(&failing, 2000), -1);
    EXPECT_EQ(source.GetError(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(source.GetPosition(), 1500);

    EXPECT_EQ(source.CopyTo(nullptr, 10), -1);
    EXPECT_EQ(source.GetError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(source.CopyTo(&small, 0), 0);
    EXPECT_EQ(source.GetError(), 0u);
}

TEST(MemoryStream, ReadsWritesAndGrows) {
    CMemoryStream stream;
    EXPECT_EQ(stream.Write("hello world", 11), 11);
    EXPECT_EQ(stream.Seek(6, kSeekBegin), 6);
    char word[8] = {};
    EXPECT_EQ(stream.Read(word, 8), 5);
    EXPECT_STREQ(word, "world");
    EXPECT_EQ(stream.Seek(20, kSeekBegin), 20);
    stream.SetError(5);
    EXPECT_EQ(stream.Read(word, 1), 0) << "past the end";
    EXPECT_EQ(stream.GetError(), 0u);
    EXPECT_EQ(stream.Write("!", 1), 1);
    EXPECT_EQ(stream.GetSize(), 21);
    EXPECT_EQ(ReadAll(stream), "hello world" + std::string(9, '\0') + "!");

    for (int32_t result : {stream.Read(nullptr, 1), stream.Read(word, -1), stream.Write(nullptr, 1),
                           stream.Write("x", -1), stream.CopyTo(nullptr, 1)})
        EXPECT_EQ(result, -1);
    EXPECT_EQ(stream.GetError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(stream.GetSize(), 21);
}

TEST(MemoryStream, CapacityGrowsInPagesAndSizeZeroFreesIt) {
    CMemoryStream stream;
    const std::pair<int32_t, uint32_t> sizes[] = {{1, 4096}, {4096, 4096}, {4097, 8192}, {100, 4096}, {0, 0}};
    for (const auto& [size, capacity] : sizes) {
        EXPECT_EQ(stream.SetSize(size), size);
        EXPECT_EQ(stream.GetCapacity(), capacity) << size;
    }
}

TEST(MemoryStream, SetSizeKeepsThePositionAndRegrownBytesReadAsZero) {
    CMemoryStream stream;
    stream.Write("abcdef", 6);
    EXPECT_EQ(stream.SetSize(2), 2);
    EXPECT_EQ(stream.GetPosition(), 6);
    EXPECT_EQ(stream.SetSize(4), 4);
    EXPECT_EQ(ReadAll(stream), std::string("ab\0\0", 4));
    EXPECT_EQ(stream.SetSize(-1), -1);
    EXPECT_EQ(stream.GetError(), ERROR_INVALID_PARAMETER);
}

TEST(MemoryStream, Seek) {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    struct {
        int32_t offset, origin, result;
        DWORD error;
    } const cases[] = {
        {3, kSeekBegin, 3, 0},    {2, kSeekCurrent, 6, 0},   {-2, kSeekEnd, 8, 0},
        {20, kSeekEnd, 30, 0},    {-1, kSeekBegin, -1, 131}, {-5, kSeekCurrent, -1, 131},
        {-11, kSeekEnd, -1, 131}, {0, 3, -1, 87},            {kMax, kSeekEnd, -1, 87},
    };
    for (const auto& c : cases) {
        CMemoryStream stream;
        stream.Write("0123456789", 10);
        stream.Seek(4, kSeekBegin);
        EXPECT_EQ(stream.Seek(c.offset, c.origin), c.result) << c.offset << " from " << c.origin;
        EXPECT_EQ(stream.GetError(), c.error) << c.offset << " from " << c.origin;
        EXPECT_EQ(stream.GetPosition(), c.result == -1 ? 4 : c.result);
    }
    CMemoryStream stream;
    stream.Seek(kMax - 1, kSeekBegin);
    EXPECT_EQ(stream.Write("abc", 3), -1) << "no stream grows past 2^31 - 1 bytes";
    EXPECT_EQ(stream.GetSize(), 0);
}

TEST(MemoryStream, CopyToTakesTheRestOrTheCount) {
    struct {
        int32_t start, count, result;
    } const cases[] = {{0, -1, 10}, {4, -1, 6}, {4, 3, 3}, {4, 100, 6}, {4, 0, 0}, {12, 5, 0}};
    for (const auto& c : cases) {
        CMemoryStream source;
        source.Write("0123456789", 10);
        source.Seek(c.start, kSeekBegin);
        CMemoryStream target;
        EXPECT_EQ(source.CopyTo(&target, c.count), c.result) << c.start << "+" << c.count;
        EXPECT_EQ(ReadAll(target), std::string("0123456789").substr(std::min(c.start, 10), c.result));
        EXPECT_EQ(source.GetPosition(), c.start + c.result);
    }
}

TEST(MemoryStream, CopyToAShortOrFailingTargetFailsAndKeepsThePosition) {
    CMemoryStream source;
    source.Write(Pattern(5000).data(), 5000);
    source.Seek(100, kSeekBegin);
    LimitedTarget small(1000);
    LimitedTarget failing(10000, ERROR_HANDLE_DISK_FULL);
    EXPECT_EQ(source.CopyTo(&small, -1), -1);
    EXPECT_EQ(source.GetError(), ERROR_DISK_FULL);
    EXPECT_EQ(source.CopyTo(&failing, 10), -1);
    EXPECT_EQ(source.GetError(), ERROR_HANDLE_DISK_FULL);
    EXPECT_EQ(source.GetPosition(), 100);
}

TEST(WriteLine, WritesTextAndLineEndOrReportsWhyNot) {
    CMemoryStream stream;
    EXPECT_EQ(WriteLine(&stream, "Key=Value"), 0u);
    EXPECT_EQ(WriteLine(&stream, ""), 0u);
    EXPECT_EQ(WriteLine(&stream, nullptr), 0u);
    EXPECT_EQ(WriteLine(nullptr, "x"), 0u);
    EXPECT_EQ(ReadAll(stream), "Key=Value\r\n\r\n");

    LimitedTarget noRoomForLineEnd(9);
    EXPECT_EQ(WriteLine(&noRoomForLineEnd, "Key=Value"), ERROR_DISK_FULL);
    LimitedTarget failing(100, ERROR_WRITE_FAULT);
    EXPECT_EQ(WriteLine(&failing, "Key=Value"), ERROR_WRITE_FAULT);
}

TEST(MemoryStream, AppendingWritesGrowTheBufferGeometricallyAndZeroFillGaps) {
    CMemoryStream stream;
    const std::string line(100, 'x');
    uint32_t reallocations = 0;
    uint32_t capacity = 0;
    for (int i = 0; i < 10000; ++i) {
        ASSERT_EQ(stream.Write(line.data(), 100), 100);
        if (stream.GetCapacity() != capacity) ++reallocations;
        capacity = stream.GetCapacity();
    }
    EXPECT_EQ(stream.GetSize(), 1000000);
    EXPECT_LT(reallocations, 30u);

    EXPECT_EQ(stream.Seek(1000010, kSeekBegin), 1000010);
    EXPECT_EQ(stream.Write("y", 1), 1);
    EXPECT_EQ(stream.Seek(1000000, kSeekBegin), 1000000);
    char tail[11] = {};
    EXPECT_EQ(stream.Read(tail, 11), 11);
    EXPECT_EQ(std::string(tail, 11), std::string(10, '\0') + "y");
}

}  // namespace
}  // namespace vantor

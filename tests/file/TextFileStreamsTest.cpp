#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "library/fields/EdsProp.h"
#include "library/file/Progress.h"
#include "library/file/TextFileStreams.h"
#include "library/file/TextFiles.h"
#include "storage/StorageTestSupport.h"

namespace vantor {
namespace {

using test::LimitedTarget;
using test::ScriptedSource;

std::unique_ptr<CTextFileReader> ReaderOver(const std::string& text) {
    return std::make_unique<CTextFileReader>(std::make_unique<ScriptedSource>(text));
}

std::vector<std::string> Lines(CTextFileReader& reader) {
    std::vector<std::string> lines;
    std::string line;
    while (ReadLine(&reader, line) == ERROR_SUCCESS && !line.empty()) lines.push_back(line);
    return lines;
}

TEST(TextFileReader, EveryLineEndReadsAsLineFeedAtTheSamePositions) {
    auto reader = ReaderOver("a\r\nb\nc\rd\r\r\ne");
    EXPECT_EQ(Lines(*reader), (std::vector<std::string>{"a\r\n", "b\n", "c\n", "d\n", "\r\n", "e"}));
    reader->Seek(5, kSeekBegin);
    char byte = 0;
    ASSERT_EQ(reader->Read(&byte, 1), 1);
    EXPECT_EQ(byte, 'c');
}

TEST(TextFileReader, CrLfSplitAcrossTwoBlocksStaysOneLineEnd) {
    std::string text(CTextFileReader::kBlockSize - 1, 'x');
    text += "\r\nnext\r";
    auto reader = ReaderOver(text);
    const auto lines = Lines(*reader);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), static_cast<std::size_t>(CTextFileReader::kBlockSize + 1));
    EXPECT_EQ(lines[0].substr(lines[0].size() - 2), "\r\n");
    EXPECT_EQ(lines[1], "next\n");
}

TEST(TextFileReader, SeeksBackOutsideTheWindowAndKeepsNulBytes) {
    std::string text = std::string("[A]\0x\n", 6) + std::string(3 * CTextFileReader::kBlockSize, 'y');
    auto reader = ReaderOver(text);
    std::string line;
    ASSERT_EQ(ReadLine(reader.get(), line), ERROR_SUCCESS);
    EXPECT_EQ(line, std::string("[A]\0x\n", 6));
    reader->Seek(-10, kSeekEnd);
    ASSERT_EQ(ReadLine(reader.get(), line), ERROR_SUCCESS);
    EXPECT_EQ(line, std::string(10, 'y'));
    reader->Seek(0, kSeekBegin);
    char first[3] = {};
    EXPECT_EQ(reader->Read(first, 3), 3);
    EXPECT_EQ(std::string(first, 3), "[A]");
    EXPECT_EQ(reader->Seek(-1, kSeekBegin), -1);
    EXPECT_EQ(reader->GetError(), ERROR_NEGATIVE_SEEK);
}

TEST(TextFileReader, ALineOfTwoMegabytesIsOneLine) {
    const std::string text = std::string(2 * 1024 * 1024, 'v') + "\nend";
    auto source = std::make_unique<ScriptedSource>(text);
    ScriptedSource* raw = source.get();
    CTextFileReader reader(std::move(source));
    const auto lines = Lines(reader);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 2u * 1024 * 1024 + 1);
    // Whole blocks from the file, never a block per piece of the line.
    EXPECT_LT(raw->requests.size(), 2 * text.size() / CTextFileReader::kBlockSize + 4);
}

// A source that reads on but cannot be sought, like a pipe.
class PipeSource : public CStream {
public:
    explicit PipeSource(std::string data) : data_(std::move(data)) {}
    int32_t Read(void* buffer, int32_t count) override {
        const auto moved = std::min(static_cast<std::size_t>(count), data_.size() - position_);
        std::memcpy(buffer, data_.data() + position_, moved);
        position_ += moved;
        return static_cast<int32_t>(moved);
    }
    int32_t Seek(int32_t, int32_t) override { return Fail(ERROR_INVALID_FUNCTION); }
    int32_t GetSize() override { return Fail(ERROR_INVALID_FUNCTION); }

private:
    std::string data_;
    std::size_t position_ = 0;
};

TEST(TextFileReader, ASourceWithoutSeekingIsReadInOnePass) {
    std::string text;
    for (int i = 0; i < 20000; ++i) text += "Line" + std::to_string(i) + "=value\r\n";
    CTextFileReader reader(std::make_unique<PipeSource>(text));
    EXPECT_EQ(reader.GetSize(), 0);
    const auto lines = Lines(reader);
    ASSERT_EQ(lines.size(), 20000u);
    EXPECT_EQ(lines[19999], "Line19999=value\r\n");
}

TEST(TextFileWriter, LineBreaksInsideATextBecomeBlanks) {
    auto target = std::make_unique<LimitedTarget>(1 << 20);
    LimitedTarget* raw = target.get();
    CTextFileWriter writer(std::move(target));
    EXPECT_EQ(WriteLine(&writer, "Name=two\r\n[lines]\rhere\n"), ERROR_SUCCESS);
    EXPECT_EQ(WriteLine(&writer, ""), ERROR_SUCCESS);
    EXPECT_EQ(writer.Written(), 27);
    EXPECT_TRUE(raw->received.empty());  // still in the block
    EXPECT_EQ(writer.Finish(), ERROR_SUCCESS);
    EXPECT_EQ(raw->received, "Name=two  [lines] here \r\n\r\n");
}

TEST(TextFileWriter, TheFirstFailureSticksAndIsReported) {
    auto target = std::make_unique<LimitedTarget>(100);
    CTextFileWriter writer(std::move(target));
    const std::string block(CTextFileWriter::kBlockSize, 'z');
    EXPECT_EQ(writer.Write(block.data(), static_cast<int32_t>(block.size())), -1);
    EXPECT_EQ(writer.GetError(), ERROR_DISK_FULL);
    EXPECT_EQ(writer.Write("x", 1), -1);
    EXPECT_EQ(writer.Finish(), ERROR_DISK_FULL);

    CTextFileWriter failing(std::make_unique<LimitedTarget>(100, ERROR_WRITE_PROTECT));
    EXPECT_EQ(failing.Write("small", 5), 5);
    EXPECT_EQ(failing.Close(), ERROR_WRITE_PROTECT);
}

TEST(ErrorFileName, ReplacesTheExtensionBesideTheInput) {
    EXPECT_EQ(ReplaceExtension("C:\\dev\\io.eds", ".Err"), "C:\\dev\\io.Err");
    EXPECT_EQ(ReplaceExtension("/tmp/a.b/io.eds", ".ERR"), "/tmp/a.b/io.ERR");
    EXPECT_EQ(ReplaceExtension("/tmp/a.b/io", ".Err"), "/tmp/a.b/io.Err");
    EXPECT_EQ(ReplaceExtension("io", ".Err"), "io.Err");
}

struct Reports {
    std::vector<int32_t> values;
    static void VANTOR_CALL Take(int32_t percent, intptr_t context) {
        reinterpret_cast<Reports*>(context)->values.push_back(percent);
    }
};

TEST(Progress, SharesAreReportedOnceEachAndNeverPastTheWhole) {
    Reports reports;
    CProgress progress(&Reports::Take, reinterpret_cast<intptr_t>(&reports));
    progress.ReportShare(0, 3'000'000'000);
    progress.ReportShare(10, 3'000'000'000);
    progress.ReportShare(2'999'999'999, 3'000'000'000);
    progress.ReportShare(4'000'000'000, 3'000'000'000);
    progress.ReportShare(5, 0);
    progress.Report(250);
    EXPECT_EQ(reports.values, (std::vector<int32_t>{0, 99, 100, 100}));

    CProgress silent(nullptr, 0);
    silent.Report(50);  // nothing to call
}

}  // namespace
}  // namespace vantor

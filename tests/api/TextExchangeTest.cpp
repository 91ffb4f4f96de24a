// Import and export of EDS text through the exports, with the progress callback.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "DescriptionFixture.h"

namespace api_test {
namespace {

using TextExchange = DescriptionTest;

struct Progress {
    std::vector<int32_t> percents;
    std::vector<intptr_t> contexts;
};

void Record(int32_t percent, intptr_t context) {
    auto* progress = reinterpret_cast<Progress*>(context);
    progress->percents.push_back(percent);
    progress->contexts.push_back(context);
}

// Every entry of a description as "index/sub name|type|access|datatype|default", in order.
std::vector<std::string> DescribeObjects(EdsHandle h) {
    std::vector<std::string> lines;
    EdsNumberList all = nullptr;
    if (eds_GetAllObjects(h, &all) != kSuccess) return {"<no list>"};
    for (uint16_t index : TakeList(all)) {
        EdsObjectRecord main{};
        if (eds_GetObject(h, index, kMainEntry, &main) != kSuccess) lines.push_back("<missing main>");
        const std::string presence = main.DefaultValue;
        char address[32];
        std::snprintf(address, sizeof address, "%4.4X", index);
        lines.push_back(std::string(address) + " " + main.ParameterName + "|" + std::to_string(main.Category) +
                        "|" + std::to_string(main.ObjectType) + "|" + std::to_string(main.SubNumber));
        for (size_t sub = 0; main.SubNumber > 0 && sub < presence.size(); ++sub) {
            if (presence[sub] != '1') continue;
            EdsObjectRecord record{};
            if (eds_GetObject(h, index, static_cast<uint32_t>(sub), &record) != kSuccess) {
                lines.push_back("<missing sub>");
                continue;
            }
            std::snprintf(address, sizeof address, "%4.4Xsub%zX", index, sub);
            lines.push_back(std::string(address) + " " + record.ParameterName + "|" +
                            std::to_string(record.ObjectType) + "|" + std::to_string(record.AccessType) + "|" +
                            std::to_string(record.DataType) + "|" + record.DefaultValue);
        }
    }
    return lines;
}

TEST_F(TextExchange, ImportFillsSectionsObjectsListsAndSegments) {
    const auto eds = description_.Path("sample.eds");
    WriteTextFile(eds, SampleEds());
    ASSERT_EQ(eds_ImportEDS(h(), eds.c_str(), nullptr, 0), kSuccess);

    EdsNumberList all = nullptr;
    ASSERT_EQ(eds_GetAllObjects(h(), &all), kSuccess);
    EXPECT_EQ(TakeList(all), (std::vector<uint16_t>{0x1000, 0x1001, 0x1017, 0x1018, 0x2000}));
    EdsObjectRecord record{};
    ASSERT_EQ(eds_GetObject(h(), 0x1000, kMainEntry, &record), kSuccess);
    EXPECT_STREQ(record.ParameterName, "Device type");
    EXPECT_EQ(record.Category, 1);
    ASSERT_EQ(eds_GetObject(h(), 0x1017, kMainEntry, &record), kSuccess);
    EXPECT_EQ(record.Category, 2);
    ASSERT_EQ(eds_GetObject(h(), 0x2000, kMainEntry, &record), kSuccess);
    EXPECT_EQ(record.Category, 3);
    EXPECT_STREQ(record.LowLimit, "-1000");
    ASSERT_EQ(eds_GetObject(h(), 0x1018, 2, &record), kSuccess);
    EXPECT_STREQ(record.ParameterName, "Product code");

    EdsFileInfoRecord file{};
    ASSERT_EQ(eds_GetFileInfo(h(), &file), kSuccess);
    EXPECT_STREQ(file.Description, "Sample drive");
    EdsDeviceInfoRecord device{};
    ASSERT_EQ(eds_GetDeviceInfo(h(), &device), kSuccess);
    EXPECT_STREQ(device.VendorName, "Corvane");
    EXPECT_EQ(+device.ProductNumber, 0x456u);
    EXPECT_EQ(device.BaudRate_500, 1);
    char* comments = nullptr;
    ASSERT_EQ(eds_GetComments(h(), &comments), kSuccess);
    ASSERT_NE(comments, nullptr);
    EXPECT_STREQ(comments, "first comment\r\nsecond comment");
    CoTaskMemFree(comments);
    EdsDynSegmentRecord segment{};
    ASSERT_EQ(eds_GetDynSegment(h(), 1, &segment), kSuccess);
    EXPECT_EQ(+segment.RangeStart, 0xA080);
    EXPECT_EQ(+segment.RangeEnd, 0xA0BF);
}

TEST_F(TextExchange, ProgressGoesFromZeroTo100WithTheCallersContext) {
    const auto eds = description_.Path("sample.eds");
    WriteTextFile(eds, SampleEds());
    Progress progress;
    const auto context = reinterpret_cast<intptr_t>(&progress);
    ASSERT_EQ(eds_ImportEDS(h(), eds.c_str(), Record, context), kSuccess);
    ASSERT_FALSE(progress.percents.empty());
    EXPECT_EQ(progress.percents.front(), 0);
    EXPECT_EQ(progress.percents.back(), 100);
    EXPECT_TRUE(std::is_sorted(progress.percents.begin(), progress.percents.end()));
    EXPECT_TRUE(std::all_of(progress.contexts.begin(), progress.contexts.end(),
                            [&](intptr_t c) { return c == context; }));

    Progress exported;
    const auto dcf = description_.Path("out.dcf");
    ASSERT_EQ(eds_ExportEDS(h(), dcf.c_str(), 1, Record, reinterpret_cast<intptr_t>(&exported)), kSuccess);
    ASSERT_FALSE(exported.percents.empty());
    EXPECT_EQ(exported.percents.front(), 0);
    EXPECT_EQ(exported.percents.back(), 100);
}

TEST_F(TextExchange, ACallbackThatIsNotCodeIsDroppedAndTheWorkStillRuns) {
    const auto eds = description_.Path("sample.eds");
    WriteTextFile(eds, SampleEds());
    static char notCode[64];
    const auto callback = reinterpret_cast<EdsProgressProc>(static_cast<void*>(notCode));
    ASSERT_EQ(eds_ImportEDS(h(), eds.c_str(), callback, 0), kSuccess);
    EdsNumberList all = nullptr;
    ASSERT_EQ(eds_GetAllObjects(h(), &all), kSuccess);
    EXPECT_EQ(TakeList(all).size(), 5u);
}

TEST_F(TextExchange, AMissingInputFileIsReportedAndChangesNothing) {
    const auto missing = description_.Path("missing.eds");
    EXPECT_EQ(eds_ImportEDS(h(), missing.c_str(), nullptr, 0), 2u);
    EdsNumberList all = nullptr;
    ASSERT_EQ(eds_GetAllObjects(h(), &all), kSuccess);
    EXPECT_TRUE(TakeList(all).empty());
}

TEST_F(TextExchange, AnExportedDcfImportsIntoTheSameDescription) {
    const auto eds = description_.Path("sample.eds");
    WriteTextFile(eds, SampleEds());
    ASSERT_EQ(eds_ImportEDS(h(), eds.c_str(), nullptr, 0), kSuccess);
    EdsDeviceComRecord com{};
    com.NodeId = 9;
    ASSERT_EQ(eds_SetDeviceCom(h(), &com), kSuccess);
    const auto dcf = description_.Path("device.dcf");
    ASSERT_EQ(eds_ExportEDS(h(), dcf.c_str(), 1, nullptr, 0), kSuccess);
    const std::string text = ReadTextFile(dcf);
    EXPECT_NE(text.find("[DeviceComissioning]"), std::string::npos);
    EXPECT_NE(text.find("[1018sub2]"), std::string::npos);
    const auto eds2 = description_.Path("device.eds");
    ASSERT_EQ(eds_ExportEDS(h(), eds2.c_str(), 0, nullptr, 0), kSuccess);
    EXPECT_EQ(ReadTextFile(eds2).find("[DeviceComissioning]"), std::string::npos);

    Description copy;
    ASSERT_NE(copy.handle(), nullptr);
    ASSERT_EQ(eds_ImportEDS(copy.handle(), dcf.c_str(), nullptr, 0), kSuccess);
    EXPECT_EQ(DescribeObjects(copy.handle()), DescribeObjects(h()));
    EdsDeviceComRecord comBack{};
    ASSERT_EQ(eds_GetDeviceCom(copy.handle(), &comBack), kSuccess);
    EXPECT_EQ(comBack.NodeId, 9);
}

// The number after "key=" on its line of text; -1 when the key is missing.
long long KeyNumber(const std::string& text, const std::string& key) {
    const size_t at = text.find("\n" + key + "=");
    if (at == std::string::npos) return -1;
    return std::strtoll(text.c_str() + at + key.size() + 2, nullptr, 0);
}

TEST_F(TextExchange, ExportedDeviceInfoKeepsTheSectionsOwnIdentityNumbers) {
    EdsDeviceInfoRecord info{};
    info.VendorNumber = 1;
    info.ProductNumber = 2;
    info.RevisionNumber = 3;
    ASSERT_EQ(eds_SetDeviceInfo(h(), &info), kSuccess);
    EdsObjectRecord vendor{};
    ASSERT_EQ(eds_GetObject(h(), 0x1018, 1, &vendor), kSuccess);
    CopyText(vendor.DefaultValue, "0x00000099");
    ASSERT_EQ(eds_SetObject(h(), 0x1018, 1, &vendor), kSuccess);

    const auto eds = description_.Path("identity.eds");
    ASSERT_EQ(eds_ExportEDS(h(), eds.c_str(), 0, nullptr, 0), kSuccess);
    const std::string text = ReadTextFile(eds);
    EXPECT_EQ(KeyNumber(text, "VendorNumber"), 1);
    EXPECT_EQ(KeyNumber(text, "ProductNumber"), 2);
    EXPECT_NE(text.find("DefaultValue=0x00000099"), std::string::npos);
}

// Every corpus file: import, export, import the export into a fresh
// description and compare all entries.
TEST(CorpusRoundTrip, ExportedTextReadsBackToTheSameObjects) {
    const std::filesystem::path corpus = VANTOR_CORPUS_DIR;
    if (!std::filesystem::is_directory(corpus)) GTEST_SKIP() << "corpus not found at " << corpus;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        std::string extension = entry.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
        if (extension != ".eds" && extension != ".dcf") continue;
        SCOPED_TRACE(entry.path().filename().string());
        ++files;
        Description original;
        ASSERT_NE(original.handle(), nullptr);
        // The error file goes beside the input, so the input is read from a copy.
        const auto input = original.Path(entry.path().filename().string());
        std::filesystem::copy_file(entry.path(), input);
        ASSERT_EQ(eds_ImportEDS(original.handle(), input.c_str(), nullptr, 0), kSuccess);
        const auto output = original.Path("export.dcf");
        ASSERT_EQ(eds_ExportEDS(original.handle(), output.c_str(), 1, nullptr, 0), kSuccess);
        Description copy;
        ASSERT_EQ(eds_ImportEDS(copy.handle(), output.c_str(), nullptr, 0), kSuccess);
        EXPECT_EQ(DescribeObjects(copy.handle()), DescribeObjects(original.handle()));
    }
    EXPECT_GT(files, 0);
}

}  // namespace
}  // namespace api_test

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <filesystem>
#include <string>
#include <vector>

#include "FileTestSupport.h"
#include "library/dictionary/EdsDictStg.h"

namespace vantor::test {
namespace {

struct Reports {
    std::vector<int32_t> values;
    static void VANTOR_CALL Take(int32_t percent, intptr_t context) {
        reinterpret_cast<Reports*>(context)->values.push_back(percent);
    }
};

std::vector<std::string> Headers(const std::string& text) {
    std::vector<std::string> headers;
    for (const std::string& line : SplitLines(text))
        if (!line.empty() && line.front() == '[') headers.push_back(line);
    return headers;
}

EdsObjectRecord Entry(const char* name, uint8_t objectType, const char* parameterValue = "") {
    EdsObjectRecord record{};
    std::strncpy(record.ParameterName, name, sizeof record.ParameterName - 1);
    record.ObjectType = objectType;
    record.AccessType = objectType == 7 ? 3 : 0xFF;
    record.DataType = objectType == 7 ? 7 : 0;
    std::strncpy(record.ParameterValue, parameterValue, sizeof record.ParameterValue - 1);
    return record;
}

using ExportTest = FileStgTest;

TEST_F(ExportTest, ANewDescriptionWritesItsSectionsInTheFixedOrder) {
    const std::string plain = Export(false);
    EXPECT_EQ(Headers(plain), (std::vector<std::string>{"[FileInfo]", "[DeviceInfo]", "[Comments]", "[DummyUsage]",
                                                         "[DynamicChannels]", "[MandatoryObjects]",
                                                         "[ManufacturerObjects]", "[OptionalObjects]"}));
    EXPECT_EQ(SectionOf(plain, "MandatoryObjects"), (std::vector<std::string>{"[MandatoryObjects]", "SupportedObjects=0x0000"}));
    EXPECT_EQ(plain.substr(plain.size() - 4), "\r\n\r\n");
    EXPECT_FALSE(Exists(Path("out.ERR")));

    const std::string configuration = Export(true, "out.dcf");
    EXPECT_EQ(Headers(configuration)[5], "[DeviceComissioning]");
    EXPECT_EQ(Headers(configuration).size(), 9u);
}

TEST_F(ExportTest, ExtraKeysOfAnImportAreWrittenOnlyIntoAConfiguration) {
    ASSERT_EQ(Import("[DummyUsage]\nDummy0002=1\nVendorSpecific=yes\nEmpty=\n"), S_OK);
    EXPECT_EQ(SectionOf(Export(false), "DummyUsage").size(), 8u);
    const auto section = SectionOf(Export(true, "out.dcf"), "DummyUsage");
    ASSERT_EQ(section.size(), 10u);
    EXPECT_EQ(section[8], "VendorSpecific=yes");
    EXPECT_EQ(section[9], "Empty=");
}

TEST_F(ExportTest, ObjectsFollowInIndexOrderWithTheirSubObjectsAndCount) {
    CEdsDictStg& dictionary = file_->Dictionary();
    ASSERT_EQ(dictionary.Add(0x2001, 0xFF, Entry("later", 7)), S_OK);
    ASSERT_EQ(dictionary.Add(0x1A00, 0xFF, Entry("mapping", 9)), S_OK);
    for (uint16_t sub : {0x1F, 0x00, 0x01}) ASSERT_EQ(dictionary.Add(0x1A00, sub, Entry("entry", 7)), S_OK);
    const std::string text = Export(false);
    const auto headers = Headers(text);
    const std::vector<std::string> objects(headers.begin() + 8, headers.end());
    EXPECT_EQ(objects, (std::vector<std::string>{"[1A00]", "[1A00sub0]", "[1A00sub1]", "[1A00sub1F]", "[2001]"}));
    EXPECT_EQ(SectionOf(text, "1A00")[1], "SubNumber=0x03");
}

TEST_F(ExportTest, LineBreaksInATextCannotStartASection) {
    ASSERT_EQ(file_->Dictionary().Add(0x2000, 0xFF, Entry("two\r\n[1000]\nlines", 7)), S_OK);
    const std::string text = Export(false);
    EXPECT_EQ(SectionOf(text, "2000")[1], "ParameterName=two  [1000] lines");
    EXPECT_TRUE(SectionOf(text, "1000").empty());
}

TEST_F(ExportTest, ProgressRunsOverEveryAreaOnce) {
    Reports reports;
    const std::string path = Path("out.eds");
    ASSERT_EQ(file_->Export(path.c_str(), false, reinterpret_cast<intptr_t>(&reports), &Reports::Take), S_OK);
    ASSERT_EQ(reports.values.size(), 259u);
    EXPECT_EQ(reports.values[0], 0);
    EXPECT_EQ(reports.values[1], 0);
    EXPECT_EQ(reports.values[2 + 128], 128 * 100 / 255);
    EXPECT_EQ(reports.values.back(), 100);
}

TEST_F(ExportTest, AMissingSectionIsListedAndTheRestIsWritten) {
    ASSERT_EQ(root_->DestroyElement(u"\u00AE\u00ACComments"), S_OK);
    const std::string text = Export(false);
    EXPECT_EQ(Headers(text).size(), 7u);
    EXPECT_EQ(ReadText(Path("out.ERR")), "Comments not found (Code 0x80030002)\r\n");
}

TEST_F(ExportTest, LocallyMappedListsCountWhatTheyWrite) {
    CEdsDictStg& dictionary = file_->Dictionary();
    ASSERT_EQ(dictionary.Add(0x2FF0, 0xFF, Entry("inputs", 8)), S_OK);
    ASSERT_EQ(dictionary.Add(0x2FF0, 0, Entry("count", 7, "3")), S_OK);
    ASSERT_EQ(dictionary.Add(0x2FF0, 1, Entry("first", 7, "0x60000108")), S_OK);
    ASSERT_EQ(dictionary.Add(0x2FF0, 2, Entry("bad", 7, "none")), S_OK);
    ASSERT_EQ(dictionary.Add(0x2FF0, 4, Entry("second", 7, "0x64010210")), S_OK);
    ASSERT_EQ(dictionary.Add(0x2FF1, 0xFF, Entry("outputs", 8)), S_OK);
    ASSERT_EQ(dictionary.Add(0x2FF1, 0, Entry("count", 7, "")), S_OK);

    const std::string text = Export(true, "out.dcf");
    EXPECT_EQ(SectionOf(text, "LocalMappedInputObjects"),
              (std::vector<std::string>{"[LocalMappedInputObjects]", "NrOfObjects=2", "Index1=0x6000", "SubIndex1=0x01",
                                        "Index2=0x6401", "SubIndex2=0x02"}));
    EXPECT_TRUE(SectionOf(text, "LocalMappedOutputObjects").empty());
    EXPECT_EQ(ReadText(Path("out.ERR")), "Invalid parameter value: 2FF0sub02\r\n");
    EXPECT_TRUE(SectionOf(Export(false), "LocalMappedInputObjects").empty());
}

TEST_F(ExportTest, ATargetNamedLikeItsErrorFileIsRefusedUntouched) {
    const std::string path = WriteText("report.ERR", "old");
    EXPECT_EQ(file_->Export(path.c_str(), false, 0, nullptr), static_cast<HRESULT>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(ReadText(path), "old");
}

TEST_F(ExportTest, AFailedExportLeavesTheOldFileAsItWas) {
    const std::string path = WriteText("busy.eds", "old");
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(file_->Export(path.c_str(), false, 0, nullptr), static_cast<HRESULT>(ERROR_SHARING_VIOLATION));
    CloseHandle(held);
    EXPECT_EQ(ReadText(path), "old");

    const std::string missing = Path("no/such/folder/out.eds");
    EXPECT_NE(file_->Export(missing.c_str(), false, 0, nullptr), S_OK);

    // An error file that cannot be created: the output is not replaced.
    std::filesystem::create_directory(Path("blocked.ERR"));
    const std::string blocked = WriteText("blocked.eds", "old");
    EXPECT_NE(file_->Export(blocked.c_str(), false, 0, nullptr), S_OK);
    EXPECT_EQ(ReadText(blocked), "old");
    for (const auto& entry : std::filesystem::directory_iterator(Path("")))
        EXPECT_EQ(entry.path().string().find(".~"), std::string::npos) << entry.path();
}

TEST_F(ExportTest, AWriteThatFailsPartWayFailsTheExport) {
    for (uint16_t index = 0x2000; index < 0x2100; ++index)
        ASSERT_EQ(file_->Dictionary().Add(index, 0xFF, Entry("a variable with a long enough name", 7)), S_OK);
    const std::string path = WriteText("full.eds", "old");
    // Files may not grow past 8 KB while the export runs: the first block of
    // text does not fit.
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limited = saved;
    limited.rlim_cur = 8192;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const HRESULT result = file_->Export(path.c_str(), false, 0, nullptr);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_NE(result, S_OK);
    EXPECT_EQ(ReadText(path), "old");
    EXPECT_FALSE(Exists(path + ".~0"));
}

}  // namespace
}  // namespace vantor::test

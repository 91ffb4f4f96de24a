#include <gtest/gtest.h>

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

const std::string kSample =
    "; a comment line\n"
    "[FileInfo]\n"
    "FileName=io.eds\n"
    "Description=caf\xE9 \xA0\n"
    "\n"
    "[DeviceInfo]\n"
    "VendorName=Corvane\n"
    "vendornumber = 0x42\n"
    "ProductName\n"
    "NrOfRXPDO=1\n"
    "[OptionalObjects]\n"
    "SupportedObjects=1\n"
    "1=0x2000\n"
    "[2000]\n"
    "ParameterName=Value; with semicolon\n"
    "ObjectType=0x7\n"
    "DataType=0x0007\n"
    "AccessType=rw\n"
    "DefaultValue=$NODEID+0x180\n";

std::string WithLineEnds(const std::string& text, const std::string& end) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += end;
        else out += c;
    }
    return out;
}

class ImportTest : public FileStgTest {
protected:
    std::string Description() { return Export(true, "check.dcf"); }
};

TEST_F(ImportTest, EveryLineEndAndAByteOrderMarkImportAlike) {
    ASSERT_EQ(Import(kSample), S_OK);
    const std::string expected = Description();
    EXPECT_NE(expected.find("Description=caf\xE9 \xA0\r\n"), std::string::npos);  // high bytes are text
    EXPECT_NE(expected.find("ParameterName=Value; with semicolon\r\n"), std::string::npos);
    EXPECT_NE(expected.find("DefaultValue=$NODEID+0x180\r\n"), std::string::npos);
    EXPECT_NE(expected.find("VendorNumber=0x00000042\r\n"), std::string::npos);

    const std::vector<std::string> variants = {
        WithLineEnds(kSample, "\r\n"), WithLineEnds(kSample, "\r"), "\xEF\xBB\xBF" + kSample,
        // mixed: every other line ends in CR LF
        [] {
            std::string mixed;
            bool crlf = false;
            for (char c : kSample) {
                if (c == '\n' && (crlf = !crlf)) mixed += '\r';
                mixed += c;
            }
            return mixed;
        }()};
    for (const std::string& variant : variants) {
        StartAgain();
        ASSERT_EQ(Import(variant), S_OK);
        EXPECT_EQ(FirstDifference(Description(), expected), "");
    }
}

TEST_F(ImportTest, AMissingInputFailsWithoutAnErrorFile) {
    EXPECT_EQ(file_->Import(Path("missing.eds").c_str(), nullptr, 0), static_cast<HRESULT>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(Exists(Path("missing.Err")));
}

TEST_F(ImportTest, AnInputHeldExclusivelyFailsWithTheSharingCode) {
    const std::string path = WriteText("held.eds", kSample);
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(file_->Import(path.c_str(), nullptr, 0), static_cast<HRESULT>(ERROR_SHARING_VIOLATION));
    CloseHandle(held);
}

TEST_F(ImportTest, AnEmptyInputReportsTheStartAndTheEndAndLeavesNoErrorFile) {
    Reports reports;
    const std::string path = WriteText("empty.eds", "");
    ASSERT_EQ(file_->Import(path.c_str(), &Reports::Take, reinterpret_cast<intptr_t>(&reports)), S_OK);
    EXPECT_EQ(reports.values, (std::vector<int32_t>{0, 100}));
    EXPECT_FALSE(Exists(Path("empty.Err")));
}

TEST_F(ImportTest, ProgressRisesByLineStartsAndEndsAtTheWhole) {
    Reports reports;
    const std::string path = WriteText("in.eds", kSample);
    ASSERT_EQ(file_->Import(path.c_str(), &Reports::Take, reinterpret_cast<intptr_t>(&reports)), S_OK);
    ASSERT_GE(reports.values.size(), 5u);
    EXPECT_EQ(reports.values.front(), 0);
    EXPECT_EQ(reports.values.back(), 100);
    EXPECT_TRUE(std::is_sorted(reports.values.begin(), reports.values.end()));
}

TEST_F(ImportTest, BadValuesAndDroppedSectionsAreListedWhileTheImportGoesOn) {
    const std::string text =
        "[DeviceInfo]\nVendorName=First\n"
        "[deviceinfo]\nVendorName=Second\nGranularity=65\n"
        "[Extras]\nKey=1\n"
        "[DeviceCommissioning]\nNodeId=12\nNodeName=n\n"
        "[StandardDataTypes]\n"
        "[FileInfo ]\n";
    ASSERT_EQ(Import(text), S_OK);
    EXPECT_EQ(ReadText(Path("in.Err")),
              "Section [deviceinfo] replaced by a later section of the same name\r\n"
              "[Error] DeviceInfo: Granularity: overflow\r\n"
              "Unknown section skipped: [Extras]\r\n"
              "Section not read: [StandardDataTypes]\r\n"
              "Unknown section skipped: [FileInfo ]\r\n");
    EdsDeviceInfoRecord device{};
    ASSERT_EQ(file_->GetDeviceInfo(device), S_OK);
    EXPECT_STREQ(device.VendorName, "Second");
    EdsDeviceComRecord com{};
    ASSERT_EQ(file_->GetDeviceCom(com), S_OK);
    EXPECT_EQ(com.NodeId, 12);
    EXPECT_STREQ(com.NodeName, "n");
}

TEST_F(ImportTest, SectionsAbsentFromTheFileStayAsTheyWere) {
    ASSERT_EQ(Import("[FileInfo]\nDescription=kept\n[Comments]\nLines=1\nLine1=note\n"), S_OK);
    ASSERT_EQ(Import("[DeviceInfo]\r\nVendorName=V\r\n", "second.eds"), S_OK);
    EdsFileInfoRecord info{};
    ASSERT_EQ(file_->GetFileInfo(info), S_OK);
    EXPECT_STREQ(info.Description, "kept");
    char* comments = nullptr;
    ASSERT_EQ(file_->GetComments(comments), S_OK);
    EXPECT_STREQ(comments, "note");
    CoTaskMemFree(comments);
}

TEST_F(ImportTest, AnInputNamedLikeItsErrorFileIsLeftAlone) {
    const std::string text = "[DeviceInfo]\nGranularity=99\n";
    const std::string path = WriteText("odd.Err", text);
    ASSERT_EQ(file_->Import(path.c_str(), nullptr, 0), S_OK);
    EXPECT_EQ(ReadText(path), text);
}

TEST_F(ImportTest, AnErrorFileThatCannotBeCreatedDoesNotStopTheImport) {
    std::filesystem::create_directory(Path("blocked.Err"));
    ASSERT_EQ(Import("[DeviceInfo]\nVendorName=Still\nGranularity=99\n", "blocked.eds"), S_OK);
    EdsDeviceInfoRecord device{};
    ASSERT_EQ(file_->GetDeviceInfo(device), S_OK);
    EXPECT_STREQ(device.VendorName, "Still");
}

TEST_F(ImportTest, CompactSubObjectsAndPdosBecomeObjects) {
    ASSERT_EQ(Import("[DeviceInfo]\nCompactPDO=0x03\nNrOfRXPDO=1\nNrOfTXPDO=0\n"
                     "[OptionalObjects]\n1=0x2100\n"
                     "[2100]\nParameterName=Channel\nObjectType=8\nDataType=0x0006\nAccessType=rw\nCompactSubObj=2\n"
                     "[2100Name]\nNrOfEntries=1\n2=Second\n"),
              S_OK);
    const std::string text = Export(false);
    EXPECT_EQ(SectionOf(text, "2100sub2"),
              (std::vector<std::string>{"[2100sub2]", "ParameterName=Second", "ObjectType=7", "AccessType=RW",
                                        "DataType=0x0006", "PDOMapping=0", "ObjFlags=0x00000000"}))
        << text;
    EXPECT_NE(text.find("[1400]"), std::string::npos);
    EXPECT_NE(text.find("[1600sub0]"), std::string::npos);
    EXPECT_NE(text.find("CompactPDO=0x00"), std::string::npos);
}

}  // namespace
}  // namespace vantor::test

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <vector>

#include "PrivateTempDir.h"
#include "editor/document/EdsFile.h"
#include "editor/document/EdsObserver.h"
#include "editor/document/RecordKinds.h"
#include "editor/document/SystemError.h"

namespace brenmoor {
namespace {

namespace fs = std::filesystem;

constexpr EdsResult kNotImplemented = 0x80004001;

// A device description with one bad value (a VendorNumber that is no number).
constexpr const char* kEdsWithBadValue =
    "[FileInfo]\r\n"
    "FileName=bad.eds\r\n"
    "FileVersion=1\r\n"
    "FileRevision=0\r\n"
    "EDSVersion=4.0\r\n"
    "Description=test\r\n"
    "\r\n"
    "[DeviceInfo]\r\n"
    "VendorName=Corvane\r\n"
    "VendorNumber=not a number\r\n"
    "ProductName=Probe\r\n"
    "\r\n"
    "[MandatoryObjects]\r\n"
    "SupportedObjects=1\r\n"
    "1=0x1000\r\n"
    "\r\n"
    "[1000]\r\n"
    "ParameterName=Device type\r\n"
    "ObjectType=0x7\r\n"
    "DataType=0x0007\r\n"
    "AccessType=ro\r\n"
    "DefaultValue=0x00000191\r\n"
    "PDOMapping=0\r\n";

class EdsFileTest : public ::testing::Test {
protected:
    std::unique_ptr<CEdsFile> NewDocument() {
        try {
            return std::make_unique<CEdsFile>();
        } catch (const SystemError& error) {
            ADD_FAILURE() << error.what() << ": " << SystemErrorText(error.Code());
            return nullptr;
        }
    }

    PrivateTempDir temp_;
};

std::vector<uint8_t> BytesOf(const void* record, std::size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(record);
    return {bytes, bytes + size};
}

TEST_F(EdsFileTest, TwoDocumentsUseTwoWorkingFilesThatVanishWithThem) {
    auto first = NewDocument();
    auto second = NewDocument();
    ASSERT_TRUE(first && second);
    EXPECT_NE(first->Path(), second->Path());
    for (const CEdsFile* document : {first.get(), second.get()}) {
        const fs::path path(document->Path());
        EXPECT_EQ(path.parent_path(), temp_.Folder());
        EXPECT_EQ(path.filename().string().front(), '~');
        EXPECT_TRUE(fs::exists(path));
    }
    EXPECT_EQ(temp_.Files().size(), 2u);

    first.reset();
    EXPECT_EQ(temp_.Files().size(), 1u);
    second.reset();
    EXPECT_TRUE(temp_.Files().empty());
}

TEST_F(EdsFileTest, AMissingTemporaryDirectoryGivesAnErrorAndNoDocument) {
    PrivateTempDir::PointTmpdirAt(temp_.PathOf("missing"));
    try {
        CEdsFile document;
        FAIL() << "a document without a working file";
    } catch (const SystemError& error) {
        EXPECT_EQ(error.Code(), ERROR_DIRECTORY);
        EXPECT_NE(std::string(error.what()).find(temp_.PathOf("missing")), std::string::npos) << error.what();
    }
    EXPECT_TRUE(temp_.Files().empty());
}

TEST(EdsFileWorkingName, ATemporaryDirectoryWithNonAsciiCharactersWorks) {
    PrivateTempDir temp("brenmoor-Größe-€-XXXXXX");
    auto document = std::make_unique<CEdsFile>();
    EXPECT_TRUE(fs::exists(document->Path()));
    EXPECT_EQ(fs::path(document->Path()).parent_path(), temp.Folder());
    document.reset();
    EXPECT_TRUE(temp.Files().empty());
}

TEST_F(EdsFileTest, ANewDescriptionCountsAsModifiedAndSavingClearsIt) {
    auto document = NewDocument();
    ASSERT_TRUE(document);
    ASSERT_EQ(document->NewDescription(), 0u);
    EXPECT_TRUE(document->Modified());
    ASSERT_EQ(document->SaveEds(temp_.PathOf("saved.eds")), 0u);
    EXPECT_FALSE(document->Modified());
    EXPECT_GT(fs::file_size(temp_.PathOf("saved.eds")), 0u);
}

TEST_F(EdsFileTest, RemovingASectionAnswersZeroAndChangesNothing) {
    auto document = NewDocument();
    ASSERT_TRUE(document);
    ASSERT_EQ(document->SaveEds(temp_.PathOf("saved.eds")), 0u);
    EdsFileInfoRecord before{}, after{};
    ASSERT_EQ(document->GetRecord(kKindFileInfo, 0, &before), 0u);

    EXPECT_EQ(document->RemoveRecord(kKindFileInfo, 0), 0u);
    EXPECT_EQ(document->RemoveRecord(kKindDeviceInfo, 0), 0u);
    EXPECT_EQ(document->RemoveRecord(kKindDummyUsage, 0), 0u);
    EXPECT_FALSE(document->Modified());
    ASSERT_EQ(document->GetRecord(kKindFileInfo, 0, &after), 0u);
    EXPECT_EQ(BytesOf(&before, sizeof before), BytesOf(&after, sizeof after));
}

TEST_F(EdsFileTest, ReservedAndUnknownKindsAnswerWithoutTouchingTheDescription) {
    auto document = NewDocument();
    ASSERT_TRUE(document);
    ASSERT_EQ(document->SaveEds(temp_.PathOf("saved.eds")), 0u);
    EdsObjectRecord record{};
    constexpr GUID kUnknown = {0x12345678, 0x1, 0x2, {3, 4, 5, 6, 7, 8, 9, 10}};

    EXPECT_EQ(document->AddRecord(kKindReserved3, 0, &record), kNotImplemented);
    EXPECT_EQ(document->SetRecord(kKindReserved3, 0, &record), kNotImplemented);
    EXPECT_EQ(document->GetRecord(kKindReserved3, 0, &record), kNotImplemented);
    EXPECT_EQ(document->RemoveRecord(kKindReserved3, 0), 0u);
    EXPECT_EQ(document->AddRecord(kKindReserved5, 0, &record), kNotImplemented);
    EXPECT_EQ(document->GetRecord(kKindReserved5, 0, &record), kNotImplemented);
    EXPECT_EQ(document->RemoveRecord(kKindReserved5, 0), kNotImplemented);
    EXPECT_EQ(document->AddRecord(kUnknown, 0, &record), kNotImplemented);
    EXPECT_EQ(document->SetRecord(kUnknown, 0, &record), kNotImplemented);
    EXPECT_EQ(document->GetRecord(kUnknown, 0, &record), 0x80004002u);
    EXPECT_EQ(document->RemoveRecord(kUnknown, 0), 0u);
    EXPECT_FALSE(document->Modified());
}

TEST_F(EdsFileTest, ObjectTypesTravelOneLowerAndComeBackUnchanged) {
    auto document = NewDocument();
    ASSERT_TRUE(document);
    ASSERT_EQ(document->SaveEds(temp_.PathOf("saved.eds")), 0u);

    EdsObjectRecord variable{};
    std::strcpy(variable.ParameterName, "Probe value");
    variable.ObjectType = 8;  // VAR
    variable.AccessType = 4;  // rw
    variable.DataType = 7;
    const auto sent = BytesOf(&variable, sizeof variable);
    ASSERT_EQ(document->AddRecord(kKindObject, ObjectKey(0x2000, kMainEntry), &variable), 0u);
    EXPECT_EQ(BytesOf(&variable, sizeof variable), sent) << "the caller's record is left as it was";
    EXPECT_TRUE(document->Modified());

    EdsObjectRecord read{};
    ASSERT_EQ(document->GetRecord(kKindObject, ObjectKey(0x2000, kMainEntry), &read), 0u);
    EXPECT_EQ(read.ObjectType, 8);
    EXPECT_EQ(read.AccessType, 4);
    EXPECT_STREQ(read.ParameterName, "Probe value");

    // A record read and written back unchanged reads back the same.
    ASSERT_EQ(document->SetRecord(kKindObject, ObjectKey(0x2000, kMainEntry), &read), 0u);
    EdsObjectRecord again{};
    ASSERT_EQ(document->GetRecord(kKindObject, ObjectKey(0x2000, kMainEntry), &again), 0u);
    EXPECT_EQ(BytesOf(&again, sizeof again), BytesOf(&read, sizeof read));

    std::vector<uint16_t> indexes;
    ASSERT_EQ(document->AllObjects(indexes), 0u);
    EXPECT_NE(std::find(indexes.begin(), indexes.end(), 0x2000), indexes.end());

    ASSERT_EQ(document->RemoveRecord(kKindObject, ObjectKey(0x2000, kMainEntry)), 0u);
    EXPECT_NE(document->GetRecord(kKindObject, ObjectKey(0x2000, kMainEntry), &read), 0u);
}

TEST_F(EdsFileTest, TheEditorsEmptyTypesTravelAsTheLibrarysUnsetValues) {
    auto document = NewDocument();
    ASSERT_TRUE(document);
    EdsObjectRecord untyped{};
    std::strcpy(untyped.ParameterName, "Untyped");
    untyped.DataType = 7;  // ObjectType and AccessType 0: "<empty>"
    ASSERT_EQ(document->AddRecord(kKindObject, ObjectKey(0x2001, kMainEntry), &untyped), 0u);
    EdsObjectRecord read{};
    read.ObjectType = read.AccessType = 0x55;
    ASSERT_EQ(document->GetRecord(kKindObject, ObjectKey(0x2001, kMainEntry), &read), 0u);
    EXPECT_EQ(read.AccessType, 0);
    EXPECT_EQ(read.ObjectType, 8);  // the library completes an unset object type as VAR
}

TEST_F(EdsFileTest, SegmentFiveHundredTwelveIsReachableAndItsDirectionConverts) {
    auto document = NewDocument();
    ASSERT_TRUE(document);
    EdsDynSegmentRecord segment{};
    segment.Type = 7;
    segment.Dir = 6;  // rww
    segment.RangeStart = 0xA200;
    segment.RangeEnd = 0xA23F;
    ASSERT_EQ(document->AddRecord(kKindDynSegment, 512, &segment), 0u);
    EXPECT_EQ(segment.Dir, 6);

    EdsDynSegmentRecord read{};
    ASSERT_EQ(document->GetRecord(kKindDynSegment, 512, &read), 0u);
    EXPECT_EQ(read.Dir, 6);
    EXPECT_EQ(read.RangeStart, 0xA200);

    std::vector<uint16_t> segments;
    ASSERT_EQ(document->AllSegments(segments), 0u);
    EXPECT_EQ(segments, std::vector<uint16_t>{512});
    EXPECT_EQ(document->GetRecord(kKindDynSegment, 1, &read), ERROR_INVALID_SEGMENT_NUMBER);
}

TEST_F(EdsFileTest, AnImportWithBadValuesSucceedsUnmodifiedAndReportsProgress) {
    const std::string path = temp_.PathOf("bad.eds");
    std::ofstream(path, std::ios::binary) << kEdsWithBadValue;
    auto document = NewDocument();
    ASSERT_TRUE(document);
    std::vector<int> percents;
    document->SetProgressHandler([&](int percent) { percents.push_back(percent); });

    ASSERT_EQ(document->OpenEds(path), 0u);
    EXPECT_FALSE(document->Modified());
    EXPECT_TRUE(fs::exists(temp_.PathOf("bad.Err")));
    ASSERT_FALSE(percents.empty());
    EXPECT_EQ(percents.back(), 100);

    EdsDeviceInfoRecord device{};
    ASSERT_EQ(document->GetRecord(kKindDeviceInfo, 0, &device), 0u);
    EXPECT_STREQ(device.VendorName, "Corvane");
}

TEST_F(EdsFileTest, AFailedImportLeavesTheDocumentModified) {
    auto document = NewDocument();
    ASSERT_TRUE(document);
    ASSERT_EQ(document->SaveEds(temp_.PathOf("saved.eds")), 0u);
    EXPECT_NE(document->OpenEds(temp_.PathOf("absent.eds")), 0u);
    EXPECT_TRUE(document->Modified());
}

TEST_F(EdsFileTest, ARealDeviceDescriptionOpensWithTheEditorsTypeCodesAndSavesAgain) {
    const fs::path original = fs::path(VANTOR_CORPUS_DIR) / "canopennode_IO.eds";
    if (!fs::exists(original)) GTEST_SKIP() << "no corpus file " << original;
    // The import writes its error file beside the input, so it reads a copy.
    const std::string input = temp_.PathOf("device.eds");
    fs::copy_file(original, input);

    auto document = NewDocument();
    ASSERT_TRUE(document);
    ASSERT_EQ(document->OpenEds(input), 0u);
    EXPECT_FALSE(document->Modified());
    std::vector<uint16_t> indexes;
    ASSERT_EQ(document->AllObjects(indexes), 0u);
    EXPECT_TRUE(std::is_sorted(indexes.begin(), indexes.end()));
    EXPECT_NE(std::find(indexes.begin(), indexes.end(), 0x1018), indexes.end());

    EdsObjectRecord identity{}, vendor{};
    ASSERT_EQ(document->GetRecord(kKindObject, ObjectKey(0x1018, kMainEntry), &identity), 0u);
    EXPECT_EQ(identity.ObjectType, 10);  // RECORD
    EXPECT_EQ(identity.SubNumber, 5);
    ASSERT_EQ(document->GetRecord(kKindObject, ObjectKey(0x1018, 1), &vendor), 0u);
    EXPECT_EQ(vendor.ObjectType, 8);  // VAR
    EXPECT_EQ(vendor.AccessType, 2);  // ro
    EXPECT_STREQ(vendor.ParameterName, "Vendor-ID");

    const std::string output = temp_.PathOf("saved.eds");
    ASSERT_EQ(document->SaveEds(output), 0u);
    auto reopened = NewDocument();
    ASSERT_TRUE(reopened);
    ASSERT_EQ(reopened->OpenEds(output), 0u);
    std::vector<uint16_t> again;
    ASSERT_EQ(reopened->AllObjects(again), 0u);
    EXPECT_EQ(again, indexes);
}

class ThrowingObserver : public CEdsObserver {
public:
    void OnAttach() override {
        if (throwOnAttach) throw std::runtime_error("attach");
    }
    void OnDetach() override {
        if (throwOnDetach) throw std::runtime_error("detach");
    }
    bool throwOnAttach = false;
    bool throwOnDetach = false;
};

TEST_F(EdsFileTest, SetStoreReportsThrowingAttachAndDetachAsEFail) {
    auto document = NewDocument();
    ASSERT_TRUE(document);
    ThrowingObserver view;
    view.throwOnAttach = true;
    EXPECT_EQ(view.SetStore(document.get()), 0x80004005u);
    view.throwOnAttach = false;
    EXPECT_EQ(view.SetStore(document.get()), 0u);  // already the current document
    EXPECT_EQ(view.Store(), document.get());

    EdsFileInfoRecord info{};
    EXPECT_EQ(view.GetRecord(kKindFileInfo, 0, &info), 0u);

    view.throwOnDetach = true;
    EXPECT_EQ(view.SetStore(nullptr), 0x80004005u);
    EXPECT_EQ(view.Store(), nullptr);
    EXPECT_TRUE(document->Observers().empty());
}

TEST_F(EdsFileTest, ViewsAreDetachedWhenTheDocumentGoes) {
    auto document = NewDocument();
    ASSERT_TRUE(document);
    ThrowingObserver view;
    ASSERT_EQ(view.SetStore(document.get()), 0u);
    document.reset();
    EXPECT_EQ(view.Store(), nullptr);
    EdsFileInfoRecord info{};
    EXPECT_EQ(view.GetRecord(kKindFileInfo, 0, &info), 0x8000000Au);
}

TEST_F(EdsFileTest, AThrowingProgressHandlerDoesNotDisturbTheExport) {
    auto document = NewDocument();
    ASSERT_TRUE(document);
    int calls = 0;
    document->SetProgressHandler([&](int) {
        ++calls;
        throw std::runtime_error("drawing failed");
    });
    EXPECT_EQ(document->SaveEds(temp_.PathOf("saved.eds")), 0u);
    EXPECT_GT(calls, 0);
}

}  // namespace
}  // namespace brenmoor

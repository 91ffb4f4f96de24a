#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>

#include "CCaller.h"
#include "platform/FilesTestSupport.h"
#include "vantor/platform.h"
#include "vantor/vantor.h"

namespace {

TEST(CHeader, RecordsHaveTheSameLayoutInCAndCpp) {
    const std::array<size_t, kCRecordCount> cppSizes = {
        sizeof(EdsObjectRecord),  sizeof(EdsFileInfoRecord),  sizeof(EdsDeviceInfoRecord),
        sizeof(EdsDummyUsageRecord), sizeof(EdsDeviceComRecord), sizeof(EdsDynSegmentRecord),
        sizeof(EdsPdoRequest)};
    const std::array<size_t, kCRecordCount> cppLastOffsets = {
        offsetof(EdsObjectRecord, Denotation),  offsetof(EdsFileInfoRecord, LastEDS),
        offsetof(EdsDeviceInfoRecord, NrOfTXPDO), offsetof(EdsDummyUsageRecord, Dummy0007),
        offsetof(EdsDeviceComRecord, CANopenManager), offsetof(EdsDynSegmentRecord, MaxCnt),
        offsetof(EdsPdoRequest, mapped)};
    std::array<size_t, kCRecordCount> cSizes{}, cLastOffsets{};
    CRecordSizes(cSizes.data());
    CLastFieldOffsets(cLastOffsets.data());
    EXPECT_EQ(cSizes, cppSizes);
    EXPECT_EQ(cLastOffsets, cppLastOffsets);
    EXPECT_EQ(cSizes, (std::array<size_t, kCRecordCount>{2059, 832, 822, 7, 291, 18, 275}));
}

TEST(CHeader, CCallersReachTheLastErrorValueAndTheBlockFunctions) {
    EXPECT_EQ(87u, CLastErrorAfterCreateWithoutRoot());
    EXPECT_EQ(0x80030002u, CLastErrorRoundTrip(0x80030002u));
    EXPECT_EQ(0x80030002u, GetLastError());  // one value, whichever language set it
    EXPECT_EQ(0, CCountedBlocks());
}

TEST(CHeader, TheCFlagsAndStatusValuesAreThoseOfCpp) {
    std::array<uint32_t, kCStorageFlagCount> fromC{};
    CStorageFlags(fromC.data());
    const std::array<uint32_t, kCStorageFlagCount> fromCpp = {
        STGM_READ,
        STGM_WRITE,
        STGM_READWRITE,
        STGM_SHARE_EXCLUSIVE,
        STGM_CREATE,
        STGM_DELETEONRELEASE,
        STGC_DEFAULT,
        static_cast<uint32_t>(S_OK),
        static_cast<uint32_t>(S_FALSE),
        static_cast<uint32_t>(STG_E_FILENOTFOUND),
        static_cast<uint32_t>(STG_E_ACCESSDENIED),
        static_cast<uint32_t>(STG_E_FILEALREADYEXISTS),
        static_cast<uint32_t>(STG_E_INVALIDHEADER),
        ERROR_SUCCESS};
    EXPECT_EQ(fromCpp, fromC);
}

using CCallerFiles = ScratchFolder;

TEST_F(CCallerFiles, ACCallerCreatesCommitsReleasesAndReopensACompoundFile) {
    const auto path = Folder() / "from-c.stg";
    EXPECT_EQ(0, CStorageRoundTrip(path.c_str())) << "the step that failed (see CCaller.h)";
    EXPECT_EQ(std::filesystem::directory_iterator(Folder())->path(), path);  // nothing else beside it
    EXPECT_EQ(++std::filesystem::directory_iterator(Folder()), std::filesystem::directory_iterator());
}

// The create function answers through the last-error value: 0 with a handle,
// the reason without one.
TEST_F(CCallerFiles, ACCallerReadsTheOutcomeOfCreateFromTheLastErrorValue) {
    int gotHandle = 0;
    const uint32_t lastError = CCreateDescription((Folder() / "description.stg").c_str(), &gotHandle);
    if (gotHandle)
        EXPECT_EQ(0u, lastError);
    else
        EXPECT_NE(0u, lastError);
    EXPECT_NE(1u, lastError);  // the value the caller left was replaced
}

TEST_F(CCallerFiles, ACCallerHearsThatAFileIsNoCompoundFile) {
    const auto path = Folder() / "text.eds";
    std::ofstream(path) << "[FileInfo]\nFileName=text.eds\n";
    EXPECT_EQ(static_cast<uint32_t>(STG_E_INVALIDHEADER), COpenForeignFile(path.c_str()));
    EXPECT_EQ(static_cast<uint32_t>(STG_E_FILENOTFOUND), COpenForeignFile((Folder() / "missing.stg").c_str()));
}

}  // namespace

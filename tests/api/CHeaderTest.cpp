#include <gtest/gtest.h>

#include <array>
#include <cstddef>

#include "CCaller.h"
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

}  // namespace

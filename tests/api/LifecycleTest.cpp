// Creating, saving, closing and reopening descriptions, and the handle checks
// on live, closed and never-issued handles.
#include <cstring>
#include <string>
#include <thread>

#include "DescriptionFixture.h"

namespace api_test {
namespace {

using storage_test::CreateDocfile;
using storage_test::StoragePtr;
using storage_test::TempFolder;

TEST(Lifecycle, OpeningARootWithoutADescriptionFailsWithTheNotFoundCode) {
    TempFolder folder;
    StoragePtr root = CreateDocfile(folder.File("empty.stg"));
    ASSERT_TRUE(root);
    SetLastError(0);
    EXPECT_EQ(eds_OpenExFile(root.get()), nullptr);
    EXPECT_EQ(GetLastError(), kNotFound);
}

TEST(Lifecycle, CreateSetsLastErrorToZeroOnSuccess) {
    TempFolder folder;
    StoragePtr root = CreateDocfile(folder.File("new.stg"));
    SetLastError(kInvalidHandle);
    const EdsHandle h = eds_CreateFile(root.get());
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GetLastError(), kSuccess);
    eds_CloseFile(h);
}

TEST_F(DescriptionTest, AClosedHandleAnswers6AndClosingItAgainDoesNothing) {
    const EdsHandle stale = h();
    description_.Close();
    EdsObjectRecord record{};
    std::memset(&record, 0x5A, sizeof record);
    const EdsObjectRecord before = record;
    EXPECT_EQ(eds_GetObject(stale, 0x1000, kMainEntry, &record), kInvalidHandle);
    EXPECT_EQ(eds_SaveFile(stale), kInvalidHandle);
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
    eds_CloseFile(stale);
}

TEST_F(DescriptionTest, ANullRequiredPointerBehindALiveHandleGives87) {
    EXPECT_EQ(eds_GetFileInfo(h(), nullptr), kInvalidParameter);
    EXPECT_EQ(eds_SetDeviceInfo(h(), nullptr), kInvalidParameter);
    EXPECT_EQ(eds_GetComments(h(), nullptr), kInvalidParameter);
    EXPECT_EQ(eds_AddObject(h(), 0x2000, kMainEntry, nullptr), kInvalidParameter);
    EXPECT_EQ(eds_GetAllObjects(h(), nullptr), kInvalidParameter);
    EXPECT_EQ(eds_AddDynSegment(h(), 1, nullptr), kInvalidParameter);
    EXPECT_EQ(eds_ImportEDS(h(), nullptr, nullptr, 0), kInvalidParameter);
    EXPECT_EQ(eds_ExportEDS(h(), nullptr, 0, nullptr, 0), kInvalidParameter);
    // Nothing was added by the refused calls.
    EdsNumberList all = nullptr;
    ASSERT_EQ(eds_GetAllObjects(h(), &all), kSuccess);
    EXPECT_TRUE(TakeList(all).empty());
}

TEST_F(DescriptionTest, EverythingWrittenSurvivesSaveCloseAndReopen) {
    EdsFileInfoRecord info{};
    CopyText(info.FileName, "drive.eds");
    CopyText(info.Description, "Round trip");
    info.FileVersion = 4;
    ASSERT_EQ(eds_SetFileInfo(h(), &info), kSuccess);
    EdsObjectRecord main = ObjectRecord("Speed", 9, 0, 0, "", 3);
    ASSERT_EQ(eds_AddObject(h(), 0x2100, kMainEntry, &main), kSuccess);
    EdsObjectRecord sub = ObjectRecord("Limit", 7, 3, 0x0006, "0x0010");
    ASSERT_EQ(eds_AddObject(h(), 0x2100, 1, &sub), kSuccess);
    EdsNumberList links = MakeList({0x1600, 0x1A00});
    ASSERT_EQ(eds_SetObjectLinks(h(), 0x2100, links), kSuccess);
    SysFreeString(links);
    ASSERT_EQ(eds_SetComments(h(), "kept"), kSuccess);
    EdsDynSegmentRecord segment{0x0007, 3, 0xA080, 0xA0BF, 0, 0, 64};
    ASSERT_EQ(eds_AddDynSegment(h(), 7, &segment), kSuccess);

    ASSERT_TRUE(description_.Reopen());

    EdsFileInfoRecord infoBack{};
    ASSERT_EQ(eds_GetFileInfo(h(), &infoBack), kSuccess);
    EXPECT_STREQ(infoBack.FileName, "drive.eds");
    EXPECT_STREQ(infoBack.Description, "Round trip");
    EXPECT_EQ(infoBack.FileVersion, 4);
    EdsNumberList all = nullptr;
    ASSERT_EQ(eds_GetAllObjects(h(), &all), kSuccess);
    EXPECT_EQ(TakeList(all), std::vector<uint16_t>{0x2100});
    EdsObjectRecord back{};
    ASSERT_EQ(eds_GetObject(h(), 0x2100, kMainEntry, &back), kSuccess);
    EXPECT_EQ(back.Category, 3);
    EXPECT_STREQ(back.ParameterName, "Speed");
    EXPECT_EQ(back.SubNumber, 1);
    ASSERT_EQ(eds_GetObject(h(), 0x2100, 1, &back), kSuccess);
    EXPECT_STREQ(back.ParameterName, "Limit");
    EXPECT_STREQ(back.DefaultValue, "0x0010");
    EXPECT_EQ(back.AccessType, 3);
    EXPECT_EQ(+back.DataType, 0x0006);
    EdsNumberList linksBack = nullptr;
    ASSERT_EQ(eds_GetObjectLinks(h(), 0x2100, &linksBack), kSuccess);
    EXPECT_EQ(TakeList(linksBack), (std::vector<uint16_t>{0x1600, 0x1A00}));
    char* comments = nullptr;
    ASSERT_EQ(eds_GetComments(h(), &comments), kSuccess);
    ASSERT_NE(comments, nullptr);
    EXPECT_STREQ(comments, "kept");
    CoTaskMemFree(comments);
    EdsDynSegmentRecord segmentBack{};
    ASSERT_EQ(eds_GetDynSegment(h(), 7, &segmentBack), kSuccess);
    EXPECT_EQ(std::memcmp(&segmentBack, &segment, sizeof segment), 0);
}

TEST_F(DescriptionTest, ClosingWithoutSavingLosesTheObjectListChanges) {
    // The object lists are held in memory until eds_SaveFile.
    EdsObjectRecord main = ObjectRecord("Unsaved", 7, 1, 0x0007, "", 1);
    ASSERT_EQ(eds_AddObject(h(), 0x2200, kMainEntry, &main), kSuccess);
    ASSERT_TRUE(description_.Reopen(false));
    EdsNumberList all = nullptr;
    ASSERT_EQ(eds_GetAllObjects(h(), &all), kSuccess);
    EXPECT_TRUE(TakeList(all).empty());
}

TEST_F(DescriptionTest, SavingTwiceKeepsTheHandleUsable) {
    ASSERT_EQ(eds_SaveFile(h()), kSuccess);
    ASSERT_EQ(eds_SaveFile(h()), kSuccess);
    EdsObjectRecord main = ObjectRecord("After save", 7, 1, 0x0007);
    EXPECT_EQ(eds_AddObject(h(), 0x2300, kMainEntry, &main), kSuccess);
}

// Each thread works on its own description; the last-error value of one
// thread's failed create must not show in the other.
TEST(Threads, TwoHandlesOnTwoThreadsDoNotDisturbEachOther) {
    constexpr int kRounds = 40;
    auto work = [](uint16_t base, bool& ok) {
        Description description;
        ok = description.handle() != nullptr;
        for (int i = 0; ok && i < kRounds; ++i) {
            const uint16_t index = static_cast<uint16_t>(base + i);
            EdsObjectRecord record = ObjectRecord("Object " + std::to_string(index), 7, 1, 0x0007);
            ok = eds_AddObject(description.handle(), index, kMainEntry, &record) == kSuccess;
            SetLastError(0);
            ok = ok && eds_CreateFile(nullptr) == nullptr && GetLastError() == kInvalidParameter;
            EdsObjectRecord back{};
            ok = ok && eds_GetObject(description.handle(), index, kMainEntry, &back) == kSuccess &&
                 std::string(back.ParameterName) == "Object " + std::to_string(index);
        }
        EdsNumberList all = nullptr;
        ok = ok && eds_GetAllObjects(description.handle(), &all) == kSuccess;
        const std::vector<uint16_t> indexes = TakeList(all);
        ok = ok && indexes.size() == kRounds && indexes.front() == base;
    };
    bool firstOk = false, secondOk = false;
    std::thread first(work, 0x2000, std::ref(firstOk));
    std::thread second(work, 0x3000, std::ref(secondOk));
    first.join();
    second.join();
    EXPECT_TRUE(firstOk);
    EXPECT_TRUE(secondOk);
}

}  // namespace
}  // namespace api_test

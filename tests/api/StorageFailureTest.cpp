// Storage errors met by the exports: the code comes back, the description
// keeps what it had, and the handle stays usable.
#include <cstring>
#include <memory>

#include "DescriptionFixture.h"
#include "FailingStorage.h"

namespace api_test {
namespace {

using storage_test::CreateDocfile;
using storage_test::OpenDocfile;
using storage_test::StoragePtr;
using storage_test::TempFolder;

class StorageFailure : public ::testing::Test {
protected:
    void SetUp() override {
        file_ = CreateDocfile(folder_.File("failing.stg"));
        ASSERT_TRUE(file_);
        root_ = StoragePtr(FailingStorage::Wrap(file_.get(), failure_));
        h_ = eds_CreateFile(root_.get());
        ASSERT_NE(h_, nullptr);
    }
    void TearDown() override { eds_CloseFile(h_); }

    std::vector<uint16_t> AllObjects() {
        EdsNumberList all = nullptr;
        EXPECT_EQ(eds_GetAllObjects(h_, &all), kSuccess);
        return TakeList(all);
    }

    TempFolder folder_;
    std::shared_ptr<FailureSwitch> failure_ = std::make_shared<FailureSwitch>();
    StoragePtr file_;
    StoragePtr root_;
    EdsHandle h_ = nullptr;
};

TEST_F(StorageFailure, AFailedSaveIsReportedAndTheNextSaveWorks) {
    EdsObjectRecord main = ObjectRecord("Kept", 7, 1, 0x0007, "", 2);
    ASSERT_EQ(eds_AddObject(h_, 0x2000, kMainEntry, &main), kSuccess);
    failure_->failing = true;
    EXPECT_EQ(eds_SaveFile(h_), static_cast<EdsResult>(FailureSwitch::kFailure));
    failure_->failing = false;
    ASSERT_EQ(eds_SaveFile(h_), kSuccess);

    eds_CloseFile(h_);
    h_ = nullptr;
    root_.Reset();
    ASSERT_EQ(file_->Commit(STGC_DEFAULT), S_OK);
    file_.Reset();
    StoragePtr reopened = OpenDocfile(folder_.File("failing.stg"));
    ASSERT_TRUE(reopened);
    h_ = eds_OpenExFile(reopened.get());
    ASSERT_NE(h_, nullptr);
    EXPECT_EQ(AllObjects(), std::vector<uint16_t>{0x2000});
    EdsObjectRecord back{};
    ASSERT_EQ(eds_GetObject(h_, 0x2000, kMainEntry, &back), kSuccess);
    EXPECT_EQ(back.Category, 2);
    eds_CloseFile(h_);
    h_ = nullptr;
}

TEST_F(StorageFailure, AFailedChangeLeavesTheDescriptionAsItWas) {
    EdsFileInfoRecord info{};
    CopyText(info.Description, "before");
    ASSERT_EQ(eds_SetFileInfo(h_, &info), kSuccess);
    EdsObjectRecord main = ObjectRecord("Existing", 7, 1, 0x0007);
    ASSERT_EQ(eds_AddObject(h_, 0x2000, kMainEntry, &main), kSuccess);

    failure_->failing = true;
    CopyText(info.Description, "after");
    EXPECT_NE(eds_SetFileInfo(h_, &info), kSuccess);
    EdsObjectRecord other = ObjectRecord("New area", 7, 1, 0x0007, "", 1);
    EXPECT_NE(eds_AddObject(h_, 0x3000, kMainEntry, &other), kSuccess);
    EXPECT_NE(eds_SetComments(h_, "lost"), kSuccess);
    const EdsDynSegmentRecord segment{0x0007, 3, 1, 2, 0, 0, 1};
    EXPECT_NE(eds_AddDynSegment(h_, 1, &segment), kSuccess);
    failure_->failing = false;

    EdsFileInfoRecord back{};
    ASSERT_EQ(eds_GetFileInfo(h_, &back), kSuccess);
    EXPECT_STREQ(back.Description, "before");
    EXPECT_EQ(AllObjects(), std::vector<uint16_t>{0x2000});
    EdsObjectRecord record{};
    EXPECT_EQ(eds_GetObject(h_, 0x3000, kMainEntry, &record), kNotFound);
    EdsNumberList segments = nullptr;
    ASSERT_EQ(eds_GetAllDynSegments(h_, &segments), kSuccess);
    EXPECT_EQ(segments, nullptr);
}

TEST(StorageFailureAtStart, AFailedCreateReturnsNullWithTheStorageCode) {
    TempFolder folder;
    StoragePtr file = CreateDocfile(folder.File("refusing.stg"));
    auto failure = std::make_shared<FailureSwitch>();
    failure->failing = true;
    StoragePtr root(FailingStorage::Wrap(file.get(), failure));
    SetLastError(0);
    EXPECT_EQ(eds_CreateFile(root.get()), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(FailureSwitch::kFailure));
    EXPECT_EQ(eds_OpenExFile(root.get()), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(FailureSwitch::kFailure));
}

}  // namespace
}  // namespace api_test

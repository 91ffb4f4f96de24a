#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "CCaller.h"
#include "DescriptionFixture.h"
#include "vantor/vantor.h"

namespace {

using api_test::kInvalidHandle;
using api_test::kInvalidParameter;
using api_test::kNotImplemented;

// Everything an export may read or write, filled with a pattern so that any
// write shows.
struct Arguments {
    EdsFileInfoRecord fileInfo;
    EdsDeviceInfoRecord deviceInfo;
    EdsDummyUsageRecord dummyUsage;
    EdsDeviceComRecord deviceCom;
    EdsObjectRecord object;
    EdsDynSegmentRecord segment;
    char* text;
    EdsNumberList list;
};

struct Pointers {
    Arguments& args;
    bool nullRequired;

    template <typename T>
    T* Required(T& target) const {
        return nullRequired ? nullptr : &target;
    }
    const char* Path() const { return nullRequired ? nullptr : "device.eds"; }
};

void IgnoreProgress(int32_t, intptr_t) {}

struct ExportCall {
    const char* name;
    bool hasRequiredPointer;
    EdsResult (*call)(EdsHandle h, const Pointers& p);
};

const std::vector<ExportCall>& HandleExports() {
    static const std::vector<ExportCall> calls = {
        {"SaveFile", false, [](EdsHandle h, const Pointers&) { return eds_SaveFile(h); }},
        {"ImportEDS", true,
         [](EdsHandle h, const Pointers& p) { return eds_ImportEDS(h, p.Path(), IgnoreProgress, 7); }},
        {"ExportEDS", true,
         [](EdsHandle h, const Pointers& p) { return eds_ExportEDS(h, p.Path(), 1, IgnoreProgress, 7); }},
        {"GetFileInfo", true,
         [](EdsHandle h, const Pointers& p) { return eds_GetFileInfo(h, p.Required(p.args.fileInfo)); }},
        {"SetFileInfo", true,
         [](EdsHandle h, const Pointers& p) { return eds_SetFileInfo(h, p.Required(p.args.fileInfo)); }},
        {"GetDeviceInfo", true,
         [](EdsHandle h, const Pointers& p) { return eds_GetDeviceInfo(h, p.Required(p.args.deviceInfo)); }},
        {"SetDeviceInfo", true,
         [](EdsHandle h, const Pointers& p) { return eds_SetDeviceInfo(h, p.Required(p.args.deviceInfo)); }},
        {"GetDummyUsage", true,
         [](EdsHandle h, const Pointers& p) { return eds_GetDummyUsage(h, p.Required(p.args.dummyUsage)); }},
        {"SetDummyUsage", true,
         [](EdsHandle h, const Pointers& p) { return eds_SetDummyUsage(h, p.Required(p.args.dummyUsage)); }},
        {"GetDeviceCom", true,
         [](EdsHandle h, const Pointers& p) { return eds_GetDeviceCom(h, p.Required(p.args.deviceCom)); }},
        {"SetDeviceCom", true,
         [](EdsHandle h, const Pointers& p) { return eds_SetDeviceCom(h, p.Required(p.args.deviceCom)); }},
        {"GetComments", true,
         [](EdsHandle h, const Pointers& p) { return eds_GetComments(h, p.Required(p.args.text)); }},
        {"SetComments", false, [](EdsHandle h, const Pointers&) { return eds_SetComments(h, "a\r\nb"); }},
        {"GetAllObjects", true,
         [](EdsHandle h, const Pointers& p) { return eds_GetAllObjects(h, p.Required(p.args.list)); }},
        {"AddObject", true,
         [](EdsHandle h, const Pointers& p) { return eds_AddObject(h, 0x1018, 1, p.Required(p.args.object)); }},
        {"GetObject", true,
         [](EdsHandle h, const Pointers& p) { return eds_GetObject(h, 0x1018, 1, p.Required(p.args.object)); }},
        {"SetObject", true,
         [](EdsHandle h, const Pointers& p) { return eds_SetObject(h, 0x1018, 1, p.Required(p.args.object)); }},
        {"RemObject", false, [](EdsHandle h, const Pointers&) { return eds_RemObject(h, 0x1018, 0xFF); }},
        {"GetObjectLinks", true,
         [](EdsHandle h, const Pointers& p) { return eds_GetObjectLinks(h, 0x2000, p.Required(p.args.list)); }},
        {"SetObjectLinks", false,
         [](EdsHandle h, const Pointers& p) { return eds_SetObjectLinks(h, 0x2000, p.args.list); }},
        {"GetAllDynSegments", true,
         [](EdsHandle h, const Pointers& p) { return eds_GetAllDynSegments(h, p.Required(p.args.list)); }},
        {"AddDynSegment", true,
         [](EdsHandle h, const Pointers& p) { return eds_AddDynSegment(h, 1, p.Required(p.args.segment)); }},
        {"GetDynSegment", true,
         [](EdsHandle h, const Pointers& p) { return eds_GetDynSegment(h, 1, p.Required(p.args.segment)); }},
        {"SetDynSegment", true,
         [](EdsHandle h, const Pointers& p) { return eds_SetDynSegment(h, 1, p.Required(p.args.segment)); }},
        {"RemDynSegment", false, [](EdsHandle h, const Pointers&) { return eds_RemDynSegment(h, 1); }},
    };
    return calls;
}

// Stand-ins for the handle block: two pointer-sized words.
struct HandleWords {
    const void* first;
    const void* second;
};

const int kSomeObject = 0;

HandleWords SignedWords(const void* storage) {
    HandleWords words{};
    auto signature = &eds_CloseFile;
    std::memcpy(&words.first, &signature, sizeof signature);
    words.second = storage;
    return words;
}

EdsHandle AsHandle(HandleWords& words) { return reinterpret_cast<EdsHandle>(&words); }

struct BadHandle {
    const char* name;
    bool isNull;
    HandleWords words;
};

std::vector<BadHandle> BadHandles() {
    return {
        {"null", true, {}},
        {"no signature", false, {&kSomeObject, &kSomeObject}},
        {"signature without storage", false, SignedWords(nullptr)},
        // A copy of a handle's words at another address was never handed out.
        {"foreign block with signature and storage", false, SignedWords(&kSomeObject)},
    };
}

class HandleFrame : public ::testing::Test {
protected:
    void SetUp() override {
        std::memset(&args_, 0xA5, sizeof args_);
        std::memcpy(&before_, &args_, sizeof args_);
    }
    bool ArgumentsUnchanged() const { return std::memcmp(&args_, &before_, sizeof args_) == 0; }

    Arguments args_;
    Arguments before_;
};

TEST_F(HandleFrame, EveryHandleExportRejectsABadHandleWith6AndChangesNothing) {
    for (BadHandle bad : BadHandles()) {
        const HandleWords wordsBefore = bad.words;
        const EdsHandle h = bad.isNull ? nullptr : AsHandle(bad.words);
        for (const ExportCall& call : HandleExports()) {
            for (const bool nullRequired : {false, true}) {
                SCOPED_TRACE(std::string(call.name) + ", handle " + bad.name +
                             (nullRequired ? ", null pointers" : ""));
                EXPECT_EQ(call.call(h, Pointers{args_, nullRequired}), kInvalidHandle);
                EXPECT_TRUE(ArgumentsUnchanged());
                EXPECT_EQ(std::memcmp(&bad.words, &wordsBefore, sizeof wordsBefore), 0);
            }
        }
    }
}

TEST_F(HandleFrame, NullRequiredPointerBehindALiveHandleGives87AndChangesNothing) {
    api_test::Description description;
    ASSERT_NE(description.handle(), nullptr);
    for (const ExportCall& call : HandleExports()) {
        if (!call.hasRequiredPointer) continue;
        SCOPED_TRACE(call.name);
        EXPECT_EQ(call.call(description.handle(), Pointers{args_, true}), kInvalidParameter);
        EXPECT_TRUE(ArgumentsUnchanged());
    }
    EdsNumberList all = nullptr;
    ASSERT_EQ(eds_GetAllObjects(description.handle(), &all), 0u);
    EXPECT_EQ(api_test::TakeList(all), std::vector<uint16_t>{});
}

TEST(DataTypes, AreNotImplementedWhateverTheState) {
    SetLastError(ERROR_INVALID_HANDLE);
    EXPECT_EQ(eds_GetDataTypes(), kNotImplemented);
    EXPECT_EQ(eds_SetDataTypes(), kNotImplemented);
    EXPECT_EQ(CGetDataTypes(), kNotImplemented);
}

TEST(CloseFile, IgnoresInvalidHandles) {
    eds_CloseFile(nullptr);
    for (BadHandle bad : BadHandles()) {
        if (bad.isNull) continue;
        SCOPED_TRACE(bad.name);
        const HandleWords before = bad.words;
        // A block on the stack: freeing it would be reported by the sanitizer build.
        eds_CloseFile(AsHandle(bad.words));
        EXPECT_EQ(std::memcmp(&bad.words, &before, sizeof before), 0);
    }
}

TEST(CreateAndOpen, NullRootGivesNullAndLastError87) {
    for (auto start : {eds_CreateFile, eds_OpenExFile}) {
        SetLastError(0);
        EXPECT_EQ(start(nullptr), nullptr);
        EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    }
    SetLastError(0);
    EXPECT_EQ(CCreateFileWithoutRoot(), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(CHeader, CallersInCReachTheExports) {
    EXPECT_EQ(CGetFileInfoWithoutHandle(), kInvalidHandle);
}

}  // namespace

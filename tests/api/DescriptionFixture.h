// A description in a real compound file, reached only through the public
// header, and small helpers for records, number lists and text files.
//
// The tests compare the multi-byte members of the packed records as values
// (unary +): the assertions bind references, and such a member may be
// misaligned.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/StorageTestSupport.h"
#include "vantor/vantor.h"

namespace api_test {

constexpr EdsResult kSuccess = 0;
constexpr EdsResult kInvalidHandle = 6;
constexpr EdsResult kOutOfMemory = 14;
constexpr EdsResult kInvalidParameter = 87;
constexpr EdsResult kBadSegment = 180;
constexpr EdsResult kNotFound = 0x80030002u;
constexpr EdsResult kNotImplemented = 0x80004001u;
constexpr uint32_t kMainEntry = 0xFF;

// The numbers of a list block, which is freed.
std::vector<uint16_t> TakeList(EdsNumberList list);
// A list block the caller frees with SysFreeString.
EdsNumberList MakeList(const std::vector<uint16_t>& numbers);

// A record of a variable (or of a main entry with objectType 9).
EdsObjectRecord ObjectRecord(const std::string& name, uint8_t objectType = 7, uint8_t accessType = 1,
                             uint16_t dataType = 0x0007, const std::string& defaultValue = "",
                             uint8_t category = 0);

template <size_t N>
void CopyText(char (&array)[N], const std::string& text) {
    const size_t length = std::min(text.size(), N - 1);
    text.copy(array, length);
    array[length] = '\0';
}

std::string ReadTextFile(const std::filesystem::path& path);
void WriteTextFile(const std::filesystem::path& path, const std::string& text);

// The text of sample.eds: file and device sections, three mandatory objects
// (one a record), one optional and one manufacturer object, comments and a
// dynamic channel segment.
std::string SampleEds();

// One compound file holding one description behind a live handle.
class Description {
public:
    Description();
    ~Description();
    Description(const Description&) = delete;
    Description& operator=(const Description&) = delete;

    EdsHandle handle() const { return handle_; }
    const storage_test::TempFolder& folder() const { return folder_; }
    std::filesystem::path Path(const std::string& name) const { return folder_.path() / name; }

    // Saves (when save is set), closes, commits and releases the root, then
    // opens the file again with eds_OpenExFile. False when any step fails.
    bool Reopen(bool save = true);
    // Closes the handle and releases the root without saving.
    void Close();

private:
    storage_test::TempFolder folder_;
    std::u16string file_;
    storage_test::StoragePtr root_;
    EdsHandle handle_ = nullptr;
};

class DescriptionTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(description_.handle(), nullptr) << "last error " << GetLastError(); }
    EdsHandle h() const { return description_.handle(); }

    Description description_;
};

}  // namespace api_test

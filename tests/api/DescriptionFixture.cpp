#include "DescriptionFixture.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

namespace api_test {

using storage_test::CreateDocfile;
using storage_test::OpenDocfile;

std::vector<uint16_t> TakeList(EdsNumberList list) {
    std::vector<uint16_t> numbers(list, list + SysStringLen(list));
    SysFreeString(list);
    return numbers;
}

EdsNumberList MakeList(const std::vector<uint16_t>& numbers) {
    return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(numbers.data()), static_cast<UINT>(numbers.size()));
}

EdsObjectRecord ObjectRecord(const std::string& name, uint8_t objectType, uint8_t accessType, uint16_t dataType,
                             const std::string& defaultValue, uint8_t category) {
    EdsObjectRecord record{};
    record.Category = category;
    CopyText(record.ParameterName, name);
    record.ObjectType = objectType;
    record.AccessType = accessType;
    record.DataType = dataType;
    CopyText(record.DefaultValue, defaultValue);
    return record;
}

std::string ReadTextFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteTextFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string SampleEds() { return ReadTextFile(std::filesystem::path(VANTOR_SOURCE_DIR) / "tests/api/sample.eds"); }

Description::Description() : file_(folder_.File("description.stg")) {
    root_ = CreateDocfile(file_);
    if (root_) handle_ = eds_CreateFile(root_.get());
}

Description::~Description() { Close(); }

void Description::Close() {
    eds_CloseFile(handle_);
    handle_ = nullptr;
    root_.Reset();
}

bool Description::Reopen(bool save) {
    if (save && eds_SaveFile(handle_) != kSuccess) return false;
    eds_CloseFile(handle_);
    handle_ = nullptr;
    if (root_->Commit(STGC_DEFAULT) != S_OK) return false;
    root_.Reset();
    root_ = OpenDocfile(file_);
    if (!root_) return false;
    handle_ = eds_OpenExFile(root_.get());
    return handle_ != nullptr;
}

}  // namespace api_test

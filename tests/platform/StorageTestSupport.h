// Helpers for the structured-storage tests: owned COM references, temporary
// folders, stream content and the Python helpers beside these tests.
#pragma once

#include "vantor/platform.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace storage_test {

template <class T>
class Ref {
public:
    Ref() = default;
    explicit Ref(T* object) : object_(object) {}
    ~Ref() { Reset(); }
    Ref(Ref&& other) noexcept : object_(other.object_) { other.object_ = nullptr; }
    Ref& operator=(Ref&& other) noexcept {
        if (this != &other) {
            Reset();
            object_ = other.object_;
            other.object_ = nullptr;
        }
        return *this;
    }
    T* get() const { return object_; }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    T** Out() {
        Reset();
        return &object_;
    }
    void Reset() {
        if (object_) object_->Release();
        object_ = nullptr;
    }

private:
    T* object_ = nullptr;
};

using StoragePtr = Ref<IStorage>;
using StreamPtr = Ref<IStream>;

constexpr DWORD kCreateRW = STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE;  // 0x1012
constexpr DWORD kOpenRW = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;                  // 0x12
constexpr DWORD kTempDocfile = STGM_DELETEONRELEASE | kCreateRW;                  // 0x04001012

// The section stream name of a description: U+00AE U+00AC then the text.
std::u16string SectionName(const std::string& text);
std::u16string U16(const std::string& ascii);
std::string Hex(const std::u16string& name);

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::filesystem::path& path() const { return path_; }
    std::u16string File(const std::string& name) const;

private:
    std::filesystem::path path_;
};

// Deterministic content of a given size.
std::vector<uint8_t> Pattern(size_t size, uint32_t seed);
uint32_t Crc32(const std::vector<uint8_t>& bytes);

StoragePtr CreateDocfile(const std::u16string& path, DWORD mode = kCreateRW);
StoragePtr OpenDocfile(const std::u16string& path, DWORD mode = kOpenRW);
StoragePtr CreateStorage(IStorage* parent, const std::u16string& name);
StoragePtr OpenStorage(IStorage* parent, const std::u16string& name);
void WriteStream(IStorage* parent, const std::u16string& name, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadStream(IStorage* parent, const std::u16string& name);

struct Listed {
    std::u16string name;
    DWORD type;
    uint64_t size;
    bool operator==(const Listed&) const = default;
};
std::vector<Listed> ListElements(IStorage* storage);

// Every element below the storage as "path|type|size|crc" lines, names as
// hex of their UTF-16 units, in a fixed order; the Python dump prints the
// same form.
std::vector<std::string> DescribeTree(IStorage* storage);

// The names in a folder, sorted.
std::vector<std::string> FilesIn(const std::filesystem::path& folder);

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
std::string Utf8Path(const std::u16string& path);

// Runs a helper script of this folder with /usr/bin/python3; the exit code
// and standard output.
struct ScriptResult {
    int exitCode;
    std::string output;
};
bool PythonWithOlefileAvailable();
ScriptResult RunScript(const std::string& script, const std::vector<std::string>& arguments);

}  // namespace storage_test

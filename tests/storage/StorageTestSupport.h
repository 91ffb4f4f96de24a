// Test doubles and fixtures shared by the stream and storage tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "library/storage/ComPtr.h"
#include "library/storage/Streams.h"

namespace vantor::test {

constexpr DWORD kElementMode = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;

inline std::string Pattern(size_t length) {
    std::string text(length, '\0');
    for (size_t i = 0; i < length; ++i) text[i] = static_cast<char>('a' + i % 23);
    return text;
}

// Everything from the start of a stream; the position is left at the end.
inline std::string ReadAll(CStream& stream) {
    stream.Seek(0, kSeekBegin);
    std::string bytes(static_cast<size_t>(std::max(stream.GetSize(), 0)), '\0');
    if (!bytes.empty()) bytes.resize(static_cast<size_t>(stream.Read(bytes.data(), static_cast<int32_t>(bytes.size()))));
    return bytes;
}

// A seekable source over a string that records the size of every read.
class ScriptedSource : public CStream {
public:
    explicit ScriptedSource(std::string data) : data_(std::move(data)) {}
    int32_t Read(void* buffer, int32_t count) override {
        requests.push_back(count);
        const int32_t moved = std::min(count, GetSize() - position_);
        std::memcpy(buffer, data_.data() + position_, static_cast<size_t>(moved));
        position_ += moved;
        return moved;
    }
    int32_t Seek(int32_t offset, int32_t origin) override {
        return position_ = offset + (origin == kSeekCurrent ? position_ : origin == kSeekEnd ? GetSize() : 0);
    }
    int32_t GetPosition() override { return position_; }
    int32_t GetSize() override { return static_cast<int32_t>(data_.size()); }

    std::vector<int32_t> requests;

private:
    std::string data_;
    int32_t position_ = 0;
};

// A target that takes at most `room` bytes in all (then writes short), or
// fails every write with writeError when that is set.
class LimitedTarget : public CStream {
public:
    explicit LimitedTarget(size_t room, DWORD writeError = 0) : room_(room), writeError_(writeError) {}
    int32_t Write(const void* buffer, int32_t count) override {
        if (writeError_ != 0) return Fail(writeError_);
        const size_t taken = std::min(static_cast<size_t>(count), room_ - received.size());
        received.append(static_cast<const char*>(buffer), taken);
        return static_cast<int32_t>(taken);
    }

    std::string received;

private:
    size_t room_;
    DWORD writeError_;
};

// A temporary directory with a compound file in it, both removed afterwards.
class TempFiles {
public:
    TempFiles() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vantor-storage-XXXXXX").string();
        if (mkdtemp(pattern.data())) dir_ = pattern;
        EXPECT_FALSE(dir_.empty());
    }
    ~TempFiles() {
        roots_.clear();
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    // A new compound file of that name, held until the end of the test.
    IStorage* Compound(const std::string& name = "document.stg") {
        const std::string path = Path(name);
        const std::u16string widePath(path.begin(), path.end());
        ComPtr<IStorage>& root = roots_.emplace_back();
        EXPECT_EQ(StgCreateDocfile(widePath.c_str(), STGM_CREATE | kElementMode, 0, root.ReleaseAndGetAddressOf()),
                  S_OK);
        return root.Get();
    }

    static ComPtr<IStream> NewStream(IStorage* storage, const std::u16string& name, const std::string& content = {}) {
        ComPtr<IStream> stream;
        EXPECT_EQ(storage->CreateStream(name.c_str(), STGM_CREATE | kElementMode, 0, 0,
                                        stream.ReleaseAndGetAddressOf()),
                  S_OK);
        COleStream writer(stream.Get());
        writer.Write(content.data(), static_cast<int32_t>(content.size()));
        writer.Seek(0, kSeekBegin);
        return stream;
    }

    // The content of a stream of storage, or "<missing>".
    static std::string Content(IStorage* storage, const std::u16string& name) {
        ComPtr<IStream> stream;
        if (storage->OpenStream(name.c_str(), nullptr, kElementMode, 0, stream.ReleaseAndGetAddressOf()) != S_OK)
            return "<missing>";
        COleStream reader(stream.Get());
        return ReadAll(reader);
    }

private:
    std::filesystem::path dir_;
    std::vector<ComPtr<IStorage>> roots_;
};

}  // namespace vantor::test

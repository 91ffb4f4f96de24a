#include "StorageTestSupport.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/wait.h>

namespace storage_test {

std::u16string U16(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

std::u16string SectionName(const std::string& text) { return u"\u00AE\u00AC" + U16(text); }

std::string Hex(const std::u16string& name) {
    std::string out;
    char unit[5];
    for (char16_t c : name) {
        std::snprintf(unit, sizeof unit, "%04x", static_cast<unsigned>(c));
        out += unit;
    }
    return out;
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vantor-storage-XXXXXX").string();
    if (!mkdtemp(pattern.data())) ADD_FAILURE() << "mkdtemp failed";
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::u16string TempFolder::File(const std::string& name) const { return U16((path_ / name).string()); }

std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<uint8_t> Pattern(size_t size, uint32_t seed) {
    std::vector<uint8_t> bytes(size);
    uint32_t state = seed * 2654435761u + 1;
    for (auto& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<uint8_t>(state >> 16);
    }
    return bytes;
}

uint32_t Crc32(const std::vector<uint8_t>& bytes) {
    uint32_t crc = 0xFFFFFFFFu;
    for (uint8_t byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

StoragePtr CreateDocfile(const std::u16string& path, DWORD mode) {
    StoragePtr root;
    EXPECT_EQ(S_OK, StgCreateDocfile(path.c_str(), mode, 0, root.Out()));
    return root;
}

StoragePtr OpenDocfile(const std::u16string& path, DWORD mode) {
    StoragePtr root;
    EXPECT_EQ(S_OK, StgOpenStorage(path.c_str(), nullptr, mode, nullptr, 0, root.Out()));
    return root;
}

StoragePtr CreateStorage(IStorage* parent, const std::u16string& name) {
    StoragePtr storage;
    EXPECT_EQ(S_OK, parent->CreateStorage(name.c_str(), kCreateRW, 0, 0, storage.Out()));
    return storage;
}

StoragePtr OpenStorage(IStorage* parent, const std::u16string& name) {
    StoragePtr storage;
    EXPECT_EQ(S_OK, parent->OpenStorage(name.c_str(), nullptr, kOpenRW, nullptr, 0, storage.Out()));
    return storage;
}

void WriteStream(IStorage* parent, const std::u16string& name, const std::vector<uint8_t>& bytes) {
    StreamPtr stream;
    ASSERT_EQ(S_OK, parent->CreateStream(name.c_str(), kCreateRW, 0, 0, stream.Out()));
    ULONG written = 0;
    ASSERT_EQ(S_OK, stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written));
    ASSERT_EQ(bytes.size(), written);
}

std::vector<uint8_t> ReadStream(IStorage* parent, const std::u16string& name) {
    StreamPtr stream;
    EXPECT_EQ(S_OK, parent->OpenStream(name.c_str(), nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, stream.Out()));
    if (!stream) return {};
    STATSTG stat{};
    EXPECT_EQ(S_OK, stream->Stat(&stat, STATFLAG_NONAME));
    std::vector<uint8_t> bytes(stat.cbSize.QuadPart);
    ULONG read = 0;
    EXPECT_EQ(S_OK, stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read));
    EXPECT_EQ(bytes.size(), read);
    return bytes;
}

std::vector<Listed> ListElements(IStorage* storage) {
    std::vector<Listed> listed;
    Ref<IEnumSTATSTG> elements;
    EXPECT_EQ(S_OK, storage->EnumElements(0, nullptr, 0, elements.Out()));
    if (!elements) return listed;
    STATSTG stat{};
    while (elements->Next(1, &stat, nullptr) == S_OK) {
        listed.push_back({stat.pwcsName, stat.type, stat.cbSize.QuadPart});
        CoTaskMemFree(stat.pwcsName);
    }
    return listed;
}

namespace {

void DescribeInto(IStorage* storage, const std::string& prefix, std::vector<std::string>& lines) {
    for (const Listed& element : ListElements(storage)) {
        const std::string path = prefix + "/" + Hex(element.name);
        if (element.type == STGTY_STORAGE) {
            lines.push_back(path + "|storage");
            StoragePtr child = OpenStorage(storage, element.name);
            if (child) DescribeInto(child.get(), path, lines);
        } else {
            const auto bytes = ReadStream(storage, element.name);
            lines.push_back(path + "|stream|" + std::to_string(bytes.size()) + "|" + std::to_string(Crc32(bytes)));
        }
    }
}

}  // namespace

std::vector<std::string> DescribeTree(IStorage* storage) {
    std::vector<std::string> lines;
    DescribeInto(storage, "", lines);
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFileBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string Utf8Path(const std::u16string& path) { return std::string(path.begin(), path.end()); }

bool PythonWithOlefileAvailable() {
    return std::system("/usr/bin/python3 -c 'import olefile' >/dev/null 2>&1") == 0;
}

ScriptResult RunScript(const std::string& script, const std::vector<std::string>& arguments) {
    std::string command = "/usr/bin/python3 '" VANTOR_SOURCE_DIR "/tests/platform/" + script + "'";
    for (const auto& argument : arguments) command += " '" + argument + "'";
    ScriptResult result{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.output.append(buffer.data(), n);
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

}  // namespace storage_test

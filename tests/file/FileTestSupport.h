// A description in a real compound file of a scratch folder, and the text
// files around an import or export.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "library/file/EdsFileStg.h"
#include "storage/StorageTestSupport.h"

namespace vantor::test {

class FileStgTest : public ::testing::Test {
protected:
    void SetUp() override { StartAgain(); }

    // A new, empty description in a compound file of its own.
    void StartAgain() {
        root_ = files_.Compound("document" + std::to_string(++documents_) + ".stg");
        file_ = CEdsFileStg::Create();
        ASSERT_TRUE(file_);
        ASSERT_EQ(file_->InitNew(root_), S_OK);
    }

    std::string Path(const std::string& name) const { return files_.Path(name); }

    std::string WriteText(const std::string& name, const std::string& content) const {
        const std::string path = Path(name);
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    static std::string ReadText(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static bool Exists(const std::string& path) { return std::filesystem::exists(path); }

    HRESULT Import(const std::string& text, const std::string& name = "in.eds") {
        return file_->Import(WriteText(name, text).c_str(), nullptr, 0);
    }

    // The export of the description as text; empty when it failed.
    std::string Export(bool writeDcf, const std::string& name = "out.eds") {
        const std::string path = Path(name);
        EXPECT_EQ(file_->Export(path.c_str(), writeDcf, 0, nullptr), S_OK);
        return ReadText(path);
    }

    TempFiles files_;
    int documents_ = 0;
    IStorage* root_ = nullptr;
    std::unique_ptr<CEdsFileStg> file_;
};

// The lines of a CR LF text.
inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// "" for equal texts, else the number and both versions of the first line
// that differs.
inline std::string FirstDifference(const std::string& a, const std::string& b) {
    if (a == b) return "";
    const auto linesA = SplitLines(a);
    const auto linesB = SplitLines(b);
    for (std::size_t i = 0; i < std::max(linesA.size(), linesB.size()); ++i) {
        const std::string lineA = i < linesA.size() ? linesA[i] : "<end>";
        const std::string lineB = i < linesB.size() ? linesB[i] : "<end>";
        if (lineA != lineB) return "line " + std::to_string(i + 1) + ": '" + lineA + "' / '" + lineB + "'";
    }
    return "same lines, different bytes";
}

// The lines of one section, header included, up to its empty line.
inline std::vector<std::string> SectionOf(const std::string& text, const std::string& name) {
    std::vector<std::string> section;
    bool inside = false;
    for (const std::string& line : SplitLines(text)) {
        if (line == "[" + name + "]") inside = true;
        if (!inside) continue;
        if (line.empty()) break;
        section.push_back(line);
    }
    return section;
}

}  // namespace vantor::test

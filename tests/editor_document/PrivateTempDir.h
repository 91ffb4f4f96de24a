// A private temporary directory that TMPDIR points to while it lives, so
// that tests see exactly the working files they make; removed with its
// content afterwards.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class PrivateTempDir {
public:
    explicit PrivateTempDir(const std::string& leaf = "brenmoor-XXXXXX") {
        std::string pattern = (std::filesystem::temp_directory_path() / leaf).string();
        if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "no scratch directory " << pattern;
        folder_ = pattern;
        if (const char* saved = std::getenv("TMPDIR")) saved_ = saved;
        PointTmpdirAt(folder_.string());
    }
    PrivateTempDir(const PrivateTempDir&) = delete;
    PrivateTempDir& operator=(const PrivateTempDir&) = delete;
    ~PrivateTempDir() {
        if (saved_)
            setenv("TMPDIR", saved_->c_str(), 1);
        else
            unsetenv("TMPDIR");
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    const std::filesystem::path& Folder() const { return folder_; }
    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
    static void PointTmpdirAt(const std::string& folder) { setenv("TMPDIR", folder.c_str(), 1); }

    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        return names;
    }

private:
    std::filesystem::path folder_;
    std::optional<std::string> saved_;
};

#include "editor/document/EdsFile.h"

#include "editor/document/SystemError.h"

namespace brenmoor {

// A fresh, empty temporary file named "~<hex>.tmp" that the system made for
// the working file. Deleted again unless kept, so that a document that
// could not be made leaves nothing behind.
class WorkingFileName {
public:
    static WorkingFileName Create() {
        char directory[MAX_PATH];
        const DWORD length = GetTempPathA(sizeof directory, directory);
        if (length == 0 || length >= sizeof directory)
            throw SystemError(length == 0 ? GetLastError() : ERROR_FILENAME_EXCED_RANGE,
                              "The temporary directory cannot hold a working file");
        char name[MAX_PATH];
        if (GetTempFileNameA(directory, "~", 0, name) == 0)
            throw SystemError(GetLastError(), "No working file can be made in the temporary directory \"" +
                                                  std::string(directory) + "\"");
        return WorkingFileName(name);
    }

    WorkingFileName(const WorkingFileName&) = delete;
    WorkingFileName& operator=(const WorkingFileName&) = delete;
    ~WorkingFileName() {
        if (!kept_) DeleteFileA(path_.c_str());
    }

    const std::string& Path() const { return path_; }
    void Keep() { kept_ = true; }

private:
    explicit WorkingFileName(std::string path) : path_(std::move(path)) {}

    std::string path_;
    bool kept_ = false;
};

CEdsFile::CEdsFile() : CEdsFile(WorkingFileName::Create()) {}

CEdsFile::CEdsFile(WorkingFileName&& name) : CEdsStore(name.Path(), kWorkingFileMode) {
    // The compound file has replaced the empty file and deletes it on release.
    name.Keep();
}

EdsResult CEdsFile::OpenEds(const std::optional<std::string>& path) {
    if (const EdsResult code = Reset(); code != 0) return code;
    if (!path) return 0;
    return Import(*path);
}

}  // namespace brenmoor

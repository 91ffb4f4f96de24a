// A private directory for the files of one run (the copy that is imported,
// the working description, output before it is renamed into place), removed
// with everything in it at the end, and also when the run is interrupted.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vantor::cli {

class WorkDir {
public:
    // Creates the directory in parent, or in the temporary directory when
    // parent is empty. Null with the cause in cause on failure.
    static std::unique_ptr<WorkDir> Create(const std::string& parent, std::string& cause);
    ~WorkDir();
    WorkDir(const WorkDir&) = delete;
    WorkDir& operator=(const WorkDir&) = delete;

    const std::string& path() const { return path_; }
    // The path of a file in the directory; the file is removed with it, even
    // on an interrupt.
    std::string File(std::string_view name);

private:
    explicit WorkDir(std::string path);
    std::string path_;
};

// Makes SIGINT, SIGTERM, SIGHUP and SIGPIPE remove the work directories
// before the program ends.
void RemoveWorkDirsOnSignals();

}  // namespace vantor::cli

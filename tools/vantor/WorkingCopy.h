// A file given on the command line, loaded into a working description in a
// work directory so that neither the file nor anything beside it changes.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "tools/vantor/Description.h"
#include "tools/vantor/InputFile.h"
#include "tools/vantor/WorkDir.h"

namespace vantor::cli {

struct WorkingCopy {
    std::unique_ptr<Description> description;
    std::string importErrors;  // the import's error file; empty for a saved description
};

// Loads input into a description kept at storePath (a file of work): a saved
// description is copied there and opened, text is copied into work and
// imported with a progress bar labelled label. On failure, the cause.
std::optional<std::string> LoadWorkingCopy(const InputFile& input, WorkDir& work, const std::string& storePath,
                                           const std::string& label, WorkingCopy& copy);

// Writes content to a new file at path; on failure, the cause.
std::optional<std::string> WriteNewFile(const std::string& path, const std::string& content);
// The content of the file at path, empty when it cannot be read.
std::string ReadFileOrNothing(const std::string& path);

}  // namespace vantor::cli

// Reading a file given on the command line: EDS or DCF text, or a saved
// description (a compound file), with one clear cause for everything else.
#pragma once

#include <optional>
#include <string>

namespace vantor::cli {

struct InputFile {
    enum class Kind { Text, SavedDescription };
    Kind kind = Kind::Text;
    std::string content;  // the whole file
};

// The file's content, or the cause why it cannot be used ("no such file",
// "is a directory", "empty file", "binary data, not EDS text", ...).
std::optional<std::string> ReadInputFile(const std::string& path, InputFile& input);

}  // namespace vantor::cli

// The command line: one command, its options and its files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantor::cli {

enum class Command { None, Check, Convert, Info };

enum class OutputFormat { Text, Json };

struct Options {
    Command command = Command::None;
    bool help = false;
    bool version = false;
    // check
    bool strict = false;
    OutputFormat format = OutputFormat::Text;
    // convert
    bool dcf = false;
    std::optional<uint8_t> nodeId;
    std::optional<uint16_t> baudRate;  // kbit/s
    // info
    bool objects = false;
    std::vector<std::string> files;
};

// Fills options from the arguments; on a wrong command line the message that
// says what is wrong.
std::optional<std::string> ParseCommandLine(const std::vector<std::string>& arguments, Options& options);

// True when the output path names a saved description (ends in ".vdsc").
bool IsSavedDescriptionPath(const std::string& path);

}  // namespace vantor::cli

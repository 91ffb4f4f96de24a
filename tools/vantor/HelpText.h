// The texts of --help and --version; the manual page is made from them.
#pragma once

#include <string_view>

#include "tools/vantor/CommandLine.h"

namespace vantor::cli {

// The help of the program (Command::None) or of one command.
std::string_view HelpText(Command command);
std::string_view VersionText();
// The line that follows a command-line error.
std::string_view TryHelpText(Command command);

}  // namespace vantor::cli

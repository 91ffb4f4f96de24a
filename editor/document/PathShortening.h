// Shortening of file paths for menus.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brenmoor {

// The path itself when it has at most width characters. Otherwise as many
// leading directories as fit, then "...", the separator and the file name,
// e.g. "C:\Projects\...\device.eds"; the file name is never cut, so a name
// longer than the width gives a longer result. Both '\' and '/' separate
// directories.
std::string ShortenPath(std::string_view path, std::size_t width);

}  // namespace brenmoor

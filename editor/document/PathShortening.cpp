#include "editor/document/PathShortening.h"

#include <cstddef>

namespace brenmoor {
namespace {

constexpr std::string_view kSeparators = "\\/";
constexpr std::string_view kEllipsis = "...";

}  // namespace

std::string ShortenPath(std::string_view path, std::size_t width) {
    if (path.size() <= width) return std::string(path);
    const std::size_t nameSeparator = path.find_last_of(kSeparators);
    if (nameSeparator == std::string_view::npos) return std::string(path);

    const std::string_view name = path.substr(nameSeparator + 1);
    // Room for the leading directories, each with its separator.
    const auto room = static_cast<std::ptrdiff_t>(width) - static_cast<std::ptrdiff_t>(name.size()) -
                      static_cast<std::ptrdiff_t>(kEllipsis.size() + 1);
    std::size_t prefixLength = 0;
    while (prefixLength < nameSeparator) {
        const std::size_t next = path.find_first_of(kSeparators, prefixLength);
        if (next >= nameSeparator || static_cast<std::ptrdiff_t>(next) >= room) break;
        prefixLength = next + 1;
    }

    std::string shortened(path.substr(0, prefixLength));
    shortened += kEllipsis;
    shortened += path[nameSeparator];
    shortened += name;
    return shortened;
}

}  // namespace brenmoor

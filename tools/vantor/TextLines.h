// Walking the lines of a text; lines end at LF, the last one needs none.
#pragma once

#include <string_view>

namespace vantor::cli {

// Calls visit(line, number) for each line, numbered from 1, without its LF.
template <class Visit>
void ForEachLine(std::string_view text, Visit&& visit) {
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        visit(text.substr(0, end), ++number);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

}  // namespace vantor::cli

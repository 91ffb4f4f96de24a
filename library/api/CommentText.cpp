#include "library/api/CommentText.h"

#include <string_view>

namespace vantor::api {

std::string WithLineFeeds(const char* text) {
    const std::string_view source(text);
    std::string result;
    result.reserve(source.size());
    for (std::size_t i = 0; i < source.size(); ++i) {
        if (source[i] != '\r') {
            result += source[i];
            continue;
        }
        result += '\n';
        if (i + 1 < source.size() && source[i + 1] == '\n') ++i;
    }
    return result;
}

}  // namespace vantor::api

// The comment text as the Comments section takes it.
#pragma once

#include <string>

namespace vantor::api {

// text with every line break as one LF: CR LF, LF and a lone CR each end a line.
std::string WithLineFeeds(const char* text);

}  // namespace vantor::api

// Problems as lines of text and as JSON.
#pragma once

#include <string>

#include "tools/vantor/Problem.h"

namespace vantor::cli {

// "FILE:LINE: error: [SECTION] KEY: message"; without a line "FILE: error: ...".
std::string ProblemLine(const std::string& file, const Problem& problem);
// One JSON object of the problem.
std::string ProblemJson(const Problem& problem);

}  // namespace vantor::cli

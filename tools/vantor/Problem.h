// One problem of a description text: where it is and what is wrong.
#pragma once

#include <string>
#include <vector>

namespace vantor::cli {

enum class Severity { Error, Warning };

struct Problem {
    int line = 0;  // 0 when no line of the text can be named
    Severity severity = Severity::Warning;
    std::string section;  // canonical section name, may be empty
    std::string key;      // may be empty
    std::string message;
};

using Problems = std::vector<Problem>;

// Orders problems by line; on one line errors come first, otherwise the order stays.
void SortByLine(Problems& problems);

}  // namespace vantor::cli

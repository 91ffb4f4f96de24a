#include "tools/vantor/Problem.h"

#include <algorithm>

namespace vantor::cli {

void SortByLine(Problems& problems) {
    std::stable_sort(problems.begin(), problems.end(), [](const Problem& a, const Problem& b) {
        if (a.line != b.line) return a.line < b.line;
        return a.severity == Severity::Error && b.severity == Severity::Warning;
    });
}

}  // namespace vantor::cli

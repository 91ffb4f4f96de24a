#include "tools/vantor/ProblemText.h"

#include "tools/vantor/Json.h"

namespace vantor::cli {
namespace {

std::string_view SeverityName(Severity severity) { return severity == Severity::Error ? "error" : "warning"; }

}  // namespace

std::string ProblemLine(const std::string& file, const Problem& problem) {
    std::string line = file;
    if (problem.line > 0) line += ":" + std::to_string(problem.line);
    line += ": " + std::string(SeverityName(problem.severity)) + ": ";
    if (!problem.section.empty()) line += "[" + problem.section + "] ";
    if (!problem.key.empty()) line += problem.key + ": ";
    return line + problem.message;
}

std::string ProblemJson(const Problem& problem) {
    return "{\"line\": " + JsonNumber(problem.line > 0 ? std::optional<int64_t>(problem.line) : std::nullopt) +
           ", \"severity\": \"" + std::string(SeverityName(problem.severity)) +
           "\", \"section\": " + JsonText(problem.section) + ", \"key\": " + JsonText(problem.key) +
           ", \"message\": " + JsonText(problem.message) + "}";
}

}  // namespace vantor::cli

// vantor check: the import's errors and the text's warnings of each file.
#include <algorithm>
#include <cstdio>
#include <iostream>

#include "tools/vantor/Commands.h"
#include "tools/vantor/EdsText.h"
#include "tools/vantor/ImportErrors.h"
#include "tools/vantor/Json.h"
#include "tools/vantor/ProblemText.h"
#include "tools/vantor/TextChecks.h"
#include "tools/vantor/WorkingCopy.h"

namespace vantor::cli {
namespace {

struct FileReport {
    std::string file;
    std::optional<std::string> failure;
    Problems problems;

    std::size_t Count(Severity severity) const {
        return static_cast<std::size_t>(std::count_if(problems.begin(), problems.end(),
                                                      [&](const Problem& p) { return p.severity == severity; }));
    }
};

std::optional<std::string> CheckFile(const std::string& file, Problems& problems) {
    InputFile input;
    if (auto cause = ReadInputFile(file, input)) return cause;
    if (input.kind == InputFile::Kind::SavedDescription)
        return "a saved description, not EDS text (try 'vantor info')";
    std::string cause;
    const auto work = WorkDir::Create("", cause);
    if (!work) return "cannot create a temporary directory: " + cause;
    WorkingCopy copy;
    if (auto failure = LoadWorkingCopy(input, *work, work->File("work.vdsc"), "checking " + file, copy))
        return failure;
    const EdsText text = EdsText::Parse(input.content);
    problems = LocateImportErrors(copy.importErrors, text);
    const Problems warnings = FindTextWarnings(text);
    problems.insert(problems.end(), warnings.begin(), warnings.end());
    SortByLine(problems);
    return std::nullopt;
}

void PrintText(const FileReport& report) {
    for (const Problem& problem : report.problems) std::cout << ProblemLine(report.file, problem) << '\n';
}

void PrintJson(const std::vector<FileReport>& reports) {
    std::size_t errors = 0, warnings = 0, failures = 0;
    std::cout << "{\n  \"files\": [";
    for (std::size_t i = 0; i < reports.size(); ++i) {
        const FileReport& report = reports[i];
        std::cout << (i ? ",\n" : "\n") << "    {\"file\": " << JsonFileName(report.file);
        if (report.failure) {
            ++failures;
            std::cout << ", \"failure\": " << JsonText(*report.failure) << "}";
            continue;
        }
        errors += report.Count(Severity::Error);
        warnings += report.Count(Severity::Warning);
        std::cout << ", \"errors\": " << report.Count(Severity::Error)
                  << ", \"warnings\": " << report.Count(Severity::Warning) << ", \"problems\": [";
        for (std::size_t p = 0; p < report.problems.size(); ++p)
            std::cout << (p ? ",\n" : "\n") << "      " << ProblemJson(report.problems[p]);
        std::cout << (report.problems.empty() ? "]}" : "\n    ]}");
    }
    std::cout << (reports.empty() ? "],\n" : "\n  ],\n") << "  \"errors\": " << errors << ",\n  \"warnings\": "
              << warnings << ",\n  \"failures\": " << failures << "\n}\n";
}

int ExitStatus(const std::vector<FileReport>& reports, bool strict) {
    int status = kExitClean;
    for (const FileReport& report : reports) {
        if (report.failure) return kExitFailure;
        if (report.Count(Severity::Error) > 0 || (strict && report.Count(Severity::Warning) > 0))
            status = kExitProblems;
    }
    return status;
}

}  // namespace

int RunCheck(const Options& options) {
    std::vector<FileReport> reports;
    for (const std::string& file : options.files) {
        FileReport& report = reports.emplace_back(FileReport{file, std::nullopt, {}});
        report.failure = CheckFile(file, report.problems);
        if (report.failure) ReportFailure(file, *report.failure);
        if (options.format == OutputFormat::Text) PrintText(report);
    }
    if (options.format == OutputFormat::Json) PrintJson(reports);
    std::cout.flush();
    return ExitStatus(reports, options.strict);
}

}  // namespace vantor::cli

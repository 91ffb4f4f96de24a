// The commands of the program; each returns the exit status.
#pragma once

#include "tools/vantor/CommandLine.h"

namespace vantor::cli {

constexpr int kExitClean = 0;
constexpr int kExitProblems = 1;
constexpr int kExitFailure = 2;

int RunCheck(const Options& options);
int RunConvert(const Options& options);
int RunInfo(const Options& options);

// Prints "vantor: FILE: cause" on standard error.
void ReportFailure(const std::string& file, const std::string& cause);

}  // namespace vantor::cli

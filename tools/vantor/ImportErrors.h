// The lines of the import's error file as problems at the line of the key
// they concern: value errors, and warnings for the notes on sections the
// import dropped.
#pragma once

#include <string_view>

#include "tools/vantor/EdsText.h"
#include "tools/vantor/Problem.h"

namespace vantor::cli {

// errorFile: the content of the error file ("[Error] SECTION: KEY: reason"
// lines); text: the file that was imported.
Problems LocateImportErrors(std::string_view errorFile, const EdsText& text);

}  // namespace vantor::cli

// vantor convert: IN (text or saved description) to OUT (EDS, DCF or saved
// description), written beside OUT first and renamed into place.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <sys/stat.h>

#include "common/Strings.h"
#include "tools/vantor/Commands.h"
#include "tools/vantor/EdsText.h"
#include "tools/vantor/ImportErrors.h"
#include "tools/vantor/ProblemText.h"
#include "tools/vantor/ProgressBar.h"
#include "tools/vantor/TextLines.h"
#include "tools/vantor/WorkingCopy.h"

namespace vantor::cli {
namespace {

using Failure = std::optional<std::string>;

// Where OUT may be written: not onto IN, not onto a directory.
Failure CheckOutputPath(const std::string& in, const std::string& out) {
    struct stat inStatus {}, outStatus {};
    if (stat(out.c_str(), &outStatus) != 0) return std::nullopt;
    if (S_ISDIR(outStatus.st_mode)) return "is a directory";
    if (stat(in.c_str(), &inStatus) == 0 && inStatus.st_dev == outStatus.st_dev && inStatus.st_ino == outStatus.st_ino)
        return "is the input file; it is never overwritten";
    return std::nullopt;
}

std::string DirectoryOf(const std::string& path) {
    const std::string parent = std::filesystem::path(path).parent_path().string();
    return parent.empty() ? "." : parent;
}

Failure SetCommissioning(const Description& description, const Options& options) {
    if (!options.nodeId && !options.baudRate) return std::nullopt;
    EdsDeviceComRecord commissioning{};
    EdsResult code = eds_GetDeviceCom(description.handle(), &commissioning);
    if (options.nodeId) commissioning.NodeId = *options.nodeId;
    if (options.baudRate) commissioning.Baudrate = *options.baudRate;
    if (code == 0) code = eds_SetDeviceCom(description.handle(), &commissioning);
    if (code != 0) return "cannot set the commissioning values: " + DescribeCode(code);
    return std::nullopt;
}

// Lists the problems of the export's error file; true when there were any.
bool ReportExportProblems(const std::string& out, const std::string& errorFile) {
    bool any = false;
    ForEachLine(errorFile, [&](std::string_view line, int) {
        line = TrimBlanks(line);
        if (line.empty()) return;
        std::cerr << out << ": error: " << line << '\n';
        any = true;
    });
    return any;
}

class Conversion {
public:
    Conversion(const Options& options, WorkDir& work)
        : options_(options), in_(options.files[0]), out_(options.files[1]), work_(work) {}

    // The exit status; failures are reported here.
    int Run(const InputFile& input) {
        const bool savedOutput = IsSavedDescriptionPath(out_);
        const std::string store = work_.File(savedOutput ? "output.vdsc" : "work.vdsc");
        WorkingCopy copy;
        if (Failure failure = LoadWorkingCopy(input, work_, store, "reading " + in_, copy)) return Fail(in_, *failure);
        const bool importErrors = ReportImportProblems(input, copy.importErrors);
        if (Failure failure = SetCommissioning(*copy.description, options_)) return Fail(out_, *failure);
        std::string written = store;
        bool exportProblems = false;
        const Failure failure =
            savedOutput ? SaveStore(*copy.description) : ExportText(*copy.description, written, exportProblems);
        if (failure) return Fail(out_, *failure);
        copy.description.reset();
        if (std::rename(written.c_str(), out_.c_str()) != 0)
            return Fail(out_, std::string("cannot write: ") + std::strerror(errno));
        return importErrors || exportProblems ? kExitProblems : kExitClean;
    }

private:
    int Fail(const std::string& file, const std::string& cause) const {
        ReportFailure(file, cause);
        return kExitFailure;
    }

    static Failure SaveStore(Description& description) {
        if (const EdsResult code = description.Save(); code != 0)
            return "cannot save the description: " + DescribeCode(code);
        return std::nullopt;
    }

    // Exports into the work directory; written is set to the text file.
    Failure ExportText(Description& description, std::string& written, bool& problems) {
        written = work_.File("output.eds");
        const std::string errorFile = work_.File("output.ERR");
        const ProgressBar progress("writing " + out_);
        if (const EdsResult code = description.Export(written, options_.dcf, progress); code != 0)
            return "export failed: " + DescribeCode(code);
        problems = ReportExportProblems(out_, ReadFileOrNothing(errorFile));
        return std::nullopt;
    }

    // Lists the import's problems; true when there were errors among them.
    bool ReportImportProblems(const InputFile& input, const std::string& importErrors) const {
        if (importErrors.empty()) return false;
        Problems problems = LocateImportErrors(importErrors, EdsText::Parse(input.content));
        SortByLine(problems);
        bool errors = false;
        for (const Problem& problem : problems) {
            std::cerr << ProblemLine(in_, problem) << '\n';
            errors = errors || problem.severity == Severity::Error;
        }
        return errors;
    }

    const Options& options_;
    const std::string& in_;
    const std::string& out_;
    WorkDir& work_;
};

}  // namespace

int RunConvert(const Options& options) {
    const std::string& in = options.files[0];
    const std::string& out = options.files[1];
    InputFile input;
    if (Failure cause = ReadInputFile(in, input)) {
        ReportFailure(in, *cause);
        return kExitFailure;
    }
    if (Failure cause = CheckOutputPath(in, out)) {
        ReportFailure(out, *cause);
        return kExitFailure;
    }
    std::string cause;
    const auto work = WorkDir::Create(DirectoryOf(out), cause);
    if (!work) {
        ReportFailure(out, "cannot write in " + DirectoryOf(out) + ": " + cause);
        return kExitFailure;
    }
    return Conversion(options, *work).Run(input);
}

}  // namespace vantor::cli

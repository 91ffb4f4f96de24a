// vantor: checks, converts and shows CANopen device descriptions.
#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "tools/vantor/CommandLine.h"
#include "tools/vantor/Commands.h"
#include "tools/vantor/HelpText.h"
#include "tools/vantor/WorkDir.h"

namespace vantor::cli {

void ReportFailure(const std::string& file, const std::string& cause) {
    std::cerr << "vantor: " << file << ": " << cause << '\n';
}

namespace {

int Run(const std::vector<std::string>& arguments) {
    Options options;
    if (auto wrong = ParseCommandLine(arguments, options)) {
        std::cerr << "vantor: " << *wrong << '\n' << TryHelpText(options.command);
        return kExitFailure;
    }
    if (options.help) {
        std::cout << HelpText(options.command);
        return kExitClean;
    }
    if (options.version) {
        std::cout << VersionText();
        return kExitClean;
    }
    RemoveWorkDirsOnSignals();
    switch (options.command) {
        case Command::Check: return RunCheck(options);
        case Command::Convert: return RunConvert(options);
        case Command::Info: return RunInfo(options);
        default: return kExitFailure;
    }
}

}  // namespace
}  // namespace vantor::cli

int main(int argc, char** argv) {
    try {
        return vantor::cli::Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::bad_alloc&) {
        std::cerr << "vantor: out of memory\n";
    } catch (const std::exception& error) {
        std::cerr << "vantor: " << error.what() << '\n';
    }
    return vantor::cli::kExitFailure;
}

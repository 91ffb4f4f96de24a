#include "tools/vantor/CommandLine.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <string_view>

#include "common/Strings.h"
#include "tools/vantor/ValueText.h"

namespace vantor::cli {
namespace {

constexpr std::array<uint16_t, 9> kBaudRates = {10, 20, 50, 100, 125, 250, 500, 800, 1000};
constexpr unsigned kMaxNodeId = 127;

using Failure = std::optional<std::string>;

struct OptionRule {
    bool takesValue;
    std::function<Failure(Options&, const std::string&)> apply;
};

Failure ParseFormat(Options& options, const std::string& value) {
    if (value == "text") options.format = OutputFormat::Text;
    else if (value == "json") options.format = OutputFormat::Json;
    else return "--format takes 'text' or 'json', not '" + value + "'";
    return std::nullopt;
}

Failure ParseNodeId(Options& options, const std::string& value) {
    const auto nodeId = ReadNumber(value);
    if (!nodeId || *nodeId < 1 || *nodeId > kMaxNodeId) return "--node-id takes a number from 1 to 127, not '" + value + "'";
    options.nodeId = static_cast<uint8_t>(*nodeId);
    return std::nullopt;
}

Failure ParseBaudRate(Options& options, const std::string& value) {
    std::string_view digits = value;
    if (digits.ends_with('k') || digits.ends_with('K')) digits.remove_suffix(1);
    const auto rate = ReadNumber(digits);
    if (!rate || std::find(kBaudRates.begin(), kBaudRates.end(), *rate) == kBaudRates.end())
        return "--baud takes a bit rate in kbit/s (10, 20, 50, 100, 125, 250, 500, 800 or 1000), not '" + value + "'";
    options.baudRate = static_cast<uint16_t>(*rate);
    return std::nullopt;
}

OptionRule Flag(bool Options::*member) {
    return {false, [member](Options& options, const std::string&) -> Failure {
                options.*member = true;
                return std::nullopt;
            }};
}

std::map<std::string, OptionRule> RulesOf(Command command) {
    switch (command) {
        case Command::Check:
            return {{"--strict", Flag(&Options::strict)}, {"--format", {true, ParseFormat}}};
        case Command::Convert:
            return {{"--dcf", Flag(&Options::dcf)},
                    {"--node-id", {true, ParseNodeId}},
                    {"--baud", {true, ParseBaudRate}}};
        case Command::Info:
            return {{"--objects", Flag(&Options::objects)}, {"--format", {true, ParseFormat}}};
        default: return {};
    }
}

std::optional<Command> CommandNamed(std::string_view name) {
    if (name == "check") return Command::Check;
    if (name == "convert") return Command::Convert;
    if (name == "info") return Command::Info;
    return std::nullopt;
}

Failure CheckFileCount(const Options& options) {
    switch (options.command) {
        case Command::Check:
            if (options.files.empty()) return "check needs at least one FILE";
            break;
        case Command::Convert:
            if (options.files.size() != 2) return "convert needs IN and OUT";
            if ((options.nodeId || options.baudRate) && !options.dcf) return "--node-id and --baud need --dcf";
            if (options.dcf && IsSavedDescriptionPath(options.files[1]))
                return "--dcf writes DCF text, but OUT names a saved description (.vdsc)";
            break;
        case Command::Info:
            if (options.files.size() != 1) return "info needs exactly one FILE";
            break;
        default: break;
    }
    return std::nullopt;
}

// Options before the command: only help and version.
Failure ParseProgramOption(const std::string& argument, Options& options) {
    if (argument == "-h" || argument == "--help") options.help = true;
    else if (argument == "-V" || argument == "--version") options.version = true;
    else return "unknown option '" + argument + "'";
    return std::nullopt;
}

Failure ParseCommandArguments(const std::vector<std::string>& arguments, std::size_t next, Options& options) {
    const auto rules = RulesOf(options.command);
    bool onlyFiles = false;
    for (; next < arguments.size(); ++next) {
        const std::string& argument = arguments[next];
        if (onlyFiles || argument == "-" || !argument.starts_with("-")) {
            options.files.push_back(argument);
            continue;
        }
        if (argument == "--") {
            onlyFiles = true;
            continue;
        }
        if (argument == "-h" || argument == "--help") {
            options.help = true;
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const auto rule = rules.find(name);
        if (rule == rules.end()) return "unknown option '" + name + "'";
        std::string value;
        if (!rule->second.takesValue) {
            if (equals != std::string::npos) return "option '" + name + "' takes no value";
        } else if (equals != std::string::npos) {
            value = argument.substr(equals + 1);
        } else if (next + 1 < arguments.size()) {
            value = arguments[++next];
        } else {
            return "option '" + name + "' needs a value";
        }
        if (Failure failure = rule->second.apply(options, value)) return failure;
    }
    return options.help ? std::nullopt : CheckFileCount(options);
}

}  // namespace

std::optional<std::string> ParseCommandLine(const std::vector<std::string>& arguments, Options& options) {
    options = {};
    std::size_t next = 0;
    for (; next < arguments.size() && arguments[next].starts_with("-"); ++next)
        if (Failure failure = ParseProgramOption(arguments[next], options)) return failure;
    if (next == arguments.size()) {
        if (options.help || options.version) return std::nullopt;
        return "no command given";
    }
    const auto command = CommandNamed(arguments[next]);
    if (!command) {
        if (arguments[next] == "help") {
            options.help = true;
            if (next + 1 < arguments.size()) options.command = CommandNamed(arguments[next + 1]).value_or(Command::None);
            return std::nullopt;
        }
        return "unknown command '" + arguments[next] + "'";
    }
    options.command = *command;
    return ParseCommandArguments(arguments, next + 1, options);
}

bool IsSavedDescriptionPath(const std::string& path) {
    constexpr std::string_view kExtension = ".vdsc";
    return path.size() > kExtension.size() && EqualNoCase(std::string_view(path).substr(path.size() - kExtension.size()), kExtension);
}

}  // namespace vantor::cli

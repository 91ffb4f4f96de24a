#include "tools/vantor/WorkingCopy.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "tools/vantor/ProgressBar.h"

namespace vantor::cli {
namespace {

std::optional<std::string> OpenSaved(const InputFile& input, const std::string& storePath, WorkingCopy& copy) {
    if (auto failure = WriteNewFile(storePath, input.content)) return failure;
    EdsResult code = 0;
    copy.description = Description::Open(storePath, code);
    if (!copy.description) return "cannot open the saved description: " + DescribeCode(code);
    return std::nullopt;
}

std::optional<std::string> ImportText(const InputFile& input, WorkDir& work, const std::string& storePath,
                                      const std::string& label, WorkingCopy& copy) {
    const std::string source = work.File("source.eds");
    const std::string errorFile = work.File("source.Err");
    if (auto failure = WriteNewFile(source, input.content)) return failure;
    EdsResult code = 0;
    copy.description = Description::Create(storePath, code);
    if (!copy.description) return "cannot create a working description: " + DescribeCode(code);
    {
        const ProgressBar progress(label);
        code = copy.description->Import(source, progress);
    }
    if (code != 0) return "import failed: " + DescribeCode(code);
    copy.importErrors = ReadFileOrNothing(errorFile);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> LoadWorkingCopy(const InputFile& input, WorkDir& work, const std::string& storePath,
                                           const std::string& label, WorkingCopy& copy) {
    copy = {};
    if (input.kind == InputFile::Kind::SavedDescription) return OpenSaved(input, storePath, copy);
    return ImportText(input, work, storePath, label, copy);
}

std::optional<std::string> WriteNewFile(const std::string& path, const std::string& content) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file) file.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (file) file.close();
    if (!file) return "cannot write " + path + ": " + std::strerror(errno);
    return std::nullopt;
}

std::string ReadFileOrNothing(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    if (file) content << file.rdbuf();
    return content.str();
}

}  // namespace vantor::cli

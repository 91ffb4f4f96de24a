#include "library/file/TextFiles.h"

#include <cstdio>

#include "common/Strings.h"

namespace vantor {

std::string ReplaceExtension(std::string_view path, std::string_view extension) {
    const PathParts parts = SplitPath(path);
    return JoinPath(parts.drive, parts.directory, parts.name, extension);
}

std::unique_ptr<CTextFileWriter> CreateTextFile(const std::string& path) {
    std::unique_ptr<CFileStream> file = CFileStream::Open(path.c_str(), CREATE_ALWAYS, 0, GENERIC_WRITE);
    if (!file) return nullptr;
    std::unique_ptr<CTextFileWriter> writer(new (std::nothrow) CTextFileWriter(std::move(file)));
    if (!writer) SetLastError(ERROR_OUTOFMEMORY);
    return writer;
}

std::string FormatLine(const char* format, ...) {
    char line[1024];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    return line;
}

CErrorLog::~CErrorLog() { Close(); }

bool CErrorLog::Create(const std::string& path) {
    Close();
    writer_ = CreateTextFile(path);
    if (!writer_) return false;
    path_ = path;
    return true;
}

void CErrorLog::WriteLine(std::string_view text) {
    if (!writer_) return;
    const std::string line(text);
    vantor::WriteLine(writer_.get(), line.c_str());
}

DWORD CErrorLog::Close() {
    if (!writer_) return ERROR_SUCCESS;
    const bool empty = writer_->Written() == 0;
    const DWORD result = writer_->Close();
    writer_.reset();
    if (empty) DeleteFileA(path_.c_str());
    path_.clear();
    return result;
}

}  // namespace vantor

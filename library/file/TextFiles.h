// Names and lifetimes of the files around a text exchange: the error file
// beside a text file, the temporary file an export writes first, and the
// error log that disappears again when nothing was written to it.
#pragma once

#include <cstdarg>
#include <memory>
#include <string>
#include <string_view>

#include "library/file/TextFileStreams.h"

namespace vantor {

// The path with its extension replaced: "C:\dev\io.eds" and ".Err" give
// "C:\dev\io.Err", a bare "io" gives "io.Err".
std::string ReplaceExtension(std::string_view path, std::string_view extension);

// Opens a file for writing without sharing, replacing an older one. Null
// when it cannot be created; the reason is left in the last-error value.
std::unique_ptr<CTextFileWriter> CreateTextFile(const std::string& path);

// A "%d" / "%4.4X" style line, cut at 1024 bytes.
std::string FormatLine(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The error file of a text exchange. Without a file every write does
// nothing; Close deletes the file again when no line was written.
class CErrorLog {
public:
    CErrorLog() = default;
    CErrorLog(const CErrorLog&) = delete;
    CErrorLog& operator=(const CErrorLog&) = delete;
    ~CErrorLog();

    // Creates the file; false (and the system's code in the last-error
    // value) when it cannot be created.
    bool Create(const std::string& path);
    // The stream section readers write their lines to; null without a file.
    CStream* Stream() const { return writer_.get(); }
    void WriteLine(std::string_view text);
    // Writes what is left, closes the file and deletes it when empty; the
    // first write failure, or 0.
    DWORD Close();

private:
    std::string path_;
    std::unique_ptr<CTextFileWriter> writer_;
};

}  // namespace vantor

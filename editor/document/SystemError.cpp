#include "editor/document/SystemError.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace brenmoor {
namespace {

struct CodeText {
    uint32_t code;
    std::string_view text;
};

constexpr std::array<CodeText, 31> kTexts{{
    {0, "The operation completed successfully."},
    {1, "Incorrect function."},
    {2, "The system cannot find the file specified."},
    {3, "The system cannot find the path specified."},
    {4, "The system cannot open the file."},
    {5, "Access is denied."},
    {6, "The handle is invalid."},
    {8, "Not enough memory resources are available to process this command."},
    {13, "The data is invalid."},
    {14, "Not enough memory resources are available to complete this operation."},
    {19, "The media is write protected."},
    {32, "The process cannot access the file because it is being used by another process."},
    {39, "The disk is full."},
    {80, "The file exists."},
    {87, "The parameter is incorrect."},
    {112, "There is not enough space on the disk."},
    {131, "An attempt was made to move the file pointer before the beginning of the file."},
    {180, "The system detected a segment number that was not correct."},
    {206, "The filename or extension is too long."},
    {267, "The directory name is invalid."},
    {0x80004001, "Not implemented."},
    {0x80004005, "Unspecified error."},
    {0x8000000A, "The data necessary to complete this operation is not yet available."},
    {0x8000FFFF, "Catastrophic failure."},
    {0x80030002, "The file could not be found."},
    {0x80030003, "The path could not be found."},
    {0x80030005, "Access denied."},
    {0x80030020, "A share violation has occurred."},
    {0x80030070, "There is insufficient disk space to complete operation."},
    {0x800300FB, "The file is not a valid compound file."},
    {0x800401F1, "The object is already initialized."},
}};

}  // namespace

std::string SystemErrorText(uint32_t code) {
    for (const CodeText& entry : kTexts) {
        if (entry.code == code) return std::string(entry.text);
    }
    char text[48];
    std::snprintf(text, sizeof text, "System error 0x%08X.", static_cast<unsigned>(code));
    return text;
}

}  // namespace brenmoor

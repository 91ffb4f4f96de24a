// One run of an EDS or DCF text export of a file storage object: the file
// sections in their fixed order, the object dictionary, in configuration
// mode the locally mapped object lists, progress, and the error file
// "<base>.ERR" beside the output. The text goes to a temporary file beside
// the target, which replaces the target only when all of it was written.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "library/file/Progress.h"
#include "library/file/TextFiles.h"
#include "vantor/vantor.h"

namespace vantor {

class CEdsFileStg;

class CEdsExport {
public:
    static constexpr const char* kErrorExtension = ".ERR";
    // The format mask of every export: the version 4.0 keys.
    static constexpr uint32_t kFormatMask = 2;

    CEdsExport(CEdsFileStg& file, bool writeDcf, EdsProgressProc callback, intptr_t context);

    // 0 once everything was written; the system's code when a file cannot be
    // created or written, 87 for a target named like its error file.
    HRESULT Run(const char* path);

private:
    struct MappedEntry {
        uint16_t index;
        uint8_t subIndex;
    };

    void WriteContent(CTextFileWriter& text);
    void WriteFileSection(uint16_t code, CTextFileWriter& text);
    void WriteMappedList(uint16_t index, const char* name, CTextFileWriter& text);
    bool ReadMappedEntries(uint16_t index, std::vector<MappedEntry>& entries);

    CEdsFileStg& file_;
    bool writeDcf_;
    CProgress progress_;
    EdsProgressProc callback_;
    intptr_t context_;
    CErrorLog log_;
};

}  // namespace vantor

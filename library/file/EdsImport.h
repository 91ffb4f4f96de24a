// One run of an EDS text import into a file storage object: the input read
// line by line, each section header handed to the storage object, progress,
// and the error file "<base>.Err" beside the input.
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_set>

#include "library/fields/EdsPers.h"
#include "library/file/Progress.h"
#include "library/file/TextFiles.h"
#include "vantor/vantor.h"

namespace vantor {

class CEdsFileStg;

class CEdsImport {
public:
    static constexpr const char* kErrorExtension = ".Err";

    CEdsImport(CEdsFileStg& file, EdsProgressProc callback, intptr_t context);

    // 0, the system's code when the input cannot be opened, or the failure
    // that ended the reading of a section.
    HRESULT Run(const char* path);

private:
    HRESULT ReadLines(CTextFileReader& input);
    HRESULT ReadSection(std::string_view name, CTextFileReader& input);
    // Writes a line for a section that the import drops.
    void NoteDroppedSection(std::string_view name, const SectionClass& section);
    static void SkipByteOrderMark(CTextFileReader& input);

    CEdsFileStg& file_;
    CProgress progress_;
    CErrorLog log_;
    // Sections read so far, to name those that a later one replaces.
    std::unordered_set<uint64_t> seen_;
};

}  // namespace vantor

// The document the editor works on: a description in a working compound
// file of its own in the temporary directory, deleted when the document is
// released, filled from and written to the user's EDS text files.
#pragma once

#include <optional>
#include <string>

#include "editor/document/EdsStore.h"

namespace brenmoor {

class WorkingFileName;

class CEdsFile : public CEdsStore {
public:
    // Delete-on-release, create, exclusive sharing, read-write.
    static constexpr DWORD kWorkingFileMode = STGM_DELETEONRELEASE | STGM_CREATE | STGM_SHARE_EXCLUSIVE | STGM_READWRITE;

    // Makes the working file and a new, empty description in it. Throws
    // SystemError when either cannot be made; nothing is left behind then.
    CEdsFile();

    // A new, empty description; the document counts as modified.
    EdsResult NewDescription() { return Reset(); }
    // A new description, filled from the EDS file at path when one is given.
    // The document is modified unless the import succeeded.
    EdsResult OpenEds(const std::optional<std::string>& path);
    // Writes the description to path; clears the modified flag on success.
    EdsResult SaveEds(const std::string& path) { return Export(path); }

private:
    explicit CEdsFile(WorkingFileName&& name);
};

}  // namespace brenmoor

// The editor's document: one description held by a library handle inside a
// compound file that the document owns. Views reach it through record
// operations addressed by a record kind and a key (RecordKinds.h).
//
// The editor's object records hold the object type and access type one
// higher than the library, and its segment records the direction one
// higher; the document converts at the boundary, wrapping in 8 and 16 bits
// so that the editor's 0 ("<empty>") travels as the library's unset 0xFF
// or 0xFFFF.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/document/ChangeNotification.h"
#include "vantor/vantor.h"

namespace brenmoor {

class CEdsStore : public CSubject {
public:
    using ProgressHandler = std::function<void(int percent)>;

    // Opens (or, with STGM_CREATE in mode, creates) the compound file at path
    // and the description in it; a file that does not exist is created, one
    // that exists but cannot be opened is left alone. path is in the file
    // system's encoding. Throws SystemError on failure.
    CEdsStore(const std::string& path, DWORD mode);
    // Closes the handle and releases the compound file, then detaches
    // every view.
    ~CEdsStore() override;

    // Replaces the description by a new, empty one in the same compound file.
    EdsResult Reset();
    // Reads an EDS text file into the description; clears the modified flag
    // on success.
    EdsResult Import(const std::string& path);
    // Writes the description as an EDS text file (never as DCF); clears the
    // modified flag on success.
    EdsResult Export(const std::string& path);

    EdsResult AllObjects(std::vector<uint16_t>& indexes);
    EdsResult AllSegments(std::vector<uint16_t>& segments);

    // Record operations by kind. Every one answers 6 when there is no
    // handle; a successful add, set or remove that reached the library sets
    // the modified flag.
    EdsResult AddRecord(const GUID& kind, uint32_t key, const void* record);
    EdsResult SetRecord(const GUID& kind, uint32_t key, const void* record);
    EdsResult GetRecord(const GUID& kind, uint32_t key, void* record);
    EdsResult RemoveRecord(const GUID& kind, uint32_t key);

    bool HasHandle() const { return handle_ != nullptr; }
    bool Modified() const { return modified_; }
    const std::string& Path() const { return path_; }

    // Receives the percentages of imports and exports.
    void SetProgressHandler(ProgressHandler handler) { progress_ = std::move(handler); }

private:
    struct StorageRelease {
        void operator()(IStorage* root) const { root->Release(); }
    };

    static void VANTOR_CALL RelayProgress(int32_t percent, intptr_t context);

    void CloseHandle();
    EdsResult WriteRecord(const GUID& kind, uint32_t key, const void* record, bool adding);
    EdsResult NoteChange(EdsResult code);

    std::string path_;
    std::unique_ptr<IStorage, StorageRelease> root_;
    EdsHandle handle_ = nullptr;
    bool modified_ = false;
    ProgressHandler progress_;
};

}  // namespace brenmoor

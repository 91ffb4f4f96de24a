// One open compound file: its element tree, the locked file behind it and
// what happens when its root is committed or finally released.
#pragma once

#include "storage/ElementTree.h"
#include "storage/LockedFile.h"
#include "storage/OpenMode.h"

#include <memory>
#include <string>

namespace vantor::storage {

class Docfile {
public:
    // An empty compound file at path, written at once; an empty path makes a
    // unique temporary file that is deleted on release.
    static HRESULT Create(const std::string& path, const OpenMode& mode, std::shared_ptr<Docfile>& docfile);
    static HRESULT Open(const std::string& path, const OpenMode& mode, std::shared_ptr<Docfile>& docfile);

    Docfile(LockedFile file, const OpenMode& mode);

    const std::shared_ptr<StorageElement>& root() const { return root_; }
    const std::string& path() const { return file_.path(); }
    bool closed() const { return closed_; }
    bool writable() const { return writable_; }

    void MarkModified() { modified_ = true; }
    // Brings the file up to date, atomically, when anything changed since the
    // last write; on failure the file on disk is the old one.
    HRESULT Flush();
    // The last release of the root: deletes the file or writes it (in place
    // when the folder refuses a new file), and lets go of the tree. Objects
    // still open on it report STG_E_REVERTED.
    void Close();

private:
    static HRESULT CheckHeader(const LockedFile& file);
    // With lastChance, a file whose folder refuses the atomic replacement is
    // written in place.
    HRESULT Write(bool lastChance);

    LockedFile file_;
    std::shared_ptr<StorageElement> root_;
    bool writable_;
    bool deleteOnRelease_;
    bool modified_ = false;
    bool closed_ = false;
};

}  // namespace vantor::storage

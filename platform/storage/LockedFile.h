// The file behind a root storage: an open descriptor holding a flock() lock
// for as long as the root lives, and atomic replacement of the file's
// content (a temporary file in the same folder, written, flushed to disk and
// renamed over the old one, which keeps the lock on the new file).
#pragma once

#include "vantor/platform/wintypes.h"

#include <span>
#include <string>
#include <vector>

namespace vantor::storage {

enum class LockKind { Shared, Exclusive };

class LockedFile {
public:
    LockedFile() = default;
    ~LockedFile() { Close(); }
    LockedFile(LockedFile&& other) noexcept;
    LockedFile& operator=(LockedFile&& other) noexcept;
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

    // An existing regular file. A lock held elsewhere gives STG_E_SHAREVIOLATION.
    static HRESULT Open(const std::string& path, bool writable, LockKind lock, LockedFile& file);
    // A new file, or (with replaceExisting) an existing one, locked exclusively.
    // An existing file without replaceExisting gives STG_E_FILEALREADYEXISTS.
    static HRESULT Create(const std::string& path, bool replaceExisting, LockedFile& file);
    // A new file with a unique name in the temporary folder.
    static HRESULT CreateTemporary(LockedFile& file);

    HRESULT ReadAll(std::vector<uint8_t>& bytes) const;
    // Replaces the file's content atomically; on failure the old file stays.
    HRESULT Replace(std::span<const uint8_t> bytes);
    // Removes the file (when the name still refers to it) and closes it.
    void Delete();
    void Close();

    const std::string& path() const { return path_; }
    // Whether Create made the file rather than taking over an existing one.
    bool createdNew() const { return createdNew_; }

private:
    HRESULT Lock(int fd) const;
    bool NameRefersTo(int fd) const;

    int fd_ = -1;
    std::string path_;
    LockKind lock_ = LockKind::Exclusive;
    bool createdNew_ = false;
};

}  // namespace vantor::storage

// The file behind a root storage: an open descriptor holding a flock() lock
// for as long as the root lives, and atomic replacement of the file's
// content. The new content is written into an unnamed file in the target's
// folder (O_TMPFILE), flushed to disk, given a name and renamed over the old
// file, which keeps the lock on the new file; a crash before the rename
// leaves nothing behind. Where the file system has no unnamed files, a named
// one is written instead. Either name is one per target, so that what a
// crash between naming and renaming leaves is removed by the next writer.
#pragma once

#include "LockedOpen.h"
#include "vantor/platform/wintypes.h"

#include <span>
#include <string>
#include <vector>

namespace vantor::storage {

using files::LockKind;

class LockedFile {
public:
    LockedFile() = default;
    ~LockedFile() { Close(); }
    LockedFile(LockedFile&& other) noexcept;
    LockedFile& operator=(LockedFile&& other) noexcept;
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

    // An existing regular file. A lock held elsewhere gives STG_E_SHAREVIOLATION.
    // A writable file also loses what a crashed save left beside it.
    static HRESULT Open(const std::string& path, bool writable, LockKind lock, LockedFile& file);
    // A new file, or (with replaceExisting) an existing one, locked exclusively.
    // An existing file without replaceExisting gives STG_E_FILEALREADYEXISTS.
    static HRESULT Create(const std::string& path, bool replaceExisting, LockedFile& file);
    // A new file with a unique name in the temporary folder.
    static HRESULT CreateTemporary(LockedFile& file);

    HRESULT Size(uint64_t& size) const;
    // Reads up to bytes.size() bytes from offset; the span is cut to what was read.
    HRESULT ReadAt(uint64_t offset, std::span<uint8_t>& bytes) const;
    HRESULT ReadAll(std::vector<uint8_t>& bytes) const;
    // Replaces the file's content atomically; on failure the old file stays.
    // STG_E_ACCESSDENIED when the folder takes no new file.
    HRESULT Replace(std::span<const uint8_t> bytes);
    // Writes the content into the file itself, for when Replace cannot: not
    // atomic, but the space is reserved first so that a full disk cannot cut
    // the file short.
    HRESULT Overwrite(std::span<const uint8_t> bytes);
    // Removes the file (when the name still refers to it) and closes it.
    void Delete();
    void Close();

    const std::string& path() const { return path_; }
    // Whether Create made the file rather than taking over an existing one.
    bool createdNew() const { return createdNew_; }

private:
    static HRESULT OpenAs(const std::string& path, int flags, files::Disposition disposition, LockKind lock,
                          LockedFile& file);
    std::string ReplacementName() const;
    void RemoveStaleReplacement() const;
    HRESULT WriteNewFile(int fd, std::span<const uint8_t> bytes) const;
    HRESULT ReplaceThroughUnnamedFile(std::span<const uint8_t> bytes, bool& unsupported);
    HRESULT ReplaceThroughNamedFile(std::span<const uint8_t> bytes);
    HRESULT Install(int fd, const std::string& name);

    int fd_ = -1;
    std::string path_;
    LockKind lock_ = LockKind::Exclusive;
    bool createdNew_ = false;
};

}  // namespace vantor::storage

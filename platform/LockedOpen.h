// Opening a file and taking its whole-file flock() lock, as one step shared by
// the file functions and the compound files. Another process may rename a new
// file over the name between the open and the lock (compound files are saved
// that way); the file is then opened again, so that the lock always belongs
// to the file the name refers to.
#pragma once

namespace vantor::files {

enum class LockKind { Shared, Exclusive };

enum class Disposition { OpenExisting, CreateNew, OpenOrCreate };

struct LockedDescriptor {
    int fd = -1;
    bool created = false;  // made by this open rather than found
};

// flock() without waiting, retried when a signal interrupts it: 0, or the
// errno value (EWOULDBLOCK while a conflicting lock is held elsewhere).
int LockDescriptor(int fd, LockKind kind);

// Opens path with the access and status flags (new files get mode 0666, less
// the umask) and locks it: 0 with the descriptor, or the errno value (EISDIR
// for a folder, EEXIST when CreateNew finds a file, EWOULDBLOCK when the lock
// is held elsewhere).
int OpenLocked(const char* path, int flags, Disposition disposition, LockKind kind, LockedDescriptor& opened);

// Whether the name still refers to the open file.
bool NameRefersTo(const char* path, int fd);

}  // namespace vantor::files

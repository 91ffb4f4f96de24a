#include <gtest/gtest.h>

#include <cerrno>
#include <thread>

#include "vantor/platform.h"

namespace {

TEST(LastError, EachThreadHasItsOwnValue) {
    SetLastError(ERROR_DISK_FULL);
    DWORD seenByOther = 1;
    std::thread other([&] {
        seenByOther = GetLastError();
        SetLastError(ERROR_SHARING_VIOLATION);
    });
    other.join();
    EXPECT_EQ(seenByOther, ERROR_SUCCESS);
    EXPECT_EQ(GetLastError(), ERROR_DISK_FULL);
}

TEST(LastError, ErrnoMapsToWin32NumbersAndStorageStatus) {
    const struct {
        int err;
        DWORD win32;
        HRESULT status;
    } cases[] = {
        {0, 0, S_OK},
        {ENOENT, 2, STG_E_FILENOTFOUND},
        {ENOTDIR, 3, STG_E_PATHNOTFOUND},
        {EACCES, 5, STG_E_ACCESSDENIED},
        {EBADF, 6, STG_E_INVALIDHANDLE},
        {EWOULDBLOCK, 32, STG_E_LOCKVIOLATION},
        {EEXIST, 80, STG_E_FILEALREADYEXISTS},
        {EINVAL, 87, STG_E_INVALIDPARAMETER},
        {ENOSPC, 112, STG_E_MEDIUMFULL},
        {EDQUOT, 112, STG_E_MEDIUMFULL},
        {EROFS, 19, STG_E_DISKISWRITEPROTECTED},
        {ESPIPE, 25, STG_E_SEEKERROR},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Win32ErrorFromErrno(c.err), c.win32) << c.err;
        EXPECT_EQ(StorageStatusFromErrno(c.err), c.status) << c.err;
    }
}

}  // namespace

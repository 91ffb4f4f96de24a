#include "vantor/platform/lasterror.h"

#include <cerrno>

namespace {
thread_local DWORD tLastError = 0;
}

DWORD GetLastError() { return tLastError; }

void SetLastError(DWORD dwErrCode) { tLastError = dwErrCode; }

DWORD Win32ErrorFromErrno(int errnoValue) {
    switch (errnoValue) {
    case 0: return ERROR_SUCCESS;
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case ELOOP: return ERROR_PATH_NOT_FOUND;
    case EMFILE:
    case ENFILE: return ERROR_TOO_MANY_OPEN_FILES;
    case EACCES:
    case EPERM:
    case EISDIR: return ERROR_ACCESS_DENIED;
    case EBADF: return ERROR_INVALID_HANDLE;
    case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
    case EROFS: return ERROR_WRITE_PROTECT;
    case EIO: return ERROR_WRITE_FAULT;
    case EWOULDBLOCK:
    case ETXTBSY: return ERROR_SHARING_VIOLATION;
    case EBUSY: return ERROR_BUSY;
    case EEXIST: return ERROR_FILE_EXISTS;
    case EINVAL: return ERROR_INVALID_PARAMETER;
    case EFAULT: return ERROR_INVALID_PARAMETER;
    case EPIPE: return ERROR_BROKEN_PIPE;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return ERROR_DISK_FULL;
    case ENAMETOOLONG: return ERROR_FILENAME_EXCED_RANGE;
    case ENOTEMPTY: return ERROR_DIR_NOT_EMPTY;
    case ESPIPE: return ERROR_SEEK;
    case ENOTSUP: return ERROR_NOT_SUPPORTED;
    default: return ERROR_INVALID_FUNCTION;
    }
}

HRESULT StorageStatusFromErrno(int errnoValue) {
    switch (errnoValue) {
    case 0: return S_OK;
    case ENOENT: return STG_E_FILENOTFOUND;
    case ENOTDIR:
    case ELOOP: return STG_E_PATHNOTFOUND;
    case EMFILE:
    case ENFILE: return STG_E_TOOMANYOPENFILES;
    case EACCES:
    case EPERM:
    case EISDIR: return STG_E_ACCESSDENIED;
    case EROFS: return STG_E_DISKISWRITEPROTECTED;
    case ENOMEM: return STG_E_INSUFFICIENTMEMORY;
    case EWOULDBLOCK: return STG_E_LOCKVIOLATION;
    case ETXTBSY: return STG_E_SHAREVIOLATION;
    case EBADF: return STG_E_INVALIDHANDLE;
    case ESPIPE: return STG_E_SEEKERROR;
    case EEXIST: return STG_E_FILEALREADYEXISTS;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return STG_E_MEDIUMFULL;
    case EIO: return STG_E_WRITEFAULT;
    case EINVAL: return STG_E_INVALIDPARAMETER;
    case ENAMETOOLONG: return STG_E_INVALIDNAME;
    default: return STG_E_UNKNOWN;
    }
}

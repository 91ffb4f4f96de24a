#include "storage/OpenMode.h"

namespace vantor::storage {

namespace {

constexpr DWORD kAccessMask = 0x3;
constexpr DWORD kShareMask = 0x70;
constexpr DWORD kSupported = kAccessMask | kShareMask | STGM_CREATE | STGM_DELETEONRELEASE;

bool IsValidShare(DWORD share) {
    return share == 0 || share == STGM_SHARE_EXCLUSIVE || share == STGM_SHARE_DENY_WRITE ||
           share == STGM_SHARE_DENY_READ || share == STGM_SHARE_DENY_NONE;
}

}  // namespace

HRESULT ParseOpenMode(DWORD flags, ModeUse use, OpenMode& mode) {
    if (flags & ~kSupported) return STG_E_INVALIDFLAG;
    const DWORD access = flags & kAccessMask;
    const DWORD share = flags & kShareMask;
    if (access == kAccessMask || !IsValidShare(share)) return STG_E_INVALIDFLAG;
    const bool creating = use == ModeUse::CreateRoot || use == ModeUse::CreateElement;
    if ((flags & STGM_CREATE) && !creating) return STG_E_INVALIDFLAG;
    if ((flags & STGM_DELETEONRELEASE) && use != ModeUse::CreateRoot) return STG_E_INVALIDFLAG;

    mode.flags = flags;
    mode.canRead = access != STGM_WRITE;
    mode.canWrite = access != STGM_READ;
    mode.create = (flags & STGM_CREATE) != 0;
    mode.deleteOnRelease = (flags & STGM_DELETEONRELEASE) != 0;
    mode.denyReaders = share == STGM_SHARE_EXCLUSIVE || share == STGM_SHARE_DENY_READ;
    if (use == ModeUse::CreateRoot && !mode.canWrite) return STG_E_INVALIDFLAG;
    return S_OK;
}

}  // namespace vantor::storage

#include "storage/StreamObject.h"

#include "storage/ElementStat.h"
#include "storage/StorageLimits.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace vantor::storage {

namespace {

constexpr ULONG kCopyChunk = 1u << 20;

}  // namespace

StreamObject::StreamObject(std::shared_ptr<Docfile> docfile, std::shared_ptr<StreamElement> element,
                           const OpenMode& mode, uint64_t position)
    : docfile_(std::move(docfile)), element_(std::move(element)), mode_(mode), position_(position) {}

HRESULT StreamObject::QueryInterface(REFIID riid, void** object) {
    return AnswerQuery(riid, object, IID_IStream, IID_ISequentialStream);
}

HRESULT StreamObject::CheckUsable() const {
    return docfile_->closed() || element_->detached() ? STG_E_REVERTED : S_OK;
}

HRESULT StreamObject::CheckReadable() const {
    if (HRESULT hr = CheckUsable(); FAILED(hr)) return hr;
    return mode_.canRead ? S_OK : STG_E_ACCESSDENIED;
}

HRESULT StreamObject::CheckWritable() const {
    if (HRESULT hr = CheckUsable(); FAILED(hr)) return hr;
    return mode_.canWrite ? S_OK : STG_E_ACCESSDENIED;
}

HRESULT StreamObject::Resize(uint64_t size) {
    if (size > kMaxStreamSize) return STG_E_MEDIUMFULL;
    auto& data = element_->data();
    if (size != data.size()) {
        data.resize(static_cast<size_t>(size));
        docfile_->MarkModified();
    }
    return S_OK;
}

HRESULT StreamObject::Read(void* pv, ULONG cb, ULONG* pcbRead) {
    return Guarded([&]() -> HRESULT {
        if (pcbRead) *pcbRead = 0;
        if (!pv && cb != 0) return STG_E_INVALIDPOINTER;
        if (HRESULT hr = CheckReadable(); FAILED(hr)) return hr;
        const auto& data = element_->data();
        if (position_ >= data.size()) return S_OK;
        const ULONG count = static_cast<ULONG>(std::min<uint64_t>(cb, data.size() - position_));
        if (count) std::memcpy(pv, data.data() + position_, count);
        position_ += count;
        if (pcbRead) *pcbRead = count;
        return S_OK;
    });
}

HRESULT StreamObject::Write(const void* pv, ULONG cb, ULONG* pcbWritten) {
    return Guarded([&]() -> HRESULT {
        if (pcbWritten) *pcbWritten = 0;
        if (!pv && cb != 0) return STG_E_INVALIDPOINTER;
        if (HRESULT hr = CheckWritable(); FAILED(hr)) return hr;
        if (cb == 0) return S_OK;
        if (position_ > kMaxStreamSize || cb > kMaxStreamSize - position_) return STG_E_MEDIUMFULL;
        const uint64_t end = position_ + cb;
        if (end > element_->size())
            if (HRESULT hr = Resize(end); FAILED(hr)) return hr;
        std::memcpy(element_->data().data() + position_, pv, cb);
        docfile_->MarkModified();
        position_ = end;
        if (pcbWritten) *pcbWritten = cb;
        return S_OK;
    });
}

HRESULT StreamObject::Seek(LARGE_INTEGER dlibMove, DWORD dwOrigin, ULARGE_INTEGER* plibNewPosition) {
    return Guarded([&]() -> HRESULT {
        if (HRESULT hr = CheckUsable(); FAILED(hr)) return hr;
        uint64_t base = 0;
        switch (dwOrigin) {
        case STREAM_SEEK_SET: base = 0; break;
        case STREAM_SEEK_CUR: base = position_; break;
        case STREAM_SEEK_END: base = element_->size(); break;
        default: return STG_E_INVALIDFUNCTION;
        }
        const int64_t move = dlibMove.QuadPart;
        if (move < 0 && static_cast<uint64_t>(-(move + 1)) + 1 > base) return STG_E_INVALIDFUNCTION;
        if (move > 0 && static_cast<uint64_t>(move) > UINT64_MAX - base) return STG_E_INVALIDFUNCTION;
        position_ = move < 0 ? base - (static_cast<uint64_t>(-(move + 1)) + 1) : base + static_cast<uint64_t>(move);
        if (plibNewPosition) plibNewPosition->QuadPart = position_;
        return S_OK;
    });
}

HRESULT StreamObject::SetSize(ULARGE_INTEGER libNewSize) {
    return Guarded([&]() -> HRESULT {
        if (HRESULT hr = CheckWritable(); FAILED(hr)) return hr;
        return Resize(libNewSize.QuadPart);
    });
}

HRESULT StreamObject::CopyTo(IStream* pstm, ULARGE_INTEGER cb, ULARGE_INTEGER* pcbRead, ULARGE_INTEGER* pcbWritten) {
    return Guarded([&]() -> HRESULT {
        if (pcbRead) pcbRead->QuadPart = 0;
        if (pcbWritten) pcbWritten->QuadPart = 0;
        if (!pstm) return STG_E_INVALIDPOINTER;
        if (HRESULT hr = CheckReadable(); FAILED(hr)) return hr;
        const uint64_t available = position_ < element_->size() ? element_->size() - position_ : 0;
        const uint64_t total = std::min(cb.QuadPart, available);
        std::vector<uint8_t> chunk;
        uint64_t read = 0;
        uint64_t written = 0;
        HRESULT hr = S_OK;
        while (read < total && SUCCEEDED(hr) && position_ < element_->size()) {
            // The chunk is taken before writing: the target may be this very
            // stream, which moves the position and may grow the data.
            const uint64_t left = std::min(total - read, element_->size() - position_);
            const ULONG count = static_cast<ULONG>(std::min<uint64_t>(kCopyChunk, left));
            chunk.assign(element_->data().begin() + static_cast<ptrdiff_t>(position_),
                         element_->data().begin() + static_cast<ptrdiff_t>(position_ + count));
            position_ += count;
            read += count;
            ULONG accepted = 0;
            hr = pstm->Write(chunk.data(), count, &accepted);
            written += accepted;
            if (SUCCEEDED(hr) && accepted < count) hr = STG_E_MEDIUMFULL;
        }
        if (pcbRead) pcbRead->QuadPart = read;
        if (pcbWritten) pcbWritten->QuadPart = written;
        return hr;
    });
}

HRESULT StreamObject::Commit(DWORD grfCommitFlags) {
    if (grfCommitFlags & ~0xFu) return STG_E_INVALIDFLAG;
    return CheckUsable();
}

HRESULT StreamObject::Revert() { return CheckUsable(); }

HRESULT StreamObject::LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) { return STG_E_INVALIDFUNCTION; }

HRESULT StreamObject::UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) { return STG_E_INVALIDFUNCTION; }

HRESULT StreamObject::Stat(STATSTG* pstatstg, DWORD grfStatFlag) {
    return Guarded([&]() -> HRESULT {
        if (!pstatstg) return STG_E_INVALIDPOINTER;
        if (HRESULT hr = CheckStatFlag(grfStatFlag); FAILED(hr)) return hr;
        if (HRESULT hr = CheckUsable(); FAILED(hr)) return hr;
        ElementStat stat = DescribeElement(*element_);
        stat.mode = mode_.flags;
        return FillStatStg(stat, grfStatFlag, *pstatstg);
    });
}

HRESULT StreamObject::Clone(IStream** ppstm) {
    return Guarded([&]() -> HRESULT {
        if (!ppstm) return STG_E_INVALIDPOINTER;
        *ppstm = nullptr;
        if (HRESULT hr = CheckUsable(); FAILED(hr)) return hr;
        *ppstm = new StreamObject(docfile_, element_, mode_, position_);
        return S_OK;
    });
}

}  // namespace vantor::storage

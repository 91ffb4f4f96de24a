// IStream over a stream element, with its own seek position. Several
// objects may be open on one element; all see every write at once.
#pragma once

#include "storage/ComObject.h"
#include "storage/Docfile.h"

#include <memory>

namespace vantor::storage {

class StreamObject final : public ComObject<IStream> {
public:
    StreamObject(std::shared_ptr<Docfile> docfile, std::shared_ptr<StreamElement> element, const OpenMode& mode,
                 uint64_t position = 0);

    HRESULT QueryInterface(REFIID riid, void** object) override;

    HRESULT Read(void* pv, ULONG cb, ULONG* pcbRead) override;
    HRESULT Write(const void* pv, ULONG cb, ULONG* pcbWritten) override;
    HRESULT Seek(LARGE_INTEGER dlibMove, DWORD dwOrigin, ULARGE_INTEGER* plibNewPosition) override;
    HRESULT SetSize(ULARGE_INTEGER libNewSize) override;
    HRESULT CopyTo(IStream* pstm, ULARGE_INTEGER cb, ULARGE_INTEGER* pcbRead, ULARGE_INTEGER* pcbWritten) override;
    HRESULT Commit(DWORD grfCommitFlags) override;
    HRESULT Revert() override;
    HRESULT LockRegion(ULARGE_INTEGER libOffset, ULARGE_INTEGER cb, DWORD dwLockType) override;
    HRESULT UnlockRegion(ULARGE_INTEGER libOffset, ULARGE_INTEGER cb, DWORD dwLockType) override;
    HRESULT Stat(STATSTG* pstatstg, DWORD grfStatFlag) override;
    HRESULT Clone(IStream** ppstm) override;

private:
    HRESULT CheckUsable() const;
    HRESULT CheckReadable() const;
    HRESULT CheckWritable() const;
    HRESULT Resize(uint64_t size);

    std::shared_ptr<Docfile> docfile_;
    std::shared_ptr<StreamElement> element_;
    OpenMode mode_;
    uint64_t position_;
};

}  // namespace vantor::storage

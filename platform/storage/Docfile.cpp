#include "storage/Docfile.h"

#include "storage/CfbHeader.h"
#include "storage/CompoundFileReader.h"
#include "storage/CompoundFileWriter.h"

#include <array>

namespace vantor::storage {

Docfile::Docfile(LockedFile file, const OpenMode& mode)
    : file_(std::move(file)), writable_(mode.canWrite), deleteOnRelease_(mode.deleteOnRelease) {}

HRESULT Docfile::Create(const std::string& path, const OpenMode& mode, std::shared_ptr<Docfile>& docfile) {
    LockedFile file;
    const HRESULT opened = path.empty() ? LockedFile::CreateTemporary(file) : LockedFile::Create(path, mode.create, file);
    if (FAILED(opened)) return opened;

    OpenMode effective = mode;
    effective.deleteOnRelease = mode.deleteOnRelease || path.empty();
    auto created = std::make_shared<Docfile>(std::move(file), effective);
    created->root_ = std::make_shared<StorageElement>(u"Root Entry");
    created->root_->creationTime = created->root_->modificationTime = CurrentFileTime();
    created->modified_ = true;
    if (HRESULT hr = created->Flush(); FAILED(hr)) {
        if (created->file_.createdNew())
            created->file_.Delete();
        else
            created->file_.Close();
        return hr;
    }
    docfile = std::move(created);
    return S_OK;
}

// A file that is not a compound file, or is larger than its header allows,
// is refused before it is read whole.
HRESULT Docfile::CheckHeader(const LockedFile& file) {
    uint64_t size = 0;
    if (HRESULT hr = file.Size(size); FAILED(hr)) return hr;
    std::array<uint8_t, cfb::kHeaderSize> start{};
    std::span<uint8_t> read(start);
    if (HRESULT hr = file.ReadAt(0, read); FAILED(hr)) return hr;
    CfbHeader header;
    return ParseCfbHeader(read, size, header);
}

HRESULT Docfile::Open(const std::string& path, const OpenMode& mode, std::shared_ptr<Docfile>& docfile) {
    const LockKind lock = mode.canWrite || mode.denyReaders ? LockKind::Exclusive : LockKind::Shared;
    LockedFile file;
    if (HRESULT hr = LockedFile::Open(path, mode.canWrite, lock, file); FAILED(hr)) return hr;
    if (HRESULT hr = CheckHeader(file); FAILED(hr)) return hr;
    std::vector<uint8_t> bytes;
    if (HRESULT hr = file.ReadAll(bytes); FAILED(hr)) return hr;
    std::shared_ptr<StorageElement> root;
    if (HRESULT hr = ReadCompoundFile(bytes, root); FAILED(hr)) return hr;

    auto opened = std::make_shared<Docfile>(std::move(file), mode);
    opened->root_ = std::move(root);
    docfile = std::move(opened);
    return S_OK;
}

HRESULT Docfile::Flush() { return Write(false); }

HRESULT Docfile::Write(bool lastChance) {
    if (closed_) return STG_E_REVERTED;
    if (!writable_ || !modified_) return S_OK;
    SerializedFile serialized;
    if (HRESULT hr = WriteCompoundFile(*root_, serialized); FAILED(hr)) return hr;
    HRESULT hr = file_.Replace(serialized.bytes());
    // The folder takes no new file, but the file itself may be written: at the
    // last release that is better than losing the changes.
    if (hr == STG_E_ACCESSDENIED && lastChance) hr = file_.Overwrite(serialized.bytes());
    if (FAILED(hr)) return hr;
    modified_ = false;
    return S_OK;
}

void Docfile::Close() {
    if (closed_) return;
    if (deleteOnRelease_) {
        file_.Delete();
    } else {
        // Nobody is left to hear about a failure here; callers that must
        // know commit before the last release, and a commit that failed
        // reports it.
        static_cast<void>(Write(true));
        file_.Close();
    }
    closed_ = true;
    root_.reset();
}

}  // namespace vantor::storage

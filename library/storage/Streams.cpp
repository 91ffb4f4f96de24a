#include "library/storage/Streams.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

namespace vantor {

namespace {

constexpr int64_t kMaxStreamLength = std::numeric_limits<int32_t>::max();

// Odd on purpose: the chunk size is part of the observable read pattern.
constexpr int32_t kCopyChunk = 1025;

}  // namespace

// ---- CStream ---------------------------------------------------------------

void CStream::SetError(DWORD code) { error_ = code; }

DWORD CStream::GetError() const { return error_; }

int32_t CStream::Read(void*, int32_t) { return 0; }

int32_t CStream::Write(const void*, int32_t) { return 0; }

int32_t CStream::Seek(int32_t, int32_t) { return 0; }

int32_t CStream::GetPosition() { return 0; }

int32_t CStream::GetSize() { return 0; }

int32_t CStream::SetSize(int32_t) { return 0; }

int32_t CStream::Fail(DWORD code) {
    SetError(code);
    return -1;
}

int32_t CStream::CopyTo(CStream* target, int32_t count) {
    if (!target) return Fail(ERROR_INVALID_PARAMETER);
    if (count == 0) {
        SetError(ERROR_SUCCESS);
        return 0;
    }
    if (count < 0) {
        count = GetSize();
        if (count == -1) return -1;
    }
    int32_t position = GetPosition();
    if (position == -1) return -1;

    uint8_t chunk[kCopyChunk];
    int32_t copied = 0;
    while (copied < count) {
        const int32_t read = Read(chunk, std::min(kCopyChunk, count - copied));
        if (read == -1) return -1;
        if (read == 0) break;
        const int32_t written = target->Write(chunk, read);
        if (written == -1) {
            Seek(position, kSeekBegin);
            return Fail(target->GetError());
        }
        position += written;
        copied += written;
        if (written < read) {
            // Leave this stream just after the bytes the target accepted.
            Seek(position, kSeekBegin);
            SetError(ERROR_DISK_FULL);
            return copied;
        }
    }
    SetError(ERROR_SUCCESS);
    return copied;
}

// ---- CStreamBuffer ---------------------------------------------------------

CStreamBuffer::~CStreamBuffer() { SetCapacity(0); }

bool CStreamBuffer::SetCapacity(int32_t capacity) {
    if (capacity < 0) {
        SetError(ERROR_INVALID_PARAMETER);
        return false;
    }
    if (capacity == 0) {
        buffer_.reset();
        capacity_ = 0;
        return true;
    }
    const uint32_t rounded = (static_cast<uint32_t>(capacity) + kPageSize - 1) / kPageSize * kPageSize;
    if (rounded == capacity_) return true;

    std::unique_ptr<uint8_t[]> grown(new (std::nothrow) uint8_t[rounded]);
    if (!grown) {
        SetError(ERROR_OUTOFMEMORY);
        return false;
    }
    if (buffer_) std::memcpy(grown.get(), buffer_.get(), std::min(rounded, capacity_));
    buffer_ = std::move(grown);
    capacity_ = rounded;
    return true;
}

// ---- CMemoryStream ---------------------------------------------------------

int32_t CMemoryStream::Read(void* buffer, int32_t count) {
    if (!buffer || count < 0) return Fail(ERROR_INVALID_PARAMETER);
    SetError(ERROR_SUCCESS);
    if (count == 0 || !Data() || position_ >= size_) return 0;
    const int32_t moved = std::min(count, size_ - position_);
    std::memcpy(buffer, Data() + position_, static_cast<size_t>(moved));
    position_ += moved;
    return moved;
}

int32_t CMemoryStream::Write(const void* buffer, int32_t count) {
    if (!buffer || count < 0) return Fail(ERROR_INVALID_PARAMETER);
    SetError(ERROR_SUCCESS);
    if (count == 0) return 0;
    const int64_t end = int64_t{position_} + count;
    if (end > kMaxStreamLength) return Fail(ERROR_INVALID_PARAMETER);
    if (end > size_ && !GrowForWrite(end)) return -1;
    std::memcpy(Data() + position_, buffer, static_cast<size_t>(count));
    position_ = static_cast<int32_t>(end);
    return count;
}

int32_t CMemoryStream::CopyTo(CStream* target, int32_t count) {
    if (!target) return Fail(ERROR_INVALID_PARAMETER);
    const int32_t left = size_ - position_;
    if (left <= 0 || count == 0) {
        SetError(ERROR_SUCCESS);
        return 0;
    }
    if (count < 0 || count > left) count = left;
    const int32_t written = target->Write(Data() + position_, count);
    if (written == count) {
        position_ += count;
        SetError(ERROR_SUCCESS);
        return count;
    }
    return Fail(written == -1 ? target->GetError() : ERROR_DISK_FULL);
}

int32_t CMemoryStream::Seek(int32_t offset, int32_t origin) {
    int64_t base = 0;
    switch (origin) {
    case kSeekBegin: base = 0; break;
    case kSeekCurrent: base = position_; break;
    case kSeekEnd: base = size_; break;
    default: return Fail(ERROR_INVALID_PARAMETER);
    }
    const int64_t target = base + offset;
    if (target < 0) return Fail(ERROR_NEGATIVE_SEEK);
    if (target > kMaxStreamLength) return Fail(ERROR_INVALID_PARAMETER);
    position_ = static_cast<int32_t>(target);
    return position_;
}

int32_t CMemoryStream::GetPosition() { return position_; }

int32_t CMemoryStream::GetSize() { return size_; }

// Writes that append grow the buffer by half its capacity at least, so that
// text written line by line costs amortised linear time, not a copy of the
// whole buffer per page.
bool CMemoryStream::GrowForWrite(int64_t end) {
    if (end > int64_t{GetCapacity()}) {
        const int64_t grown = std::min<int64_t>(std::max<int64_t>(end, int64_t{GetCapacity()} * 3 / 2), kMaxStreamLength);
        if (!SetCapacity(static_cast<int32_t>(grown))) return false;
    }
    // Bytes between the old end and the write position read as zero.
    if (position_ > size_) std::memset(Data() + size_, 0, static_cast<size_t>(position_ - size_));
    size_ = static_cast<int32_t>(end);
    return true;
}

int32_t CMemoryStream::SetSize(int32_t size) {
    if (size < 0) return Fail(ERROR_INVALID_PARAMETER);
    if (!SetCapacity(size)) return -1;
    // Bytes that come into view again, or for the first time, read as zero.
    if (size > size_) std::memset(Data() + size_, 0, static_cast<size_t>(size - size_));
    size_ = size;
    return size;
}

// ---- CHandleStream ---------------------------------------------------------

CHandleStream::~CHandleStream() { handle_ = INVALID_HANDLE_VALUE; }

int32_t CHandleStream::FailWithLastError() { return Fail(GetLastError()); }

int32_t CHandleStream::Read(void* buffer, int32_t count) {
    if (!buffer || count < 0) return Fail(ERROR_INVALID_PARAMETER);
    DWORD moved = 0;
    if (!ReadFile(handle_, buffer, static_cast<DWORD>(count), &moved, nullptr)) return FailWithLastError();
    return static_cast<int32_t>(moved);
}

int32_t CHandleStream::Write(const void* buffer, int32_t count) {
    if (!buffer || count < 0) return Fail(ERROR_INVALID_PARAMETER);
    DWORD moved = 0;
    if (!WriteFile(handle_, buffer, static_cast<DWORD>(count), &moved, nullptr)) return FailWithLastError();
    return static_cast<int32_t>(moved);
}

int32_t CHandleStream::Seek(int32_t offset, int32_t origin) {
    const DWORD position = SetFilePointer(handle_, offset, nullptr, static_cast<DWORD>(origin));
    if (position == INVALID_SET_FILE_POINTER) return FailWithLastError();
    return static_cast<int32_t>(position);
}

int32_t CHandleStream::GetPosition() { return Seek(0, kSeekCurrent); }

int32_t CHandleStream::GetSize() {
    const DWORD size = GetFileSize(handle_, nullptr);
    if (size == INVALID_FILE_SIZE) return FailWithLastError();
    return static_cast<int32_t>(size);
}

int32_t CHandleStream::SetSize(int32_t size) {
    const int32_t position = GetPosition();
    if (position == -1) return -1;
    if (Seek(size, kSeekBegin) == -1) return -1;
    const bool truncated = SetEndOfFile(handle_);
    const DWORD reason = GetLastError();
    Seek(position, kSeekBegin);
    if (!truncated) return Fail(reason);
    return size;
}

// ---- CFileStream -----------------------------------------------------------

std::unique_ptr<CFileStream> CFileStream::Open(const char* fileName, DWORD creationDisposition, DWORD shareMode,
                                               DWORD desiredAccess) {
    HANDLE handle = CreateFileA(fileName, desiredAccess, shareMode, nullptr, creationDisposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    std::unique_ptr<CFileStream> stream(new (std::nothrow) CFileStream(handle));
    if (!stream) {
        CloseHandle(handle);
        SetLastError(ERROR_OUTOFMEMORY);
    }
    return stream;
}

CFileStream::~CFileStream() {
    if (GetHandle() != INVALID_HANDLE_VALUE) CloseHandle(GetHandle());
}

// ---- COleStream ------------------------------------------------------------

int32_t COleStream::FailWithStatus(HRESULT status) { return Fail(static_cast<DWORD>(status)); }

int32_t COleStream::Read(void* buffer, int32_t count) {
    if (!buffer || count < 0) return Fail(ERROR_INVALID_PARAMETER);
    if (!stream_) return Fail(ERROR_INVALID_HANDLE);
    ULONG moved = 0;
    const HRESULT status = stream_->Read(buffer, static_cast<ULONG>(count), &moved);
    if (status != S_OK) return FailWithStatus(status);
    return static_cast<int32_t>(moved);
}

int32_t COleStream::Write(const void* buffer, int32_t count) {
    if (!buffer || count < 0) return Fail(ERROR_INVALID_PARAMETER);
    if (!stream_) return Fail(ERROR_INVALID_HANDLE);
    ULONG moved = 0;
    const HRESULT status = stream_->Write(buffer, static_cast<ULONG>(count), &moved);
    if (status != S_OK) return FailWithStatus(status);
    return static_cast<int32_t>(moved);
}

HRESULT COleStream::SeekTo(int64_t offset, DWORD origin, uint64_t& newPosition) {
    LARGE_INTEGER move{};
    move.QuadPart = offset;
    ULARGE_INTEGER reached{};
    const HRESULT status = stream_->Seek(move, origin, &reached);
    newPosition = reached.QuadPart;
    return status;
}

int32_t COleStream::Seek(int32_t offset, int32_t origin) {
    if (!stream_) return Fail(ERROR_INVALID_HANDLE);
    uint64_t position = 0;
    const HRESULT status = SeekTo(offset, static_cast<DWORD>(origin), position);
    if (FAILED(status)) return FailWithStatus(status);
    return static_cast<int32_t>(position & 0xFFFFFFFFu);
}

int32_t COleStream::GetPosition() { return Seek(0, kSeekCurrent); }

int32_t COleStream::GetSize() {
    if (!stream_) return Fail(ERROR_INVALID_HANDLE);
    uint64_t position = 0;
    uint64_t size = 0;
    uint64_t restored = 0;
    HRESULT status = SeekTo(0, STREAM_SEEK_CUR, position);
    if (SUCCEEDED(status)) status = SeekTo(0, STREAM_SEEK_END, size);
    if (SUCCEEDED(status)) status = SeekTo(static_cast<int64_t>(position), STREAM_SEEK_SET, restored);
    if (FAILED(status)) return FailWithStatus(status);
    return static_cast<int32_t>(size & 0xFFFFFFFFu);
}

int32_t COleStream::SetSize(int32_t size) {
    if (!stream_) return Fail(ERROR_INVALID_HANDLE);
    ULARGE_INTEGER newSize{};
    newSize.QuadPart = static_cast<uint64_t>(int64_t{size});
    const HRESULT status = stream_->SetSize(newSize);
    if (FAILED(status)) return FailWithStatus(status);
    return size;
}

int32_t COleStream::CopyTo(CStream* target, int32_t count) {
    if (!target) return Fail(ERROR_INVALID_PARAMETER);
    if (!stream_ || count == 0) {
        SetError(ERROR_SUCCESS);
        return 0;
    }
    auto* oleTarget = dynamic_cast<COleStream*>(target);
    if (!oleTarget || !oleTarget->stream_) return CStream::CopyTo(target, count);

    uint64_t position = 0;
    HRESULT status = SeekTo(0, STREAM_SEEK_CUR, position);
    if (FAILED(status)) return FailWithStatus(status);
    ULARGE_INTEGER limit{};
    limit.QuadPart = count < 0 ? ~uint64_t{0} : static_cast<uint64_t>(count);
    ULARGE_INTEGER read{};
    ULARGE_INTEGER written{};
    status = stream_->CopyTo(oleTarget->stream_.Get(), limit, &read, &written);
    if (FAILED(status)) {
        uint64_t ignored = 0;
        SeekTo(static_cast<int64_t>(position), STREAM_SEEK_SET, ignored);
        return FailWithStatus(status);
    }
    SetError(ERROR_SUCCESS);
    return static_cast<int32_t>(written.QuadPart & 0xFFFFFFFFu);
}

// ---- WriteLine -------------------------------------------------------------

namespace {

DWORD WriteAll(CStream& stream, const char* bytes, size_t length) {
    if (length > static_cast<size_t>(kMaxStreamLength)) return ERROR_INVALID_PARAMETER;
    const int32_t count = static_cast<int32_t>(length);
    const int32_t written = stream.Write(bytes, count);
    if (written == -1) return stream.GetError();
    if (written < count) return ERROR_DISK_FULL;
    return ERROR_SUCCESS;
}

}  // namespace

DWORD WriteLine(CStream* stream, const char* text) {
    if (!stream || !text) return ERROR_SUCCESS;
    const DWORD result = WriteAll(*stream, text, std::strlen(text));
    if (result != ERROR_SUCCESS) return result;
    return WriteAll(*stream, "\r\n", 2);
}

}  // namespace vantor

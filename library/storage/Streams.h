// Byte streams over memory, operating-system files and compound-file
// streams. Streams never throw: every operation returns a count or a
// position, -1 on failure, and keeps the reason in the stream's error code
// (a Win32 error number, or the failing status of the compound-file layer).
#pragma once

#include <cstdint>
#include <memory>

#include "library/storage/ComPtr.h"
#include "vantor/platform.h"

namespace vantor {

// Seek origins, shared by every stream kind.
enum : int32_t { kSeekBegin = 0, kSeekCurrent = 1, kSeekEnd = 2 };

// The base stream: an error code, no data (reads and writes move nothing),
// and the generic chunked copy used by every kind that has no faster one.
class CStream {
public:
    CStream() = default;
    CStream(const CStream&) = delete;
    CStream& operator=(const CStream&) = delete;
    virtual ~CStream() = default;

    virtual void SetError(DWORD code);
    virtual DWORD GetError() const;
    virtual int32_t Read(void* buffer, int32_t count);
    virtual int32_t Write(const void* buffer, int32_t count);
    // Copies up to count bytes from the current position into target; a
    // negative count copies everything up to the end.
    virtual int32_t CopyTo(CStream* target, int32_t count);
    virtual int32_t Seek(int32_t offset, int32_t origin);
    virtual int32_t GetPosition();
    virtual int32_t GetSize();
    virtual int32_t SetSize(int32_t size);

protected:
    // Stores code and returns -1, the failure result of every operation.
    int32_t Fail(DWORD code);

private:
    DWORD error_ = ERROR_SUCCESS;
};

// An owned byte buffer whose capacity grows in whole pages of 4096 bytes.
class CStreamBuffer : public CStream {
public:
    static constexpr uint32_t kPageSize = 4096;

    CStreamBuffer() = default;
    ~CStreamBuffer() override;

    // Capacity 0 frees the buffer; any other request is rounded up to whole
    // pages and keeps the content that fits. A failed allocation keeps the
    // buffer as it was and stores 14; a negative capacity stores 87.
    bool SetCapacity(int32_t capacity);
    uint32_t GetCapacity() const { return capacity_; }

protected:
    uint8_t* Data() const { return buffer_.get(); }

private:
    std::unique_ptr<uint8_t[]> buffer_;
    uint32_t capacity_ = 0;
};

// A growable stream in memory. Positions past the end are allowed; a write
// there fills the gap with zero bytes.
class CMemoryStream : public CStreamBuffer {
public:
    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    // One write of the remaining block into target; a short write fails and
    // leaves the position where it was.
    int32_t CopyTo(CStream* target, int32_t count) override;
    int32_t Seek(int32_t offset, int32_t origin) override;
    int32_t GetPosition() override;
    int32_t GetSize() override;
    int32_t SetSize(int32_t size) override;

private:
    bool GrowForWrite(int64_t end);

    int32_t size_ = 0;
    int32_t position_ = 0;
};

// A stream over an operating-system file handle that someone else owns.
class CHandleStream : public CStream {
public:
    explicit CHandleStream(HANDLE handle) : handle_(handle) {}
    ~CHandleStream() override;

    HANDLE GetHandle() const { return handle_; }

    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    int32_t Seek(int32_t offset, int32_t origin) override;
    int32_t GetPosition() override;
    int32_t GetSize() override;
    // Moves the end of the file; the position stays where it was.
    int32_t SetSize(int32_t size) override;

private:
    int32_t FailWithLastError();

    HANDLE handle_;
};

// A stream over a file that it opens itself and closes on destruction.
class CFileStream : public CHandleStream {
public:
    // Opens fileName with normal attributes. Null when the file cannot be
    // opened; the reason is left in the thread's last-error value.
    static std::unique_ptr<CFileStream> Open(const char* fileName, DWORD creationDisposition, DWORD shareMode,
                                             DWORD desiredAccess);
    ~CFileStream() override;

private:
    explicit CFileStream(HANDLE handle) : CHandleStream(handle) {}
};

// A stream over a compound-file stream, holding one reference to it.
class COleStream : public CStream {
public:
    explicit COleStream(IStream* stream) : stream_(stream) {}

    IStream* GetStream() const { return stream_.Get(); }

    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    // Between two compound-file streams the platform's own copy is used;
    // other targets get the generic copy.
    int32_t CopyTo(CStream* target, int32_t count) override;
    int32_t Seek(int32_t offset, int32_t origin) override;
    int32_t GetPosition() override;
    int32_t GetSize() override;
    int32_t SetSize(int32_t size) override;

private:
    int32_t FailWithStatus(HRESULT status);
    HRESULT SeekTo(int64_t offset, DWORD origin, uint64_t& newPosition);

    ComPtr<IStream> stream_;
};

// Writes text and a CR LF pair. Result: 0, the stream's error code when a
// write fails, or 112 when a write is short. No stream or no text: 0.
DWORD WriteLine(CStream* stream, const char* text);

}  // namespace vantor

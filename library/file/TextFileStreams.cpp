#include "library/file/TextFileStreams.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

namespace vantor {

namespace {

constexpr uint8_t kCr = '\r';
constexpr uint8_t kLf = '\n';
constexpr uint8_t kBlank = ' ';

constexpr bool IsLineBreak(uint8_t byte) { return byte == kCr || byte == kLf; }

}  // namespace

// ---- CTextFileReader -----------------------------------------------------------

CTextFileReader::CTextFileReader(std::unique_ptr<CStream> source) : source_(std::move(source)) {}

bool CTextFileReader::Fill() {
    try {
        if (window_.empty()) window_.resize(kBlockSize);
    } catch (const std::bad_alloc&) {
        Fail(ERROR_OUTOFMEMORY);
        return false;
    }
    const int64_t rawEnd = windowStart_ + rawLength_;
    if (position_ >= windowStart_ && position_ <= rawEnd) {
        // Reading on: the tail of the window stays, the file is not sought,
        // so that sources without seeking (a pipe) read as well.
        const int64_t keepFrom = std::max(windowStart_, position_ - kBackReach);
        const auto dropped = static_cast<int32_t>(keepFrom - windowStart_);
        std::memmove(window_.data(), window_.data() + dropped, static_cast<std::size_t>(rawLength_ - dropped));
        rawLength_ -= dropped;
        windowStart_ = keepFrom;
    } else {
        const int64_t start = std::max<int64_t>(0, position_ - kBackReach);
        if (source_->Seek(static_cast<int32_t>(start), kSeekBegin) == -1) {
            Fail(source_->GetError());
            return false;
        }
        windowStart_ = start;
        rawLength_ = 0;
    }
    bool atEnd = false;
    while (rawLength_ < kBlockSize) {
        const int32_t read = source_->Read(window_.data() + rawLength_, kBlockSize - rawLength_);
        if (read == -1) {
            Fail(source_->GetError());
            return false;
        }
        if (read == 0) {
            atEnd = true;
            break;
        }
        rawLength_ += read;
    }
    PresentLineEnds(atEnd);
    return true;
}

void CTextFileReader::PresentLineEnds(bool atEnd) {
    // A CR at the very end of a full block may still meet its LF in the next
    // read: it is presented only once that is known.
    windowLength_ = rawLength_;
    if (!atEnd && rawLength_ > 0 && window_[static_cast<std::size_t>(rawLength_ - 1)] == kCr) --windowLength_;
    const auto length = static_cast<std::size_t>(windowLength_);
    const auto raw = static_cast<std::size_t>(rawLength_);
    for (std::size_t i = 0; i < length; ++i) {
        if (window_[i] == kCr && !(i + 1 < raw && window_[i + 1] == kLf)) window_[i] = kLf;
    }
}

int32_t CTextFileReader::Read(void* buffer, int32_t count) {
    if (!buffer || count < 0) return Fail(ERROR_INVALID_PARAMETER);
    auto* out = static_cast<uint8_t*>(buffer);
    int32_t done = 0;
    while (done < count) {
        const int64_t offset = position_ - windowStart_;
        if (offset < 0 || offset >= windowLength_) {
            if (!Fill()) return -1;
            if (position_ >= windowStart_ + windowLength_) break;  // the end of the file
            continue;
        }
        const auto available = static_cast<int32_t>(windowLength_ - offset);
        const int32_t take = std::min(available, count - done);
        std::memcpy(out + done, window_.data() + offset, static_cast<std::size_t>(take));
        done += take;
        position_ += take;
    }
    SetError(ERROR_SUCCESS);
    return done;
}

int32_t CTextFileReader::Seek(int32_t offset, int32_t origin) {
    int64_t base = 0;
    switch (origin) {
        case kSeekBegin: break;
        case kSeekCurrent: base = position_; break;
        case kSeekEnd: {
            const int32_t size = source_->GetSize();
            if (size == -1) return Fail(source_->GetError());
            base = size;
            break;
        }
        default: return Fail(ERROR_INVALID_PARAMETER);
    }
    const int64_t target = base + offset;
    if (target < 0) return Fail(ERROR_NEGATIVE_SEEK);
    if (target > std::numeric_limits<int32_t>::max()) return Fail(ERROR_INVALID_PARAMETER);
    position_ = target;
    SetError(ERROR_SUCCESS);
    return static_cast<int32_t>(position_);
}

int32_t CTextFileReader::GetPosition() { return static_cast<int32_t>(position_); }

int32_t CTextFileReader::GetSize() {
    const int32_t size = source_->GetSize();
    return size == -1 ? 0 : size;
}

// ---- CTextFileWriter -----------------------------------------------------------

CTextFileWriter::CTextFileWriter(std::unique_ptr<CStream> target) : target_(std::move(target)) {}

CTextFileWriter::~CTextFileWriter() { Close(); }

DWORD CTextFileWriter::WriteBlock() {
    std::size_t done = 0;
    while (done < block_.size()) {
        const auto count = static_cast<int32_t>(block_.size() - done);
        const int32_t moved = target_->Write(block_.data() + done, count);
        if (moved == -1) return target_->GetError() != ERROR_SUCCESS ? target_->GetError() : ERROR_WRITE_FAULT;
        if (moved == 0) return ERROR_DISK_FULL;
        done += static_cast<std::size_t>(moved);
    }
    block_.clear();
    return ERROR_SUCCESS;
}

int32_t CTextFileWriter::Write(const void* buffer, int32_t count) {
    if (!buffer || count < 0) return Fail(ERROR_INVALID_PARAMETER);
    if (failure_ != ERROR_SUCCESS || !target_) return Fail(failure_ != ERROR_SUCCESS ? failure_ : ERROR_INVALID_HANDLE);
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    const bool lineEnd = count == 2 && bytes[0] == kCr && bytes[1] == kLf;
    try {
        if (block_.capacity() < static_cast<std::size_t>(kBlockSize)) block_.reserve(kBlockSize);
        auto rest = static_cast<std::size_t>(count);
        while (rest > 0) {
            const std::size_t take = std::min(rest, static_cast<std::size_t>(kBlockSize) - block_.size());
            const std::size_t old = block_.size();
            block_.insert(block_.end(), bytes, bytes + take);
            if (!lineEnd) std::replace_if(block_.begin() + static_cast<std::ptrdiff_t>(old), block_.end(), IsLineBreak, kBlank);
            bytes += take;
            rest -= take;
            if (block_.size() >= static_cast<std::size_t>(kBlockSize)) {
                failure_ = WriteBlock();
                if (failure_ != ERROR_SUCCESS) return Fail(failure_);
            }
        }
    } catch (const std::bad_alloc&) {
        failure_ = ERROR_OUTOFMEMORY;
        return Fail(failure_);
    }
    written_ += count;
    SetError(ERROR_SUCCESS);
    return count;
}

int32_t CTextFileWriter::GetPosition() { return static_cast<int32_t>(written_); }

int32_t CTextFileWriter::GetSize() { return static_cast<int32_t>(written_); }

DWORD CTextFileWriter::Finish() {
    if (failure_ == ERROR_SUCCESS && target_ && !block_.empty()) failure_ = WriteBlock();
    return failure_;
}

DWORD CTextFileWriter::Close() {
    const DWORD result = Finish();
    target_.reset();
    return result;
}

}  // namespace vantor

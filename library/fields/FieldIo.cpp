#include "library/fields/FieldIo.h"

#include <algorithm>
#include <limits>

#include "library/storage/Streams.h"

namespace vantor::fieldio {

namespace {

constexpr std::size_t kBlockPiece = 64 * 1024;
constexpr std::size_t kLargestTransfer = static_cast<std::size_t>(std::numeric_limits<int32_t>::max());

DWORD ErrorOf(const CStream& stream) {
    const DWORD error = stream.GetError();
    return error != ERROR_SUCCESS ? error : ERROR_INVALID_DATA;
}

}  // namespace

DWORD ReadExact(CStream* stream, void* buffer, std::size_t count) {
    if (!stream) return ERROR_INVALID_PARAMETER;
    if (count > kLargestTransfer) return ERROR_INVALID_DATA;
    auto* bytes = static_cast<uint8_t*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const int32_t read = stream->Read(bytes + done, static_cast<int32_t>(count - done));
        if (read == -1) return ErrorOf(*stream);
        if (read == 0) return ERROR_INVALID_DATA;
        done += static_cast<std::size_t>(read);
    }
    return ERROR_SUCCESS;
}

DWORD WriteExact(CStream* stream, const void* buffer, std::size_t count) {
    if (!stream) return ERROR_INVALID_PARAMETER;
    if (count == 0) return ERROR_SUCCESS;
    if (count > kLargestTransfer) return ERROR_INVALID_PARAMETER;
    const int32_t written = stream->Write(buffer, static_cast<int32_t>(count));
    if (written == -1) return stream->GetError();
    if (static_cast<std::size_t>(written) < count) return ERROR_DISK_FULL;
    return ERROR_SUCCESS;
}

DWORD ReadBlock(CStream* stream, std::size_t count, std::string& bytes) {
    bytes.clear();
    while (bytes.size() < count) {
        const std::size_t piece = std::min(kBlockPiece, count - bytes.size());
        const std::size_t old = bytes.size();
        bytes.resize(old + piece);
        const DWORD result = ReadExact(stream, bytes.data() + old, piece);
        if (result != ERROR_SUCCESS) {
            bytes.clear();
            return result;
        }
    }
    return ERROR_SUCCESS;
}

std::string_view UpToZero(std::string_view text) { return text.substr(0, text.find('\0')); }

}  // namespace vantor::fieldio

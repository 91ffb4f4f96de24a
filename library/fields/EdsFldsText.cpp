// Text kinds: texts of fixed capacity and 8.3 file names.
#include <algorithm>
#include <cstring>

#include "common/Strings.h"
#include "library/fields/EdsFlds.h"
#include "library/fields/FieldIo.h"
#include "library/storage/Streams.h"

namespace vantor {

namespace {

std::optional<std::string> NoneWhenEmpty(const std::string& text) {
    if (text.empty()) return std::nullopt;
    return text;
}

}  // namespace

// ---- CEdsTextField ---------------------------------------------------------

CEdsTextField::CEdsTextField(const FieldDescriptor* descriptor, std::size_t capacity)
    : CEdsField(descriptor), capacity_(capacity) {}

void CEdsTextField::SetText(TextArg text) {
    if (!text) {
        value_.clear();
        return;
    }
    const std::string_view accepted = fieldio::UpToZero(*text);
    if (accepted.size() >= capacity_) {
        value_.assign(accepted.substr(0, capacity_ > 0 ? capacity_ - 1 : 0));
        SetStatus(FieldStatus::InvalidLength);
    } else {
        value_.assign(accepted);
        SetStatus(FieldStatus::Valid);
    }
}

void CEdsTextField::SetValue(TextArg text) { SetText(text); }

std::optional<std::string> CEdsTextField::GetText() const { return NoneWhenEmpty(value_); }

DWORD CEdsTextField::ReadBinary(CStream* stream) {
    uint16_t length = 0;
    DWORD result = fieldio::ReadNumber(stream, length);
    if (result != ERROR_SUCCESS) return result;
    value_.clear();
    if (length == 0) return ERROR_SUCCESS;
    if (length > capacity_) return ERROR_INVALID_DATA;

    std::string bytes;
    result = fieldio::ReadBlock(stream, length, bytes);
    if (result != ERROR_SUCCESS) return result;
    if (bytes.back() != '\0') return ERROR_INVALID_DATA;
    value_.assign(fieldio::UpToZero(bytes));
    return ERROR_SUCCESS;
}

DWORD CEdsTextField::WriteBinary(CStream* stream) const {
    const DWORD result = fieldio::WriteNumber(stream, static_cast<uint16_t>(value_.size() + 1));
    if (result != ERROR_SUCCESS) return result;
    return fieldio::WriteExact(stream, value_.c_str(), value_.size() + 1);
}

// ---- CEdsFileNameField -----------------------------------------------------

namespace {

constexpr std::size_t kLongestName = 8;
constexpr std::size_t kLongestExtension = 4;  // the dot included

}  // namespace

void CEdsFileNameField::SetText(TextArg text) {
    value_.clear();
    SetStatus(FieldStatus::Valid);
    if (!text) return;
    const std::string_view path = fieldio::UpToZero(*text);
    if (path.empty()) return;

    PathParts parts = SplitPath(path);
    bool valid = parts.drive.empty() && parts.directory.empty();
    if (parts.name.size() > kLongestName) {
        parts.name.resize(kLongestName);
        valid = false;
    }
    if (parts.extension.size() > kLongestExtension) {
        parts.extension.resize(kLongestExtension);
        valid = false;
    }
    value_ = JoinPath({}, {}, parts.name, parts.extension);
    if (value_.size() >= kCapacity) value_.resize(kCapacity - 1);
    if (!valid) SetStatus(FieldStatus::InvalidFormat);
}

std::optional<std::string> CEdsFileNameField::GetText() const { return NoneWhenEmpty(value_); }

DWORD CEdsFileNameField::ReadBinary(CStream* stream) {
    if (!stream) return ERROR_INVALID_PARAMETER;
    value_.clear();
    char bytes[kCapacity];
    if (fieldio::ReadExact(stream, bytes, kCapacity) != ERROR_SUCCESS) return ERROR_INVALID_DATA;
    if (bytes[kCapacity - 1] != '\0') return ERROR_INVALID_DATA;
    value_.assign(bytes);
    return ERROR_SUCCESS;
}

DWORD CEdsFileNameField::WriteBinary(CStream* stream) const {
    char bytes[kCapacity] = {};
    std::memcpy(bytes, value_.data(), std::min(value_.size(), kCapacity - 1));
    return fieldio::WriteExact(stream, bytes, kCapacity);
}

}  // namespace vantor

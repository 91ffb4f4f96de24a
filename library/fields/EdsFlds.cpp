#include "library/fields/EdsFlds.h"

#include "library/fields/EdsProp.h"
#include "library/fields/FieldIo.h"
#include "library/storage/Streams.h"
#include "library/values/StrConv.h"

namespace vantor {

namespace {

const char* MessageOfStatus(int16_t status) {
    switch (status) {
    case FieldStatus::Underflow: return "underflow";
    case FieldStatus::Overflow: return "overflow";
    case FieldStatus::InvalidFormat: return "invalid data format";
    case FieldStatus::InvalidValue: return "invalid data value";
    // Spelled as the error files that readers already parse have it.
    case FieldStatus::InvalidLength: return "invalid data lenght";
    default: return nullptr;
    }
}

// Reads one line and hands a key=value line to take; any other line is put
// back into the stream.
template <class Take>
DWORD TakeKeyValueLine(CStream* stream, Take take) {
    if (!stream) return ERROR_INVALID_PARAMETER;
    const int32_t start = stream->GetPosition();
    if (start == -1) return stream->GetError();
    std::string line;
    const DWORD result = ReadLine(stream, line);
    if (result != ERROR_SUCCESS) return result;
    const ClassifiedLine classified = ClassifyLine(line);
    if (classified.kind == LineKind::KeyValue) {
        take(classified);
    } else if (stream->Seek(start, kSeekBegin) == -1) {
        return stream->GetError();
    }
    return ERROR_SUCCESS;
}

}  // namespace

int16_t StatusOfConversion(int conversionResult) {
    switch (conversionResult) {
    case ConvResult::Valid: return FieldStatus::Valid;
    case ConvResult::Underflow: return FieldStatus::Underflow;
    case ConvResult::Overflow: return FieldStatus::Overflow;
    default: return FieldStatus::InvalidFormat;
    }
}

// ---- CEdsField -------------------------------------------------------------

CEdsField::~CEdsField() {
    if (owner_) owner_->Unlink(this);
}

void CEdsField::Done() {
    if (owner_) owner_->Unlink(this);
    Clear();
    descriptor_ = nullptr;
    status_ = FieldStatus::Valid;
}

DWORD CEdsField::ReportError(CStream* stream) {
    const char* message = MessageOfStatus(status_);
    status_ = FieldStatus::Valid;
    if (!message) return ERROR_SUCCESS;

    std::string line = "[Error] ";
    if (owner_ && owner_->Name() && !owner_->Name()->empty()) line += *owner_->Name() + ": ";
    if (!Key().empty()) line.append(Key()).append(": ");
    line += message;
    return WriteLine(stream, line.c_str());
}

DWORD CEdsField::ReadText(CStream* stream) {
    return TakeKeyValueLine(stream, [this](const ClassifiedLine& line) { SetText(line.value); });
}

DWORD CEdsField::WriteText(CStream* stream) const {
    const std::string_view key = Key();
    if (key.empty()) return ERROR_SUCCESS;
    const std::optional<std::string> text = GetText();
    if (!text || text->empty()) return ERROR_SUCCESS;
    std::string line(key);
    line += '=';
    line += *text;
    return WriteLine(stream, line.c_str());
}

uint16_t CEdsField::Id() const { return descriptor_ ? descriptor_->id : kUnknownKeyId; }

std::string_view CEdsField::Key() const { return descriptor_ ? descriptor_->name : std::string_view(); }

uint32_t CEdsField::ExportMask() const { return descriptor_ ? descriptor_->exportMask : 0; }

// ---- CEdsUnknownField ------------------------------------------------------

namespace {

constexpr std::size_t kLongestUnknownItem = 0xFFFF;  // u16 length, zero included
constexpr std::string_view kKeyOfKeyless = "Unknown";

std::optional<std::string> TextOrNone(std::string_view text) {
    text = fieldio::UpToZero(text);
    if (text.empty()) return std::nullopt;
    return std::string(text);
}

}  // namespace

const FieldDescriptor CEdsUnknownField::kDescriptor = {kUnknownKeyId, {}, kAllFormats};

CEdsUnknownField::CEdsUnknownField() : CEdsField(&kDescriptor) {}

CEdsUnknownField::CEdsUnknownField(std::string key) : CEdsField(&kDescriptor), key_(TextOrNone(key)) {}

void CEdsUnknownField::SetText(TextArg text) { value_ = text ? TextOrNone(*text) : std::nullopt; }

std::optional<std::string> CEdsUnknownField::GetText() const { return value_; }

void CEdsUnknownField::Clear() {
    key_.reset();
    value_.reset();
}

std::string_view CEdsUnknownField::Key() const { return key_ ? std::string_view(*key_) : std::string_view(); }

DWORD CEdsUnknownField::ReadBinary(CStream* stream) {
    Clear();
    uint16_t length = 0;
    DWORD result = fieldio::ReadNumber(stream, length);
    if (result != ERROR_SUCCESS || length == 0) return result;

    std::string bytes;
    result = fieldio::ReadBlock(stream, length, bytes);
    if (result != ERROR_SUCCESS) return result;
    if (bytes.back() != '\0') return ERROR_INVALID_DATA;
    const ClassifiedLine line = ClassifyLine(fieldio::UpToZero(bytes));
    if (line.kind != LineKind::KeyValue) return ERROR_INVALID_DATA;
    key_ = TextOrNone(line.name);
    SetText(line.value);
    return ERROR_SUCCESS;
}

DWORD CEdsUnknownField::WriteBinary(CStream* stream) const {
    std::string item(key_ ? std::string_view(*key_) : kKeyOfKeyless);
    item += '=';
    if (value_) item += *value_;
    if (item.size() >= kLongestUnknownItem) item.resize(kLongestUnknownItem - 1);
    const DWORD result = fieldio::WriteNumber(stream, static_cast<uint16_t>(item.size() + 1));
    if (result != ERROR_SUCCESS) return result;
    return fieldio::WriteExact(stream, item.c_str(), item.size() + 1);
}

DWORD CEdsUnknownField::ReadText(CStream* stream) {
    return TakeKeyValueLine(stream, [this](const ClassifiedLine& line) {
        key_ = TextOrNone(line.name);
        SetText(line.value);
    });
}

DWORD CEdsUnknownField::WriteText(CStream* stream) const {
    if (!key_ && !value_) return ERROR_SUCCESS;
    std::string line(key_ ? std::string_view(*key_) : kKeyOfKeyless);
    line += '=';
    if (value_) line += *value_;
    return WriteLine(stream, line.c_str());
}

}  // namespace vantor

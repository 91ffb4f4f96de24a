#include "library/fields/EdsProp.h"

#include <algorithm>
#include <limits>
#include <new>

#include "common/Strings.h"
#include "library/fields/FieldIo.h"
#include "library/storage/Streams.h"

namespace vantor {

namespace {

constexpr std::size_t kHeaderSize = 8;

std::optional<std::string> NameOrNone(TextArg name) {
    if (!name || name->empty()) return std::nullopt;
    return std::string(*name);
}

TextArg ValueOf(const CEdsUnknownField& field) {
    if (!field.Value()) return std::nullopt;
    return std::string_view(*field.Value());
}

// Reads the two bytes of an item id: 0 with count 0 at the end of the data,
// count 2 for an id, 13 for a lone byte, or the stream's error.
DWORD ReadItemId(CStream* stream, uint16_t& id, int32_t& count) {
    uint8_t bytes[2] = {};
    count = 0;
    while (count < 2) {
        const int32_t read = stream->Read(bytes + count, 2 - count);
        if (read == -1) return stream->GetError();
        if (read == 0) break;
        count += read;
    }
    if (count == 1) return ERROR_INVALID_DATA;
    id = fieldio::DecodeLittleEndian<uint16_t>(bytes);
    return ERROR_SUCCESS;
}

}  // namespace

// ---- Construction and the field list ---------------------------------------

CEdsPropSet::CEdsPropSet(TextArg name) : name_(NameOrNone(name)) {}

CEdsPropSet::~CEdsPropSet() {
    // Member fields of derived sets are gone already; what is left must not
    // call back into this set while it goes.
    for (CEdsField* field : fields_) field->owner_ = nullptr;
    fields_.clear();
    unknownFields_.clear();
}

bool CEdsPropSet::Link(CEdsField* field) {
    if (!field || field->owner_ == this) return true;
    if (field->owner_) return false;
    fields_.push_back(field);
    field->owner_ = this;
    return true;
}

bool CEdsPropSet::Unlink(CEdsField* field) {
    if (!field || !field->owner_) return true;
    if (field->owner_ != this) return false;
    std::erase(fields_, field);
    field->owner_ = nullptr;
    return true;
}

void CEdsPropSet::SetName(TextArg name) { name_ = NameOrNone(name); }

CEdsField* CEdsPropSet::FindById(uint16_t) { return nullptr; }

CEdsField* CEdsPropSet::FindByName(std::string_view) { return nullptr; }

DWORD CEdsPropSet::AddUnknown(std::string_view key, TextArg text) {
    try {
        auto field = std::make_unique<CEdsUnknownField>(std::string(key));
        field->SetText(text);
        unknownFields_.push_back(std::move(field));
        Link(unknownFields_.back().get());
    } catch (const std::bad_alloc&) {
        return ERROR_OUTOFMEMORY;
    }
    return ERROR_SUCCESS;
}

DWORD CEdsPropSet::SetByKey(std::string_view key, TextArg text) {
    CEdsField* field = FindByName(key);
    if (!field) return AddUnknown(key, text);
    Link(field);
    field->SetText(text);
    return ERROR_SUCCESS;
}

void CEdsPropSet::ClearAll() {
    for (auto& unknown : unknownFields_) unknown->owner_ = nullptr;
    std::erase_if(fields_, [](const CEdsField* field) { return field->owner_ == nullptr; });
    unknownFields_.clear();
    for (CEdsField* field : fields_) field->Clear();
}

void CEdsPropSet::Notify(NotifyPhase) {}

DWORD CEdsPropSet::ReportErrors(CStream* stream) {
    if (!stream) return ERROR_SUCCESS;
    for (CEdsField* field : fields_) {
        const DWORD result = field->ReportError(stream);
        if (result != ERROR_SUCCESS) return result;
    }
    return ERROR_SUCCESS;
}

DWORD CEdsPropSet::GetTextByKey(std::string_view key, std::optional<std::string>& text) {
    text.reset();
    CEdsField* field = FindByName(key);
    if (!field) return ERROR_INVALID_PARAMETER;
    text = field->GetText();
    return ERROR_SUCCESS;
}

DWORD CEdsPropSet::SetTextByKey(std::string_view key, TextArg text) {
    CEdsField* field = FindByName(key);
    if (!field) return ERROR_INVALID_PARAMETER;
    // A field set by key takes part in the output from now on.
    Link(field);
    field->SetText(text);
    return field->Status() == FieldStatus::Valid ? ERROR_SUCCESS : ERROR_INVALID_DATA;
}

// ---- Binary form -------------------------------------------------------------

DWORD CEdsPropSet::ReadOne(uint16_t id, CStream* stream) {
    if (!stream) return ERROR_INVALID_PARAMETER;
    if (id != kUnknownKeyId) {
        CEdsField* field = FindById(id);
        if (!field) return ERROR_INVALID_DATA;
        Link(field);
        return field->ReadBinary(stream);
    }

    std::unique_ptr<CEdsUnknownField> item(new (std::nothrow) CEdsUnknownField());
    if (!item) return ERROR_OUTOFMEMORY;
    const DWORD result = item->ReadBinary(stream);
    if (result != ERROR_SUCCESS) return result;
    // A key stored as unknown by an older set may be known by now.
    CEdsField* known = item->Key().empty() ? nullptr : FindByName(item->Key());
    if (known) {
        Link(known);
        known->SetText(ValueOf(*item));
        return ERROR_SUCCESS;
    }
    try {
        unknownFields_.push_back(std::move(item));
        Link(unknownFields_.back().get());
    } catch (const std::bad_alloc&) {
        return ERROR_OUTOFMEMORY;
    }
    return ERROR_SUCCESS;
}

DWORD CEdsPropSet::ReadItems(CStream* stream) {
    if (!stream) return ERROR_INVALID_PARAMETER;
    for (;;) {
        uint16_t id = 0;
        int32_t count = 0;
        DWORD result = ReadItemId(stream, id, count);
        if (result != ERROR_SUCCESS || count == 0) return result;
        result = ReadOne(id, stream);
        if (result != ERROR_SUCCESS) return result;
    }
}

DWORD CEdsPropSet::WriteItems(CStream* stream) {
    if (!stream) return ERROR_INVALID_PARAMETER;
    for (CEdsField* field : fields_) {
        DWORD result = fieldio::WriteNumber(stream, field->Id());
        if (result == ERROR_SUCCESS) result = field->WriteBinary(stream);
        if (result != ERROR_SUCCESS) return result;
    }
    return ERROR_SUCCESS;
}

DWORD CEdsPropSet::SaveStream(CStream* stream) {
    if (!stream) return ERROR_INVALID_PARAMETER;
    CMemoryStream items;
    Notify(NotifyPhase::BeforeSave);
    DWORD result = WriteItems(&items);
    if (result != ERROR_SUCCESS) return result;
    // An empty set leaves the target as it was.
    const int32_t length = items.GetSize();
    if (length < 1) return items.GetError();

    if (stream->SetSize(0) == -1 || stream->Seek(0, kSeekBegin) == -1) return stream->GetError();
    uint8_t magic[4];
    uint8_t size[4];
    fieldio::EncodeLittleEndian(kPropSetMagic, magic);
    fieldio::EncodeLittleEndian(static_cast<uint32_t>(length), size);
    result = fieldio::WriteExact(stream, magic, sizeof magic);
    if (result == ERROR_SUCCESS) result = fieldio::WriteExact(stream, size, sizeof size);
    if (result != ERROR_SUCCESS) return result;

    if (items.Seek(0, kSeekBegin) == -1) return items.GetError();
    if (items.CopyTo(stream, length) < length) {
        const DWORD error = items.GetError();
        return error != ERROR_SUCCESS ? error : ERROR_DISK_FULL;
    }
    return ERROR_SUCCESS;
}

DWORD CEdsPropSet::LoadStream(CStream* stream) {
    if (!stream) return ERROR_INVALID_PARAMETER;
    uint8_t header[kHeaderSize];
    const DWORD result = fieldio::ReadExact(stream, header, sizeof header);
    if (result != ERROR_SUCCESS) return result;
    uint8_t magic[4];
    uint8_t size[4];
    std::copy_n(header, 4, magic);
    std::copy_n(header + 4, 4, size);
    if (fieldio::DecodeLittleEndian<uint32_t>(magic) != kPropSetMagic) return ERROR_INVALID_DATA;
    const uint32_t length = fieldio::DecodeLittleEndian<uint32_t>(size);
    if (length > static_cast<uint32_t>(std::numeric_limits<int32_t>::max())) return ERROR_INVALID_DATA;

    // The items are read from a copy, so that no item can reach past them.
    CMemoryStream items;
    const auto wanted = static_cast<int32_t>(length);
    if (wanted > 0 && stream->CopyTo(&items, wanted) != wanted) {
        const DWORD error = stream->GetError();
        return error != ERROR_SUCCESS ? error : ERROR_INVALID_DATA;
    }
    items.Seek(0, kSeekBegin);
    const DWORD itemsResult = ReadItems(&items);
    Notify(NotifyPhase::AfterLoad);
    return itemsResult;
}

DWORD CEdsPropSet::LoadFromStorageStream(IStream* stream) {
    if (!stream) return ERROR_INVALID_PARAMETER;
    COleStream source(stream);
    return LoadStream(&source);
}

DWORD CEdsPropSet::SaveToStorageStream(IStream* stream) {
    if (!stream) return ERROR_INVALID_PARAMETER;
    COleStream target(stream);
    return SaveStream(&target);
}

// ---- Text form -----------------------------------------------------------------

DWORD CEdsPropSet::ReadTextItems(CStream* stream) {
    if (!stream) return ERROR_INVALID_PARAMETER;
    std::string line;
    for (;;) {
        const int32_t start = stream->GetPosition();
        if (start == -1) return stream->GetError();
        DWORD result = ReadLine(stream, line);
        if (result != ERROR_SUCCESS || line.empty()) return result;
        const ClassifiedLine classified = ClassifyLine(line);
        if (classified.kind == LineKind::SectionHeader) {
            // The header belongs to the next section; its reader starts there.
            if (stream->Seek(start, kSeekBegin) == -1) return stream->GetError();
            return ERROR_SUCCESS;
        }
        if (classified.kind == LineKind::KeyValue) {
            result = SetByKey(classified.name, classified.value);
            if (result != ERROR_SUCCESS) return result;
        }
    }
}

DWORD CEdsPropSet::WriteTextItems(CStream* stream, uint32_t mask, bool all) {
    if (!stream) return ERROR_INVALID_PARAMETER;
    for (const CEdsField* field : fields_) {
        if ((field->ExportMask() & mask) == 0) continue;
        if (!all && (field->Id() & kConfigOnlyBit) != 0) continue;
        const DWORD result = field->WriteText(stream);
        if (result != ERROR_SUCCESS) return result;
    }
    return WriteLine(stream, "");
}

DWORD CEdsPropSet::ReadSectionText(CStream* stream) {
    const DWORD result = ReadTextItems(stream);
    Notify(NotifyPhase::AfterReadText);
    return result;
}

DWORD CEdsPropSet::WriteSectionText(CStream* stream, uint32_t mask, bool all) {
    if (!stream) return ERROR_INVALID_PARAMETER;
    Notify(NotifyPhase::BeforeWriteText);
    if (name_) {
        DWORD result = ERROR_SUCCESS;
        try {
            result = WriteLine(stream, ("[" + *name_ + "]").c_str());
        } catch (const std::bad_alloc&) {
            result = ERROR_OUTOFMEMORY;
        }
        if (result != ERROR_SUCCESS) return result;
    }
    return WriteTextItems(stream, mask, all);
}

// ---- EDS text lines --------------------------------------------------------------

namespace {

constexpr std::size_t kFirstLinePiece = 64;
constexpr std::size_t kLargestLinePiece = 64 * 1024;

}  // namespace

DWORD ReadLine(CStream* stream, std::string& line) {
    line.clear();
    if (!stream) return ERROR_INVALID_PARAMETER;
    const int32_t start = stream->GetPosition();
    if (start == -1) return stream->GetError();

    try {
        std::size_t piece = kFirstLinePiece;
        for (;;) {
            const std::size_t old = line.size();
            line.resize(old + piece);
            const int32_t read = stream->Read(line.data() + old, static_cast<int32_t>(piece));
            if (read == -1) {
                const DWORD error = stream->GetError();
                line.clear();
                stream->Seek(start, kSeekBegin);
                return error;
            }
            line.resize(old + static_cast<std::size_t>(read));
            const std::size_t feed = line.find('\n', old);
            if (feed != std::string::npos) {
                line.resize(feed + 1);
                break;
            }
            if (read == 0) break;
            piece = std::min(piece * 2, kLargestLinePiece);
        }
    } catch (const std::bad_alloc&) {
        line.clear();
        line.shrink_to_fit();
        stream->Seek(start, kSeekBegin);
        return ERROR_OUTOFMEMORY;
    }

    // Reads may have run past the line; the next line starts after its feed.
    const int64_t next = int64_t{start} + static_cast<int64_t>(line.size());
    if (next > std::numeric_limits<int32_t>::max()) return ERROR_INVALID_DATA;
    if (stream->Seek(static_cast<int32_t>(next), kSeekBegin) == -1) return stream->GetError();
    return ERROR_SUCCESS;
}

ClassifiedLine ClassifyLine(std::string_view line) {
    const std::string_view text = TrimBlanks(line);
    if (text.empty()) return {LineKind::Blank, {}, {}};
    if (text.front() == ';') return {LineKind::Comment, {}, {}};
    if (text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos) return {LineKind::Other, {}, {}};
        return {LineKind::SectionHeader, text.substr(1, close - 1), {}};
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) return {LineKind::Other, {}, {}};
    return {LineKind::KeyValue, CutTrailingBlanks(text.substr(0, equals)), text.substr(equals + 1)};
}

}  // namespace vantor

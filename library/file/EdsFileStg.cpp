#include "library/file/EdsFileStg.h"

#include <array>
#include <new>
#include <optional>

#include "common/RecordText.h"
#include "common/Strings.h"
#include "library/dictionary/EdsDictStg.h"
#include "library/file/EdsExport.h"
#include "library/file/EdsImport.h"
#include "library/file/TextFiles.h"
#include "library/sections/EdsComments.h"
#include "library/sections/EdsDeviceComissioning.h"
#include "library/sections/EdsDeviceInfo.h"
#include "library/sections/EdsDummyUsage.h"
#include "library/sections/EdsDynamicChannels.h"
#include "library/sections/EdsFileInfo.h"
#include "library/storage/Streams.h"
#include "library/values/StrConv.h"

namespace vantor {

namespace {

constexpr HRESULT AsResult(DWORD code) { return static_cast<HRESULT>(code); }

constexpr std::string_view kStreamPrefix = "\xAE\xAC";

struct FileSection {
    uint16_t code;
    const char* name;
};

// In the order in which a new description writes them.
constexpr std::array<FileSection, 6> kFileSections = {{
    {SectionCode::FileInfo, "FileInfo"},
    {SectionCode::DeviceInfo, "DeviceInfo"},
    {SectionCode::DummyUsage, "DummyUsage"},
    {SectionCode::DynamicChannels, "DynamicChannels"},
    {SectionCode::Comments, "Comments"},
    {SectionCode::DeviceComissioning, "DeviceComissioning"},
}};

const FileSection* FindFileSection(uint16_t code) {
    for (const FileSection& section : kFileSections)
        if (section.code == code) return &section;
    return nullptr;
}

std::unique_ptr<CEdsPropSet> NewSectionObject(uint16_t code) {
    switch (code) {
        case SectionCode::FileInfo: return std::unique_ptr<CEdsPropSet>(new (std::nothrow) CEdsFileInfo());
        case SectionCode::DeviceInfo: return std::unique_ptr<CEdsPropSet>(new (std::nothrow) CEdsDeviceInfo());
        case SectionCode::DummyUsage: return std::unique_ptr<CEdsPropSet>(new (std::nothrow) CEdsDummyUsage());
        case SectionCode::Comments: return std::unique_ptr<CEdsPropSet>(new (std::nothrow) CEdsComments());
        case SectionCode::DynamicChannels:
            return std::unique_ptr<CEdsPropSet>(new (std::nothrow) CEdsDynamicChannels());
        case SectionCode::DeviceComissioning:
            return std::unique_ptr<CEdsPropSet>(new (std::nothrow) CEdsDeviceComissioning());
        default: return nullptr;
    }
}

// The 32-bit number of an identity entry's default value; none when the
// entry is missing or its value is empty or not a number, so that such an
// entry never replaces what the section holds.
// Record fields are packed: the value comes back rather than through a
// reference to the field.
std::optional<uint32_t> ReadIdentityEntry(CEdsDictStg& dictionary, uint8_t subIndex) {
    // Asking for an object of an area that does not exist would create the area.
    if (!dictionary.Map(ObjectMapCode::Available).IsMember(CEdsDictStg::kIdentityIndex)) return std::nullopt;
    EdsObjectRecord record{};
    if (dictionary.Get(CEdsDictStg::kIdentityIndex, subIndex, record) != S_OK) return std::nullopt;
    const std::string_view text = TrimBlanks(RecordText(record.DefaultValue));
    uint32_t parsed = 0;
    if (text.empty() || ParseUnsigned32(text, parsed) != ConvResult::Valid) return std::nullopt;
    return parsed;
}

constexpr uint32_t IdentityBit(int subIndex) { return 1u << (subIndex - 1); }

}  // namespace

// ---- Construction ----------------------------------------------------------

std::unique_ptr<CEdsFileStg> CEdsFileStg::Create() {
    std::unique_ptr<CEdsDictStg> dictionary(new (std::nothrow) CEdsDictStg());
    if (!dictionary) return nullptr;
    return std::unique_ptr<CEdsFileStg>(new (std::nothrow) CEdsFileStg(std::move(dictionary)));
}

CEdsFileStg::CEdsFileStg(std::unique_ptr<CEdsDictStg> dictionary) : dictionary_(std::move(dictionary)) {}

CEdsFileStg::~CEdsFileStg() { dictionary_.reset(); }

// ---- Persistence ---------------------------------------------------------------

HRESULT CEdsFileStg::InitNew(IStorage* storage) {
    HRESULT result = CPersistEds::InitNew(storage);
    if (result != S_OK) return result;
    for (const FileSection& entry : kFileSections) {
        std::unique_ptr<CEdsPropSet> section;
        result = CreateSection(entry.code, section);
        if (result == S_OK) result = WriteSection(entry.code, section.get());
        if (result != S_OK) return result;
    }
    ComPtr<IStorage> dictionaryStorage;
    result = CreateSubStorage(kDictionaryName, dictionaryStorage);
    if (result != S_OK) return result;
    return dictionary_->InitNew(dictionaryStorage.Get());
}

HRESULT CEdsFileStg::Load(IStorage* storage) {
    HRESULT result = CPersistEds::Load(storage);
    if (result != S_OK) return result;
    ComPtr<IStorage> dictionaryStorage;
    result = OpenSubStorage(kDictionaryName, dictionaryStorage);
    if (result != S_OK) return result;
    return dictionary_->Load(dictionaryStorage.Get());
}

HRESULT CEdsFileStg::Save() {
    if (GetState() != State::Normal) return E_UNEXPECTED;
    const HRESULT result = dictionary_->Save();
    if (result != S_OK) return result;
    return CPersistEds::Save();
}

HRESULT CEdsFileStg::SaveCompleted() {
    if (GetState() != State::Saving) return E_UNEXPECTED;
    const HRESULT result = dictionary_->SaveCompleted();
    if (result != S_OK) return result;
    return CPersistEds::SaveCompleted();
}

HRESULT CEdsFileStg::SaveAs(IStorage* target) {
    if (GetState() != State::Normal) return E_UNEXPECTED;
    if (!target) return E_POINTER;
    HRESULT result = dictionary_->Save();
    if (result != S_OK) return result;
    return CPersistEds::SaveAs(target);
}

HRESULT CEdsFileStg::SaveAsCompleted() {
    if (GetState() != State::NoScribble) return E_UNEXPECTED;
    dictionary_->SaveCompleted();
    return CPersistEds::SaveAsCompleted();
}

HRESULT CEdsFileStg::HandsOffStorage() {
    if (GetState() == State::Uninitialized || GetState() == State::HandsOff) return E_UNEXPECTED;
    dictionary_->HandsOffStorage();
    return CPersistEds::HandsOffStorage();
}

HRESULT CEdsFileStg::ResumeStorage(IStorage* storage) {
    HRESULT result = CPersistEds::ResumeStorage(storage);
    if (result != S_OK) return result;
    ComPtr<IStorage> dictionaryStorage;
    result = OpenSubStorage(kDictionaryName, dictionaryStorage);
    if (result != S_OK) return result;
    return dictionary_->ResumeStorage(dictionaryStorage.Get());
}

HRESULT CEdsFileStg::Uninitialize() {
    dictionary_->Uninitialize();
    CPersistEds::Uninitialize();
    return S_OK;
}

// ---- Section helpers -------------------------------------------------------------

bool CEdsFileStg::IsFileSection(uint16_t code) { return FindFileSection(code) != nullptr; }

const char* CEdsFileStg::SectionName(uint16_t code) {
    const FileSection* section = FindFileSection(code);
    return section ? section->name : nullptr;
}

std::unique_ptr<CEdsPropSet> CEdsFileStg::NewSection(uint16_t code) { return NewSectionObject(code); }

HRESULT CEdsFileStg::OpenSectionStream(uint16_t code, ComPtr<IStream>& stream) {
    stream.Reset();
    if (!IsFileSection(code)) return AsResult(ERROR_INVALID_PARAMETER);
    return OpenStream(SectionStreamName(code).c_str(), stream);
}

std::string CEdsFileStg::SectionStreamName(uint16_t code) {
    const FileSection* section = FindFileSection(code);
    if (!section) return {};
    return std::string(kStreamPrefix) + section->name;
}

HRESULT CEdsFileStg::CreateSection(uint16_t code, std::unique_ptr<CEdsPropSet>& section) {
    section.reset();
    if (!IsFileSection(code)) return AsResult(ERROR_INVALID_PARAMETER);
    std::unique_ptr<CEdsPropSet> created = NewSectionObject(code);
    if (!created) return AsResult(ERROR_OUTOFMEMORY);
    ComPtr<IStream> stream;
    const HRESULT result = CreateStream(SectionStreamName(code).c_str(), stream);
    if (result != S_OK) return result;
    section = std::move(created);
    return S_OK;
}

HRESULT CEdsFileStg::OpenSection(uint16_t code, std::unique_ptr<CEdsPropSet>& section) {
    section.reset();
    if (!IsFileSection(code)) return AsResult(ERROR_INVALID_PARAMETER);
    std::unique_ptr<CEdsPropSet> opened = NewSectionObject(code);
    if (!opened) return AsResult(ERROR_OUTOFMEMORY);
    ComPtr<IStream> stream;
    HRESULT result = OpenSectionStream(code, stream);
    if (result != S_OK) return result;
    result = AsResult(opened->LoadFromStorageStream(stream.Get()));
    if (result != S_OK) return result;
    section = std::move(opened);
    return S_OK;
}

HRESULT CEdsFileStg::WriteSection(uint16_t code, CEdsPropSet* section) {
    if (!IsFileSection(code)) return AsResult(ERROR_INVALID_PARAMETER);
    if (!section) return S_OK;
    ComPtr<IStream> stream;
    const HRESULT result = OpenSectionStream(code, stream);
    if (result != S_OK) return result;
    return AsResult(section->SaveToStorageStream(stream.Get()));
}

// ---- Sections as records -------------------------------------------------------------

namespace {

// Opens the section of a code as its class, lets change alter it and writes
// it back.
template <class Section, class Change>
HRESULT ChangeSection(CEdsFileStg& file, uint16_t code, Change change) {
    std::unique_ptr<Section> section;
    HRESULT result = file.OpenSectionAs(code, section);
    if (result != S_OK) return result;
    result = change(*section);
    if (result != S_OK) return result;
    return file.WriteSection(code, section.get());
}

template <class Section, class Read>
HRESULT ReadSectionAs(CEdsFileStg& file, uint16_t code, Read read) {
    std::unique_ptr<Section> section;
    const HRESULT result = file.OpenSectionAs(code, section);
    if (result != S_OK) return result;
    return read(*section);
}

}  // namespace

HRESULT CEdsFileStg::GetFileInfo(EdsFileInfoRecord& record) {
    return ReadSectionAs<CEdsFileInfo>(*this, SectionCode::FileInfo, [&](CEdsFileInfo& section) {
        section.ToRecord(record);
        return S_OK;
    });
}

HRESULT CEdsFileStg::SetFileInfo(const EdsFileInfoRecord& record) {
    return ChangeSection<CEdsFileInfo>(*this, SectionCode::FileInfo, [&](CEdsFileInfo& section) {
        section.FromRecord(record);
        return S_OK;
    });
}

HRESULT CEdsFileStg::GetDeviceInfo(EdsDeviceInfoRecord& record) {
    const HRESULT result = ReadSectionAs<CEdsDeviceInfo>(*this, SectionCode::DeviceInfo, [&](CEdsDeviceInfo& section) {
        section.ToRecord(record);
        return S_OK;
    });
    if (result != S_OK) return result;
    int receive = 0;
    int transmit = 0;
    dictionary_->CountPdos(receive, transmit);
    record.NrOfRXPDO = static_cast<int16_t>(receive);
    record.NrOfTXPDO = static_cast<int16_t>(transmit);
    if (const auto vendor = ReadIdentityEntry(*dictionary_, 1)) record.VendorNumber = *vendor;
    if (const auto product = ReadIdentityEntry(*dictionary_, 2)) record.ProductNumber = *product;
    if (const auto revision = ReadIdentityEntry(*dictionary_, 3)) record.RevisionNumber = *revision;
    return S_OK;
}

HRESULT CEdsFileStg::SetDeviceInfo(const EdsDeviceInfoRecord& record) {
    const HRESULT result = ChangeSection<CEdsDeviceInfo>(*this, SectionCode::DeviceInfo, [&](CEdsDeviceInfo& section) {
        section.FromRecord(record);
        return S_OK;
    });
    if (result != S_OK) return result;
    IdentityValues identity;
    identity.mask = IdentityBit(1) | IdentityBit(2) | IdentityBit(3);
    identity.values = {record.VendorNumber, record.ProductNumber, record.RevisionNumber, 0};
    return dictionary_->WriteIdentity(identity);
}

HRESULT CEdsFileStg::GetDummyUsage(EdsDummyUsageRecord& record) {
    return ReadSectionAs<CEdsDummyUsage>(*this, SectionCode::DummyUsage, [&](CEdsDummyUsage& section) {
        section.ToRecord(record);
        return S_OK;
    });
}

HRESULT CEdsFileStg::SetDummyUsage(const EdsDummyUsageRecord& record) {
    return ChangeSection<CEdsDummyUsage>(*this, SectionCode::DummyUsage, [&](CEdsDummyUsage& section) {
        section.FromRecord(record);
        return S_OK;
    });
}

HRESULT CEdsFileStg::GetDeviceCom(EdsDeviceComRecord& record) {
    const HRESULT result =
        ReadSectionAs<CEdsDeviceComissioning>(*this, SectionCode::DeviceComissioning, [&](CEdsDeviceComissioning& section) {
            section.ToRecord(record);
            return S_OK;
        });
    if (result != S_OK) return result;
    if (const auto serial = ReadIdentityEntry(*dictionary_, 4)) record.LSS_SerialNumber = *serial;
    return S_OK;
}

HRESULT CEdsFileStg::SetDeviceCom(const EdsDeviceComRecord& record) {
    const HRESULT result =
        ChangeSection<CEdsDeviceComissioning>(*this, SectionCode::DeviceComissioning, [&](CEdsDeviceComissioning& section) {
            section.FromRecord(record);
            return S_OK;
        });
    if (result != S_OK) return result;
    IdentityValues identity;
    identity.mask = IdentityBit(4);
    identity.values = {0, 0, 0, record.LSS_SerialNumber};
    return dictionary_->WriteIdentity(identity);
}

HRESULT CEdsFileStg::GetComments(char*& text) {
    text = nullptr;
    return ReadSectionAs<CEdsComments>(*this, SectionCode::Comments,
                                       [&](CEdsComments& section) { return AsResult(section.GetComments(text)); });
}

HRESULT CEdsFileStg::SetComments(const char* text) {
    return ChangeSection<CEdsComments>(*this, SectionCode::Comments,
                                       [&](CEdsComments& section) { return AsResult(section.SetComments(text)); });
}

HRESULT CEdsFileStg::GetAllDynSegments(BSTR& numbers) {
    numbers = nullptr;
    return ReadSectionAs<CEdsDynamicChannels>(*this, SectionCode::DynamicChannels, [&](CEdsDynamicChannels& section) {
        return AsResult(section.GetAllSegments(numbers));
    });
}

HRESULT CEdsFileStg::AddDynSegment(uint16_t number, const EdsDynSegmentRecord& record) {
    return ChangeSection<CEdsDynamicChannels>(*this, SectionCode::DynamicChannels, [&](CEdsDynamicChannels& section) {
        return AsResult(section.AddSegment(number, record));
    });
}

HRESULT CEdsFileStg::GetDynSegment(uint16_t number, EdsDynSegmentRecord& record) {
    return ReadSectionAs<CEdsDynamicChannels>(*this, SectionCode::DynamicChannels, [&](CEdsDynamicChannels& section) {
        return AsResult(section.GetSegment(number, record));
    });
}

HRESULT CEdsFileStg::SetDynSegment(uint16_t number, const EdsDynSegmentRecord& record) {
    return ChangeSection<CEdsDynamicChannels>(*this, SectionCode::DynamicChannels, [&](CEdsDynamicChannels& section) {
        return AsResult(section.SetSegment(number, record));
    });
}

HRESULT CEdsFileStg::RemDynSegment(uint16_t number) {
    return ChangeSection<CEdsDynamicChannels>(*this, SectionCode::DynamicChannels, [&](CEdsDynamicChannels& section) {
        return AsResult(section.RemoveSegment(number));
    });
}

// ---- EDS text ------------------------------------------------------------------------

HRESULT CEdsFileStg::ReadSection(uint16_t code, uint16_t index, CStream* log, CStream* reader, int subindex) {
    if (IsFileSection(code)) return ReadFileSection(code, log, reader);
    if (code >= SectionCode::MandatoryObjects && code <= SectionCode::CompactDenotations)
        return dictionary_->ReadSection(code, index, log, reader, subindex);
    return S_OK;
}

HRESULT CEdsFileStg::ReadUnknownSection(std::string_view name, CStream* reader, CStream* log) {
    if (IsCommissioningAlias(name)) return ReadFileSection(SectionCode::DeviceComissioning, log, reader);
    return S_OK;
}

bool CEdsFileStg::IsCommissioningAlias(std::string_view name) { return EqualNoCase(name, "DeviceCommissioning"); }

HRESULT CEdsFileStg::ReadFileSection(uint16_t code, CStream* log, CStream* reader) {
    std::unique_ptr<CEdsPropSet> section;
    HRESULT result = CreateSection(code, section);
    if (result != S_OK) return result;
    result = AsResult(section->ReadSectionText(reader));
    if (result != S_OK) return result;
    result = WriteSection(code, section.get());
    if (result != S_OK) return result;
    return AsResult(section->ReportErrors(log));
}

HRESULT CEdsFileStg::Import(const char* path, EdsProgressProc callback, intptr_t context) {
    CEdsImport import(*this, callback, context);
    return import.Run(path);
}

HRESULT CEdsFileStg::Export(const char* path, bool writeDcf, intptr_t context, EdsProgressProc callback) {
    CEdsExport exporter(*this, writeDcf, callback, context);
    return exporter.Run(path);
}

// ---- Compact PDO descriptions -------------------------------------------------------

namespace {

// CompactPDO bits 0 to 4 say which entries are described; bit 5 (mapping
// entries given) is not taken over: a compact description maps nothing.
constexpr uint32_t kCompactPdoFlags = 0x1F;
constexpr uint32_t kAllWritable = 7;
constexpr uint32_t kInvalidCobId = 0x80000000u;

// Creates the PDOs first to first + count - 1 that do not exist yet, up to
// last; a count that reaches past last is reported under its key.
HRESULT CreateMissingPdos(CEdsDictStg& dictionary, uint16_t first, uint16_t last, int count, const char* key,
                          const EdsPdoRequest& request, CStream* log) {
    const int available = last - first + 1;
    if (count > available) {
        WriteLine(log, FormatLine("[Error] DeviceInfo: %s: overflow", key).c_str());
        count = available;
    }
    for (int i = 0; i < count; ++i) {
        const auto index = static_cast<uint16_t>(first + i);
        if (dictionary.Map(ObjectMapCode::Available).IsMember(index)) continue;
        const HRESULT result = dictionary.CreatePdo(index, request);
        if (result != S_OK) return result;
    }
    return S_OK;
}

}  // namespace

HRESULT CEdsFileStg::ExpandCompactPdos(CStream* log) {
    std::unique_ptr<CEdsDeviceInfo> deviceInfo;
    if (OpenSectionAs(SectionCode::DeviceInfo, deviceInfo) != S_OK) return S_OK;
    if (deviceInfo->CompactPDO() == 0) return S_OK;

    EdsPdoRequest request{};
    request.flags = deviceInfo->CompactPDO() & kCompactPdoFlags;
    request.writable = kAllWritable;
    request.cobId = kInvalidCobId;

    HRESULT result = CreateMissingPdos(*dictionary_, CEdsDictStg::kReceivePdoFirst, CEdsDictStg::kReceivePdoLast,
                                       deviceInfo->NrOfRXPDO(), "NrOfRXPDO", request, log);
    if (result == S_OK)
        result = CreateMissingPdos(*dictionary_, CEdsDictStg::kTransmitPdoFirst, CEdsDictStg::kTransmitPdoLast,
                                   deviceInfo->NrOfTXPDO(), "NrOfTXPDO", request, log);
    if (result != S_OK) return result;
    deviceInfo->SetCompactPDO(0);
    return WriteSection(SectionCode::DeviceInfo, deviceInfo.get());
}

}  // namespace vantor

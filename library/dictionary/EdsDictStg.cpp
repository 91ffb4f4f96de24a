#include "library/dictionary/EdsDictStg.h"

#include <cstring>
#include <new>

#include "common/RecordText.h"
#include "library/dictionary/DictText.h"
#include "library/storage/Streams.h"

namespace vantor {

namespace {

constexpr const char* kMapNames[ObjectMapCode::Count] = {"AvailableObjects", "MandatoryObjects", "OptionalObjects",
                                                         "ManufacturerObjects"};

uint8_t HighByte(uint16_t index) { return static_cast<uint8_t>(index >> 8); }

bool IsMain(uint16_t subIndex) { return subIndex >= CEdsObjStg::kMainEntry; }

int MapOfSection(uint16_t code) {
    switch (code) {
    case SectionCode::MandatoryObjects: return ObjectMapCode::Mandatory;
    case SectionCode::OptionalObjects: return ObjectMapCode::Optional;
    case SectionCode::ManufacturerObjects: return ObjectMapCode::Manufacturer;
    default: return -1;
    }
}

const char* MapErrorFormat(int code) {
    switch (code) {
    case ObjectMapCode::Mandatory: return "Invalid mandatory object map (Code 0x%8.8X)";
    case ObjectMapCode::Optional: return "Invalid optional object map (Code 0x%8.8X)";
    case ObjectMapCode::Manufacturer: return "Invalid manufacturer object map (Code 0x%8.8X)";
    default: return "Invalid object map (Code 0x%8.8X)";
    }
}

}  // namespace

CEdsDictStg::CEdsDictStg()
    : maps_{CEdsObjectMap(kMapNames[0]), CEdsObjectMap(kMapNames[1]), CEdsObjectMap(kMapNames[2]),
            CEdsObjectMap(kMapNames[3])} {}

CEdsDictStg::~CEdsDictStg() = default;

// ---- Persistence -----------------------------------------------------------

HRESULT CEdsDictStg::InitNew(IStorage* storage) {
    HRESULT result = CPersistEds::InitNew(storage);
    if (FAILED(result)) return result;
    DropAreas();
    for (int code = 0; code < ObjectMapCode::Count && result == S_OK; ++code) {
        ComPtr<IStream> stream;
        result = CreateStream(kMapNames[code], stream);
        maps_[static_cast<std::size_t>(code)].ClearAll();
    }
    if (result != S_OK) CPersistEds::Uninitialize();
    return result;
}

HRESULT CEdsDictStg::Load(IStorage* storage) {
    HRESULT result = CPersistEds::Load(storage);
    if (FAILED(result)) return result;
    DropAreas();
    result = LoadMaps();
    if (result != S_OK) CPersistEds::Uninitialize();
    return result;
}

HRESULT CEdsDictStg::LoadMaps() {
    for (int code = 0; code < ObjectMapCode::Count; ++code) {
        CEdsObjectMap& map = maps_[static_cast<std::size_t>(code)];
        map.ClearAll();
        ComPtr<IStream> stream;
        HRESULT result = OpenStream(kMapNames[code], stream);
        if (FAILED(result)) return result;
        // A description that was never saved has empty map streams.
        COleStream reader(stream.Get());
        const int32_t size = reader.GetSize();
        if (size == -1) return AsResult(reader.GetError());
        if (size == 0) continue;
        result = AsResult(map.LoadFromStorageStream(stream.Get()));
        if (result != S_OK) return result;
    }
    return S_OK;
}

HRESULT CEdsDictStg::WriteMaps(IStorage* target) {
    for (int code = 0; code < ObjectMapCode::Count; ++code) {
        const std::u16string name(kMapNames[code], kMapNames[code] + std::strlen(kMapNames[code]));
        ComPtr<IStream> stream;
        HRESULT result = target->OpenStream(name.c_str(), nullptr, kOpenMode, 0, stream.ReleaseAndGetAddressOf());
        if (result == STG_E_FILENOTFOUND)
            result = target->CreateStream(name.c_str(), kCreateMode, 0, 0, stream.ReleaseAndGetAddressOf());
        if (FAILED(result)) return result;
        result = AsResult(maps_[static_cast<std::size_t>(code)].SaveToStorageStream(stream.Get()));
        if (result != S_OK) return result;
    }
    return S_OK;
}

HRESULT CEdsDictStg::Save() {
    if (GetState() != State::Normal) return E_UNEXPECTED;
    HRESULT result = WriteMaps(GetStorage());
    std::vector<CEdsAreaStg*> saved;
    for (std::unique_ptr<CEdsAreaStg>& area : areas_) {
        if (!area || result != S_OK) continue;
        result = area->Save();
        if (result == S_OK) saved.push_back(area.get());
    }
    if (result != S_OK) {
        // Nothing is left half saved: a later Save starts from the normal state.
        for (CEdsAreaStg* area : saved) area->SaveCompleted();
        return result;
    }
    SetDirty(false);
    return CPersistEds::Save();
}

HRESULT CEdsDictStg::SaveCompleted() {
    const HRESULT result = CPersistEds::SaveCompleted();
    if (FAILED(result)) return result;
    for (std::unique_ptr<CEdsAreaStg>& area : areas_)
        if (area) area->SaveCompleted();
    return result;
}

HRESULT CEdsDictStg::SaveAs(IStorage* target) {
    if (GetState() != State::Normal) return E_UNEXPECTED;
    if (!target) return E_POINTER;
    // Areas and objects are always up to date in the own storage: it is
    // copied as a whole (the areas closed, so that nothing is held open),
    // then the maps in memory replace the copied ones.
    DropAreas();
    HRESULT result = CPersistEds::SaveAs(target);
    if (FAILED(result)) return result;
    result = WriteMaps(target);
    if (result != S_OK) CPersistEds::SaveAsCompleted();
    return result;
}

HRESULT CEdsDictStg::SaveAsCompleted() { return CPersistEds::SaveAsCompleted(); }

HRESULT CEdsDictStg::HandsOffStorage() {
    const State state = GetState();
    if (state == State::Uninitialized || state == State::HandsOff) return E_UNEXPECTED;
    DropAreas();
    return CPersistEds::HandsOffStorage();
}

HRESULT CEdsDictStg::ResumeStorage(IStorage* storage) { return CPersistEds::ResumeStorage(storage); }

// ---- Areas -----------------------------------------------------------------

void CEdsDictStg::DropAreas() {
    for (std::unique_ptr<CEdsAreaStg>& area : areas_) area.reset();
}

HRESULT CEdsDictStg::CacheArea(uint16_t index, IStorage* storage, bool create, CEdsAreaStg*& area) {
    std::unique_ptr<CEdsAreaStg> fresh(new (std::nothrow) CEdsAreaStg(HighByte(index)));
    if (!fresh) return AsResult(ERROR_OUTOFMEMORY);
    const HRESULT result = create ? fresh->InitNew(storage) : fresh->Load(storage);
    if (result != S_OK) return result;
    areas_[HighByte(index)] = std::move(fresh);
    area = areas_[HighByte(index)].get();
    return S_OK;
}

HRESULT CEdsDictStg::OpenArea(uint16_t index, CEdsAreaStg*& area) {
    area = areas_[HighByte(index)].get();
    if (area) return S_OK;
    ComPtr<IStorage> storage;
    const HRESULT result = OpenSubStorage(ElementName(HighByte(index)).c_str(), storage);
    if (FAILED(result)) return result;
    return CacheArea(index, storage.Get(), false, area);
}

HRESULT CEdsDictStg::CreateArea(uint16_t index, CEdsAreaStg*& area) {
    area = nullptr;
    areas_[HighByte(index)].reset();
    ComPtr<IStorage> storage;
    const HRESULT result = CreateSubStorage(ElementName(HighByte(index)).c_str(), storage);
    if (FAILED(result)) return result;
    return CacheArea(index, storage.Get(), true, area);
}

HRESULT CEdsDictStg::GetOrCreateArea(uint16_t index, CEdsAreaStg*& area) {
    const HRESULT result = OpenArea(index, area);
    if (result != STG_E_FILENOTFOUND) return result;
    return CreateArea(index, area);
}

// ---- Objects ---------------------------------------------------------------

HRESULT CEdsDictStg::ListAll(BSTR& indexes) {
    indexes = maps_[ObjectMapCode::Available].MembersToArray();
    return indexes ? S_OK : AsResult(ERROR_OUTOFMEMORY);
}

HRESULT CEdsDictStg::Add(uint16_t index, uint16_t subIndex, const EdsObjectRecord& record) {
    CEdsAreaStg* area = nullptr;
    HRESULT result = GetOrCreateArea(index, area);
    if (result == S_OK) result = area->AddRecord(index, subIndex, record);
    if (result != S_OK) return result;
    maps_[ObjectMapCode::Available].SetMember(index, true);
    if (IsMain(subIndex)) SetCategory(index, record.Category);
    return S_OK;
}

HRESULT CEdsDictStg::Get(uint16_t index, uint16_t subIndex, EdsObjectRecord& record) {
    CEdsAreaStg* area = nullptr;
    HRESULT result = GetOrCreateArea(index, area);
    if (result == S_OK) result = area->GetRecord(index, subIndex, record);
    if (result == S_OK) record.Category = Category(index);
    return result;
}

HRESULT CEdsDictStg::Set(uint16_t index, uint16_t subIndex, const EdsObjectRecord& record) {
    // Above 0xFF the value is not a sub-index of any object: it addresses
    // the main entry, as everywhere else at the interface.
    const uint16_t entry = IsMain(subIndex) ? kMainEntry : subIndex;
    CEdsAreaStg* area = nullptr;
    HRESULT result = GetOrCreateArea(index, area);
    if (result == S_OK) result = area->SetRecord(index, entry, record);
    if (result != S_OK) return result;
    if (entry == kMainEntry) SetCategory(index, record.Category);
    return S_OK;
}

HRESULT CEdsDictStg::Remove(uint16_t index, uint16_t subIndex) {
    CEdsAreaStg* area = nullptr;
    HRESULT result = OpenArea(index, area);
    if (result == S_OK) result = area->RemoveRecord(index, subIndex);
    if (result != S_OK || !IsMain(subIndex)) return result;
    for (CEdsObjectMap& map : maps_) map.SetMember(index, false);
    return S_OK;
}

HRESULT CEdsDictStg::GetLinks(uint16_t index, BSTR& links) {
    links = nullptr;
    CEdsAreaStg* area = nullptr;
    const HRESULT result = OpenArea(index, area);
    return result != S_OK ? result : area->GetLinks(index, links);
}

HRESULT CEdsDictStg::SetLinks(uint16_t index, BSTR links) {
    CEdsAreaStg* area = nullptr;
    const HRESULT result = OpenArea(index, area);
    return result != S_OK ? result : area->SetLinks(index, links);
}

uint8_t CEdsDictStg::Category(uint16_t index) const {
    if (maps_[ObjectMapCode::Mandatory].IsMember(index)) return ObjectCategory::Mandatory;
    if (maps_[ObjectMapCode::Optional].IsMember(index)) return ObjectCategory::Optional;
    if (maps_[ObjectMapCode::Manufacturer].IsMember(index)) return ObjectCategory::Manufacturer;
    return ObjectCategory::None;
}

void CEdsDictStg::SetCategory(uint16_t index, uint8_t category) {
    maps_[ObjectMapCode::Optional].SetMember(index, category == ObjectCategory::Optional);
    maps_[ObjectMapCode::Mandatory].SetMember(index, category == ObjectCategory::Mandatory);
    maps_[ObjectMapCode::Manufacturer].SetMember(index, category == ObjectCategory::Manufacturer);
}

void CEdsDictStg::CountPdos(int& receive, int& transmit) const {
    const CEdsObjectMap& available = maps_[ObjectMapCode::Available];
    receive = available.CountInRange(kReceivePdoFirst, kReceivePdoLast);
    transmit = available.CountInRange(kTransmitPdoFirst, kTransmitPdoLast);
}

// ---- Import ----------------------------------------------------------------

HRESULT CEdsDictStg::ReadSection(uint16_t code, uint16_t index, CStream* log, CStream* reader, int subindex) {
    if (!reader) return AsResult(ERROR_INVALID_PARAMETER);
    const int map = MapOfSection(code);
    if (map >= 0) return ReadMapSection(map, log, reader);
    if (code < SectionCode::MainObject || code > SectionCode::CompactDenotations) return S_OK;
    if (code == SectionCode::SubObject && (subindex < 0 || subindex >= CEdsObjStg::kMainEntry)) {
        // [xxxxsubFF] is not the main entry: the section is skipped.
        WriteErrorLine(log, Formatted("Invalid sub object section: %4.4Xsub%2.2X (section skipped)",
                                      static_cast<unsigned>(index), static_cast<unsigned>(subindex & 0xFF)));
        return S_OK;
    }
    CEdsAreaStg* area = nullptr;
    HRESULT result = GetOrCreateArea(index, area);
    if (result == S_OK) result = area->ReadSection(code, index, log, reader, subindex);
    if (result == S_OK) maps_[ObjectMapCode::Available].SetMember(index, true);
    return result;
}

HRESULT CEdsDictStg::ReadMapSection(int code, CStream* log, CStream* reader) {
    CEdsObjectMap& map = maps_[static_cast<std::size_t>(code)];
    ComPtr<IStream> stream;
    HRESULT result = CreateStream(kMapNames[code], stream);
    if (FAILED(result)) return result;
    result = AsResult(map.ReadSectionText(reader));
    if (result != S_OK) {
        map.ClearAll();
        return result;
    }
    result = AsResult(map.SaveToStorageStream(stream.Get()));
    if (result == S_OK) result = AsResult(map.ReportErrors(log));
    return result;
}

// ---- Export ----------------------------------------------------------------

HRESULT CEdsDictStg::ExportMap(int code, CStream* text, CStream* errors, bool configuration) {
    const HRESULT result = AsResult(maps_[static_cast<std::size_t>(code)].WriteSectionText(text, kFormat2, configuration));
    if (result != S_OK) WriteErrorLine(errors, Formatted(MapErrorFormat(code), static_cast<unsigned>(result)));
    return result;
}

HRESULT CEdsDictStg::EnumerateAreas(std::array<bool, 256>& present) {
    present.fill(false);
    STATSTG* element = nullptr;
    HRESULT result = BeginEnum(element);
    if (FAILED(result)) return result;
    while ((result = NextEnum(element)) == S_OK) {
        if (element->type != STGTY_STORAGE) continue;
        if (const std::optional<uint8_t> number = ElementNumber(element->pwcsName)) present[*number] = true;
    }
    EndEnum(element);
    return FAILED(result) ? result : S_OK;
}

HRESULT CEdsDictStg::Export(CStream* text, CStream* errors, EdsProgressProc progress, intptr_t context,
                            bool configuration) {
    if (!text) return AsResult(ERROR_INVALID_PARAMETER);
    if (progress) progress(0, context);
    for (int code : {ObjectMapCode::Mandatory, ObjectMapCode::Manufacturer, ObjectMapCode::Optional}) {
        const HRESULT result = ExportMap(code, text, errors, configuration);
        if (result != S_OK) return result;
    }
    std::array<bool, 256> present{};
    HRESULT result = EnumerateAreas(present);
    if (FAILED(result)) return result;

    // An object that cannot be written gets its error line and the export
    // goes on; the first failure is the result.
    result = S_OK;
    for (int i = 0; i < 256; ++i) {
        if (progress) progress(i * 100 / 255, context);
        if (!present[static_cast<std::size_t>(i)]) continue;
        const auto first = static_cast<uint16_t>(i * 256);
        CEdsAreaStg* area = nullptr;
        HRESULT exported = OpenArea(first, area);
        if (exported == S_OK) {
            exported = area->ExportArea(text, errors, configuration);
        } else {
            WriteErrorLine(errors, Formatted("Invalid object area: %2.2X (Code 0x%8.8X)", static_cast<unsigned>(i),
                                             static_cast<unsigned>(exported)));
        }
        if (result == S_OK) result = exported;
    }
    return result;
}

}  // namespace vantor

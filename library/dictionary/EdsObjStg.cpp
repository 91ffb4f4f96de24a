#include "library/dictionary/EdsObjStg.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>

#include "common/RecordText.h"
#include "library/dictionary/DictText.h"
#include "library/storage/Streams.h"
#include "library/values/StrConv.h"

namespace vantor {

namespace {

constexpr const char* kMainStream = "MAIN";
// Sub-indexes written by compact expansion: at most 0x01 to 0xFE.
constexpr int kLargestCompactCount = 0xFE;

bool IsListKind(uint16_t kind) { return kind >= SectionCode::ObjectLinks && kind <= SectionCode::CompactDenotations; }

const char* ListStreamName(uint16_t kind) {
    switch (kind) {
    case SectionCode::ObjectLinks: return "ObjectLinks";
    case SectionCode::CompactNames: return "SubNames";
    case SectionCode::CompactValues: return "SubValues";
    case SectionCode::CompactDenotations: return "SubDenotations";
    default: return nullptr;
    }
}

std::string EntryStreamName(uint8_t subIndex) { return subIndex == CEdsObjStg::kMainEntry ? kMainStream : ElementName(subIndex); }

CEdsMainObject& AsMain(CEdsObjectEntry& entry) { return static_cast<CEdsMainObject&>(entry); }

std::string FieldText(CEdsPropSet& set, std::string_view key) {
    std::optional<std::string> text;
    set.GetTextByKey(key, text);
    return text.value_or(std::string());
}

}  // namespace

std::string EntryPresence::Map() const {
    std::string map(255, '0');
    for (std::size_t i = 0; i < map.size(); ++i)
        if (present[i]) map[i] = '1';
    return map;
}

// ---- Persistence -----------------------------------------------------------

HRESULT CEdsObjStg::InitNew(IStorage* storage) {
    HRESULT result = CPersistEds::InitNew(storage);
    if (FAILED(result)) return result;
    std::unique_ptr<CEdsObjectEntry> main;
    result = CreateEntry(kMainEntry, main);
    if (SUCCEEDED(result)) result = WriteEntry(kMainEntry, main.get());
    if (result != S_OK) CPersistEds::Uninitialize();
    return result;
}

HRESULT CEdsObjStg::Load(IStorage* storage) { return CPersistEds::Load(storage); }

HRESULT CEdsObjStg::Save() {
    // Every change was written when it was made.
    const HRESULT result = CPersistEds::Save();
    if (SUCCEEDED(result)) SetDirty(false);
    return result;
}

HRESULT CEdsObjStg::SaveAs(IStorage* target) {
    CPersistEds::SaveAs(target);
    return S_OK;
}

HRESULT CEdsObjStg::HandsOffStorage() { return CPersistEds::HandsOffStorage(); }

HRESULT CEdsObjStg::ResumeStorage(IStorage* storage) { return CPersistEds::ResumeStorage(storage); }

HRESULT CEdsObjStg::Uninitialize() {
    index_ = kNoIndex;
    return CPersistEds::Uninitialize();
}

// ---- Entries ---------------------------------------------------------------

std::unique_ptr<CEdsObjectEntry> CEdsObjStg::NewEntry(uint8_t subIndex) {
    if (subIndex == kMainEntry) return std::unique_ptr<CEdsObjectEntry>(new (std::nothrow) CEdsMainObject());
    return std::unique_ptr<CEdsObjectEntry>(new (std::nothrow) CEdsSubObject());
}

HRESULT CEdsObjStg::CreateEntry(uint8_t subIndex, std::unique_ptr<CEdsObjectEntry>& entry) {
    entry.reset();
    ComPtr<IStream> stream;
    const HRESULT result = CreateStream(EntryStreamName(subIndex).c_str(), stream);
    if (FAILED(result)) return result;
    entry = NewEntry(subIndex);
    return entry ? S_OK : AsResult(ERROR_OUTOFMEMORY);
}

HRESULT CEdsObjStg::OpenEntry(uint8_t subIndex, std::unique_ptr<CEdsObjectEntry>& entry) {
    entry.reset();
    ComPtr<IStream> stream;
    HRESULT result = OpenStream(EntryStreamName(subIndex).c_str(), stream);
    if (FAILED(result)) return result;
    std::unique_ptr<CEdsObjectEntry> loaded = NewEntry(subIndex);
    if (!loaded) return AsResult(ERROR_OUTOFMEMORY);
    result = AsResult(loaded->LoadFromStorageStream(stream.Get()));
    if (result != S_OK) return result;
    entry = std::move(loaded);
    return S_OK;
}

HRESULT CEdsObjStg::WriteEntry(uint8_t subIndex, CEdsObjectEntry* entry) {
    if (!entry) return S_OK;
    ComPtr<IStream> stream;
    const HRESULT result = OpenOrCreateStream(EntryStreamName(subIndex).c_str(), stream);
    if (FAILED(result)) return result;
    return AsResult(entry->SaveToStorageStream(stream.Get()));
}

HRESULT CEdsObjStg::RemoveEntry(uint8_t subIndex) {
    if (subIndex == kMainEntry) return S_OK;
    return DestroyElement(ElementName(subIndex).c_str());
}

HRESULT CEdsObjStg::EnumerateEntries(EntryPresence& presence) {
    presence = EntryPresence();
    STATSTG* element = nullptr;
    HRESULT result = BeginEnum(element);
    if (FAILED(result)) return result;
    while ((result = NextEnum(element)) == S_OK) {
        if (element->type != STGTY_STREAM) continue;
        const std::optional<uint8_t> number = ElementNumber(element->pwcsName);
        if (!number || *number == kMainEntry || presence.present[*number]) continue;
        presence.present[*number] = true;
        ++presence.count;
    }
    EndEnum(element);
    return FAILED(result) ? result : S_OK;
}

// ---- Lists -----------------------------------------------------------------

std::unique_ptr<CEdsPropSet> CEdsObjStg::NewList(uint16_t kind) {
    if (kind == SectionCode::ObjectLinks) return std::unique_ptr<CEdsPropSet>(new (std::nothrow) CEdsObjLinks());
    return std::unique_ptr<CEdsPropSet>(new (std::nothrow) CEdsStringList());
}

HRESULT CEdsObjStg::CreateList(uint16_t kind, std::unique_ptr<CEdsPropSet>& list) {
    list.reset();
    if (!IsListKind(kind)) return AsResult(ERROR_INVALID_PARAMETER);
    ComPtr<IStream> stream;
    const HRESULT result = CreateStream(ListStreamName(kind), stream);
    if (FAILED(result)) return result;
    list = NewList(kind);
    return list ? S_OK : AsResult(ERROR_OUTOFMEMORY);
}

HRESULT CEdsObjStg::OpenList(uint16_t kind, std::unique_ptr<CEdsPropSet>& list) {
    list.reset();
    if (!IsListKind(kind)) return AsResult(ERROR_INVALID_PARAMETER);
    ComPtr<IStream> stream;
    HRESULT result = OpenStream(ListStreamName(kind), stream);
    if (FAILED(result)) return result;
    std::unique_ptr<CEdsPropSet> loaded = NewList(kind);
    if (!loaded) return AsResult(ERROR_OUTOFMEMORY);
    result = AsResult(loaded->LoadFromStorageStream(stream.Get()));
    if (result != S_OK) return result;
    list = std::move(loaded);
    return S_OK;
}

HRESULT CEdsObjStg::WriteList(uint16_t kind, CEdsPropSet* list) {
    if (!IsListKind(kind)) return AsResult(ERROR_INVALID_PARAMETER);
    if (!list) return S_OK;
    ComPtr<IStream> stream;
    const HRESULT result = OpenOrCreateStream(ListStreamName(kind), stream);
    if (FAILED(result)) return result;
    return AsResult(list->SaveToStorageStream(stream.Get()));
}

HRESULT CEdsObjStg::RemoveList(uint16_t kind) {
    if (!IsListKind(kind)) return AsResult(ERROR_INVALID_PARAMETER);
    const HRESULT result = DestroyElement(ListStreamName(kind));
    return result == STG_E_FILENOTFOUND ? S_OK : result;
}

// ---- Records ---------------------------------------------------------------

HRESULT CEdsObjStg::AddEntry(uint8_t subIndex, const EdsObjectRecord& record) {
    std::unique_ptr<CEdsObjectEntry> entry;
    HRESULT result = OpenEntry(subIndex, entry);
    if (result == STG_E_FILENOTFOUND) result = CreateEntry(subIndex, entry);
    if (result != S_OK) return result;
    entry->ClearAll();
    if (subIndex == kMainEntry) {
        AsMain(*entry).FromRecord(record);
    } else {
        static_cast<CEdsSubObject&>(*entry).FromRecord(record);
    }
    return WriteEntry(subIndex, entry.get());
}

HRESULT CEdsObjStg::GetEntry(uint8_t subIndex, EdsObjectRecord& record) {
    std::unique_ptr<CEdsObjectEntry> entry;
    HRESULT result = OpenEntry(subIndex, entry);
    if (result != S_OK) return result;
    if (subIndex != kMainEntry) {
        static_cast<CEdsSubObject&>(*entry).ToRecord(record);
        return S_OK;
    }
    EntryPresence presence;
    result = EnumerateEntries(presence);
    if (FAILED(result)) return result;
    CEdsMainObject& main = AsMain(*entry);
    // What is present decides, not the count stored with the entry.
    main.SetSubNumber(static_cast<uint8_t>(std::min(presence.count, 0xFF)));
    main.ToRecord(record);
    if (presence.count > 0) StoreRecordText(record.DefaultValue, presence.Map());
    return S_OK;
}

HRESULT CEdsObjStg::SetEntry(uint8_t subIndex, const EdsObjectRecord& record) {
    std::unique_ptr<CEdsObjectEntry> entry;
    HRESULT result = OpenEntry(subIndex, entry);
    if (result != S_OK) return result;
    if (subIndex != kMainEntry) {
        static_cast<CEdsSubObject&>(*entry).FromRecord(record);
        return WriteEntry(subIndex, entry.get());
    }
    EntryPresence presence;
    result = EnumerateEntries(presence);
    if (FAILED(result)) return result;
    CEdsMainObject& main = AsMain(*entry);
    if (presence.count == 0) {
        main.FromRecord(record);
        return WriteEntry(subIndex, entry.get());
    }
    // With sub-indexes the record carries no value keys (its DefaultValue is
    // the presence map): those stay as stored.
    EdsObjectRecord merged;
    main.SetSubNumber(0);
    main.ToRecord(merged);
    merged.SubNumber = record.SubNumber;
    std::memcpy(merged.ParameterName, record.ParameterName, sizeof merged.ParameterName);
    merged.ObjectType = record.ObjectType;
    merged.ObjFlags = record.ObjFlags;
    std::memcpy(merged.Denotation, record.Denotation, sizeof merged.Denotation);
    main.FromRecord(merged);
    return WriteEntry(subIndex, entry.get());
}

HRESULT CEdsObjStg::GetLinks(BSTR& links) {
    links = nullptr;
    std::unique_ptr<CEdsPropSet> list;
    const HRESULT result = OpenList(SectionCode::ObjectLinks, list);
    if (result != S_OK) return result;
    links = static_cast<CEdsObjLinks&>(*list).LinksToArray();
    return links ? S_OK : AsResult(ERROR_OUTOFMEMORY);
}

HRESULT CEdsObjStg::SetLinks(BSTR links) {
    std::unique_ptr<CEdsPropSet> list;
    HRESULT result = OpenList(SectionCode::ObjectLinks, list);
    if (result == STG_E_FILENOTFOUND) result = CreateList(SectionCode::ObjectLinks, list);
    if (result != S_OK) return result;
    list->ClearAll();
    result = AsResult(static_cast<CEdsObjLinks&>(*list).LinksFromArray(links));
    if (result != S_OK) return result;
    return WriteList(SectionCode::ObjectLinks, list.get());
}

// ---- Import ----------------------------------------------------------------

HRESULT CEdsObjStg::ReadSection(uint16_t code, uint16_t, CStream* log, CStream* reader, int subindex) {
    if (!reader) return AsResult(ERROR_INVALID_PARAMETER);
    HRESULT result = S_OK;
    if (code == SectionCode::MainObject) {
        result = ReadEntrySection(kMainEntry, log, reader);
    } else if (code == SectionCode::SubObject) {
        if (subindex < 0 || subindex >= kMainEntry) {
            // [xxxxsubFF] would overwrite the main entry: it is skipped.
            WriteErrorLine(log, Formatted("Invalid sub object section: %4.4Xsub%2.2X (section skipped)",
                                          static_cast<unsigned>(index_), static_cast<unsigned>(subindex & 0xFF)));
            return S_OK;
        }
        result = ReadEntrySection(static_cast<uint8_t>(subindex), log, reader);
    } else if (IsListKind(code)) {
        result = ReadListSection(code, log, reader);
    } else {
        return S_OK;
    }
    if (result != S_OK || code == SectionCode::SubObject || code == SectionCode::ObjectLinks) return result;
    result = ExpandCompact();
    if (result == S_OK) result = ApplyCompactLists();
    return result;
}

HRESULT CEdsObjStg::ReadEntrySection(uint8_t subIndex, CStream* log, CStream* reader) {
    ComPtr<IStream> stream;
    HRESULT result = CreateStream(EntryStreamName(subIndex).c_str(), stream);
    if (FAILED(result)) return result;
    std::unique_ptr<CEdsObjectEntry> entry = NewEntry(subIndex);
    if (!entry) return AsResult(ERROR_OUTOFMEMORY);
    entry->SetName(subIndex == kMainEntry ? MainObjectName(index_) : SubObjectName(index_, subIndex));
    result = AsResult(entry->ReadSectionText(reader));
    if (result == S_OK) result = AsResult(entry->SaveToStorageStream(stream.Get()));
    if (result == S_OK) result = AsResult(entry->ReportErrors(log));
    return result;
}

HRESULT CEdsObjStg::ReadListSection(uint16_t kind, CStream* log, CStream* reader) {
    ComPtr<IStream> stream;
    HRESULT result = CreateStream(ListStreamName(kind), stream);
    if (FAILED(result)) return result;
    std::unique_ptr<CEdsPropSet> list = NewList(kind);
    if (!list) return AsResult(ERROR_OUTOFMEMORY);
    list->SetName(ListStreamName(kind));
    result = AsResult(list->ReadSectionText(reader));
    if (result == S_OK) result = AsResult(list->SaveToStorageStream(stream.Get()));
    if (result == S_OK) result = AsResult(list->ReportErrors(log));
    return result;
}

HRESULT CEdsObjStg::ExpandCompact() {
    std::unique_ptr<CEdsObjectEntry> entry;
    HRESULT result = OpenEntry(kMainEntry, entry);
    if (result == STG_E_FILENOTFOUND) return S_OK;
    if (result != S_OK) return result;
    CEdsMainObject& main = AsMain(*entry);
    const int count = std::min<int>(main.CompactSubObj(), kLargestCompactCount);
    if (count == 0) return S_OK;

    CEdsSubObject sub;
    sub.SetTextByKey("ParameterName", "NrOfObjects");
    sub.SetTextByKey("ObjectType", "7");
    sub.SetTextByKey("DataType", "0x5");
    sub.SetTextByKey("AccessType", "ro");
    sub.SetTextByKey("PDOMapping", "0");
    sub.SetTextByKey("DefaultValue", Formatted("%d", count));
    result = WriteEntry(0, &sub);
    if (result != S_OK) return result;

    // The remaining sub-indexes take the value keys of the main entry.
    for (std::string_view key : {"DataType", "AccessType", "DefaultValue", "PDOMapping", "LowLimit", "HighLimit"}) {
        std::optional<std::string> text;
        main.GetTextByKey(key, text);
        sub.SetTextByKey(key, text ? TextArg(*text) : TextArg());
    }
    std::string name = FieldText(main, "ParameterName");
    if (name.empty()) name = "Sub";
    for (int i = 1; i <= count && result == S_OK; ++i) {
        sub.SetTextByKey("ParameterName", name + std::to_string(i));
        result = WriteEntry(static_cast<uint8_t>(i), &sub);
    }
    if (result != S_OK) return result;
    main.SetSubNumber(static_cast<uint8_t>(count + 1));
    main.SetCompactSubObj(0);
    return WriteEntry(kMainEntry, &main);
}

HRESULT CEdsObjStg::ApplyCompactLists() {
    struct PendingList {
        uint16_t kind;
        const char* key;
        std::unique_ptr<CEdsPropSet> list;
    };
    PendingList lists[] = {{SectionCode::CompactNames, "ParameterName", nullptr},
                           {SectionCode::CompactValues, "DefaultValue", nullptr},
                           {SectionCode::CompactDenotations, "Denotation", nullptr}};
    bool anyList = false;
    for (PendingList& pending : lists) {
        if (OpenList(pending.kind, pending.list) != S_OK) pending.list.reset();
        anyList = anyList || pending.list != nullptr;
    }
    if (!anyList) return S_OK;

    EntryPresence presence;
    HRESULT result = EnumerateEntries(presence);
    if (FAILED(result)) return result;
    for (int i = 1; i < kMainEntry && result == S_OK; ++i) {
        if (!presence.present[static_cast<std::size_t>(i)]) continue;
        std::unique_ptr<CEdsObjectEntry> entry;
        result = OpenEntry(static_cast<uint8_t>(i), entry);
        if (result != S_OK) break;
        const std::string name = std::to_string(i);
        bool changed = false;
        for (PendingList& pending : lists) {
            if (!pending.list) continue;
            std::optional<std::string> text;
            pending.list->GetTextByKey(name, text);
            if (!text) continue;
            entry->SetTextByKey(pending.key, *text);
            changed = true;
        }
        if (changed) result = WriteEntry(static_cast<uint8_t>(i), entry.get());
    }
    if (result != S_OK || !presence.present[0]) return result;
    // Sub-index 0 shows that the object was expanded: the texts have found
    // their entries and the lists are done.
    for (PendingList& pending : lists) {
        const HRESULT removed = RemoveList(pending.kind);
        if (result == S_OK) result = removed;
    }
    return result;
}

// ---- Export ----------------------------------------------------------------

HRESULT CEdsObjStg::ExportObject(CStream* text, CStream* errors, bool configuration) {
    if (!text) return AsResult(ERROR_INVALID_PARAMETER);
    EntryPresence presence;
    HRESULT result = EnumerateEntries(presence);
    if (FAILED(result)) return result;

    std::unique_ptr<CEdsObjectEntry> entry;
    result = OpenEntry(kMainEntry, entry);
    if (result != S_OK) {
        const char* format = result == AsResult(ERROR_INVALID_DATA) ? "Invalid main object data: %4.4X (Code 0x%8.8X)"
                                                                    : "Main object not found: %4.4X (Code 0x%8.8X)";
        WriteErrorLine(errors, Formatted(format, static_cast<unsigned>(index_), static_cast<unsigned>(result)));
        return result;
    }
    CEdsMainObject& main = AsMain(*entry);
    main.SetSubNumber(static_cast<uint8_t>(std::min(presence.count, 0xFF)));
    main.SetObjectName(index_);
    result = AsResult(main.WriteSectionText(text, kFormat2, configuration));
    if (result != S_OK) return result;

    // A sub-index that cannot be written does not stop the others; the
    // first failure is the result.
    for (int i = 0; i < kMainEntry; ++i) {
        if (!presence.present[static_cast<std::size_t>(i)]) continue;
        const HRESULT written = WriteEntrySection(static_cast<uint8_t>(i), text, errors, configuration);
        if (result == S_OK) result = written;
    }
    const HRESULT links = WriteLinkSection(text, errors, configuration);
    return result != S_OK ? result : links;
}

HRESULT CEdsObjStg::WriteEntrySection(uint8_t subIndex, CStream* text, CStream* errors, bool configuration) {
    const bool isMain = subIndex == kMainEntry;
    const auto index = static_cast<unsigned>(index_);
    const auto sub = static_cast<unsigned>(subIndex);
    ComPtr<IStream> stream;
    HRESULT result = OpenStream(EntryStreamName(subIndex).c_str(), stream);
    if (FAILED(result)) {
        WriteErrorLine(errors, isMain ? Formatted("Main object not found: %4.4X (Code 0x%8.8X)", index,
                                                  static_cast<unsigned>(result))
                                      : Formatted("Sub object not found: %4.4Xsub%2.2X (Code 0x%8.8X)", index, sub,
                                                  static_cast<unsigned>(result)));
        return result;
    }
    std::unique_ptr<CEdsObjectEntry> entry = NewEntry(subIndex);
    if (!entry) return AsResult(ERROR_OUTOFMEMORY);
    entry->SetName(isMain ? MainObjectName(index_) : SubObjectName(index_, subIndex));
    result = AsResult(entry->LoadFromStorageStream(stream.Get()));
    if (result != S_OK) {
        WriteErrorLine(errors, isMain ? Formatted("Invalid main object data: %4.4X (Code 0x%8.8X)", index,
                                                  static_cast<unsigned>(result))
                                      : Formatted("Invalid sub object data: %4.4Xsub%2.2X (Code 0x%8.8X)", index, sub,
                                                  static_cast<unsigned>(result)));
        if (result != AsResult(ERROR_INVALID_DATA)) return result;
    }
    return AsResult(entry->WriteSectionText(text, kFormat2, configuration));
}

HRESULT CEdsObjStg::WriteLinkSection(CStream* text, CStream* errors, bool configuration) {
    std::unique_ptr<CEdsPropSet> list;
    const HRESULT opened = OpenList(SectionCode::ObjectLinks, list);
    if (opened == STG_E_FILENOTFOUND) return S_OK;
    if (opened != S_OK) {
        // The links are lost for this export, the objects are not.
        WriteErrorLine(errors, Formatted("Invalid object links: %4.4X (Code 0x%8.8X)", static_cast<unsigned>(index_),
                                         static_cast<unsigned>(opened)));
        return S_OK;
    }
    list->SetName(Formatted("%4.4XObjectLinks", static_cast<unsigned>(index_)));
    return AsResult(list->WriteSectionText(text, kFormat2, configuration));
}

}  // namespace vantor

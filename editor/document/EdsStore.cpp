#include "editor/document/EdsStore.h"

#include <cstring>

#include "editor/document/RecordKinds.h"
#include "editor/document/SystemError.h"

namespace brenmoor {
namespace {

enum class Kind { FileInfo, DeviceInfo, DummyUsage, Reserved3, Object, Reserved5, DynSegment, Other };

Kind KindOf(const GUID& kind) {
    if (kind == kKindFileInfo) return Kind::FileInfo;
    if (kind == kKindDeviceInfo) return Kind::DeviceInfo;
    if (kind == kKindDummyUsage) return Kind::DummyUsage;
    if (kind == kKindReserved3) return Kind::Reserved3;
    if (kind == kKindObject) return Kind::Object;
    if (kind == kKindReserved5) return Kind::Reserved5;
    if (kind == kKindDynSegment) return Kind::DynSegment;
    return Kind::Other;
}

constexpr EdsResult kNotImplemented = 0x80004001;
constexpr EdsResult kNoInterface = 0x80004002;
constexpr EdsResult kUnspecified = 0x80004005;

// The editor's codes are one above the library's; the wrap carries the
// editor's 0 to the library's unset value and back.
template <class T>
constexpr T LibraryCode(T editorCode) {
    return static_cast<T>(editorCode - 1);
}
template <class T>
constexpr T EditorCode(T libraryCode) {
    return static_cast<T>(libraryCode + 1);
}

EdsObjectRecord ToLibrary(const EdsObjectRecord& editor) {
    EdsObjectRecord library;
    std::memcpy(&library, &editor, sizeof library);
    library.ObjectType = LibraryCode(library.ObjectType);
    library.AccessType = LibraryCode(library.AccessType);
    return library;
}

void ToEditor(EdsObjectRecord& record) {
    record.ObjectType = EditorCode(record.ObjectType);
    record.AccessType = EditorCode(record.AccessType);
}

EdsDynSegmentRecord ToLibrary(const EdsDynSegmentRecord& editor) {
    EdsDynSegmentRecord library;
    std::memcpy(&library, &editor, sizeof library);
    library.Dir = LibraryCode(library.Dir);
    return library;
}

void ToEditor(EdsDynSegmentRecord& record) { record.Dir = EditorCode(record.Dir); }

// The records come as untyped pointers with no alignment promise; the
// library takes packed records, so they are copied rather than cast.
template <class Record>
Record CopyOf(const void* record) {
    Record copy;
    std::memcpy(&copy, record, sizeof copy);
    return copy;
}

EdsResult ReadNumbers(EdsResult code, EdsNumberList list, std::vector<uint16_t>& numbers) {
    numbers.clear();
    if (code == 0 && list) {
        const UINT count = SysStringLen(list);
        numbers.resize(count);
        // An empty list leaves no buffer to copy into.
        if (count > 0) std::memcpy(numbers.data(), list, count * sizeof(uint16_t));
    }
    SysFreeString(list);
    return code;
}

// The path as the structured-storage functions take it. Paths are the file
// system's own bytes (UTF-8), never converted through the ANSI code page.
std::u16string WidePath(const std::string& path) {
    const int units = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.c_str(), -1, nullptr, 0);
    if (units <= 0) throw SystemError(GetLastError(), "The file name \"" + path + "\" cannot be used");
    std::u16string wide(static_cast<std::size_t>(units), u'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.c_str(), -1, wide.data(), units);
    wide.pop_back();
    return wide;
}

EdsResult LastErrorOr(EdsResult fallback) {
    const DWORD code = GetLastError();
    return code != 0 ? code : fallback;
}

}  // namespace

CEdsStore::CEdsStore(const std::string& path, DWORD mode) : path_(path) {
    const std::u16string wide = WidePath(path);
    IStorage* root = nullptr;
    bool created = (mode & STGM_CREATE) != 0;
    HRESULT hr = created ? StgCreateDocfile(wide.c_str(), mode, 0, &root)
                         : StgOpenStorage(wide.c_str(), nullptr, mode, nullptr, 0, &root);
    // Only a missing file is created in its place: a file that exists but
    // cannot be opened (locked, not a compound file) is never overwritten.
    if (!created && hr == STG_E_FILENOTFOUND) {
        created = true;
        hr = StgCreateDocfile(wide.c_str(), mode | STGM_CREATE, 0, &root);
    }
    if (FAILED(hr)) throw SystemError(static_cast<uint32_t>(hr), "The compound file \"" + path + "\" cannot be used");
    root_.reset(root);

    handle_ = created ? eds_CreateFile(root) : eds_OpenExFile(root);
    if (!handle_) {
        const EdsResult code = LastErrorOr(kUnspecified);
        root_.reset();
        throw SystemError(code, "No description can be kept in \"" + path + "\"");
    }
}

CEdsStore::~CEdsStore() {
    CloseHandle();
    root_.reset();
    modified_ = false;
    progress_ = nullptr;
}

void CEdsStore::CloseHandle() {
    if (handle_) eds_CloseFile(handle_);
    handle_ = nullptr;
}

EdsResult CEdsStore::Reset() {
    CloseHandle();
    handle_ = eds_CreateFile(root_.get());
    modified_ = handle_ != nullptr;
    return handle_ ? 0 : LastErrorOr(kUnspecified);
}

EdsResult CEdsStore::Import(const std::string& path) {
    if (!handle_) return ERROR_INVALID_HANDLE;
    const EdsResult code = eds_ImportEDS(handle_, path.c_str(), &RelayProgress, reinterpret_cast<intptr_t>(this));
    if (code == 0) modified_ = false;
    return code;
}

EdsResult CEdsStore::Export(const std::string& path) {
    if (!handle_) return ERROR_INVALID_HANDLE;
    const EdsResult code =
        eds_ExportEDS(handle_, path.c_str(), 0, &RelayProgress, reinterpret_cast<intptr_t>(this));
    if (code == 0) modified_ = false;
    return code;
}

void VANTOR_CALL CEdsStore::RelayProgress(int32_t percent, intptr_t context) {
    auto* store = reinterpret_cast<CEdsStore*>(context);
    if (!store || !store->progress_) return;
    // Nothing may unwind through the library's frames.
    try {
        store->progress_(percent);
    } catch (...) {
    }
}

EdsResult CEdsStore::AllObjects(std::vector<uint16_t>& indexes) {
    indexes.clear();
    if (!handle_) return ERROR_INVALID_HANDLE;
    EdsNumberList list = nullptr;
    const EdsResult code = eds_GetAllObjects(handle_, &list);
    return ReadNumbers(code, list, indexes);
}

EdsResult CEdsStore::AllSegments(std::vector<uint16_t>& segments) {
    segments.clear();
    if (!handle_) return ERROR_INVALID_HANDLE;
    EdsNumberList list = nullptr;
    const EdsResult code = eds_GetAllDynSegments(handle_, &list);
    return ReadNumbers(code, list, segments);
}

EdsResult CEdsStore::AddRecord(const GUID& kind, uint32_t key, const void* record) {
    return WriteRecord(kind, key, record, true);
}

EdsResult CEdsStore::SetRecord(const GUID& kind, uint32_t key, const void* record) {
    return WriteRecord(kind, key, record, false);
}

EdsResult CEdsStore::WriteRecord(const GUID& kind, uint32_t key, const void* record, bool adding) {
    if (!handle_) return ERROR_INVALID_HANDLE;
    const Kind which = KindOf(kind);
    // The two reserved kinds and unknown kinds carry no record: callers get
    // the defined "not implemented" answer, as the record-kind table fixes it.
    if (which == Kind::Reserved3 || which == Kind::Reserved5 || which == Kind::Other) return kNotImplemented;
    if (!record) return ERROR_INVALID_PARAMETER;
    switch (which) {
        case Kind::FileInfo:
            return NoteChange(eds_SetFileInfo(handle_, static_cast<const EdsFileInfoRecord*>(record)));
        case Kind::DeviceInfo:
            return NoteChange(eds_SetDeviceInfo(handle_, static_cast<const EdsDeviceInfoRecord*>(record)));
        case Kind::DummyUsage:
            return NoteChange(eds_SetDummyUsage(handle_, static_cast<const EdsDummyUsageRecord*>(record)));
        case Kind::Object: {
            const EdsObjectRecord object = ToLibrary(CopyOf<EdsObjectRecord>(record));
            const unsigned index = ObjectIndexOf(key);
            const unsigned sub = ObjectSubOf(key);
            return NoteChange(adding ? eds_AddObject(handle_, index, sub, &object)
                                     : eds_SetObject(handle_, index, sub, &object));
        }
        case Kind::DynSegment: {
            const EdsDynSegmentRecord segment = ToLibrary(CopyOf<EdsDynSegmentRecord>(record));
            const unsigned number = SegmentOf(key);
            return NoteChange(adding ? eds_AddDynSegment(handle_, number, &segment)
                                     : eds_SetDynSegment(handle_, number, &segment));
        }
        default:
            return kNotImplemented;
    }
}

EdsResult CEdsStore::GetRecord(const GUID& kind, uint32_t key, void* record) {
    if (!handle_) return ERROR_INVALID_HANDLE;
    switch (KindOf(kind)) {
        case Kind::FileInfo:
            return eds_GetFileInfo(handle_, static_cast<EdsFileInfoRecord*>(record));
        case Kind::DeviceInfo:
            return eds_GetDeviceInfo(handle_, static_cast<EdsDeviceInfoRecord*>(record));
        case Kind::DummyUsage:
            return eds_GetDummyUsage(handle_, static_cast<EdsDummyUsageRecord*>(record));
        case Kind::Object: {
            if (!record) return ERROR_INVALID_PARAMETER;
            EdsObjectRecord object{};
            const EdsResult code = eds_GetObject(handle_, ObjectIndexOf(key), ObjectSubOf(key), &object);
            if (code != 0) return code;
            ToEditor(object);
            std::memcpy(record, &object, sizeof object);
            return 0;
        }
        case Kind::DynSegment: {
            if (!record) return ERROR_INVALID_PARAMETER;
            EdsDynSegmentRecord segment{};
            const EdsResult code = eds_GetDynSegment(handle_, SegmentOf(key), &segment);
            if (code != 0) return code;
            ToEditor(segment);
            std::memcpy(record, &segment, sizeof segment);
            return 0;
        }
        case Kind::Reserved3:
        case Kind::Reserved5:
            return kNotImplemented;
        case Kind::Other:
            break;
    }
    return kNoInterface;
}

EdsResult CEdsStore::RemoveRecord(const GUID& kind, uint32_t key) {
    if (!handle_) return ERROR_INVALID_HANDLE;
    switch (KindOf(kind)) {
        case Kind::Object:
            return NoteChange(eds_RemObject(handle_, ObjectIndexOf(key), ObjectSubOf(key)));
        case Kind::DynSegment:
            return NoteChange(eds_RemDynSegment(handle_, SegmentOf(key)));
        case Kind::Reserved5:
            return kNotImplemented;
        default:
            // The sections cannot be removed; nothing is done.
            return 0;
    }
}

EdsResult CEdsStore::NoteChange(EdsResult code) {
    if (code == 0) modified_ = true;
    return code;
}

}  // namespace brenmoor

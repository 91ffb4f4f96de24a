// The 33 exports of libvantor.so.
#include "vantor/vantor.h"

#include "library/api/ApiFrame.h"
#include "library/api/EdsHandle.h"
#include "library/api/FileStgCalls.h"
#include "library/api/ProgressCallback.h"
#include "library/values/CopTypeConv.h"

using namespace vantor::api;
using vantor::CEdsFileStg;

namespace {

// Conversion result for "invalid data format", also given when a conversion throws.
constexpr int32_t kConversionInvalid = 1;

using StartStep = EdsResult (*)(CEdsFileStg&, IStorage&);

void DestroyHandle(EdsHandle h) { DeleteFileStg(ReleaseHandle(h)); }

EdsResult StartDescription(IStorage& root, StartStep start, EdsHandle& started) {
    started = nullptr;
    EdsHandle h = NewHandle();
    if (!h) return kOutOfMemory;
    EdsResult code = NewFileStg(h->fileStg);
    if (code == kSuccess) code = start(*h->fileStg, root);
    if (code == kSuccess && !Publish(h)) code = kOutOfMemory;
    if (code != kSuccess) {
        DestroyHandle(h);
        return code;
    }
    started = h;
    return kSuccess;
}

// eds_CreateFile and eds_OpenExFile: a handle or null, the code as last error.
EdsHandle OpenHandle(IStorage* root, StartStep start) {
    if (!root) {
        SetLastError(kInvalidParameter);
        return nullptr;
    }
    EdsHandle h = nullptr;
    const EdsResult code =
        WithoutThrowing([&] { return StartDescription(*root, start, h); }, kOutOfMemory, kUnexpected);
    SetLastError(code);
    return h;
}

}  // namespace

extern "C" {

int32_t eds_CopTypeToStr(uint32_t dataType, const void* value, char* text) {
    return WithoutThrowing([&] { return vantor::CopTypeToStr(LowWord(dataType), value, text); },
                           kConversionInvalid, kConversionInvalid);
}

int32_t eds_StrToCopType(uint32_t dataType, const char* text, void* value) {
    return WithoutThrowing([&] { return vantor::StrToCopType(LowWord(dataType), text, value); },
                           kConversionInvalid, kConversionInvalid);
}

int32_t eds_StrToCopType2(uint32_t dataType, const char* text, void* value, uint32_t high) {
    return WithoutThrowing(
        [&] { return vantor::StrToCopType2(LowWord(dataType), text, value, LowByte(high)); },
        kConversionInvalid, kConversionInvalid);
}

EdsHandle eds_CreateFile(IStorage* root) { return OpenHandle(root, InitNewFileStg); }

EdsHandle eds_OpenExFile(IStorage* root) { return OpenHandle(root, LoadFileStg); }

EdsResult eds_SaveFile(EdsHandle h) {
    return RunFrame(h, {}, [&](CEdsFileStg& fileStg) { return SaveFileStg(fileStg); });
}

void eds_CloseFile(EdsHandle h) { DeleteFileStg(ReleaseIfLive(h)); }

EdsResult eds_ImportEDS(EdsHandle h, const char* path, EdsProgressProc callback, intptr_t context) {
    return RunFrame(h, {path}, [&](CEdsFileStg& fileStg) {
        return ImportText(fileStg, path, ExecutableOrNull(callback), context);
    });
}

EdsResult eds_ExportEDS(EdsHandle h, const char* path, uint32_t writeDcf, EdsProgressProc callback,
                        intptr_t context) {
    return RunFrame(h, {path}, [&](CEdsFileStg& fileStg) {
        return ExportText(fileStg, path, LowByte(writeDcf) != 0, ExecutableOrNull(callback), context);
    });
}

EdsResult eds_GetFileInfo(EdsHandle h, EdsFileInfoRecord* info) {
    return RunFrame(h, {info}, [&](CEdsFileStg& fileStg) { return GetFileInfo(fileStg, *info); });
}

EdsResult eds_SetFileInfo(EdsHandle h, const EdsFileInfoRecord* info) {
    return RunFrame(h, {info}, [&](CEdsFileStg& fileStg) { return SetFileInfo(fileStg, *info); });
}

EdsResult eds_GetDeviceInfo(EdsHandle h, EdsDeviceInfoRecord* info) {
    return RunFrame(h, {info}, [&](CEdsFileStg& fileStg) { return GetDeviceInfo(fileStg, *info); });
}

EdsResult eds_SetDeviceInfo(EdsHandle h, const EdsDeviceInfoRecord* info) {
    return RunFrame(h, {info}, [&](CEdsFileStg& fileStg) { return SetDeviceInfo(fileStg, *info); });
}

EdsResult eds_GetDataTypes(void) { return kNotImplemented; }

EdsResult eds_SetDataTypes(void) { return kNotImplemented; }

EdsResult eds_GetDummyUsage(EdsHandle h, EdsDummyUsageRecord* usage) {
    return RunFrame(h, {usage}, [&](CEdsFileStg& fileStg) { return GetDummyUsage(fileStg, *usage); });
}

EdsResult eds_SetDummyUsage(EdsHandle h, const EdsDummyUsageRecord* usage) {
    return RunFrame(h, {usage}, [&](CEdsFileStg& fileStg) { return SetDummyUsage(fileStg, *usage); });
}

EdsResult eds_GetDeviceCom(EdsHandle h, EdsDeviceComRecord* com) {
    return RunFrame(h, {com}, [&](CEdsFileStg& fileStg) { return GetDeviceCom(fileStg, *com); });
}

EdsResult eds_SetDeviceCom(EdsHandle h, const EdsDeviceComRecord* com) {
    return RunFrame(h, {com}, [&](CEdsFileStg& fileStg) { return SetDeviceCom(fileStg, *com); });
}

EdsResult eds_GetComments(EdsHandle h, char** text) {
    return RunFrame(h, {text}, [&](CEdsFileStg& fileStg) {
        *text = nullptr;
        return GetComments(fileStg, *text);
    });
}

EdsResult eds_SetComments(EdsHandle h, const char* text) {
    return RunFrame(h, {}, [&](CEdsFileStg& fileStg) { return SetComments(fileStg, text); });
}

EdsResult eds_GetAllObjects(EdsHandle h, EdsNumberList* indexes) {
    return RunFrame(h, {indexes}, [&](CEdsFileStg& fileStg) {
        *indexes = nullptr;
        return GetAllObjects(fileStg, *indexes);
    });
}

EdsResult eds_AddObject(EdsHandle h, uint32_t index, uint32_t subIndex, const EdsObjectRecord* object) {
    return RunFrame(h, {object}, [&](CEdsFileStg& fileStg) {
        return AddObject(fileStg, LowWord(index), LowWord(subIndex), *object);
    });
}

EdsResult eds_GetObject(EdsHandle h, uint32_t index, uint32_t subIndex, EdsObjectRecord* object) {
    return RunFrame(h, {object}, [&](CEdsFileStg& fileStg) {
        return GetObject(fileStg, LowWord(index), LowByte(subIndex), *object);
    });
}

EdsResult eds_SetObject(EdsHandle h, uint32_t index, uint32_t subIndex, const EdsObjectRecord* object) {
    return RunFrame(h, {object}, [&](CEdsFileStg& fileStg) {
        return SetObject(fileStg, LowWord(index), LowWord(subIndex), *object);
    });
}

EdsResult eds_RemObject(EdsHandle h, uint32_t index, uint32_t subIndex) {
    return RunFrame(h, {}, [&](CEdsFileStg& fileStg) {
        return RemObject(fileStg, LowWord(index), LowWord(subIndex));
    });
}

EdsResult eds_GetObjectLinks(EdsHandle h, uint32_t index, EdsNumberList* links) {
    return RunFrame(h, {links}, [&](CEdsFileStg& fileStg) {
        *links = nullptr;
        const EdsResult code = GetObjectLinks(fileStg, LowWord(index), *links);
        if (code != kSuccess) *links = nullptr;
        return code;
    });
}

EdsResult eds_SetObjectLinks(EdsHandle h, uint32_t index, EdsNumberList links) {
    return RunFrame(h, {}, [&](CEdsFileStg& fileStg) { return SetObjectLinks(fileStg, LowWord(index), links); });
}

EdsResult eds_GetAllDynSegments(EdsHandle h, EdsNumberList* segments) {
    return RunFrame(h, {segments}, [&](CEdsFileStg& fileStg) {
        *segments = nullptr;
        return GetAllDynSegments(fileStg, *segments);
    });
}

EdsResult eds_AddDynSegment(EdsHandle h, uint32_t segment, const EdsDynSegmentRecord* record) {
    return RunFrame(h, {record}, [&](CEdsFileStg& fileStg) {
        return AddDynSegment(fileStg, LowWord(segment), *record);
    });
}

EdsResult eds_GetDynSegment(EdsHandle h, uint32_t segment, EdsDynSegmentRecord* record) {
    return RunFrame(h, {record}, [&](CEdsFileStg& fileStg) {
        return GetDynSegment(fileStg, LowWord(segment), *record);
    });
}

EdsResult eds_SetDynSegment(EdsHandle h, uint32_t segment, const EdsDynSegmentRecord* record) {
    return RunFrame(h, {record}, [&](CEdsFileStg& fileStg) {
        return SetDynSegment(fileStg, LowWord(segment), *record);
    });
}

EdsResult eds_RemDynSegment(EdsHandle h, uint32_t segment) {
    return RunFrame(h, {}, [&](CEdsFileStg& fileStg) { return RemDynSegment(fileStg, LowWord(segment)); });
}

}  // extern "C"

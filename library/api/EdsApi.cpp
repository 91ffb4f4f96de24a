// The 33 exports of libvantor.so.
#include "vantor/vantor.h"

#include "library/api/ApiFrame.h"
#include "library/api/CommentText.h"
#include "library/api/DeviceRecords.h"
#include "library/api/EdsHandle.h"
#include "library/api/Lifecycle.h"
#include "library/api/ProgressCallback.h"
#include "library/dictionary/EdsDictStg.h"
#include "library/file/EdsFileStg.h"
#include "library/values/CopTypeConv.h"

using namespace vantor::api;
using vantor::CEdsFileStg;

namespace {

// Conversion result for "invalid data format", also given when a conversion throws.
constexpr int32_t kConversionInvalid = 1;

// eds_CreateFile and eds_OpenExFile: a handle or null, the code as last error.
EdsHandle OpenHandle(IStorage* root, Start start) {
    if (!root) {
        SetLastError(kInvalidParameter);
        return nullptr;
    }
    EdsResult code = kSuccess;
    const EdsHandle h = StartDescription(*root, start, code);
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

EdsHandle eds_CreateFile(IStorage* root) { return OpenHandle(root, Start::New); }

EdsHandle eds_OpenExFile(IStorage* root) { return OpenHandle(root, Start::Existing); }

EdsResult eds_SaveFile(EdsHandle h) {
    return RunFrame(h, {}, [&](CEdsFileStg& fileStg) { return SaveDescription(fileStg); });
}

void eds_CloseFile(EdsHandle h) { DestroyDescription(ReleaseIfLive(h)); }

EdsResult eds_ImportEDS(EdsHandle h, const char* path, EdsProgressProc callback, intptr_t context) {
    return RunFrame(h, {path}, [&](CEdsFileStg& fileStg) {
        return fileStg.Import(path, ExecutableOrNull(callback), context);
    });
}

EdsResult eds_ExportEDS(EdsHandle h, const char* path, uint32_t writeDcf, EdsProgressProc callback,
                        intptr_t context) {
    return RunFrame(h, {path}, [&](CEdsFileStg& fileStg) {
        return fileStg.Export(path, LowByte(writeDcf) != 0, context, ExecutableOrNull(callback));
    });
}

EdsResult eds_GetFileInfo(EdsHandle h, EdsFileInfoRecord* info) {
    return RunFrame(h, {info}, [&](CEdsFileStg& fileStg) { return fileStg.GetFileInfo(*info); });
}

EdsResult eds_SetFileInfo(EdsHandle h, const EdsFileInfoRecord* info) {
    return RunFrame(h, {info}, [&](CEdsFileStg& fileStg) { return fileStg.SetFileInfo(*info); });
}

EdsResult eds_GetDeviceInfo(EdsHandle h, EdsDeviceInfoRecord* info) {
    return RunFrame(h, {info}, [&](CEdsFileStg& fileStg) { return GetDeviceInfoRecord(fileStg, *info); });
}

EdsResult eds_SetDeviceInfo(EdsHandle h, const EdsDeviceInfoRecord* info) {
    return RunFrame(h, {info}, [&](CEdsFileStg& fileStg) { return fileStg.SetDeviceInfo(*info); });
}

EdsResult eds_GetDataTypes(void) { return kNotImplemented; }

EdsResult eds_SetDataTypes(void) { return kNotImplemented; }

EdsResult eds_GetDummyUsage(EdsHandle h, EdsDummyUsageRecord* usage) {
    return RunFrame(h, {usage}, [&](CEdsFileStg& fileStg) { return fileStg.GetDummyUsage(*usage); });
}

EdsResult eds_SetDummyUsage(EdsHandle h, const EdsDummyUsageRecord* usage) {
    return RunFrame(h, {usage}, [&](CEdsFileStg& fileStg) { return fileStg.SetDummyUsage(*usage); });
}

EdsResult eds_GetDeviceCom(EdsHandle h, EdsDeviceComRecord* com) {
    return RunFrame(h, {com}, [&](CEdsFileStg& fileStg) { return GetDeviceComRecord(fileStg, *com); });
}

EdsResult eds_SetDeviceCom(EdsHandle h, const EdsDeviceComRecord* com) {
    return RunFrame(h, {com}, [&](CEdsFileStg& fileStg) { return fileStg.SetDeviceCom(*com); });
}

EdsResult eds_GetComments(EdsHandle h, char** text) {
    return RunFrame(h, {text}, [&](CEdsFileStg& fileStg) {
        *text = nullptr;
        return fileStg.GetComments(*text);
    });
}

EdsResult eds_SetComments(EdsHandle h, const char* text) {
    return RunFrame(h, {}, [&](CEdsFileStg& fileStg) {
        return text ? fileStg.SetComments(WithLineFeeds(text).c_str()) : fileStg.SetComments(nullptr);
    });
}

EdsResult eds_GetAllObjects(EdsHandle h, EdsNumberList* indexes) {
    return RunFrame(h, {indexes}, [&](CEdsFileStg& fileStg) {
        *indexes = nullptr;
        return fileStg.Dictionary().ListAll(*indexes);
    });
}

EdsResult eds_AddObject(EdsHandle h, uint32_t index, uint32_t subIndex, const EdsObjectRecord* object) {
    return RunFrame(h, {object}, [&](CEdsFileStg& fileStg) {
        return fileStg.Dictionary().Add(LowWord(index), LowWord(subIndex), *object);
    });
}

EdsResult eds_GetObject(EdsHandle h, uint32_t index, uint32_t subIndex, EdsObjectRecord* object) {
    return RunFrame(h, {object}, [&](CEdsFileStg& fileStg) {
        return fileStg.Dictionary().Get(LowWord(index), LowByte(subIndex), *object);
    });
}

EdsResult eds_SetObject(EdsHandle h, uint32_t index, uint32_t subIndex, const EdsObjectRecord* object) {
    return RunFrame(h, {object}, [&](CEdsFileStg& fileStg) {
        return fileStg.Dictionary().Set(LowWord(index), LowWord(subIndex), *object);
    });
}

EdsResult eds_RemObject(EdsHandle h, uint32_t index, uint32_t subIndex) {
    return RunFrame(h, {}, [&](CEdsFileStg& fileStg) {
        return fileStg.Dictionary().Remove(LowWord(index), LowWord(subIndex));
    });
}

EdsResult eds_GetObjectLinks(EdsHandle h, uint32_t index, EdsNumberList* links) {
    return RunFrame(h, {links}, [&](CEdsFileStg& fileStg) {
        *links = nullptr;
        const HRESULT result = fileStg.Dictionary().GetLinks(LowWord(index), *links);
        if (result != S_OK) {
            SysFreeString(*links);
            *links = nullptr;
        }
        return result;
    });
}

EdsResult eds_SetObjectLinks(EdsHandle h, uint32_t index, EdsNumberList links) {
    return RunFrame(h, {}, [&](CEdsFileStg& fileStg) { return fileStg.Dictionary().SetLinks(LowWord(index), links); });
}

EdsResult eds_GetAllDynSegments(EdsHandle h, EdsNumberList* segments) {
    return RunFrame(h, {segments}, [&](CEdsFileStg& fileStg) {
        *segments = nullptr;
        return fileStg.GetAllDynSegments(*segments);
    });
}

EdsResult eds_AddDynSegment(EdsHandle h, uint32_t segment, const EdsDynSegmentRecord* record) {
    return RunFrame(h, {record}, [&](CEdsFileStg& fileStg) {
        return fileStg.AddDynSegment(LowWord(segment), *record);
    });
}

EdsResult eds_GetDynSegment(EdsHandle h, uint32_t segment, EdsDynSegmentRecord* record) {
    return RunFrame(h, {record}, [&](CEdsFileStg& fileStg) {
        return fileStg.GetDynSegment(LowWord(segment), *record);
    });
}

EdsResult eds_SetDynSegment(EdsHandle h, uint32_t segment, const EdsDynSegmentRecord* record) {
    return RunFrame(h, {record}, [&](CEdsFileStg& fileStg) {
        return fileStg.SetDynSegment(LowWord(segment), *record);
    });
}

EdsResult eds_RemDynSegment(EdsHandle h, uint32_t segment) {
    return RunFrame(h, {}, [&](CEdsFileStg& fileStg) { return fileStg.RemDynSegment(LowWord(segment)); });
}

}  // extern "C"

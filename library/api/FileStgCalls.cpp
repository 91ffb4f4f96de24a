#include "library/api/FileStgCalls.h"

#include "library/api/ApiFrame.h"

namespace vantor::api {

EdsResult NewFileStg(CEdsFileStg*& created) {
    created = nullptr;
    return kNotImplemented;
}

EdsResult InitNewFileStg(CEdsFileStg&, IStorage&) { return kNotImplemented; }
EdsResult LoadFileStg(CEdsFileStg&, IStorage&) { return kNotImplemented; }
// NewFileStg never creates one, so there is never one to destroy.
void DeleteFileStg(CEdsFileStg*) {}
EdsResult SaveFileStg(CEdsFileStg&) { return kNotImplemented; }

EdsResult ImportText(CEdsFileStg&, const char*, EdsProgressProc, intptr_t) { return kNotImplemented; }
EdsResult ExportText(CEdsFileStg&, const char*, bool, EdsProgressProc, intptr_t) { return kNotImplemented; }

EdsResult GetFileInfo(CEdsFileStg&, EdsFileInfoRecord&) { return kNotImplemented; }
EdsResult SetFileInfo(CEdsFileStg&, const EdsFileInfoRecord&) { return kNotImplemented; }
EdsResult GetDeviceInfo(CEdsFileStg&, EdsDeviceInfoRecord&) { return kNotImplemented; }
EdsResult SetDeviceInfo(CEdsFileStg&, const EdsDeviceInfoRecord&) { return kNotImplemented; }
EdsResult GetDummyUsage(CEdsFileStg&, EdsDummyUsageRecord&) { return kNotImplemented; }
EdsResult SetDummyUsage(CEdsFileStg&, const EdsDummyUsageRecord&) { return kNotImplemented; }
EdsResult GetDeviceCom(CEdsFileStg&, EdsDeviceComRecord&) { return kNotImplemented; }
EdsResult SetDeviceCom(CEdsFileStg&, const EdsDeviceComRecord&) { return kNotImplemented; }
EdsResult GetComments(CEdsFileStg&, char*&) { return kNotImplemented; }
EdsResult SetComments(CEdsFileStg&, const char*) { return kNotImplemented; }

EdsResult GetAllObjects(CEdsFileStg&, EdsNumberList&) { return kNotImplemented; }
EdsResult AddObject(CEdsFileStg&, uint16_t, uint16_t, const EdsObjectRecord&) { return kNotImplemented; }
EdsResult GetObject(CEdsFileStg&, uint16_t, uint8_t, EdsObjectRecord&) { return kNotImplemented; }
EdsResult SetObject(CEdsFileStg&, uint16_t, uint16_t, const EdsObjectRecord&) { return kNotImplemented; }
EdsResult RemObject(CEdsFileStg&, uint16_t, uint16_t) { return kNotImplemented; }
EdsResult GetObjectLinks(CEdsFileStg&, uint16_t, EdsNumberList&) { return kNotImplemented; }
EdsResult SetObjectLinks(CEdsFileStg&, uint16_t, EdsNumberList) { return kNotImplemented; }

EdsResult GetAllDynSegments(CEdsFileStg&, EdsNumberList&) { return kNotImplemented; }
EdsResult AddDynSegment(CEdsFileStg&, uint16_t, const EdsDynSegmentRecord&) { return kNotImplemented; }
EdsResult GetDynSegment(CEdsFileStg&, uint16_t, EdsDynSegmentRecord&) { return kNotImplemented; }
EdsResult SetDynSegment(CEdsFileStg&, uint16_t, const EdsDynSegmentRecord&) { return kNotImplemented; }
EdsResult RemDynSegment(CEdsFileStg&, uint16_t) { return kNotImplemented; }

}  // namespace vantor::api

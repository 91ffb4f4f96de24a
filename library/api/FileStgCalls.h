// The operations of the file storage object that the exports call, with the
// arguments already checked and narrowed. The file storage layer is not part
// of this library yet, so each operation answers "not implemented" and no
// storage object can be created.
#pragma once

#include "library/api/EdsHandle.h"
#include "vantor/vantor.h"

namespace vantor::api {

// Lifecycle. NewFileStg sets created or returns the failure code.
EdsResult NewFileStg(CEdsFileStg*& created);
EdsResult InitNewFileStg(CEdsFileStg& fileStg, IStorage& root);
EdsResult LoadFileStg(CEdsFileStg& fileStg, IStorage& root);
void DeleteFileStg(CEdsFileStg* fileStg);
EdsResult SaveFileStg(CEdsFileStg& fileStg);

// Text exchange; progress is null or callable.
EdsResult ImportText(CEdsFileStg& fileStg, const char* path, EdsProgressProc progress, intptr_t context);
EdsResult ExportText(CEdsFileStg& fileStg, const char* path, bool writeDcf, EdsProgressProc progress,
                     intptr_t context);

// Sections.
EdsResult GetFileInfo(CEdsFileStg& fileStg, EdsFileInfoRecord& info);
EdsResult SetFileInfo(CEdsFileStg& fileStg, const EdsFileInfoRecord& info);
EdsResult GetDeviceInfo(CEdsFileStg& fileStg, EdsDeviceInfoRecord& info);
EdsResult SetDeviceInfo(CEdsFileStg& fileStg, const EdsDeviceInfoRecord& info);
EdsResult GetDummyUsage(CEdsFileStg& fileStg, EdsDummyUsageRecord& usage);
EdsResult SetDummyUsage(CEdsFileStg& fileStg, const EdsDummyUsageRecord& usage);
EdsResult GetDeviceCom(CEdsFileStg& fileStg, EdsDeviceComRecord& com);
EdsResult SetDeviceCom(CEdsFileStg& fileStg, const EdsDeviceComRecord& com);
EdsResult GetComments(CEdsFileStg& fileStg, char*& text);
EdsResult SetComments(CEdsFileStg& fileStg, const char* text);

// Objects. Add, set and remove take the sub-index as 16 bits, get as 8 bits.
EdsResult GetAllObjects(CEdsFileStg& fileStg, EdsNumberList& indexes);
EdsResult AddObject(CEdsFileStg& fileStg, uint16_t index, uint16_t subIndex, const EdsObjectRecord& object);
EdsResult GetObject(CEdsFileStg& fileStg, uint16_t index, uint8_t subIndex, EdsObjectRecord& object);
EdsResult SetObject(CEdsFileStg& fileStg, uint16_t index, uint16_t subIndex, const EdsObjectRecord& object);
EdsResult RemObject(CEdsFileStg& fileStg, uint16_t index, uint16_t subIndex);
EdsResult GetObjectLinks(CEdsFileStg& fileStg, uint16_t index, EdsNumberList& links);
EdsResult SetObjectLinks(CEdsFileStg& fileStg, uint16_t index, EdsNumberList links);

// Dynamic channel segments.
EdsResult GetAllDynSegments(CEdsFileStg& fileStg, EdsNumberList& segments);
EdsResult AddDynSegment(CEdsFileStg& fileStg, uint16_t segment, const EdsDynSegmentRecord& record);
EdsResult GetDynSegment(CEdsFileStg& fileStg, uint16_t segment, EdsDynSegmentRecord& record);
EdsResult SetDynSegment(CEdsFileStg& fileStg, uint16_t segment, const EdsDynSegmentRecord& record);
EdsResult RemDynSegment(CEdsFileStg& fileStg, uint16_t segment);

}  // namespace vantor::api

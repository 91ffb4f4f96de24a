#include "library/sections/EdsFileInfo.h"

#include <cstring>
#include <string>

#include "common/RecordText.h"

namespace vantor {
namespace {

constexpr FieldDescriptor kEdsVersion{0x000B, "EDSVersion", kAllFormats};
constexpr FieldDescriptor kFileName{0x0000, "FileName", kAllFormats};
constexpr FieldDescriptor kFileVersion{0x0001, "FileVersion", kAllFormats};
constexpr FieldDescriptor kFileRevision{0x0002, "FileRevision", kAllFormats};
constexpr FieldDescriptor kDescription{0x0003, "Description", kAllFormats};
constexpr FieldDescriptor kCreationTime{0x0004, "CreationTime", kAllFormats};
constexpr FieldDescriptor kCreationDate{0x0005, "CreationDate", kAllFormats};
constexpr FieldDescriptor kCreatedBy{0x0006, "CreatedBy", kAllFormats};
constexpr FieldDescriptor kModificationTime{0x0007, "ModificationTime", kAllFormats};
constexpr FieldDescriptor kModificationDate{0x0008, "ModificationDate", kAllFormats};
constexpr FieldDescriptor kModifiedBy{0x0009, "ModifiedBy", kAllFormats};
constexpr FieldDescriptor kLastEds{0x800A, "LastEDS", kAllFormats};

constexpr std::size_t kVersionCapacity = sizeof(EdsFileInfoRecord::EDSVersion);
constexpr std::size_t kTextCapacity = sizeof(EdsFileInfoRecord::Description);

}  // namespace

CEdsFileInfo::CEdsFileInfo()
    : CEdsKeyedSet("FileInfo"),
      edsVersion_(&kEdsVersion, kVersionCapacity),
      fileName_(&kFileName),
      fileVersion_(&kFileVersion),
      fileRevision_(&kFileRevision),
      description_(&kDescription, kTextCapacity),
      creationTime_(&kCreationTime),
      creationDate_(&kCreationDate),
      createdBy_(&kCreatedBy, kTextCapacity),
      modificationTime_(&kModificationTime),
      modificationDate_(&kModificationDate),
      modifiedBy_(&kModifiedBy, kTextCapacity),
      lastEds_(&kLastEds) {
    Register(edsVersion_, fileName_, fileVersion_, fileRevision_, description_, creationTime_, creationDate_,
             createdBy_, modificationTime_, modificationDate_, modifiedBy_, lastEds_);
}

DWORD CEdsFileInfo::WriteTextItems(CStream* stream, uint32_t mask, bool all) {
    const std::string storedVersion = edsVersion_.Value();
    const int16_t storedStatus = edsVersion_.Status();
    edsVersion_.SetValue(mask < kFormat2 ? "3.0" : "4.0");
    const DWORD result = CEdsKeyedSet::WriteTextItems(stream, mask, all);
    edsVersion_.SetValue(storedVersion);
    edsVersion_.SetStatus(storedStatus);
    return result;
}

void CEdsFileInfo::ToRecord(EdsFileInfoRecord& record) const {
    std::memset(&record, 0, sizeof record);
    StoreRecordText(record.FileName, fileName_.Value());
    record.FileVersion = fileVersion_.Value();
    record.FileRevision = fileRevision_.Value();
    StoreRecordText(record.EDSVersion, edsVersion_.Value());
    StoreRecordText(record.Description, description_.Value());
    record.CreationTime = creationTime_.Value();
    record.CreationDate = creationDate_.Value();
    StoreRecordText(record.CreatedBy, createdBy_.Value());
    record.ModificationTime = modificationTime_.Value();
    record.ModificationDate = modificationDate_.Value();
    StoreRecordText(record.ModifiedBy, modifiedBy_.Value());
    StoreRecordText(record.LastEDS, lastEds_.Value());
}

void CEdsFileInfo::FromRecord(const EdsFileInfoRecord& record) {
    fileName_.SetValue(RecordText(record.FileName));
    fileVersion_.SetValue(record.FileVersion);
    fileRevision_.SetValue(record.FileRevision);
    edsVersion_.SetValue(RecordText(record.EDSVersion));
    description_.SetValue(RecordText(record.Description));
    creationTime_.SetValue(record.CreationTime);
    creationDate_.SetValue(record.CreationDate);
    createdBy_.SetValue(RecordText(record.CreatedBy));
    modificationTime_.SetValue(record.ModificationTime);
    modificationDate_.SetValue(record.ModificationDate);
    modifiedBy_.SetValue(RecordText(record.ModifiedBy));
    lastEds_.SetValue(RecordText(record.LastEDS));
}

}  // namespace vantor

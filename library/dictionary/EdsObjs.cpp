#include "library/dictionary/EdsObjs.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "common/RecordText.h"
#include "library/values/StrConv.h"

namespace vantor {

namespace {

// Characters of a record text array, terminating zero included, and of the
// text fields that hold them.
constexpr std::size_t kTextCapacity = 256;

constexpr FieldDescriptor kSubNumber{ObjectKey::SubNumber, "SubNumber", kAllFormats};
constexpr FieldDescriptor kParameterName{ObjectKey::ParameterName, "ParameterName", kAllFormats};
constexpr FieldDescriptor kObjectType{ObjectKey::ObjectType, "ObjectType", kAllFormats};
constexpr FieldDescriptor kAccessType{ObjectKey::AccessType, "AccessType", kAllFormats};
constexpr FieldDescriptor kDataType{ObjectKey::DataType, "DataType", kAllFormats};
constexpr FieldDescriptor kPDOMapping{ObjectKey::PDOMapping, "PDOMapping", kAllFormats};
constexpr FieldDescriptor kLowLimit{ObjectKey::LowLimit, "LowLimit", kAllFormats};
constexpr FieldDescriptor kHighLimit{ObjectKey::HighLimit, "HighLimit", kAllFormats};
constexpr FieldDescriptor kDefaultValue{ObjectKey::DefaultValue, "DefaultValue", kAllFormats};
constexpr FieldDescriptor kParameterValue{ObjectKey::ParameterValue, "ParameterValue", kAllFormats};
constexpr FieldDescriptor kUploadFile{ObjectKey::UploadFile, "UploadFile", kAllFormats};
constexpr FieldDescriptor kDownloadFile{ObjectKey::DownloadFile, "DownloadFile", kAllFormats};
constexpr FieldDescriptor kDenotation{ObjectKey::Denotation, "Denotation", kAllFormats};
constexpr FieldDescriptor kObjFlags{ObjectKey::ObjFlags, "ObjFlags", kFormat2};
constexpr FieldDescriptor kCompactSubObj{ObjectKey::CompactSubObj, "CompactSubObj", kFormat2};

// Gives an unset field its default. The field keeps its status: a bad value
// read from text is still reported after the entry was completed.
template <class Field>
void Complete(Field& field, typename Field::ValueType value) {
    const int16_t status = field.Status();
    field.SetValue(value);
    field.SetStatus(status);
}

}  // namespace

std::string MainObjectName(uint16_t index) {
    char name[8];
    std::snprintf(name, sizeof name, "%4.4X", static_cast<unsigned>(index));
    return name;
}

std::string SubObjectName(uint16_t index, uint8_t subIndex) {
    char name[16];
    std::snprintf(name, sizeof name, "%4.4Xsub%X", static_cast<unsigned>(index), static_cast<unsigned>(subIndex));
    return name;
}

// ---- CEdsObjectEntry --------------------------------------------------------

CEdsObjectEntry::CEdsObjectEntry()
    : parameterName_(&kParameterName, kTextCapacity),
      objectType_(&kObjectType),
      accessType_(&kAccessType),
      dataType_(&kDataType),
      pdoMapping_(&kPDOMapping),
      objFlags_(&kObjFlags),
      lowLimit_(&kLowLimit, kTextCapacity),
      highLimit_(&kHighLimit, kTextCapacity),
      defaultValue_(&kDefaultValue, kTextCapacity),
      parameterValue_(&kParameterValue, kTextCapacity),
      uploadFile_(&kUploadFile, kTextCapacity),
      downloadFile_(&kDownloadFile, kTextCapacity),
      denotation_(&kDenotation, kTextCapacity) {}

void CEdsObjectEntry::RegisterEntryFields() {
    Register(parameterName_, objectType_, accessType_, dataType_, pdoMapping_, objFlags_, lowLimit_, highLimit_,
             defaultValue_, parameterValue_, uploadFile_, downloadFile_, denotation_);
}

void CEdsObjectEntry::Notify(NotifyPhase) {
    if (objectType_.Value() == CEdsObjectCodeField::kUnset) Complete(objectType_, ObjectCode::Var);
    if (objectType_.Value() != ObjectCode::Domain) return;
    if (dataType_.Value() == CEdsDataTypeField::kUnset) Complete(dataType_, vantor::DataType::Domain);
    if (accessType_.Value() == CEdsAccessTypeField::kUnset) Complete(accessType_, kAccessReadWrite);
}

void CEdsObjectEntry::IdentityToRecord(EdsObjectRecord& record) const {
    StoreRecordText(record.ParameterName, parameterName_.Value());
    record.ObjectType = objectType_.Value();
    record.ObjFlags = objFlags_.Value();
    StoreRecordText(record.Denotation, denotation_.Value());
}

void CEdsObjectEntry::ValueKeysToRecord(EdsObjectRecord& record) const {
    record.AccessType = accessType_.Value();
    record.DataType = dataType_.Value();
    record.PDOMapping = pdoMapping_.Value();
    StoreRecordText(record.LowLimit, lowLimit_.Value());
    StoreRecordText(record.HighLimit, highLimit_.Value());
    StoreRecordText(record.DefaultValue, defaultValue_.Value());
    StoreRecordText(record.ParameterValue, parameterValue_.Value());
    StoreRecordText(record.UploadFile, uploadFile_.Value());
    StoreRecordText(record.DownloadFile, downloadFile_.Value());
}

void CEdsObjectEntry::EntryFromRecord(const EdsObjectRecord& record) {
    parameterName_.SetValue(RecordText(record.ParameterName));
    objectType_.SetValue(record.ObjectType);
    accessType_.SetValue(record.AccessType);
    dataType_.SetValue(record.DataType);
    pdoMapping_.SetValue(record.PDOMapping != 0 ? 1 : 0);
    objFlags_.SetValue(record.ObjFlags);
    lowLimit_.SetValue(RecordText(record.LowLimit));
    highLimit_.SetValue(RecordText(record.HighLimit));
    defaultValue_.SetValue(RecordText(record.DefaultValue));
    parameterValue_.SetValue(RecordText(record.ParameterValue));
    uploadFile_.SetValue(RecordText(record.UploadFile));
    downloadFile_.SetValue(RecordText(record.DownloadFile));
    denotation_.SetValue(RecordText(record.Denotation));
}

// ---- CEdsSubObject ----------------------------------------------------------

CEdsSubObject::CEdsSubObject() { RegisterEntryFields(); }

void CEdsSubObject::SetObjectName(uint16_t index, uint8_t subIndex) { SetName(SubObjectName(index, subIndex)); }

void CEdsSubObject::ToRecord(EdsObjectRecord& record) const {
    std::memset(&record, 0, sizeof record);
    IdentityToRecord(record);
    ValueKeysToRecord(record);
}

void CEdsSubObject::FromRecord(const EdsObjectRecord& record) { EntryFromRecord(record); }

// ---- CEdsMainObject ---------------------------------------------------------

CEdsMainObject::CEdsMainObject() : subNumber_(&kSubNumber), compactSubObj_(&kCompactSubObj) {
    Register(subNumber_, compactSubObj_);
    RegisterEntryFields();
}

std::vector<CEdsField*> CEdsMainObject::FieldsLeftOutOfText() {
    if (subNumber_.Value() == 0) return {&compactSubObj_, &subNumber_};
    return {&compactSubObj_, &accessType_,     &dataType_,   &pdoMapping_,   &lowLimit_,  &highLimit_,
            &defaultValue_,  &parameterValue_, &uploadFile_, &downloadFile_, &denotation_};
}

DWORD CEdsMainObject::WriteTextItems(CStream* stream, uint32_t mask, bool all) {
    // The fields left out are taken out of the list only while the section
    // is written; afterwards the list gets its former order back, so that a
    // later write (or save) sees the keys in their usual order.
    const std::vector<CEdsField*> order = Fields();
    for (CEdsField* field : FieldsLeftOutOfText()) Unlink(field);
    const DWORD result = CEdsPropSet::WriteTextItems(stream, mask, all);
    for (CEdsField* field : order) Unlink(field);
    for (CEdsField* field : order) Link(field);
    return result;
}

void CEdsMainObject::SetObjectName(uint16_t index) { SetName(MainObjectName(index)); }

void CEdsMainObject::ToRecord(EdsObjectRecord& record) const {
    std::memset(&record, 0, sizeof record);
    record.SubNumber = subNumber_.Value();
    IdentityToRecord(record);
    if (subNumber_.Value() == 0) ValueKeysToRecord(record);
}

void CEdsMainObject::FromRecord(const EdsObjectRecord& record) {
    subNumber_.SetValue(record.SubNumber);
    EntryFromRecord(record);
}

}  // namespace vantor

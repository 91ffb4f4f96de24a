// Dictionary entries: the main entry of an index ([1018]) and its sub-index
// entries ([1018sub2]), each a property set of the keys of one object
// section, with the completion step that gives every entry an object type
// and the conversion to and from the interface's object record.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "library/fields/EdsKeyedSet.h"
#include "vantor/vantor.h"

namespace vantor {

// Key ids of the object sections, as stored in the binary stream. Ids with
// bit 15 set are configuration-only keys.
namespace ObjectKey {
inline constexpr uint16_t SubNumber = 0x0000;
inline constexpr uint16_t ParameterName = 0x0001;
inline constexpr uint16_t ObjectType = 0x0002;
inline constexpr uint16_t AccessType = 0x0003;
inline constexpr uint16_t DataType = 0x0004;
inline constexpr uint16_t PDOMapping = 0x0005;
inline constexpr uint16_t LowLimit = 0x0006;
inline constexpr uint16_t HighLimit = 0x0007;
inline constexpr uint16_t DefaultValue = 0x0008;
inline constexpr uint16_t ParameterValue = 0x8009;
inline constexpr uint16_t UploadFile = 0x800A;
inline constexpr uint16_t DownloadFile = 0x800B;
inline constexpr uint16_t Denotation = 0x800C;
inline constexpr uint16_t ObjFlags = 0x000D;
inline constexpr uint16_t CompactSubObj = 0x000E;
}  // namespace ObjectKey

// CANopen object codes and access indexes the completion step uses.
namespace ObjectCode {
inline constexpr uint8_t Domain = 2;
inline constexpr uint8_t Var = 7;
}  // namespace ObjectCode
inline constexpr uint8_t kAccessReadWrite = 3;

// Section names of the entries: "1018" and "1018sub2".
std::string MainObjectName(uint16_t index);
std::string SubObjectName(uint16_t index, uint8_t subIndex);

// The keys that main and sub-index entries share. Fields are registered by
// the derived class, which fixes the order in which keys are written; a key
// the entry does not register is kept as an unknown entry.
class CEdsObjectEntry : public CEdsKeyedSet {
public:
    // Completion: an entry without an object type is a VAR; a DOMAIN gets
    // the DOMAIN data type and read-write access unless it has its own.
    void Notify(NotifyPhase phase) override;

    uint8_t ObjectType() const { return objectType_.Value(); }
    uint8_t AccessType() const { return accessType_.Value(); }
    uint16_t DataType() const { return dataType_.Value(); }
    bool PDOMapping() const { return pdoMapping_.Value() != 0; }
    uint32_t ObjFlags() const { return objFlags_.Value(); }

protected:
    CEdsObjectEntry();

    // Registers the shared fields in their key order.
    void RegisterEntryFields();

    // Record parts: the keys every entry carries into its record, and the
    // value keys a main entry carries only when it has no sub-index entries.
    void IdentityToRecord(EdsObjectRecord& record) const;
    void ValueKeysToRecord(EdsObjectRecord& record) const;
    void EntryFromRecord(const EdsObjectRecord& record);

    CEdsTextField parameterName_;
    CEdsObjectCodeField objectType_;
    CEdsAccessTypeField accessType_;
    CEdsDataTypeField dataType_;
    CEdsBooleanField pdoMapping_;
    CEdsUnsigned32Field objFlags_;
    CEdsTextField lowLimit_;
    CEdsTextField highLimit_;
    CEdsTextField defaultValue_;
    CEdsTextField parameterValue_;
    CEdsTextField uploadFile_;
    CEdsTextField downloadFile_;
    CEdsTextField denotation_;
};

// A sub-index entry. SubNumber and CompactSubObj are not its keys: in its
// section they are kept as unknown entries.
class CEdsSubObject : public CEdsObjectEntry {
public:
    CEdsSubObject();

    // Names the entry "%4.4Xsub%X" for writing it as text.
    void SetObjectName(uint16_t index, uint8_t subIndex);

    // Clears the record and fills it from the entry.
    void ToRecord(EdsObjectRecord& record) const;
    void FromRecord(const EdsObjectRecord& record);
};

// The main entry of an index.
class CEdsMainObject : public CEdsObjectEntry {
public:
    CEdsMainObject();

    // An index with sub-index entries writes only SubNumber, ParameterName,
    // ObjectType, ObjFlags and its unknown entries; one without writes every
    // key but SubNumber. CompactSubObj is never written.
    DWORD WriteTextItems(CStream* stream, uint32_t mask, bool all) override;

    // Names the entry "%4.4X" for writing it as text.
    void SetObjectName(uint16_t index);

    uint8_t SubNumber() const { return subNumber_.Value(); }
    void SetSubNumber(uint8_t count) { subNumber_.SetValue(count); }
    uint8_t CompactSubObj() const { return compactSubObj_.Value(); }
    void SetCompactSubObj(uint8_t count) { compactSubObj_.SetValue(count); }

    // Clears the record and fills it from the entry; the value keys only
    // when the index has no sub-index entries.
    void ToRecord(EdsObjectRecord& record) const;
    // CompactSubObj is not part of the record and keeps its value.
    void FromRecord(const EdsObjectRecord& record);

private:
    // The fields that the text of this entry leaves out.
    std::vector<CEdsField*> FieldsLeftOutOfText();

    CEdsUnsigned8Field subNumber_;
    CEdsUnsigned8Field compactSubObj_;
};

}  // namespace vantor

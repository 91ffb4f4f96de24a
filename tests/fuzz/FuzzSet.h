// A section with member fields of several kinds for the fuzz targets.
#pragma once

#include <string_view>
#include <vector>

#include "common/Strings.h"
#include "library/fields/EdsFlds.h"
#include "library/fields/EdsProp.h"

namespace vantor::fuzz {

inline constexpr FieldDescriptor kName{1, "ParameterName", kAllFormats};
inline constexpr FieldDescriptor kObjectType{2, "ObjectType", kAllFormats};
inline constexpr FieldDescriptor kDataType{3, "DataType", kAllFormats};
inline constexpr FieldDescriptor kAccessType{4, "AccessType", kAllFormats};
inline constexpr FieldDescriptor kMapping{5, "PDOMapping", kAllFormats};
inline constexpr FieldDescriptor kNodeId{6, "NodeId", kFormat1};
inline constexpr FieldDescriptor kLimit{7, "LowLimit", kAllFormats};
inline constexpr FieldDescriptor kCount{8, "Count", kAllFormats};
inline constexpr FieldDescriptor kSerial{9, "Serial", kFormat2};
inline constexpr FieldDescriptor kBaud{10, "Baud", kAllFormats};
inline constexpr FieldDescriptor kTime{11, "CreationTime", kAllFormats};
inline constexpr FieldDescriptor kDate{12, "CreationDate", kAllFormats};
inline constexpr FieldDescriptor kFileName{13, "FileName", kAllFormats};
inline constexpr FieldDescriptor kVersion{14, "FileVersion", kAllFormats};
inline constexpr FieldDescriptor kLines{15, "Lines", kAllFormats};
inline constexpr FieldDescriptor kValue{0x8001, "ParameterValue", kAllFormats};

class CFuzzSet : public CEdsPropSet {
public:
    CFuzzSet() : CEdsPropSet("1000sub1") {
        // Some fields join the list at construction, the rest when first used.
        for (CEdsField* field : Members())
            if (field->Id() % 2 == 1) Link(field);
    }

    CEdsField* FindById(uint16_t id) override {
        for (CEdsField* field : Members())
            if (field->Id() == id) return field;
        return nullptr;
    }

    CEdsField* FindByName(std::string_view key) override {
        for (CEdsField* field : Members())
            if (EqualNoCase(field->Key(), key)) return field;
        return nullptr;
    }

private:
    std::vector<CEdsField*> Members() {
        return {&name_,  &objectType_, &dataType_, &accessType_, &mapping_,  &nodeId_, &limit_,   &count_,
                &serial_, &baud_,      &time_,     &date_,       &fileName_, &version_, &lines_, &value_};
    }

    CEdsTextField name_{&kName, 256};
    CEdsObjectCodeField objectType_{&kObjectType};
    CEdsDataTypeField dataType_{&kDataType};
    CEdsAccessTypeField accessType_{&kAccessType};
    CEdsBooleanField mapping_{&kMapping};
    CEdsUnsigned8Field nodeId_{&kNodeId};
    CEdsInteger16Field limit_{&kLimit};
    CEdsUnsigned16Field count_{&kCount};
    CEdsInteger32Field serial_{&kSerial};
    CEdsUnsigned32Field baud_{&kBaud};
    CEdsTimeField time_{&kTime};
    CEdsDateField date_{&kDate};
    CEdsFileNameField fileName_{&kFileName};
    CEdsTextField version_{&kVersion, 4};
    CEdsStringListField lines_{&kLines};
    CEdsTextField value_{&kValue, 15};
};

}  // namespace vantor::fuzz

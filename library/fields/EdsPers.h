// Storage objects that read EDS text: the classification of section names
// and the hand-over of each section to the storage object that owns it.
#pragma once

#include <cstdint>
#include <string_view>

#include "library/storage/Persist.h"

namespace vantor {

class CStream;

// Section codes of the classification.
namespace SectionCode {
inline constexpr uint16_t FileInfo = 0;
inline constexpr uint16_t DeviceInfo = 1;
inline constexpr uint16_t DummyUsage = 3;
inline constexpr uint16_t StandardDataTypes = 4;
inline constexpr uint16_t Comments = 5;
inline constexpr uint16_t DynamicChannels = 6;
inline constexpr uint16_t DeviceComissioning = 0x8007;
inline constexpr uint16_t MandatoryObjects = 8;
inline constexpr uint16_t ManufacturerObjects = 9;
inline constexpr uint16_t OptionalObjects = 10;
inline constexpr uint16_t MainObject = 11;     // [1018]
inline constexpr uint16_t SubObject = 12;      // [1018sub2]
inline constexpr uint16_t ObjectLinks = 13;    // [1018ObjectLinks]
inline constexpr uint16_t CompactNames = 14;   // [1018Name]
inline constexpr uint16_t CompactValues = 15;  // [1018Value]
inline constexpr uint16_t CompactDenotations = 16;  // [1018Denotation]
inline constexpr uint16_t Unknown = 0xFFFF;
}  // namespace SectionCode

struct SectionClass {
    uint16_t code = SectionCode::Unknown;
    uint16_t index = 0;   // object sections
    int subindex = -1;    // sub-object sections
};

class CPersistEds : public CPersistStg {
public:
    // What a section name stands for.
    static SectionClass ClassifySection(std::string_view name);

    // A section whose name is not known; reader stands after its header.
    // The base ignores it (0).
    virtual HRESULT ReadUnknownSection(std::string_view name, CStream* reader, CStream* log);
    // A known section; the base answers E_NOTIMPL.
    virtual HRESULT ReadSection(uint16_t code, uint16_t index, CStream* log, CStream* reader, int subindex);

    // Classifies name and hands the section to ReadUnknownSection or ReadSection.
    HRESULT DispatchSection(std::string_view name, CStream* reader, CStream* log);
    // ReadSection with the same arguments, for passing a section on to the
    // storage object that owns it.
    HRESULT ReadSectionDirect(uint16_t code, uint16_t index, CStream* log, CStream* reader, int subindex);
};

}  // namespace vantor

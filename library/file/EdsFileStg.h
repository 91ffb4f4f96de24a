// The file storage object behind one library handle: the layout of a
// description in the caller's root storage (one stream per file section and
// the storage "ObjectDictionary"), the persistence protocol over it, fresh
// section objects for every call, and the entry points of EDS import and
// export.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "library/fields/EdsPers.h"
#include "library/fields/EdsProp.h"
#include "vantor/vantor.h"

namespace vantor {

class CEdsDictStg;
class CStream;

class CEdsFileStg : public CPersistEds {
public:
    // Name of the storage that holds the object dictionary.
    static constexpr const char* kDictionaryName = "ObjectDictionary";

    // A new object with its dictionary; null when memory runs out.
    static std::unique_ptr<CEdsFileStg> Create();
    ~CEdsFileStg() override;

    HRESULT InitNew(IStorage* storage) override;
    HRESULT Load(IStorage* storage) override;
    HRESULT Save() override;
    HRESULT SaveCompleted() override;
    HRESULT SaveAs(IStorage* target) override;
    HRESULT SaveAsCompleted() override;
    HRESULT HandsOffStorage() override;
    HRESULT ResumeStorage(IStorage* storage) override;
    HRESULT Uninitialize() override;

    // The six file sections are read here, object lists and object sections
    // by the dictionary; other codes read nothing (0).
    HRESULT ReadSection(uint16_t code, uint16_t index, CStream* log, CStream* reader, int subindex) override;

    // ---- Section helpers --------------------------------------------------
    // Codes: FileInfo, DeviceInfo, DummyUsage, Comments, DynamicChannels and
    // DeviceComissioning (SectionCode); any other code gives 87.

    static bool IsFileSection(uint16_t code);
    // "FileInfo" and so on; null for other codes.
    static const char* SectionName(uint16_t code);
    // The 8-bit stream name of a section: 0xAE 0xAC and the section's name.
    static std::string SectionStreamName(uint16_t code);
    // A section object of the code's class with its defaults; null for
    // other codes and when memory runs out.
    static std::unique_ptr<CEdsPropSet> NewSection(uint16_t code);

    // The section's stream, opened read-write and exclusive.
    HRESULT OpenSectionStream(uint16_t code, ComPtr<IStream>& stream);

    // A new section object with its defaults whose stream is created anew.
    HRESULT CreateSection(uint16_t code, std::unique_ptr<CEdsPropSet>& section);
    // A new section object loaded from its stream; the storage's not-found
    // code when the section was never written.
    HRESULT OpenSection(uint16_t code, std::unique_ptr<CEdsPropSet>& section);
    // Saves the object into the section's stream; a null object does nothing.
    HRESULT WriteSection(uint16_t code, CEdsPropSet* section);

    // Typed forms of OpenSection for callers that know the class of a code.
    template <class Section>
    HRESULT OpenSectionAs(uint16_t code, std::unique_ptr<Section>& section) {
        section.reset();
        std::unique_ptr<CEdsPropSet> opened;
        const HRESULT result = OpenSection(code, opened);
        if (result == S_OK) section.reset(static_cast<Section*>(opened.release()));
        return result;
    }

    // ---- Sections as records -------------------------------------------------
    // Every get opens the section and copies it out; every set opens it,
    // takes the record and writes the section back at once.

    HRESULT GetFileInfo(EdsFileInfoRecord& record);
    HRESULT SetFileInfo(const EdsFileInfoRecord& record);
    // Adds the PDO counts and the identity values of object 0x1018.
    HRESULT GetDeviceInfo(EdsDeviceInfoRecord& record);
    // Then writes vendor, product and revision into object 0x1018.
    HRESULT SetDeviceInfo(const EdsDeviceInfoRecord& record);
    HRESULT GetDummyUsage(EdsDummyUsageRecord& record);
    HRESULT SetDummyUsage(const EdsDummyUsageRecord& record);
    // The serial number comes from and goes to 0x1018 sub-index 4.
    HRESULT GetDeviceCom(EdsDeviceComRecord& record);
    HRESULT SetDeviceCom(const EdsDeviceComRecord& record);
    // A CoTaskMemAlloc block the caller frees; null when there are no lines.
    HRESULT GetComments(char*& text);
    HRESULT SetComments(const char* text);

    // Dynamic channel segments (numbers 1 to 512).
    HRESULT GetAllDynSegments(BSTR& numbers);
    HRESULT AddDynSegment(uint16_t number, const EdsDynSegmentRecord& record);
    HRESULT GetDynSegment(uint16_t number, EdsDynSegmentRecord& record);
    HRESULT SetDynSegment(uint16_t number, const EdsDynSegmentRecord& record);
    HRESULT RemDynSegment(uint16_t number);

    // ---- Text exchange -----------------------------------------------------

    // Reads an EDS file into the description; problems go to "<base>.Err".
    HRESULT Import(const char* path, EdsProgressProc callback, intptr_t context);
    // Writes the description as EDS text (DCF with writeDcf); problems go to
    // "<base>.ERR". The target is replaced only when everything was written.
    HRESULT Export(const char* path, bool writeDcf, intptr_t context, EdsProgressProc callback);
    // Turns a CompactPDO description of DeviceInfo into PDO objects. Counts
    // that reach past 0x15FF or 0x19FF stop there with an error line in log
    // (may be null); a failure to create an object is returned.
    HRESULT ExpandCompactPdos(CStream* log = nullptr);

    // Sections named by a spelling that the name table does not know are
    // taken as the section they stand for; the rest are skipped.
    HRESULT ReadUnknownSection(std::string_view name, CStream* reader, CStream* log) override;
    // "DeviceCommissioning", a spelling several tools write for the
    // DeviceComissioning section.
    static bool IsCommissioningAlias(std::string_view name);

    CEdsDictStg& Dictionary() { return *dictionary_; }

private:
    explicit CEdsFileStg(std::unique_ptr<CEdsDictStg> dictionary);

    HRESULT ReadFileSection(uint16_t code, CStream* log, CStream* reader);

    std::unique_ptr<CEdsDictStg> dictionary_;
};

}  // namespace vantor

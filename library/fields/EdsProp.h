// Property sets: one named section of a description as a list of typed
// fields, with its binary stream form (magic, length, items) and its EDS
// text form ("[name]", key=value lines, an empty line).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/fields/EdsFlds.h"
#include "vantor/platform.h"

namespace vantor {

class CStream;

// Magic number at the start of every stored property set.
inline constexpr uint32_t kPropSetMagic = 0x0131079E;

// Phases in which a set is told about its data moving.
enum class NotifyPhase : int {
    AfterLoad = 0,        // after a binary load
    BeforeSave = 1,       // before a binary save
    AfterReadText = 2,    // after reading EDS text
    BeforeWriteText = 3,  // before writing EDS text
};

class CEdsPropSet {
public:
    // The set takes a copy of the name; no name for a nameless set.
    explicit CEdsPropSet(TextArg name = std::nullopt);
    CEdsPropSet(const CEdsPropSet&) = delete;
    CEdsPropSet& operator=(const CEdsPropSet&) = delete;
    // Destroys the unknown-key fields; member fields of derived sets leave
    // the list as they are destroyed.
    virtual ~CEdsPropSet();

    // Member fields by key number and by key; none in the base set.
    virtual CEdsField* FindById(uint16_t id);
    virtual CEdsField* FindByName(std::string_view name);
    // A known key links its field and sets its text; an unknown key becomes
    // an unknown-key field at the end of the list. 0, or 14 without memory.
    virtual DWORD SetByKey(std::string_view key, TextArg text);
    // Binary items until the end of the stream.
    virtual DWORD ReadItems(CStream* stream);
    virtual DWORD WriteItems(CStream* stream);
    // key=value lines up to the next section header, which stays in the stream.
    virtual DWORD ReadTextItems(CStream* stream);
    // The fields whose export mask shares a bit with mask; ids with bit 15
    // set only when all is true. Ends with an empty line.
    virtual DWORD WriteTextItems(CStream* stream, uint32_t mask, bool all);
    virtual void Notify(NotifyPhase phase);
    // Destroys the unknown-key fields and clears the others (Clear()).
    virtual void ClearAll();
    // Each field's error line, in list order.
    virtual DWORD ReportErrors(CStream* stream);
    // The set as a whole stream: magic, item length, items.
    DWORD LoadFromStorageStream(IStream* stream);
    DWORD SaveToStorageStream(IStream* stream);
    virtual DWORD LoadStream(CStream* stream);
    virtual DWORD SaveStream(CStream* stream);
    // The set as EDS text: ReadTextItems, then Notify(AfterReadText).
    virtual DWORD ReadSectionText(CStream* stream);
    // Notify(BeforeWriteText), the header line "[name]" (for a named set),
    // then WriteTextItems.
    virtual DWORD WriteSectionText(CStream* stream, uint32_t mask, bool all);
    // The text of the field of a key: 87 and none for a key the set does not know.
    virtual DWORD GetTextByKey(std::string_view key, std::optional<std::string>& text);
    // 87 for an unknown key; 13 when the field then has an error status.
    virtual DWORD SetTextByKey(std::string_view key, TextArg text);

    // Appends a field to the list. A field already in this set stays where
    // it is (true); one in another set is refused (false).
    bool Link(CEdsField* field);
    // Takes a field out of the list (true); one in another set is refused.
    bool Unlink(CEdsField* field);
    // Reads one binary item whose id was already read.
    DWORD ReadOne(uint16_t id, CStream* stream);

    // Section name, none for a nameless set.
    const std::optional<std::string>& Name() const { return name_; }
    void SetName(TextArg name);

    // The fields in list order.
    const std::vector<CEdsField*>& Fields() const { return fields_; }

protected:
    // Creates, sets and links an unknown-key field for key.
    DWORD AddUnknown(std::string_view key, TextArg text);

private:
    std::optional<std::string> name_;
    std::vector<CEdsField*> fields_;
    std::vector<std::unique_ptr<CEdsUnknownField>> unknownFields_;
};

// --- EDS text lines ---------------------------------------------------------

// Reads one line up to and including its line feed (no length limit); at the
// end of the stream what is left, empty at the very end. The stream is left
// just after the line. 0, the stream's error, or 14.
DWORD ReadLine(CStream* stream, std::string& line);

enum class LineKind { Blank, Comment, SectionHeader, KeyValue, Other };

struct ClassifiedLine {
    LineKind kind = LineKind::Blank;
    std::string_view name;   // section name, or the key without trailing blanks
    std::string_view value;  // text after the first '=', leading blanks kept
};

// Classifies a line after trimming bytes up to 32 at both ends; the views
// point into line.
ClassifiedLine ClassifyLine(std::string_view line);

}  // namespace vantor

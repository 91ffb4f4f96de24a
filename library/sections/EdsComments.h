// The Comments section: free comment lines "Line1", "Line2", ... and their
// count "Lines".
#pragma once

#include <cstdint>
#include <string_view>

#include "library/fields/EdsProp.h"

namespace vantor {

class CEdsComments : public CEdsPropSet {
public:
    CEdsComments();

    // Id 0 is Lines (brought up to date first), id 1 the stored lines.
    CEdsField* FindById(uint16_t id) override;
    // Only Lines: the comment lines are not keys of their own.
    CEdsField* FindByName(std::string_view name) override;
    // A key "Line" + number is stored as a comment line; any other key as in
    // every section.
    DWORD SetByKey(std::string_view key, TextArg text) override;
    // Sorts the lines by number after reading text, and keeps Lines equal to
    // the number of lines.
    void Notify(NotifyPhase phase) override;

    // The comment texts joined by CR LF, in a block the caller frees with
    // CoTaskMemFree; null when there are no lines. 0, or 14 without memory.
    DWORD GetComments(char*& text) const;
    // Replaces the lines by the lines of text (null: no lines). Each line
    // loses its trailing blanks; a text ending in LF gives a last empty line.
    DWORD SetComments(const char* text);

    std::size_t LineCount() const { return entries_.GetCount(); }

private:
    void UpdateLineCount();
    void SortLinesByNumber();

    CEdsInteger32Field lines_;
    CEdsStringListField entries_;
};

}  // namespace vantor

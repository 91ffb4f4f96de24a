// Every row of the selection lists and everything the knowledge functions
// answer for all 65,536 indexes (sub-indexes 0 to 255), compared with the
// expected files under expected/. A mismatch names the first differing line
// and leaves the whole actual text beside the test as <name>.actual.
//
// The files are compact: indexes and sub-indexes with the same answer are
// written as ranges, an answer that counts along with the sub-index holds
// "{n}" where the number stands, and empty answers are left out.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "editor/document/CANoType.h"

namespace brenmoor {
namespace {

constexpr unsigned kIndexCount = 0x10000;
constexpr unsigned kSubCount = 0x100;

using IndexAnswer = std::function<std::string(unsigned index)>;
using EntryAnswer = std::function<std::string(unsigned index, unsigned sub)>;

std::string Hex4(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", value);
    return text;
}

std::string Range(unsigned first, unsigned last, std::string (*form)(unsigned)) {
    return first == last ? form(first) : form(first) + "-" + form(last);
}

std::string Decimal(unsigned value) { return std::to_string(value); }

std::string Quoted(const std::string& text) { return '"' + text + '"'; }

// The text with every occurrence of the number written as "{n}".
std::string CountingForm(const std::string& text, unsigned n) {
    const std::string number = std::to_string(n);
    std::string form;
    for (std::size_t at = 0; at < text.size();) {
        if (text.compare(at, number.size(), number) == 0) {
            form += "{n}";
            at += number.size();
        } else {
            form += text[at++];
        }
    }
    return form;
}

// The non-empty answers for sub-indexes 0 to 255 of one index, as runs of
// equal answers or of answers that count along with the sub-index.
std::string SubRuns(const EntryAnswer& answer, unsigned index) {
    std::vector<std::string> texts(kSubCount);
    for (unsigned sub = 0; sub < kSubCount; ++sub) texts[sub] = answer(index, sub);
    std::string runs;
    for (unsigned first = 0; first < kSubCount;) {
        unsigned last = first;
        while (last + 1 < kSubCount && texts[last + 1] == texts[first]) ++last;
        std::string shown = texts[first];
        if (last == first) {
            const std::string form = CountingForm(texts[first], first);
            while (last + 1 < kSubCount && form.find("{n}") != std::string::npos &&
                   CountingForm(texts[last + 1], last + 1) == form)
                ++last;
            if (last > first) shown = form;
        }
        if (!texts[first].empty())
            runs += (runs.empty() ? "" : " | ") + Range(first, last, Decimal) + " " + Quoted(shown);
        first = last + 1;
    }
    return runs;
}

// One line per range of indexes with the same non-empty description.
std::string IndexLines(const IndexAnswer& describe) {
    std::string lines;
    unsigned first = 0;
    std::string text = describe(0);
    for (unsigned index = 1; index <= kIndexCount; ++index) {
        std::string next = index < kIndexCount ? describe(index) : std::string("\n");
        if (next == text) continue;
        if (!text.empty()) lines += Range(first, index - 1, Hex4) + " " + text + "\n";
        first = index;
        text = std::move(next);
    }
    return lines;
}

std::string IndexSection(const std::string& title, const IndexAnswer& answer) {
    return "[" + title + "]\n" + IndexLines(answer);
}

std::string EntrySection(const std::string& title, const EntryAnswer& answer) {
    return IndexSection(title, [&](unsigned index) { return SubRuns(answer, index); });
}

std::string TableSection(const std::string& title, CodeTable table) {
    std::string lines = "[" + title + "]\n";
    for (std::size_t row = 0; row < table.size(); ++row) {
        char mask[16];
        std::snprintf(mask, sizeof mask, "0x%X", table[row].mask);
        lines += std::to_string(row) + " " + Quoted(std::string(table[row].text)) + " " +
                 std::to_string(table[row].code) + " " + mask + "\n";
    }
    return lines;
}

std::filesystem::path ExpectedFile(const std::string& name) {
    return std::filesystem::path(VANTOR_SOURCE_DIR) / "tests" / "editor_document" / "expected" / (name + ".txt");
}

std::string ReadWhole(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void ExpectMatchesFile(const std::string& name, const std::string& actual) {
    const std::string expected = ReadWhole(ExpectedFile(name));
    if (actual == expected) return;
    const auto actualCopy = std::filesystem::current_path() / (name + ".actual");
    std::ofstream(actualCopy, std::ios::binary) << actual;
    std::istringstream want(expected);
    std::istringstream got(actual);
    std::string wantLine;
    std::string gotLine;
    for (int line = 1;; ++line) {
        const bool moreWanted = static_cast<bool>(std::getline(want, wantLine));
        const bool moreGot = static_cast<bool>(std::getline(got, gotLine));
        if (!moreWanted && !moreGot) break;
        if (!moreWanted || !moreGot || wantLine != gotLine) {
            ADD_FAILURE() << ExpectedFile(name) << " line " << line << "\n  expected: " << wantLine
                          << "\n  actual:   " << gotLine << "\n  whole actual text: " << actualCopy;
            return;
        }
    }
    ADD_FAILURE() << ExpectedFile(name) << " differs from " << actualCopy;
}

TEST(WholeTables, SelectionListsMatchTheirExpectedRows) {
    ExpectMatchesFile("selection_lists", TableSection("AccessType", kAccessTypeTable) +
                                             TableSection("ObjectType", kObjectTypeTable) +
                                             TableSection("DataType", kDataTypeTable) +
                                             TableSection("DynamicDataType", kDynDataTypeTable) +
                                             TableSection("DynamicDirection", kDynDirectionTable));
}

TEST(WholeTables, ObjectNamesMatchForEveryIndexAndSubIndex) {
    ExpectMatchesFile("object_names",
                      IndexSection("MainName", [](unsigned index) {
                          const std::string name = MainName(index);
                          return name.empty() ? name : Quoted(name);
                      }) + EntrySection("SubName", SubName));
}

TEST(WholeTables, DefaultsAndLimitsMatchForEveryIndexAndSubIndex) {
    ExpectMatchesFile("object_values", EntrySection("DefaultValue", DefaultValue) +
                                           EntrySection("LowLimit", LowLimit) +
                                           EntrySection("HighLimit", HighLimit));
}

// Zero answers are left out like empty texts.
std::string Number(int value) { return value == 0 ? std::string() : std::to_string(value); }

TEST(WholeTables, ListsTypesAccessAndMappingMatchForEveryIndexAndSubIndex) {
    std::string bySize = "[DataTypeBySize]\n";
    for (int bytes = -1; bytes <= 40; ++bytes)
        bySize += std::to_string(bytes) + " " + std::to_string(DataTypeBySize(bytes)) + "\n";
    ExpectMatchesFile(
        "object_kinds",
        IndexSection("ObjectList", [](unsigned index) { return Number(ObjectList(index)); }) +
            IndexSection("EntryCount", [](unsigned index) { return Number(EntryCount(index)); }) +
            EntrySection("ObjectType", [](unsigned index, unsigned sub) { return Number(ObjectType(index, sub)); }) +
            EntrySection("AccessType", [](unsigned index, unsigned sub) { return Number(AccessType(index, sub)); }) +
            EntrySection("DataType",
                         [](unsigned index, unsigned sub) { return Number(DataType(-1, index, sub)); }) +
            EntrySection("PdoMapping", [](unsigned index, unsigned sub) { return Number(PdoMapping(index, sub)); }) +
            bySize);
}

}  // namespace
}  // namespace brenmoor

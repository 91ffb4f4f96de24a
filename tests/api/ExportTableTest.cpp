#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "ExportTable.h"
#include "vantor/vantor.h"

namespace {

struct DefinedSymbol {
    std::string name;
    char kind;  // nm's letter: T text, W weak, D data, ...
};

// The dynamic symbols that the shared object defines, as nm lists them.
std::vector<DefinedSymbol> DefinedDynamicSymbols(const std::string& path) {
    std::vector<DefinedSymbol> symbols;
    FILE* nm = popen(("nm -D --defined-only '" + path + "'").c_str(), "r");
    if (!nm) return symbols;
    char line[512];
    while (std::fgets(line, sizeof line, nm)) {
        std::istringstream words(line);
        std::string address, name;
        char kind = 0;
        if (words >> address >> kind >> name) symbols.push_back({name, kind});
    }
    pclose(nm);
    return symbols;
}

std::vector<std::string> ExpectedNames() {
    std::vector<std::string> names;
    for (const ExportEntry& entry : kExportTable) names.emplace_back(entry.name);
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ExportTable, SharedObjectExportsExactlyTheThirtyThreeFunctions) {
    std::vector<std::string> names;
    for (const DefinedSymbol& symbol : DefinedDynamicSymbols(VANTOR_LIBRARY_FILE)) {
        EXPECT_EQ(symbol.kind, 'T') << symbol.name;
        names.push_back(symbol.name);
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, ExpectedNames());
}

TEST(ExportTable, EveryNameResolvesToTheFunctionThatLinkedCallersReach) {
    void* library = dlopen(VANTOR_LIBRARY_FILE, RTLD_NOW);
    ASSERT_NE(library, nullptr) << dlerror();
    for (const ExportEntry& entry : kExportTable)
        EXPECT_NE(dlsym(library, std::string(entry.name).c_str()), nullptr) << entry.name;
    // The handle signature is this address, so both ways of reaching it must agree.
    EXPECT_EQ(dlsym(library, "eds_CloseFile"), reinterpret_cast<void*>(&eds_CloseFile));
    dlclose(library);
}

TEST(ExportTable, DefinitionFileGivesEveryOrdinalOfTheTable) {
    std::ifstream def(VANTOR_SOURCE_DIR "/library/api/vantor.def");
    ASSERT_TRUE(def) << "vantor.def not found";
    std::string line, library;
    std::map<std::string, int> ordinals;
    while (std::getline(def, line)) {
        std::istringstream words(line);
        std::string first, second;
        words >> first >> second;
        if (first == "LIBRARY") library = second;
        if (first.rfind("eds_", 0) == 0 && second.size() > 1 && second[0] == '@')
            ordinals[first] = std::stoi(second.substr(1));
    }
    EXPECT_EQ(library, "vantor");
    std::map<std::string, int> expected;
    for (const ExportEntry& entry : kExportTable) expected[std::string(entry.name)] = entry.ordinal;
    EXPECT_EQ(ordinals, expected);
}

}  // namespace

// Creates PDOs in a document: for each the communication parameter object
// (0x1400 to 0x15FF receive, 0x1800 to 0x19FF transmit) and the mapping
// object 0x200 above it, both with their sub-indexes, at the lowest free
// positions. A position is taken while either of its two objects exists,
// so that an existing object is never replaced.
#pragma once

#include <bitset>
#include <cstdint>
#include <vector>

#include "vantor/vantor.h"

namespace brenmoor {

class CEdsStore;

enum class PdoType { Receive, Transmit };

// The option flags of a PDO run.
enum PdoOption : uint8_t {
    kPdoDynMapping = 1u << 0,       // mapping entries writable
    kPdoVariableCobId = 1u << 1,    // COB-ID writable
    kPdoVariableTransType = 1u << 2,  // transmission type writable
    kPdoInhibitTime = 1u << 3,      // inhibit time entry (transmit PDOs only)
    kPdoReservedEntry = 1u << 4,    // reserved entry
    kPdoEventTimer = 1u << 5,       // event timer entry
    kPdoEnabled = 1u << 6,          // valid COB-IDs
};

inline constexpr unsigned kPdoPositions = 512;
inline constexpr unsigned kPdoMappingOffset = 0x200;
inline constexpr int kMaxMappingEntries = 64;

// Position i stands for the communication index base + i.
struct PdoFreeMap {
    unsigned base = 0;
    std::bitset<kPdoPositions> free;

    unsigned Count() const { return static_cast<unsigned>(free.count()); }
};

class CPdoGenerator {
public:
    explicit CPdoGenerator(CEdsStore& document) : document_(document) {}

    // Reads the document's objects into both free maps; the document's code.
    EdsResult ReadFreeMaps();
    const PdoFreeMap& FreeMap(PdoType type) const;

    // Creates one PDO at the communication index. On failure whatever was
    // added of it is removed again. A created position counts as taken.
    bool CreatePdo(unsigned commIndex, uint8_t options, int mapCount);

    // The default COB-ID of a communication index.
    static const char* DefaultCobId(unsigned commIndex, bool enabled);
    // The four predefined PDOs of each direction have standard COB-IDs;
    // further ones are created not valid.
    static bool IsPredefined(unsigned commIndex);

private:
    bool AddEntry(unsigned index, unsigned sub, const EdsObjectRecord& record);
    bool AddCommunication(unsigned index, uint8_t options);
    bool AddMapping(unsigned index, uint8_t options, int mapCount);
    PdoFreeMap& MapOf(unsigned commIndex);

    CEdsStore& document_;
    PdoFreeMap receive_{0x1400, {}};
    PdoFreeMap transmit_{0x1800, {}};
};

}  // namespace brenmoor

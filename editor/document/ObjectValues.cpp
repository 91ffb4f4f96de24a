#include "editor/document/ObjectValues.h"

#include <string_view>

#include "editor/document/IndexRanges.h"

namespace brenmoor {
namespace {

struct IndexValue {
    unsigned index;
    std::string_view value;
};

// Objects whose default holds for every sub-index.
constexpr IndexValue kWholeObjectDefaults[] = {
    {0x1000, "0"},
    {0x1001, "0"},
    {0x1002, "0"},
    {0x1005, "0x80000080"},
    {0x1006, "0"},
    {0x1007, "0"},
    {0x1008, "manufacturer device name"},
    {0x1009, "manufacturer hardware version"},
    {0x100A, "manufacturer software version"},
    {0x100C, "0"},
    {0x100D, "0"},
    {0x1012, "0x100"},
    {0x1013, "0"},
    {0x1014, "$NODEID+0x80"},
    {0x1015, "0"},
    {0x1017, "0"},
};

// COB-IDs of the first four receive and transmit PDOs.
constexpr std::string_view kRxPdoCobIds[] = {"$NODEID+0x200", "$NODEID+0x300", "$NODEID+0x400", "$NODEID+0x500"};
constexpr std::string_view kTxPdoCobIds[] = {"$NODEID+0x180", "$NODEID+0x280", "$NODEID+0x380", "$NODEID+0x480"};
constexpr unsigned kPdosWithCobId = 4;

// Sub-index 0 of a new PDO parameter object counts the five entries it
// receives (see EntryCount).
constexpr std::string_view kPdoCommEntryCount = "5";

std::string PdoCommDefault(unsigned index, unsigned sub) {
    const bool receive = kRxPdoCommRange.Holds(index);
    const unsigned pdo = index - (receive ? kRxPdoCommRange.first : kTxPdoCommRange.first);
    if (sub == 0) return std::string(kPdoCommEntryCount);
    if (pdo < kPdosWithCobId) {
        if (sub == 1) return std::string(receive ? kRxPdoCobIds[pdo] : kTxPdoCobIds[pdo]);
        return sub <= 5 ? "0" : "";
    }
    return sub <= 7 ? "0" : "";
}

std::string SdoParameterDefault(unsigned index, unsigned sub) {
    if (index == 0x1200) {
        switch (sub) {
            case 0:
                return "2";
            case 1:
                return "$NODEID+0x600";
            case 2:
                return "$NODEID+0x580";
            default:
                return {};
        }
    }
    if (sub != 0) return {};
    return kServerSdoRange.Holds(index) ? "2" : "3";
}

// Pairs of low and high limit.
struct Limits {
    std::string_view low;
    std::string_view high;
};

// The PDO limits cover the first 256 parameter and mapping objects of each
// direction only.
constexpr IndexRange kRxPdoCommLimitRange{0x1400, 0x14FF};
constexpr IndexRange kTxPdoCommLimitRange{0x1800, 0x18FF};
constexpr IndexRange kRxPdoMapLimitRange{0x1600, 0x16FF};
constexpr IndexRange kTxPdoMapLimitRange{0x1A00, 0x1AFF};

Limits CommunicationLimits(unsigned index, unsigned sub) {
    switch (index) {
        case 0x1005:
            return {"1", ""};
        case 0x1010:
        case 0x1011:
            return sub == 0 ? Limits{"1", "127"} : Limits{};
        case 0x1012:
        case 0x1014:
            return {"1", "0xFFFFFFFF"};
        case 0x1016:
            if (sub == 0) return {"1", ""};
            return sub <= 127 ? Limits{"0", "0x007FFFFF"} : Limits{"0", ""};
        case 0x1018:
            return sub == 0 ? Limits{"1", "4"} : Limits{};
        case 0x1023:
        case 0x1025:
            return sub == 0 ? Limits{"1", "3"} : Limits{};
        default:
            return {};
    }
}

Limits SdoParameterLimits(unsigned index, unsigned sub) {
    if (index == 0x1200) return sub == 0 ? Limits{"2", "2"} : Limits{};
    switch (sub) {
        case 0:
            return kServerSdoRange.Holds(index) ? Limits{"2", "3"} : Limits{"3", "3"};
        case 1:
        case 2:
            return {"1", "0xFFFFFFFF"};
        case 3:
            return {"1", "127"};
        default:
            return {};
    }
}

Limits PdoLimits(unsigned index, unsigned sub) {
    if (kRxPdoCommLimitRange.Holds(index) || kTxPdoCommLimitRange.Holds(index)) {
        if (sub == 0) return {"2", "5"};
        if (sub == 1) return {"1", "0xFFFFFFFF"};
    }
    if ((kRxPdoMapLimitRange.Holds(index) || kTxPdoMapLimitRange.Holds(index)) && sub == 0) return {"0", "64"};
    return {};
}

Limits ProgramControlLimits(unsigned sub) {
    if (sub == 1) return {"0", "2"};
    if (InRange(sub, 2, 254)) return {"", "2"};
    return {};
}

Limits LimitsOf(unsigned index, unsigned sub) {
    sub = MainOrSub(sub);
    if (kSdoRange.Holds(index)) return SdoParameterLimits(index, sub);
    if (kPdoRange.Holds(index)) return PdoLimits(index, sub);
    if (index == 0x1F51) return ProgramControlLimits(sub);
    return CommunicationLimits(index, sub);
}

}  // namespace

std::string DefaultValue(unsigned index, unsigned sub) {
    sub = MainOrSub(sub);
    for (const auto& entry : kWholeObjectDefaults) {
        if (entry.index == index) return std::string(entry.value);
    }
    if (index == 0x1010 || index == 0x1011 || index == 0x1016) {
        if (sub == 0) return "1";
        return sub <= 127 ? "0" : "";
    }
    if (index == 0x1018) return sub == 0 ? "3" : "";
    if (kSdoRange.Holds(index)) return SdoParameterDefault(index, sub);
    if (IsPdoComm(index)) return PdoCommDefault(index, sub);
    if (IsPdoMap(index)) return sub <= 40 ? "0" : "";
    return {};
}

std::string LowLimit(unsigned index, unsigned sub) { return std::string(LimitsOf(index, sub).low); }

std::string HighLimit(unsigned index, unsigned sub) { return std::string(LimitsOf(index, sub).high); }

}  // namespace brenmoor

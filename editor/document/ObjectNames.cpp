#include "editor/document/ObjectNames.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "editor/document/IndexRanges.h"

namespace brenmoor {
namespace {

struct NamedIndex {
    unsigned index;
    std::string_view name;
};

// Ranges whose name is the position in the range (from 1), then the text.
struct NumberedRange {
    IndexRange range;
    std::string_view text;
};

std::string FromView(std::string_view text) { return std::string(text); }

std::string_view FindName(std::span<const NamedIndex> names, unsigned index) {
    const auto found =
        std::find_if(names.begin(), names.end(), [index](const NamedIndex& entry) { return entry.index == index; });
    return found == names.end() ? std::string_view() : found->name;
}

// Names of the data type definitions from index 0x0001 on.
constexpr std::string_view kDataTypeDefinitionNames[] = {
    "BOOLEAN datatype",         "INTEGER8 datatype",
    "INTEGER16 datatype",       "INTEGER32 datatype",
    "UNSIGNED8 datatype",       "UNSIGNED16 datatype",
    "UNSIGNED32 datatype",      "REAL32 datatype",
    "VISIBLE_STRING datatype",  "OCTET_STRING datatype",
    "UNICODE_STRING datatype",  "TIME_OF_DAY datatype",
    "TIME_DIFFERENCE datatype", "BIT_STRING datatype (obsolete)",
    "DOMAIN datatype",          "INTEGER24 datatype",
    "REAL64 datatype",          "INTEGER40 datatype",
    "INTEGER48 datatype",       "INTEGER56 datatype",
    "INTEGER64 datatype",       "UNSIGNED24 datatype",
    "reserved datatype",        "UNSIGNED40 datatype",
    "UNSIGNED48 datatype",      "UNSIGNED56 datatype",
    "UNSIGNED64 datatype",
};

constexpr NamedIndex kRecordDefinitionNames[] = {
    {0x0020, "PDO_COMMUNICATION_PARAMETER record"}, {0x0021, "PDO_MAPPING record"}, {0x0022, "SDO_PARAMETER record"},
    {0x0023, "IDENTITY SDO_PARAMETER record"},      {0x0024, "OD_DEBUGGER record"}, {0x0025, "OS_COMMAND record"},
};

// The device profile definitions come in blocks of 32 indexes, a datatype
// block and a record block for each of the eight profiles; the first
// profile carries no number.
constexpr IndexRange kProfileDefinitionRange{0x0060, 0x025F};
constexpr unsigned kProfileBlockSize = 32;

std::string ProfileDefinitionName(unsigned index) {
    const unsigned block = (index - kProfileDefinitionRange.first) / kProfileBlockSize;
    const unsigned profile = block / 2;
    std::string name = "device profile ";
    if (profile != 0) name += std::to_string(profile) + " ";
    name += block % 2 == 0 ? "specific datatype" : "specific record";
    return name;
}

std::string DataTypeAreaName(unsigned index) {
    if (InRange(index, 0x0001, 0x001B)) return FromView(kDataTypeDefinitionNames[index - 1]);
    if (InRange(index, 0x001C, 0x001F)) return "reserved datatype";
    if (InRange(index, 0x0020, 0x0025)) return FromView(FindName(kRecordDefinitionNames, index));
    if (InRange(index, 0x0026, 0x005F)) return "manufacturer specific record";
    if (kProfileDefinitionRange.Holds(index)) return ProfileDefinitionName(index);
    return {};
}

constexpr NamedIndex kCommunicationNames[] = {
    {0x1000, "Device type"},
    {0x1001, "Error register"},
    {0x1002, "Manufacturer status register"},
    {0x1003, "Pre-defined error field"},
    {0x1004, "Number of PDOs supported (obsolete)"},
    {0x1005, "COB-ID SYNC message"},
    {0x1006, "Communication cycle period"},
    {0x1007, "Synchronous window length"},
    {0x1008, "Manufacturer device name"},
    {0x1009, "Manufacturer hardware version"},
    {0x100A, "Manufacturer software version"},
    {0x100B, "Node-ID (obsolete)"},
    {0x100C, "Guard time"},
    {0x100D, "Life time factor"},
    {0x100E, "COB-ID guarding (obsolete)"},
    {0x100F, "Number of SDOs supported (obsolete)"},
    {0x1010, "Store parameters"},
    {0x1011, "Restore default parameters"},
    {0x1012, "COB-ID TIME message"},
    {0x1013, "High resolution time stamp"},
    {0x1014, "COB-ID EMCY message"},
    {0x1015, "Inhibit time EMCY message"},
    {0x1016, "Consumer heartbeat time"},
    {0x1017, "Producer heartbeat time"},
    {0x1018, "Identity object"},
    {0x1020, "Verify configuration"},
    {0x1021, "Store EDS"},
    {0x1022, "Storage format of EDS"},
    {0x1023, "OS command"},
    {0x1024, "OS command mode"},
    {0x1025, "OS debugger interface"},
    {0x1026, "OS prompt"},
    {0x1027, "Module list"},
    {0x1028, "Emergency consumer"},
    {0x1029, "Error behaviour"},
};

constexpr NumberedRange kNumberedRanges[] = {
    {kServerSdoRange, ". Server SDO parameter"},   {kClientSdoRange, ". Client SDO parameter"},
    {kRxPdoCommRange, ". receive PDO parameter"},  {kRxPdoMapRange, ". receive PDO mapping"},
    {kTxPdoCommRange, ". transmit PDO parameter"}, {kTxPdoMapRange, ". transmit PDO mapping"},
};

constexpr NamedIndex kNetworkManagementNames[] = {
    {0x1F00, "Request SDO (Client -> Server)"},
    {0x1F01, "Release SDO (Server -> Server)"},
    {0x1F02, "SDO manager COB-IDs"},
    {0x1F03, "SDO connections part 1"},
    {0x1F04, "SDO connections part 2"},
    {0x1F05, "SDO connections part 3"},
    {0x1F06, "SDO connections part 4"},
    {0x1F10, "Dynamic SDO connection state"},
    {0x1F11, "Slave failed"},
    {0x1F20, "Store DCF"},
    {0x1F21, "Storage format of DCF"},
    {0x1F22, "Concise DCF"},
    {0x1F23, "Store slave EDS"},
    {0x1F24, "Slave EDS storage format"},
    {0x1F25, "Configure slave"},
    {0x1F26, "Expected configuration date"},
    {0x1F27, "Expected configuration time"},
    {0x1F50, "Download program data"},
    {0x1F51, "Program control"},
    {0x1F52, "Verify application software"},
    {0x1F53, "Expected application software date"},
    {0x1F54, "Expected application software time"},
    {0x1F80, "NMT startup"},
    {0x1F81, "Slave assignment"},
    {0x1F82, "Request NMT service"},
    {0x1F83, "Request guarding"},
    {0x1F84, "Device type identification"},
    {0x1F85, "Vendor identification"},
    {0x1F86, "Product code"},
    {0x1F87, "Revision number"},
    {0x1F88, "Serial number"},
    {0x1F89, "Boot time"},
};

std::string NumberedName(unsigned index) {
    for (const auto& numbered : kNumberedRanges) {
        if (numbered.range.Holds(index))
            return std::to_string(index - numbered.range.first + 1) + std::string(numbered.text);
    }
    return {};
}

std::string NetworkManagementName(unsigned index) {
    if (InRange(index, 0x1FA0, 0x1FCF)) return "Object scanner list";
    if (InRange(index, 0x1FD0, 0x1FFF)) return "Object dispatching list";
    return FromView(FindName(kNetworkManagementNames, index));
}

std::string DynChannelName(unsigned index) {
    const DynChannel channel = DynChannelOf(index);
    return std::to_string(channel.number) + ". dynamic " + std::string(channel.block.name) +
           (channel.output ? " Outputs" : " Inputs");
}

// Sub-entry names of one family of arrays and records: fixed names from
// sub-index 0 on, then a run of entries sharing one text (optionally with
// the sub-index as a number), then single named entries.
enum class Numbering { None, Before, After };

struct EntryRun {
    unsigned first = 1;
    unsigned last = 0;  // an empty run when below first
    std::string_view text;
    Numbering numbering = Numbering::None;
};

struct NamedEntry {
    unsigned sub;
    std::string_view name;
};

struct SubNameRule {
    IndexRange indexes;
    std::span<const std::string_view> fixed;
    EntryRun run{};
    std::span<const NamedEntry> extra{};
};

constexpr std::string_view kPdoCommEntries[] = {
    "Largest sub-index supported",   "COB-ID used by PDO", "Transmission type", "Inhibit time",
    "CMS priority group (obsolete)", "Event timer"};
constexpr std::string_view kPdoMapEntries[] = {"Number of mapped application objects"};
constexpr NamedEntry kMpdoFormats[] = {{254, "Formatted as SAM-MPDO"}, {255, "Formatted as DAM-MPDO"}};
constexpr std::string_view kServerSdoEntries[] = {"Number of supported entries", "COB-ID Client -> Server (rx)",
                                                  "COB-ID Server -> Client (tx)", "Node-ID of the SDO Client"};
constexpr std::string_view kClientSdoEntries[] = {"Number of supported entries", "COB-ID Client -> Server (tx)",
                                                  "COB-ID Server -> Client (rx)", "Node-ID of the SDO Server"};
constexpr std::string_view kIdentityEntries[] = {"Number of supported entries", "Vendor-ID", "Product code",
                                                 "Revision number", "Serial number"};
constexpr std::string_view kOsInterfaceEntries[] = {"Number of supported entries", "Command", "Status", "Reply"};
constexpr std::string_view kErrorFieldEntries[] = {"Number of errors"};
constexpr std::string_view kPdoCountEntries[] = {"Number of PDOs supported (obsolete)", "Number of synchronous PDOs",
                                                 "Number of asynchronous PDOs"};
constexpr std::string_view kStoreEntries[] = {"Largest sub-index supported", "Save all parameters",
                                              "Save communication parameters", "Save application parameters"};
constexpr std::string_view kRestoreEntries[] = {"Largest sub-index supported", "Restore all default parameters",
                                                "Restore communication default parameters",
                                                "Restore application default parameters"};
constexpr std::string_view kCountOfEntries[] = {"Number of entries"};
constexpr std::string_view kVerifyConfigEntries[] = {"Number of supported entries", "Configuration date",
                                                     "Configuration time"};
constexpr std::string_view kOsPromptEntries[] = {"Largest sub-index supported", "StdIn", "StdOut", "StdErr"};
constexpr std::string_view kModuleListEntries[] = {"Number of connected modules"};
constexpr std::string_view kEmergencyConsumerEntries[] = {"Number of emergency consumer"};
constexpr std::string_view kErrorBehaviourEntries[] = {"Number of error classes", "Communication error"};
constexpr std::string_view kConfigManagerEntries[] = {"Number of configuration manager's slave"};
constexpr std::string_view kProgramEntries[] = {"Number of program"};
constexpr std::string_view kVerifySoftwareEntries[] = {"Number of supported entries", "Application software date",
                                                       "Application software time"};
constexpr std::string_view kManagerSlaveEntries[] = {"Number of CANopen manager's slave"};
constexpr std::string_view kNmtSlaveEntries[] = {"Number of NMT master's slave"};
constexpr std::string_view kLargestSubIndex[] = {"Largest sub-index supported"};
constexpr NamedEntry kAllNodes[] = {{128, "All nodes"}};

constexpr EntryRun kNodeIdRun{1, 127, "Device with Node-ID ", Numbering::After};

constexpr SubNameRule kSubNameRules[] = {
    {{0x0020, 0x0020}, kPdoCommEntries},
    {{0x0021, 0x0021}, kPdoMapEntries, {1, 64, ". mapped object", Numbering::Before}, kMpdoFormats},
    {{0x0022, 0x0022}, kServerSdoEntries},
    {{0x0023, 0x0023}, kIdentityEntries},
    {{0x0024, 0x0025}, kOsInterfaceEntries},
    {{0x1003, 0x1003}, kErrorFieldEntries, {1, 254, "Standard error field"}},
    {{0x1004, 0x1004}, kPdoCountEntries},
    {{0x1010, 0x1010}, kStoreEntries, {4, 127, "Save manufacturer defined parameters"}},
    {{0x1011, 0x1011}, kRestoreEntries, {4, 127, "Restore manufacturer defined default parameters"}},
    {{0x1016, 0x1016}, kCountOfEntries, {1, 127, "Consumer heartbeat time of Node-ID ", Numbering::After}},
    {{0x1018, 0x1018}, kIdentityEntries},
    {{0x1020, 0x1020}, kVerifyConfigEntries},
    {{0x1023, 0x1023}, kOsInterfaceEntries},
    {{0x1025, 0x1025}, kOsInterfaceEntries},
    {{0x1026, 0x1026}, kOsPromptEntries},
    {{0x1027, 0x1027}, kModuleListEntries, {1, 254, "Module ", Numbering::After}},
    {{0x1028, 0x1028}, kEmergencyConsumerEntries, {1, 127, "Emergency consumer ", Numbering::After}},
    {{0x1029, 0x1029}, kErrorBehaviourEntries, {2, 127, "Device profile or manufacturer specific error"}},
    {kServerSdoRange, kServerSdoEntries},
    {kClientSdoRange, kClientSdoEntries},
    {kRxPdoCommRange, kPdoCommEntries},
    {kRxPdoMapRange, kPdoMapEntries, {1, 64, ". mapped object", Numbering::Before}, kMpdoFormats},
    {kTxPdoCommRange, kPdoCommEntries},
    {kTxPdoMapRange, kPdoMapEntries, {1, 64, ". mapped object", Numbering::Before}, kMpdoFormats},
    {{0x1F20, 0x1F24}, kConfigManagerEntries, kNodeIdRun},
    {{0x1F25, 0x1F25}, kConfigManagerEntries, kNodeIdRun, kAllNodes},
    {{0x1F26, 0x1F27}, kConfigManagerEntries, kNodeIdRun},
    {{0x1F50, 0x1F51}, kProgramEntries, {1, 254, "Program ", Numbering::After}},
    {{0x1F52, 0x1F52}, kVerifySoftwareEntries},
    {{0x1F53, 0x1F54}, kManagerSlaveEntries, kNodeIdRun},
    {{0x1F81, 0x1F81}, kNmtSlaveEntries, kNodeIdRun},
    {{0x1F82, 0x1F83}, kNmtSlaveEntries, kNodeIdRun, kAllNodes},
    {{0x1F84, 0x1F88}, kNmtSlaveEntries, kNodeIdRun},
    {{0x1FA0, 0x1FCF}, kLargestSubIndex, {1, 254, "Scan_", Numbering::After}},
    {{0x1FD0, 0x1FFF}, kLargestSubIndex, {1, 254, "Dispatch_", Numbering::After}},
};

std::string RunEntryName(const EntryRun& run, unsigned sub) {
    switch (run.numbering) {
        case Numbering::Before:
            return std::to_string(sub) + std::string(run.text);
        case Numbering::After:
            return std::string(run.text) + std::to_string(sub);
        case Numbering::None:
            break;
    }
    return FromView(run.text);
}

std::string RuleEntryName(const SubNameRule& rule, unsigned sub) {
    if (sub < rule.fixed.size()) return FromView(rule.fixed[sub]);
    if (InRange(sub, rule.run.first, rule.run.last)) return RunEntryName(rule.run, sub);
    for (const auto& entry : rule.extra) {
        if (entry.sub == sub) return FromView(entry.name);
    }
    return {};
}

const SubNameRule* FindSubNameRule(unsigned index) {
    const auto found = std::find_if(std::begin(kSubNameRules), std::end(kSubNameRules),
                                    [index](const SubNameRule& rule) { return rule.indexes.Holds(index); });
    return found == std::end(kSubNameRules) ? nullptr : found;
}

// Objects of one variable: the communication objects the standard types as
// a whole, and the data type definitions.
bool IsSingleEntryObject(unsigned index) {
    return InRange(index, 0x0001, 0x001B) || InRange(index, 0x1000, 0x1002) || InRange(index, 0x1005, 0x100F) ||
           InRange(index, 0x1012, 0x1015) || index == 0x1017 || InRange(index, 0x1021, 0x1022) || index == 0x1024;
}

std::string GenericEntryName(unsigned sub) {
    return sub == 0 ? std::string("Number of entries") : std::to_string(sub) + ". entry";
}

}  // namespace

std::string MainName(unsigned index) {
    if (index < 0x1000) return DataTypeAreaName(index);
    if (InRange(index, 0x1000, 0x1029)) return FromView(FindName(kCommunicationNames, index));
    if (InRange(index, 0x1F00, 0x1FFF)) return NetworkManagementName(index);
    if (kDynChannelRange.Holds(index)) return DynChannelName(index);
    return NumberedName(index);
}

std::string SubName(unsigned index, unsigned sub) {
    sub = MainOrSub(sub);
    if (const SubNameRule* rule = FindSubNameRule(index)) return RuleEntryName(*rule, sub);
    if (IsSingleEntryObject(index)) return MainName(index);
    return GenericEntryName(sub);
}

}  // namespace brenmoor

#include <gtest/gtest.h>

#include "CaseTrace.h"
#include "editor/document/ObjectNames.h"

namespace brenmoor {
namespace {

TEST(MainName, NamesEveryBlockFromItsFirstToItsLastIndex) {
    const struct {
        unsigned index;
        const char* name;
    } cases[] = {
        {0x0000, ""},
        {0x0001, "BOOLEAN datatype"},
        {0x000E, "BIT_STRING datatype (obsolete)"},
        {0x0017, "reserved datatype"},
        {0x001B, "UNSIGNED64 datatype"},
        {0x001C, "reserved datatype"},
        {0x001F, "reserved datatype"},
        {0x0020, "PDO_COMMUNICATION_PARAMETER record"},
        {0x0025, "OS_COMMAND record"},
        {0x0026, "manufacturer specific record"},
        {0x005F, "manufacturer specific record"},
        {0x0060, "device profile specific datatype"},
        {0x007F, "device profile specific datatype"},
        {0x0080, "device profile specific record"},
        {0x009F, "device profile specific record"},
        {0x00A0, "device profile 1 specific datatype"},
        {0x00C0, "device profile 1 specific record"},
        {0x00DF, "device profile 1 specific record"},
        {0x0220, "device profile 7 specific datatype"},
        {0x0240, "device profile 7 specific record"},
        {0x025F, "device profile 7 specific record"},
        {0x0260, ""},
        {0x0FFF, ""},
        {0x1000, "Device type"},
        {0x1018, "Identity object"},
        {0x1019, ""},
        {0x1029, "Error behaviour"},
        {0x102A, ""},
        {0x11FF, ""},
        {0x1200, "1. Server SDO parameter"},
        {0x127F, "128. Server SDO parameter"},
        {0x1280, "1. Client SDO parameter"},
        {0x12FF, "128. Client SDO parameter"},
        {0x1300, ""},
        {0x13FF, ""},
        {0x1400, "1. receive PDO parameter"},
        {0x15FF, "512. receive PDO parameter"},
        {0x1600, "1. receive PDO mapping"},
        {0x17FF, "512. receive PDO mapping"},
        {0x1800, "1. transmit PDO parameter"},
        {0x19FF, "512. transmit PDO parameter"},
        {0x1A00, "1. transmit PDO mapping"},
        {0x1BFF, "512. transmit PDO mapping"},
        {0x1C00, ""},
        {0x1EFF, ""},
        {0x1F00, "Request SDO (Client -> Server)"},
        {0x1F03, "SDO connections part 1"},
        {0x1F06, "SDO connections part 4"},
        {0x1F07, ""},
        {0x1F89, "Boot time"},
        {0x1F8A, ""},
        {0x1FA0, "Object scanner list"},
        {0x1FCF, "Object scanner list"},
        {0x1FD0, "Object dispatching list"},
        {0x1FFF, "Object dispatching list"},
        {0x2000, ""},
        {0x9FFF, ""},
        {0xA000, "1. dynamic integer8 Inputs"},
        {0xA03F, "64. dynamic integer8 Inputs"},
        {0xA040, "1. dynamic unsigned8 Inputs"},
        {0xA240, "1. dynamic float(32) Inputs"},
        {0xA47F, "64. dynamic unsigned64 Inputs"},
        {0xA480, "1. dynamic integer8 Outputs"},
        {0xA4C0, "1. dynamic unsigned8 Outputs"},
        {0xA8C0, "1. dynamic unsigned64 Outputs"},
        {0xA8FF, "64. dynamic unsigned64 Outputs"},
        {0xA900, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(MainName(c.index), c.name) << At(c.index);
}

TEST(SubName, NamesTheEntriesOfTheStandardArraysAndRecords) {
    const struct {
        unsigned index;
        unsigned sub;
        const char* name;
    } cases[] = {
        {0x0020, 1, "COB-ID used by PDO"},
        {0x1400, 0, "Largest sub-index supported"},
        {0x15FF, 5, "Event timer"},
        {0x1800, 4, "CMS priority group (obsolete)"},
        {0x19FF, 6, ""},
        {0x0021, 1, "1. mapped object"},
        {0x1600, 0, "Number of mapped application objects"},
        {0x1600, 64, "64. mapped object"},
        {0x1600, 65, ""},
        {0x17FF, 253, ""},
        {0x1A00, 254, "Formatted as SAM-MPDO"},
        {0x1BFF, 255, "Formatted as DAM-MPDO"},
        {0x0022, 3, "Node-ID of the SDO Client"},
        {0x127F, 1, "COB-ID Client -> Server (rx)"},
        {0x1280, 1, "COB-ID Client -> Server (tx)"},
        {0x12FF, 3, "Node-ID of the SDO Server"},
        {0x12FF, 4, ""},
        {0x0023, 0, "Number of supported entries"},
        {0x1018, 4, "Serial number"},
        {0x1018, 5, ""},
        {0x0025, 3, "Reply"},
        {0x1023, 1, "Command"},
        {0x1025, 2, "Status"},
        {0x1003, 0, "Number of errors"},
        {0x1003, 254, "Standard error field"},
        {0x1003, 255, ""},
        {0x1004, 2, "Number of asynchronous PDOs"},
        {0x1010, 3, "Save application parameters"},
        {0x1010, 127, "Save manufacturer defined parameters"},
        {0x1010, 128, ""},
        {0x1011, 4, "Restore manufacturer defined default parameters"},
        {0x1016, 0, "Number of entries"},
        {0x1016, 5, "Consumer heartbeat time of Node-ID 5"},
        {0x1016, 127, "Consumer heartbeat time of Node-ID 127"},
        {0x1016, 128, ""},
        {0x1020, 2, "Configuration time"},
        {0x1026, 1, "StdIn"},
        {0x1027, 254, "Module 254"},
        {0x1028, 0, "Number of emergency consumer"},
        {0x1028, 127, "Emergency consumer 127"},
        {0x1029, 1, "Communication error"},
        {0x1029, 2, "Device profile or manufacturer specific error"},
        {0x1029, 128, ""},
        {0x1F20, 0, "Number of configuration manager's slave"},
        {0x1F24, 127, "Device with Node-ID 127"},
        {0x1F24, 128, ""},
        {0x1F25, 128, "All nodes"},
        {0x1F27, 1, "Device with Node-ID 1"},
        {0x1F50, 0, "Number of program"},
        {0x1F51, 254, "Program 254"},
        {0x1F52, 1, "Application software date"},
        {0x1F54, 0, "Number of CANopen manager's slave"},
        {0x1F81, 0, "Number of NMT master's slave"},
        {0x1F81, 128, ""},
        {0x1F83, 128, "All nodes"},
        {0x1F88, 127, "Device with Node-ID 127"},
        {0x1FA0, 1, "Scan_1"},
        {0x1FCF, 254, "Scan_254"},
        {0x1FD0, 0, "Largest sub-index supported"},
        {0x1FFF, 254, "Dispatch_254"},
        {0x1FFF, 255, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(SubName(c.index, c.sub), c.name) << At(c.index, c.sub);
}

TEST(SubName, GivesSingleEntryObjectsTheirMainNameAndOtherObjectsNumberedEntries) {
    const struct {
        unsigned index;
        unsigned sub;
        const char* name;
    } cases[] = {
        {0x1000, 0, "Device type"},
        {0x1000, 255, "Device type"},
        {0x100F, 0, "Number of SDOs supported (obsolete)"},
        {0x1024, 0, "OS command mode"},
        {0x0001, 0, "BOOLEAN datatype"},
        {0x0017, 0, "reserved datatype"},
        {0x0026, 0, "Number of entries"},
        {0x1F80, 1, "1. entry"},
        {0x2000, 0, "Number of entries"},
        {0x2000, 1, "1. entry"},
        {0x6000, 254, "254. entry"},
        {0xA000, 0, "Number of entries"},
        {0xA8FF, 17, "17. entry"},
    };
    for (const auto& c : cases) EXPECT_EQ(SubName(c.index, c.sub), c.name) << At(c.index, c.sub);
}

}  // namespace
}  // namespace brenmoor

// The names and ordinals that libvantor.so exports, as callers know them.
#pragma once

#include <array>
#include <string_view>

struct ExportEntry {
    std::string_view name;
    int ordinal;
};

inline constexpr std::array<ExportEntry, 33> kExportTable = {{
    {"eds_CopTypeToStr", 100},       {"eds_StrToCopType", 101},     {"eds_StrToCopType2", 102},
    {"eds_CreateFile", 1000},        {"eds_OpenExFile", 1001},      {"eds_SaveFile", 1002},
    {"eds_CloseFile", 1003},         {"eds_ImportEDS", 1010},       {"eds_ExportEDS", 1011},
    {"eds_GetFileInfo", 1100},       {"eds_SetFileInfo", 1101},     {"eds_GetDeviceInfo", 1102},
    {"eds_SetDeviceInfo", 1103},     {"eds_GetDataTypes", 1104},    {"eds_SetDataTypes", 1105},
    {"eds_GetDummyUsage", 1106},     {"eds_SetDummyUsage", 1107},   {"eds_GetDeviceCom", 1108},
    {"eds_SetDeviceCom", 1109},      {"eds_GetComments", 1110},     {"eds_SetComments", 1111},
    {"eds_GetAllObjects", 1200},     {"eds_AddObject", 1201},       {"eds_GetObject", 1202},
    {"eds_SetObject", 1203},         {"eds_RemObject", 1204},       {"eds_GetObjectLinks", 1205},
    {"eds_SetObjectLinks", 1206},    {"eds_GetAllDynSegments", 1300}, {"eds_AddDynSegment", 1301},
    {"eds_GetDynSegment", 1302},     {"eds_SetDynSegment", 1303},   {"eds_RemDynSegment", 1304},
}};

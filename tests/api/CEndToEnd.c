/*
 * The library driven from C through the public header alone: create a
 * description in a compound file, import an EDS, read and change records,
 * export, save, commit, reopen and compare.
 *
 *   c_end_to_end <work folder> <sample.eds>
 *
 * Prints the first check that fails and exits with 1; prints "ok" otherwise.
 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "vantor/vantor.h"

#define CHECK(condition)                                                      \
    do {                                                                      \
        if (!(condition)) {                                                   \
            fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #condition); \
            return 1;                                                         \
        }                                                                     \
    } while (0)

#define MAIN_ENTRY 0xFFu

static char g_path[1024];

/* folder + "/" + name in a static buffer. */
static const char* InFolder(const char* folder, const char* name) {
    snprintf(g_path, sizeof g_path, "%s/%s", folder, name);
    return g_path;
}

/* The 16-bit units of an ASCII path; false when it does not fit. */
static int WidePath(const char* path, WCHAR* wide, size_t capacity) {
    const size_t length = strlen(path);
    if (length >= capacity) return 0;
    for (size_t i = 0; i <= length; ++i) wide[i] = (WCHAR)(unsigned char)path[i];
    return 1;
}

static int CopyFile(const char* from, const char* to) {
    FILE* in = fopen(from, "rb");
    FILE* out = in ? fopen(to, "wb") : NULL;
    int ok = in && out;
    char buffer[4096];
    size_t got;
    while (ok && (got = fread(buffer, 1, sizeof buffer, in)) > 0) ok = fwrite(buffer, 1, got, out) == got;
    if (in) fclose(in);
    if (out && fclose(out) != 0) ok = 0;
    return ok;
}

/* The object list as a string of "%4.4X " entries, freed after reading. */
static int ListText(EdsHandle h, char* text, size_t capacity) {
    EdsNumberList list = NULL;
    if (eds_GetAllObjects(h, &list) != 0 || !list) return 0;
    text[0] = '\0';
    for (UINT i = 0; i < SysStringLen(list); ++i) {
        const size_t used = strlen(text);
        snprintf(text + used, capacity - used, "%4.4X ", (unsigned)list[i]);
    }
    SysFreeString(list);
    return 1;
}

static int CheckDescription(EdsHandle h, const char* expectedList) {
    char list[256];
    CHECK(ListText(h, list, sizeof list));
    CHECK(strcmp(list, expectedList) == 0);

    EdsObjectRecord object;
    CHECK(eds_GetObject(h, 0x1000, MAIN_ENTRY, &object) == 0);
    CHECK(strcmp(object.ParameterName, "Device type") == 0);
    CHECK(object.Category == 1);
    CHECK(eds_GetObject(h, 0x1018, 1, &object) == 0);
    CHECK(strcmp(object.DefaultValue, "0x00000ABC") == 0);

    char* comments = NULL;
    CHECK(eds_GetComments(h, &comments) == 0);
    CHECK(comments && strcmp(comments, "x\r\ny") == 0);
    CoTaskMemFree(comments);

    EdsNumberList segments = NULL;
    CHECK(eds_GetAllDynSegments(h, &segments) == 0);
    CHECK(segments && SysStringLen(segments) == 2 && segments[0] == 1 && segments[1] == 3);
    SysFreeString(segments);
    EdsDynSegmentRecord segment;
    CHECK(eds_GetDynSegment(h, 3, &segment) == 0);
    CHECK(segment.RangeStart == 0xA200 && segment.MaxCnt == 16);
    return 0;
}

static int Run(const char* folder, const char* sample) {
    SetLastError(0);
    CHECK(eds_CreateFile(NULL) == NULL);
    CHECK(GetLastError() == 87);
    CHECK(eds_GetDataTypes() == 0x80004001u);

    char eds[1024];
    snprintf(eds, sizeof eds, "%s", InFolder(folder, "sample.eds"));
    CHECK(CopyFile(sample, eds));
    WCHAR name[1024];
    CHECK(WidePath(InFolder(folder, "c.stg"), name, sizeof name / sizeof name[0]));

    IStorage* root = NULL;
    CHECK(StgCreateDocfile(name, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, &root) == S_OK);
    EdsHandle h = eds_CreateFile(root);
    CHECK(h != NULL);
    CHECK(GetLastError() == 0);
    CHECK(eds_ImportEDS(h, eds, NULL, 0) == 0);

    EdsDeviceInfoRecord device;
    CHECK(eds_GetDeviceInfo(h, &device) == 0);
    CHECK(strcmp(device.VendorName, "Corvane") == 0);
    device.VendorNumber = 0xABC;
    CHECK(eds_SetDeviceInfo(h, &device) == 0);
    CHECK(eds_SetComments(h, "x\ry") == 0);
    EdsDynSegmentRecord segment;
    memset(&segment, 0, sizeof segment);
    segment.Type = 0x0007;
    segment.Dir = 3;
    segment.RangeStart = 0xA200;
    segment.RangeEnd = 0xA23F;
    segment.MaxCnt = 16;
    CHECK(eds_AddDynSegment(h, 3, &segment) == 0);
    CHECK(eds_AddDynSegment(h, 513, &segment) == 14);
    CHECK(CheckDescription(h, "1000 1001 1017 1018 2000 ") == 0);
    CHECK(eds_ExportEDS(h, InFolder(folder, "c.dcf"), 1, NULL, 0) == 0);

    CHECK(eds_SaveFile(h) == 0);
    eds_CloseFile(h);
    CHECK(eds_SaveFile(h) == 6);
    CHECK(IStorage_Commit(root, STGC_DEFAULT) == S_OK);
    IStorage_Release(root);

    root = NULL;
    CHECK(StgOpenStorage(name, NULL, STGM_READWRITE | STGM_SHARE_EXCLUSIVE, NULL, 0, &root) == S_OK);
    h = eds_OpenExFile(root);
    CHECK(h != NULL);
    CHECK(CheckDescription(h, "1000 1001 1017 1018 2000 ") == 0);
    eds_CloseFile(h);
    IStorage_Release(root);
    return 0;
}

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: %s <work folder> <sample.eds>\n", argv[0]);
        return 2;
    }
    if (Run(argv[1], argv[2]) != 0) return 1;
    puts("ok");
    return 0;
}

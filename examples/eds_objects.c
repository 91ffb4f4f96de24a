/*
 * eds_objects: keeps a CANopen device description in a compound file, reads
 * an EDS (or DCF) file into it, lists its objects with their names and
 * writes the whole description out as a DCF.
 *
 *   eds_objects <description file> <input .eds> <output .dcf>
 *
 * The description file is opened when it exists and created otherwise.
 * Build against the installed library:
 *
 *   cc -std=c11 -o eds_objects eds_objects.c $(pkg-config --cflags --libs vantor)
 */
#include <locale.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <uchar.h>
#include <wchar.h>

#include <vantor/vantor.h>

/* Sub-index that addresses the object itself rather than one of its entries. */
#define MAIN_ENTRY 0xFFu

static int Report(const char* what, uint32_t code) {
    fprintf(stderr, "%s failed with code %lu (0x%08lX)\n", what, (unsigned long)code, (unsigned long)code);
    return EXIT_FAILURE;
}

/* What the progress callback gets as its context. */
typedef struct Progress {
    const char* step;
    int32_t shown; /* last percentage shown, -1 before the first */
} Progress;

static void ShowProgress(int32_t percent, intptr_t context) {
    Progress* progress = (Progress*)context;
    if (percent == progress->shown) return;
    progress->shown = percent;
    fprintf(stderr, "\r%s %3d%%%s", progress->step, (int)percent, percent == 100 ? "\n" : "");
}

/* The path as the 16-bit units that the compound-file functions take; free() it. */
static WCHAR* WidePath(const char* path) {
    const size_t length = strlen(path);
    /* A multi-byte character never needs more units than it has bytes. */
    WCHAR* wide = calloc(length + 1, sizeof *wide);
    if (!wide) return NULL;
    mbstate_t state;
    memset(&state, 0, sizeof state);
    const char* next = path;
    const char* end = path + length;
    size_t units = 0;
    while (next < end) {
        char16_t unit;
        const size_t used = mbrtoc16(&unit, next, (size_t)(end - next), &state);
        if (used == (size_t)-1 || used == (size_t)-2) {
            free(wide);
            return NULL;
        }
        wide[units++] = unit;
        if (used != (size_t)-3) next += used ? used : 1;
    }
    return wide;
}

/* Opens the compound file, or creates it when it does not exist yet. */
static HRESULT OpenOrCreateRoot(const char* path, IStorage** root, int* created) {
    WCHAR* name = WidePath(path);
    if (!name) return STG_E_FILENOTFOUND;
    const DWORD mode = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
    HRESULT hr = StgOpenStorage(name, NULL, mode, NULL, 0, root);
    *created = hr == STG_E_FILENOTFOUND;
    if (*created) hr = StgCreateDocfile(name, mode | STGM_CREATE, 0, root);
    free(name);
    return hr;
}

static EdsResult ListObjects(EdsHandle h) {
    EdsNumberList indexes = NULL;
    EdsResult code = eds_GetAllObjects(h, &indexes);
    if (code != ERROR_SUCCESS) return code;
    const UINT count = SysStringLen(indexes);
    for (UINT i = 0; i < count && code == ERROR_SUCCESS; ++i) {
        EdsObjectRecord object;
        code = eds_GetObject(h, indexes[i], MAIN_ENTRY, &object);
        if (code == ERROR_SUCCESS) printf("%4.4X %s\n", (unsigned)indexes[i], object.ParameterName);
    }
    printf("%u objects\n", (unsigned)count);
    SysFreeString(indexes);
    return code;
}

/* Import, list, export and save on an open description. */
static int Work(EdsHandle h, const char* input, const char* output) {
    Progress importing = {"import", -1};
    EdsResult code = eds_ImportEDS(h, input, ShowProgress, (intptr_t)&importing);
    if (code != ERROR_SUCCESS) return Report("Importing", code);
    code = ListObjects(h);
    if (code != ERROR_SUCCESS) return Report("Listing the objects", code);
    Progress exporting = {"export", -1};
    code = eds_ExportEDS(h, output, 1, ShowProgress, (intptr_t)&exporting);
    if (code != ERROR_SUCCESS) return Report("Exporting", code);
    code = eds_SaveFile(h);
    if (code != ERROR_SUCCESS) return Report("Saving", code);
    return EXIT_SUCCESS;
}

int main(int argc, char** argv) {
    if (argc != 4) {
        fprintf(stderr, "usage: %s <description file> <input .eds> <output .dcf>\n", argv[0]);
        return 2;
    }
    setlocale(LC_CTYPE, "");

    IStorage* root = NULL;
    int created = 0;
    const HRESULT hr = OpenOrCreateRoot(argv[1], &root, &created);
    if (FAILED(hr)) return Report("Opening the description file", (uint32_t)hr);

    /* The create and open functions leave their failure code as the thread's last error. */
    EdsHandle h = created ? eds_CreateFile(root) : eds_OpenExFile(root);
    if (!h) {
        const DWORD code = GetLastError();
        IStorage_Release(root);
        return Report(created ? "Creating the description" : "Opening the description", code);
    }
    printf("%s %s\n", created ? "created" : "opened", argv[1]);

    int status = Work(h, argv[2], argv[3]);
    eds_CloseFile(h);
    /* Only a commit reports whether the file could be written. */
    if (status == EXIT_SUCCESS) {
        const HRESULT committed = IStorage_Commit(root, STGC_DEFAULT);
        if (FAILED(committed)) status = Report("Writing the description file", (uint32_t)committed);
    }
    IStorage_Release(root);
    return status;
}

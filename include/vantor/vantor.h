/*
 * Vantor: the C interface of libvantor.so.
 *
 * One handle stands for one device description kept inside a structured
 * storage root that the caller owns. Every function except the create, open
 * and close functions returns a 32-bit code: 0 success, 6 bad handle, 87 null
 * required pointer or argument outside the accepted set, 14 out of memory,
 * 13 undecodable stored data, 112 short write, 180 bad segment number, other
 * Win32 error numbers from the file system, and structured-storage status
 * values (0x80030002 not found, 0x80004001 not implemented, ...) passed up
 * unchanged. A call that returns 6 or 87 has changed nothing. A handle that
 * was closed, or never returned by the library, answers 6 without being read.
 *
 * Argument widths: index, sub-index, data type and segment arguments are
 * 32-bit slots of which only the low 16 bits are read; the writeDcf and
 * option bytes are 32-bit slots of which only the low 8 bits are read.
 * Texts are 8-bit, Windows-1252, zero-terminated.
 *
 * Records are packed, little-endian, owned by the caller; their texts are
 * zero-terminated inside fixed arrays, and are read only up to the end of
 * their arrays. Lists of 16-bit numbers are counted strings
 * (SysAllocStringLen) that the receiver frees with SysFreeString.
 *
 * Build with: cc prog.c $(pkg-config --cflags --libs vantor)
 */
#ifndef VANTOR_VANTOR_H
#define VANTOR_VANTOR_H

#include <stddef.h>
#include <stdint.h>

/* The platform functions a caller needs beside these: GetLastError, the
 * free functions SysFreeString and CoTaskMemFree, and the compound files
 * (StgCreateDocfile, StgOpenStorage, IStorage_Commit, IStorage_Release). */
#include "vantor/platform.h"

#ifdef __cplusplus
#define VANTOR_STATIC_ASSERT(condition, message) static_assert(condition, message)
#else
#define VANTOR_STATIC_ASSERT(condition, message) _Static_assert(condition, message)
#endif

#if defined(_WIN32)
#define VANTOR_CALL __cdecl
#define VANTOR_API
#elif defined(VANTOR_LIBRARY_BUILD)
#define VANTOR_CALL
#define VANTOR_API __attribute__((visibility("default")))
#else
#define VANTOR_CALL
#define VANTOR_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* An open description; opaque to the caller. */
typedef struct EdsHandleBlock* EdsHandle;

/* Result code of the exports. */
typedef uint32_t EdsResult;

/* Length-counted block of 16-bit numbers (an OLE string, BSTR): its length
 * is SysStringLen, and the receiver frees it with SysFreeString. */
typedef BSTR EdsNumberList;

/* Progress of an import or export: percent 0 to 100 and the caller's context. */
typedef void(VANTOR_CALL* EdsProgressProc)(int32_t percent, intptr_t context);

#pragma pack(push, 1)

/* One dictionary entry: the main entry of an index or one of its sub-entries. */
typedef struct EdsObjectRecord {
    uint8_t Category; /* 0 none, 1 mandatory, 2 optional, 3 manufacturer */
    uint8_t SubNumber;
    char ParameterName[256];
    uint8_t ObjectType; /* 0xFF unset */
    uint8_t AccessType; /* 0 CONST .. 5 RWW, 0xFF unset */
    uint16_t DataType;  /* 0 unset */
    uint8_t PDOMapping;
    uint32_t ObjFlags;
    char LowLimit[256];
    char HighLimit[256];
    char DefaultValue[256]; /* main entry with sub-entries: presence map of sub-indexes 0x00 to 0xFE */
    char ParameterValue[256];
    char UploadFile[256];
    char DownloadFile[256];
    char Denotation[256];
} EdsObjectRecord;

/* The FileInfo section. Times and dates are OLE Automation dates. */
typedef struct EdsFileInfoRecord {
    char FileName[13];
    uint8_t FileVersion;
    uint8_t FileRevision;
    char EDSVersion[4];
    char Description[256];
    double CreationTime;
    double CreationDate;
    char CreatedBy[256];
    double ModificationTime;
    double ModificationDate;
    char ModifiedBy[256];
    char LastEDS[13];
} EdsFileInfoRecord;

/* The DeviceInfo section. */
typedef struct EdsDeviceInfoRecord {
    char VendorName[256];
    uint32_t VendorNumber;
    char ProductName[256];
    uint32_t ProductNumber;
    uint8_t ProductVersion;
    uint8_t ProductRevision;
    uint32_t RevisionNumber;
    char OrderCode[256];
    char LMT_ManufacturerName[8];
    char LMT_ProductName[8];
    uint8_t BaudRate_10;
    uint8_t BaudRate_20;
    uint8_t BaudRate_50;
    uint8_t BaudRate_100;
    uint8_t BaudRate_125;
    uint8_t BaudRate_250;
    uint8_t BaudRate_500;
    uint8_t BaudRate_800;
    uint8_t BaudRate_1000;
    uint8_t SimpleBootUpMaster;
    uint8_t SimpleBootUpSlave;
    uint8_t ExtendedBootUpMaster;
    uint8_t ExtendedBootUpSlave;
    uint8_t Granularity;
    uint32_t DynamicChannelsSupported;
    uint8_t GroupMessaging;
    uint8_t LSS_Supported;
    int16_t NrOfRXPDO;
    int16_t NrOfTXPDO;
} EdsDeviceInfoRecord;

/* The DummyUsage section: byte k - 1 says whether data type k may be mapped as a dummy. */
typedef struct EdsDummyUsageRecord {
    uint8_t Dummy0001;
    uint8_t Dummy0002;
    uint8_t Dummy0003;
    uint8_t Dummy0004;
    uint8_t Dummy0005;
    uint8_t Dummy0006;
    uint8_t Dummy0007;
} EdsDummyUsageRecord;

/* The DeviceComissioning section (configuration files only). */
typedef struct EdsDeviceComRecord {
    uint8_t NodeId;
    char NodeName[8];
    uint16_t Baudrate; /* kbit/s */
    uint32_t NetNumber;
    char NetworkName[256];
    char LMT_SerialNumber[15];
    uint32_t LSS_SerialNumber;
    uint8_t CANopenManager;
} EdsDeviceComRecord;

/* One dynamic channel segment. */
typedef struct EdsDynSegmentRecord {
    uint16_t Type; /* CANopen data type code */
    uint16_t Dir;  /* access-type index 0 CONST .. 5 RWW */
    uint16_t RangeStart;
    uint16_t RangeEnd;
    uint32_t PPOffset;
    uint16_t BitOffset; /* BOOLEAN segments */
    uint32_t MaxCnt;
} EdsDynSegmentRecord;

/* Request to create one PDO's communication and mapping objects. */
typedef struct EdsPdoRequest {
    uint32_t flags;    /* bit 0 cobId, 1 transmissionType given; create 2 inhibit time, 3 reserved,
                          4 event timer entry; 5 mapping entries given */
    uint32_t writable; /* read-write entries: bit 0 COB-ID, 1 transmission type, 2 mapped count */
    uint32_t cobId;
    uint8_t transmissionType;
    uint16_t inhibitTime;
    uint8_t reservedEntry;
    uint16_t eventTimer;
    uint8_t mappedCount; /* at most 64 are used */
    uint32_t mapped[64];
} EdsPdoRequest;

#pragma pack(pop)

#define VANTOR_ASSERT_SIZE(type, size) VANTOR_STATIC_ASSERT(sizeof(type) == (size), #type " size")
#define VANTOR_ASSERT_OFFSET(type, field, offset) \
    VANTOR_STATIC_ASSERT(offsetof(type, field) == (offset), #type "." #field " offset")

VANTOR_ASSERT_SIZE(EdsObjectRecord, 2059);
VANTOR_ASSERT_OFFSET(EdsObjectRecord, Category, 0);
VANTOR_ASSERT_OFFSET(EdsObjectRecord, SubNumber, 1);
VANTOR_ASSERT_OFFSET(EdsObjectRecord, ParameterName, 2);
VANTOR_ASSERT_OFFSET(EdsObjectRecord, ObjectType, 258);
VANTOR_ASSERT_OFFSET(EdsObjectRecord, AccessType, 259);
VANTOR_ASSERT_OFFSET(EdsObjectRecord, DataType, 260);
VANTOR_ASSERT_OFFSET(EdsObjectRecord, PDOMapping, 262);
VANTOR_ASSERT_OFFSET(EdsObjectRecord, ObjFlags, 263);
VANTOR_ASSERT_OFFSET(EdsObjectRecord, LowLimit, 267);
VANTOR_ASSERT_OFFSET(EdsObjectRecord, HighLimit, 523);
VANTOR_ASSERT_OFFSET(EdsObjectRecord, DefaultValue, 779);
VANTOR_ASSERT_OFFSET(EdsObjectRecord, ParameterValue, 1035);
VANTOR_ASSERT_OFFSET(EdsObjectRecord, UploadFile, 1291);
VANTOR_ASSERT_OFFSET(EdsObjectRecord, DownloadFile, 1547);
VANTOR_ASSERT_OFFSET(EdsObjectRecord, Denotation, 1803);

VANTOR_ASSERT_SIZE(EdsFileInfoRecord, 832);
VANTOR_ASSERT_OFFSET(EdsFileInfoRecord, FileName, 0);
VANTOR_ASSERT_OFFSET(EdsFileInfoRecord, FileVersion, 13);
VANTOR_ASSERT_OFFSET(EdsFileInfoRecord, FileRevision, 14);
VANTOR_ASSERT_OFFSET(EdsFileInfoRecord, EDSVersion, 15);
VANTOR_ASSERT_OFFSET(EdsFileInfoRecord, Description, 19);
VANTOR_ASSERT_OFFSET(EdsFileInfoRecord, CreationTime, 275);
VANTOR_ASSERT_OFFSET(EdsFileInfoRecord, CreationDate, 283);
VANTOR_ASSERT_OFFSET(EdsFileInfoRecord, CreatedBy, 291);
VANTOR_ASSERT_OFFSET(EdsFileInfoRecord, ModificationTime, 547);
VANTOR_ASSERT_OFFSET(EdsFileInfoRecord, ModificationDate, 555);
VANTOR_ASSERT_OFFSET(EdsFileInfoRecord, ModifiedBy, 563);
VANTOR_ASSERT_OFFSET(EdsFileInfoRecord, LastEDS, 819);

VANTOR_ASSERT_SIZE(EdsDeviceInfoRecord, 822);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, VendorName, 0);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, VendorNumber, 256);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, ProductName, 260);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, ProductNumber, 516);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, ProductVersion, 520);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, ProductRevision, 521);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, RevisionNumber, 522);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, OrderCode, 526);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, LMT_ManufacturerName, 782);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, LMT_ProductName, 790);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, BaudRate_10, 798);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, BaudRate_20, 799);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, BaudRate_50, 800);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, BaudRate_100, 801);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, BaudRate_125, 802);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, BaudRate_250, 803);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, BaudRate_500, 804);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, BaudRate_800, 805);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, BaudRate_1000, 806);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, SimpleBootUpMaster, 807);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, SimpleBootUpSlave, 808);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, ExtendedBootUpMaster, 809);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, ExtendedBootUpSlave, 810);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, Granularity, 811);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, DynamicChannelsSupported, 812);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, GroupMessaging, 816);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, LSS_Supported, 817);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, NrOfRXPDO, 818);
VANTOR_ASSERT_OFFSET(EdsDeviceInfoRecord, NrOfTXPDO, 820);

VANTOR_ASSERT_SIZE(EdsDummyUsageRecord, 7);
VANTOR_ASSERT_OFFSET(EdsDummyUsageRecord, Dummy0001, 0);
VANTOR_ASSERT_OFFSET(EdsDummyUsageRecord, Dummy0002, 1);
VANTOR_ASSERT_OFFSET(EdsDummyUsageRecord, Dummy0003, 2);
VANTOR_ASSERT_OFFSET(EdsDummyUsageRecord, Dummy0004, 3);
VANTOR_ASSERT_OFFSET(EdsDummyUsageRecord, Dummy0005, 4);
VANTOR_ASSERT_OFFSET(EdsDummyUsageRecord, Dummy0006, 5);
VANTOR_ASSERT_OFFSET(EdsDummyUsageRecord, Dummy0007, 6);

VANTOR_ASSERT_SIZE(EdsDeviceComRecord, 291);
VANTOR_ASSERT_OFFSET(EdsDeviceComRecord, NodeId, 0);
VANTOR_ASSERT_OFFSET(EdsDeviceComRecord, NodeName, 1);
VANTOR_ASSERT_OFFSET(EdsDeviceComRecord, Baudrate, 9);
VANTOR_ASSERT_OFFSET(EdsDeviceComRecord, NetNumber, 11);
VANTOR_ASSERT_OFFSET(EdsDeviceComRecord, NetworkName, 15);
VANTOR_ASSERT_OFFSET(EdsDeviceComRecord, LMT_SerialNumber, 271);
VANTOR_ASSERT_OFFSET(EdsDeviceComRecord, LSS_SerialNumber, 286);
VANTOR_ASSERT_OFFSET(EdsDeviceComRecord, CANopenManager, 290);

VANTOR_ASSERT_SIZE(EdsDynSegmentRecord, 18);
VANTOR_ASSERT_OFFSET(EdsDynSegmentRecord, Type, 0);
VANTOR_ASSERT_OFFSET(EdsDynSegmentRecord, Dir, 2);
VANTOR_ASSERT_OFFSET(EdsDynSegmentRecord, RangeStart, 4);
VANTOR_ASSERT_OFFSET(EdsDynSegmentRecord, RangeEnd, 6);
VANTOR_ASSERT_OFFSET(EdsDynSegmentRecord, PPOffset, 8);
VANTOR_ASSERT_OFFSET(EdsDynSegmentRecord, BitOffset, 12);
VANTOR_ASSERT_OFFSET(EdsDynSegmentRecord, MaxCnt, 14);

VANTOR_ASSERT_SIZE(EdsPdoRequest, 275);
VANTOR_ASSERT_OFFSET(EdsPdoRequest, flags, 0);
VANTOR_ASSERT_OFFSET(EdsPdoRequest, writable, 4);
VANTOR_ASSERT_OFFSET(EdsPdoRequest, cobId, 8);
VANTOR_ASSERT_OFFSET(EdsPdoRequest, transmissionType, 12);
VANTOR_ASSERT_OFFSET(EdsPdoRequest, inhibitTime, 13);
VANTOR_ASSERT_OFFSET(EdsPdoRequest, reservedEntry, 15);
VANTOR_ASSERT_OFFSET(EdsPdoRequest, eventTimer, 16);
VANTOR_ASSERT_OFFSET(EdsPdoRequest, mappedCount, 18);
VANTOR_ASSERT_OFFSET(EdsPdoRequest, mapped, 19);

/* ---- Value conversion ---------------------------------------------------
 * The value buffer is 8 bytes, little-endian. Results: 0 valid, 1 invalid
 * data format or type not convertible, 2 underflow (minimum stored),
 * 3 overflow (maximum stored). */

/* Text of the value of a basic type into text (at least 33 bytes). */
VANTOR_API int32_t VANTOR_CALL eds_CopTypeToStr(uint32_t dataType, const void* value, char* text);
/* Parses text into value; an empty or null text gives 0 and a zero value. */
VANTOR_API int32_t VANTOR_CALL eds_StrToCopType(uint32_t dataType, const char* text, void* value);
/* As eds_StrToCopType, but empty text is invalid, and on any result but 0 the
 * value is the type's maximum when high is non-zero, else its minimum. */
VANTOR_API int32_t VANTOR_CALL eds_StrToCopType2(uint32_t dataType, const char* text, void* value,
                                                 uint32_t high);

/* ---- Lifecycle ---------------------------------------------------------- */

/* Builds an empty description in root. Null on failure, with the code as the
 * thread's last error (87 for a null root). The root must outlive the handle. */
VANTOR_API EdsHandle VANTOR_CALL eds_CreateFile(IStorage* root);
/* Opens the description stored earlier in root; failures as eds_CreateFile. */
VANTOR_API EdsHandle VANTOR_CALL eds_OpenExFile(IStorage* root);
/* Writes what is held in memory into the root; does not commit the root
 * (IStorage_Commit reports whether the file could be written). A failed save
 * leaves the handle usable. */
VANTOR_API EdsResult VANTOR_CALL eds_SaveFile(EdsHandle h);
/* Releases everything behind h without saving; an invalid handle is ignored. */
VANTOR_API void VANTOR_CALL eds_CloseFile(EdsHandle h);

/* ---- EDS text exchange --------------------------------------------------
 * The callback is used only when it is an executable address; it gets 0, some
 * intermediate percentages and 100, each with context. */

/* Reads the EDS or DCF text file path into the description; bad values are
 * listed in path's base name + ".Err". */
VANTOR_API EdsResult VANTOR_CALL eds_ImportEDS(EdsHandle h, const char* path, EdsProgressProc callback,
                                               intptr_t context);
/* Writes the description to path; a non-zero writeDcf also writes the
 * configuration-only entries. Problems go to path's base name + ".ERR". */
VANTOR_API EdsResult VANTOR_CALL eds_ExportEDS(EdsHandle h, const char* path, uint32_t writeDcf,
                                               EdsProgressProc callback, intptr_t context);

/* ---- Sections ----------------------------------------------------------- */

/* Fills info with the FileInfo section. */
VANTOR_API EdsResult VANTOR_CALL eds_GetFileInfo(EdsHandle h, EdsFileInfoRecord* info);
/* Stores info as the FileInfo section. */
VANTOR_API EdsResult VANTOR_CALL eds_SetFileInfo(EdsHandle h, const EdsFileInfoRecord* info);
/* Fills info with the DeviceInfo section; the PDO counts and the identity
 * values come from the dictionary. */
VANTOR_API EdsResult VANTOR_CALL eds_GetDeviceInfo(EdsHandle h, EdsDeviceInfoRecord* info);
/* Stores info as the DeviceInfo section, then writes VendorNumber,
 * ProductNumber and RevisionNumber into object 0x1018. */
VANTOR_API EdsResult VANTOR_CALL eds_SetDeviceInfo(EdsHandle h, const EdsDeviceInfoRecord* info);
/* Not implemented: always 0x80004001. */
VANTOR_API EdsResult VANTOR_CALL eds_GetDataTypes(void);
/* Not implemented: always 0x80004001. */
VANTOR_API EdsResult VANTOR_CALL eds_SetDataTypes(void);
/* Fills usage with the flags Dummy0001 to Dummy0007. */
VANTOR_API EdsResult VANTOR_CALL eds_GetDummyUsage(EdsHandle h, EdsDummyUsageRecord* usage);
/* Stores the seven flags of usage. */
VANTOR_API EdsResult VANTOR_CALL eds_SetDummyUsage(EdsHandle h, const EdsDummyUsageRecord* usage);
/* Fills com with the DeviceComissioning section; LSS_SerialNumber comes from
 * object 0x1018 sub-index 4 where that exists. */
VANTOR_API EdsResult VANTOR_CALL eds_GetDeviceCom(EdsHandle h, EdsDeviceComRecord* com);
/* Stores com as the DeviceComissioning section, then writes LSS_SerialNumber
 * into object 0x1018 sub-index 4. */
VANTOR_API EdsResult VANTOR_CALL eds_SetDeviceCom(EdsHandle h, const EdsDeviceComRecord* com);
/* *text: the comment lines joined by CR LF, or null when there are none; the
 * caller frees it with CoTaskMemFree. */
VANTOR_API EdsResult VANTOR_CALL eds_GetComments(EdsHandle h, char** text);
/* Replaces the comment lines by the lines of text, cut at CR LF, LF or a lone
 * CR, each without its trailing blanks; null removes them all. */
VANTOR_API EdsResult VANTOR_CALL eds_SetComments(EdsHandle h, const char* text);

/* ---- Objects -------------------------------------------------------------
 * Sub-index 255 (and, for add, set and remove, anything above 254) addresses
 * the main entry. */

/* *indexes: every existing object index, ascending (an empty list, not null,
 * when there are none); free it with SysFreeString. */
VANTOR_API EdsResult VANTOR_CALL eds_GetAllObjects(EdsHandle h, EdsNumberList* indexes);
/* Adds or replaces an entry; adding a main entry drops the index's sub-entries. */
VANTOR_API EdsResult VANTOR_CALL eds_AddObject(EdsHandle h, uint32_t index, uint32_t subIndex,
                                               const EdsObjectRecord* object);
/* Fills object with the entry; only the low 8 bits of subIndex are read. For
 * the main entry, SubNumber is the number of sub-entries and Category the
 * index's list. Not-found code when the entry does not exist. */
VANTOR_API EdsResult VANTOR_CALL eds_GetObject(EdsHandle h, uint32_t index, uint32_t subIndex,
                                               EdsObjectRecord* object);
/* Replaces an existing entry. */
VANTOR_API EdsResult VANTOR_CALL eds_SetObject(EdsHandle h, uint32_t index, uint32_t subIndex,
                                               const EdsObjectRecord* object);
/* Removes one sub-entry, or the whole object for the main entry. */
VANTOR_API EdsResult VANTOR_CALL eds_RemObject(EdsHandle h, uint32_t index, uint32_t subIndex);
/* *links: the object's link targets (null on failure); free with SysFreeString. */
VANTOR_API EdsResult VANTOR_CALL eds_GetObjectLinks(EdsHandle h, uint32_t index, EdsNumberList* links);
/* Replaces the object's link targets; null is an empty list. The caller keeps links. */
VANTOR_API EdsResult VANTOR_CALL eds_SetObjectLinks(EdsHandle h, uint32_t index, EdsNumberList links);

/* ---- Dynamic channel segments (numbers 1 to 512) ------------------------ */

/* *segments: the present segment numbers, ascending, or null when there are
 * none; free with SysFreeString. */
VANTOR_API EdsResult VANTOR_CALL eds_GetAllDynSegments(EdsHandle h, EdsNumberList* segments);
/* Stores or replaces a segment; 14 for a number outside 1 to 512. */
VANTOR_API EdsResult VANTOR_CALL eds_AddDynSegment(EdsHandle h, uint32_t segment,
                                                   const EdsDynSegmentRecord* record);
/* 180 when the segment is absent or the number out of range. */
VANTOR_API EdsResult VANTOR_CALL eds_GetDynSegment(EdsHandle h, uint32_t segment, EdsDynSegmentRecord* record);
/* Replaces a present segment; 180 otherwise. */
VANTOR_API EdsResult VANTOR_CALL eds_SetDynSegment(EdsHandle h, uint32_t segment,
                                                   const EdsDynSegmentRecord* record);
/* Removes a segment if present; never fails for a valid handle. */
VANTOR_API EdsResult VANTOR_CALL eds_RemDynSegment(EdsHandle h, uint32_t segment);

#ifdef __cplusplus
}
#endif

#endif /* VANTOR_VANTOR_H */

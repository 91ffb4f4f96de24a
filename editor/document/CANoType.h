// What the editor knows of the standard CANopen objects and data types:
// the selection lists, the category, type, access and mapping of an index
// and sub-index, the standard names, default values and limits, and path
// shortening for menus. Pure data and functions; nothing here touches the
// document.
//
// Every function takes the index as an unsigned number and, where listed,
// the sub-index; sub-index 255 (or any value above 254) stands for the main
// object wherever a function tells the two apart.
#pragma once

#include <cstdint>

#include "editor/document/CodeTables.h"
#include "editor/document/ObjectNames.h"
#include "editor/document/ObjectValues.h"
#include "editor/document/PathShortening.h"

namespace brenmoor {

// The object list an index belongs to, as the record's category.
enum ObjectCategory : int {
    kCategoryNone = 0,
    kCategoryMandatory = 1,
    kCategoryOptional = 2,
    kCategoryManufacturer = 3,
};

ObjectCategory ObjectList(unsigned index);

// The unsigned type of that many bytes, a visible string for 9 to 32 bytes,
// a domain otherwise (byteCount -1 stands for "unknown").
DataTypeCode DataTypeBySize(int byteCount);

// The standard data type of an entry, or DataTypeBySize(byteCount) where
// the standard names none.
DataTypeCode DataType(int byteCount, unsigned index, unsigned sub);

ObjectTypeCode ObjectType(unsigned index, unsigned sub);
AccessTypeCode AccessType(unsigned index, unsigned sub);
bool PdoMapping(unsigned index, unsigned sub);

// Number of sub-entries a new object of the index receives.
int EntryCount(unsigned index);

}  // namespace brenmoor

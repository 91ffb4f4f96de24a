// Limits of the element tree and of the compound files it is read from.
//
// The reader library recurses along sibling and child links and keeps each
// storage's children in a sorted list, so a directory that is very deep or
// has very many children in one storage costs it stack and quadratic time.
// These limits keep every file this layer writes readable again and bound the
// work a hostile file can cause.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vantor::storage {

// Longest element name in UTF-16 units, without the terminator.
constexpr size_t kMaxNameUnits = 31;

// Largest stream of a version 3 compound file.
constexpr uint64_t kMaxStreamSize = 0x80000000u;

// Elements directly inside one storage.
constexpr size_t kMaxChildrenPerStorage = 16384;

// Storages nested inside the root (the root is level 0).
constexpr size_t kMaxNestingDepth = 256;

// Longest path of sibling and child links from the root directory entry.
constexpr size_t kMaxDirectoryPathLength = 200000;

// Sum over all storages of the square of their number of children: the cost
// of the reader's sorted insertion of directory entries.
constexpr uint64_t kMaxSortingWork = 600'000'000;

// Stack of the thread that runs the compound-file library (reserved, not
// committed).
constexpr size_t kLibraryStackBytes = size_t{256} << 20;

}  // namespace vantor::storage

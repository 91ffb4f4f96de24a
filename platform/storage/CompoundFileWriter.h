// Writing an element tree as a version 3 compound file (512-byte sectors)
// into memory through the compound-file library.
#pragma once

#include "storage/ElementTree.h"
#include "storage/GsfSession.h"

#include <span>

#include <gsf/gsf-output-memory.h>

namespace vantor::storage {

// The written file, held in the library's closed memory output.
class SerializedFile {
public:
    SerializedFile() = default;
    SerializedFile(GObjectPtr<GsfOutput> sink, size_t size) : sink_(std::move(sink)), size_(size) {}

    std::span<const uint8_t> bytes() const {
        if (!sink_) return {};
        return {gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink_.get())), size_};
    }

private:
    GObjectPtr<GsfOutput> sink_;
    size_t size_ = 0;
};

// STG_E_WRITEFAULT when the library reports (or logs) a failure,
// STG_E_INSUFFICIENTMEMORY when memory runs out.
HRESULT WriteCompoundFile(const StorageElement& root, SerializedFile& file);

}  // namespace vantor::storage

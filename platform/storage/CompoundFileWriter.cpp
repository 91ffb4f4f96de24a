#include "storage/CompoundFileWriter.h"

#include "storage/StorageLimits.h"
#include "Unicode.h"

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output.h>

#include <new>

namespace vantor::storage {

namespace {

constexpr guint kSectorSize = 512;
constexpr guint kMiniSectorSize = 64;

void ClsidToBytes(const CLSID& clsid, guint8 bytes[16]) {
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<guint8>(clsid.Data1 >> (8 * i));
    for (int i = 0; i < 2; ++i) bytes[4 + i] = static_cast<guint8>(clsid.Data2 >> (8 * i));
    for (int i = 0; i < 2; ++i) bytes[6 + i] = static_cast<guint8>(clsid.Data3 >> (8 * i));
    for (int i = 0; i < 8; ++i) bytes[8 + i] = clsid.Data4[i];
}

bool SetClass(GsfOutfile* storage, const CLSID& clsid) {
    if (clsid == GUID_NULL) return true;
    guint8 bytes[16];
    ClsidToBytes(clsid, bytes);
    return gsf_outfile_msole_set_class_id(GSF_OUTFILE_MSOLE(storage), bytes);
}

bool CloseOutput(GsfOutput* output) { return gsf_output_close(output) && !gsf_output_error(output); }

HRESULT WriteChildren(GsfOutfile* target, const StorageElement& storage);

// Each stream is written completely and closed before the next is opened:
// the library corrupts the file when two large streams are open at once.
HRESULT WriteStream(GsfOutfile* target, const char* name, const StreamElement& stream) {
    GObjectPtr<GsfOutput> output(gsf_outfile_new_child(target, name, FALSE));
    if (!output) return STG_E_WRITEFAULT;
    const auto& data = stream.data();
    const bool written = data.empty() || gsf_output_write(output.get(), data.size(), data.data());
    const bool closed = CloseOutput(output.get());
    return written && closed ? S_OK : STG_E_WRITEFAULT;
}

HRESULT WriteStorage(GsfOutfile* target, const char* name, const StorageElement& storage) {
    GObjectPtr<GsfOutput> output(gsf_outfile_new_child(target, name, TRUE));
    if (!output) return STG_E_WRITEFAULT;
    HRESULT hr = SetClass(GSF_OUTFILE(output.get()), storage.clsid) ? S_OK : STG_E_WRITEFAULT;
    if (SUCCEEDED(hr)) hr = WriteChildren(GSF_OUTFILE(output.get()), storage);
    const bool closed = CloseOutput(output.get());
    return SUCCEEDED(hr) && !closed ? STG_E_WRITEFAULT : hr;
}

// Children go in reverse name order: the library inserts each new child into
// a sorted list from its head, which then costs nothing.
HRESULT WriteChildren(GsfOutfile* target, const StorageElement& storage) {
    const auto& children = storage.children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        const Element& child = *it->second;
        const auto name = Utf16ToUtf8(child.name());
        if (!name) return STG_E_INVALIDNAME;
        const HRESULT hr = child.isStorage() ? WriteStorage(target, name->c_str(), static_cast<const StorageElement&>(child))
                                             : WriteStream(target, name->c_str(), static_cast<const StreamElement&>(child));
        if (FAILED(hr)) return hr;
    }
    return S_OK;
}

HRESULT WriteTree(const StorageElement& root, SerializedFile& file) {
    GObjectPtr<GsfOutput> sink(gsf_output_memory_new());
    if (!sink) return STG_E_INSUFFICIENTMEMORY;
    GObjectPtr<GsfOutfile> outfile(gsf_outfile_msole_new_full(sink.get(), kSectorSize, kMiniSectorSize));
    if (!outfile) return STG_E_INSUFFICIENTMEMORY;

    HRESULT hr = SetClass(outfile.get(), root.clsid) ? S_OK : STG_E_WRITEFAULT;
    if (SUCCEEDED(hr)) hr = WriteChildren(outfile.get(), root);
    // Closing the outfile closes the sink; a failed write can still close
    // successfully, so the error of both is checked as well.
    bool closed = gsf_output_close(GSF_OUTPUT(outfile.get()));
    if (!gsf_output_is_closed(sink.get())) closed = gsf_output_close(sink.get()) && closed;
    if (FAILED(hr)) return hr;
    if (!closed || gsf_output_error(GSF_OUTPUT(outfile.get())) || gsf_output_error(sink.get())) return STG_E_WRITEFAULT;

    const gsf_off_t size = gsf_output_size(sink.get());
    if (size <= 0) return STG_E_WRITEFAULT;
    if (!gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.get()))) return STG_E_WRITEFAULT;
    file = SerializedFile(std::move(sink), static_cast<size_t>(size));
    return S_OK;
}

}  // namespace

HRESULT WriteCompoundFile(const StorageElement& root, SerializedFile& file) {
    GsfSession session;
    HRESULT result = E_UNEXPECTED;
    const HRESULT started = RunWithLargeStack(kLibraryStackBytes, [&] {
        try {
            result = WriteTree(root, file);
        } catch (const std::bad_alloc&) {
            result = STG_E_INSUFFICIENTMEMORY;
        }
    });
    if (FAILED(started)) return started;
    if (SUCCEEDED(result) && session.MessagesLogged()) {
        file = SerializedFile();
        return STG_E_WRITEFAULT;
    }
    return result;
}

}  // namespace vantor::storage

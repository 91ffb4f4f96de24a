#include "storage/CompoundFileReader.h"

#include "storage/CfbValidator.h"
#include "storage/GsfSession.h"
#include "storage/StorageLimits.h"
#include "Unicode.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input.h>

#include <map>
#include <new>

namespace vantor::storage {

namespace {

constexpr size_t kReadChunk = size_t{1} << 20;

void CopyMetadata(const CfbEntry& entry, Element& element) {
    element.clsid = entry.clsid;
    element.stateBits = entry.stateBits;
    element.creationTime = entry.creationTime;
    element.modificationTime = entry.modificationTime;
}

class GsfTreeReader {
public:
    explicit GsfTreeReader(const CfbDirectory& directory) : directory_(directory) {}

    HRESULT Read(std::span<const uint8_t> file, std::shared_ptr<StorageElement>& root) {
        GObjectPtr<GsfInput> input(gsf_input_memory_new(file.data(), static_cast<gsf_off_t>(file.size()), FALSE));
        if (!input) return STG_E_INSUFFICIENTMEMORY;
        GError* error = nullptr;
        GObjectPtr<GsfInfile> infile(gsf_infile_msole_new(input.get(), &error));
        if (error) g_error_free(error);
        if (!infile) return STG_E_DOCFILECORRUPT;

        auto tree = std::make_shared<StorageElement>(u"Root Entry");
        CopyMetadata(directory_.root(), *tree);
        if (HRESULT hr = ReadStorage(infile.get(), directory_.root(), *tree); FAILED(hr)) return hr;
        root = std::move(tree);
        return S_OK;
    }

private:
    using ExpectedChildren = std::map<std::u16string_view, const CfbEntry*, ElementNameLess>;

    ExpectedChildren IndexChildren(const CfbEntry& storage) const {
        ExpectedChildren children;
        for (size_t index : storage.children) {
            const CfbEntry& child = directory_.entries[index];
            children.emplace(child.name, &child);
        }
        return children;
    }

    HRESULT ReadStorage(GsfInfile* source, const CfbEntry& expected, StorageElement& target) {
        const int count = gsf_infile_num_children(source);
        if (count < 0 || static_cast<size_t>(count) != expected.children.size()) return STG_E_DOCFILECORRUPT;
        const ExpectedChildren children = IndexChildren(expected);
        for (int i = 0; i < count; ++i) {
            const char* utf8 = gsf_infile_name_by_index(source, i);
            const auto name = utf8 ? Utf8ToUtf16(utf8) : std::nullopt;
            if (!name) return STG_E_DOCFILECORRUPT;
            const auto match = children.find(*name);
            if (match == children.end() || match->second->name != *name) return STG_E_DOCFILECORRUPT;
            GObjectPtr<GsfInput> child(gsf_infile_child_by_index(source, i));
            if (!child) return STG_E_DOCFILECORRUPT;
            if (HRESULT hr = ReadChild(child.get(), *match->second, target); FAILED(hr)) return hr;
        }
        return S_OK;
    }

    HRESULT ReadChild(GsfInput* source, const CfbEntry& expected, StorageElement& target) {
        const bool isStorage = GSF_IS_INFILE(source) && gsf_infile_num_children(GSF_INFILE(source)) >= 0;
        if (isStorage != expected.isStorage) return STG_E_DOCFILECORRUPT;
        std::shared_ptr<Element> element;
        if (isStorage) {
            auto storage = std::make_shared<StorageElement>(expected.name);
            if (HRESULT hr = ReadStorage(GSF_INFILE(source), expected, *storage); FAILED(hr)) return hr;
            element = std::move(storage);
        } else {
            auto stream = std::make_shared<StreamElement>(expected.name);
            if (HRESULT hr = ReadStream(source, expected, stream->data()); FAILED(hr)) return hr;
            element = std::move(stream);
        }
        CopyMetadata(expected, *element);
        return target.Insert(element);
    }

    static HRESULT ReadStream(GsfInput* source, const CfbEntry& expected, std::vector<uint8_t>& data) {
        if (gsf_input_size(source) < 0 || static_cast<uint64_t>(gsf_input_size(source)) != expected.size)
            return STG_E_DOCFILECORRUPT;
        data.resize(expected.size);
        for (size_t done = 0; done < data.size();) {
            const size_t chunk = std::min(kReadChunk, data.size() - done);
            if (!gsf_input_read(source, chunk, data.data() + done)) return STG_E_DOCFILECORRUPT;
            done += chunk;
        }
        return S_OK;
    }

    const CfbDirectory& directory_;
};

}  // namespace

HRESULT ReadCompoundFile(std::span<const uint8_t> file, std::shared_ptr<StorageElement>& root) {
    CfbDirectory directory;
    try {
        if (HRESULT hr = ValidateCompoundFile(file, directory); FAILED(hr)) return hr;
    } catch (const std::bad_alloc&) {
        return STG_E_INSUFFICIENTMEMORY;
    }

    GsfSession session;
    HRESULT result = E_UNEXPECTED;
    const HRESULT started = RunWithLargeStack(kLibraryStackBytes, [&] {
        try {
            result = GsfTreeReader(directory).Read(file, root);
        } catch (const std::bad_alloc&) {
            result = STG_E_INSUFFICIENTMEMORY;
        }
    });
    if (FAILED(started)) return started;
    if (SUCCEEDED(result) && session.MessagesLogged()) {
        root.reset();
        return STG_E_DOCFILECORRUPT;
    }
    return result;
}

}  // namespace vantor::storage

// Imports arbitrary bytes as an EDS file into a new description in a
// temporary compound file, then exports it in both modes and saves it: no
// input may crash, leak or leave the description unusable.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "library/file/EdsFileStg.h"
#include "library/storage/ComPtr.h"
#include "vantor/platform.h"

namespace {

const std::string& Folder() {
    static const std::string folder = [] {
        std::string pattern = "/tmp/eds_import_fuzz.XXXXXX";
        if (!mkdtemp(pattern.data())) std::abort();
        return pattern;
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vantor;
    if (size > 1 << 20) return 0;
    const std::string input = Folder() + "/input.eds";
    {
        FILE* file = std::fopen(input.c_str(), "wb");
        if (!file) std::abort();
        if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
        std::fclose(file);
    }

    ComPtr<IStorage> root;
    if (StgCreateDocfile(nullptr, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE | STGM_DELETEONRELEASE, 0,
                         root.ReleaseAndGetAddressOf()) != S_OK)
        std::abort();
    std::unique_ptr<CEdsFileStg> file = CEdsFileStg::Create();
    if (!file || file->InitNew(root.Get()) != S_OK) std::abort();

    // Value problems never fail an import; only the storage can.
    if (file->Import(input.c_str(), nullptr, 0) != S_OK) __builtin_trap();
    const std::string output = Folder() + "/output.eds";
    if (file->Export(output.c_str(), false, 0, nullptr) != S_OK) __builtin_trap();
    if (file->Export(output.c_str(), true, 0, nullptr) != S_OK) __builtin_trap();
    if (file->Save() != S_OK || file->SaveCompleted() != S_OK) __builtin_trap();
    EdsDeviceInfoRecord device{};
    file->GetDeviceInfo(device);
    return 0;
}

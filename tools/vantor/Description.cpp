#include "tools/vantor/Description.h"

#include <cstdio>
#include <cstring>

#include "tools/vantor/ProgressBar.h"

namespace vantor::cli {
namespace {

constexpr DWORD kRootMode = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;

// The path in the UTF-16 form the compound-file functions take.
std::u16string WidePath(const std::string& path) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, nullptr, 0);
    if (size <= 0) return {};
    std::u16string wide(static_cast<std::size_t>(size), u'\0');
    MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, wide.data(), size);
    wide.resize(static_cast<std::size_t>(size - 1));
    return wide;
}

const char* TextOfCode(EdsResult code) {
    switch (code) {
        case 2: return "no such file";
        case 3: return "no such directory";
        case 5: return "permission denied";
        case 6: return "invalid handle";
        case 8: case 14: return "out of memory";
        case 13: return "invalid data";
        case 32: return "file in use by another program";
        case 87: return "invalid parameter";
        case 112: return "disk full";
        case 0x80004001u: return "not implemented by this library";
        case 0x80030002u: return "not found in the description";
        case 0x80030005u: return "access denied";
        case 0x80030070u: return "disk full";
        case 0x800300FBu: case 0x80030109u: return "not a valid saved description";
        default: return nullptr;
    }
}

}  // namespace

std::string DescribeCode(EdsResult code) {
    char text[64];
    const char* meaning = TextOfCode(code);
    if (meaning)
        std::snprintf(text, sizeof text, "%s (code 0x%8.8X)", meaning, code);
    else
        std::snprintf(text, sizeof text, "error code 0x%8.8X", code);
    return text;
}

std::unique_ptr<Description> Description::Start(IStorage* root, EdsHandle (*start)(IStorage*), EdsResult& code) {
    const EdsHandle handle = start(root);
    if (!handle) {
        code = GetLastError();
        if (code == 0) code = 0x8000FFFFu;
        root->Release();
        return nullptr;
    }
    code = 0;
    return std::unique_ptr<Description>(new Description(root, handle));
}

std::unique_ptr<Description> Description::Create(const std::string& path, EdsResult& code) {
    IStorage* root = nullptr;
    const HRESULT created = StgCreateDocfile(WidePath(path).c_str(), kRootMode | STGM_CREATE, 0, &root);
    if (FAILED(created)) {
        code = static_cast<EdsResult>(created);
        return nullptr;
    }
    return Start(root, eds_CreateFile, code);
}

std::unique_ptr<Description> Description::Open(const std::string& path, EdsResult& code) {
    IStorage* root = nullptr;
    const HRESULT opened = StgOpenStorage(WidePath(path).c_str(), nullptr, kRootMode, nullptr, 0, &root);
    if (FAILED(opened)) {
        code = static_cast<EdsResult>(opened);
        return nullptr;
    }
    return Start(root, eds_OpenExFile, code);
}

Description::~Description() {
    eds_CloseFile(handle_);
    root_->Release();
}

EdsResult Description::Import(const std::string& path, const ProgressBar& progress) {
    return eds_ImportEDS(handle_, path.c_str(), progress.callback(), progress.context());
}

EdsResult Description::Export(const std::string& path, bool dcf, const ProgressBar& progress) {
    return eds_ExportEDS(handle_, path.c_str(), dcf ? 1 : 0, progress.callback(), progress.context());
}

EdsResult Description::Save() {
    if (const EdsResult saved = eds_SaveFile(handle_); saved != 0) return saved;
    return static_cast<EdsResult>(root_->Commit(STGC_DEFAULT));
}

}  // namespace vantor::cli

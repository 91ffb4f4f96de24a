#include "library/api/Lifecycle.h"

#include <memory>

#include "library/api/ApiFrame.h"
#include "library/api/EdsHandle.h"
#include "library/dictionary/EdsDictStg.h"
#include "library/file/EdsFileStg.h"

namespace vantor::api {

namespace {

using State = CPersistStg::State;

// Builds the description of a fresh handle; the handle owns the storage object.
EdsResult BuildDescription(EdsHandleBlock& block, IStorage& root, Start start) {
    std::unique_ptr<CEdsFileStg> fileStg = CEdsFileStg::Create();
    if (!fileStg) return kOutOfMemory;
    block.fileStg = fileStg.release();
    const HRESULT result = start == Start::New ? block.fileStg->InitNew(&root) : block.fileStg->Load(&root);
    return static_cast<EdsResult>(result);
}

}  // namespace

EdsHandle StartDescription(IStorage& root, Start start, EdsResult& code) {
    EdsHandle h = NewHandle();
    if (!h) {
        code = kOutOfMemory;
        return nullptr;
    }
    code = WithoutThrowing([&] { return BuildDescription(*h, root, start); }, kOutOfMemory, kUnexpected);
    if (code == kSuccess && !Publish(h)) code = kOutOfMemory;
    if (code != kSuccess) {
        DestroyDescription(ReleaseHandle(h));
        return nullptr;
    }
    return h;
}

EdsResult SaveDescription(CEdsFileStg& fileStg) {
    const HRESULT saved = fileStg.Save();
    HRESULT completed = S_OK;
    if (fileStg.GetState() == State::Saving)
        completed = fileStg.SaveCompleted();
    else if (fileStg.Dictionary().GetState() == State::Saving)
        fileStg.Dictionary().SaveCompleted();
    return static_cast<EdsResult>(saved != S_OK ? saved : completed);
}

void DestroyDescription(CEdsFileStg* fileStg) { delete fileStg; }

}  // namespace vantor::api

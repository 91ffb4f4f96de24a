#include "editor/ui/WorkingDocument.h"

#include "editor/ui/FailureReport.h"

namespace brenmoor {

std::unique_ptr<CEdsFile> CreateWorkingDocument(QWidget* parent) {
    try {
        return std::make_unique<CEdsFile>();
    } catch (...) {
        ReportCurrentException(parent);
        return nullptr;
    }
}

}  // namespace brenmoor

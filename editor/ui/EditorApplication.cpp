#include "editor/ui/EditorApplication.h"

#include "editor/ui/FailureReport.h"
#include "editor/ui/Messages.h"

namespace brenmoor {

CEditorApplication::CEditorApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setOrganizationName(QStringLiteral("Corvane"));
    setApplicationName(QString::fromLatin1(kProductName));
    setApplicationDisplayName(QString::fromLatin1(kProductName));
}

bool CEditorApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ReportCurrentException();
        return false;
    }
}

}  // namespace brenmoor

#include "editor/ui/EditorApplication.h"

#include "editor/ui/FailureReport.h"
#include "editor/ui/Messages.h"

namespace brenmoor {

CEditorApplication::CEditorApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setOrganizationName(QStringLiteral("Corvane"));
    setApplicationName(QString::fromLatin1(kProductName));
    // No display name: Qt would append it to every window title.
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

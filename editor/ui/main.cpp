// brenmoor: the editor of CANopen device descriptions ("Halvard").
// brenmoor [FILE.eds] opens the file given.
#include <QTimer>

#include "editor/ui/EdsMainForm.h"
#include "editor/ui/EditorApplication.h"
#include "editor/ui/FailureReport.h"
#include "editor/ui/ImageList.h"

int main(int argc, char** argv) {
    brenmoor::CEditorApplication application(argc, argv);
    QApplication::setWindowIcon(brenmoor::ProgramIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("brenmoor"));
    brenmoor::TEdsMainForm window;
    window.show();
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        const QString path = arguments.at(1);
        QTimer::singleShot(0, &window, brenmoor::Guarded([&window, path] { window.OpenFile(path); }, &window));
    }
    return application.exec();
}

// brenmoor: the editor of CANopen device descriptions ("Halvard").
#include <QMainWindow>

#include "editor/ui/EditorApplication.h"
#include "editor/ui/Messages.h"

int main(int argc, char** argv) {
    brenmoor::CEditorApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QString::fromLatin1(brenmoor::kProductName));
    window.resize(800, 600);
    window.show();
    return application.exec();
}

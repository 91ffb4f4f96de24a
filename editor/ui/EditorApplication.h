// The editor's application object: product and organisation names for the
// settings store, and a last guard that turns exceptions escaping an event
// handler into error messages.
#pragma once

#include <QApplication>

namespace brenmoor {

class CEditorApplication : public QApplication {
public:
    CEditorApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace brenmoor

#include "editor/ui/EditorParts.h"

#include <memory>

#include "editor/document/SystemError.h"
#include "editor/ui/CopObjectForm.h"
#include "editor/ui/CpyMainForm.h"
#include "editor/ui/EdsMainForm.h"
#include "editor/ui/GeneratorParts.h"
#include "editor/ui/Messages.h"
#include "editor/ui/NewMainForm.h"

namespace brenmoor {
namespace {

// The copy is made from the document: the shown object's pending edits are
// stored first, and an object whose edits cannot be stored is not copied.
bool StorePendingEdits(CCopObjectView& objects, unsigned source, QWidget& owner) {
    if (objects.Key() != source || objects.IsUnchanged() != 0) return true;
    if (objects.Validate() != 0) {
        ErrorMessage(QStringLiteral("Error in data"), &owner);
        return false;
    }
    if (const EdsResult code = objects.WriteToStore(); code != 0) {
        ErrorMessage(QStringLiteral("The changes cannot be stored:\n%1").arg(QString::fromStdString(SystemErrorText(code))),
                     &owner);
        return false;
    }
    return true;
}

}  // namespace

void RegisterEditorParts(TEdsMainForm& window) {
    auto objectView = std::make_unique<CCopObjectView>();
    CCopObjectView* objects = objectView.get();
    window.SetObjectView(std::move(objectView));

    MainDialogs dialogs;
    dialogs.newObject = RunNewObjectDialog;
    dialogs.copyObject = [objects](QWidget& owner, QPoint at, CEdsStore& document, unsigned source) -> std::optional<unsigned> {
        if (!StorePendingEdits(*objects, source, owner)) return std::nullopt;
        return RunCopyObjectDialog(owner, at, document, source);
    };
    // New description, PDO generator, dynamic segments and the segment view.
    RegisterGeneratorParts(window, dialogs);
    window.SetDialogs(std::move(dialogs));
}

}  // namespace brenmoor

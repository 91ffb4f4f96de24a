#include "editor/ui/GeneratorParts.h"

#include <memory>

#include "editor/ui/DynChannelForm.h"
#include "editor/ui/NewDynForm.h"
#include "editor/ui/NewEdsForm.h"
#include "editor/ui/NewPDOForm.h"

namespace brenmoor {

std::optional<MainDialogs::ObjectCreator> RunNewDescription(QWidget& owner, QPoint at) {
    // The dialog keeps the user's choice until the new document exists.
    auto dialog = std::make_shared<TNewEdsForm>(&owner);
    dialog->move(at);
    if (dialog->Run() != QDialog::Accepted) return std::nullopt;
    return MainDialogs::ObjectCreator([dialog](CEdsStore& document) { dialog->Generate(document); });
}

void RegisterGeneratorParts(TEdsMainForm& window, MainDialogs& dialogs) {
    dialogs.newDescription = RunNewDescription;
    dialogs.addPdos = RunPdoGenerator;
    dialogs.newDynSegment = RunNewDynSegment;
    window.SetSegmentView(std::make_unique<CDynChannelView>());
}

}  // namespace brenmoor

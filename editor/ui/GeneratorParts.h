// The generating dialogs and the segment form the main window runs: New
// (the standard objects of a new description), Add PDOs, New Dynamic
// Segment and the view of a segment node.
#pragma once

#include "editor/ui/EdsMainForm.h"

namespace brenmoor {

// Runs the new description dialog; after OK, the creator of the ticked
// objects for the new document.
std::optional<MainDialogs::ObjectCreator> RunNewDescription(QWidget& owner, QPoint at);

// Sets the dialogs' entries and gives the window its segment view.
void RegisterGeneratorParts(TEdsMainForm& window, MainDialogs& dialogs);

}  // namespace brenmoor

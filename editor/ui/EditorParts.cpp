#include "editor/ui/EditorParts.h"

#include "editor/ui/EdsMainForm.h"
#include "editor/ui/GeneratorParts.h"

namespace brenmoor {

void RegisterEditorParts(TEdsMainForm& window) {
    // Each part registers itself here as it is added to the editor:
    //   window.SetObjectView(std::make_unique<CCopObjectView>(...));
    //   dialogs.newObject = ...;
    // Until then object nodes show no form and those commands do nothing.
    MainDialogs dialogs;
    RegisterGeneratorParts(window, dialogs);
    window.SetDialogs(std::move(dialogs));
}

}  // namespace brenmoor

#include "editor/ui/EditorParts.h"

#include "editor/ui/EdsMainForm.h"

namespace brenmoor {

void RegisterEditorParts(TEdsMainForm& window) {
    // Each part registers itself here as it is added to the editor:
    //   window.SetObjectView(std::make_unique<CCopObjectView>(...));
    //   window.SetSegmentView(std::make_unique<CDynChannelView>(...));
    //   MainDialogs dialogs;  dialogs.newObject = ...;  window.SetDialogs(std::move(dialogs));
    // Until then object and segment nodes show no form and those commands
    // do nothing.
    static_cast<void>(window);
}

}  // namespace brenmoor

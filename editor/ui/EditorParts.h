// The forms and dialogs that hang off the main window beyond its own
// section forms: the views of object and dynamic segment nodes and the
// dialogs of New, New Object, Copy Object, Add PDOs and New Dynamic
// Segment.
#pragma once

namespace brenmoor {

class TEdsMainForm;

// Gives the window its object and segment views and its dialogs; the
// window calls it once while it is made.
void RegisterEditorParts(TEdsMainForm& window);

}  // namespace brenmoor

// The base of the editing forms shown beside the tree: a borderless child
// that fills the panel it is shown in and scrolls when its controls do not
// fit. Concrete forms put their controls on Content() (with a layout, so
// that the form knows when to scroll) and register their editing controls
// with TrackEdits.
#pragma once

#include <QScrollArea>

namespace brenmoor {

class CEdsForm : public QScrollArea {
public:
    // The form is hidden and has no parent until it is embedded; the view
    // that creates it owns it.
    CEdsForm();

    QWidget* Content() const { return content_; }

    // True when a control was changed by the user or by a setter since the
    // last load or store.
    bool Modified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // Sets the modified flag whenever the control changes: edit texts,
    // combo selections, check box and radio button clicks, up-down and
    // date/time steps, list item changes. False for a control of another kind.
    bool TrackEdits(QWidget* control);

    // Makes the panel the form's parent and lets the form fill it.
    void EmbedIn(QWidget& panel);

private:
    QWidget* content_;
    bool modified_ = false;
};

}  // namespace brenmoor

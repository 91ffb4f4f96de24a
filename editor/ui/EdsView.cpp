#include "editor/ui/EdsView.h"

#include <QWidget>

namespace brenmoor {

EdsResult CEdsView::IsUnchanged() {
    const CEdsForm* form = GetForm();
    return form && form->Modified() ? 0 : 1;
}

EdsResult CEdsView::ShowIn(QWidget* parent, TreeNode node) {
    shownFor_ = node;
    try {
        CEdsForm* form = GetForm();
        if (!form) return 0;
        if (!parent) return ERROR_INVALID_PARAMETER;
        form->EmbedIn(*parent);
        form->show();
        return 0;
    } catch (...) {
        return kUnspecifiedFailure;
    }
}

EdsResult CEdsView::HideForm() {
    try {
        if (CEdsForm* form = GetForm()) form->hide();
        return 0;
    } catch (...) {
        return kUnspecifiedFailure;
    }
}

void CEdsView::MarkForm(bool modified) {
    if (CEdsForm* form = GetForm()) form->SetModified(modified);
}

}  // namespace brenmoor

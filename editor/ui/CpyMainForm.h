// The "Copy Object" dialog: duplicates an object with all its sub-indexes
// at a new index. Only the index, the name and the category can be
// changed; everything else is copied as the document holds it.
#pragma once

#include <QPoint>

#include "editor/ui/ObjectDialog.h"
#include "vantor/vantor.h"

namespace brenmoor {

class TCpyMainForm : public TObjectDialog {
public:
    TCpyMainForm(QWidget* owner, CEdsStore& document, unsigned source);

    // The modal result; -1 when the index list or the source's main entry
    // cannot be read.
    int Run();
    // Run without showing: reads what the dialog needs; false on failure.
    bool Prepare();

    void accept() override;

protected:
    void UpdateEnabling() override;

private:
    bool LoadSource();
    // Copies the sub-indexes of the presence map; the failing request's code.
    EdsResult CopySubIndexes(unsigned target, const QString& presenceMap);

    unsigned source_;
};

std::optional<unsigned> RunCopyObjectDialog(QWidget& owner, QPoint at, CEdsStore& document, unsigned source);

}  // namespace brenmoor

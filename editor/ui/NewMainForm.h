// The "New main index" dialog: creates a new object at a free index and,
// for an ARRAY or RECORD, its elements and its sub-index 0.
#pragma once

#include <QPoint>

#include "editor/ui/ObjectDialog.h"
#include "vantor/vantor.h"

namespace brenmoor {

class TNewMainForm : public TObjectDialog {
public:
    TNewMainForm(QWidget* owner, CEdsStore& document);

    // The modal result (QDialog::Accepted or Rejected); -1 when the
    // document's index list cannot be read.
    int Run();
    // Run without showing: reads what the dialog needs; false on failure.
    bool Prepare();

    void accept() override;

private:
    // The values as they are stored: empty where the object type or the
    // data type offers no such field.
    int DataTypeValue() const;
    QString FieldText(const QLineEdit& edit, uint32_t bit) const;
    int ElementCount() const;

    EdsObjectRecord MainRecord() const;
    EdsObjectRecord ElementRecord() const;
    // Adds the elements and sub-index 0; the failing request's code.
    EdsResult AddElements(unsigned index);
    void ReportFailure(unsigned index, EdsResult code);
};

// Runs the dialog at the position; the new object's index after OK.
std::optional<unsigned> RunNewObjectDialog(QWidget& owner, QPoint at, CEdsStore& document);

}  // namespace brenmoor

// The Add PDOs command's dialog ("PDO Generator"): the type and number of
// PDOs, the number of mapping entries and the option flags; on OK it
// creates the PDOs at the lowest free positions, stepping a progress bar
// between them, and lists the indexes it created.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include <optional>
#include <vector>

#include "editor/ui/PdoGenerator.h"
#include "editor/ui/UpDownEdit.h"

namespace brenmoor {

class CEdsStore;

class TNewPDOForm : public QDialog {
public:
    TNewPDOForm(CEdsStore& document, QWidget* parent = nullptr);

    // Reads the document's objects and shows the dialog modally; Rejected
    // without showing when the objects cannot be read or no PDO is free
    // (the latter says so).
    int Run();

    // Created indexes in creation order, as pairs (communication index,
    // mapping index). PDOs created before a failure or a Cancel count too.
    const std::vector<unsigned>& Created() const { return created_; }

    // The option flags of the check boxes.
    uint8_t Options() const;

    QRadioButton* btnReceive;
    QRadioButton* btnTransmit;
    QLineEdit* edtPDOCount;
    CUpDown* udPDOCount;
    QLineEdit* edtMapCount;
    CUpDown* udMapCount;
    QCheckBox* chkDynMapping;
    QCheckBox* chkVariableCOBID;
    QCheckBox* chkVariableTransType;
    QCheckBox* chkInhibitTime;
    QCheckBox* chkEventTimer;
    QCheckBox* chkPDOenabled;
    QProgressBar* Progress;
    QPushButton* btnOk;
    QPushButton* btnCancel;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SelectType(PdoType type);
    PdoType ChosenType() const;
    void btnOkClick();
    // Creates up to count PDOs; false when one could not be created.
    bool CreatePdos(PdoType type, unsigned count);
    void ShowButtons(bool shown);

    CPdoGenerator generator_;
    std::vector<unsigned> created_;
};

// Runs the dialog on the document: the created indexes whenever there are
// any (also after Cancel), none otherwise.
std::optional<std::vector<unsigned>> RunPdoGenerator(QWidget& owner, QPoint at, CEdsStore& document);

}  // namespace brenmoor

// The "New sub index" dialog: defines one new sub-index of an object,
// offering the free sub-indexes of the object's presence map and starting
// from a template record. The caller adds the record itself.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "editor/ui/ObjectDialogParts.h"
#include "vantor/vantor.h"

namespace brenmoor {

class TNewSubForm : public QDialog {
public:
    explicit TNewSubForm(QWidget* owner = nullptr);

    // Offers every free sub-index 0x01 to 0xFE, and 0x00 when it is free
    // too, as two hex digits; the lowest is selected.
    void SetPresenceMap(const QString& map);
    const QString& PresenceMap() const { return presenceMap_; }
    // The name becomes "<empty>"; everything else is taken from the record.
    void SetTemplate(const EdsObjectRecord& record);
    void FillRecord(EdsObjectRecord& record) const;
    // The sub-index chosen by OK; -1 before and after Cancel.
    int SubIndex() const { return subIndex_; }

    void accept() override;
    void reject() override;

    QComboBox* cbxSubList;
    QLineEdit* edtParameterName;
    QComboBox* cbxObjectType;
    QComboBox* cbxAccessType;
    QComboBox* cbxDataType;
    QLineEdit* edtLowLimit;
    QLineEdit* edtHighLimit;
    QLineEdit* edtDefaultValue;
    QCheckBox* chkPDOMapping;
    QGroupBox* grpSpecFlags;
    QCheckBox* chkRefWriteFlag;
    QCheckBox* chkRefReadFlag;
    QPushButton* btnOk;
    QPushButton* btnCancel;

private:
    // Enables the controls of the fields the selected types offer.
    void UpdateEnabling();
    uint32_t EnablingMask() const;
    QString EnabledText(const QLineEdit& edit, uint32_t bit) const;

    std::vector<LabelledControl> rows_;
    std::vector<uint32_t> rowBits_;
    QString presenceMap_;
    int subIndex_ = -1;
};

}  // namespace brenmoor

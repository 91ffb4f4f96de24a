// The form of one object record (an object's main entry or one of its
// sub-indexes) and the view that exchanges it with the document. The
// object form shows two of them: the main entry on its "Main" page and the
// selected sub-index on its "Subs" page.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <cstdint>
#include <vector>

#include "editor/document/CodeTables.h"
#include "editor/ui/EdsForm.h"
#include "editor/ui/EdsView.h"
#include "editor/ui/ObjectValueCheck.h"

namespace brenmoor {

// Visibility masks: every value field (bits 0 to 7), or only the name and
// the object type.
inline constexpr uint32_t kAllValueFields = 0xFFFF;
inline constexpr uint32_t kNameAndTypeFields = 3;

class TCopVariableForm : public CEdsForm {
public:
    TCopVariableForm();

    // Shows the label and control of every field whose bit is set; the
    // specific flags are always shown.
    void SetMask(uint32_t mask);
    uint32_t Mask() const { return mask_; }

    // Plain values of the record that the form keeps without showing them.
    // A count outside 0 to 255 becomes 0. Both mark the form modified.
    void SetCategory(int category);
    int Category() const { return category_; }
    void SetSubCount(int count);
    int SubCount() const { return subCount_; }

    // Marks the form modified.
    void SetDefaultValue(const QString& text);

    void LoadRecord(const EdsObjectRecord& record);
    void FillRecord(EdsObjectRecord& record) const;

    QLineEdit* edtParameterName;
    QGroupBox* grpSpecFlag;
    QCheckBox* cbxRefwrite;
    QCheckBox* cbxRefRead;
    QComboBox* cbxObjectType;
    QComboBox* cbxAccessType;
    QComboBox* cbxDataType;
    QLineEdit* edtLowLimit;
    QLineEdit* edtHighLimit;
    QLineEdit* edtDefaultValue;
    QCheckBox* chkPDOMapping;
    QFrame* separator;
    QLineEdit* edtParameterValue;
    QLineEdit* edtUploadFile;
    QLineEdit* edtDownloadFile;
    QLineEdit* edtDenotation;

private:
    struct Field {
        QLabel* label;
        QWidget* control;
        uint32_t bit;
    };

    QLineEdit* AddEdit(QGridLayout& grid, const char* caption, uint32_t bit);
    QComboBox* AddCombo(QGridLayout& grid, const char* caption, CodeTable table, uint32_t bit);
    void AddField(QGridLayout& grid, const char* caption, QWidget* control, uint32_t bit);

    std::vector<Field> fields_;
    uint32_t mask_ = 0;
    int category_ = 0;
    int subCount_ = 0;
    // Flag bits beyond the two the form shows, kept as they were read.
    uint32_t otherFlags_ = 0;
};

class CCopVariableView : public CEdsView {
public:
    CEdsForm* GetForm() override { return form_.get(); }
    TCopVariableForm& Form() const { return *form_.get(); }

    // Object index x 256 + sub-index; sub-index 0xFF is the main entry.
    void SetKey(uint32_t key) { key_ = key; }
    uint32_t Key() const { return key_; }

    EdsResult Reset() override;
    // A record that cannot be read is shown as an all-zero record.
    EdsResult ReadFromStore() override;
    EdsResult WriteToStore() override;
    // Refuses values the document must not get (see CheckObjectRecord).
    EdsResult Validate() override;
    ValueFault CheckValues() const;

    // The form's record as it would be stored.
    EdsObjectRecord CurrentRecord() const;

    uint32_t Mask() const { return form_->Mask(); }
    int SubCount() const { return form_->SubCount(); }
    int Category() const { return form_->Category(); }
    QString ParameterName() const { return form_->edtParameterName->text(); }
    QString DefaultValue() const { return form_->edtDefaultValue->text(); }

private:
    OwnedForm<TCopVariableForm> form_;
    uint32_t key_ = ~0u;
};

}  // namespace brenmoor

// The layout the new object and copy object dialogs share: index, name,
// object type, category, number of elements and the element definition,
// with OK and Cancel. The dialogs differ in their tables, in what can be
// changed and in what OK does.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <cstdint>
#include <optional>
#include <vector>

#include "editor/ui/ObjectDialogParts.h"

namespace brenmoor {

class CEdsStore;

struct ObjectDialogTables {
    CodeTable objectTypes;
    CodeTable accessTypes;
    CodeTable dataTypes;
    bool withSubNames;
};

class TObjectDialog : public QDialog {
public:
    // The index of the object made by OK.
    std::optional<unsigned> NewIndex() const { return newIndex_; }

    QLineEdit* edtObjIndex;
    QLineEdit* edtParameterName;
    QComboBox* cbxObjectType;
    QRadioButton* btnMandatory;
    QRadioButton* btnOptional;
    QRadioButton* btnManufacturer;
    QSpinBox* edtSubCount;
    QGroupBox* grpElementDef;
    QComboBox* cbxAccessType;
    QComboBox* cbxDataType;
    QLineEdit* edtLowLimit;
    QLineEdit* edtHighLimit;
    QLineEdit* edtDefaultValue;
    QCheckBox* chkPDOMapping;
    QLineEdit* edtSubParamName;  // null in the copy dialog
    QPushButton* btnOk;
    QPushButton* btnCancel;

protected:
    TObjectDialog(QWidget* owner, const QString& caption, CEdsStore& document, ObjectDialogTables tables);

    // Reads the indexes the document holds; false when they cannot be read.
    bool TakeExistingIndexes();
    // The index typed, when it is valid and free; otherwise the user is told.
    std::optional<unsigned> CheckIndex();

    // 1 Mandatory, 2 Optional, 3 Manufacturer, 0 none.
    int SelectedCategory() const;
    void SelectCategory(int category);
    int SelectedObjectType() const;
    bool IsStructured() const;
    // The field mask of the selected object type and data type, with bit 28
    // for ARRAY and RECORD.
    uint32_t EnablingMask() const;
    // Shows and enables the controls of the enabling mask.
    virtual void UpdateEnabling();
    // "Number of Elements:" and, where the dialog has it, "Sub names:".
    void ShowElementRows(bool shown);

    CEdsStore& document_;
    ObjectDialogTables tables_;
    std::optional<unsigned> newIndex_;

private:
    struct MaskedRow {
        LabelledControl row;
        uint32_t bit;
    };

    std::vector<MaskedRow> maskedRows_;
    std::vector<LabelledControl> elementRows_;
    std::vector<uint16_t> existing_;
};

}  // namespace brenmoor

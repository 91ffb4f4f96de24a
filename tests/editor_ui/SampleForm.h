// A small form of the kind the editor's section forms are: labelled edits,
// a combo box over a code table and a check box, with setters and getters.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

#include "editor/ui/CodeLists.h"
#include "editor/ui/EdsForm.h"

class SampleForm : public brenmoor::CEdsForm {
public:
    SampleForm() {
        auto* layout = new QFormLayout(Content());
        edtName = new QLineEdit;
        cbxDataType = new QComboBox;
        chkMapping = new QCheckBox("PDO mapping");
        brenmoor::FillList(*cbxDataType, brenmoor::kDataTypeTable, static_cast<int>(brenmoor::kDataTypeTable.size()) - 1);
        layout->addRow("Parameter name:", edtName);
        layout->addRow("Data type:", cbxDataType);
        layout->addRow("", chkMapping);
        for (QWidget* control : {static_cast<QWidget*>(edtName), static_cast<QWidget*>(cbxDataType),
                                 static_cast<QWidget*>(chkMapping)})
            TrackEdits(control);
    }

    void SetName(const QString& name) {
        edtName->setText(name);
        SetModified(true);
    }

    QLineEdit* edtName;
    QComboBox* cbxDataType;
    QCheckBox* chkMapping;
};

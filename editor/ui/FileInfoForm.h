// The "File Info" node's form and view: the FileInfo section of the
// description (file name, EDS version, file version and revision,
// description, creation and modification stamps).
#pragma once

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTimeEdit>

#include "editor/ui/EdsForm.h"
#include "editor/ui/EdsView.h"
#include "editor/ui/FormControls.h"

namespace brenmoor {

class TFileInfoForm : public CEdsForm {
public:
    TFileInfoForm();

    // The date-times combine a date picker and a time picker; a value of 0
    // days stands for the current local date and time.
    void SetCreation(double oleDays);
    void SetModification(double oleDays);
    double Creation() const { return creation_; }
    double Modification() const { return modification_; }

    // Keeps the file name part of the path (no directories); an empty path
    // gives an empty name.
    void SetFileName(const QString& path);

    QLineEdit* edtFileName;
    QLineEdit* edtEdsVersion;
    CUpDownBox* udFileVersion;
    CUpDownBox* udFileRevision;
    QLineEdit* edtDescription;
    QDateEdit* dtpCreationDate;
    QTimeEdit* dtpCreationTime;
    QLineEdit* edtCreatedBy;
    QDateEdit* dtpModificationDate;
    QTimeEdit* dtpModificationTime;
    QLineEdit* edtModifiedBy;
    QLabel* lblLastEds;
    QLineEdit* edtLastEds;

private:
    double creation_ = 0;
    double modification_ = 0;
};

class CFileInfoView : public CEdsView {
public:
    CEdsForm* GetForm() override { return form_.get(); }
    TFileInfoForm& Form() const { return *form_.get(); }

    // A new description's file information: EDS version 4.0, "<no entry>"
    // texts, created and modified now.
    EdsResult Reset() override;
    // An empty EDS version shows as "3.0".
    EdsResult ReadFromStore() override;
    EdsResult WriteToStore() override;

    // What the main window stamps before a save.
    void SetFileName(const QString& path) { form_->SetFileName(path); }
    void SetModification(double oleDays) { form_->SetModification(oleDays); }

private:
    OwnedForm<TFileInfoForm> form_;
};

}  // namespace brenmoor

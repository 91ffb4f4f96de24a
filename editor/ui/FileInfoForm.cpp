#include "editor/ui/FileInfoForm.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLocale>
#include <QVBoxLayout>

#include "editor/document/RecordKinds.h"
#include "editor/ui/DisplayText.h"
#include "editor/ui/OleDateTime.h"

namespace brenmoor {
namespace {

constexpr int kNameLength = 12;
constexpr int kVersionLength = 3;
constexpr int kTextLength = 255;
const QString kNoEntry = QStringLiteral("<no entry>");

QLineEdit* Edit(int maxLength, bool editable = true) {
    auto* edit = new QLineEdit;
    edit->setMaxLength(maxLength);
    if (!editable) {
        edit->setReadOnly(true);
        edit->setEnabled(false);
    }
    return edit;
}

template <class Picker>
Picker* DisabledPicker(const QString& format) {
    auto* picker = new Picker;
    picker->setDisplayFormat(format);
    picker->setMinimumDate(QDate(100, 1, 1));
    picker->setMaximumDate(QDate(9999, 12, 31));
    picker->setEnabled(false);
    return picker;
}

QWidget* Pair(QWidget* first, QWidget* second) {
    auto* pair = new QWidget;
    auto* row = new QHBoxLayout(pair);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(first, 3);
    row->addWidget(second, 2);
    return pair;
}

// Shows the date-time and answers what is kept: the day count itself, so
// that storing gives back exactly what was loaded.
double SetDateTime(QDateEdit& date, QTimeEdit& time, double oleDays) {
    if (oleDays == 0) oleDays = ToOleDate(QDateTime::currentDateTime());
    const QDateTime shown = FromOleDate(oleDays);
    date.setDate(shown.date());
    time.setTime(shown.time());
    return oleDays;
}

}  // namespace

TFileInfoForm::TFileInfoForm()
    : edtFileName(Edit(kNameLength, false)),
      edtEdsVersion(Edit(kVersionLength, false)),
      udFileVersion(new CUpDownBox(0, 255)),
      udFileRevision(new CUpDownBox(0, 255)),
      edtDescription(Edit(kTextLength)),
      dtpCreationDate(DisabledPicker<QDateEdit>(QLocale().dateFormat(QLocale::LongFormat))),
      dtpCreationTime(DisabledPicker<QTimeEdit>(QLocale().timeFormat(QLocale::ShortFormat))),
      edtCreatedBy(Edit(kTextLength)),
      dtpModificationDate(DisabledPicker<QDateEdit>(QLocale().dateFormat(QLocale::LongFormat))),
      dtpModificationTime(DisabledPicker<QTimeEdit>(QLocale().timeFormat(QLocale::ShortFormat))),
      edtModifiedBy(Edit(kTextLength)),
      lblLastEds(new QLabel(QStringLiteral("Last EDS:"))),
      edtLastEds(Edit(kNameLength, false)) {
    setWindowTitle(QStringLiteral("FileInfo"));
    auto* page = new QVBoxLayout(Content());
    auto* group = new QGroupBox(QStringLiteral("File Information"));
    auto* fields = new QFormLayout(group);
    fields->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    fields->addRow(QStringLiteral("Filename:"), edtFileName);
    fields->addRow(QStringLiteral("EDS Version:"), edtEdsVersion);
    fields->addRow(QStringLiteral("File Version:"), udFileVersion);
    fields->addRow(QStringLiteral("File Revision:"), udFileRevision);
    fields->addRow(QStringLiteral("Description:"), edtDescription);
    fields->addRow(QStringLiteral("Creation Date/Time:"), Pair(dtpCreationDate, dtpCreationTime));
    fields->addRow(QStringLiteral("Created By:"), edtCreatedBy);
    fields->addRow(QStringLiteral("Modification Date/Time:"), Pair(dtpModificationDate, dtpModificationTime));
    fields->addRow(QStringLiteral("Modified By:"), edtModifiedBy);
    fields->addRow(lblLastEds, edtLastEds);
    lblLastEds->hide();
    edtLastEds->hide();
    for (QSpinBox* box : {udFileVersion, udFileRevision}) box->setMaximumWidth(80);
    page->addWidget(group);
    page->addStretch(1);

    // The file version comes first when the user tabs into the form.
    setFocusProxy(udFileVersion);
    setTabOrder(udFileVersion, udFileRevision);
    setTabOrder(udFileRevision, edtDescription);
    setTabOrder(edtDescription, edtCreatedBy);
    setTabOrder(edtCreatedBy, edtModifiedBy);

    for (QWidget* control : std::initializer_list<QWidget*>{
             edtFileName, edtEdsVersion, udFileVersion, udFileRevision, edtDescription, dtpCreationDate,
             dtpCreationTime, edtCreatedBy, dtpModificationDate, dtpModificationTime, edtModifiedBy, edtLastEds})
        TrackEdits(control);
}

void TFileInfoForm::SetCreation(double oleDays) {
    creation_ = SetDateTime(*dtpCreationDate, *dtpCreationTime, oleDays);
    SetModified(true);
}

void TFileInfoForm::SetModification(double oleDays) {
    modification_ = SetDateTime(*dtpModificationDate, *dtpModificationTime, oleDays);
    SetModified(true);
}

void TFileInfoForm::SetFileName(const QString& path) {
    edtFileName->setText(path.isEmpty() ? QString() : QFileInfo(path).fileName());
    SetModified(true);
}

EdsResult CFileInfoView::Reset() {
    return ResetForm([this] {
        TFileInfoForm& form = *form_.get();
        form.edtFileName->clear();
        form.edtEdsVersion->setText(QStringLiteral("4.0"));
        form.udFileVersion->setValue(0);
        form.udFileRevision->setValue(0);
        form.edtDescription->setText(kNoEntry);
        const double now = ToOleDate(QDateTime::currentDateTime());
        form.SetCreation(now);
        form.edtCreatedBy->setText(kNoEntry);
        form.SetModification(now);
        form.edtModifiedBy->setText(kNoEntry);
        form.edtLastEds->clear();
    });
}

EdsResult CFileInfoView::ReadFromStore() {
    return ReadRecord<EdsFileInfoRecord>(kKindFileInfo, 0, [this](const EdsFileInfoRecord& record) {
        TFileInfoForm& form = *form_.get();
        form.edtFileName->setText(FormText(record.FileName));
        const QString version = FormText(record.EDSVersion);
        form.edtEdsVersion->setText(version.isEmpty() ? QStringLiteral("3.0") : version);
        form.udFileVersion->setValue(record.FileVersion);
        form.udFileRevision->setValue(record.FileRevision);
        form.edtDescription->setText(FormText(record.Description));
        form.SetCreation(JoinOleDate(record.CreationDate, record.CreationTime));
        form.edtCreatedBy->setText(FormText(record.CreatedBy));
        form.SetModification(JoinOleDate(record.ModificationDate, record.ModificationTime));
        form.edtModifiedBy->setText(FormText(record.ModifiedBy));
        form.edtLastEds->setText(FormText(record.LastEDS));
    });
}

EdsResult CFileInfoView::WriteToStore() {
    return WriteRecord<EdsFileInfoRecord>(kKindFileInfo, 0, [this](EdsFileInfoRecord& record) {
        const TFileInfoForm& form = *form_.get();
        StoreFormText(record.FileName, form.edtFileName->text());
        StoreFormText(record.EDSVersion, form.edtEdsVersion->text());
        record.FileVersion = static_cast<uint8_t>(form.udFileVersion->value());
        record.FileRevision = static_cast<uint8_t>(form.udFileRevision->value());
        StoreFormText(record.Description, form.edtDescription->text());
        const OleDateParts creation = SplitOleDate(form.Creation());
        record.CreationDate = creation.date;
        record.CreationTime = creation.time;
        StoreFormText(record.CreatedBy, form.edtCreatedBy->text());
        const OleDateParts modification = SplitOleDate(form.Modification());
        record.ModificationDate = modification.date;
        record.ModificationTime = modification.time;
        StoreFormText(record.ModifiedBy, form.edtModifiedBy->text());
        StoreFormText(record.LastEDS, form.edtLastEds->text());
    });
}

}  // namespace brenmoor

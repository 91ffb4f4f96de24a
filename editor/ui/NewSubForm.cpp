#include "editor/ui/NewSubForm.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "editor/ui/CodeLists.h"
#include "editor/ui/DisplayText.h"

namespace brenmoor {
namespace {

constexpr int kLastOfferedSub = 0xFE;

QString TwoHexDigits(int sub) { return QString::number(sub, 16).toUpper().rightJustified(2, QLatin1Char('0')); }

QComboBox* NewCombo(CodeTable table) {
    auto* combo = new QComboBox;
    combo->setMaxVisibleItems(static_cast<int>(table.size()));
    FillList(*combo, table, static_cast<int>(table.size()) - 1);
    return combo;
}

// Selects the row of the code, the first row when no row has it.
void SelectOrFirst(QComboBox& combo, CodeTable table, int code) {
    const int row = FindCode(table, static_cast<int>(table.size()) - 1, code);
    combo.setCurrentIndex(row >= 0 ? row : 0);
}

}  // namespace

TNewSubForm::TNewSubForm(QWidget* owner) : QDialog(owner) {
    PrepareDialog(*this, QStringLiteral("New sub index"));
    auto* page = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    page->addLayout(grid);

    cbxSubList = new QComboBox;
    AddRow(*grid, QStringLiteral("Subindex:"), cbxSubList);
    grid->addWidget(new QLabel(QStringLiteral("(hex)")), grid->rowCount() - 1, 2);

    const auto add = [&](const char* caption, QWidget* control, uint32_t bit) {
        rows_.push_back(AddRow(*grid, QString::fromLatin1(caption), control));
        rowBits_.push_back(bit);
    };
    edtParameterName = NewTextEdit();
    add("Parameter Name:", edtParameterName, kFieldName);
    cbxObjectType = NewCombo(kNewSubObjectTypes);
    add("Object Type:", cbxObjectType, kFieldObjectType);
    cbxAccessType = NewCombo(kDialogAccessTypes);
    add("Access Type:", cbxAccessType, kFieldAccessType);
    cbxDataType = NewCombo(kDialogDataTypes);
    add("Data Type:", cbxDataType, kFieldDataType);
    edtLowLimit = NewTextEdit();
    add("Low Limit:", edtLowLimit, kFieldLowLimit);
    edtHighLimit = NewTextEdit();
    add("High Limit:", edtHighLimit, kFieldHighLimit);
    edtDefaultValue = NewTextEdit();
    add("Default Value:", edtDefaultValue, kFieldDefaultValue);
    chkPDOMapping = new QCheckBox;
    add("Mappable:", chkPDOMapping, kFieldPdoMapping);

    grpSpecFlags = new QGroupBox(QStringLiteral("Specific Flags"));
    auto* flags = new QVBoxLayout(grpSpecFlags);
    chkRefWriteFlag = new QCheckBox(QStringLiteral("Refuse write on Download"));
    chkRefReadFlag = new QCheckBox(QStringLiteral("Refuse read on Scan"));
    flags->addWidget(chkRefWriteFlag);
    flags->addWidget(chkRefReadFlag);
    page->addWidget(grpSpecFlags);

    page->addLayout(NewOkCancelRow(btnOk, btnCancel));
    connect(btnOk, &QPushButton::clicked, this, &TNewSubForm::accept);
    connect(btnCancel, &QPushButton::clicked, this, &TNewSubForm::reject);
    connect(cbxObjectType, &QComboBox::currentIndexChanged, this, [this] { UpdateEnabling(); });
    connect(cbxDataType, &QComboBox::currentIndexChanged, this, [this] { UpdateEnabling(); });

    SelectOrFirst(*cbxDataType, kDialogDataTypes, kUnsigned8);
    setTabOrder(cbxSubList, edtParameterName);
    cbxSubList->setFocus();
    UpdateEnabling();
}

void TNewSubForm::SetPresenceMap(const QString& map) {
    presenceMap_ = map;
    cbxSubList->clear();
    const auto present = [&map](int sub) { return sub < map.size() && map[sub] == QLatin1Char('1'); };
    // Sub-index 0 is offered only when the object lacks it.
    for (int sub = present(0) ? 1 : 0; sub <= kLastOfferedSub; ++sub) {
        if (!present(sub)) cbxSubList->addItem(TwoHexDigits(sub));
    }
    cbxSubList->setCurrentIndex(cbxSubList->count() > 0 ? 0 : -1);
}

void TNewSubForm::SetTemplate(const EdsObjectRecord& record) {
    edtParameterName->setText(QStringLiteral("<empty>"));
    SelectOrFirst(*cbxObjectType, kNewSubObjectTypes, record.ObjectType);
    SelectOrFirst(*cbxAccessType, kDialogAccessTypes, record.AccessType);
    SelectOrFirst(*cbxDataType, kDialogDataTypes, record.DataType);
    chkPDOMapping->setChecked(record.PDOMapping != 0);
    edtLowLimit->setText(FormText(record.LowLimit));
    edtHighLimit->setText(FormText(record.HighLimit));
    edtDefaultValue->setText(FormText(record.DefaultValue));
    chkRefWriteFlag->setChecked((record.ObjFlags & 1u) != 0);
    chkRefReadFlag->setChecked((record.ObjFlags & 2u) != 0);
    UpdateEnabling();
}

uint32_t TNewSubForm::EnablingMask() const {
    return SelectedMask(*cbxObjectType, kNewSubObjectTypes) & SelectedMask(*cbxDataType, kDialogDataTypes);
}

void TNewSubForm::UpdateEnabling() {
    const uint32_t mask = EnablingMask();
    for (std::size_t i = 0; i < rows_.size(); ++i) rows_[i].SetEnabled((mask & rowBits_[i]) != 0);
}

QString TNewSubForm::EnabledText(const QLineEdit& edit, uint32_t bit) const {
    const bool isVar = SelectedCode(*cbxObjectType, kNewSubObjectTypes) == kObjectVar;
    return isVar && (EnablingMask() & bit) != 0 ? edit.text() : QString();
}

void TNewSubForm::FillRecord(EdsObjectRecord& record) const {
    record = EdsObjectRecord{};
    StoreFormText(record.ParameterName, edtParameterName->text());
    const int objectType = SelectedCode(*cbxObjectType, kNewSubObjectTypes);
    record.ObjectType = static_cast<uint8_t>(objectType);
    record.AccessType = static_cast<uint8_t>(SelectedCode(*cbxAccessType, kDialogAccessTypes));
    record.DataType = static_cast<uint16_t>(objectType == kObjectDomain ? kDomain : SelectedCode(*cbxDataType, kDialogDataTypes));
    record.PDOMapping = chkPDOMapping->isChecked() && (EnablingMask() & kFieldPdoMapping) != 0 ? 1 : 0;
    StoreFormText(record.LowLimit, EnabledText(*edtLowLimit, kFieldLowLimit));
    StoreFormText(record.HighLimit, EnabledText(*edtHighLimit, kFieldHighLimit));
    StoreFormText(record.DefaultValue, EnabledText(*edtDefaultValue, kFieldDefaultValue));
    record.ObjFlags = (chkRefWriteFlag->isChecked() ? 1u : 0u) | (chkRefReadFlag->isChecked() ? 2u : 0u);
}

void TNewSubForm::accept() {
    bool parsed = false;
    const int sub = cbxSubList->currentText().toInt(&parsed, 16);
    if (!parsed || cbxSubList->currentText().isEmpty()) return;
    EdsObjectRecord record{};
    FillRecord(record);
    if (!CheckTypedValues(this, record.DataType, FormText(record.LowLimit), FormText(record.HighLimit),
                          FormText(record.DefaultValue)))
        return;
    if (presenceMap_.size() <= sub) presenceMap_ = presenceMap_.leftJustified(sub + 1, QLatin1Char('0'));
    presenceMap_[sub] = QLatin1Char('1');
    subIndex_ = sub;
    QDialog::accept();
}

void TNewSubForm::reject() {
    subIndex_ = -1;
    QDialog::reject();
}

}  // namespace brenmoor

#include "editor/ui/ObjectDialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "editor/document/EdsStore.h"
#include "editor/document/RecordKinds.h"
#include "editor/ui/CodeLists.h"

namespace brenmoor {
namespace {

QComboBox* NewCombo(CodeTable table) {
    auto* combo = new QComboBox;
    combo->setMaxVisibleItems(static_cast<int>(table.size()));
    FillList(*combo, table, static_cast<int>(table.size()) - 1);
    return combo;
}

}  // namespace

TObjectDialog::TObjectDialog(QWidget* owner, const QString& caption, CEdsStore& document, ObjectDialogTables tables)
    : QDialog(owner), edtSubParamName(nullptr), document_(document), tables_(tables) {
    PrepareDialog(*this, caption);
    auto* page = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    page->addLayout(grid);

    edtObjIndex = NewIndexEdit();
    AddRow(*grid, QStringLiteral("Object Index:"), edtObjIndex);
    grid->addWidget(new QLabel(QStringLiteral("(hex)")), grid->rowCount() - 1, 2);
    edtParameterName = NewTextEdit();
    maskedRows_.push_back({AddRow(*grid, QStringLiteral("Parameter Name:"), edtParameterName), kFieldName});
    cbxObjectType = NewCombo(tables_.objectTypes);
    maskedRows_.push_back({AddRow(*grid, QStringLiteral("Object Type:"), cbxObjectType), kFieldObjectType});

    auto* categories = new QWidget;
    auto* categoryRow = new QHBoxLayout(categories);
    categoryRow->setContentsMargins(0, 0, 0, 0);
    btnMandatory = new QRadioButton(QStringLiteral("&Mandatory"));
    btnOptional = new QRadioButton(QStringLiteral("&Optional"));
    btnManufacturer = new QRadioButton(QStringLiteral("Manu&facturer"));
    for (QRadioButton* button : {btnMandatory, btnOptional, btnManufacturer}) categoryRow->addWidget(button);
    categoryRow->addStretch(1);
    AddRow(*grid, QStringLiteral("Object Category:"), categories);

    edtSubCount = new QSpinBox;
    edtSubCount->setRange(0, 254);
    elementRows_.push_back(AddRow(*grid, QStringLiteral("Number of Elements:"), edtSubCount));

    grpElementDef = new QGroupBox(QStringLiteral(" Element definition "));
    auto* element = new QGridLayout(grpElementDef);
    element->setColumnStretch(1, 1);
    cbxAccessType = NewCombo(tables_.accessTypes);
    maskedRows_.push_back({AddRow(*element, QStringLiteral("Access Type:"), cbxAccessType), kFieldAccessType});
    cbxDataType = NewCombo(tables_.dataTypes);
    maskedRows_.push_back({AddRow(*element, QStringLiteral("Data Type:"), cbxDataType), kFieldDataType});
    edtLowLimit = NewTextEdit();
    maskedRows_.push_back({AddRow(*element, QStringLiteral("Low Limit:"), edtLowLimit), kFieldLowLimit});
    edtHighLimit = NewTextEdit();
    maskedRows_.push_back({AddRow(*element, QStringLiteral("High Limit:"), edtHighLimit), kFieldHighLimit});
    edtDefaultValue = NewTextEdit();
    maskedRows_.push_back({AddRow(*element, QStringLiteral("Default Value:"), edtDefaultValue), kFieldDefaultValue});
    chkPDOMapping = new QCheckBox;
    maskedRows_.push_back({AddRow(*element, QStringLiteral("Mappable:"), chkPDOMapping), kFieldPdoMapping});
    if (tables_.withSubNames) {
        edtSubParamName = NewTextEdit();
        elementRows_.push_back(AddRow(*element, QStringLiteral("Sub names:"), edtSubParamName));
    }
    page->addWidget(grpElementDef);

    page->addLayout(NewOkCancelRow(btnOk, btnCancel));

    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cbxObjectType, &QComboBox::currentIndexChanged, this, [this] { UpdateEnabling(); });
    connect(cbxDataType, &QComboBox::currentIndexChanged, this, [this] { UpdateEnabling(); });
    edtObjIndex->setFocus();
}

bool TObjectDialog::TakeExistingIndexes() { return document_.AllObjects(existing_) == 0; }

std::optional<unsigned> TObjectDialog::CheckIndex() {
    // An index whose main entry the document holds is taken as well, even
    // when the list read at opening lacks it.
    std::vector<uint16_t> taken = existing_;
    bool parsed = false;
    const unsigned typed = edtObjIndex->text().trimmed().toUInt(&parsed, 16);
    EdsObjectRecord record{};
    if (parsed && typed <= 0xFFFF && document_.GetRecord(kKindObject, ObjectKey(typed, kMainEntry), &record) == 0)
        taken.push_back(static_cast<uint16_t>(typed));
    return CheckNewIndex(this, edtObjIndex->text(), taken);
}

int TObjectDialog::SelectedCategory() const {
    if (btnMandatory->isChecked()) return 1;
    if (btnOptional->isChecked()) return 2;
    if (btnManufacturer->isChecked()) return 3;
    return 0;
}

void TObjectDialog::SelectCategory(int category) {
    btnMandatory->setChecked(category == 1);
    btnOptional->setChecked(category == 2);
    btnManufacturer->setChecked(category == 3);
}

int TObjectDialog::SelectedObjectType() const { return SelectedCode(*cbxObjectType, tables_.objectTypes); }

bool TObjectDialog::IsStructured() const {
    const int type = SelectedObjectType();
    return type == kObjectArray || type == kObjectRecord;
}

uint32_t TObjectDialog::EnablingMask() const {
    const uint32_t mask = SelectedMask(*cbxObjectType, tables_.objectTypes) & SelectedMask(*cbxDataType, tables_.dataTypes);
    return IsStructured() ? mask | kElementFieldsBit : mask;
}

void TObjectDialog::UpdateEnabling() {
    const uint32_t mask = EnablingMask();
    for (const MaskedRow& masked : maskedRows_) masked.row.SetEnabled((mask & masked.bit) != 0);
    ShowElementRows((mask & kElementFieldsBit) != 0);
}

void TObjectDialog::ShowElementRows(bool shown) {
    for (const LabelledControl& row : elementRows_) row.SetVisible(shown);
}

}  // namespace brenmoor

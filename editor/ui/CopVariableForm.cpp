#include "editor/ui/CopVariableForm.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "editor/document/RecordKinds.h"
#include "editor/ui/CodeCombo.h"
#include "editor/ui/DisplayText.h"

namespace brenmoor {
namespace {

constexpr int kTextCapacity = 255;
constexpr uint32_t kRefuseWriteFlag = 1u << 0;
constexpr uint32_t kRefuseReadFlag = 1u << 1;
constexpr uint32_t kShownFlags = kRefuseWriteFlag | kRefuseReadFlag;
// Any of these bits shows the line above the configuration fields.
constexpr uint32_t kConfigurationFields = 0xFF0000;

}  // namespace

TCopVariableForm::TCopVariableForm() {
    setWindowTitle(QStringLiteral("CANopen Variable"));
    auto* page = new QVBoxLayout(Content());
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    page->addLayout(grid);

    edtParameterName = AddEdit(*grid, "Parameter Name:", kFieldName);

    grpSpecFlag = new QGroupBox(QStringLiteral("Specific Flags"));
    auto* flags = new QVBoxLayout(grpSpecFlag);
    cbxRefwrite = new QCheckBox(QStringLiteral("Refuse write on Download"));
    cbxRefRead = new QCheckBox(QStringLiteral("Refuse read on Scan"));
    flags->addWidget(cbxRefwrite);
    flags->addWidget(cbxRefRead);
    TrackEdits(cbxRefwrite);
    TrackEdits(cbxRefRead);
    grid->addWidget(grpSpecFlag, grid->rowCount(), 0, 1, 2);

    cbxObjectType = AddCombo(*grid, "Object Type:", kObjectTypeTable, kFieldObjectType);
    cbxAccessType = AddCombo(*grid, "Access Type:", kAccessTypeTable, kFieldAccessType);
    cbxDataType = AddCombo(*grid, "Data Type:", kDataTypeTable, kFieldDataType);
    edtLowLimit = AddEdit(*grid, "Low Limit:", kFieldLowLimit);
    edtHighLimit = AddEdit(*grid, "High Limit:", kFieldHighLimit);
    edtDefaultValue = AddEdit(*grid, "Default Value:", kFieldDefaultValue);
    chkPDOMapping = new QCheckBox;
    TrackEdits(chkPDOMapping);
    AddField(*grid, "Mappable:", chkPDOMapping, kFieldPdoMapping);

    separator = new QFrame;
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    grid->addWidget(separator, grid->rowCount(), 0, 1, 2);

    edtParameterValue = AddEdit(*grid, "Parameter Value:", kFieldParameterValue);
    edtUploadFile = AddEdit(*grid, "Upload File:", kFieldUploadFile);
    edtDownloadFile = AddEdit(*grid, "Download File:", kFieldDownloadFile);
    edtDenotation = AddEdit(*grid, "Denotation:", kFieldDenotation);
    page->addStretch(1);

    setFocusProxy(edtParameterName);
    SetMask(kAllValueFields);
}

void TCopVariableForm::AddField(QGridLayout& grid, const char* caption, QWidget* control, uint32_t bit) {
    const int row = grid.rowCount();
    auto* label = new QLabel(QString::fromLatin1(caption));
    label->setBuddy(control);
    grid.addWidget(label, row, 0);
    grid.addWidget(control, row, 1);
    fields_.push_back({label, control, bit});
}

QLineEdit* TCopVariableForm::AddEdit(QGridLayout& grid, const char* caption, uint32_t bit) {
    auto* edit = new QLineEdit;
    edit->setMaxLength(kTextCapacity);
    TrackEdits(edit);
    AddField(grid, caption, edit, bit);
    return edit;
}

QComboBox* TCopVariableForm::AddCombo(QGridLayout& grid, const char* caption, CodeTable table, uint32_t bit) {
    auto* combo = new QComboBox;
    combo->setMaxVisibleItems(static_cast<int>(table.size()) + 1);
    FillCodeCombo(*combo, table);
    TrackEdits(combo);
    AddField(grid, caption, combo, bit);
    return combo;
}

void TCopVariableForm::SetMask(uint32_t mask) {
    mask_ = mask;
    for (const Field& field : fields_) {
        const bool shown = (mask & field.bit) != 0;
        field.label->setVisible(shown);
        field.control->setVisible(shown);
    }
    separator->setVisible((mask & kConfigurationFields) != 0);
}

void TCopVariableForm::SetCategory(int category) {
    category_ = category;
    SetModified(true);
}

void TCopVariableForm::SetSubCount(int count) {
    subCount_ = count >= 0 && count <= 255 ? count : 0;
    SetModified(true);
}

void TCopVariableForm::SetDefaultValue(const QString& text) {
    edtDefaultValue->setText(text);
    SetModified(true);
}

void TCopVariableForm::LoadRecord(const EdsObjectRecord& record) {
    category_ = record.Category;
    subCount_ = record.SubNumber;
    edtParameterName->setText(FormText(record.ParameterName));
    ShowCode(*cbxObjectType, kObjectTypeTable, record.ObjectType);
    ShowCode(*cbxAccessType, kAccessTypeTable, record.AccessType);
    ShowCode(*cbxDataType, kDataTypeTable, record.DataType);
    edtLowLimit->setText(FormText(record.LowLimit));
    edtHighLimit->setText(FormText(record.HighLimit));
    edtDefaultValue->setText(FormText(record.DefaultValue));
    chkPDOMapping->setChecked(record.PDOMapping != 0);
    cbxRefwrite->setChecked((record.ObjFlags & kRefuseWriteFlag) != 0);
    cbxRefRead->setChecked((record.ObjFlags & kRefuseReadFlag) != 0);
    otherFlags_ = record.ObjFlags & ~kShownFlags;
    edtParameterValue->setText(FormText(record.ParameterValue));
    edtUploadFile->setText(FormText(record.UploadFile));
    edtDownloadFile->setText(FormText(record.DownloadFile));
    edtDenotation->setText(FormText(record.Denotation));
}

void TCopVariableForm::FillRecord(EdsObjectRecord& record) const {
    record.Category = static_cast<uint8_t>(category_);
    record.SubNumber = static_cast<uint8_t>(subCount_);
    StoreFormText(record.ParameterName, edtParameterName->text());
    record.ObjectType = static_cast<uint8_t>(ShownCode(*cbxObjectType));
    record.AccessType = static_cast<uint8_t>(ShownCode(*cbxAccessType));
    record.DataType = static_cast<uint16_t>(ShownCode(*cbxDataType));
    record.PDOMapping = chkPDOMapping->isChecked() ? 1 : 0;
    record.ObjFlags = otherFlags_ | (cbxRefwrite->isChecked() ? kRefuseWriteFlag : 0) |
                      (cbxRefRead->isChecked() ? kRefuseReadFlag : 0);
    StoreFormText(record.LowLimit, edtLowLimit->text());
    StoreFormText(record.HighLimit, edtHighLimit->text());
    StoreFormText(record.DefaultValue, edtDefaultValue->text());
    StoreFormText(record.ParameterValue, edtParameterValue->text());
    StoreFormText(record.UploadFile, edtUploadFile->text());
    StoreFormText(record.DownloadFile, edtDownloadFile->text());
    StoreFormText(record.Denotation, edtDenotation->text());
}

EdsResult CCopVariableView::Reset() {
    return ResetForm([this] { form_->LoadRecord(EdsObjectRecord{}); });
}

EdsResult CCopVariableView::ReadFromStore() {
    return ReadRecord<EdsObjectRecord>(
        kKindObject, key_, [this](const EdsObjectRecord& record) { form_->LoadRecord(record); }, MissingRecord::UseZeroes);
}

EdsResult CCopVariableView::WriteToStore() {
    return WriteRecord<EdsObjectRecord>(kKindObject, key_,
                                        [this](EdsObjectRecord& record) { form_->FillRecord(record); });
}

EdsObjectRecord CCopVariableView::CurrentRecord() const {
    EdsObjectRecord record{};
    form_->FillRecord(record);
    return record;
}

ValueFault CCopVariableView::CheckValues() const {
    const RecordRole role = ObjectSubOf(key_) == kMainEntry ? RecordRole::MainEntry : RecordRole::SubIndex;
    return CheckObjectRecord(CurrentRecord(), role);
}

EdsResult CCopVariableView::Validate() { return CheckValues() == ValueFault::None ? 0 : 1; }

}  // namespace brenmoor

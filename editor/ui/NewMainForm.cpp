#include "editor/ui/NewMainForm.h"

#include "editor/document/EdsStore.h"
#include "editor/document/RecordKinds.h"
#include "editor/document/SystemError.h"
#include "editor/ui/CodeLists.h"
#include "editor/ui/DisplayText.h"
#include "editor/ui/Messages.h"

namespace brenmoor {

TNewMainForm::TNewMainForm(QWidget* owner, CEdsStore& document)
    : TObjectDialog(owner, QStringLiteral("New main index"), document,
                    {kNewObjectTypes, kDialogAccessTypes, kDialogDataTypes, true}) {
    edtObjIndex->clear();
    edtSubCount->setValue(0);
    SelectCategory(2);
    edtParameterName->setText(QStringLiteral("<empty>"));
    SelectCode(*cbxObjectType, kNewObjectTypes, kObjectVar);
    SelectCode(*cbxAccessType, kDialogAccessTypes, kAccessRw);
    SelectCode(*cbxDataType, kDialogDataTypes, kUnsigned8);
    chkPDOMapping->setChecked(false);
    edtSubParamName->setText(QStringLiteral("element"));
    UpdateEnabling();
}

bool TNewMainForm::Prepare() { return TakeExistingIndexes(); }

int TNewMainForm::Run() { return Prepare() ? exec() : -1; }

int TNewMainForm::DataTypeValue() const {
    switch (SelectedObjectType()) {
        case kObjectDomain: return kDomain;
        case kObjectNull: return kTypeNone;
        default: return SelectedCode(*cbxDataType, kDialogDataTypes);
    }
}

QString TNewMainForm::FieldText(const QLineEdit& edit, uint32_t bit) const {
    const int type = SelectedObjectType();
    const bool valued = type == kObjectVar || type == kObjectArray || type == kObjectRecord;
    return valued && (EnablingMask() & bit) != 0 ? edit.text() : QString();
}

int TNewMainForm::ElementCount() const { return IsStructured() ? edtSubCount->value() : 0; }

EdsObjectRecord TNewMainForm::MainRecord() const {
    EdsObjectRecord record{};
    record.Category = static_cast<uint8_t>(SelectedCategory());
    StoreFormText(record.ParameterName, edtParameterName->text());
    const int type = SelectedObjectType();
    record.ObjectType = static_cast<uint8_t>(type);
    if (type == kObjectVar) {
        record = ElementRecord();
        StoreFormText(record.ParameterName, edtParameterName->text());
    } else if (type == kObjectDomain || type == kObjectNull) {
        record.AccessType = static_cast<uint8_t>(SelectedCode(*cbxAccessType, kDialogAccessTypes));
        record.DataType = static_cast<uint16_t>(DataTypeValue());
    }
    return record;
}

EdsObjectRecord TNewMainForm::ElementRecord() const {
    EdsObjectRecord record{};
    record.Category = static_cast<uint8_t>(SelectedCategory());
    record.ObjectType = kObjectVar;
    record.AccessType = static_cast<uint8_t>(SelectedCode(*cbxAccessType, kDialogAccessTypes));
    record.DataType = static_cast<uint16_t>(DataTypeValue());
    record.PDOMapping = chkPDOMapping->isChecked() && (EnablingMask() & kFieldPdoMapping) != 0 ? 1 : 0;
    StoreFormText(record.LowLimit, FieldText(*edtLowLimit, kFieldLowLimit));
    StoreFormText(record.HighLimit, FieldText(*edtHighLimit, kFieldHighLimit));
    StoreFormText(record.DefaultValue, FieldText(*edtDefaultValue, kFieldDefaultValue));
    return record;
}

EdsResult TNewMainForm::AddElements(unsigned index) {
    EdsObjectRecord element = ElementRecord();
    const int count = ElementCount();
    for (int sub = 1; sub <= count; ++sub) {
        StoreFormText(element.ParameterName, QStringLiteral("%1 %2").arg(edtSubParamName->text()).arg(sub));
        if (const EdsResult code = document_.AddRecord(kKindObject, ObjectKey(index, sub), &element); code != 0)
            return code;
    }
    EdsObjectRecord counter{};
    counter.Category = element.Category;
    StoreFormText(counter.ParameterName, QStringLiteral("number of elements"));
    counter.ObjectType = kObjectVar;
    counter.AccessType = kAccessRo;
    counter.DataType = kUnsigned8;
    StoreFormText(counter.DefaultValue, QString::number(count));
    return document_.AddRecord(kKindObject, ObjectKey(index, 0), &counter);
}

void TNewMainForm::ReportFailure(unsigned index, EdsResult code) {
    const QString hex = QString::number(index, 16).toUpper().rightJustified(4, QLatin1Char('0'));
    ErrorMessage(QStringLiteral("The object %1 cannot be created:\n%2")
                     .arg(hex, QString::fromStdString(SystemErrorText(code))),
                 this);
}

void TNewMainForm::accept() {
    const std::optional<unsigned> index = CheckIndex();
    if (!index) return;
    const EdsObjectRecord element = ElementRecord();
    if (SelectedObjectType() != kObjectDomain && SelectedObjectType() != kObjectNull &&
        !CheckTypedValues(this, element.DataType, FormText(element.LowLimit), FormText(element.HighLimit),
                          FormText(element.DefaultValue)))
        return;

    const EdsObjectRecord main = MainRecord();
    if (const EdsResult code = document_.AddRecord(kKindObject, ObjectKey(*index, kMainEntry), &main); code != 0) {
        ReportFailure(*index, code);
        return;
    }
    if (IsStructured()) {
        if (const EdsResult code = AddElements(*index); code != 0) {
            document_.RemoveRecord(kKindObject, ObjectKey(*index, kMainEntry));
            ReportFailure(*index, code);
            return;
        }
    }
    newIndex_ = *index;
    QDialog::accept();
}

std::optional<unsigned> RunNewObjectDialog(QWidget& owner, QPoint at, CEdsStore& document) {
    TNewMainForm dialog(&owner, document);
    dialog.move(at);
    if (dialog.Run() != QDialog::Accepted) return std::nullopt;
    return dialog.NewIndex();
}

}  // namespace brenmoor

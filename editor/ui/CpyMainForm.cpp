#include "editor/ui/CpyMainForm.h"

#include <algorithm>

#include "editor/document/EdsStore.h"
#include "editor/document/RecordKinds.h"
#include "editor/document/SystemError.h"
#include "editor/ui/CodeLists.h"
#include "editor/ui/DisplayText.h"
#include "editor/ui/Messages.h"

namespace brenmoor {
namespace {

constexpr int kLastSub = 0xFE;

QString FourHexDigits(unsigned index) { return QString::number(index, 16).toUpper().rightJustified(4, QLatin1Char('0')); }

}  // namespace

TCpyMainForm::TCpyMainForm(QWidget* owner, CEdsStore& document, unsigned source)
    : TObjectDialog(owner, QStringLiteral("Copy Object"), document,
                    {kObjectTypeTable, kAccessTypeTable, kDataTypeTable, false}),
      source_(source) {
    cbxObjectType->setEnabled(false);
    edtSubCount->setEnabled(false);
    grpElementDef->setEnabled(false);
}

bool TCpyMainForm::Prepare() { return TakeExistingIndexes() && LoadSource(); }

int TCpyMainForm::Run() { return Prepare() ? exec() : -1; }

bool TCpyMainForm::LoadSource() {
    EdsObjectRecord record{};
    if (document_.GetRecord(kKindObject, ObjectKey(source_, kMainEntry), &record) != 0) return false;
    edtObjIndex->setText(FourHexDigits(source_));
    edtSubCount->setValue(std::clamp<int>(record.SubNumber, 0, 254));
    SelectCategory(record.Category);
    edtParameterName->setText(FormText(record.ParameterName));
    SelectCode(*cbxObjectType, kObjectTypeTable, record.ObjectType);
    SelectCode(*cbxAccessType, kAccessTypeTable, record.AccessType);
    SelectCode(*cbxDataType, kDataTypeTable, record.DataType);
    chkPDOMapping->setChecked(record.PDOMapping != 0);
    edtLowLimit->setText(FormText(record.LowLimit));
    edtHighLimit->setText(FormText(record.HighLimit));
    edtDefaultValue->setText(record.SubNumber > 0 ? QString() : FormText(record.DefaultValue));
    UpdateEnabling();
    return true;
}

void TCpyMainForm::UpdateEnabling() {
    ShowElementRows(IsStructured());
}

EdsResult TCpyMainForm::CopySubIndexes(unsigned target, const QString& presenceMap) {
    for (int sub = 0; sub <= kLastSub && sub < presenceMap.size(); ++sub) {
        if (presenceMap[sub] != QLatin1Char('1')) continue;
        EdsObjectRecord record{};
        if (const EdsResult code = document_.GetRecord(kKindObject, ObjectKey(source_, sub), &record); code != 0)
            return code;
        if (const EdsResult code = document_.AddRecord(kKindObject, ObjectKey(target, sub), &record); code != 0)
            return code;
    }
    return 0;
}

void TCpyMainForm::accept() {
    const std::optional<unsigned> index = CheckIndex();
    if (!index) return;
    EdsObjectRecord record{};
    if (const EdsResult code = document_.GetRecord(kKindObject, ObjectKey(source_, kMainEntry), &record); code != 0) {
        ErrorMessage(QStringLiteral("The object %1 cannot be read:\n%2")
                         .arg(FourHexDigits(source_), QString::fromStdString(SystemErrorText(code))),
                     this);
        return;
    }
    StoreFormText(record.ParameterName, edtParameterName->text());
    record.Category = static_cast<uint8_t>(SelectedCategory());
    // With sub-indexes, the default value holds the presence map, which is
    // the document's to keep, not a value of the copy.
    const QString presenceMap = record.SubNumber > 0 ? FormText(record.DefaultValue) : QString();
    if (record.SubNumber > 0) StoreFormText(record.DefaultValue, QString());

    const auto fail = [this, &index](EdsResult code) {
        ErrorMessage(QStringLiteral("The object %1 cannot be created:\n%2")
                         .arg(FourHexDigits(*index), QString::fromStdString(SystemErrorText(code))),
                     this);
    };
    if (const EdsResult code = document_.AddRecord(kKindObject, ObjectKey(*index, kMainEntry), &record); code != 0) {
        fail(code);
        return;
    }
    if (const EdsResult code = CopySubIndexes(*index, presenceMap); code != 0) {
        document_.RemoveRecord(kKindObject, ObjectKey(*index, kMainEntry));
        fail(code);
        return;
    }
    newIndex_ = *index;
    QDialog::accept();
}

std::optional<unsigned> RunCopyObjectDialog(QWidget& owner, QPoint at, CEdsStore& document, unsigned source) {
    TCpyMainForm dialog(&owner, document, source);
    dialog.move(at);
    if (dialog.Run() != QDialog::Accepted) return std::nullopt;
    return dialog.NewIndex();
}

}  // namespace brenmoor

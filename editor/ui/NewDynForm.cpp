#include "editor/ui/NewDynForm.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "editor/document/CodeTables.h"
#include "editor/document/EdsStore.h"
#include "editor/document/RecordKinds.h"
#include "editor/ui/CodeLists.h"
#include "editor/ui/Messages.h"
#include "editor/ui/SegmentFields.h"

namespace brenmoor {
namespace {

constexpr int kSegmentListUnreadable = -1;

QLineEdit* PlainEdit(int maxLength) {
    auto* edit = new QLineEdit;
    edit->setMaxLength(maxLength);
    edit->setMaximumWidth(120);
    return edit;
}

QComboBox* DropDownList(CodeTable table) {
    auto* combo = new QComboBox;
    FillList(*combo, table, static_cast<int>(table.size()) - 1);
    combo->setMaxVisibleItems(static_cast<int>(table.size()));
    return combo;
}

}  // namespace

TNewDynForm::TNewDynForm(CEdsStore& document, QWidget* parent)
    : QDialog(parent),
      cbxDatatype(DropDownList(kDynDataTypeTable)),
      cbxDirection(DropDownList(kDynDirectionTable)),
      edtLowLimit(PlainEdit(4)),
      edtHighLimit(PlainEdit(4)),
      edtSegOffset(PlainEdit(9)),
      edtBitAddrDiff(PlainEdit(9)),
      edtMaxCount(PlainEdit(10)),
      BtnOk(new QPushButton(QStringLiteral("&OK"))),
      BtnCancel(new QPushButton(QStringLiteral("&Cancel"))),
      document_(document) {
    setWindowTitle(QStringLiteral("New Dynamic Segment"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    auto* kinds = new QFormLayout;
    kinds->addRow(QStringLiteral("Datatype:"), cbxDatatype);
    kinds->addRow(QStringLiteral("Direction:"), cbxDirection);
    auto* range = new QGroupBox(QStringLiteral("Range Limit"));
    auto* limits = new QFormLayout(range);
    limits->addRow(QStringLiteral("Low (Hex) :"), edtLowLimit);
    limits->addRow(QStringLiteral("High (Hex):"), edtHighLimit);
    auto* numbers = new QFormLayout;
    numbers->addRow(QStringLiteral("Segment Offset (Hex) :"), edtSegOffset);
    numbers->addRow(QStringLiteral("Bit Address Difference:"), edtBitAddrDiff);
    numbers->addRow(QStringLiteral("MaxCount (Decimal):"), edtMaxCount);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BtnOk);
    buttons->addWidget(BtnCancel);
    auto* page = new QVBoxLayout(this);
    page->addLayout(kinds);
    page->addWidget(range);
    page->addLayout(numbers);
    page->addLayout(buttons);
    page->setSizeConstraint(QLayout::SetFixedSize);

    BtnOk->setDefault(true);
    connect(BtnOk, &QPushButton::clicked, this, [this] { BtnOkClick(); });
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    for (QLineEdit* limit : {edtLowLimit, edtHighLimit})
        connect(limit, &QLineEdit::textChanged, this, [this] { UpdateDerivedMaxCount(); });
    for (QLineEdit* edit : {edtLowLimit, edtHighLimit, edtSegOffset, edtBitAddrDiff, edtMaxCount})
        edit->setText(QStringLiteral("0"));
    cbxDatatype->setFocus();
}

int TNewDynForm::Run() {
    cbxDatatype->setCurrentIndex(0);
    cbxDirection->setCurrentIndex(0);
    if (document_.AllSegments(existing_) != 0) return kSegmentListUnreadable;
    EdsDeviceInfoRecord device{};
    if (const EdsResult code = document_.GetRecord(kKindDeviceInfo, 0, &device); code != 0)
        return static_cast<int>(code);
    LockMaxCount((device.DynamicChannelsSupported & kMaxCountNotSupported) != 0);
    cbxDatatype->setFocus();
    return exec();
}

void TNewDynForm::LockMaxCount(bool locked) {
    maxCountDerived_ = locked;
    edtMaxCount->setEnabled(!locked);
    // Button face while locked, white otherwise.
    QPalette colours = edtMaxCount->palette();
    colours.setColor(QPalette::Base, locked ? palette().color(QPalette::Button) : QColor(Qt::white));
    edtMaxCount->setPalette(colours);
    UpdateDerivedMaxCount();
}

void TNewDynForm::UpdateDerivedMaxCount() {
    if (!maxCountDerived_) return;
    if (const std::optional<uint32_t> derived = DerivedMaxCount(edtLowLimit->text(), edtHighLimit->text()))
        edtMaxCount->setText(DecimalFieldText(*derived));
}

std::optional<EdsDynSegmentRecord> TNewDynForm::BuildRecord() {
    const SegmentParse parsed = ParseSegment({SelectedCode(*cbxDatatype, kDynDataTypeTable),
                                              SelectedCode(*cbxDirection, kDynDirectionTable), edtLowLimit->text(),
                                              edtHighLimit->text(), edtSegOffset->text(), edtBitAddrDiff->text(),
                                              edtMaxCount->text()});
    if (parsed.lastFailed)
        ErrorMessage(QStringLiteral("Invalid data in field %1 !").arg(QString::fromLatin1(parsed.lastFailed)), this);
    return parsed.record;
}

void TNewDynForm::BtnOkClick() {
    const std::optional<EdsDynSegmentRecord> record = BuildRecord();
    if (!record) return;
    const std::optional<unsigned> number = NextSegmentNumber(existing_);
    if (!number) {
        ErrorMessage(QStringLiteral("No free dynamic segment number available !"), this);
        return;
    }
    if (document_.AddRecord(kKindDynSegment, *number, &*record) != 0) return;
    number_ = *number;
    accept();
}

std::optional<unsigned> RunNewDynSegment(QWidget& owner, QPoint at, CEdsStore& document) {
    TNewDynForm dialog(document, &owner);
    dialog.move(at);
    if (dialog.Run() != QDialog::Accepted) return std::nullopt;
    return dialog.Number();
}

}  // namespace brenmoor

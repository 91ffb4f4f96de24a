#include "editor/ui/DynChannelForm.h"

#include <QFormLayout>
#include <QVBoxLayout>

#include "editor/document/CodeTables.h"
#include "editor/document/RecordKinds.h"
#include "editor/ui/CodeLists.h"
#include "editor/ui/SegmentFields.h"
#include "editor/ui/TreeNodes.h"

namespace brenmoor {
namespace {

// Hexadecimal digits shown upper case; decimal digits. MaxCount takes the
// ten digits of any 32-bit count.
const QString kLimitMask = QStringLiteral(">hhhh; ");
const QString kOffsetMask = QStringLiteral(">hhhhhhhhh; ");
const QString kBitAddressMask = QStringLiteral("000000000; ");
const QString kMaxCountMask = QStringLiteral("0000000000; ");

QLineEdit* MaskedEdit(const QString& mask) {
    auto* edit = new QLineEdit;
    edit->setInputMask(mask);
    edit->setMaximumWidth(120);
    return edit;
}

QComboBox* DropDownList(CodeTable table) {
    auto* combo = new QComboBox;
    FillList(*combo, table, static_cast<int>(table.size()) - 1);
    combo->setMaxVisibleItems(static_cast<int>(table.size()));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

}  // namespace

TDynChannelForm::TDynChannelForm()
    : cbxDatatype(DropDownList(kDynDataTypeTable)),
      cbxDirection(DropDownList(kDynDirectionTable)),
      RangeGroupBox(new QGroupBox(QStringLiteral("Range Limit"))),
      edtLowLimit(MaskedEdit(kLimitMask)),
      edtHighLimit(MaskedEdit(kLimitMask)),
      edtSegOffset(MaskedEdit(kOffsetMask)),
      edtBitAddrDiff(MaskedEdit(kBitAddressMask)),
      edtMaxCount(MaskedEdit(kMaxCountMask)) {
    setWindowTitle(QStringLiteral("Dynamic Channel"));
    auto* page = new QVBoxLayout(Content());
    auto* kinds = new QFormLayout;
    kinds->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    kinds->addRow(QStringLiteral("Datatype :"), cbxDatatype);
    kinds->addRow(QStringLiteral("Direction :"), cbxDirection);
    page->addLayout(kinds);
    auto* range = new QFormLayout(RangeGroupBox);
    range->addRow(QStringLiteral("Low (Hex) :"), edtLowLimit);
    range->addRow(QStringLiteral("High (Hex) :"), edtHighLimit);
    page->addWidget(RangeGroupBox);
    auto* numbers = new QFormLayout;
    numbers->addRow(QStringLiteral("Segment Offset (Hex) :"), edtSegOffset);
    numbers->addRow(QStringLiteral("Bit Address Difference :"), edtBitAddrDiff);
    numbers->addRow(QStringLiteral("MaxCount (Decimal) :"), edtMaxCount);
    page->addLayout(numbers);
    page->addStretch(1);
    setFocusProxy(cbxDatatype);

    for (QWidget* control : std::initializer_list<QWidget*>{cbxDatatype, cbxDirection, edtLowLimit, edtHighLimit,
                                                            edtSegOffset, edtBitAddrDiff, edtMaxCount})
        TrackEdits(control);
    for (QLineEdit* limit : {edtLowLimit, edtHighLimit})
        connect(limit, &QLineEdit::textChanged, this, [this] { UpdateDerivedMaxCount(); });
}

std::optional<uint32_t> TDynChannelForm::LowLimit() const { return ParseHexField(edtLowLimit->text(), kMaxUint16); }

std::optional<uint32_t> TDynChannelForm::HighLimit() const { return ParseHexField(edtHighLimit->text(), kMaxUint16); }

std::optional<uint32_t> TDynChannelForm::MaxCount() const {
    return ParseDecimalField(edtMaxCount->text(), kMaxUint32);
}

SegmentParse TDynChannelForm::Parse() const {
    return ParseSegment({SelectedCode(*cbxDatatype, kDynDataTypeTable), SelectedCode(*cbxDirection, kDynDirectionTable),
                         edtLowLimit->text(), edtHighLimit->text(), edtSegOffset->text(), edtBitAddrDiff->text(),
                         edtMaxCount->text()});
}

void TDynChannelForm::SetRecord(const EdsDynSegmentRecord& record) {
    SelectCode(*cbxDatatype, kDynDataTypeTable, record.Type);
    SelectCode(*cbxDirection, kDynDirectionTable, record.Dir);
    edtLowLimit->setText(HexFieldText(record.RangeStart));
    edtHighLimit->setText(HexFieldText(record.RangeEnd));
    edtSegOffset->setText(HexFieldText(record.PPOffset));
    edtBitAddrDiff->setText(DecimalFieldText(record.BitOffset));
    edtMaxCount->setText(DecimalFieldText(record.MaxCnt));
}

void TDynChannelForm::Clear() { SetRecord(EdsDynSegmentRecord{}); }

void TDynChannelForm::DeriveMaxCount(bool derived) {
    const bool wasModified = Modified();
    derived_ = derived;
    edtMaxCount->setEnabled(!derived);
    UpdateDerivedMaxCount();
    SetModified(wasModified);
}

void TDynChannelForm::UpdateDerivedMaxCount() {
    if (!derived_) return;
    if (const std::optional<uint32_t> derived = DerivedMaxCount(edtLowLimit->text(), edtHighLimit->text()))
        edtMaxCount->setText(DecimalFieldText(*derived));
}

QString CDynChannelView::CurrentNodeText() {
    const TDynChannelForm& form = *form_.get();
    return SegmentNodeText(SelectedCode(*form.cbxDatatype, kDynDataTypeTable),
                           SelectedCode(*form.cbxDirection, kDynDirectionTable));
}

EdsResult CDynChannelView::Reset() {
    return ResetForm([this] { form_->Clear(); });
}

EdsResult CDynChannelView::ReadFromStore() {
    const EdsResult code = ReadRecord<EdsDynSegmentRecord>(
        kKindDynSegment, number_, [this](const EdsDynSegmentRecord& record) { form_->SetRecord(record); });
    if (code != 0) return code;
    EdsDeviceInfoRecord device{};
    if (const EdsResult deviceCode = GetRecord(kKindDeviceInfo, 0, &device); deviceCode != 0) return deviceCode;
    form_->DeriveMaxCount((device.DynamicChannelsSupported & kMaxCountNotSupported) != 0);
    return 0;
}

EdsResult CDynChannelView::WriteToStore() {
    const std::optional<EdsDynSegmentRecord> parsed = form_->Parse().record;
    if (!parsed) return ERROR_INVALID_DATA;
    const EdsDynSegmentRecord values = *parsed;
    return WriteRecord<EdsDynSegmentRecord>(kKindDynSegment, number_,
                                            [&values](EdsDynSegmentRecord& record) { record = values; });
}

EdsResult CDynChannelView::Validate() {
    return form_->Parse().record ? 0 : ERROR_INVALID_DATA;
}

}  // namespace brenmoor

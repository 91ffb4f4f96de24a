#include "editor/ui/DeviceInfoForm.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <limits>

#include "editor/document/RecordKinds.h"
#include "editor/ui/DisplayText.h"

namespace brenmoor {
namespace {

constexpr int kTextLength = 255;
constexpr int kLmtLength = 7;
// A 32-bit number as signed decimal: a sign and ten digits.
constexpr int kNumberLength = 11;
constexpr int kRevisionLength = 6;
constexpr qint64 kInt32Min = std::numeric_limits<int32_t>::min();
constexpr qint64 kUint32Max = std::numeric_limits<uint32_t>::max();
constexpr qint64 kRevisionMax = 0xFFFF;
const QString kNoEntry = QStringLiteral("<no entry>");

// DynamicChannelsSupported: bit 0 dynamic channels supported, bit 1
// MaxCount not supported.
constexpr uint32_t kDynamicChannelsBit = 1;
constexpr uint32_t kNoMaxCountBit = 2;

QLineEdit* TextEdit(int maxLength) {
    auto* edit = new QLineEdit;
    edit->setMaxLength(maxLength);
    return edit;
}

QLineEdit* ShownOnly(int maxLength) {
    QLineEdit* edit = TextEdit(maxLength);
    edit->setReadOnly(true);
    edit->setEnabled(false);
    return edit;
}

QLineEdit* NumberEdit(int maxLength, qint64 minimum, qint64 maximum) {
    QLineEdit* edit = TextEdit(maxLength);
    edit->setValidator(new CNumberValidator(minimum, maximum, edit));
    return edit;
}

std::optional<qint64> NumberOf(const QLineEdit& edit) {
    const auto* validator = static_cast<const CNumberValidator*>(edit.validator());
    QString text = edit.text();
    int position = 0;
    if (!validator || validator->validate(text, position) != QValidator::Acceptable) return std::nullopt;
    return CNumberValidator::Parse(text, kInt32Min, kUint32Max);
}

uint32_t Uint32Of(const QLineEdit& edit) { return static_cast<uint32_t>(NumberOf(edit).value_or(0)); }

QString Signed(uint32_t value) { return QString::number(static_cast<int32_t>(value)); }

QCheckBox* ShownBox(const QString& caption) {
    auto* box = new QCheckBox(caption);
    box->setEnabled(false);
    return box;
}

uint8_t Flag(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }

QWidget* Row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : widgets) layout->addWidget(widget);
    layout->addStretch(1);
    return row;
}

QFormLayout* Fields(QGroupBox* group) {
    auto* fields = new QFormLayout(group);
    fields->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return fields;
}

}  // namespace

TDeviceInfoForm::TDeviceInfoForm()
    : edtVendorName(TextEdit(kTextLength)),
      edtVendorNumber(NumberEdit(kNumberLength, kInt32Min, kUint32Max)),
      edtProductName(TextEdit(kTextLength)),
      edtProductNumber(NumberEdit(kNumberLength, kInt32Min, kUint32Max)),
      edtProductVersion(ShownOnly(3)),
      edtMajorRevision(NumberEdit(kRevisionLength, 0, kRevisionMax)),
      edtMinorRevision(NumberEdit(kRevisionLength, 0, kRevisionMax)),
      edtOrderCode(TextEdit(kTextLength)),
      edtLMTManufacturerName(ShownOnly(kLmtLength)),
      edtLMTProductName(ShownOnly(kLmtLength)),
      chkBaudRates{},
      chkSimpleBootUpMaster(new QCheckBox(QStringLiteral("Master"))),
      chkSimpleBootUpSlave(new QCheckBox(QStringLiteral("Slave"))),
      chkExtendedBootUpMaster(ShownBox(QStringLiteral("Master"))),
      chkExtendedBootUpSlave(ShownBox(QStringLiteral("Slave"))),
      udGranularity(new CUpDownBox(0, 64)),
      cbxPDO(ShownBox(QString())),
      cbxGroupMessaging(new QCheckBox),
      cbxDynamicChannels(new QCheckBox),
      cbxMaxCount(new QCheckBox),
      edtNrOfRXPDO(ShownOnly(6)),
      edtNrOfTXPDO(ShownOnly(6)),
      cbxLSSSupported(new QCheckBox) {
    setWindowTitle(QStringLiteral("DeviceInfo"));
    auto* page = new QVBoxLayout(Content());

    auto* names = new QGroupBox(QStringLiteral("Device"));
    QFormLayout* nameFields = Fields(names);
    nameFields->addRow(QStringLiteral("Vendorname:"), edtVendorName);
    nameFields->addRow(QStringLiteral("Productname:"), edtProductName);
    nameFields->addRow(QStringLiteral("Ordercode:"), edtOrderCode);
    nameFields->addRow(QStringLiteral("LMT Manufacturername:"), edtLMTManufacturerName);
    nameFields->addRow(QStringLiteral("LMT Productname:"), edtLMTProductName);
    page->addWidget(names);

    auto* identity = new QGroupBox(QStringLiteral("Device Identity"));
    QFormLayout* identityFields = Fields(identity);
    identityFields->addRow(QStringLiteral("Vendor ID:"), edtVendorNumber);
    identityFields->addRow(QStringLiteral("Product Code:"), edtProductNumber);
    identityFields->addRow(QStringLiteral("Productversion:"), edtProductVersion);
    identityFields->addRow(QStringLiteral("RevisionNumber:"),
                           Row({new QLabel(QStringLiteral("Major:")), edtMajorRevision,
                                new QLabel(QStringLiteral("Minor:")), edtMinorRevision}));
    for (QLineEdit* number : {edtVendorNumber, edtProductNumber}) number->setMaximumWidth(120);
    for (QLineEdit* number : {edtProductVersion, edtMajorRevision, edtMinorRevision}) number->setMaximumWidth(70);
    page->addWidget(identity);

    auto* baudRates = new QGroupBox(QStringLiteral("Baudrates"));
    auto* baudGrid = new QGridLayout(baudRates);
    for (std::size_t i = 0; i < kBaudRates.size(); ++i) {
        chkBaudRates[i] = new QCheckBox(QString::number(kBaudRates[i]));
        baudGrid->addWidget(chkBaudRates[i], static_cast<int>(i / 4), static_cast<int>(i % 4));
    }
    page->addWidget(baudRates);

    auto* bootUp = new QWidget;
    auto* bootUpRow = new QHBoxLayout(bootUp);
    bootUpRow->setContentsMargins(0, 0, 0, 0);
    auto* simple = new QGroupBox(QStringLiteral("Simple Bootup"));
    auto* simpleRow = new QHBoxLayout(simple);
    simpleRow->addWidget(chkSimpleBootUpMaster);
    simpleRow->addWidget(chkSimpleBootUpSlave);
    auto* extended = new QGroupBox(QStringLiteral("Extended Bootup"));
    auto* extendedRow = new QHBoxLayout(extended);
    extendedRow->addWidget(chkExtendedBootUpMaster);
    extendedRow->addWidget(chkExtendedBootUpSlave);
    bootUpRow->addWidget(simple);
    bootUpRow->addWidget(extended);
    page->addWidget(bootUp);

    auto* additional = new QGroupBox(QStringLiteral("Additional Info"));
    QFormLayout* additionalFields = Fields(additional);
    udGranularity->setMaximumWidth(80);
    additionalFields->addRow(QStringLiteral("Granularity:"), udGranularity);
    additionalFields->addRow(QStringLiteral("CompactPDO:"), cbxPDO);
    additionalFields->addRow(QStringLiteral("Group Messaging:"), cbxGroupMessaging);
    additionalFields->addRow(QStringLiteral("LSS Supported:"), cbxLSSSupported);
    page->addWidget(additional);

    auto* lower = new QWidget;
    auto* lowerRow = new QHBoxLayout(lower);
    lowerRow->setContentsMargins(0, 0, 0, 0);
    auto* channels = new QGroupBox(QStringLiteral("Dynamic Channels"));
    QFormLayout* channelFields = Fields(channels);
    channelFields->addRow(QStringLiteral("Dynamic Channels Supported:"), cbxDynamicChannels);
    channelFields->addRow(QStringLiteral("MaxCount Supported:"), cbxMaxCount);
    auto* pdos = new QGroupBox(QStringLiteral("Number of PDOs supported"));
    QFormLayout* pdoFields = Fields(pdos);
    pdoFields->addRow(QStringLiteral("RX:"), edtNrOfRXPDO);
    pdoFields->addRow(QStringLiteral("TX:"), edtNrOfTXPDO);
    for (QLineEdit* count : {edtNrOfRXPDO, edtNrOfTXPDO}) count->setMaximumWidth(70);
    lowerRow->addWidget(channels);
    lowerRow->addWidget(pdos);
    page->addWidget(lower);
    page->addStretch(1);

    setFocusProxy(edtVendorName);
    connect(cbxDynamicChannels, &QCheckBox::toggled, cbxMaxCount, &QWidget::setEnabled);
    cbxMaxCount->setEnabled(false);

    for (QWidget* control : std::initializer_list<QWidget*>{
             edtVendorName, edtVendorNumber, edtProductName, edtProductNumber, edtMajorRevision, edtMinorRevision,
             edtOrderCode, chkSimpleBootUpMaster, chkSimpleBootUpSlave, udGranularity, cbxGroupMessaging,
             cbxDynamicChannels, cbxMaxCount, cbxLSSSupported})
        TrackEdits(control);
    for (QCheckBox* box : chkBaudRates) TrackEdits(box);
}

bool TDeviceInfoForm::NumbersComplete() const {
    for (const QLineEdit* edit : {edtVendorNumber, edtProductNumber, edtMajorRevision, edtMinorRevision}) {
        if (!NumberOf(*edit)) return false;
    }
    return true;
}

EdsResult CDeviceInfoView::Reset() {
    lastRead_ = EdsDeviceInfoRecord{};
    lastRead_.DynamicChannelsSupported = kNoMaxCountBit;
    return ResetForm([this] {
        TDeviceInfoForm& form = *form_.get();
        for (QLineEdit* text : {form.edtVendorName, form.edtProductName, form.edtOrderCode}) text->setText(kNoEntry);
        for (QLineEdit* number : {form.edtVendorNumber, form.edtProductNumber, form.edtProductVersion,
                                  form.edtMajorRevision, form.edtMinorRevision, form.edtNrOfRXPDO, form.edtNrOfTXPDO})
            number->setText(QStringLiteral("0"));
        form.edtLMTManufacturerName->clear();
        form.edtLMTProductName->clear();
        for (QCheckBox* box : form.chkBaudRates) box->setChecked(false);
        for (QCheckBox* box : {form.chkSimpleBootUpMaster, form.chkSimpleBootUpSlave, form.chkExtendedBootUpMaster,
                               form.chkExtendedBootUpSlave, form.cbxGroupMessaging, form.cbxLSSSupported})
            box->setChecked(false);
        form.udGranularity->setValue(0);
        form.cbxDynamicChannels->setChecked(false);
        form.cbxMaxCount->setChecked(false);
        form.cbxMaxCount->setEnabled(false);
    });
}

EdsResult CDeviceInfoView::ReadFromStore() {
    return ReadRecord<EdsDeviceInfoRecord>(kKindDeviceInfo, 0, [this](const EdsDeviceInfoRecord& record) {
        TDeviceInfoForm& form = *form_.get();
        lastRead_ = record;
        form.edtVendorName->setText(FormText(record.VendorName));
        form.edtVendorNumber->setText(Signed(record.VendorNumber));
        form.edtProductName->setText(FormText(record.ProductName));
        form.edtProductNumber->setText(Signed(record.ProductNumber));
        form.edtProductVersion->setText(QString::number(record.ProductVersion));
        form.edtMajorRevision->setText(QString::number(record.RevisionNumber >> 16));
        form.edtMinorRevision->setText(QString::number(record.RevisionNumber & 0xFFFF));
        form.edtOrderCode->setText(FormText(record.OrderCode));
        form.edtLMTManufacturerName->setText(FormText(record.LMT_ManufacturerName));
        form.edtLMTProductName->setText(FormText(record.LMT_ProductName));
        const uint8_t baudRates[] = {record.BaudRate_10,  record.BaudRate_20,  record.BaudRate_50,
                                     record.BaudRate_125, record.BaudRate_250, record.BaudRate_500,
                                     record.BaudRate_800, record.BaudRate_1000};
        for (std::size_t i = 0; i < form.chkBaudRates.size(); ++i) form.chkBaudRates[i]->setChecked(baudRates[i] != 0);
        form.chkSimpleBootUpMaster->setChecked(record.SimpleBootUpMaster != 0);
        form.chkSimpleBootUpSlave->setChecked(record.SimpleBootUpSlave != 0);
        form.chkExtendedBootUpMaster->setChecked(record.ExtendedBootUpMaster != 0);
        form.chkExtendedBootUpSlave->setChecked(record.ExtendedBootUpSlave != 0);
        form.udGranularity->setValue(record.Granularity);
        form.cbxGroupMessaging->setChecked(record.GroupMessaging != 0);
        const bool dynamicChannels = (record.DynamicChannelsSupported & kDynamicChannelsBit) != 0;
        form.cbxDynamicChannels->setChecked(dynamicChannels);
        form.cbxMaxCount->setChecked((record.DynamicChannelsSupported & kNoMaxCountBit) == 0);
        form.cbxMaxCount->setEnabled(dynamicChannels);
        form.edtNrOfRXPDO->setText(QString::number(record.NrOfRXPDO));
        form.edtNrOfTXPDO->setText(QString::number(record.NrOfTXPDO));
        form.cbxLSSSupported->setChecked(record.LSS_Supported != 0);
    });
}

EdsResult CDeviceInfoView::WriteToStore() {
    return WriteRecord<EdsDeviceInfoRecord>(kKindDeviceInfo, 0, [this](EdsDeviceInfoRecord& record) {
        const TDeviceInfoForm& form = *form_.get();
        record = lastRead_;
        StoreFormText(record.VendorName, form.edtVendorName->text());
        record.VendorNumber = Uint32Of(*form.edtVendorNumber);
        StoreFormText(record.ProductName, form.edtProductName->text());
        record.ProductNumber = Uint32Of(*form.edtProductNumber);
        record.ProductVersion = static_cast<uint8_t>(form.edtProductVersion->text().toUInt());
        record.RevisionNumber = Uint32Of(*form.edtMajorRevision) << 16 | Uint32Of(*form.edtMinorRevision);
        StoreFormText(record.OrderCode, form.edtOrderCode->text());
        StoreFormText(record.LMT_ManufacturerName, form.edtLMTManufacturerName->text());
        StoreFormText(record.LMT_ProductName, form.edtLMTProductName->text());
        uint8_t* baudRates[] = {&record.BaudRate_10,  &record.BaudRate_20,  &record.BaudRate_50,
                                &record.BaudRate_125, &record.BaudRate_250, &record.BaudRate_500,
                                &record.BaudRate_800, &record.BaudRate_1000};
        for (std::size_t i = 0; i < form.chkBaudRates.size(); ++i) *baudRates[i] = Flag(form.chkBaudRates[i]);
        record.SimpleBootUpMaster = Flag(form.chkSimpleBootUpMaster);
        record.SimpleBootUpSlave = Flag(form.chkSimpleBootUpSlave);
        record.ExtendedBootUpMaster = Flag(form.chkExtendedBootUpMaster);
        record.ExtendedBootUpSlave = Flag(form.chkExtendedBootUpSlave);
        record.Granularity = static_cast<uint8_t>(form.udGranularity->value());
        record.GroupMessaging = Flag(form.cbxGroupMessaging);
        uint32_t channels = lastRead_.DynamicChannelsSupported & ~(kDynamicChannelsBit | kNoMaxCountBit);
        if (form.cbxDynamicChannels->isChecked()) channels |= kDynamicChannelsBit;
        if (!form.cbxMaxCount->isChecked()) channels |= kNoMaxCountBit;
        record.DynamicChannelsSupported = channels;
        record.NrOfRXPDO = static_cast<int16_t>(form.edtNrOfRXPDO->text().toShort());
        record.NrOfTXPDO = static_cast<int16_t>(form.edtNrOfTXPDO->text().toShort());
        record.LSS_Supported = Flag(form.cbxLSSSupported);
    });
}

EdsResult CDeviceInfoView::Validate() { return form_->NumbersComplete() ? 0 : ERROR_INVALID_DATA; }

}  // namespace brenmoor

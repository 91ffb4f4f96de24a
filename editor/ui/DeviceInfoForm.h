// The "Device Info" node's form and view: the DeviceInfo section (vendor
// and product identity, baud rates, boot-up, granularity, dynamic channels,
// PDO counts, LSS).
#pragma once

#include <QCheckBox>
#include <QLineEdit>

#include <array>

#include "editor/ui/EdsForm.h"
#include "editor/ui/EdsView.h"
#include "editor/ui/FormControls.h"
#include "vantor/vantor.h"

namespace brenmoor {

class TDeviceInfoForm : public CEdsForm {
public:
    static constexpr std::array<int, 8> kBaudRates{10, 20, 50, 125, 250, 500, 800, 1000};

    TDeviceInfoForm();

    // False while a number field holds a text that is no number of its
    // range (an empty field, a lone '-').
    bool NumbersComplete() const;

    QLineEdit* edtVendorName;
    QLineEdit* edtVendorNumber;
    QLineEdit* edtProductName;
    QLineEdit* edtProductNumber;
    QLineEdit* edtProductVersion;
    QLineEdit* edtMajorRevision;
    QLineEdit* edtMinorRevision;
    QLineEdit* edtOrderCode;
    QLineEdit* edtLMTManufacturerName;
    QLineEdit* edtLMTProductName;
    std::array<QCheckBox*, 8> chkBaudRates;  // in the order of kBaudRates
    QCheckBox* chkSimpleBootUpMaster;
    QCheckBox* chkSimpleBootUpSlave;
    QCheckBox* chkExtendedBootUpMaster;
    QCheckBox* chkExtendedBootUpSlave;
    CUpDownBox* udGranularity;
    QCheckBox* cbxPDO;
    QCheckBox* cbxGroupMessaging;
    QCheckBox* cbxDynamicChannels;
    QCheckBox* cbxMaxCount;
    QLineEdit* edtNrOfRXPDO;
    QLineEdit* edtNrOfTXPDO;
    QCheckBox* cbxLSSSupported;
};

class CDeviceInfoView : public CEdsView {
public:
    CEdsForm* GetForm() override { return form_.get(); }
    TDeviceInfoForm& Form() const { return *form_.get(); }

    EdsResult Reset() override;
    EdsResult ReadFromStore() override;
    // Fields the form does not show (ProductRevision, BaudRate_100 and the
    // high bits of DynamicChannelsSupported) are written as read last.
    EdsResult WriteToStore() override;
    // Nonzero while a number field is incomplete: such a text is never
    // stored as 0.
    EdsResult Validate() override;

private:
    OwnedForm<TDeviceInfoForm> form_;
    EdsDeviceInfoRecord lastRead_{};
};

}  // namespace brenmoor

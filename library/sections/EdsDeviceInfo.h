// The DeviceInfo section: the device's identity and its communication
// capabilities.
#pragma once

#include "library/fields/EdsKeyedSet.h"
#include "library/sections/SectionFieldKinds.h"
#include "vantor/vantor.h"

namespace vantor {

class CEdsDeviceInfo : public CEdsKeyedSet {
public:
    CEdsDeviceInfo();

    // Clears the record, then copies every field it has a place for.
    void ToRecord(EdsDeviceInfoRecord& record) const;
    // Sets every field of the record through its value setter; CompactPDO,
    // which the record does not carry, is left as it is.
    void FromRecord(const EdsDeviceInfoRecord& record);

    uint8_t CompactPDO() const { return compactPdo_.Value(); }
    void SetCompactPDO(uint8_t value) { compactPdo_.SetValue(value); }
    int16_t NrOfRXPDO() const { return nrOfRxPdo_.Value(); }
    void SetNrOfRXPDO(int16_t value) { nrOfRxPdo_.SetValue(value); }
    int16_t NrOfTXPDO() const { return nrOfTxPdo_.Value(); }
    void SetNrOfTXPDO(int16_t value) { nrOfTxPdo_.SetValue(value); }

private:
    CEdsTextField vendorName_;
    CEdsUnsigned32Field vendorNumber_;
    CEdsTextField productName_;
    CEdsUnsigned32Field productNumber_;
    CEdsUnsigned8Field productVersion_;
    CEdsUnsigned8Field productRevision_;
    CEdsUnsigned32Field revisionNumber_;
    CEdsTextField orderCode_;
    CEdsTextField lmtManufacturerName_;
    CEdsTextField lmtProductName_;
    CEdsBooleanField baudRate10_;
    CEdsBooleanField baudRate20_;
    CEdsBooleanField baudRate50_;
    CEdsBooleanField baudRate100_;
    CEdsBooleanField baudRate125_;
    CEdsBooleanField baudRate250_;
    CEdsBooleanField baudRate500_;
    CEdsBooleanField baudRate800_;
    CEdsBooleanField baudRate1000_;
    CEdsBooleanField simpleBootUpMaster_;
    CEdsBooleanField simpleBootUpSlave_;
    CEdsBooleanField extendedBootUpMaster_;
    CEdsBooleanField extendedBootUpSlave_;
    CEdsGranularityField granularity_;
    CEdsUnsigned32Field dynamicChannelsSupported_;
    CEdsBooleanField groupMessaging_;
    CEdsBooleanField lssSupported_;
    CEdsInteger16Field nrOfRxPdo_;
    CEdsInteger16Field nrOfTxPdo_;
    CEdsUnsigned8Field compactPdo_;
};

}  // namespace vantor

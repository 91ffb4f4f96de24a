// The DeviceComissioning section: node id, bit rate and network of one
// configured device. It belongs to configuration files only.
#pragma once

#include "library/fields/EdsKeyedSet.h"
#include "library/sections/SectionFieldKinds.h"
#include "vantor/vantor.h"

namespace vantor {

class CEdsDeviceComissioning : public CEdsKeyedSet {
public:
    CEdsDeviceComissioning();

    // Writes the section only when all keys are asked for (a configuration
    // file); otherwise writes nothing and returns 0.
    DWORD WriteSectionText(CStream* stream, uint32_t mask, bool all) override;

    // Clears the record, then copies every field into it.
    void ToRecord(EdsDeviceComRecord& record) const;
    // Sets every field from the record through its value setter.
    void FromRecord(const EdsDeviceComRecord& record);

private:
    CEdsNodeIdField nodeId_;
    CEdsTextField nodeName_;
    CEdsBitRateField baudrate_;
    CEdsUnsigned32Field netNumber_;
    CEdsTextField networkName_;
    CEdsTextField lmtSerialNumber_;
    CEdsBooleanField canopenManager_;
    CEdsUnsigned32Field lssSerialNumber_;
};

}  // namespace vantor

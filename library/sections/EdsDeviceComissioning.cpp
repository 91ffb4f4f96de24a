#include "library/sections/EdsDeviceComissioning.h"

#include <cstring>

#include "common/RecordText.h"

namespace vantor {
namespace {

constexpr FieldDescriptor kNodeId{0x0000, "NodeId", kAllFormats};
constexpr FieldDescriptor kNodeName{0x0001, "NodeName", kAllFormats};
constexpr FieldDescriptor kBaudrate{0x0002, "Baudrate", kAllFormats};
constexpr FieldDescriptor kNetNumber{0x0003, "NetNumber", kAllFormats};
constexpr FieldDescriptor kNetworkName{0x0004, "NetworkName", kAllFormats};
constexpr FieldDescriptor kLmtSerialNumber{0x0005, "LMT_SerialNumber", kFormat1};
constexpr FieldDescriptor kCanopenManager{0x0006, "CANopenManager", kAllFormats};
constexpr FieldDescriptor kLssSerialNumber{0x0007, "LSS_SerialNumber", kFormat2};

}  // namespace

CEdsDeviceComissioning::CEdsDeviceComissioning()
    : CEdsKeyedSet("DeviceComissioning"),
      nodeId_(&kNodeId),
      nodeName_(&kNodeName, sizeof(EdsDeviceComRecord::NodeName)),
      baudrate_(&kBaudrate),
      netNumber_(&kNetNumber),
      networkName_(&kNetworkName, sizeof(EdsDeviceComRecord::NetworkName)),
      lmtSerialNumber_(&kLmtSerialNumber, sizeof(EdsDeviceComRecord::LMT_SerialNumber)),
      canopenManager_(&kCanopenManager),
      lssSerialNumber_(&kLssSerialNumber) {
    Register(nodeId_, nodeName_, baudrate_, netNumber_, networkName_, lmtSerialNumber_, canopenManager_,
             lssSerialNumber_);
}

DWORD CEdsDeviceComissioning::WriteSectionText(CStream* stream, uint32_t mask, bool all) {
    if (!all) return ERROR_SUCCESS;
    return CEdsKeyedSet::WriteSectionText(stream, mask, all);
}

void CEdsDeviceComissioning::ToRecord(EdsDeviceComRecord& record) const {
    std::memset(&record, 0, sizeof record);
    record.NodeId = nodeId_.Value();
    StoreRecordText(record.NodeName, nodeName_.Value());
    record.Baudrate = baudrate_.Value();
    record.NetNumber = netNumber_.Value();
    StoreRecordText(record.NetworkName, networkName_.Value());
    StoreRecordText(record.LMT_SerialNumber, lmtSerialNumber_.Value());
    record.LSS_SerialNumber = lssSerialNumber_.Value();
    record.CANopenManager = canopenManager_.Value();
}

void CEdsDeviceComissioning::FromRecord(const EdsDeviceComRecord& record) {
    nodeId_.SetValue(record.NodeId);
    nodeName_.SetValue(RecordText(record.NodeName));
    baudrate_.SetValue(record.Baudrate);
    netNumber_.SetValue(record.NetNumber);
    networkName_.SetValue(RecordText(record.NetworkName));
    lmtSerialNumber_.SetValue(RecordText(record.LMT_SerialNumber));
    lssSerialNumber_.SetValue(record.LSS_SerialNumber);
    canopenManager_.SetValue(RecordFlag(record.CANopenManager));
}

}  // namespace vantor

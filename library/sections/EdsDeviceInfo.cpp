#include "library/sections/EdsDeviceInfo.h"

#include <cstring>

#include "common/RecordText.h"

namespace vantor {
namespace {

constexpr FieldDescriptor kVendorName{0x0000, "VendorName", kAllFormats};
constexpr FieldDescriptor kVendorNumber{0x0001, "VendorNumber", kAllFormats};
constexpr FieldDescriptor kProductName{0x0002, "ProductName", kAllFormats};
constexpr FieldDescriptor kProductNumber{0x0003, "ProductNumber", kAllFormats};
constexpr FieldDescriptor kProductVersion{0x0004, "ProductVersion", kFormat1};
constexpr FieldDescriptor kProductRevision{0x0005, "ProductRevision", kFormat1};
constexpr FieldDescriptor kRevisionNumber{0x0019, "RevisionNumber", kFormat2};
constexpr FieldDescriptor kOrderCode{0x0006, "OrderCode", kAllFormats};
constexpr FieldDescriptor kLmtManufacturerName{0x0007, "LMT_ManufacturerName", kFormat1};
constexpr FieldDescriptor kLmtProductName{0x0008, "LMT_ProductName", kFormat1};
constexpr FieldDescriptor kBaudRate10{0x0009, "BaudRate_10", kAllFormats};
constexpr FieldDescriptor kBaudRate20{0x000A, "BaudRate_20", kAllFormats};
constexpr FieldDescriptor kBaudRate50{0x000B, "BaudRate_50", kAllFormats};
constexpr FieldDescriptor kBaudRate100{0x000C, "BaudRate_100", kFormat1};
constexpr FieldDescriptor kBaudRate125{0x000D, "BaudRate_125", kAllFormats};
constexpr FieldDescriptor kBaudRate250{0x000E, "BaudRate_250", kAllFormats};
constexpr FieldDescriptor kBaudRate500{0x000F, "BaudRate_500", kAllFormats};
constexpr FieldDescriptor kBaudRate800{0x0010, "BaudRate_800", kAllFormats};
constexpr FieldDescriptor kBaudRate1000{0x0011, "BaudRate_1000", kAllFormats};
constexpr FieldDescriptor kSimpleBootUpMaster{0x0012, "SimpleBootUpMaster", kAllFormats};
constexpr FieldDescriptor kSimpleBootUpSlave{0x0013, "SimpleBootUpSlave", kAllFormats};
constexpr FieldDescriptor kExtendedBootUpMaster{0x0014, "ExtendedBootUpMaster", kFormat1};
constexpr FieldDescriptor kExtendedBootUpSlave{0x0015, "ExtendedBootUpSlave", kFormat1};
constexpr FieldDescriptor kGranularity{0x0016, "Granularity", kAllFormats};
constexpr FieldDescriptor kDynamicChannelsSupported{0x0017, "DynamicChannelsSupported", kAllFormats};
constexpr FieldDescriptor kGroupMessaging{0x0018, "GroupMessaging", kAllFormats};
constexpr FieldDescriptor kLssSupported{0x001A, "LSS_Supported", kFormat2};
constexpr FieldDescriptor kNrOfRxPdo{0x001B, "NrOfRXPDO", kFormat2};
constexpr FieldDescriptor kNrOfTxPdo{0x001C, "NrOfTXPDO", kFormat2};
constexpr FieldDescriptor kCompactPdo{0x001D, "CompactPDO", kFormat2};

constexpr std::size_t kTextCapacity = sizeof(EdsDeviceInfoRecord::VendorName);
constexpr std::size_t kLmtCapacity = sizeof(EdsDeviceInfoRecord::LMT_ProductName);

}  // namespace

CEdsDeviceInfo::CEdsDeviceInfo()
    : CEdsKeyedSet("DeviceInfo"),
      vendorName_(&kVendorName, kTextCapacity),
      vendorNumber_(&kVendorNumber),
      productName_(&kProductName, kTextCapacity),
      productNumber_(&kProductNumber),
      productVersion_(&kProductVersion),
      productRevision_(&kProductRevision),
      revisionNumber_(&kRevisionNumber),
      orderCode_(&kOrderCode, kTextCapacity),
      lmtManufacturerName_(&kLmtManufacturerName, kLmtCapacity),
      lmtProductName_(&kLmtProductName, kLmtCapacity),
      baudRate10_(&kBaudRate10),
      baudRate20_(&kBaudRate20),
      baudRate50_(&kBaudRate50),
      baudRate100_(&kBaudRate100),
      baudRate125_(&kBaudRate125),
      baudRate250_(&kBaudRate250),
      baudRate500_(&kBaudRate500),
      baudRate800_(&kBaudRate800),
      baudRate1000_(&kBaudRate1000),
      simpleBootUpMaster_(&kSimpleBootUpMaster),
      simpleBootUpSlave_(&kSimpleBootUpSlave),
      extendedBootUpMaster_(&kExtendedBootUpMaster),
      extendedBootUpSlave_(&kExtendedBootUpSlave),
      granularity_(&kGranularity),
      dynamicChannelsSupported_(&kDynamicChannelsSupported),
      groupMessaging_(&kGroupMessaging),
      lssSupported_(&kLssSupported),
      nrOfRxPdo_(&kNrOfRxPdo),
      nrOfTxPdo_(&kNrOfTxPdo),
      compactPdo_(&kCompactPdo) {
    Register(vendorName_, vendorNumber_, productName_, productNumber_, productVersion_, productRevision_,
             revisionNumber_, orderCode_, lmtManufacturerName_, lmtProductName_, baudRate10_, baudRate20_,
             baudRate50_, baudRate100_, baudRate125_, baudRate250_, baudRate500_, baudRate800_, baudRate1000_,
             simpleBootUpMaster_, simpleBootUpSlave_, extendedBootUpMaster_, extendedBootUpSlave_, granularity_,
             dynamicChannelsSupported_, groupMessaging_, lssSupported_, nrOfRxPdo_, nrOfTxPdo_, compactPdo_);
}

void CEdsDeviceInfo::ToRecord(EdsDeviceInfoRecord& record) const {
    std::memset(&record, 0, sizeof record);
    StoreRecordText(record.VendorName, vendorName_.Value());
    record.VendorNumber = vendorNumber_.Value();
    StoreRecordText(record.ProductName, productName_.Value());
    record.ProductNumber = productNumber_.Value();
    record.ProductVersion = productVersion_.Value();
    record.ProductRevision = productRevision_.Value();
    record.RevisionNumber = revisionNumber_.Value();
    StoreRecordText(record.OrderCode, orderCode_.Value());
    StoreRecordText(record.LMT_ManufacturerName, lmtManufacturerName_.Value());
    StoreRecordText(record.LMT_ProductName, lmtProductName_.Value());
    record.BaudRate_10 = baudRate10_.Value();
    record.BaudRate_20 = baudRate20_.Value();
    record.BaudRate_50 = baudRate50_.Value();
    record.BaudRate_100 = baudRate100_.Value();
    record.BaudRate_125 = baudRate125_.Value();
    record.BaudRate_250 = baudRate250_.Value();
    record.BaudRate_500 = baudRate500_.Value();
    record.BaudRate_800 = baudRate800_.Value();
    record.BaudRate_1000 = baudRate1000_.Value();
    record.SimpleBootUpMaster = simpleBootUpMaster_.Value();
    record.SimpleBootUpSlave = simpleBootUpSlave_.Value();
    record.ExtendedBootUpMaster = extendedBootUpMaster_.Value();
    record.ExtendedBootUpSlave = extendedBootUpSlave_.Value();
    record.Granularity = granularity_.Value();
    record.DynamicChannelsSupported = dynamicChannelsSupported_.Value();
    record.GroupMessaging = groupMessaging_.Value();
    record.LSS_Supported = lssSupported_.Value();
    record.NrOfRXPDO = nrOfRxPdo_.Value();
    record.NrOfTXPDO = nrOfTxPdo_.Value();
}

void CEdsDeviceInfo::FromRecord(const EdsDeviceInfoRecord& record) {
    vendorName_.SetValue(RecordText(record.VendorName));
    vendorNumber_.SetValue(record.VendorNumber);
    productName_.SetValue(RecordText(record.ProductName));
    productNumber_.SetValue(record.ProductNumber);
    productVersion_.SetValue(record.ProductVersion);
    productRevision_.SetValue(record.ProductRevision);
    revisionNumber_.SetValue(record.RevisionNumber);
    orderCode_.SetValue(RecordText(record.OrderCode));
    lmtManufacturerName_.SetValue(RecordText(record.LMT_ManufacturerName));
    lmtProductName_.SetValue(RecordText(record.LMT_ProductName));
    baudRate10_.SetValue(RecordFlag(record.BaudRate_10));
    baudRate20_.SetValue(RecordFlag(record.BaudRate_20));
    baudRate50_.SetValue(RecordFlag(record.BaudRate_50));
    baudRate100_.SetValue(RecordFlag(record.BaudRate_100));
    baudRate125_.SetValue(RecordFlag(record.BaudRate_125));
    baudRate250_.SetValue(RecordFlag(record.BaudRate_250));
    baudRate500_.SetValue(RecordFlag(record.BaudRate_500));
    baudRate800_.SetValue(RecordFlag(record.BaudRate_800));
    baudRate1000_.SetValue(RecordFlag(record.BaudRate_1000));
    simpleBootUpMaster_.SetValue(RecordFlag(record.SimpleBootUpMaster));
    simpleBootUpSlave_.SetValue(RecordFlag(record.SimpleBootUpSlave));
    extendedBootUpMaster_.SetValue(RecordFlag(record.ExtendedBootUpMaster));
    extendedBootUpSlave_.SetValue(RecordFlag(record.ExtendedBootUpSlave));
    granularity_.SetValue(record.Granularity);
    dynamicChannelsSupported_.SetValue(record.DynamicChannelsSupported);
    groupMessaging_.SetValue(RecordFlag(record.GroupMessaging));
    lssSupported_.SetValue(RecordFlag(record.LSS_Supported));
    nrOfRxPdo_.SetValue(record.NrOfRXPDO);
    nrOfTxPdo_.SetValue(record.NrOfTXPDO);
}

}  // namespace vantor

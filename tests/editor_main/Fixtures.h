// Small descriptions written for the main window's tests.
#pragma once

// A device with identity, two PDO pairs (0x1401/0x1601, 0x1805/0x1A05), an
// object without standard name (0x1C00), one manufacturer object, one
// device profile array and two dynamic channel segments.
inline constexpr char kDeviceEds[] = R"([FileInfo]
FileName=device.eds
FileVersion=3
FileRevision=7
EDSVersion=4.0
Description=Test device
CreationTime=10:30AM
CreationDate=03-02-2026
CreatedBy=Tester
ModificationTime=04:40PM
ModificationDate=11-20-2026
ModifiedBy=Tester

[DeviceInfo]
VendorName=Vendor
VendorNumber=0xFFFFFFFF
ProductName=Product
ProductNumber=0x00000810
RevisionNumber=0x00020003
OrderCode=ORDER-1
BaudRate_10=0
BaudRate_20=0
BaudRate_50=0
BaudRate_125=1
BaudRate_250=1
BaudRate_500=0
BaudRate_800=0
BaudRate_1000=1
SimpleBootUpMaster=0
SimpleBootUpSlave=1
Granularity=8
DynamicChannelsSupported=1
GroupMessaging=0
NrOfRXPDO=1
NrOfTXPDO=1
LSS_Supported=1

[DummyUsage]
Dummy0001=0
Dummy0002=1
Dummy0003=0
Dummy0004=0
Dummy0005=1
Dummy0006=0
Dummy0007=0

[MandatoryObjects]
SupportedObjects=3
1=0x1000
2=0x1001
3=0x1018

[1000]
ParameterName=Device type
ObjectType=0x7
DataType=0x0007
AccessType=ro
DefaultValue=0x00030191
PDOMapping=0

[1001]
ParameterName=Error register
ObjectType=0x7
DataType=0x0005
AccessType=ro
DefaultValue=0
PDOMapping=0

[1018]
ParameterName=Identity object
ObjectType=0x9
SubNumber=2

[1018sub0]
ParameterName=Number of entries
ObjectType=0x7
DataType=0x0005
AccessType=ro
DefaultValue=1
PDOMapping=0

[1018sub1]
ParameterName=Vendor-ID
ObjectType=0x7
DataType=0x0007
AccessType=ro
DefaultValue=0xFFFFFFFF
PDOMapping=0

[OptionalObjects]
SupportedObjects=6
1=0x1401
2=0x1601
3=0x1805
4=0x1A05
5=0x1C00
6=0x6000

[1401]
ParameterName=RPDO communication
ObjectType=0x7
DataType=0x0007
AccessType=rw
DefaultValue=0x301
PDOMapping=0

[1601]
ParameterName=RPDO mapping
ObjectType=0x7
DataType=0x0007
AccessType=rw
DefaultValue=0
PDOMapping=0

[1805]
ParameterName=TPDO communication
ObjectType=0x7
DataType=0x0007
AccessType=rw
DefaultValue=0x185
PDOMapping=0

[1A05]
ParameterName=TPDO mapping
ObjectType=0x7
DataType=0x0007
AccessType=rw
DefaultValue=0
PDOMapping=0

[1C00]
ParameterName=Odd object
ObjectType=0x7
DataType=0x0005
AccessType=rw
DefaultValue=0
PDOMapping=0

[6000]
ParameterName=Read inputs
ObjectType=0x8
SubNumber=2

[6000sub0]
ParameterName=Number of entries
ObjectType=0x7
DataType=0x0005
AccessType=ro
DefaultValue=1
PDOMapping=0

[6000sub1]
ParameterName=Inputs 1 to 8
ObjectType=0x7
DataType=0x0005
AccessType=ro
DefaultValue=0
PDOMapping=1

[ManufacturerObjects]
SupportedObjects=1
1=0x2000

[2000]
ParameterName=Debounce time
ObjectType=0x7
DataType=0x0006
AccessType=rw
DefaultValue=10
PDOMapping=0

[DynamicChannels]
NrOfSeg=2
Type1=0x0005
Dir1=RO
Range1=0xA080-0xA0BF
PPOffset1=0
MaxCnt1=64
Type2=0x0007
Dir2=RWW
Range2=0xA500-0xA53F
PPOffset2=8
MaxCnt2=16
)";

// A value the importer refuses: the error file lists it.
inline constexpr char kEdsWithBadValue[] = R"([FileInfo]
FileName=bad.eds
FileVersion=1
FileRevision=0
EDSVersion=4.0
Description=Bad value

[DeviceInfo]
VendorName=Vendor
VendorNumber=0xZZ
ProductName=Product
Granularity=0x50

[MandatoryObjects]
SupportedObjects=1
1=0x1000

[1000]
ParameterName=Device type
ObjectType=0x7
DataType=0x0007
AccessType=ro
DefaultValue=0
PDOMapping=0
)";

// vantor info: identity and counts of a description, and its objects.
#include <cstdio>
#include <iostream>
#include <sstream>
#include <vector>

#include "tools/vantor/Commands.h"
#include "tools/vantor/Json.h"
#include "tools/vantor/ValueText.h"
#include "tools/vantor/WorkingCopy.h"

namespace vantor::cli {
namespace {

constexpr uint32_t kMainEntry = 0xFF;
constexpr uint16_t kIdentityObject = 0x1018;
constexpr uint8_t kSerialNumberSub = 4;
constexpr std::size_t kPresenceMapLength = 255;

// List membership in the object record's first byte.
constexpr uint8_t kUnlisted = 0;
constexpr uint8_t kMandatory = 1;
constexpr uint8_t kOptional = 2;
constexpr uint8_t kManufacturer = 3;

struct ObjectLine {
    uint16_t index;
    std::optional<uint8_t> subIndex;
    EdsObjectRecord record;
};

struct Summary {
    EdsFileInfoRecord fileInfo{};
    EdsDeviceInfoRecord deviceInfo{};
    std::optional<std::string> serialNumber;
    std::size_t categories[4] = {};
    std::size_t segments = 0;
    std::vector<ObjectLine> objects;
};

template <std::size_t N>
std::string Text(const char (&field)[N]) {
    std::size_t length = 0;
    while (length < N && field[length]) ++length;
    return {field, length};
}

// Owns a counted list the library handed out.
class NumberList {
public:
    ~NumberList() { SysFreeString(list_); }
    EdsNumberList* out() { return &list_; }
    std::vector<uint16_t> values() const {
        std::vector<uint16_t> values;
        for (UINT i = 0; list_ && i < SysStringLen(list_); ++i) values.push_back(list_[i]);
        return values;
    }

private:
    EdsNumberList list_ = nullptr;
};

std::string Hex8(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%8.8X", value);
    return text;
}

std::optional<std::string> ReadObjects(EdsHandle h, bool withSubObjects, Summary& summary) {
    NumberList indexes;
    if (const EdsResult code = eds_GetAllObjects(h, indexes.out()); code != 0)
        return "cannot list the objects: " + DescribeCode(code);
    for (uint16_t index : indexes.values()) {
        ObjectLine main{index, std::nullopt, {}};
        if (const EdsResult code = eds_GetObject(h, index, kMainEntry, &main.record); code != 0)
            return "cannot read object " + Hex8(index).replace(2, 4, "") + ": " + DescribeCode(code);
        summary.categories[main.record.Category <= kManufacturer ? main.record.Category : kUnlisted]++;
        const std::string presence = main.record.SubNumber > 0 ? Text(main.record.DefaultValue) : "";
        if (withSubObjects) summary.objects.push_back(main);
        for (std::size_t sub = 0; sub < presence.size() && sub < kPresenceMapLength; ++sub) {
            if (presence[sub] != '1') continue;
            ObjectLine line{index, static_cast<uint8_t>(sub), {}};
            if (eds_GetObject(h, index, static_cast<uint32_t>(sub), &line.record) != 0) continue;
            if (index == kIdentityObject && sub == kSerialNumberSub) summary.serialNumber = Text(line.record.DefaultValue);
            if (withSubObjects) summary.objects.push_back(line);
        }
    }
    return std::nullopt;
}

std::optional<std::string> ReadSummary(EdsHandle h, bool withObjects, Summary& summary) {
    if (const EdsResult code = eds_GetFileInfo(h, &summary.fileInfo); code != 0)
        return "cannot read FileInfo: " + DescribeCode(code);
    if (const EdsResult code = eds_GetDeviceInfo(h, &summary.deviceInfo); code != 0)
        return "cannot read DeviceInfo: " + DescribeCode(code);
    NumberList segments;
    if (const EdsResult code = eds_GetAllDynSegments(h, segments.out()); code != 0)
        return "cannot list the dynamic segments: " + DescribeCode(code);
    summary.segments = segments.values().size();
    return ReadObjects(h, withObjects, summary);
}

void PrintField(std::string_view label, const std::string& value) {
    std::cout << label << std::string(label.size() < 22 ? 22 - label.size() : 1, ' ') << value << '\n';
}

std::string ObjectTableLine(const ObjectLine& object) {
    const EdsObjectRecord& r = object.record;
    const bool container = !object.subIndex && r.SubNumber > 0;
    char line[400];
    char sub[8] = "";
    if (object.subIndex) std::snprintf(sub, sizeof sub, "0x%2.2X", static_cast<unsigned>(*object.subIndex));
    std::snprintf(line, sizeof line, "0x%4.4X  %-4s  %-9s  %-14s  %-6s  %s", static_cast<unsigned>(object.index), sub,
                  std::string(ObjectTypeName(r.ObjectType)).c_str(),
                  container || r.DataType == 0 ? "" : DataTypeName(r.DataType).c_str(),
                  container ? "" : std::string(AccessTypeName(r.AccessType)).c_str(), Text(r.ParameterName).c_str());
    std::string text = line;
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

void PrintText(const std::string& file, const Summary& s, bool withObjects) {
    const EdsDeviceInfoRecord& d = s.deviceInfo;
    PrintField("File:", file);
    if (!Text(s.fileInfo.Description).empty()) PrintField("Description:", Text(s.fileInfo.Description));
    PrintField("Vendor:", Text(d.VendorName));
    PrintField("Vendor number:", Hex8(d.VendorNumber));
    PrintField("Product:", Text(d.ProductName));
    PrintField("Product number:", Hex8(d.ProductNumber));
    PrintField("Revision number:", Hex8(d.RevisionNumber));
    if (s.serialNumber) PrintField("Serial number:", *s.serialNumber);
    if (!Text(d.OrderCode).empty()) PrintField("Order code:", Text(d.OrderCode));
    PrintField("Mandatory objects:", std::to_string(s.categories[kMandatory]));
    PrintField("Optional objects:", std::to_string(s.categories[kOptional]));
    PrintField("Manufacturer objects:", std::to_string(s.categories[kManufacturer]));
    if (s.categories[kUnlisted] > 0) PrintField("Unlisted objects:", std::to_string(s.categories[kUnlisted]));
    PrintField("Receive PDOs:", std::to_string(d.NrOfRXPDO));
    PrintField("Transmit PDOs:", std::to_string(d.NrOfTXPDO));
    PrintField("Dynamic segments:", std::to_string(s.segments));
    if (!withObjects) return;
    std::cout << "\nIndex   Sub   Type       Data type       Access  Name\n";
    for (const ObjectLine& object : s.objects) std::cout << ObjectTableLine(object) << '\n';
}

std::string ObjectJson(const ObjectLine& object) {
    const EdsObjectRecord& r = object.record;
    const bool container = !object.subIndex && r.SubNumber > 0;
    return "{\"index\": " + std::to_string(object.index) + ", \"subIndex\": " +
           JsonNumber(object.subIndex ? std::optional<int64_t>(*object.subIndex) : std::nullopt) +
           ", \"name\": " + JsonText(Text(r.ParameterName)) +
           ", \"objectType\": " + JsonText(ObjectTypeName(r.ObjectType)) +
           ", \"dataType\": " + JsonText(container || r.DataType == 0 ? "" : DataTypeName(r.DataType)) +
           ", \"access\": " + JsonText(container ? "" : AccessTypeName(r.AccessType)) + "}";
}

void PrintJson(const std::string& file, const Summary& s, bool withObjects) {
    const EdsDeviceInfoRecord& d = s.deviceInfo;
    std::cout << "{\n  \"file\": " << JsonFileName(file) << ",\n  \"description\": " << JsonText(Text(s.fileInfo.Description))
              << ",\n  \"vendorName\": " << JsonText(Text(d.VendorName)) << ",\n  \"vendorNumber\": " << d.VendorNumber
              << ",\n  \"productName\": " << JsonText(Text(d.ProductName))
              << ",\n  \"productNumber\": " << d.ProductNumber << ",\n  \"revisionNumber\": " << d.RevisionNumber
              << ",\n  \"serialNumber\": " << (s.serialNumber ? JsonText(*s.serialNumber) : "null")
              << ",\n  \"orderCode\": " << JsonText(Text(d.OrderCode))
              << ",\n  \"mandatoryObjects\": " << s.categories[kMandatory]
              << ",\n  \"optionalObjects\": " << s.categories[kOptional]
              << ",\n  \"manufacturerObjects\": " << s.categories[kManufacturer]
              << ",\n  \"unlistedObjects\": " << s.categories[kUnlisted] << ",\n  \"receivePdos\": " << d.NrOfRXPDO
              << ",\n  \"transmitPdos\": " << d.NrOfTXPDO << ",\n  \"dynamicSegments\": " << s.segments;
    if (withObjects) {
        std::cout << ",\n  \"objects\": [";
        for (std::size_t i = 0; i < s.objects.size(); ++i)
            std::cout << (i ? ",\n" : "\n") << "    " << ObjectJson(s.objects[i]);
        std::cout << (s.objects.empty() ? "]" : "\n  ]");
    }
    std::cout << "\n}\n";
}

std::size_t CountLines(const std::string& text) {
    std::size_t lines = 0;
    for (std::size_t at = 0; (at = text.find("[Error]", at)) != std::string::npos; ++at) ++lines;
    return lines;
}

}  // namespace

int RunInfo(const Options& options) {
    const std::string& file = options.files[0];
    InputFile input;
    if (auto cause = ReadInputFile(file, input)) {
        ReportFailure(file, *cause);
        return kExitFailure;
    }
    std::string cause;
    const auto work = WorkDir::Create("", cause);
    if (!work) {
        ReportFailure(file, "cannot create a temporary directory: " + cause);
        return kExitFailure;
    }
    WorkingCopy copy;
    Summary summary;
    auto failure = LoadWorkingCopy(input, *work, work->File("work.vdsc"), "reading " + file, copy);
    if (!failure) failure = ReadSummary(copy.description->handle(), options.objects, summary);
    if (failure) {
        ReportFailure(file, *failure);
        return kExitFailure;
    }
    if (const std::size_t errors = CountLines(copy.importErrors); errors > 0)
        std::cerr << "vantor: " << file << ": " << errors << " value(s) could not be read; see 'vantor check "
                  << file << "'\n";
    if (options.format == OutputFormat::Json)
        PrintJson(file, summary, options.objects);
    else
        PrintText(file, summary, options.objects);
    return kExitClean;
}

}  // namespace vantor::cli

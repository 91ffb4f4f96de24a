#include "library/values/CopTypeConv.h"

#include <cstring>
#include <string>
#include <string_view>

#include "common/Strings.h"
#include "library/values/StrConv.h"

namespace vantor {

int CopTypeToStr(uint16_t type, const void* value, char* text) {
    if (text == nullptr) return ConvResult::InvalidFormat;
    text[0] = '\0';
    if (value == nullptr || type == DataType::Reserved23) return ConvResult::Valid;

    std::string formatted;
    const int result = FormatValue(type, static_cast<const uint8_t*>(value), formatted);
    if (result == ConvResult::Valid) CopyBounded(text, kCopTextCapacity, formatted);
    return result;
}

int StrToCopType(uint16_t type, const char* text, void* value) {
    if (value == nullptr) return ConvResult::InvalidFormat;
    uint8_t buffer[kCopValueSize] = {};
    int result = ConvResult::Valid;
    if (text != nullptr && text[0] != '\0') result = ParseValue(type, text, buffer);
    std::memcpy(value, buffer, sizeof buffer);
    return result;
}

int StrToCopType2(uint16_t type, const char* text, void* value, uint8_t high) {
    if (value == nullptr) return ConvResult::InvalidFormat;
    uint8_t buffer[kCopValueSize] = {};
    const int result = ParseValue(type, text != nullptr ? std::string_view(text) : std::string_view(), buffer);
    if (result != ConvResult::Valid) StoreTypeLimit(type, high != 0, buffer);
    std::memcpy(value, buffer, sizeof buffer);
    return result;
}

}  // namespace vantor

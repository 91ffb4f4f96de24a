#include "editor/ui/DisplayText.h"

#include <vector>

#include "vantor/platform/codepage.h"

namespace brenmoor {

QString FromRecordText(std::string_view windows1252) {
    if (windows1252.empty()) return {};
    const int length = static_cast<int>(windows1252.size());
    std::vector<WCHAR> wide(windows1252.size());
    const int units = MultiByteToWideChar(CP_1252, 0, windows1252.data(), length, wide.data(), length);
    return QString::fromUtf16(wide.data(), units);
}

std::string ToRecordText(const QString& text) {
    if (text.isEmpty()) return {};
    const auto* wide = reinterpret_cast<const WCHAR*>(text.utf16());
    const int length = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(CP_1252, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string converted(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0) WideCharToMultiByte(CP_1252, 0, wide, length, converted.data(), bytes, nullptr, nullptr);
    return converted;
}

}  // namespace brenmoor

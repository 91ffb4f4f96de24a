#include "vantor/platform/codepage.h"

#include <array>
#include <climits>
#include <cstring>
#include <string_view>

#include "Unicode.h"
#include "vantor/platform/lasterror.h"

namespace {

constexpr UINT kAnsiCodePage = 1252;

// Windows-1252 bytes 0x80 to 0x9F; the five bytes the code page leaves
// undefined map to the C1 control of the same value, as Windows maps them.
constexpr std::array<char16_t, 32> kHighControlsOf1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t UnitFrom1252(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighControlsOf1252[byte - 0x80] : static_cast<char16_t>(byte);
}

// The 1252 byte of a code point, or -1 when the code page has none.
int ByteFrom1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<int>(codePoint);
    for (size_t i = 0; i < kHighControlsOf1252.size(); ++i)
        if (kHighControlsOf1252[i] == codePoint) return static_cast<int>(0x80 + i);
    return -1;
}

bool IsKnownCodePage(UINT codePage) { return codePage == CP_ACP || codePage == kAnsiCodePage || codePage == CP_UTF8; }

// Counts the output units and stores those that fit; a conversion whose
// output does not fit fails as a whole.
template <typename Unit>
class UnitSink {
public:
    UnitSink(Unit* out, int capacity) : out_(out), capacity_(capacity) {}
    void Put(Unit unit) {
        if (capacity_ > 0 && count_ < capacity_) out_[count_] = unit;
        ++count_;
    }
    bool Overflowed() const { return capacity_ > 0 && count_ > capacity_; }
    bool TooLarge() const { return count_ > INT_MAX; }
    int Count() const { return static_cast<int>(count_); }

private:
    Unit* out_;
    int64_t capacity_;
    int64_t count_ = 0;
};

int Fail(DWORD error) {
    SetLastError(error);
    return 0;
}

template <typename Unit>
int Finish(const UnitSink<Unit>& sink) {
    if (sink.TooLarge()) return Fail(ERROR_INVALID_PARAMETER);
    if (sink.Overflowed()) return Fail(ERROR_INSUFFICIENT_BUFFER);
    return sink.Count();
}

// Decodes the whole text and encodes it into the sink; ill-formed input
// becomes U+FFFD, or fails when strict.
template <typename In, typename Unit, typename Decode, typename Encode>
int Transcode(In text, bool strict, UnitSink<Unit>& sink, Decode decode, Encode encode) {
    size_t i = 0;
    while (i < text.size()) {
        bool valid = true;
        const char32_t codePoint = decode(text, i, valid);
        if (!valid && strict) return Fail(ERROR_NO_UNICODE_TRANSLATION);
        encode(codePoint, [&](Unit unit) { sink.Put(unit); });
    }
    return Finish(sink);
}

int WideFromUtf8(DWORD flags, std::string_view text, UnitSink<WCHAR>& sink) {
    return Transcode(text, (flags & MB_ERR_INVALID_CHARS) != 0, sink, vantor::DecodeUtf8,
                     [](char32_t c, auto put) { vantor::EncodeUtf16(c, put); });
}

int AnsiToUtf16(const unsigned char* text, size_t length, UnitSink<WCHAR>& sink) {
    for (size_t i = 0; i < length; ++i) sink.Put(UnitFrom1252(text[i]));
    return Finish(sink);
}

int Utf8FromWide(DWORD flags, std::u16string_view text, UnitSink<char>& sink) {
    return Transcode(text, (flags & WC_ERR_INVALID_CHARS) != 0, sink, vantor::DecodeUtf16,
                     [](char32_t c, auto put) { vantor::EncodeUtf8(c, put); });
}

int Utf16ToAnsi(std::u16string_view text, char defaultChar, BOOL* usedDefault, UnitSink<char>& sink) {
    bool substituted = false;
    size_t i = 0;
    while (i < text.size()) {
        bool valid = true;
        const int byte = ByteFrom1252(vantor::DecodeUtf16(text, i, valid));
        if (byte < 0 || !valid) substituted = true;
        sink.Put(byte < 0 || !valid ? defaultChar : static_cast<char>(byte));
    }
    const int result = Finish(sink);
    if (result != 0 && usedDefault) *usedDefault = substituted ? TRUE : FALSE;
    return result;
}

}  // namespace

UINT GetACP() { return kAnsiCodePage; }

int MultiByteToWideChar(UINT CodePage, DWORD dwFlags, const char* lpMultiByteStr, int cbMultiByte, WCHAR* lpWideCharStr,
                        int cchWideChar) {
    if (!lpMultiByteStr || cbMultiByte == 0 || cbMultiByte < -1 || cchWideChar < 0 ||
        (cchWideChar > 0 && !lpWideCharStr) || !IsKnownCodePage(CodePage))
        return Fail(ERROR_INVALID_PARAMETER);
    const DWORD allowed = CodePage == CP_UTF8 ? MB_ERR_INVALID_CHARS
                                              : MB_PRECOMPOSED | MB_COMPOSITE | MB_USEGLYPHCHARS | MB_ERR_INVALID_CHARS;
    if (dwFlags & ~allowed) return Fail(ERROR_INVALID_FLAGS);
    const size_t length = cbMultiByte == -1 ? std::strlen(lpMultiByteStr) + 1 : static_cast<size_t>(cbMultiByte);
    UnitSink<WCHAR> sink(lpWideCharStr, cchWideChar);
    if (CodePage == CP_UTF8) return WideFromUtf8(dwFlags, std::string_view(lpMultiByteStr, length), sink);
    return AnsiToUtf16(reinterpret_cast<const unsigned char*>(lpMultiByteStr), length, sink);
}

int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, const WCHAR* lpWideCharStr, int cchWideChar, char* lpMultiByteStr,
                        int cbMultiByte, const char* lpDefaultChar, BOOL* lpUsedDefaultChar) {
    if (!lpWideCharStr || cchWideChar == 0 || cchWideChar < -1 || cbMultiByte < 0 ||
        (cbMultiByte > 0 && !lpMultiByteStr) || !IsKnownCodePage(CodePage))
        return Fail(ERROR_INVALID_PARAMETER);
    size_t length = static_cast<size_t>(cchWideChar);
    if (cchWideChar == -1) {
        length = 0;
        while (lpWideCharStr[length]) ++length;
        ++length;
    }
    if (CodePage == CP_UTF8) {
        if (lpDefaultChar || lpUsedDefaultChar) return Fail(ERROR_INVALID_PARAMETER);
        if (dwFlags & ~WC_ERR_INVALID_CHARS) return Fail(ERROR_INVALID_FLAGS);
        UnitSink<char> sink(lpMultiByteStr, cbMultiByte);
        return Utf8FromWide(dwFlags, std::u16string_view(lpWideCharStr, length), sink);
    }
    if (dwFlags & ~(WC_COMPOSITECHECK | WC_NO_BEST_FIT_CHARS)) return Fail(ERROR_INVALID_FLAGS);
    UnitSink<char> sink(lpMultiByteStr, cbMultiByte);
    return Utf16ToAnsi(std::u16string_view(lpWideCharStr, length), lpDefaultChar ? *lpDefaultChar : '?', lpUsedDefaultChar, sink);
}

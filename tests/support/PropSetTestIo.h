// Moving a property set (a section, a dictionary entry or list) through its
// EDS text, its compound-file stream and its error report, for the tests of
// the layers built on property sets.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/fields/EdsProp.h"
#include "library/storage/ComPtr.h"
#include "library/storage/Streams.h"
#include "vantor/platform.h"

namespace vantor::test {

inline std::string Content(CStream& stream) {
    std::string content(static_cast<std::size_t>(stream.GetSize()), '\0');
    stream.Seek(0, kSeekBegin);
    if (!content.empty()) stream.Read(content.data(), static_cast<int32_t>(content.size()));
    return content;
}

// Reads the key lines of a section (what follows its header line).
inline DWORD ReadSection(CEdsPropSet& set, std::string_view text) {
    CMemoryStream stream;
    stream.Write(text.data(), static_cast<int32_t>(text.size()));
    stream.Seek(0, kSeekBegin);
    return set.ReadSectionText(&stream);
}

// The section as the library writes it: format mask 2, configuration-only
// keys when all is set.
inline std::string WriteSection(CEdsPropSet& set, bool all, uint32_t mask = kFormat2) {
    CMemoryStream stream;
    EXPECT_EQ(set.WriteSectionText(&stream, mask, all), ERROR_SUCCESS);
    return Content(stream);
}

// The keys of the key=value lines of a written section, in order.
inline std::vector<std::string> KeysOf(const std::string& text) {
    std::vector<std::string> keys;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        const std::string line = text.substr(start, end - start);
        if (line.find('=') != std::string::npos && line[0] != ';') keys.push_back(line.substr(0, line.find('=')));
    }
    return keys;
}

inline std::string ErrorLines(CEdsPropSet& set) {
    CMemoryStream stream;
    EXPECT_EQ(set.ReportErrors(&stream), ERROR_SUCCESS);
    return Content(stream);
}

// Saves from into a stream of a temporary compound file, then loads that
// stream, opened anew, into to.
inline void StoreAndLoad(CEdsPropSet& from, CEdsPropSet& to) {
    constexpr DWORD kMode = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;
    ComPtr<IStorage> root;
    ASSERT_EQ(StgCreateDocfile(nullptr, STGM_CREATE | STGM_DELETEONRELEASE | kMode, 0, root.ReleaseAndGetAddressOf()),
              S_OK);
    ComPtr<IStream> stream;
    ASSERT_EQ(root->CreateStream(u"PropertySet", STGM_CREATE | kMode, 0, 0, stream.ReleaseAndGetAddressOf()), S_OK);
    ASSERT_EQ(from.SaveToStorageStream(stream.Get()), ERROR_SUCCESS);
    stream.Reset();
    ASSERT_EQ(root->OpenStream(u"PropertySet", nullptr, kMode, 0, stream.ReleaseAndGetAddressOf()), S_OK);
    ASSERT_EQ(to.LoadFromStorageStream(stream.Get()), ERROR_SUCCESS);
}

// A record that is not all zeros, to see that to-record clears it.
template <class Record>
void Scribble(Record& record) {
    std::memset(&record, 0xA5, sizeof record);
}

template <class Record>
bool SameBytes(const Record& a, const Record& b) {
    return std::memcmp(&a, &b, sizeof(Record)) == 0;
}

// The text of a key as GetTextByKey gives it, "<none>" for no text.
inline std::string TextOf(CEdsPropSet& set, std::string_view key) {
    std::optional<std::string> text;
    EXPECT_EQ(set.GetTextByKey(key, text), ERROR_SUCCESS) << key;
    return text.value_or("<none>");
}

}  // namespace vantor::test

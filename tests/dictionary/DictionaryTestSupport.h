// Moving dictionary entries and lists through EDS text and compound-file
// streams, for the dictionary tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

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

// The section as the library writes it: format mask 2; a configuration file
// sets all.
inline std::string WriteSection(CEdsPropSet& set, bool all) {
    CMemoryStream stream;
    EXPECT_EQ(set.WriteSectionText(&stream, kFormat2, all), ERROR_SUCCESS);
    return Content(stream);
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
    ASSERT_EQ(root->CreateStream(u"Entry", STGM_CREATE | kMode, 0, 0, stream.ReleaseAndGetAddressOf()), S_OK);
    ASSERT_EQ(from.SaveToStorageStream(stream.Get()), ERROR_SUCCESS);
    stream.Reset();
    ASSERT_EQ(root->OpenStream(u"Entry", nullptr, kMode, 0, stream.ReleaseAndGetAddressOf()), S_OK);
    ASSERT_EQ(to.LoadFromStorageStream(stream.Get()), ERROR_SUCCESS);
}

inline std::string TextOf(CEdsPropSet& set, std::string_view key) {
    std::optional<std::string> text;
    EXPECT_EQ(set.GetTextByKey(key, text), ERROR_SUCCESS) << key;
    return text.value_or("<none>");
}

}  // namespace vantor::test

// The recent-file list, its menu captions and its settings, and the node
// helpers of the tree.
#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "editor/ui/RecentFileList.h"
#include "editor/ui/TreeNodes.h"

namespace brenmoor {
namespace {

TEST(RecentFileList, KeepsFourEntriesDroppingTheOldest) {
    CRecentFileList list;
    for (const char* path : {"/a.eds", "/b.eds", "/c.eds", "/d.eds", "/e.eds"}) list.Add(QString::fromLatin1(path));
    EXPECT_EQ(list.Entries(), QStringList({"/b.eds", "/c.eds", "/d.eds", "/e.eds"}));
    EXPECT_TRUE(list.Contains(QStringLiteral("/c.eds")));
    EXPECT_FALSE(list.Contains(QStringLiteral("/C.eds")));
    EXPECT_EQ(list.At(0), QStringLiteral("/b.eds"));
    EXPECT_EQ(list.At(4), std::nullopt);
    list.RemoveAt(1);
    EXPECT_EQ(list.Entries(), QStringList({"/b.eds", "/d.eds", "/e.eds"}));
}

TEST(RecentFileList, CaptionsShortenLongPathsAndShowAmpersands) {
    const QString whole = QStringLiteral("/home/user/projects/devices/halvard/drive123.eds");
    ASSERT_EQ(whole.size(), 48);
    EXPECT_EQ(CRecentFileList::Caption(1, whole), "&1  " + whole);
    const QString longer = QStringLiteral("/home/user/projects/devices/halvard/drive1234.eds");
    EXPECT_EQ(CRecentFileList::Caption(2, longer), "&2  /home/user/projects/devices/.../drive1234.eds");
    EXPECT_EQ(CRecentFileList::Caption(3, QStringLiteral("/tmp/R&D.eds")), "&3  /tmp/R&&D.eds");
}

TEST(RecentFileList, IsWrittenAndReadAsNumberedValuesSkippingEmptyOnes) {
    ClearEditorSettings();
    {
        CSettingsStore settings;
        settings.beginGroup(QStringLiteral("Recent File List"));
        settings.setValue(QStringLiteral("File1"), QStringLiteral("/one.eds"));
        settings.setValue(QStringLiteral("File2"), QString());
        settings.setValue(QStringLiteral("File4"), QStringLiteral("/four.eds"));
        settings.setValue(QStringLiteral("File9"), QStringLiteral("/nine.eds"));
        settings.endGroup();
    }
    CRecentFileList list;
    CSettingsStore settings;
    list.Read(settings);
    EXPECT_EQ(list.Entries(), QStringList({"/one.eds", "/four.eds"}));
    list.Write(settings);
    settings.beginGroup(QStringLiteral("Recent File List"));
    EXPECT_EQ(settings.childKeys(), QStringList({"File1", "File2"}));
    EXPECT_EQ(settings.value(QStringLiteral("File2")).toString(), "/four.eds");
    settings.endGroup();
    ClearEditorSettings();
}

TEST(TreeNodes, KindsTextsAndPartners) {
    EXPECT_EQ(KindOfNode(true, QStringLiteral("Reserved Area"), 0), NodeKind::Area);
    EXPECT_EQ(KindOfNode(true, QStringLiteral("Dynamic Channels"), 0), NodeKind::DynChannels);
    EXPECT_EQ(KindOfNode(false, QStringLiteral("x"), 512), NodeKind::Segment);
    EXPECT_EQ(KindOfNode(false, QStringLiteral("x"), 0x80001018), NodeKind::Object);
    EXPECT_EQ(KindOfNode(false, QStringLiteral("x"), 0x0FFF), NodeKind::None);
    EXPECT_EQ(ObjectNodeText(0xa05, QStringLiteral("x")), "0A05 - x");
    EXPECT_EQ(SegmentNodeText(5, 2), "Unsigned 8 - ro");
    EXPECT_EQ(SegmentNodeText(99, 1), "<empty> - <empty>");
    EXPECT_EQ(AreaOf(0x0FFF), nullptr);
    EXPECT_STREQ(AreaOf(0x5FFF)->text, "Manufacturer Specific Profile Area");
    EXPECT_EQ(PdoPartner(0x1401), 0x1601u);
    EXPECT_EQ(PdoPartner(0x1A05), 0x1805u);
    EXPECT_EQ(PdoPartner(0x19FF), 0x1BFFu);
    EXPECT_EQ(PdoPartner(0x1C00), std::nullopt);
}

}  // namespace
}  // namespace brenmoor

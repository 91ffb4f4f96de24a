// The main window's tree commands: deleting objects with their PDO
// partners and segments, Insert and Delete per node kind, the dialogs'
// results, the object view hook and the recent-file list.
#include <gtest/gtest.h>

#include <QFocusEvent>
#include <QFormLayout>
#include <QTest>

#include "Fixtures.h"
#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "editor/document/CodeTables.h"
#include "editor/document/RecordKinds.h"
#include "editor/ui/DisplayText.h"

namespace brenmoor {
namespace {

bool HasObject(CEdsStore& document, unsigned index) {
    std::vector<uint16_t> indexes;
    document.AllObjects(indexes);
    return std::find(indexes.begin(), indexes.end(), index) != indexes.end();
}

EdsObjectRecord Variable(const char* name) {
    EdsObjectRecord record{};
    StoreFormText(record.ParameterName, QString::fromLatin1(name));
    record.ObjectType = kObjectVar;
    record.AccessType = kAccessRw;
    record.DataType = kUnsigned32;
    StoreFormText(record.DefaultValue, QStringLiteral("0"));
    return record;
}

void AddVariable(CEdsStore& document, unsigned index, const char* name) {
    const EdsObjectRecord record = Variable(name);
    ASSERT_EQ(document.AddRecord(kKindObject, ObjectKey(index, kMainEntry), &record), 0u) << std::hex << index;
}

// A stand-in for the object form: the parameter name of the main entry.
class NameForm : public CEdsForm {
public:
    NameForm() : edtName(new QLineEdit) {
        auto* layout = new QFormLayout(Content());
        layout->addRow(QStringLiteral("Parameter Name:"), edtName);
        TrackEdits(edtName);
    }
    QLineEdit* edtName;
};

class NameView : public CKeyedView {
public:
    CEdsForm* GetForm() override { return form.get(); }
    void SetKey(uint32_t key) override { key_ = key; }
    uint32_t Key() const override { return key_; }
    QString CurrentNodeText() override { return ObjectNodeText(key_, form->edtName->text()); }

    EdsResult ReadFromStore() override {
        return ReadRecord<EdsObjectRecord>(kKindObject, ObjectKey(key_, kMainEntry), [this](const EdsObjectRecord& record) {
            form->edtName->setText(FormText(record.ParameterName));
        });
    }
    EdsResult WriteToStore() override {
        EdsObjectRecord stored{};
        if (const EdsResult code = GetRecord(kKindObject, ObjectKey(key_, kMainEntry), &stored); code != 0) return code;
        return WriteRecord<EdsObjectRecord>(kKindObject, ObjectKey(key_, kMainEntry), [&](EdsObjectRecord& record) {
            record = stored;
            StoreFormText(record.ParameterName, form->edtName->text());
        });
    }

    OwnedForm<NameForm> form;

private:
    uint32_t key_ = 0;
};

class TreeCommands : public MainWindowTest {
protected:
    void OpenDevice() { ASSERT_TRUE(window->OpenFile(Write(QStringLiteral("device.eds"), kDeviceEds))); }

    void DeleteSelected(QMessageBox::StandardButton answer, QString* question = nullptr) {
        ModalDriver user;
        user.Press(answer);
        window->MenuDelClick();
        ASSERT_EQ(user.Shown().size(), 1u);
        if (question) *question = user.Shown()[0].text;
    }
};

TEST_F(TreeCommands, DeletingAPdoObjectDeletesItsPartner) {
    OpenDevice();
    CEdsStore& document = *window->Document();
    ASSERT_TRUE(Select(Object(0x1401)));
    QString question;
    DeleteSelected(QMessageBox::No, &question);
    EXPECT_EQ(question, "Do you really want to delete index 1401 (hex) ?");
    EXPECT_NE(Object(0x1401), nullptr);

    DeleteSelected(QMessageBox::Yes);
    EXPECT_EQ(Object(0x1401), nullptr);
    EXPECT_EQ(Object(0x1601), nullptr);
    EXPECT_FALSE(HasObject(document, 0x1401));
    EXPECT_FALSE(HasObject(document, 0x1601));
    EXPECT_EQ(Current(), Object(0x1805));

    ASSERT_TRUE(Select(Object(0x1A05)));
    DeleteSelected(QMessageBox::Yes, &question);
    EXPECT_EQ(question, "Do you really want to delete index 1A05 (hex) ?");
    EXPECT_EQ(Object(0x1A05), nullptr);
    EXPECT_EQ(Object(0x1805), nullptr);
    EXPECT_FALSE(HasObject(document, 0x1805));

    ASSERT_TRUE(Select(Object(0x1C00)));
    DeleteSelected(QMessageBox::Yes);
    EXPECT_EQ(Texts(Root("Communication Profile Area")),
              QStringList({"1000 - Device type", "1001 - Error register", "1018 - Identity object"}));
    // The last child goes: its predecessor takes over.
    EXPECT_EQ(Current(), Object(0x1018));
    EXPECT_TRUE(window->IsModified());
}

TEST_F(TreeCommands, DeletingTheOnlyChildOfAnAreaSelectsTheAreaAndClosesIt) {
    OpenDevice();
    CTreeNode* area = Root("Manufacturer Specific Profile Area");
    area->setExpanded(true);
    ASSERT_TRUE(Select(Object(0x2000)));
    DeleteSelected(QMessageBox::Yes);
    EXPECT_EQ(Current(), area);
    EXPECT_FALSE(area->isExpanded());
    EXPECT_EQ(area->childCount(), 0);
    EXPECT_FALSE(window->MenuDel->isEnabled());
}

TEST_F(TreeCommands, DeletingASegmentAsksWithItsText) {
    OpenDevice();
    ASSERT_TRUE(Select(Root("Dynamic Channels")->child(1)));
    QString question;
    DeleteSelected(QMessageBox::Yes, &question);
    EXPECT_EQ(question, "Do you really want to delete dynamic segment Unsigned32 - rww ?");
    std::vector<uint16_t> segments;
    window->Document()->AllSegments(segments);
    EXPECT_EQ(segments, std::vector<uint16_t>({1}));
    EXPECT_EQ(Texts(Root("Dynamic Channels")), QStringList({"Unsigned 8 - ro"}));
}

TEST_F(TreeCommands, InsertAndDeleteKeysActByNodeKind) {
    int newObjects = 0;
    int newSegments = 0;
    MainDialogs dialogs;
    dialogs.newObject = [&](QWidget&, QPoint, CEdsStore&) -> std::optional<unsigned> {
        ++newObjects;
        return std::nullopt;
    };
    dialogs.newDynSegment = [&](QWidget&, QPoint, CEdsStore&) -> std::optional<unsigned> {
        ++newSegments;
        return std::nullopt;
    };
    window->SetDialogs(dialogs);
    OpenDevice();
    CEdsTreeView& tree = window->Tree();

    for (const char* section : {"File Info", "Device Info", "Dummy Usage"}) {
        ASSERT_TRUE(Select(Root(section)));
        ModalDriver user;
        QTest::keyClick(&tree, Qt::Key_Insert);
        QTest::keyClick(&tree, Qt::Key_Delete, Qt::ShiftModifier);
        EXPECT_TRUE(user.Shown().empty()) << section;
    }
    EXPECT_EQ(newObjects + newSegments, 0);

    ASSERT_TRUE(Select(Root("Reserved Area")));
    QTest::keyClick(&tree, Qt::Key_Insert);
    EXPECT_EQ(newObjects, 1);
    ASSERT_TRUE(Select(Object(0x1000)));
    QTest::keyClick(&tree, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(newObjects, 2);
    ASSERT_TRUE(Select(Root("Dynamic Channels")));
    QTest::keyClick(&tree, Qt::Key_Insert);
    EXPECT_EQ(newSegments, 1);
    ASSERT_TRUE(Select(Root("Dynamic Channels")->child(0)));
    QTest::keyClick(&tree, Qt::Key_Insert);
    EXPECT_EQ(newSegments, 2);

    {
        ModalDriver user;
        user.Press(QMessageBox::No);
        QTest::keyClick(&tree, Qt::Key_Delete);
        EXPECT_EQ(user.Texts(), std::vector<QString>({"Do you really want to delete dynamic segment Unsigned 8 - ro ?"}));
    }
    {
        ASSERT_TRUE(Select(Object(0x1000)));
        ModalDriver user;
        user.Press(QMessageBox::No);
        QTest::keyClick(&tree, Qt::Key_Delete);
        EXPECT_EQ(user.Texts(), std::vector<QString>({"Do you really want to delete index 1000 (hex) ?"}));
    }
}

TEST_F(TreeCommands, ANewObjectIsInsertedAndSelectedOrRolledBackWithoutOlderPartners) {
    std::optional<unsigned> created;
    MainDialogs dialogs;
    dialogs.newObject = [&](QWidget& owner, QPoint at, CEdsStore& document) -> std::optional<unsigned> {
        EXPECT_EQ(&owner, window.get());
        EXPECT_EQ(at.x(), window->frameGeometry().left() + 170);
        if (created == 0x1402u) AddVariable(document, 0x1402, "New PDO parameter");
        if (created == 0x1404u) AddVariable(document, 0x1604, "Made with it");
        return created;
    };
    window->SetDialogs(dialogs);
    OpenDevice();
    CEdsStore& document = *window->Document();

    created = 0x1402;
    window->MenuNewObjClick();
    EXPECT_EQ(Current(), Object(0x1402));
    EXPECT_EQ(Current()->text(0), "1402 - New PDO parameter");

    // No node can be made for an object that is not there: the partner
    // that existed before stays, one made with it goes.
    AddVariable(document, 0x1603, "Older mapping");
    created = 0x1403;
    window->MenuNewObjClick();
    EXPECT_TRUE(HasObject(document, 0x1603));
    created = 0x1404;
    window->MenuNewObjClick();
    EXPECT_FALSE(HasObject(document, 0x1604));
    EXPECT_EQ(Current(), Object(0x1402));
}

TEST_F(TreeCommands, TheObjectViewHookShowsEditsInTheTreeAndStoresThem) {
    auto view = std::make_unique<NameView>();
    NameView& names = *view;
    window->SetObjectView(std::move(view));
    std::optional<unsigned> copiedFrom;
    MainDialogs dialogs;
    dialogs.copyObject = [&](QWidget&, QPoint, CEdsStore& document, unsigned source) -> std::optional<unsigned> {
        copiedFrom = source;
        AddVariable(document, 0x2001, "Copy");
        return 0x2001;
    };
    window->SetDialogs(dialogs);
    OpenDevice();

    ASSERT_TRUE(Select(Object(0x2000)));
    EXPECT_EQ(window->CurrentView(), &names);
    EXPECT_TRUE(names.form->isVisible());
    EXPECT_EQ(names.form->edtName->text(), "Debounce time");
    names.form->edtName->setText(QStringLiteral("Filter time"));
    QFocusEvent focus(QEvent::FocusIn, Qt::OtherFocusReason);
    QApplication::sendEvent(&window->Tree(), &focus);
    EXPECT_EQ(Object(0x2000)->text(0), "2000 - Filter time");

    window->MenuCopyObjClick();
    EXPECT_EQ(copiedFrom, 0x2000u);
    EXPECT_EQ(Current(), Object(0x2001));
    EdsObjectRecord stored{};
    ASSERT_EQ(window->Document()->GetRecord(kKindObject, ObjectKey(0x2000, kMainEntry), &stored), 0u);
    EXPECT_EQ(FormText(stored.ParameterName), "Filter time");
}

TEST_F(TreeCommands, TheDeviceInformationStoreBringsTheIdentityObjectIntoTheTree) {
    ASSERT_TRUE(window->NewDocument());
    window->TreeViewInitialize();
    // The new description's device information made the identity object.
    ASSERT_NE(Object(0x1018), nullptr);
    CEdsStore& document = *window->Document();
    ASSERT_EQ(document.RemoveRecord(kKindObject, ObjectKey(0x1018, kMainEntry)), 0u);
    window->TreeViewDeleteNode(Object(0x1018));
    ASSERT_EQ(Object(0x1018), nullptr);

    ASSERT_TRUE(Select(Root("Device Info")));
    window->DeviceInfoView().Form().edtVendorNumber->setText(QStringLiteral("939"));
    ASSERT_TRUE(Select(Root("Dummy Usage")));
    EdsObjectRecord identity{};
    ASSERT_EQ(document.GetRecord(kKindObject, ObjectKey(0x1018, kMainEntry), &identity), 0u);
    ASSERT_NE(Object(0x1018), nullptr);
    EXPECT_EQ(Object(0x1018)->text(0), ObjectNodeText(0x1018, FormText(identity.ParameterName)));
}

TEST_F(TreeCommands, TheRecentFileListKeepsFourFilesNewestFirstInTheMenu) {
    QStringList paths;
    for (int i = 1; i <= 5; ++i) paths.append(Write(QStringLiteral("r%1.eds").arg(i), kDeviceEds));
    for (const QString& path : paths) ASSERT_TRUE(window->OpenFile(path));
    EXPECT_EQ(window->RecentFiles().Entries(), paths.mid(1));

    ASSERT_EQ(window->HistoryItems.size(), 4u);
    EXPECT_EQ(window->HistoryItems[0]->text(), "&1  " + paths[4]);
    EXPECT_EQ(window->HistoryItems[3]->text(), "&4  " + paths[1]);
    const QList<QAction*> items = window->MenuFile->actions();
    EXPECT_EQ(items.indexOf(window->HistoryItems[0]), 6);
    EXPECT_EQ(items.indexOf(window->HistoryItems[3]), 9);

    // Re-opening a listed file neither duplicates nor reorders it.
    ASSERT_TRUE(window->OpenFile(paths[2]));
    EXPECT_EQ(window->RecentFiles().Entries(), paths.mid(1));
    ASSERT_TRUE(window->CloseDocument(false));
    CSettingsStore settings;
    settings.beginGroup(QStringLiteral("Recent File List"));
    EXPECT_EQ(settings.value(QStringLiteral("File1")).toString(), paths[1]);
    EXPECT_EQ(settings.value(QStringLiteral("File4")).toString(), paths[4]);
    settings.endGroup();

    // An entry whose file vanished goes when it is chosen.
    ASSERT_TRUE(QFile::remove(paths[3]));
    {
        ModalDriver user;
        window->HistoryItems[1]->trigger();
        EXPECT_EQ(user.Texts(), std::vector<QString>({"The file selected does not exist !"}));
    }
    EXPECT_EQ(window->RecentFiles().Entries(), QStringList({paths[1], paths[2], paths[4]}));
    ASSERT_EQ(window->HistoryItems.size(), 3u);
    EXPECT_EQ(window->HistoryItems[0]->text(), "&1  " + paths[4]);

    window->HistoryItems[2]->trigger();
    EXPECT_EQ(window->Path(), paths[1]);

    // The next window reads the list when it is first shown.
    window = std::make_unique<TEdsMainForm>();
    EXPECT_TRUE(window->RecentFiles().Entries().isEmpty());
    window->show();
    EXPECT_EQ(window->RecentFiles().Entries(), QStringList({paths[1], paths[2], paths[4]}));
    EXPECT_TRUE(SaveScreenshot(*window->MenuFile, QStringLiteral("menu-file-recent")));
}

TEST_F(TreeCommands, ACorpusDescriptionIsWalkedSavedAndReopenedUnchanged) {
    const QDir corpus(QStringLiteral(VANTOR_CORPUS_DIR));
    if (!corpus.exists()) GTEST_SKIP() << "no corpus at " << VANTOR_CORPUS_DIR;
    const QString original = corpus.filePath(QStringLiteral("canopennode_IO.eds"));
    if (!QFileInfo::exists(original)) GTEST_SKIP() << "canopennode_IO.eds is not in the corpus";
    const QString copy = PathOf(QStringLiteral("io.eds"));
    ASSERT_TRUE(QFile::copy(original, copy));

    ModalDriver user;
    ASSERT_TRUE(window->OpenFile(copy));
    QStringList before;
    for (QTreeWidgetItemIterator it(&window->Tree()); *it; ++it) {
        before.append((*it)->text(0));
        ASSERT_TRUE(Select(*it)) << (*it)->text(0).toStdString();
    }
    EXPECT_GT(before.size(), 20);
    EXPECT_TRUE(SaveScreenshot(*window, QStringLiteral("main-window-corpus")));

    const QString saved = PathOf(QStringLiteral("saved.eds"));
    user.ChooseFile(saved);
    ASSERT_TRUE(window->SaveDocument(true));
    ASSERT_TRUE(window->OpenFile(saved));
    QStringList after;
    for (QTreeWidgetItemIterator it(&window->Tree()); *it; ++it) after.append((*it)->text(0));
    EXPECT_EQ(after, before);
}

}  // namespace
}  // namespace brenmoor

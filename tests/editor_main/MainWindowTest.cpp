// The main window driven offscreen: start-up, opening into the tree, the
// forms of the nodes, saving and reopening, closing, commands and
// messages.
#include <gtest/gtest.h>

#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "Fixtures.h"
#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "editor/document/RecordKinds.h"
#include "editor/ui/DisplayText.h"
#include "vantor/platform/files.h"

namespace brenmoor {
namespace {

QStringList Captions(const QMenu& menu) {
    QStringList captions;
    for (const QAction* item : menu.actions()) captions.append(item->isSeparator() ? QStringLiteral("-") : item->text());
    return captions;
}

EdsDeviceInfoRecord DeviceInfo(CEdsStore& document) {
    EdsDeviceInfoRecord record{};
    EXPECT_EQ(document.GetRecord(kKindDeviceInfo, 0, &record), 0u);
    return record;
}

class MainWindowFlow : public MainWindowTest {
protected:
    QString OpenDevice(const QString& name = QStringLiteral("device.eds")) {
        const QString path = Write(name, kDeviceEds);
        EXPECT_TRUE(window->OpenFile(path));
        return path;
    }
};

TEST_F(MainWindowFlow, StartsWithoutADocumentAndItsCommandsAsTheMenusGiveThem) {
    EXPECT_EQ(window->windowTitle(), "Halvard");
    EXPECT_EQ(window->Document(), nullptr);
    EXPECT_EQ(window->Tree().topLevelItemCount(), 0);
    EXPECT_EQ(Captions(*window->MenuFile),
              QStringList({"&New", "&Open...", "-", "&Save", "Save &As...", "-", "-", "E&xit"}));
    EXPECT_EQ(Captions(*window->MenuEdit), QStringList({"&New Object", "&Copy Object", "-", "&Add PDOs", "-",
                                                        "New Dynamic &Segment", "-", "&Delete"}));
    EXPECT_EQ(Captions(*window->MenuHelp), QStringList({"&Contents", "Search for Help on...", "-", "&About"}));
    EXPECT_FALSE(window->MenuContents->isVisible());
    EXPECT_FALSE(window->MenuSearchHelp->isVisible());
    EXPECT_EQ(Captions(*window->TreeViewPopUp), Captions(*window->MenuEdit));

    for (QAction* enabled : {window->MenuNew, window->MenuOpen, window->MenuExit, window->MenuAbout,
                             window->ToolBtnNew, window->ToolBtnOpen})
        EXPECT_TRUE(enabled->isEnabled()) << enabled->text().toStdString();
    for (QAction* disabled : {window->MenuSave, window->MenuSaveAs, window->MenuNewObj, window->MenuCopyObj,
                              window->MenuAddPDO, window->MenuNewDynSeg, window->MenuDel, window->ToolBtnSave,
                              window->ToolBtnNewObj, window->ToolBtnCopyObj, window->ToolBtnAddPDO,
                              window->ToolBtnNewDynSeg, window->ToolBtnDelete})
        EXPECT_FALSE(disabled->isEnabled()) << disabled->text().toStdString();

    QStringList hints;
    for (const QAction* button : window->ToolBar->actions())
        hints.append(button->isSeparator() ? QStringLiteral("-") : button->toolTip());
    EXPECT_EQ(hints, QStringList({"New", "Open", "Save", "-", "New Object", "Copy Object", "-", "Add PDO", "-",
                                  "New Dynamic Segment", "-", "Delete"}));
    EXPECT_EQ(window->MenuNew->shortcut(), QKeySequence(QKeySequence::New));
    EXPECT_EQ(window->MenuSaveAs->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    EXPECT_EQ(window->MenuExit->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    EXPECT_TRUE(window->MenuDel->shortcut().isEmpty());
    EXPECT_TRUE(SaveScreenshot(*window, QStringLiteral("main-window-empty")));
}

TEST_F(MainWindowFlow, OpeningBuildsTheTreeOfSectionsAreasObjectsAndSegments) {
    const QString path = OpenDevice();
    EXPECT_EQ(window->windowTitle(), "Halvard - " + path);
    EXPECT_EQ(window->Path(), path);
    ASSERT_EQ(window->Tree().topLevelItemCount(), 8);
    QStringList roots;
    for (int i = 0; i < 8; ++i) roots.append(window->Tree().topLevelItem(i)->text(0));
    EXPECT_EQ(roots, QStringList({"File Info", "Device Info", "Dummy Usage", "Communication Profile Area",
                                  "Manufacturer Specific Profile Area", "Standardised Device Profile Area",
                                  "Reserved Area", "Dynamic Channels"}));
    EXPECT_EQ(Texts(Root("Communication Profile Area")),
              QStringList({"1000 - Device type", "1001 - Error register", "1018 - Identity object",
                           "1401 - RPDO communication", "1601 - RPDO mapping", "1805 - TPDO communication",
                           "1A05 - TPDO mapping", "1C00 - Odd object"}));
    EXPECT_EQ(Texts(Root("Manufacturer Specific Profile Area")), QStringList({"2000 - Debounce time"}));
    EXPECT_EQ(Texts(Root("Dynamic Channels")), QStringList({"Unsigned 8 - ro", "Unsigned32 - rww"}));
    EXPECT_EQ(Object(0x1000)->Data(), 0x1000u);
    EXPECT_EQ(Object(0x6000)->Data(), 0x80006000u);
    EXPECT_EQ(Object(0x1018)->Data(), 0x80001018u);
    EXPECT_EQ(Root("Dynamic Channels")->child(1)->data(0, Qt::UserRole).toUInt(), 2u);

    // Objects with and without sub-indexes, closed and opened roots have
    // their own pictures.
    const auto picture = [](const QTreeWidgetItem* node) { return node->icon(0).pixmap(16, 16).toImage(); };
    EXPECT_NE(picture(Object(0x1000)), picture(Object(0x6000)));
    QTreeWidgetItem* area = Root("Communication Profile Area");
    const QImage closed = picture(area);
    area->setExpanded(true);
    EXPECT_NE(picture(area), closed);
    EXPECT_EQ(closed, picture(Root("Device Info")));
    EXPECT_NE(picture(area), picture(Root("Device Info")));

    EXPECT_EQ(Current(), Root("File Info"));
    EXPECT_EQ(window->CurrentView(), &window->FileInfoView());
    EXPECT_TRUE(window->FileInfoView().Form().isVisible());
    EXPECT_FALSE(window->IsModified());
    EXPECT_TRUE(window->MenuSave->isEnabled());
    EXPECT_FALSE(window->MenuDel->isEnabled());
    EXPECT_EQ(window->RecentFiles().Entries(), QStringList({path}));
    EXPECT_TRUE(window->StatusText().isEmpty());
    EXPECT_TRUE(SaveScreenshot(*window, QStringLiteral("main-window-file-info")));
}

TEST_F(MainWindowFlow, EachNodeShowsItsFormAndTheCommandsFollowTheNode) {
    OpenDevice();
    ASSERT_TRUE(Select(Root("Device Info")));
    EXPECT_EQ(window->CurrentView(), &window->DeviceInfoView());
    EXPECT_TRUE(window->DeviceInfoView().Form().isVisible());
    EXPECT_FALSE(window->FileInfoView().Form().isVisible());
    EXPECT_TRUE(SaveScreenshot(*window, QStringLiteral("main-window-device-info")));

    ASSERT_TRUE(Select(Root("Dummy Usage")));
    EXPECT_EQ(window->CurrentView(), &window->DummyUsageView());
    EXPECT_TRUE(SaveScreenshot(*window, QStringLiteral("main-window-dummy-usage")));

    ASSERT_TRUE(Select(Root("Communication Profile Area")));
    EXPECT_EQ(window->CurrentView(), nullptr);
    EXPECT_FALSE(window->MenuDel->isEnabled());

    ASSERT_TRUE(Select(Object(0x1018)));
    EXPECT_TRUE(window->MenuDel->isEnabled());
    EXPECT_TRUE(window->MenuCopyObj->isEnabled());
    EXPECT_TRUE(window->ToolBtnDelete->isEnabled());
    EXPECT_TRUE(window->TreeViewPopUp->actions().value(1)->isEnabled());

    ASSERT_TRUE(Select(Root("Dynamic Channels")->child(0)));
    EXPECT_TRUE(window->MenuDel->isEnabled());
    EXPECT_FALSE(window->MenuCopyObj->isEnabled());
    EXPECT_FALSE(window->ToolBtnCopyObj->isEnabled());
    EXPECT_FALSE(window->TreeViewPopUp->actions().value(1)->isEnabled());

    ModalDriver user;
    window->MenuCopyObjClick();
    ASSERT_EQ(user.Shown().size(), 1u);
    EXPECT_EQ(user.Shown()[0].text, "Please select a object to copy !");
    EXPECT_EQ(user.Shown()[0].icon, QMessageBox::Information);
    EXPECT_EQ(user.Shown()[0].caption, "Halvard");
}

TEST_F(MainWindowFlow, EditsOfTheThreeSectionsAreSavedAndReadBack) {
    const QString path = OpenDevice();
    TFileInfoForm& file = window->FileInfoView().Form();
    file.edtDescription->setText(QStringLiteral("Edited device"));
    file.udFileVersion->stepUp();

    ASSERT_TRUE(Select(Root("Device Info")));
    TDeviceInfoForm& device = window->DeviceInfoView().Form();
    EXPECT_EQ(device.edtVendorNumber->text(), "-1");
    EXPECT_EQ(device.edtMajorRevision->text(), "2");
    EXPECT_EQ(device.edtMinorRevision->text(), "3");
    EXPECT_TRUE(device.cbxMaxCount->isChecked());
    device.edtVendorName->setText(QStringLiteral("Other vendor"));
    device.edtVendorNumber->setText(QStringLiteral("-2"));
    device.edtMajorRevision->setText(QStringLiteral("1"));
    device.edtMinorRevision->setText(QStringLiteral("65535"));
    device.chkBaudRates[0]->setChecked(true);
    device.cbxDynamicChannels->click();
    EXPECT_FALSE(device.cbxMaxCount->isEnabled());
    EXPECT_TRUE(device.cbxMaxCount->isChecked());

    ASSERT_TRUE(Select(Root("Dummy Usage")));
    window->DummyUsageView().Form().chkDummies[3]->click();
    EXPECT_TRUE(window->IsModified());

    ASSERT_TRUE(window->SaveDocument(false));
    EXPECT_FALSE(window->IsModified());
    EXPECT_EQ(Current(), Root("Dummy Usage"));
    ASSERT_TRUE(window->CloseDocument(false));

    ASSERT_TRUE(window->OpenFile(path));
    EXPECT_EQ(file.edtDescription->text(), "Edited device");
    EXPECT_EQ(file.udFileVersion->value(), 4);
    EXPECT_EQ(file.edtFileName->text(), "device.eds");
    const EdsDeviceInfoRecord saved = DeviceInfo(*window->Document());
    EXPECT_EQ(FormText(saved.VendorName), "Other vendor");
    EXPECT_EQ(+saved.VendorNumber, 0xFFFFFFFEu);
    EXPECT_EQ(+saved.RevisionNumber, 0x1FFFFu);
    EXPECT_EQ(saved.BaudRate_10, 1);
    EXPECT_EQ(saved.BaudRate_125, 1);
    EXPECT_EQ(+saved.DynamicChannelsSupported, 0u);
    EdsDummyUsageRecord dummies{};
    ASSERT_EQ(window->Document()->GetRecord(kKindDummyUsage, 0, &dummies), 0u);
    EXPECT_EQ(dummies.Dummy0002, 1);
    EXPECT_EQ(dummies.Dummy0004, 1);
    EXPECT_EQ(dummies.Dummy0001, 0);
}

TEST_F(MainWindowFlow, ANewDocumentIsSavedThroughTheDialogEvenWithSave) {
    // The save flow of an empty description: without the standard-objects
    // dialog (tested with the generators), New starts one at once.
    window->SetDialogs(MainDialogs{});
    window->MenuNewClick();
    ASSERT_NE(window->Document(), nullptr);
    EXPECT_EQ(window->windowTitle(), "Halvard - Nameless.eds");
    EXPECT_TRUE(window->IsModified());
    EXPECT_EQ(window->FileInfoView().Form().edtFileName->text(), "Nameless.eds");
    EXPECT_EQ(window->FileInfoView().Form().edtEdsVersion->text(), "4.0");
    ASSERT_TRUE(Select(Root("Device Info")));
    EXPECT_EQ(window->DeviceInfoView().Form().edtVendorName->text(), "<no entry>");
    EXPECT_FALSE(window->DeviceInfoView().Form().cbxMaxCount->isChecked());

    const QString target = PathOf(QStringLiteral("fresh.eds"));
    ModalDriver user;
    user.ChooseFile(target);
    window->MenuSaveClick();
    ASSERT_EQ(user.Shown().size(), 1u);
    EXPECT_EQ(user.Shown()[0].kind, "file");
    EXPECT_TRUE(user.Shown()[0].text.endsWith(QStringLiteral("Nameless.eds")));
    EXPECT_TRUE(QFileInfo::exists(target));
    EXPECT_EQ(window->Path(), target);
    EXPECT_EQ(window->windowTitle(), "Halvard - " + target);
    EXPECT_EQ(window->RecentFiles().Entries(), QStringList({target}));
    EXPECT_FALSE(window->IsModified());
    EXPECT_EQ(Current(), Root("Device Info"));
    EdsFileInfoRecord info{};
    ASSERT_EQ(window->Document()->GetRecord(kKindFileInfo, 0, &info), 0u);
    EXPECT_EQ(FormText(info.FileName), "fresh.eds");
}

TEST_F(MainWindowFlow, ClosingANewDocumentAsksEvenWithoutEdits) {
    ASSERT_TRUE(window->NewDocument());
    window->TreeViewInitialize();
    ModalDriver user;
    user.Press(QMessageBox::No);
    EXPECT_TRUE(window->CloseDocument(window->IsModified()));
    ASSERT_EQ(user.Shown().size(), 1u);
    EXPECT_EQ(user.Shown()[0].text, "Save changes to \"Nameless.eds\" ?");
    EXPECT_EQ(user.Shown()[0].icon, QMessageBox::Question);
    EXPECT_EQ(window->Document(), nullptr);
    EXPECT_EQ(window->windowTitle(), "Halvard");
    EXPECT_FALSE(window->MenuDel->isEnabled());
}

TEST_F(MainWindowFlow, EditsAnsweredNoAreDroppedAndNeverReachTheNextDocument) {
    const QString first = OpenDevice();
    const QString second = Write(QStringLiteral("second.eds"), kDeviceEds);
    ASSERT_TRUE(Select(Root("Device Info")));
    window->DeviceInfoView().Form().edtVendorName->setText(QStringLiteral("Not wanted"));

    ModalDriver user;
    user.Press(QMessageBox::No);
    ASSERT_TRUE(window->OpenFile(second));
    EXPECT_EQ(user.Shown().size(), 1u);
    EXPECT_EQ(FormText(DeviceInfo(*window->Document()).VendorName), "Vendor");
    ASSERT_TRUE(Select(Root("Device Info")));
    EXPECT_EQ(window->DeviceInfoView().Form().edtVendorName->text(), "Vendor");
    ASSERT_TRUE(Select(Root("File Info")));
    EXPECT_FALSE(window->IsModified());

    ASSERT_TRUE(window->OpenFile(first));
    EXPECT_EQ(FormText(DeviceInfo(*window->Document()).VendorName), "Vendor");
}

TEST_F(MainWindowFlow, CancellingTheCloseQuestionKeepsTheDocumentAndTheWindow) {
    OpenDevice();
    window->FileInfoView().Form().edtDescription->setText(QStringLiteral("pending"));
    ModalDriver user;
    user.Press(QMessageBox::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    ASSERT_NE(window->Document(), nullptr);
    EXPECT_EQ(window->FileInfoView().Form().edtDescription->text(), "pending");
    EXPECT_EQ(user.Shown().size(), 1u);
}

TEST_F(MainWindowFlow, SaveWithoutChangesWritesNothing) {
    const QString path = OpenDevice();
    ASSERT_TRUE(QFile::remove(path));
    window->MenuSaveClick();
    EXPECT_FALSE(QFileInfo::exists(path));

    window->FileInfoView().Form().edtCreatedBy->setText(QStringLiteral("Someone"));
    window->MenuSaveClick();
    EXPECT_TRUE(QFileInfo::exists(path));
}

TEST_F(MainWindowFlow, AFormThatFailsValidationKeepsItsNodeAndItsEditsAndStopsTheSave) {
    const QString path = OpenDevice();
    ASSERT_TRUE(Select(Root("Device Info")));
    QLineEdit* vendorId = window->DeviceInfoView().Form().edtVendorNumber;
    vendorId->setText(QString());
    {
        ModalDriver user;
        EXPECT_FALSE(Select(Root("Dummy Usage")));
        ASSERT_EQ(user.Shown().size(), 1u);
        EXPECT_EQ(user.Shown()[0].text, "Error in data");
        EXPECT_EQ(user.Shown()[0].icon, QMessageBox::Critical);
    }
    EXPECT_EQ(Current(), Root("Device Info"));
    EXPECT_EQ(window->CurrentView(), &window->DeviceInfoView());
    EXPECT_TRUE(vendorId->text().isEmpty());

    ASSERT_TRUE(QFile::remove(path));
    {
        ModalDriver user;
        EXPECT_FALSE(window->SaveDocument(false));
        EXPECT_EQ(user.Shown().size(), 1u);
    }
    EXPECT_FALSE(QFileInfo::exists(path));

    vendorId->setText(QStringLiteral("17"));
    EXPECT_TRUE(Select(Root("Dummy Usage")));
    EXPECT_EQ(+DeviceInfo(*window->Document()).VendorNumber, 17u);
}

TEST_F(MainWindowFlow, MissingAndLockedFilesAreRefusedAndTheOpenDocumentStays) {
    const QString path = OpenDevice();
    ModalDriver user;
    EXPECT_FALSE(window->OpenFile(PathOf(QStringLiteral("missing.eds"))));
    const QString locked = Write(QStringLiteral("locked.eds"), kDeviceEds);
    HANDLE holder = CreateFileA(locked.toUtf8().constData(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(window->OpenFile(locked));
    CloseHandle(holder);
    EXPECT_EQ(user.Texts(), std::vector<QString>({"The file selected does not exist !",
                                                  "The file selected is currently used by another application !"}));
    EXPECT_EQ(window->Path(), path);
    EXPECT_NE(window->Document(), nullptr);
    EXPECT_EQ(window->RecentFiles().Entries(), QStringList({path}));
}

TEST_F(MainWindowFlow, ARefusedSaveAsKeepsThePathAndTheCaption) {
    const QString path = OpenDevice();
    window->FileInfoView().Form().edtDescription->setText(QStringLiteral("changed"));
    ModalDriver user;
    user.Cancel();
    window->MenuSaveAsClick();
    EXPECT_TRUE(user.AllStepsTaken());
    EXPECT_EQ(window->Path(), path);
    EXPECT_EQ(window->windowTitle(), "Halvard - " + path);
    EXPECT_TRUE(window->IsModified());
}

TEST_F(MainWindowFlow, ATargetHeldByAnotherProgramLeadsToSaveAs) {
    const QString path = OpenDevice();
    window->FileInfoView().Form().edtDescription->setText(QStringLiteral("changed"));
    HANDLE holder = CreateFileA(path.toUtf8().constData(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const QString other = PathOf(QStringLiteral("other.eds"));
    ModalDriver user;
    user.Press(QMessageBox::Yes).ChooseFile(other);
    EXPECT_TRUE(window->SaveDocument(false));
    CloseHandle(holder);
    ASSERT_EQ(user.Shown().size(), 2u);
    EXPECT_EQ(user.Shown()[0].text, "Access to the file is denied !\nSave to another file ?");
    EXPECT_EQ(window->Path(), other);
    EXPECT_TRUE(QFileInfo::exists(other));
}

TEST_F(MainWindowFlow, AFailedExportIsReportedAndKeepsThePath) {
    const QString path = OpenDevice();
    window->FileInfoView().Form().edtDescription->setText(QStringLiteral("changed"));
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().rmdir(QFileInfo(path).absolutePath()) || QDir(QFileInfo(path).absolutePath()).removeRecursively());
    ModalDriver user;
    EXPECT_FALSE(window->SaveDocument(false));
    ASSERT_FALSE(user.Shown().empty());
    EXPECT_TRUE(user.Shown()[0].text.startsWith("The EDS file \"" + path + "\" cannot be saved"));
    EXPECT_EQ(window->Path(), path);
    EXPECT_TRUE(window->IsModified());
    QDir().mkpath(QFileInfo(path).absolutePath());
}

TEST_F(MainWindowFlow, AnImportThatLeftAnErrorFileNamesIt) {
    const QString path = Write(QStringLiteral("bad.eds"), kEdsWithBadValue);
    ModalDriver user;
    ASSERT_TRUE(window->OpenFile(path));
    ASSERT_EQ(user.Shown().size(), 1u);
    EXPECT_EQ(user.Shown()[0].icon, QMessageBox::Information);
    EXPECT_TRUE(user.Shown()[0].text.contains(PathOf(QStringLiteral("bad.Err")))) << user.Shown()[0].text.toStdString();
    ASSERT_TRUE(Select(Root("Device Info")));
    EXPECT_EQ(window->DeviceInfoView().Form().udGranularity->value(), 64);
}

TEST_F(MainWindowFlow, ProgressRepaintsOnlyTwoAboveTheValueDrawnAndResetsAtTheEnds) {
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) ++paints;
            return false;
        }
    } counter;
    QApplication::processEvents();
    auto& panel = const_cast<CProgressPanel&>(window->Progress());
    panel.installEventFilter(&counter);
    window->ShowProgress(1);
    EXPECT_EQ(counter.paints, 0);
    window->ShowProgress(2);
    EXPECT_EQ(counter.paints, 1);
    EXPECT_EQ(panel.Value(), 2);
    window->ShowProgress(3);
    EXPECT_EQ(counter.paints, 1);
    EXPECT_EQ(panel.Value(), 2);
    window->ShowProgress(47);
    EXPECT_EQ(counter.paints, 2);
    EXPECT_TRUE(SaveScreenshot(*window->statusBar(), QStringLiteral("status-bar-progress")));
    const QImage bar = panel.grab().toImage();
    EXPECT_EQ(bar.pixelColor(2, bar.height() / 2), QColor(0, 0, 255));
    EXPECT_NE(bar.pixelColor(bar.width() - 3, bar.height() / 2), QColor(0, 0, 255));
    const int painted = counter.paints;
    window->ShowProgress(100);
    EXPECT_EQ(counter.paints, painted + 1);
    EXPECT_EQ(panel.Value(), 0);
    panel.removeEventFilter(&counter);
}

TEST_F(MainWindowFlow, ADroppedFileOpensLikeAnOpenedOne) {
    const QString path = Write(QStringLiteral("dropped.eds"), kDeviceEds);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    ASSERT_TRUE(WaitUntil([&] { return window->Document() != nullptr; }));
    EXPECT_EQ(window->Path(), path);
    EXPECT_EQ(window->RecentFiles().Entries(), QStringList({path}));
    EXPECT_EQ(window->Tree().topLevelItemCount(), 8);
}

TEST_F(MainWindowFlow, TheWindowLayoutIsKeptBetweenRuns) {
    window->resize(900, 640);
    window->Splitter->setSizes({300, 600});
    ASSERT_TRUE(window->close());
    window = std::make_unique<TEdsMainForm>();
    window->show();
    QApplication::processEvents();
    EXPECT_EQ(window->size(), QSize(900, 640));
    EXPECT_EQ(window->Splitter->sizes().value(0), 300);
    EXPECT_EQ(window->StatusPanel->width(), 300);
}

}  // namespace
}  // namespace brenmoor

// The object form and the object dialogs inside the main window: the
// commands that open the dialogs and the stores that leaving a node and
// saving run.
#include <QFile>

#include "DialogDriver.h"
#include "editor/document/RecordKinds.h"
#include "editor/ui/CodeLists.h"
#include "editor/ui/CopObjectForm.h"
#include "editor/ui/CpyMainForm.h"
#include "editor/ui/DisplayText.h"
#include "editor/ui/NewMainForm.h"
#include "editor_main/Fixtures.h"
#include "editor_main/MainWindowFixture.h"

namespace brenmoor {
namespace {

class MainWindowObjects : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        path = Write(QStringLiteral("device.eds"), kDeviceEds);
        ASSERT_TRUE(window->OpenFile(path));
    }

    CCopObjectView& ObjectView() {
        auto* view = dynamic_cast<CCopObjectView*>(window->CurrentView());
        if (!view) throw std::runtime_error("no object form shown");
        return *view;
    }

    EdsObjectRecord Get(unsigned index, unsigned sub) {
        EdsObjectRecord record{};
        lastCode = window->Document()->GetRecord(kKindObject, ObjectKey(index, sub), &record);
        return record;
    }

    QString path;
    EdsResult lastCode = 0;
};

TEST_F(MainWindowObjects, AnObjectNodeShowsTheObjectForm) {
    ASSERT_TRUE(Select(Object(0x6000)));
    CCopObjectView& view = ObjectView();
    EXPECT_TRUE(view.Form().isVisible());
    EXPECT_TRUE(view.MainView().Form().isVisible());
    EXPECT_TRUE(view.Form().SubsPageShown());
    ASSERT_TRUE(Select(Object(0x2000)));
    EXPECT_FALSE(view.Form().SubsPageShown());
    EXPECT_EQ(view.MainView().Form().edtDefaultValue->text(), "10");
}

TEST_F(MainWindowObjects, LeavingTheNodeStoresTheEditsAndRenamesTheNode) {
    ASSERT_TRUE(Select(Object(0x2000)));
    ObjectView().MainView().Form().edtParameterName->setText(QStringLiteral("Filter time"));
    ObjectView().Form().btnMandatory->click();
    ASSERT_TRUE(Select(Root("File Info")));
    const EdsObjectRecord stored = Get(0x2000, kMainEntry);
    EXPECT_EQ(FormText(stored.ParameterName), "Filter time");
    EXPECT_EQ(Object(0x2000)->text(0), "2000 - Filter time");
}

TEST_F(MainWindowObjects, ARefusedValueKeepsTheNodeAndStopsTheSave) {
    const QByteArray before = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    ASSERT_TRUE(Select(Object(0x2000)));
    ObjectView().MainView().Form().edtDefaultValue->setText(QStringLiteral("1.5"));
    {
        DialogDriver driver;
        EXPECT_FALSE(Select(Root("File Info")));
        EXPECT_EQ(driver.Messages(), std::vector<QString>{"Error in data"});
    }
    EXPECT_EQ(Current(), Object(0x2000));
    {
        DialogDriver driver;
        EXPECT_FALSE(window->SaveDocument(false));
        EXPECT_EQ(driver.Messages(), std::vector<QString>{"Error in data"});
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_EQ(FormText(Get(0x2000, kMainEntry).DefaultValue), "10");
}

TEST_F(MainWindowObjects, NewObjectCreatesAndSelectsTheObject) {
    DialogDriver driver;
    driver.Then([](QDialog& dialog) {
        auto& form = dynamic_cast<TNewMainForm&>(dialog);
        form.edtObjIndex->setText(QStringLiteral("2100"));
        form.edtParameterName->setText(QStringLiteral("Gains"));
        SelectCode(*form.cbxObjectType, kNewObjectTypes, kObjectArray);
        form.edtSubCount->setValue(2);
        form.edtSubParamName->setText(QStringLiteral("Gain"));
        form.accept();
    });
    window->MenuNewObjClick();
    EXPECT_EQ(driver.UnscriptedDialogs(), 0);
    ASSERT_NE(Object(0x2100), nullptr);
    EXPECT_EQ(Current(), Object(0x2100));
    CCopObjectView& view = ObjectView();
    EXPECT_EQ(view.Key(), 0x2100u);
    EXPECT_EQ(FormText(Get(0x2100, 2).ParameterName), "Gain 2");
    EXPECT_EQ(FormText(Get(0x2100, 0).DefaultValue), "2");
}

TEST_F(MainWindowObjects, CopyObjectStoresPendingEditsFirst) {
    ASSERT_TRUE(Select(Object(0x2000)));
    ObjectView().MainView().Form().edtDefaultValue->setText(QStringLiteral("25"));
    DialogDriver driver;
    driver.Then([](QDialog& dialog) {
        auto& form = dynamic_cast<TCpyMainForm&>(dialog);
        EXPECT_EQ(form.edtDefaultValue->text(), "25");
        form.edtObjIndex->setText(QStringLiteral("2001"));
        form.accept();
    });
    window->MenuCopyObjClick();
    ASSERT_NE(Object(0x2001), nullptr);
    EXPECT_EQ(FormText(Get(0x2001, kMainEntry).DefaultValue), "25");
    EXPECT_EQ(FormText(Get(0x2000, kMainEntry).DefaultValue), "25");
}

}  // namespace
}  // namespace brenmoor

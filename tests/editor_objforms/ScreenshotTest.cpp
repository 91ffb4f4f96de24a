// Pictures of the object form's pages and of the three dialogs, saved
// beside the test program for a person to look at.
#include <QImage>

#include "ObjectFixture.h"
#include "editor/ui/CodeLists.h"
#include "editor/ui/CopObjectForm.h"
#include "editor/ui/CpyMainForm.h"
#include "editor/ui/NewMainForm.h"
#include "editor/ui/NewSubForm.h"

namespace brenmoor {
namespace {

void Save(QWidget& widget, const char* name) {
    const QString path = QStringLiteral(EDITOR_OBJFORMS_OUTPUT_DIR "/%1.png").arg(QString::fromLatin1(name));
    const QImage picture = widget.grab().toImage();
    EXPECT_FALSE(picture.isNull()) << name;
    EXPECT_TRUE(picture.save(path)) << path.toStdString();
}

class Screenshots : public ObjectFixture {};

TEST_F(Screenshots, ObjectFormPagesAndDialogs) {
    Add(0x2100, kMainEntry, MakeRecord({QStringLiteral("Gains"), kObjectArray, 0, 0}));
    Add(0x2100, 0, MakeRecord({QStringLiteral("number of elements"), kObjectVar, kAccessRo, kUnsigned8, {}, {}, "3"}));
    for (unsigned sub = 1; sub <= 3; ++sub)
        Add(0x2100, sub, MakeRecord({QStringLiteral("Gain %1").arg(sub), kObjectVar, kAccessRw, kInteger16, "-100", "100", "7"}));

    QWidget panel;
    panel.resize(560, 480);
    CCopObjectView view;
    ASSERT_EQ(view.SetStore(&document), 0u);
    view.SetKey(0x2100);
    ASSERT_EQ(view.ReadFromStore(), 0u);
    ASSERT_EQ(view.ShowIn(&panel, &panel), 0u);
    panel.show();
    view.Form().lbxSubIndex->setCurrentRow(1);
    Save(panel, "object-form-main");
    view.Form().pgControl->setCurrentWidget(view.Form().SubsSheet);
    Save(panel, "object-form-subs");
    view.SetStore(nullptr);

    TNewMainForm newMain(nullptr, document);
    ASSERT_TRUE(newMain.Prepare());
    SelectCode(*newMain.cbxObjectType, kNewObjectTypes, kObjectArray);
    newMain.adjustSize();
    Save(newMain, "new-main-index");

    TNewSubForm newSub;
    newSub.SetPresenceMap(QStringLiteral("1111"));
    EdsObjectRecord element{};
    element.ObjectType = kObjectVar;
    element.AccessType = kAccessRw;
    element.DataType = kInteger16;
    newSub.SetTemplate(element);
    newSub.adjustSize();
    Save(newSub, "new-sub-index");

    TCpyMainForm copy(nullptr, document, 0x2100);
    ASSERT_TRUE(copy.Prepare());
    copy.adjustSize();
    Save(copy, "copy-object");
}

}  // namespace
}  // namespace brenmoor

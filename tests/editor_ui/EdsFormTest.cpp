#include <gtest/gtest.h>

#include <QImage>
#include <QScrollBar>
#include <QSet>
#include <QTest>

#include "SampleForm.h"

namespace brenmoor {
namespace {

TEST(EdsForm, StartsHiddenUnmodifiedAndWithoutParent) {
    SampleForm form;
    EXPECT_TRUE(form.isHidden());
    EXPECT_FALSE(form.Modified());
    EXPECT_EQ(form.parentWidget(), nullptr);
    EXPECT_EQ(form.frameShape(), QFrame::NoFrame);
}

TEST(EdsForm, UserEditsAndSettersSetTheModifiedFlag) {
    QWidget panel;
    SampleForm form;
    form.EmbedIn(panel);
    form.show();
    panel.show();

    QTest::keyClicks(form.edtName, "Device type");
    EXPECT_TRUE(form.Modified());

    form.SetModified(false);
    form.cbxDataType->setCurrentIndex(3);
    EXPECT_TRUE(form.Modified());

    form.SetModified(false);
    QTest::mouseClick(form.chkMapping, Qt::LeftButton);
    EXPECT_TRUE(form.Modified());

    form.SetModified(false);
    form.SetName("Error register");
    EXPECT_TRUE(form.Modified());

    QWidget notAControl;
    EXPECT_FALSE(form.TrackEdits(&notAControl));
}

TEST(EdsForm, FillsThePanelAndScrollsWhenItsControlsDoNotFit) {
    QWidget panel;
    panel.resize(400, 300);
    SampleForm form;
    form.EmbedIn(panel);
    form.show();
    panel.show();
    QApplication::processEvents();
    EXPECT_EQ(form.parentWidget(), &panel);
    EXPECT_EQ(form.geometry(), panel.rect());
    EXPECT_EQ(form.verticalScrollBar()->maximum(), 0);

    panel.resize(120, 40);
    QApplication::processEvents();
    EXPECT_EQ(form.geometry(), panel.rect());
    EXPECT_GT(form.verticalScrollBar()->maximum(), 0);

    // Embedding again does not add the form to the panel a second time.
    form.EmbedIn(panel);
    EXPECT_EQ(panel.layout()->count(), 1);
}

TEST(EdsForm, SampleFormScreenshot) {
    QWidget panel;
    panel.resize(420, 160);
    SampleForm form;
    form.edtName->setText("Manufacturer device name");
    SelectCode(*form.cbxDataType, kDataTypeTable, kVisibleString);
    form.chkMapping->setChecked(true);
    form.EmbedIn(panel);
    form.show();
    panel.show();
    QApplication::processEvents();
    const QImage shot = panel.grab().toImage();
    // Rendered text and controls give many colours; boxes of a missing font
    // or an empty grab give few.
    QSet<QRgb> colours;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) colours.insert(shot.pixel(x, y));
    EXPECT_GT(colours.size(), 16);
    const QString path = QStringLiteral(EDITOR_UI_OUTPUT_DIR "/sample_form.png");
    EXPECT_TRUE(shot.save(path)) << path.toStdString();
}

}  // namespace
}  // namespace brenmoor

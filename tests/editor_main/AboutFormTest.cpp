// The about box: its texts, the home page button over the top-left area
// of the background picture, and the shell requests.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QMouseEvent>
#include <QTest>
#include <QUrl>

#include "MainWindowFixture.h"
#include "editor/ui/AboutForm.h"

namespace brenmoor {
namespace {

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher() {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open");
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "Open");
    }
    ~UrlCatcher() override {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    }
    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened.append(url); }
};

void MoveOver(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

TEST(AboutForm, ShowsTheProgramsVersionInformation) {
    TAboutForm about;
    EXPECT_EQ(about.windowTitle(), "About Halvard");
    const VersionResource version = ProgramVersionResource();
    EXPECT_EQ(version.productName, "Halvard");
    EXPECT_EQ(about.ApplicationName->text(), version.fileDescription);
    EXPECT_EQ(about.ApplicationVersion->text(), "Version " + version.fileVersion);
    EXPECT_FALSE(version.fileVersion.isEmpty());
    EXPECT_EQ(about.LegalCopyright->text(), version.legalCopyright);
    EXPECT_EQ(about.Emaillabel->text(), QStringLiteral("Email: ") + kSupportAddress);
    EXPECT_TRUE(about.OkButton->isDefault());
    EXPECT_EQ(about.BackImage->geometry(), QRect(78, 6, 260, 210));
    EXPECT_EQ(about.BtnImage->geometry(), QRect(81, 9, 157, 45));
    EXPECT_FALSE(about.BackImage->pixmap().isNull());
    EXPECT_FALSE(about.ApplicationIcon->pixmap().isNull());
    EXPECT_TRUE(about.testAttribute(Qt::WA_DeleteOnClose));
    about.setAttribute(Qt::WA_DeleteOnClose, false);
    about.show();
    EXPECT_TRUE(SaveScreenshot(about, QStringLiteral("about-box")));
}

TEST(AboutForm, WithoutVersionInformationOnlyTheNameAndIconRemain) {
    TAboutForm about(nullptr, std::nullopt);
    about.setAttribute(Qt::WA_DeleteOnClose, false);
    about.show();
    EXPECT_EQ(about.ApplicationName->text(), "ApplicationName");
    EXPECT_FALSE(about.ApplicationVersion->isVisible());
    EXPECT_FALSE(about.LegalCopyright->isVisible());
    EXPECT_TRUE(about.ApplicationIcon->isVisible());
}

TEST(AboutForm, TheHomePageButtonShowsOverTheTopLeftAreaOfThePicture) {
    TAboutForm about;
    about.setAttribute(Qt::WA_DeleteOnClose, false);
    about.show();
    EXPECT_FALSE(about.BtnImage->isVisible());
    MoveOver(about.BackImage, QPoint(4, 4));
    EXPECT_TRUE(about.BtnImage->isVisible());
    EXPECT_TRUE(SaveScreenshot(about, QStringLiteral("about-box-button")));
    // Over the button itself: its own coordinates are 3 pixels further in.
    MoveOver(about.BtnImage, QPoint(156, 44));
    EXPECT_TRUE(about.BtnImage->isVisible());
    MoveOver(about.BtnImage, QPoint(157, 10));
    EXPECT_FALSE(about.BtnImage->isVisible());
    MoveOver(about.BackImage, QPoint(159, 47));
    EXPECT_TRUE(about.BtnImage->isVisible());
    MoveOver(about.BackImage, QPoint(10, 48));
    EXPECT_FALSE(about.BtnImage->isVisible());
    // Over the form: converted to the picture's coordinates.
    MoveOver(&about, QPoint(78 + 3, 6 + 3));
    EXPECT_FALSE(about.BtnImage->isVisible());
    MoveOver(&about, QPoint(78 + 20, 6 + 20));
    EXPECT_TRUE(about.BtnImage->isVisible());
    MoveOver(&about, QPoint(10, 300));
    EXPECT_FALSE(about.BtnImage->isVisible());
}

TEST(AboutForm, TheButtonAndTheAddressOpenThroughTheShell) {
    UrlCatcher shell;
    TAboutForm about;
    about.setAttribute(Qt::WA_DeleteOnClose, false);
    about.show();
    MoveOver(about.BackImage, QPoint(20, 20));
    QTest::mouseClick(about.BtnImage, Qt::LeftButton);
    QTest::mouseClick(about.Emaillabel, Qt::LeftButton);
    ASSERT_EQ(shell.opened.size(), 2);
    EXPECT_EQ(shell.opened[0], QUrl(QString::fromLatin1(kHomePageUrl)));
    EXPECT_EQ(shell.opened[1], QUrl(QStringLiteral("mailto:") + kSupportAddress));
}

}  // namespace
}  // namespace brenmoor

#include "AboutFormTest.moc"

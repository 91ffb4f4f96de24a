#include "editor/ui/AboutForm.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

#include "editor/ui/ImageList.h"
#include "editor/ui/Messages.h"

namespace brenmoor {
namespace {

const QRect kBackImageArea(78, 6, 260, 210);
const QRect kButtonArea(81, 9, 157, 45);
// The button's offset inside the background picture.
const QPoint kButtonOffset = kButtonArea.topLeft() - kBackImageArea.topLeft();
// Where the button shows: 4 <= x < 160 and 4 <= y < 48.
const QRect kButtonHotArea(QPoint(4, 4), QPoint(159, 47));

QLabel* Picture(QWidget* parent, const QRect& area, const QString& file) {
    auto* picture = new QLabel(parent);
    picture->setGeometry(area);
    picture->setPixmap(QPixmap(file));
    picture->setScaledContents(true);
    picture->setMouseTracking(true);
    return picture;
}

QLabel* Text(QWidget* parent, const QString& text, int top) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(kBackImageArea.left(), top, kBackImageArea.width(), 20);
    return label;
}

}  // namespace

TAboutForm::TAboutForm(QWidget* parent, const std::optional<VersionResource>& version) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About ") + QString::fromLatin1(kProductName));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setFixedSize(352, 344);

    BackImage = Picture(this, kBackImageArea, QStringLiteral(":/images/about-background.png"));
    BtnImage = Picture(this, kButtonArea, QStringLiteral(":/images/about-homepage.png"));
    BtnImage->setCursor(Qt::PointingHandCursor);
    BtnImage->setToolTip(QStringLiteral("Visit the Corvane home page"));
    BtnImage->hide();
    ApplicationIcon = Picture(this, QRect(24, 14, 32, 32), QString());
    ApplicationIcon->setPixmap(ProgramIcon().pixmap(32, 32));

    ApplicationName = Text(this, QStringLiteral("ApplicationName"), 226);
    QFont bold = ApplicationName->font();
    bold.setBold(true);
    ApplicationName->setFont(bold);
    ApplicationVersion = Text(this, QString(), 248);
    LegalCopyright = Text(this, QString(), 268);
    Emaillabel = Text(this, QStringLiteral("Email: ") + QString::fromLatin1(kSupportAddress), 288);
    Emaillabel->setCursor(Qt::PointingHandCursor);
    Emaillabel->setToolTip(QStringLiteral("Write to the Halvard support"));
    QPalette link = Emaillabel->palette();
    link.setColor(QPalette::WindowText, palette().color(QPalette::Link));
    Emaillabel->setPalette(link);

    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setGeometry(263, 310, 75, 25);
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

    if (version) {
        ApplicationName->setText(version->fileDescription);
        ApplicationVersion->setText(QStringLiteral("Version ") + version->fileVersion);
        LegalCopyright->setText(version->legalCopyright);
    } else {
        ApplicationVersion->hide();
        LegalCopyright->hide();
    }
    for (QLabel* watched : {BackImage, BtnImage, Emaillabel}) watched->installEventFilter(this);
}

void TAboutForm::TrackMouse(QPoint inBackImage) { BtnImage->setVisible(kButtonHotArea.contains(inBackImage)); }

void TAboutForm::mouseMoveEvent(QMouseEvent* event) {
    TrackMouse(event->position().toPoint() - kBackImageArea.topLeft());
    QDialog::mouseMoveEvent(event);
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (watched == BackImage) TrackMouse(at);
        if (watched == BtnImage) TrackMouse(at + kButtonOffset);
    } else if (event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // A failing request has no visible effect.
        if (watched == BtnImage) QDesktopServices::openUrl(QUrl(QString::fromLatin1(kHomePageUrl)));
        if (watched == Emaillabel)
            QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + QString::fromLatin1(kSupportAddress)));
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace brenmoor

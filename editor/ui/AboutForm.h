// The about box: the program's icon, name, version and copyright over a
// background picture, a picture button to the maker's home page that
// appears while the mouse is over the picture's top-left area, and the
// support e-mail address.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include <optional>

#include "editor/ui/ProgramVersion.h"

namespace brenmoor {

inline constexpr char kHomePageUrl[] = "https://corvane.example/halvard";
inline constexpr char kSupportAddress[] = "support@corvane.example";

class TAboutForm : public QDialog {
public:
    // Without version information only the name label (with its design
    // text) and the icon are shown.
    explicit TAboutForm(QWidget* parent = nullptr,
                        const std::optional<VersionResource>& version = ProgramVersionResource());

    // Shows the home page button exactly while (x, y), in the background
    // picture's own coordinates, lies in its top-left area.
    void TrackMouse(QPoint inBackImage);

    QLabel* BackImage;
    QLabel* BtnImage;
    QLabel* ApplicationIcon;
    QLabel* ApplicationName;
    QLabel* ApplicationVersion;
    QLabel* LegalCopyright;
    QLabel* Emaillabel;
    QPushButton* OkButton;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace brenmoor

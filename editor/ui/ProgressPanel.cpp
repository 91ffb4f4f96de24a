#include "editor/ui/ProgressPanel.h"

#include <QPainter>

namespace brenmoor {
namespace {

constexpr int kStep = 2;
const QColor kBarColour(0, 0, 255);

}  // namespace

CProgressPanel::CProgressPanel(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void CProgressPanel::ShowProgress(int percent) {
    if (percent == 0 || percent == 100) {
        value_ = 0;
    } else if (percent >= value_ + kStep) {
        value_ = percent;
    } else {
        return;
    }
    Redraw();
}

void CProgressPanel::Redraw() {
    // repaint() draws through the window system at once, without handling
    // any input: nothing can close or open a document in the middle.
    if (isVisible())
        repaint();
    else
        update();
}

QSize CProgressPanel::sizeHint() const { return {100, fontMetrics().height() + 4}; }

void CProgressPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, palette().window());
    const int filled = value_ * area.width() / 100;
    painter.fillRect(QRect(area.left(), area.top(), filled, area.height()), kBarColour);
    if (value_ == 0) return;
    painter.setPen(Qt::white);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(area, Qt::AlignCenter, QString::asprintf("%2d %%", value_));
}

}  // namespace brenmoor

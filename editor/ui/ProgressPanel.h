// The status bar panel that shows the progress of an import or an export
// as a blue bar with the percentage in white.
#pragma once

#include <QWidget>

namespace brenmoor {

class CProgressPanel : public QWidget {
public:
    explicit CProgressPanel(QWidget* parent = nullptr);

    // 0 and 100 reset the bar to 0; any other value is taken only when it is
    // at least 2 above the value drawn last. A reset or a taken value is
    // painted at once: the reports come from inside a library call, while
    // the event loop does not run.
    void ShowProgress(int percent);
    int Value() const { return value_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Redraw();

    int value_ = 0;
};

}  // namespace brenmoor

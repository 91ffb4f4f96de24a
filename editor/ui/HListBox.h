// A list box one item high whose items flow from left to right in 20
// equal columns across its width, sorted by text, scrolling horizontally;
// its horizontal scroll bar is always shown (disabled when everything fits).
#pragma once

#include <QListWidget>

namespace brenmoor {

class THListBox : public QListWidget {
public:
    static constexpr int kColumns = 20;

    explicit THListBox(QWidget* parent = nullptr);

    // The position of the item whose record is shown; -1 for none.
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // Makes row current without notifying anyone.
    void SetRowQuietly(int row);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateColumns();
    int ItemHeight() const;

    int tag_ = -1;
};

}  // namespace brenmoor

#include "editor/ui/HListBox.h"

#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace brenmoor {

THListBox::THListBox(QWidget* parent) : QListWidget(parent) {
    setViewMode(QListView::ListMode);
    setFlow(QListView::LeftToRight);
    setWrapping(false);
    setUniformItemSizes(true);
    setSortingEnabled(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    UpdateColumns();
}

void THListBox::SetRowQuietly(int row) {
    const QSignalBlocker quiet(this);
    setCurrentRow(row);
}

int THListBox::ItemHeight() const { return fontMetrics().height() + 4; }

QSize THListBox::sizeHint() const {
    const int frame = 2 * frameWidth();
    return {kColumns * fontMetrics().horizontalAdvance(QStringLiteral("00  ")) + frame,
            ItemHeight() + 10 + horizontalScrollBar()->sizeHint().height() + frame};
}

QSize THListBox::minimumSizeHint() const { return {100, sizeHint().height()}; }

void THListBox::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    UpdateColumns();
}

void THListBox::UpdateColumns() {
    const int width = std::max(1, viewport()->width() / kColumns);
    setGridSize(QSize(width, ItemHeight() + 10));
}

}  // namespace brenmoor

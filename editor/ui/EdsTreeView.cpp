#include "editor/ui/EdsTreeView.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>

namespace brenmoor {
namespace {

// A selection model that asks before the current node changes. The
// selection only ever holds the current node, so refusing the change of
// the current node refuses the whole move, whether it comes from the
// mouse, the keyboard or the program.
class CGuardedSelection : public QItemSelectionModel {
public:
    CGuardedSelection(QAbstractItemModel* model, std::function<bool()> allow, QObject* parent)
        : QItemSelectionModel(model, parent), allow_(std::move(allow)) {}

    using QItemSelectionModel::select;

    void setCurrentIndex(const QModelIndex& index, SelectionFlags command) override {
        if (index == currentIndex()) {
            QItemSelectionModel::setCurrentIndex(index, command);
            return;
        }
        // The answer may change the tree (a stored form renames its node),
        // so the target is followed through those changes.
        const QPersistentModelIndex target(index);
        if (!allow_()) return;
        if (index.isValid() && !target.isValid()) return;
        becoming_ = target;
        QItemSelectionModel::setCurrentIndex(target, command);
        becoming_ = QPersistentModelIndex();
    }

    void select(const QItemSelection& selection, SelectionFlags command) override {
        for (const QModelIndex& index : selection.indexes()) {
            if (index != currentIndex() && index != becoming_) return;
        }
        QItemSelectionModel::select(selection, command);
    }

private:
    std::function<bool()> allow_;
    QPersistentModelIndex becoming_;
};

}  // namespace

bool CTreeNode::operator<(const QTreeWidgetItem& other) const {
    return text(0).compare(other.text(0), Qt::CaseSensitive) < 0;
}

CEdsTreeView::CEdsTreeView(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    header()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIndentation(19);
    setUniformRowHeights(true);
    auto* previous = selectionModel();
    setSelectionModel(new CGuardedSelection(model(), [this] { return AllowChange(); }, this));
    delete previous;
    // The tree widget's own currentItemChanged stays bound to the model it
    // was made with, so the change is taken from the new one.
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (changed_) changed_(itemFromIndex(current));
    });
}

bool CEdsTreeView::AllowChange() {
    if (!changing_) return true;
    // A question or message shown while asking runs an event loop; a second
    // move in that time is refused.
    if (asking_) return false;
    asking_ = true;
    const bool allowed = changing_();
    asking_ = false;
    return allowed;
}

bool CEdsTreeView::SelectNode(QTreeWidgetItem* node) {
    setCurrentItem(node);
    return currentItem() == node;
}

void CEdsTreeView::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Insert || key == Qt::Key_Delete) && keyHandler_ && keyHandler_(key)) {
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void CEdsTreeView::focusInEvent(QFocusEvent* event) {
    QTreeWidget::focusInEvent(event);
    if (entered_) entered_();
}

}  // namespace brenmoor

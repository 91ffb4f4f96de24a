// The main window's tree: a tree widget whose selection can be refused
// before it moves (a form that cannot be stored keeps its node), that
// reports Insert and Delete and the gaining of the keyboard focus, and
// whose nodes carry a 32-bit data value and sort by their text.
#pragma once

#include <QTreeWidget>

#include <cstdint>
#include <functional>

namespace brenmoor {

class CTreeNode : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    uint32_t Data() const { return data(0, Qt::UserRole).toUInt(); }
    void SetData(uint32_t value) { setData(0, Qt::UserRole, value); }

    // By text, character by character: object texts start with their
    // four hexadecimal digits, so objects come in index order.
    bool operator<(const QTreeWidgetItem& other) const override;
};

class CEdsTreeView : public QTreeWidget {
public:
    explicit CEdsTreeView(QWidget* parent = nullptr);

    // Asked before the selection moves to another node or to none; false
    // keeps the selection where it is. Not asked again while it runs.
    void OnChanging(std::function<bool()> changing) { changing_ = std::move(changing); }
    // Insert and Delete, whatever shift keys are held; true when handled,
    // which consumes the key.
    void OnInsertOrDelete(std::function<bool(int key)> handler) { keyHandler_ = std::move(handler); }
    // The selection has moved (to a node or to none).
    void OnChange(std::function<void(QTreeWidgetItem* current)> changed) { changed_ = std::move(changed); }
    // The tree got the keyboard focus.
    void OnEnter(std::function<void()> entered) { entered_ = std::move(entered); }

    CTreeNode* CurrentNode() const { return static_cast<CTreeNode*>(currentItem()); }
    // Moves the selection; false when it was refused.
    bool SelectNode(QTreeWidgetItem* node);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    bool AllowChange();

    std::function<bool()> changing_;
    std::function<bool(int)> keyHandler_;
    std::function<void()> entered_;
    std::function<void(QTreeWidgetItem*)> changed_;
    bool asking_ = false;
};

}  // namespace brenmoor

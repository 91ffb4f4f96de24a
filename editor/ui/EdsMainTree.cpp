// The main window's tree: building it from the document, the nodes of
// objects and segments, the selection with the form it shows, deletion,
// keys and the popup menu.
#include <QMessageBox>

#include <algorithm>

#include "editor/document/RecordKinds.h"
#include "editor/ui/DisplayText.h"
#include "editor/ui/EdsMainForm.h"
#include "editor/ui/Messages.h"

namespace brenmoor {
namespace {

// Pictures of the tree strip.
enum TreeImage : int { kObjectImage = 0, kRootImage = 1, kOpenRootImage = 2, kSegmentImage = 3, kObjectWithSubsImage = 4 };

constexpr unsigned kIdentityObject = 0x1018;

QString HexIndex(unsigned index) { return QString::asprintf("%4.4X", index & 0xFFFFu); }

}  // namespace

CTreeNode* TEdsMainForm::RootNode(const QString& text) const {
    for (int i = 0; i < TreeView->topLevelItemCount(); ++i) {
        auto* node = static_cast<CTreeNode*>(TreeView->topLevelItem(i));
        if (node->text(0) == text) return node;
    }
    return nullptr;
}

NodeKind TEdsMainForm::KindOf(const QTreeWidgetItem* node) const {
    if (!node) return NodeKind::None;
    return KindOfNode(node->parent() == nullptr, node->text(0), static_cast<const CTreeNode*>(node)->Data());
}

CEdsView* TEdsMainForm::ViewFor(NodeKind kind) {
    switch (kind) {
        case NodeKind::FileInfo:
            return &fileInfoView_;
        case NodeKind::DeviceInfo:
            return &deviceInfoView_;
        case NodeKind::DummyUsage:
            return &dummyUsageView_;
        case NodeKind::Object:
            return objectView_.get();
        case NodeKind::Segment:
            return segmentView_.get();
        default:
            return nullptr;
    }
}

void TEdsMainForm::UpdateNodeImage(QTreeWidgetItem* node) {
    int image = kObjectImage;
    switch (KindOf(node)) {
        case NodeKind::Object:
            image = (static_cast<CTreeNode*>(node)->Data() & kHasSubsFlag) ? kObjectWithSubsImage : kObjectImage;
            break;
        case NodeKind::Segment:
            image = kSegmentImage;
            break;
        default:
            image = node->isExpanded() ? kOpenRootImage : kRootImage;
            break;
    }
    node->setIcon(0, treeImages_.Icon(image));
}

void TEdsMainForm::SortChildren(QTreeWidgetItem* node) {
    if (node) node->sortChildren(0, Qt::AscendingOrder);
}

void TEdsMainForm::TreeViewInitialize() {
    DiscardCurrentView();
    TreeView->SelectNode(nullptr);
    TreeView->clear();
    if (!document_) return;

    QStringList roots{QString::fromLatin1(kFileInfoNode), QString::fromLatin1(kDeviceInfoNode),
                      QString::fromLatin1(kDummyUsageNode)};
    for (const ObjectArea& area : kObjectAreas) roots.append(QString::fromLatin1(area.text));
    roots.append(QString::fromLatin1(kDynChannelsNode));
    for (const QString& text : roots) {
        auto* node = new CTreeNode(TreeView, QStringList{text});
        node->SetData(0);
        UpdateNodeImage(node);
    }
    for (const QString& text : roots) TreeViewUpdateNode(text);
    TreeView->SelectNode(TreeView->topLevelItem(0));
}

void TEdsMainForm::TreeViewUpdateNode(const QString& rootText) {
    CTreeNode* node = RootNode(rootText);
    if (!node) return;
    if (rootText == QLatin1String(kDynChannelsNode)) {
        TreeViewUpdateDynList(node);
        return;
    }
    for (const ObjectArea& area : kObjectAreas) {
        if (rootText == QLatin1String(area.text)) TreeViewUpdateObjList(node, area.first, area.last);
    }
}

void TEdsMainForm::TreeViewUpdateObjList(QTreeWidgetItem* node, unsigned low, unsigned high) {
    qDeleteAll(node->takeChildren());
    std::vector<uint16_t> indexes;
    if (!document_ || document_->AllObjects(indexes) != 0) return;
    std::optional<unsigned> unreadable;
    for (const uint16_t index : indexes) {
        if (index < low || index > high) continue;
        QString text;
        uint32_t data = 0;
        if (!ObjectNodeContent(index, text, data)) {
            if (!unreadable) unreadable = index;
            continue;
        }
        auto* child = new CTreeNode(node, QStringList{text});
        child->SetData(data);
        UpdateNodeImage(child);
    }
    SortChildren(node);
    if (unreadable) ErrorMessage(QStringLiteral("The object %1 cannot be read !").arg(HexIndex(*unreadable)), this);
}

void TEdsMainForm::TreeViewUpdateDynList(QTreeWidgetItem* node) {
    qDeleteAll(node->takeChildren());
    std::vector<uint16_t> numbers;
    if (!document_ || document_->AllSegments(numbers) != 0) return;
    for (const uint16_t number : numbers) {
        QString text;
        if (!SegmentNodeContent(number, text)) continue;
        auto* child = new CTreeNode(node, QStringList{text});
        child->SetData(number);
        UpdateNodeImage(child);
    }
    SortChildren(node);
}

bool TEdsMainForm::ObjectNodeContent(unsigned index, QString& text, uint32_t& data) const {
    EdsObjectRecord record{};
    if (!document_ || document_->GetRecord(kKindObject, ObjectKey(index, kMainEntry), &record) != 0) return false;
    text = ObjectNodeText(index, FormText(record.ParameterName));
    data = index | (record.SubNumber != 0 ? kHasSubsFlag : 0);
    return true;
}

bool TEdsMainForm::SegmentNodeContent(unsigned number, QString& text) const {
    EdsDynSegmentRecord record{};
    if (!document_ || document_->GetRecord(kKindDynSegment, number, &record) != 0) return false;
    text = SegmentNodeText(record.Type, record.Dir);
    return true;
}

CTreeNode* TEdsMainForm::TreeViewInsertCanObj(unsigned index) {
    const ObjectArea* area = AreaOf(index);
    if (!area) return nullptr;
    CTreeNode* root = RootNode(QString::fromLatin1(area->text));
    QString text;
    uint32_t data = 0;
    if (!root || !ObjectNodeContent(index, text, data)) return nullptr;
    CTreeNode* node = TreeViewLookupCanObj(index);
    if (!node) node = new CTreeNode(root);
    node->setText(0, text);
    node->SetData(data);
    UpdateNodeImage(node);
    SortChildren(root);
    return node;
}

CTreeNode* TEdsMainForm::TreeViewLookupCanObj(unsigned index) const {
    const ObjectArea* area = AreaOf(index);
    CTreeNode* root = area ? RootNode(QString::fromLatin1(area->text)) : nullptr;
    if (!root) return nullptr;
    for (int i = 0; i < root->childCount(); ++i) {
        auto* child = static_cast<CTreeNode*>(root->child(i));
        if (NodeNumber(child->Data()) == index) return child;
    }
    return nullptr;
}

CTreeNode* TEdsMainForm::TreeViewInsertDynSeg(unsigned number) {
    CTreeNode* folder = RootNode(QString::fromLatin1(kDynChannelsNode));
    QString text;
    if (!folder || !IsSegmentNumber(number) || !SegmentNodeContent(number, text)) return nullptr;
    CTreeNode* node = nullptr;
    for (int i = 0; i < folder->childCount() && !node; ++i) {
        auto* child = static_cast<CTreeNode*>(folder->child(i));
        if (child->Data() == number) node = child;
    }
    if (!node) node = new CTreeNode(folder);
    node->setText(0, text);
    node->SetData(number);
    UpdateNodeImage(node);
    SortChildren(folder);
    return node;
}

void TEdsMainForm::TreeViewDeleteNode(QTreeWidgetItem* node) {
    if (!node) return;
    QTreeWidgetItem* parent = node->parent();
    const int position = parent ? parent->indexOfChild(node) : TreeView->indexOfTopLevelItem(node);
    const int siblings = parent ? parent->childCount() : TreeView->topLevelItemCount();
    const auto sibling = [&](int at) { return parent ? parent->child(at) : TreeView->topLevelItem(at); };
    QTreeWidgetItem* successor = position + 1 < siblings ? sibling(position + 1)
                                 : position > 0          ? sibling(position - 1)
                                                         : parent;
    if (TreeView->currentItem() == node) {
        if (!TreeView->SelectNode(successor)) return;
        if (successor && successor == parent) parent->setExpanded(false);
    }
    delete node;
}

std::vector<uint16_t> TEdsMainForm::ExistingObjects() const {
    std::vector<uint16_t> indexes;
    if (document_) document_->AllObjects(indexes);
    return indexes;
}

bool TEdsMainForm::RemoveObject(unsigned index) {
    const EdsResult code = document_->RemoveRecord(kKindObject, ObjectKey(index, kMainEntry));
    if (code != 0) ReportStatus(code, QStringLiteral("The object %1 cannot be deleted").arg(HexIndex(index)));
    return code == 0;
}

void TEdsMainForm::MenuDelObject() {
    CTreeNode* node = TreeView->CurrentNode();
    if (!document_ || KindOf(node) != NodeKind::Object) return;
    const unsigned index = NodeNumber(node->Data());
    if (Question(QStringLiteral("Do you really want to delete index %1 (hex) ?").arg(HexIndex(index)), this) !=
        QMessageBox::Yes)
        return;
    DiscardCurrentView();
    if (!RemoveObject(index)) {
        // The node stays; its form comes back with what is stored.
        TreeViewChange(node);
        return;
    }
    if (const std::optional<unsigned> partner = PdoPartner(index)) {
        const std::vector<uint16_t> existing = ExistingObjects();
        if (std::find(existing.begin(), existing.end(), *partner) != existing.end() && RemoveObject(*partner))
            TreeViewDeleteNode(TreeViewLookupCanObj(*partner));
    }
    TreeViewDeleteNode(node);
}

void TEdsMainForm::MenuDelDynSeg() {
    CTreeNode* node = TreeView->CurrentNode();
    if (!document_ || KindOf(node) != NodeKind::Segment) return;
    if (Question(QStringLiteral("Do you really want to delete dynamic segment %1 ?").arg(node->text(0)), this) !=
        QMessageBox::Yes)
        return;
    const uint32_t number = NodeNumber(node->Data());
    if (const EdsResult code = document_->RemoveRecord(kKindDynSegment, number); code != 0) {
        ReportStatus(code, QStringLiteral("The dynamic segment %1 cannot be deleted").arg(node->text(0)));
        return;
    }
    DiscardCurrentView();
    TreeViewDeleteNode(node);
}

void TEdsMainForm::SelectNewObject(unsigned index, const std::vector<uint16_t>& existedBefore, bool withPartner) {
    if (CTreeNode* node = TreeViewInsertCanObj(index)) {
        TreeView->SelectNode(node);
        return;
    }
    // No node for it: the object goes again, and with it a PDO partner that
    // was made with it (never one that existed before).
    document_->RemoveRecord(kKindObject, ObjectKey(index, kMainEntry));
    const std::optional<unsigned> partner = withPartner ? PdoPartner(index) : std::nullopt;
    if (partner && std::find(existedBefore.begin(), existedBefore.end(), *partner) == existedBefore.end())
        document_->RemoveRecord(kKindObject, ObjectKey(*partner, kMainEntry));
}

bool TEdsMainForm::TreeViewChanging() {
    if (!currentView_) return true;
    if (currentView_->IsUnchanged() != 0) {
        currentView_->HideForm();
        currentView_ = nullptr;
        return true;
    }
    RefreshNodeFromForm();
    // Stored before it is hidden: a form that cannot be stored keeps its
    // node and its edits.
    if (!StoreCurrentView()) return false;
    CEdsView* stored = std::exchange(currentView_, nullptr);
    if (const EdsResult code = stored->HideForm(); code != 0) ReportStatus(code, QStringLiteral("The form cannot be hidden"));
    AfterStore(stored);
    return true;
}

bool TEdsMainForm::StoreCurrentView() {
    if (currentView_->Validate() != 0) {
        ErrorMessage(QStringLiteral("Error in data"), this);
        return false;
    }
    if (const EdsResult code = currentView_->WriteToStore(); code != 0) {
        ReportStatus(code, QStringLiteral("The changes cannot be stored"));
        return false;
    }
    return true;
}

void TEdsMainForm::AfterStore(CEdsView* view) {
    // The device information carries the identity values into object 0x1018.
    if (view == &deviceInfoView_) TreeViewInsertCanObj(kIdentityObject);
}

void TEdsMainForm::DiscardCurrentView() {
    if (!currentView_) return;
    CEdsView* view = std::exchange(currentView_, nullptr);
    view->HideForm();
    if (CEdsForm* form = view->GetForm()) form->SetModified(false);
}

void TEdsMainForm::TreeViewChange(QTreeWidgetItem* node) {
    CEdsView* view = document_ ? ViewFor(KindOf(node)) : nullptr;
    if (view) {
        if (view == objectView_.get() || view == segmentView_.get())
            static_cast<CKeyedView*>(view)->SetKey(NodeNumber(static_cast<CTreeNode*>(node)->Data()));
        if (const EdsResult code = view->ReadFromStore(); code != 0) {
            UpdateCommands();
            ReportStatus(code, QStringLiteral("The data of \"%1\" cannot be read").arg(node->text(0)));
            return;
        }
        if (const EdsResult code = view->ShowIn(EditPanel, node); code != 0) {
            UpdateCommands();
            ReportStatus(code, QStringLiteral("The form of \"%1\" cannot be shown").arg(node->text(0)));
            return;
        }
        currentView_ = view;
    }
    UpdateCommands();
}

void TEdsMainForm::RefreshNodeFromForm() {
    if (objectView_ && currentView_ == objectView_.get()) {
        if (CTreeNode* node = TreeViewLookupCanObj(objectView_->Key())) node->setText(0, objectView_->CurrentNodeText());
        return;
    }
    if (!segmentView_ || currentView_ != segmentView_.get()) return;
    CTreeNode* folder = RootNode(QString::fromLatin1(kDynChannelsNode));
    for (int i = 0; folder && i < folder->childCount(); ++i) {
        auto* child = static_cast<CTreeNode*>(folder->child(i));
        if (child->Data() != segmentView_->Key()) continue;
        child->setText(0, segmentView_->CurrentNodeText());
        SortChildren(folder);
        return;
    }
}

void TEdsMainForm::TreeViewEnter() {
    RefreshNodeFromForm();
    if (!segmentView_ || currentView_ != segmentView_.get()) return;
    CTreeNode* folder = RootNode(QString::fromLatin1(kDynChannelsNode));
    for (int i = 0; folder && i < folder->childCount(); ++i) {
        auto* child = static_cast<CTreeNode*>(folder->child(i));
        if (child->Data() == segmentView_->Key()) TreeView->SelectNode(child);
    }
}

bool TEdsMainForm::TreeViewKeyDown(int key) {
    const NodeKind kind = KindOf(TreeView->CurrentNode());
    const bool insert = key == Qt::Key_Insert;
    if (kind == NodeKind::Object || kind == NodeKind::Area) {
        insert ? MenuNewObjClick() : MenuDelObject();
    } else if (kind == NodeKind::Segment || kind == NodeKind::DynChannels) {
        insert ? MenuNewDynSegClick() : MenuDelDynSeg();
    } else {
        return false;
    }
    UpdateCommands();
    return true;
}

void TEdsMainForm::TreeViewContextPopup(QPoint at) {
    if (QTreeWidgetItem* node = TreeView->itemAt(at)) TreeView->SelectNode(node);
    UpdateCommands();
    if (document_) TreeViewPopUp->exec(TreeView->viewport()->mapToGlobal(at));
}

}  // namespace brenmoor

// The main window's construction, its layout and the command handlers.
// Documents: EdsMainDocument.cpp; tree and selection: EdsMainTree.cpp.
#include "editor/ui/EdsMainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "editor/document/RecordKinds.h"
#include "editor/ui/AboutForm.h"
#include "editor/ui/EditorParts.h"
#include "editor/ui/FailureReport.h"
#include "editor/ui/Messages.h"
#include "editor/ui/SettingsStore.h"

namespace brenmoor {
namespace {

constexpr int kToolBarHeight = 30;
constexpr int kToolButtonWidth = 25;
constexpr int kTreeWidth = 220;
constexpr int kSplitterMinimum = 150;
constexpr int kToolBarPictures = 16;
constexpr int kTreePictures = 5;
const QString kWindowGroup = QStringLiteral("Window");

// Runs a handler and turns whatever it throws into an error message.
template <class Handler>
void Connect(QAction* action, TEdsMainForm* window, Handler handler) {
    QObject::connect(action, &QAction::triggered, window, Guarded([window, handler](bool) { (window->*handler)(); }, window));
}

QAction* Item(QObject* owner, const QString& caption, bool enabled = true) {
    auto* action = new QAction(caption, owner);
    action->setEnabled(enabled);
    return action;
}

}  // namespace

TEdsMainForm::TEdsMainForm(QWidget* parent)
    : QMainWindow(parent), toolBarImages_(QStringLiteral("toolbar"), kToolBarPictures),
      treeImages_(QStringLiteral("tree"), kTreePictures) {
    setWindowTitle(QString::fromLatin1(kProductName));
    setWindowIcon(ProgramIcon());
    setAcceptDrops(true);
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateCentre();
    CreateStatusBar();
    BuildPopup();
    resize(800, 600);
    RestoreLayout();
    RegisterEditorParts(*this);
    UpdateCommands();
}

TEdsMainForm::~TEdsMainForm() {
    try {
        CloseDocument(false);
    } catch (...) {
        // Nothing can be reported while the window goes.
    }
}

void TEdsMainForm::SetObjectView(std::unique_ptr<CKeyedView> view) {
    if (currentView_ && currentView_ == objectView_.get()) DiscardCurrentView();
    if (objectView_) objectView_->SetStore(nullptr);
    objectView_ = std::move(view);
    if (objectView_) objectView_->SetStore(document_.get());
}

void TEdsMainForm::SetSegmentView(std::unique_ptr<CKeyedView> view) {
    if (currentView_ && currentView_ == segmentView_.get()) DiscardCurrentView();
    if (segmentView_) segmentView_->SetStore(nullptr);
    segmentView_ = std::move(view);
    if (segmentView_) segmentView_->SetStore(document_.get());
}

void TEdsMainForm::CreateActions() {
    MenuNew = Item(this, QStringLiteral("&New"));
    MenuNew->setShortcut(QKeySequence::New);
    MenuOpen = Item(this, QStringLiteral("&Open..."));
    MenuOpen->setShortcut(QKeySequence::Open);
    MenuSave = Item(this, QStringLiteral("&Save"), false);
    MenuSave->setShortcut(QKeySequence::Save);
    MenuSaveAs = Item(this, QStringLiteral("Save &As..."), false);
    MenuSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    MenuExit = Item(this, QStringLiteral("E&xit"));
    MenuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    MenuNewObj = Item(this, QStringLiteral("&New Object"), false);
    MenuCopyObj = Item(this, QStringLiteral("&Copy Object"), false);
    MenuAddPDO = Item(this, QStringLiteral("&Add PDOs"), false);
    MenuNewDynSeg = Item(this, QStringLiteral("New Dynamic &Segment"), false);
    // Insert and Delete belong to the tree's key handling, not to shortcuts.
    MenuDel = Item(this, QStringLiteral("&Delete"), false);
    MenuContents = Item(this, QStringLiteral("&Contents"));
    MenuContents->setVisible(false);
    MenuSearchHelp = Item(this, QStringLiteral("Search for Help on..."));
    MenuSearchHelp->setVisible(false);
    MenuAbout = Item(this, QStringLiteral("&About"));

    Connect(MenuNew, this, &TEdsMainForm::MenuNewClick);
    Connect(MenuOpen, this, &TEdsMainForm::MenuOpenClick);
    Connect(MenuSave, this, &TEdsMainForm::MenuSaveClick);
    Connect(MenuSaveAs, this, &TEdsMainForm::MenuSaveAsClick);
    Connect(MenuExit, this, &TEdsMainForm::MenuExitClick);
    Connect(MenuNewObj, this, &TEdsMainForm::MenuNewObjClick);
    Connect(MenuCopyObj, this, &TEdsMainForm::MenuCopyObjClick);
    Connect(MenuAddPDO, this, &TEdsMainForm::MenuAddPDOClick);
    Connect(MenuNewDynSeg, this, &TEdsMainForm::MenuNewDynSegClick);
    Connect(MenuDel, this, &TEdsMainForm::MenuDelClick);
    Connect(MenuAbout, this, &TEdsMainForm::MenuAboutClick);
}

void TEdsMainForm::CreateMenus() {
    MenuFile = menuBar()->addMenu(QStringLiteral("&File"));
    MenuFile->addAction(MenuNew);
    MenuFile->addAction(MenuOpen);
    MenuFile->addSeparator();
    MenuFile->addAction(MenuSave);
    MenuFile->addAction(MenuSaveAs);
    MenuFile->addSeparator();
    // The recent-file items go between these two separators.
    historyEnd_ = MenuFile->addSeparator();
    MenuFile->addAction(MenuExit);

    MenuEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    MenuEdit->addAction(MenuNewObj);
    MenuEdit->addAction(MenuCopyObj);
    MenuEdit->addSeparator();
    MenuEdit->addAction(MenuAddPDO);
    MenuEdit->addSeparator();
    MenuEdit->addAction(MenuNewDynSeg);
    MenuEdit->addSeparator();
    MenuEdit->addAction(MenuDel);

    MenuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    MenuHelp->addAction(MenuContents);
    MenuHelp->addAction(MenuSearchHelp);
    MenuHelp->addSeparator()->setVisible(false);
    MenuHelp->addAction(MenuAbout);
}

void TEdsMainForm::CreateToolBar() {
    ToolBar = addToolBar(QStringLiteral("ToolBar"));
    ToolBar->setObjectName(QStringLiteral("ToolBar"));
    ToolBar->setMovable(false);
    ToolBar->setFloatable(false);
    ToolBar->setIconSize(QSize(CImageList::kSize, CImageList::kSize));
    ToolBar->setFixedHeight(kToolBarHeight);
    ToolBar->setContextMenuPolicy(Qt::PreventContextMenu);

    const auto button = [this](const QString& caption, int image, QAction* item) {
        QAction* action = ToolBar->addAction(toolBarImages_.CommandIcon(image), caption);
        action->setToolTip(caption);
        action->setEnabled(item->isEnabled());
        connect(action, &QAction::triggered, item, &QAction::trigger);
        if (auto* widget = ToolBar->widgetForAction(action)) widget->setFixedWidth(kToolButtonWidth);
        return action;
    };
    ToolBtnNew = button(QStringLiteral("New"), 0, MenuNew);
    ToolBtnOpen = button(QStringLiteral("Open"), 2, MenuOpen);
    ToolBtnSave = button(QStringLiteral("Save"), 4, MenuSave);
    ToolBar->addSeparator();
    ToolBtnNewObj = button(QStringLiteral("New Object"), 6, MenuNewObj);
    ToolBtnCopyObj = button(QStringLiteral("Copy Object"), 8, MenuCopyObj);
    ToolBar->addSeparator();
    ToolBtnAddPDO = button(QStringLiteral("Add PDO"), 12, MenuAddPDO);
    ToolBar->addSeparator();
    ToolBtnNewDynSeg = button(QStringLiteral("New Dynamic Segment"), 14, MenuNewDynSeg);
    ToolBar->addSeparator();
    ToolBtnDelete = button(QStringLiteral("Delete"), 10, MenuDel);
}

void TEdsMainForm::CreateCentre() {
    Splitter = new QSplitter(Qt::Horizontal, this);
    Splitter->setObjectName(QStringLiteral("Splitter"));
    Splitter->setChildrenCollapsible(false);
    Splitter->setOpaqueResize(true);

    TreeView = new CEdsTreeView(Splitter);
    TreeView->setObjectName(QStringLiteral("TreeView"));
    TreeView->setMinimumWidth(kSplitterMinimum);
    TreeView->setIconSize(QSize(CImageList::kSize, CImageList::kSize));
    TreeView->setContextMenuPolicy(Qt::CustomContextMenu);
    TreeView->OnChanging([this] {
        try {
            return TreeViewChanging();
        } catch (...) {
            ReportCurrentException(this);
            return false;
        }
    });
    TreeView->OnInsertOrDelete([this](int key) {
        try {
            return TreeViewKeyDown(key);
        } catch (...) {
            ReportCurrentException(this);
            return true;
        }
    });
    TreeView->OnEnter(Guarded([this] { TreeViewEnter(); }, this));
    TreeView->OnChange(Guarded([this](QTreeWidgetItem* current) { TreeViewChange(current); }, this));
    connect(TreeView, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* node) { UpdateNodeImage(node); });
    connect(TreeView, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* node) { UpdateNodeImage(node); });
    connect(TreeView, &QWidget::customContextMenuRequested, this,
            Guarded([this](const QPoint& at) { TreeViewContextPopup(at); }, this));

    EditPanel = new QFrame(Splitter);
    EditPanel->setObjectName(QStringLiteral("EditPanel"));
    EditPanel->setFrameShape(QFrame::StyledPanel);
    EditPanel->setFrameShadow(QFrame::Plain);
    EditPanel->setMinimumWidth(kSplitterMinimum);
    auto* panelLayout = new QVBoxLayout(EditPanel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(0);

    Splitter->addWidget(TreeView);
    Splitter->addWidget(EditPanel);
    Splitter->setStretchFactor(0, 0);
    Splitter->setStretchFactor(1, 1);
    Splitter->setSizes({kTreeWidth, 580});
    connect(Splitter, &QSplitter::splitterMoved, this, [this](int position, int) { StatusPanel->setFixedWidth(position); });
    setCentralWidget(Splitter);
}

void TEdsMainForm::CreateStatusBar() {
    // Permanent widgets: a temporary message would hide both panels.
    StatusPanel = new QLabel(this);
    StatusPanel->setObjectName(QStringLiteral("StatusPanel"));
    StatusPanel->setFixedWidth(kTreeWidth);
    ProgressPanel = new CProgressPanel(this);
    ProgressPanel->setObjectName(QStringLiteral("ProgressPanel"));
    statusBar()->addPermanentWidget(StatusPanel, 0);
    statusBar()->addPermanentWidget(ProgressPanel, 1);
}

void TEdsMainForm::BuildPopup() {
    TreeViewPopUp = new QMenu(this);
    for (QAction* item : MenuEdit->actions()) {
        if (item->isSeparator()) {
            TreeViewPopUp->addSeparator();
            continue;
        }
        QAction* copy = TreeViewPopUp->addAction(item->text());
        copy->setEnabled(item->isEnabled());
        connect(copy, &QAction::triggered, item, &QAction::trigger);
    }
}

void TEdsMainForm::RestoreLayout() {
    CSettingsStore settings;
    settings.beginGroup(kWindowGroup);
    if (settings.contains(QStringLiteral("Geometry"))) restoreGeometry(settings.value(QStringLiteral("Geometry")).toByteArray());
    if (settings.contains(QStringLiteral("State"))) restoreState(settings.value(QStringLiteral("State")).toByteArray());
    if (settings.contains(QStringLiteral("Splitter")))
        Splitter->restoreState(settings.value(QStringLiteral("Splitter")).toByteArray());
    settings.endGroup();
}

void TEdsMainForm::SaveLayout() const {
    CSettingsStore settings;
    settings.beginGroup(kWindowGroup);
    settings.setValue(QStringLiteral("Geometry"), saveGeometry());
    settings.setValue(QStringLiteral("State"), saveState());
    settings.setValue(QStringLiteral("Splitter"), Splitter->saveState());
    settings.endGroup();
}

void TEdsMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_) return;
    shownOnce_ = true;
    // The status text panel is as wide as the tree.
    StatusPanel->setFixedWidth(Splitter->sizes().value(0, kTreeWidth));
    ReadRecentFiles();
    RebuildHistoryMenu();
}

void TEdsMainForm::closeEvent(QCloseEvent* event) {
    bool closing = false;
    try {
        closing = CloseDocument(IsModified());
    } catch (...) {
        ReportCurrentException(this);
    }
    if (!closing) {
        event->ignore();
        return;
    }
    SaveLayout();
    event->accept();
}

void TEdsMainForm::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile()) event->acceptProposedAction();
}

void TEdsMainForm::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) return;
    event->acceptProposedAction();
    // Opened once the drop is over: opening may ask questions.
    const QString path = urls.first().toLocalFile();
    QTimer::singleShot(0, this, Guarded([this, path] { OpenFile(path); }, this));
}

void TEdsMainForm::UpdateCommands() {
    const bool open = document_ != nullptr;
    for (QAction* command : {MenuSaveAs, MenuNewObj, MenuAddPDO, MenuNewDynSeg, MenuSave, ToolBtnSave, ToolBtnNewObj,
                             ToolBtnAddPDO, ToolBtnNewDynSeg})
        command->setEnabled(open);
    if (!open) {
        // Nothing to delete or copy without a document.
        MenuDel->setEnabled(false);
        MenuCopyObj->setEnabled(false);
    } else if (const CTreeNode* node = TreeView->CurrentNode()) {
        const uint32_t number = NodeNumber(node->Data());
        MenuDel->setEnabled(number >= 1 && number <= 0xFFFF);
        MenuCopyObj->setEnabled(IsObjectIndex(number));
    }
    ToolBtnDelete->setEnabled(MenuDel->isEnabled());
    ToolBtnCopyObj->setEnabled(MenuCopyObj->isEnabled());
    const QList<QAction*> items = MenuEdit->actions();
    const QList<QAction*> popupItems = TreeViewPopUp->actions();
    for (qsizetype i = 0; i < items.size() && i < popupItems.size(); ++i) popupItems[i]->setEnabled(items[i]->isEnabled());
}

QPoint TEdsMainForm::DialogPosition(int topOffset) const {
    const QRect frame = frameGeometry();
    return {frame.left() + 170, frame.top() + topOffset};
}

void TEdsMainForm::MenuNewClick() {
    std::optional<MainDialogs::ObjectCreator> creator = MainDialogs::ObjectCreator();
    if (dialogs_.newDescription) creator = dialogs_.newDescription(*this, DialogPosition(50));
    if (!creator) return;
    if (NewDocument() && *creator) (*creator)(*document_);
    TreeViewInitialize();
    UpdateCommands();
}

void TEdsMainForm::MenuOpenClick() {
    if (const std::optional<QString> path = AskOpenPath()) OpenFile(*path);
}

void TEdsMainForm::MenuSaveClick() {
    if (IsModified()) SaveDocument(false);
    UpdateCommands();
}

void TEdsMainForm::MenuSaveAsClick() { SaveDocument(true); }

void TEdsMainForm::MenuExitClick() { close(); }

void TEdsMainForm::MenuNewObjClick() {
    if (!document_ || !dialogs_.newObject) return;
    const std::vector<uint16_t> existed = ExistingObjects();
    if (const std::optional<unsigned> index = dialogs_.newObject(*this, DialogPosition(50), *document_))
        SelectNewObject(*index, existed, true);
    UpdateCommands();
}

void TEdsMainForm::MenuCopyObjClick() {
    if (!document_) return;
    const CTreeNode* node = TreeView->CurrentNode();
    if (!objectView_ || currentView_ != objectView_.get() || !node) {
        InformationMessage(QStringLiteral("Please select a object to copy !"), this);
        return;
    }
    const unsigned source = NodeNumber(node->Data());
    if (!IsObjectIndex(source) || !dialogs_.copyObject) return;
    const std::vector<uint16_t> existed = ExistingObjects();
    if (const std::optional<unsigned> index = dialogs_.copyObject(*this, DialogPosition(50), *document_, source))
        SelectNewObject(*index, existed, false);
    UpdateCommands();
}

void TEdsMainForm::MenuAddPDOClick() {
    if (!document_ || !dialogs_.addPdos) return;
    const std::vector<uint16_t> existed = ExistingObjects();
    if (const auto indexes = dialogs_.addPdos(*this, DialogPosition(50), *document_)) {
        for (const unsigned index : *indexes) SelectNewObject(index, existed, false);
    }
    UpdateCommands();
}

void TEdsMainForm::MenuNewDynSegClick() {
    if (!document_ || !dialogs_.newDynSegment) return;
    // The dialog reads the device information: pending changes of its form
    // are stored first by leaving its node and coming back.
    if (currentView_ == &deviceInfoView_) {
        CTreeNode* deviceNode = TreeView->CurrentNode();
        if (!TreeView->SelectNode(RootNode(QString::fromLatin1(kFileInfoNode))) || !TreeView->SelectNode(deviceNode)) return;
    }
    if (const std::optional<unsigned> number = dialogs_.newDynSegment(*this, DialogPosition(20), *document_)) {
        if (CTreeNode* node = TreeViewInsertDynSeg(*number))
            TreeView->SelectNode(node);
        else
            document_->RemoveRecord(kKindDynSegment, *number);
    }
    UpdateCommands();
}

void TEdsMainForm::MenuDelClick() {
    MenuDelObject();
    MenuDelDynSeg();
    UpdateCommands();
}

void TEdsMainForm::MenuAboutClick() {
    auto* about = new TAboutForm(this);
    about->exec();
}

void TEdsMainForm::ReportStatus(EdsResult code, const QString& what) { ReportFailure(code, what, this); }

}  // namespace brenmoor

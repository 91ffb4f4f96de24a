// The editor's main window: the one open document shown as a tree of
// sections, object areas, objects and dynamic channel segments, the form
// of the selected node beside it, the commands that create, open, save and
// close documents and add, copy and delete objects and segments, and the
// list of the four files used last.
#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QSplitter>
#include <QToolBar>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "editor/document/EdsFile.h"
#include "editor/ui/DeviceInfoForm.h"
#include "editor/ui/DummyUsageForm.h"
#include "editor/ui/EdsTreeView.h"
#include "editor/ui/FileInfoForm.h"
#include "editor/ui/ImageList.h"
#include "editor/ui/KeyedView.h"
#include "editor/ui/ProgressPanel.h"
#include "editor/ui/RecentFileList.h"
#include "editor/ui/TreeNodes.h"

namespace brenmoor {

// The modal dialogs the window's commands run; each is given the main
// window as owner and the top-left corner it is placed at. An empty
// optional means the user cancelled.
struct MainDialogs {
    // Creates the chosen objects in the new document.
    using ObjectCreator = std::function<void(CEdsStore& document)>;

    // New: the new description dialog; its creator runs once the new
    // document exists. Without a dialog a new description starts empty.
    std::function<std::optional<ObjectCreator>(QWidget& owner, QPoint at)> newDescription;
    // New Object: the index of the object created in the document.
    std::function<std::optional<unsigned>(QWidget& owner, QPoint at, CEdsStore& document)> newObject;
    // Copy Object: the index of the copy of the source object.
    std::function<std::optional<unsigned>(QWidget& owner, QPoint at, CEdsStore& document, unsigned source)> copyObject;
    // Add PDOs: the indexes of the objects created, in order.
    std::function<std::optional<std::vector<unsigned>>(QWidget& owner, QPoint at, CEdsStore& document)> addPdos;
    // New Dynamic Segment: the number of the segment created.
    std::function<std::optional<unsigned>(QWidget& owner, QPoint at, CEdsStore& document)> newDynSegment;
};

class TEdsMainForm : public QMainWindow {
public:
    static constexpr char kNamelessPath[] = "Nameless.eds";

    explicit TEdsMainForm(QWidget* parent = nullptr);
    ~TEdsMainForm() override;

    // The views of the object and segment nodes and the dialogs; without
    // them those nodes show no form and those commands do nothing.
    void SetObjectView(std::unique_ptr<CKeyedView> view);
    void SetSegmentView(std::unique_ptr<CKeyedView> view);
    void SetDialogs(MainDialogs dialogs) { dialogs_ = std::move(dialogs); }

    // Document operations. A successful OpenDocument leaves naming the
    // import's error file to its caller, after the tree is built.
    bool OpenDocument(const QString& path);
    bool NewDocument();
    bool SaveDocument(bool askForName);
    // False when the user cancelled.
    bool CloseDocument(bool askToSave);
    bool IsModified();
    void UpdateCommands();
    void ShowProgress(int percent);

    // Opens a file the user named (open dialog, command line, drop): on
    // success the file joins the recent-file list and the tree is built.
    bool OpenFile(const QString& path);

    // Tree operations.
    void TreeViewInitialize();
    void TreeViewUpdateNode(const QString& rootText);
    void TreeViewUpdateObjList(QTreeWidgetItem* node, unsigned low, unsigned high);
    void TreeViewUpdateDynList(QTreeWidgetItem* node);
    CTreeNode* TreeViewInsertCanObj(unsigned index);
    CTreeNode* TreeViewLookupCanObj(unsigned index) const;
    CTreeNode* TreeViewInsertDynSeg(unsigned number);
    void TreeViewDeleteNode(QTreeWidgetItem* node);
    void MenuDelObject();
    void MenuDelDynSeg();

    // Command handlers.
    void MenuNewClick();
    void MenuOpenClick();
    void MenuSaveClick();
    void MenuSaveAsClick();
    void MenuExitClick();
    void MenuNewObjClick();
    void MenuCopyObjClick();
    void MenuAddPDOClick();
    void MenuNewDynSegClick();
    void MenuDelClick();
    void MenuAboutClick();
    void MenuOpenHistoryFile(int position);

    // State, for the commands' callers and for tests.
    const QString& Path() const { return path_; }
    CEdsFile* Document() const { return document_.get(); }
    CEdsView* CurrentView() const { return currentView_; }
    CEdsTreeView& Tree() const { return *TreeView; }
    const CRecentFileList& RecentFiles() const { return recentFiles_; }
    CFileInfoView& FileInfoView() { return fileInfoView_; }
    CDeviceInfoView& DeviceInfoView() { return deviceInfoView_; }
    CDummyUsageView& DummyUsageView() { return dummyUsageView_; }
    CTreeNode* RootNode(const QString& text) const;
    QString StatusText() const { return StatusPanel->text(); }
    const CProgressPanel& Progress() const { return *ProgressPanel; }

    // Controls.
    QToolBar* ToolBar;
    QAction* ToolBtnNew;
    QAction* ToolBtnOpen;
    QAction* ToolBtnSave;
    QAction* ToolBtnNewObj;
    QAction* ToolBtnCopyObj;
    QAction* ToolBtnAddPDO;
    QAction* ToolBtnNewDynSeg;
    QAction* ToolBtnDelete;
    CEdsTreeView* TreeView;
    QSplitter* Splitter;
    QFrame* EditPanel;
    QLabel* StatusPanel;
    CProgressPanel* ProgressPanel;
    QMenu* MenuFile;
    QMenu* MenuEdit;
    QMenu* MenuHelp;
    QMenu* TreeViewPopUp;
    QAction* MenuNew;
    QAction* MenuOpen;
    QAction* MenuSave;
    QAction* MenuSaveAs;
    QAction* MenuExit;
    QAction* MenuNewObj;
    QAction* MenuCopyObj;
    QAction* MenuAddPDO;
    QAction* MenuNewDynSeg;
    QAction* MenuDel;
    QAction* MenuContents;
    QAction* MenuSearchHelp;
    QAction* MenuAbout;
    // The recent-file items, newest first.
    std::vector<QAction*> HistoryItems;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Construction.
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateCentre();
    void CreateStatusBar();
    void BuildPopup();
    void RestoreLayout();
    void SaveLayout() const;

    // Documents.
    bool MakeDocument();
    void DropDocument();
    void AttachViews(CEdsStore* document);
    void SetCaption(const QString& path);
    void ShowStatus(const QString& text);
    std::optional<QString> AskOpenPath();
    std::optional<QString> AskSavePath();
    bool StampFileInfo(const QString& target);
    void ReportErrorFile(const QString& path, const char* extension);
    void ReadRecentFiles();
    void WriteRecentFiles();
    void RebuildHistoryMenu();
    void RememberFile(const QString& path);

    // Selection and the shown form.
    bool TreeViewChanging();
    void TreeViewChange(QTreeWidgetItem* node);
    void TreeViewEnter();
    void RefreshNodeFromForm();
    bool StoreCurrentView();
    void AfterStore(CEdsView* view);
    void DiscardCurrentView();
    CEdsView* ViewFor(NodeKind kind);
    NodeKind KindOf(const QTreeWidgetItem* node) const;
    bool TreeViewKeyDown(int key);
    void TreeViewContextPopup(QPoint at);
    void UpdateNodeImage(QTreeWidgetItem* node);
    void SortChildren(QTreeWidgetItem* node);
    bool ObjectNodeContent(unsigned index, QString& text, uint32_t& data) const;
    bool SegmentNodeContent(unsigned number, QString& text) const;
    bool RemoveObject(unsigned index);
    // Inserts and selects the node of a new object; without a node the
    // object is removed again, with a PDO partner made with it when asked.
    void SelectNewObject(unsigned index, const std::vector<uint16_t>& existedBefore, bool withPartner);
    std::vector<uint16_t> ExistingObjects() const;
    QPoint DialogPosition(int topOffset) const;
    void ReportStatus(EdsResult code, const QString& what);

    CImageList toolBarImages_;
    CImageList treeImages_;
    std::unique_ptr<CEdsFile> document_;
    QString path_;
    CEdsView* currentView_ = nullptr;
    CFileInfoView fileInfoView_;
    CDeviceInfoView deviceInfoView_;
    CDummyUsageView dummyUsageView_;
    std::unique_ptr<CKeyedView> objectView_;
    std::unique_ptr<CKeyedView> segmentView_;
    MainDialogs dialogs_;
    CRecentFileList recentFiles_;
    QAction* historyEnd_ = nullptr;
    bool shownOnce_ = false;
};

}  // namespace brenmoor

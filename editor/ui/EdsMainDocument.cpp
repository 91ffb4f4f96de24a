// The main window's documents: open, new, save and close, the caption,
// the status panel and the recent-file list.
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>

#include "editor/document/SystemError.h"
#include "editor/ui/EdsMainForm.h"
#include "editor/ui/FailureReport.h"
#include "editor/ui/Messages.h"
#include "editor/ui/OleDateTime.h"
#include "editor/ui/SettingsStore.h"
#include "editor/ui/WorkingDocument.h"
#include "vantor/platform/files.h"
#include "vantor/platform/lasterror.h"

namespace brenmoor {
namespace {

const QString kEdsFilter = QStringLiteral("EDS files (*.eds)");
constexpr char kImportErrorExtension[] = ".Err";
constexpr char kExportErrorExtension[] = ".ERR";

std::string FileSystemPath(const QString& path) { return path.toUtf8().toStdString(); }

// Opens the file with the access and without sharing, to see whether
// another program holds it; the system's code when it cannot.
EdsResult TryExclusiveOpen(const QString& path, DWORD access) {
    HANDLE file = CreateFileA(FileSystemPath(path).c_str(), access, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        return code != 0 ? code : ERROR_ACCESS_DENIED;
    }
    CloseHandle(file);
    return 0;
}

// The error file a text exchange leaves beside the file: the file's
// extension replaced ("io.eds" gives "io.Err").
QString ErrorFilePath(const QString& path, const char* extension) {
    const QFileInfo file(path);
    const QString name = file.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot > 0 ? name.left(dot) : name;
    return file.dir().filePath(base + QString::fromLatin1(extension));
}

QString SystemText(EdsResult code) { return QString::fromStdString(SystemErrorText(code)); }

}  // namespace

void TEdsMainForm::SetCaption(const QString& path) {
    const QString product = QString::fromLatin1(kProductName);
    setWindowTitle(path.isEmpty() ? product : product + QStringLiteral(" - ") + path);
}

void TEdsMainForm::ShowStatus(const QString& text) {
    StatusPanel->setText(text);
    // Shown before the library call that follows; the event loop does not
    // run until it returns.
    if (StatusPanel->isVisible()) StatusPanel->repaint();
}

bool TEdsMainForm::MakeDocument() {
    document_ = CreateWorkingDocument(this);
    if (!document_) return false;
    document_->SetProgressHandler([this](int percent) { ShowProgress(percent); });
    AttachViews(document_.get());
    return true;
}

void TEdsMainForm::DropDocument() {
    DiscardCurrentView();
    AttachViews(nullptr);
    document_.reset();
    path_.clear();
    SetCaption(path_);
}

void TEdsMainForm::AttachViews(CEdsStore* document) {
    for (CEdsView* view : std::initializer_list<CEdsView*>{&fileInfoView_, &deviceInfoView_, &dummyUsageView_,
                                                             objectView_.get(), segmentView_.get()}) {
        if (view) view->SetStore(document);
    }
}

void TEdsMainForm::ShowProgress(int percent) { ProgressPanel->ShowProgress(percent); }

void TEdsMainForm::ReportErrorFile(const QString& path, const char* extension) {
    const QString errorFile = ErrorFilePath(path, extension);
    if (QFileInfo(errorFile).isFile())
        InformationMessage(QStringLiteral("The problems found are listed in the file \"%1\" !").arg(errorFile), this);
}

bool TEdsMainForm::IsModified() {
    const bool formChanged = currentView_ && currentView_->IsUnchanged() == 0;
    if (!document_) return formChanged;
    return formChanged || document_->Modified();
}

bool TEdsMainForm::OpenDocument(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        InformationMessage(QStringLiteral("The file selected does not exist !"), this);
        return false;
    }
    if (const EdsResult code = TryExclusiveOpen(path, GENERIC_READ); code != 0) {
        if (code == ERROR_SHARING_VIOLATION)
            InformationMessage(QStringLiteral("The file selected is currently used by another application !"), this);
        else
            ReportStatus(code, QStringLiteral("The file \"%1\" cannot be opened").arg(path));
        return false;
    }
    if (!CloseDocument(IsModified())) return false;

    path_ = path;
    if (!MakeDocument()) {
        path_.clear();
        UpdateCommands();
        return false;
    }
    ShowStatus(QStringLiteral("loading EDS file..."));
    const EdsResult code = document_->OpenEds(FileSystemPath(path));
    ShowStatus(QString());
    ShowProgress(0);
    if (code != 0) {
        DropDocument();
        UpdateCommands();
        ErrorMessage(QStringLiteral("The EDS file \"%1\" cannot be read:\n%2 !").arg(path, SystemText(code)), this);
        ReportErrorFile(path, kImportErrorExtension);
        return false;
    }
    SetCaption(path_);
    UpdateCommands();
    // The caller names the error file once the tree shows the description.
    return true;
}

bool TEdsMainForm::OpenFile(const QString& path) {
    if (!OpenDocument(path)) {
        UpdateCommands();
        return false;
    }
    RememberFile(path);
    TreeViewInitialize();
    UpdateCommands();
    ReportErrorFile(path, kImportErrorExtension);
    return true;
}

bool TEdsMainForm::NewDocument() {
    if (!CloseDocument(IsModified())) return false;
    path_ = QString::fromLatin1(kNamelessPath);
    if (!MakeDocument()) {
        path_.clear();
        return false;
    }
    EdsResult code = document_->NewDescription();
    if (code == 0) {
        fileInfoView_.Reset();
        fileInfoView_.SetFileName(path_);
        code = fileInfoView_.WriteToStore();
    }
    if (code == 0) {
        deviceInfoView_.Reset();
        code = deviceInfoView_.WriteToStore();
    }
    if (code != 0) {
        // No half-made description stays.
        DropDocument();
        ReportStatus(code, QStringLiteral("No new description can be made"));
        return false;
    }
    SetCaption(path_);
    return true;
}

bool TEdsMainForm::SaveDocument(bool askForName) {
    if (!document_) return false;
    QString target = path_;
    if (askForName || path_ == QLatin1String(kNamelessPath)) {
        const std::optional<QString> chosen = AskSavePath();
        if (!chosen) return false;
        target = *chosen;
    }
    if (QFileInfo::exists(target) && TryExclusiveOpen(target, GENERIC_READ | GENERIC_WRITE) != 0) {
        if (Question(QStringLiteral("Access to the file is denied !\rSave to another file ?"), this) == QMessageBox::Yes)
            return SaveDocument(true);
        return false;
    }

    // The shown form is stored by leaving its node; then the file
    // information, stamped with the name and the time, by leaving its own.
    CTreeNode* remembered = TreeView->CurrentNode();
    if (!StampFileInfo(target)) return false;

    ShowStatus(QStringLiteral("saving EDS file..."));
    const EdsResult code = document_->SaveEds(FileSystemPath(target));
    ShowStatus(QString());
    ShowProgress(0);
    TreeView->SelectNode(remembered);
    if (code != 0) {
        SetCaption(path_);
        ErrorMessage(QStringLiteral("The EDS file \"%1\" cannot be saved:\n%2 !").arg(target, SystemText(code)), this);
        ReportErrorFile(target, kExportErrorExtension);
        return false;
    }
    path_ = target;
    SetCaption(path_);
    RememberFile(path_);
    ReportErrorFile(target, kExportErrorExtension);
    return true;
}

bool TEdsMainForm::StampFileInfo(const QString& target) {
    CTreeNode* fileInfoNode = RootNode(QString::fromLatin1(kFileInfoNode));
    if (!fileInfoNode) {
        // No tree to go through: the file information is stored directly.
        if (const EdsResult code = fileInfoView_.ReadFromStore(); code != 0) {
            ReportStatus(code, QStringLiteral("The file information cannot be read"));
            return false;
        }
    } else if (!TreeView->SelectNode(fileInfoNode)) {
        return false;
    }
    fileInfoView_.SetFileName(target);
    fileInfoView_.SetModification(ToOleDate(QDateTime::currentDateTime()));
    if (fileInfoNode) return TreeView->SelectNode(nullptr);
    if (const EdsResult code = fileInfoView_.WriteToStore(); code != 0) {
        ReportStatus(code, QStringLiteral("The file information cannot be stored"));
        return false;
    }
    return true;
}

bool TEdsMainForm::CloseDocument(bool askToSave) {
    if (!document_) return true;
    if (askToSave) {
        const auto answer = Question(QStringLiteral("Save changes to \"%1\" ?").arg(path_), this);
        if (answer == QMessageBox::Cancel) return false;
        if (answer == QMessageBox::Yes && !SaveDocument(false)) return false;
    }
    // Edits the user chose not to save are dropped, never stored.
    DiscardCurrentView();
    TreeView->SelectNode(nullptr);
    TreeView->clear();
    DropDocument();
    UpdateCommands();
    WriteRecentFiles();
    return true;
}

std::optional<QString> TEdsMainForm::AskOpenPath() {
    QFileDialog dialog(this, QStringLiteral("Open"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(kEdsFilter);
    dialog.setDefaultSuffix(QStringLiteral("eds"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> TEdsMainForm::AskSavePath() {
    QFileDialog dialog(this, QStringLiteral("Save As"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(kEdsFilter);
    dialog.setDefaultSuffix(QStringLiteral("eds"));
    const QFileInfo current(path_);
    if (current.isAbsolute()) dialog.setDirectory(current.absolutePath());
    dialog.selectFile(current.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void TEdsMainForm::ReadRecentFiles() {
    CSettingsStore settings;
    recentFiles_.Read(settings);
}

void TEdsMainForm::WriteRecentFiles() {
    CSettingsStore settings;
    recentFiles_.Write(settings);
}

void TEdsMainForm::RememberFile(const QString& path) {
    if (recentFiles_.Contains(path)) return;
    recentFiles_.Add(path);
    RebuildHistoryMenu();
}

void TEdsMainForm::RebuildHistoryMenu() {
    for (QAction* item : HistoryItems) {
        MenuFile->removeAction(item);
        item->deleteLater();
    }
    HistoryItems.clear();
    const QStringList& entries = recentFiles_.Entries();
    for (qsizetype position = entries.size() - 1; position >= 0; --position) {
        const auto number = static_cast<int>(entries.size() - position);
        auto* item = new QAction(CRecentFileList::Caption(number, entries.at(position)), MenuFile);
        item->setData(static_cast<int>(position));
        connect(item, &QAction::triggered, this,
                Guarded([this, item](bool) { MenuOpenHistoryFile(item->data().toInt()); }, this));
        MenuFile->insertAction(historyEnd_, item);
        HistoryItems.push_back(item);
    }
}

void TEdsMainForm::MenuOpenHistoryFile(int position) {
    const std::optional<QString> path = recentFiles_.At(position);
    if (!path) return;
    if (OpenDocument(*path)) {
        TreeViewInitialize();
        UpdateCommands();
        ReportErrorFile(*path, kImportErrorExtension);
        return;
    }
    if (!QFileInfo::exists(*path)) recentFiles_.RemoveAt(position);
    WriteRecentFiles();
    RebuildHistoryMenu();
    UpdateCommands();
}

}  // namespace brenmoor

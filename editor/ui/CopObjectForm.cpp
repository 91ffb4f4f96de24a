#include "editor/ui/CopObjectForm.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

#include "editor/document/IndexRanges.h"
#include "editor/document/RecordKinds.h"
#include "editor/document/SystemError.h"
#include "editor/ui/DisplayText.h"
#include "editor/ui/Messages.h"
#include "editor/ui/NewSubForm.h"
#include "editor/ui/TreeNodes.h"

namespace brenmoor {
namespace {

constexpr int kLastSub = 0xFE;
constexpr int kMaxSubCount = 255;
constexpr unsigned kErrorHistoryIndex = 0x1003;

QString TwoHexDigits(int sub) { return QString::number(sub, 16).toUpper().rightJustified(2, QLatin1Char('0')); }

// The sub-index an item of the list stands for; -1 when it reads as none.
int SubOfItem(const QListWidgetItem* item) {
    if (!item) return -1;
    bool parsed = false;
    const int sub = item->text().toInt(&parsed, 16);
    return parsed ? sub : -1;
}

bool IsSubIndex(int sub) { return sub >= 0 && sub <= kLastSub; }

// Sub-index 0 of these objects counts entries of its own kind, not the
// highest sub-index present.
bool SubZeroIsOwnCount(unsigned index) { return index == kErrorHistoryIndex || IsPdoMap(index); }

QWidget* NewPanel() {
    auto* panel = new QWidget;
    panel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return panel;
}

}  // namespace

TCopObjectForm::TCopObjectForm() {
    setWindowTitle(QStringLiteral("CANopen Object"));
    auto* page = new QVBoxLayout(Content());
    pgControl = new QTabWidget;
    page->addWidget(pgControl);

    MainSheet = new QWidget;
    auto* main = new QVBoxLayout(MainSheet);
    grpObjectKind = new QGroupBox;
    auto* kinds = new QHBoxLayout(grpObjectKind);
    btnMandatory = new QRadioButton(QStringLiteral("&Mandatory"));
    btnOptional = new QRadioButton(QStringLiteral("&Optional"));
    btnManufacturer = new QRadioButton(QStringLiteral("Manu&facturer"));
    btnMandatory->setChecked(true);
    for (QRadioButton* button : {btnMandatory, btnOptional, btnManufacturer}) kinds->addWidget(button);
    kinds->addStretch(1);
    main->addWidget(grpObjectKind);
    Panel1 = NewPanel();
    main->addWidget(Panel1, 1);
    pgControl->addTab(MainSheet, QStringLiteral("Main"));

    SubsSheet = new QWidget;
    auto* subs = new QVBoxLayout(SubsSheet);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("Sub Index:")));
    buttons->addStretch(1);
    btnAddSub = new QPushButton(QStringLiteral("&Add"));
    btnDelSub = new QPushButton(QStringLiteral("&Delete"));
    buttons->addWidget(btnAddSub);
    buttons->addWidget(btnDelSub);
    subs->addLayout(buttons);
    lbxSubIndex = new THListBox;
    lbxSubIndex->setToolTip(QStringLiteral("select sub index"));
    subs->addWidget(lbxSubIndex);
    Panel3 = NewPanel();
    subs->addWidget(Panel3, 1);
    pgControl->addTab(SubsSheet, QStringLiteral("Subs"));
}

void TCopObjectForm::ShowSubsPage(bool shown) {
    pgControl->setTabVisible(pgControl->indexOf(SubsSheet), shown);
    if (!shown) pgControl->setCurrentWidget(MainSheet);
}

bool TCopObjectForm::SubsPageShown() const { return pgControl->isTabVisible(pgControl->indexOf(SubsSheet)); }

CCopObjectView::CCopObjectView() {
    TCopObjectForm& form = Form();
    QObject::connect(form.lbxSubIndex, &QListWidget::currentRowChanged, &form, [this] { lbxSubIndexClick(); });
    QObject::connect(form.btnAddSub, &QPushButton::clicked, &form, [this] { btnAddSubClick(); });
    QObject::connect(form.btnDelSub, &QPushButton::clicked, &form, [this] { btnDelSubClick(); });
    QObject::connect(form.btnMandatory, &QRadioButton::clicked, &form, [this] { CategoryClick(1); });
    QObject::connect(form.btnOptional, &QRadioButton::clicked, &form, [this] { CategoryClick(2); });
    QObject::connect(form.btnManufacturer, &QRadioButton::clicked, &form, [this] { CategoryClick(3); });
}

QString CCopObjectView::CurrentNodeText() { return ObjectNodeText(index_, mainView_.ParameterName()); }

void CCopObjectView::OnAttach() {
    mainView_.SetStore(Store());
    subView_.SetStore(Store());
}

void CCopObjectView::OnDetach() {
    mainView_.SetStore(nullptr);
    subView_.SetStore(nullptr);
}

EdsResult CCopObjectView::IsUnchanged() { return mainView_.IsUnchanged() && subView_.IsUnchanged() ? 1 : 0; }

EdsResult CCopObjectView::Reset() {
    const EdsResult mainCode = mainView_.Reset();
    const EdsResult subCode = subView_.Reset();
    return mainCode != 0 ? mainCode : subCode;
}

EdsResult CCopObjectView::ReadFromStore() {
    mainView_.SetKey(ObjectKey(index_, kMainEntry));
    shownSub_ = -1;
    subView_.Form().SetModified(false);
    return mainView_.ReadFromStore();
}

EdsResult CCopObjectView::WriteToStore() {
    if (!mainView_.IsUnchanged()) {
        if (const EdsResult code = mainView_.WriteToStore(); code != 0) return code;
    }
    if (mainView_.SubCount() > 0 && IsSubIndex(shownSub_) && !subView_.IsUnchanged()) return subView_.WriteToStore();
    return 0;
}

EdsResult CCopObjectView::Validate() {
    if (!mainView_.IsUnchanged() && mainView_.Validate() != 0) return 1;
    if (IsSubIndex(shownSub_) && !subView_.IsUnchanged() && subView_.Validate() != 0) return 1;
    return 0;
}

EdsResult CCopObjectView::ShowIn(QWidget* parent, TreeNode node) {
    if (const EdsResult code = CEdsView::ShowIn(parent, node); code != 0) return code;
    TCopObjectForm& form = Form();
    if (const EdsResult code = mainView_.ShowIn(form.Panel1, node); code != 0) return code;
    if (const EdsResult code = subView_.ShowIn(form.Panel3, node); code != 0) return code;
    ShowCategory();
    if (mainView_.SubCount() < 1) {
        mainView_.Form().SetMask(kAllValueFields);
        form.ShowSubsPage(false);
        return 0;
    }
    FillSubList();
    form.lbxSubIndex->SetTag(-1);
    form.lbxSubIndex->SetRowQuietly(0);
    lbxSubIndexClick();
    mainView_.Form().SetMask(kNameAndTypeFields);
    subView_.Form().SetMask(kAllValueFields);
    form.ShowSubsPage(true);
    return 0;
}

EdsResult CCopObjectView::HideForm() {
    mainView_.HideForm();
    subView_.HideForm();
    return CEdsView::HideForm();
}

void CCopObjectView::ShowCategory() {
    const int category = mainView_.Category();
    TCopObjectForm& form = Form();
    int number = 1;
    for (QRadioButton* button : {form.btnMandatory, form.btnOptional, form.btnManufacturer}) {
        button->setAutoExclusive(false);
        button->setChecked(category == number++);
        button->setAutoExclusive(true);
    }
}

void CCopObjectView::FillSubList() {
    THListBox& list = *Form().lbxSubIndex;
    const QSignalBlocker quiet(&list);
    list.clear();
    const QString map = PresenceMap();
    for (int sub = 0; sub <= kLastSub; ++sub) {
        if (map[sub] == QLatin1Char('1')) list.addItem(TwoHexDigits(sub));
    }
}

QString CCopObjectView::PresenceMap() const {
    return mainView_.DefaultValue().leftJustified(kLastSub + 1, QLatin1Char('0'));
}

EdsResult CCopObjectView::SelectSubIndex(int sub) {
    if (!IsSubIndex(sub)) return kInvalidSubIndex;
    subView_.SetKey(ObjectKey(index_, static_cast<unsigned>(sub)));
    shownSub_ = sub;
    return subView_.ReadFromStore();
}

bool CCopObjectView::CommitSubForm(bool validate) {
    if (subView_.IsUnchanged()) return true;
    if (validate && subView_.Validate() != 0) {
        ErrorMessage(QStringLiteral("Error in data"), form_.get());
        return false;
    }
    if (const EdsResult code = subView_.WriteToStore(); code != 0) {
        ReportRequestFailure(code, QStringLiteral("The sub index %1 cannot be stored").arg(TwoHexDigits(shownSub_)));
        return false;
    }
    return true;
}

EdsResult CCopObjectView::ReadSub(int sub, EdsObjectRecord& record) {
    if (sub < -1 || sub > kLastSub) return kInvalidSubIndex;
    return GetRecord(kKindObject, ObjectKey(index_, sub < 0 ? kMainEntry : static_cast<unsigned>(sub)), &record);
}

EdsResult CCopObjectView::AddSub(int sub, const EdsObjectRecord& record) {
    if (sub < -1 || sub > kLastSub) return kInvalidSubIndex;
    return AddRecord(kKindObject, ObjectKey(index_, sub < 0 ? kMainEntry : static_cast<unsigned>(sub)), &record);
}

EdsResult CCopObjectView::RemoveSub(int sub) {
    if (sub < -1 || sub > kLastSub) return kInvalidSubIndex;
    return RemoveRecord(kKindObject, ObjectKey(index_, sub < 0 ? kMainEntry : static_cast<unsigned>(sub)));
}

void CCopObjectView::ReportRequestFailure(EdsResult code, const QString& what) {
    ErrorMessage(QStringLiteral("%1:\n%2").arg(what, QString::fromStdString(SystemErrorText(code))), form_.get());
}

void CCopObjectView::lbxSubIndexClick() {
    THListBox& list = *Form().lbxSubIndex;
    const int row = list.currentRow();
    if (row < 0) return;
    const int sub = SubOfItem(list.item(row));
    if (sub != shownSub_ || row != list.Tag()) {
        if (sub != shownSub_) {
            if (IsSubIndex(shownSub_) && !CommitSubForm(true)) {
                // The shown sub-index keeps its edits and stays selected.
                const QList<QListWidgetItem*> shown = list.findItems(TwoHexDigits(shownSub_), Qt::MatchExactly);
                list.SetRowQuietly(shown.isEmpty() ? list.Tag() : list.row(shown.first()));
                return;
            }
            if (IsSubIndex(sub)) {
                if (const EdsResult code = SelectSubIndex(sub); code != 0)
                    ReportRequestFailure(code, QStringLiteral("The sub index %1 cannot be read").arg(TwoHexDigits(sub)));
            }
        }
    }
    Form().btnDelSub->setEnabled(row != 0);
    list.SetTag(row);
}

void CCopObjectView::CategoryClick(int category) { mainView_.Form().SetCategory(category); }

void CCopObjectView::StorePresence(QString map, int sub, bool present) {
    map[sub] = present ? QLatin1Char('1') : QLatin1Char('0');
    TCopVariableForm& main = mainView_.Form();
    main.SetDefaultValue(map);
    main.SetSubCount(main.SubCount() + (present ? 1 : -1));
    main.SetMask(main.SubCount() > 0 ? kNameAndTypeFields : kAllValueFields);
}

void CCopObjectView::FollowHighestSub(int oldHighest, int newHighest) {
    if (SubZeroIsOwnCount(index_) || oldHighest < 0 || PresenceMap()[0] != QLatin1Char('1')) return;
    if (shownSub_ == 0) {
        if (const std::optional<QString> value = FollowedCount(subView_.DefaultValue(), oldHighest, newHighest))
            subView_.Form().SetDefaultValue(*value);
        return;
    }
    EdsObjectRecord counter{};
    if (ReadSub(0, counter) != 0) return;
    const std::optional<QString> value = FollowedCount(FormText(counter.DefaultValue), oldHighest, newHighest);
    if (!value) return;
    StoreFormText(counter.DefaultValue, *value);
    if (const EdsResult code = SetRecord(kKindObject, ObjectKey(index_, 0), &counter); code != 0)
        ReportRequestFailure(code, QStringLiteral("The sub index 00 cannot be stored"));
}

void CCopObjectView::btnAddSubClick() {
    if (mainView_.SubCount() >= kMaxSubCount) {
        InformationMessage(QStringLiteral("No free sub indices available !"), form_.get());
        return;
    }
    const QString map = PresenceMap();
    const int firstFree = map.left(kLastSub + 1).indexOf(QLatin1Char('0'));
    EdsObjectRecord record{};
    if (firstFree <= 0) {
        record.ObjectType = kObjectVar;
        record.AccessType = kAccessRo;
        record.DataType = kUnsigned8;
    } else {
        if (!CommitSubForm(true)) return;
        if (const EdsResult code = ReadSub(firstFree - 1, record); code != 0) {
            ReportRequestFailure(code, QStringLiteral("The sub index %1 cannot be read").arg(TwoHexDigits(firstFree - 1)));
            return;
        }
    }

    TNewSubForm dialog(form_.get());
    dialog.SetPresenceMap(map);
    dialog.SetTemplate(record);
    dialog.move(form_->mapToGlobal(QPoint(10, 10)));
    if (dialog.exec() != QDialog::Accepted) return;
    dialog.FillRecord(record);
    const int sub = dialog.SubIndex();
    if (const EdsResult code = AddSub(sub, record); code != 0) {
        ReportRequestFailure(code, QStringLiteral("The sub index %1 cannot be added").arg(TwoHexDigits(sub)));
        return;
    }
    const int oldHighest = HighestPresentSub(map);
    StorePresence(map, sub, true);
    if (sub != 0) FollowHighestSub(oldHighest, HighestPresentSub(PresenceMap()));

    THListBox& list = *Form().lbxSubIndex;
    {
        const QSignalBlocker quiet(&list);
        list.addItem(TwoHexDigits(sub));
    }
    const QList<QListWidgetItem*> added = list.findItems(TwoHexDigits(sub), Qt::MatchExactly);
    list.SetRowQuietly(added.isEmpty() ? list.count() - 1 : list.row(added.first()));
    lbxSubIndexClick();
}

void CCopObjectView::btnDelSubClick() {
    THListBox& list = *Form().lbxSubIndex;
    const int row = list.currentRow();
    const int sub = SubOfItem(list.item(row));
    if (sub < 1 || sub > kLastSub + 1) return;
    if (Question(QStringLiteral("Do you really want to delete sub index %1 (hex) ?").arg(TwoHexDigits(sub)), form_.get()) !=
        QMessageBox::Yes)
        return;
    if (const EdsResult code = RemoveSub(sub); code != 0) {
        ReportRequestFailure(code, QStringLiteral("The sub index %1 cannot be deleted").arg(TwoHexDigits(sub)));
        return;
    }
    const QString map = PresenceMap();
    if (map[sub] == QLatin1Char('1')) {
        const int oldHighest = HighestPresentSub(map);
        StorePresence(map, sub, false);
        FollowHighestSub(oldHighest, HighestPresentSub(PresenceMap()));
    }
    {
        const QSignalBlocker quiet(&list);
        delete list.takeItem(row);
    }
    // The deleted record's edits are dropped with it.
    list.SetTag(-1);
    if (shownSub_ == sub) {
        shownSub_ = -1;
        subView_.Form().SetModified(false);
    }
    list.SetRowQuietly(row < list.count() ? row : list.count() - 1);
    lbxSubIndexClick();
}

int HighestPresentSub(const QString& map) {
    for (int sub = std::min<int>(kLastSub, static_cast<int>(map.size()) - 1); sub >= 0; --sub) {
        if (map[sub] == QLatin1Char('1')) return sub;
    }
    return -1;
}

std::optional<QString> FollowedCount(const QString& value, int oldHighest, int newHighest) {
    const QString text = value.trimmed();
    const bool hex = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    const QString digits = hex ? text.mid(2) : text;
    bool parsed = false;
    const int number = digits.toInt(&parsed, hex ? 16 : 10);
    const bool signedText = digits.startsWith(QLatin1Char('+')) || digits.startsWith(QLatin1Char('-'));
    if (!parsed || signedText || number != oldHighest) return std::nullopt;
    if (!hex) return QString::number(newHighest);
    const bool lower = digits != digits.toUpper();
    QString newDigits = QString::number(newHighest, 16).rightJustified(static_cast<int>(digits.size()), QLatin1Char('0'));
    return text.left(2) + (lower ? newDigits : newDigits.toUpper());
}

}  // namespace brenmoor

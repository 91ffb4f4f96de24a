#include "editor/ui/NewEdsForm.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>

#include <cstring>

#include "editor/document/CANoType.h"
#include "editor/document/EdsStore.h"
#include "editor/document/RecordKinds.h"
#include "editor/ui/Messages.h"
#include "editor/ui/StandardObjectRecords.h"

namespace brenmoor {
namespace {

constexpr unsigned kMandatory[] = {0x1000, 0x1001, 0x1018};
constexpr int kIndexColumn = 0;
constexpr int kNameColumn = 1;

QTreeWidget* ReportList(const QStringList& captions, bool headerShown) {
    auto* list = new QTreeWidget;
    list->setColumnCount(2);
    list->setHeaderLabels(captions);
    list->headerItem()->setTextAlignment(kIndexColumn, Qt::AlignCenter);
    list->headerItem()->setTextAlignment(kNameColumn, Qt::AlignCenter);
    list->setHeaderHidden(!headerShown);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setUniformRowHeights(true);
    list->setColumnWidth(kIndexColumn, 80);
    list->sortByColumn(kIndexColumn, Qt::AscendingOrder);
    list->setSortingEnabled(true);
    return list;
}

QString IndexText(unsigned index) { return QString::asprintf("%4.4X", index & 0xFFFFu); }

}  // namespace

TNewEdsForm::TNewEdsForm(QWidget* parent)
    : QDialog(parent),
      MandList(ReportList({QStringLiteral("   Index"), QStringLiteral("Name")}, true)),
      OptList(ReportList({QStringLiteral("    Index"), QStringLiteral("Name")}, false)),
      OkBtn(new QPushButton(QStringLiteral("&Ok"))),
      CancelBtn(new QPushButton(QStringLiteral("&Cancel"))) {
    setWindowTitle(QStringLiteral("DS 301 Objects"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    MandList->setEnabled(false);
    MandList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MandList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OkBtn);
    buttons->addWidget(CancelBtn);
    auto* page = new QVBoxLayout(this);
    page->addWidget(new QLabel(QStringLiteral("Mandatory objects:")));
    page->addWidget(MandList);
    page->addWidget(new QLabel(QStringLiteral("Optional objects:")));
    page->addWidget(OptList, 1);
    page->addLayout(buttons);
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    resize(380, 520);
}

void TNewEdsForm::FillListView(QTreeWidget& list, const char* indexes) {
    const std::size_t length = std::strlen(indexes);
    for (std::size_t at = 0; at + 4 <= length; at += 4) {
        const QString caption = QString::fromLatin1(indexes + at, 4);
        bool parsed = false;
        const unsigned index = caption.toUInt(&parsed, 16);
        auto* item = new QTreeWidgetItem(&list);
        item->setText(kIndexColumn, caption);
        item->setText(kNameColumn, parsed ? QString::fromStdString(MainName(index)) : QString());
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(kIndexColumn, Qt::Unchecked);
    }
    list.resizeColumnToContents(kNameColumn);
}

int TNewEdsForm::Run() {
    MandList->clear();
    OptList->clear();
    FillListView(*MandList, kMandatoryIndexes);
    FillListView(*OptList, kOptionalIndexes);
    for (int i = 0; i < MandList->topLevelItemCount(); ++i)
        MandList->topLevelItem(i)->setCheckState(kIndexColumn, Qt::Checked);
    // Room for the header and every mandatory item.
    MandList->setFixedHeight(MandList->header()->sizeHint().height() +
                             MandList->topLevelItemCount() * MandList->sizeHintForRow(0) + 2 * MandList->frameWidth() + 2);
    OptList->setFocus();
    return exec();
}

std::vector<unsigned> TNewEdsForm::CheckedOptional() const {
    std::vector<unsigned> indexes;
    for (int i = 0; i < OptList->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = OptList->topLevelItem(i);
        bool parsed = false;
        const unsigned index = item->text(kIndexColumn).toUInt(&parsed, 16);
        if (parsed && item->checkState(kIndexColumn) == Qt::Checked) indexes.push_back(index);
    }
    return indexes;
}

std::vector<unsigned> TNewEdsForm::Generate(CEdsStore& document) {
    document_ = &document;
    std::vector<unsigned> failed;
    std::vector<unsigned> indexes(std::begin(kMandatory), std::end(kMandatory));
    for (const unsigned index : CheckedOptional()) indexes.push_back(index);
    for (const unsigned index : indexes) {
        if (!DoCreateObj(index)) failed.push_back(index);
    }
    if (!failed.empty()) {
        QStringList texts;
        for (const unsigned index : failed) texts.append(IndexText(index));
        ErrorMessage(QStringLiteral("The objects %1 could not be created !").arg(texts.join(QStringLiteral(", "))),
                     parentWidget());
    }
    return failed;
}

bool TNewEdsForm::DoCreateObj(unsigned index) {
    if (!document_) return false;
    const std::optional<EdsObjectRecord> main = GetMainData(index);
    if (!main || document_->AddRecord(kKindObject, ObjectKey(index, kMainEntry), &*main) != 0) return false;
    if (main->ObjectType != kObjectArray && main->ObjectType != kObjectRecord) return true;
    const int count = EntryCount(index);
    for (int sub = 0; sub < count; ++sub) {
        const std::optional<EdsObjectRecord> entry = GetSubData(index, static_cast<unsigned>(sub));
        if (!entry || document_->AddRecord(kKindObject, ObjectKey(index, static_cast<unsigned>(sub)), &*entry) != 0) {
            document_->RemoveRecord(kKindObject, ObjectKey(index, kMainEntry));
            return false;
        }
    }
    return true;
}

}  // namespace brenmoor

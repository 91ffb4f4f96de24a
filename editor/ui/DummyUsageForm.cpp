#include "editor/ui/DummyUsageForm.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "editor/document/RecordKinds.h"

namespace brenmoor {
namespace {

constexpr std::array<const char*, 7> kCaptions{"Boolean",   "Signed8",    "Signed16",  "Signed32",
                                               "Unsigned8", "Unsigned16", "Unsigned32"};

uint8_t* Flags(EdsDummyUsageRecord& record) { return &record.Dummy0001; }
const uint8_t* Flags(const EdsDummyUsageRecord& record) { return &record.Dummy0001; }

}  // namespace

TDummyUsageForm::TDummyUsageForm() : chkDummies{} {
    setWindowTitle(QStringLiteral("DummyUsage"));
    auto* page = new QVBoxLayout(Content());
    auto* group = new QGroupBox(QStringLiteral("Dummy Usage"));
    auto* boxes = new QVBoxLayout(group);
    for (std::size_t i = 0; i < chkDummies.size(); ++i) {
        chkDummies[i] = new QCheckBox(QString::fromLatin1(kCaptions[i]));
        boxes->addWidget(chkDummies[i]);
        TrackEdits(chkDummies[i]);
    }
    page->addWidget(group);
    page->addStretch(1);
    setFocusProxy(chkDummies[0]);
}

EdsResult CDummyUsageView::Reset() {
    return ResetForm([this] {
        for (QCheckBox* box : form_->chkDummies) box->setChecked(false);
    });
}

EdsResult CDummyUsageView::ReadFromStore() {
    return ReadRecord<EdsDummyUsageRecord>(kKindDummyUsage, 0, [this](const EdsDummyUsageRecord& record) {
        for (std::size_t i = 0; i < form_->chkDummies.size(); ++i) form_->chkDummies[i]->setChecked(Flags(record)[i] != 0);
    });
}

EdsResult CDummyUsageView::WriteToStore() {
    return WriteRecord<EdsDummyUsageRecord>(kKindDummyUsage, 0, [this](EdsDummyUsageRecord& record) {
        for (std::size_t i = 0; i < form_->chkDummies.size(); ++i) Flags(record)[i] = form_->chkDummies[i]->isChecked() ? 1 : 0;
    });
}

}  // namespace brenmoor

#include "editor/ui/NewPDOForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

#include "editor/ui/Messages.h"

namespace brenmoor {
namespace {

constexpr uint8_t kDefaultOptions = kPdoDynMapping | kPdoVariableCobId | kPdoVariableTransType;

QLineEdit* CountEdit(int maxLength) {
    auto* edit = new QLineEdit(QStringLiteral("0"));
    edit->setMaxLength(maxLength);
    edit->setAlignment(Qt::AlignRight);
    edit->setFixedWidth(48);
    return edit;
}

QWidget* EditWithUpDown(QLineEdit* edit, CUpDown* upDown) {
    auto* pair = new QWidget;
    auto* row = new QHBoxLayout(pair);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    row->addWidget(edit);
    row->addWidget(upDown);
    row->addStretch(1);
    return pair;
}

void SetOption(QCheckBox* box, uint8_t options, PdoOption bit) { box->setChecked((options & bit) != 0); }

}  // namespace

TNewPDOForm::TNewPDOForm(CEdsStore& document, QWidget* parent)
    : QDialog(parent),
      btnReceive(new QRadioButton(QStringLiteral("receive"))),
      btnTransmit(new QRadioButton(QStringLiteral("transmit"))),
      edtPDOCount(CountEdit(3)),
      udPDOCount(new CUpDown(*edtPDOCount, 0, static_cast<int>(kPdoPositions))),
      edtMapCount(CountEdit(2)),
      udMapCount(new CUpDown(*edtMapCount, 0, kMaxMappingEntries)),
      chkDynMapping(new QCheckBox(QStringLiteral("dynamic mapping"))),
      chkVariableCOBID(new QCheckBox(QStringLiteral("variable COB-ID"))),
      chkVariableTransType(new QCheckBox(QStringLiteral("variable transmission type"))),
      chkInhibitTime(new QCheckBox(QStringLiteral("inhibit time entry"))),
      chkEventTimer(new QCheckBox(QStringLiteral("event timer entry"))),
      chkPDOenabled(new QCheckBox(QStringLiteral("PDOs enabled:"))),
      Progress(new QProgressBar),
      btnOk(new QPushButton(QStringLiteral("&OK"))),
      btnCancel(new QPushButton(QStringLiteral("&Cancel"))),
      generator_(document) {
    setWindowTitle(QStringLiteral("PDO Generator"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* type = new QGroupBox(QStringLiteral("Type:"));
    auto* typeRow = new QHBoxLayout(type);
    typeRow->addWidget(btnReceive);
    typeRow->addWidget(btnTransmit);
    typeRow->addStretch(1);

    auto* counts = new QGridLayout;
    counts->addWidget(new QLabel(QStringLiteral("Number of PDOs:")), 0, 0);
    counts->addWidget(EditWithUpDown(edtPDOCount, udPDOCount), 0, 1);
    counts->addWidget(new QLabel(QStringLiteral("Number of mapping entries:")), 1, 0);
    counts->addWidget(EditWithUpDown(edtMapCount, udMapCount), 1, 1);

    auto* options = new QGroupBox(QStringLiteral("Options"));
    auto* optionRows = new QGridLayout(options);
    optionRows->addWidget(chkDynMapping, 0, 0);
    optionRows->addWidget(chkInhibitTime, 0, 1);
    optionRows->addWidget(chkVariableCOBID, 1, 0);
    optionRows->addWidget(chkEventTimer, 1, 1);
    optionRows->addWidget(chkVariableTransType, 2, 0);
    chkPDOenabled->setLayoutDirection(Qt::RightToLeft);
    optionRows->addWidget(chkPDOenabled, 2, 1, Qt::AlignLeft);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Progress, 1);
    bottom->addStretch(1);
    bottom->addWidget(btnOk);
    bottom->addWidget(btnCancel);
    Progress->setTextVisible(false);
    Progress->hide();

    auto* page = new QVBoxLayout(this);
    page->addWidget(type);
    page->addLayout(counts);
    page->addWidget(options);
    page->addLayout(bottom);
    page->setSizeConstraint(QLayout::SetFixedSize);

    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnReceive, &QRadioButton::clicked, this, [this] { SelectType(PdoType::Receive); });
    connect(btnTransmit, &QRadioButton::clicked, this, [this] { SelectType(PdoType::Transmit); });
    SetOption(chkDynMapping, kDefaultOptions, kPdoDynMapping);
    SetOption(chkVariableCOBID, kDefaultOptions, kPdoVariableCobId);
    SetOption(chkVariableTransType, kDefaultOptions, kPdoVariableTransType);
    SetOption(chkInhibitTime, kDefaultOptions, kPdoInhibitTime);
    SetOption(chkEventTimer, kDefaultOptions, kPdoEventTimer);
}

int TNewPDOForm::Run() {
    if (generator_.ReadFreeMaps() != 0) return Rejected;
    if (generator_.FreeMap(PdoType::Receive).Count() == 0 && generator_.FreeMap(PdoType::Transmit).Count() == 0) {
        InformationMessage(QStringLiteral("No free PDOs available !"), parentWidget());
        return Rejected;
    }
    btnReceive->setAutoExclusive(false);
    btnReceive->setChecked(false);
    btnTransmit->setChecked(false);
    btnReceive->setAutoExclusive(true);
    udPDOCount->SetPosition(0);
    udMapCount->SetPosition(0);
    return exec();
}

void TNewPDOForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const bool receiveFree = generator_.FreeMap(PdoType::Receive).Count() > 0;
    btnReceive->setEnabled(receiveFree);
    btnTransmit->setEnabled(generator_.FreeMap(PdoType::Transmit).Count() > 0);
    (receiveFree ? btnReceive : btnTransmit)->setChecked(true);
    SelectType(receiveFree ? PdoType::Receive : PdoType::Transmit);
    btnReceive->setFocus();
}

void TNewPDOForm::SelectType(PdoType type) {
    udPDOCount->SetMaximum(static_cast<int>(generator_.FreeMap(type).Count()));
    chkInhibitTime->setEnabled(type == PdoType::Transmit);
}

PdoType TNewPDOForm::ChosenType() const { return btnTransmit->isChecked() ? PdoType::Transmit : PdoType::Receive; }

uint8_t TNewPDOForm::Options() const {
    uint8_t options = 0;
    const std::pair<const QCheckBox*, PdoOption> boxes[] = {
        {chkDynMapping, kPdoDynMapping}, {chkVariableCOBID, kPdoVariableCobId},
        {chkVariableTransType, kPdoVariableTransType}, {chkInhibitTime, kPdoInhibitTime},
        {chkEventTimer, kPdoEventTimer}, {chkPDOenabled, kPdoEnabled}};
    for (const auto& [box, bit] : boxes) {
        if (box->isChecked()) options |= bit;
    }
    return options;
}

void TNewPDOForm::btnOkClick() {
    const PdoType type = ChosenType();
    const unsigned count =
        std::min(static_cast<unsigned>(udPDOCount->Position()), generator_.FreeMap(type).Count());
    if (count == 0) {
        reject();
        return;
    }
    ShowButtons(false);
    Progress->setRange(0, static_cast<int>(count));
    Progress->setValue(0);
    const bool created = CreatePdos(type, count);
    ShowButtons(true);
    if (created) accept();
}

bool TNewPDOForm::CreatePdos(PdoType type, unsigned count) {
    const uint8_t options = Options();
    const int mapCount = udMapCount->Position();
    const unsigned base = generator_.FreeMap(type).base;
    bool furtherCreated = false;
    bool failed = false;
    for (unsigned position = 0; position < kPdoPositions && count > 0 && !failed; ++position) {
        if (!generator_.FreeMap(type).free.test(position)) continue;
        Progress->setValue(Progress->value() + 1);
        Progress->repaint();
        const unsigned commIndex = base + position;
        if (!generator_.CreatePdo(commIndex, options, mapCount)) {
            failed = true;
            break;
        }
        created_.push_back(commIndex);
        created_.push_back(commIndex + kPdoMappingOffset);
        furtherCreated = furtherCreated || !CPdoGenerator::IsPredefined(commIndex);
        --count;
    }
    if (failed) ErrorMessage(QStringLiteral("Not enougth free disk space available !"), this);
    if (furtherCreated && (options & kPdoEnabled) != 0)
        InformationMessage(QStringLiteral("The PDOs beyond the first four were created disabled (COB-ID 0x80000001) !"),
                           this);
    return !failed;
}

void TNewPDOForm::ShowButtons(bool shown) {
    btnOk->setVisible(shown);
    btnCancel->setVisible(shown);
    Progress->setVisible(!shown);
}

std::optional<std::vector<unsigned>> RunPdoGenerator(QWidget& owner, QPoint at, CEdsStore& document) {
    TNewPDOForm dialog(document, &owner);
    dialog.move(at);
    dialog.Run();
    if (dialog.Created().empty()) return std::nullopt;
    return dialog.Created();
}

}  // namespace brenmoor

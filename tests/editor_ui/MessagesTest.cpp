#include <gtest/gtest.h>

#include <QComboBox>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <filesystem>

#include "ModalAnswer.h"
#include "editor/document/SystemError.h"
#include "editor/ui/FailureReport.h"
#include "editor/ui/Messages.h"
#include "editor/ui/WorkingDocument.h"
#include "editor_document/PrivateTempDir.h"

namespace brenmoor {
namespace {

bool Has(const std::vector<QMessageBox::StandardButton>& buttons, QMessageBox::StandardButton button) {
    return std::find(buttons.begin(), buttons.end(), button) != buttons.end();
}

TEST(Messages, ErrorAndInformationCarryTheProductCaptionAndTheirIcon) {
    ModalAnswer answer(QMessageBox::Ok);
    ErrorMessage("Error in data");
    InformationMessage("The file selected does not exist !");
    ASSERT_EQ(answer.Boxes().size(), 2u);
    EXPECT_EQ(answer.Boxes()[0].caption, "Halvard");
    EXPECT_EQ(answer.Boxes()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(answer.Boxes()[0].text, "Error in data");
    EXPECT_EQ(answer.Boxes()[0].buttons, std::vector{QMessageBox::Ok});
    EXPECT_EQ(answer.Boxes()[1].caption, "Halvard");
    EXPECT_EQ(answer.Boxes()[1].icon, QMessageBox::Information);
}

TEST(Messages, AQuestionOffersYesNoCancelAndAnswersTheButtonPressed) {
    for (const auto press : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
        ModalAnswer answer(press);
        EXPECT_EQ(Question("Save changes to \"Nameless.eds\" ?"), press);
        ASSERT_EQ(answer.Boxes().size(), 1u);
        const auto& seen = answer.Boxes().front();
        EXPECT_EQ(seen.caption, "Halvard");
        EXPECT_EQ(seen.icon, QMessageBox::Question);
        EXPECT_EQ(seen.buttons.size(), 3u);
        EXPECT_TRUE(Has(seen.buttons, QMessageBox::Yes) && Has(seen.buttons, QMessageBox::No) &&
                    Has(seen.buttons, QMessageBox::Cancel));
    }
}

TEST(Messages, ClosingAQuestionWithoutAnAnswerCancels) {
    ModalAnswer answer(QMessageBox::Abort);  // no such button: the box is rejected
    EXPECT_EQ(Question("Save changes ?"), QMessageBox::Cancel);
}

TEST(FailureReport, AGuardedSlotTurnsExceptionsIntoMessages) {
    ModalAnswer answer(QMessageBox::Ok);
    int calls = 0;
    auto slot = Guarded([&](int value) {
        calls += value;
        throw SystemError(5, "The file \"x.eds\" cannot be written");
    });
    EXPECT_NO_THROW(slot(2));
    auto plain = Guarded([] { throw 42; });
    EXPECT_NO_THROW(plain());
    EXPECT_EQ(calls, 2);
    ASSERT_EQ(answer.Boxes().size(), 2u);
    EXPECT_EQ(answer.Boxes()[0].text, "The file \"x.eds\" cannot be written:\nAccess is denied !");
    EXPECT_EQ(answer.Boxes()[1].text, "Unexpected error !");
}

TEST(FailureReport, GuardedSlotsConnectToSignalsWithAndWithoutArguments) {
    ModalAnswer answer(QMessageBox::Ok);
    QComboBox combo;
    combo.addItems({"a", "b"});
    int chosen = -1;
    QObject::connect(&combo, &QComboBox::currentIndexChanged, Guarded([&](int row) {
                         chosen = row;
                         throw SystemError(14, "The list cannot be shown");
                     }));
    combo.setCurrentIndex(1);
    EXPECT_EQ(chosen, 1);
    ASSERT_EQ(answer.Boxes().size(), 1u);
    EXPECT_EQ(answer.Boxes()[0].text,
              "The list cannot be shown:\nNot enough memory resources are available to complete this operation !");
}

TEST(FailureReport, AFailureWhileAReportIsOpenIsNotStacked) {
    std::unique_ptr<ModalAnswer> closer;
    QTimer nested;
    nested.setSingleShot(true);
    QObject::connect(&nested, &QTimer::timeout, [&] {
        // Runs inside the first report's message loop; a second box, if one
        // opened, would be answered by the closer and noted.
        closer = std::make_unique<ModalAnswer>(QMessageBox::Ok);
        Guarded([] { throw std::runtime_error("second"); })();
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
    });
    nested.start(50);
    Guarded([] { throw std::runtime_error("first"); })();
    ASSERT_TRUE(closer);
    EXPECT_TRUE(closer->Boxes().empty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(FailureReport, AnExceptionFromAnEventHandlerBecomesAMessage) {
    ModalAnswer answer(QMessageBox::Ok);
    QTimer timer;
    timer.setSingleShot(true);
    bool ran = false;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ran = true;
        throw std::runtime_error("Handler failed");
    });
    timer.start(0);
    ASSERT_TRUE(WaitUntil([&] { return ran && !answer.Boxes().empty(); }));
    ASSERT_FALSE(answer.Boxes().empty());
    EXPECT_EQ(answer.Boxes()[0].text, "Handler failed !");
}

TEST(WorkingDocument, AWorkingFileThatCannotBeMadeGivesAMessageAndNoDocument) {
    PrivateTempDir temp;
    PrivateTempDir::PointTmpdirAt(temp.PathOf("gone"));
    ModalAnswer answer(QMessageBox::Ok);
    EXPECT_EQ(CreateWorkingDocument(), nullptr);
    ASSERT_EQ(answer.Boxes().size(), 1u);
    EXPECT_EQ(answer.Boxes()[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(answer.Boxes()[0].text.contains(QString::fromStdString(temp.PathOf("gone"))));
    EXPECT_TRUE(answer.Boxes()[0].text.endsWith("The directory name is invalid !")) << answer.Boxes()[0].text.toStdString();
    EXPECT_TRUE(temp.Files().empty());
}

}  // namespace
}  // namespace brenmoor

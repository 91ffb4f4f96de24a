// A document over a private temporary folder, with helpers to read its
// objects back, to export it and import the export into a fresh document,
// to play the user's part in modal dialogs and to save screenshots.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/RecordText.h"
#include "editor/document/CANoType.h"
#include "editor/document/EdsFile.h"
#include "editor/document/RecordKinds.h"
#include "editor_document/PrivateTempDir.h"

// Saves the widget's picture as <name>.png in the tests' build folder.
inline bool SaveScreenshot(QWidget& widget, const QString& name) {
    QApplication::processEvents();
    return widget.grab().save(QDir(QStringLiteral(GENERATORS_OUTPUT_DIR)).filePath(name + QStringLiteral(".png")));
}

// Takes one scripted step on each modal widget as it appears: the step
// gets the widget and answers it (accepts, rejects, clicks). Message boxes
// without a step left are noted and answered with their default; other
// dialogs without a step are rejected, so that no test hangs.
class DialogScript {
public:
    using Step = std::function<void(QWidget&)>;

    DialogScript() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(5);
    }

    DialogScript& Then(Step step) {
        steps_.push_back(std::move(step));
        return *this;
    }

    // Message texts seen, in order.
    const std::vector<QString>& Messages() const { return messages_; }
    bool AllStepsTaken() const { return steps_.empty(); }

private:
    void Poll() {
        QWidget* widget = QApplication::activeModalWidget();
        if (!widget || !widget->isVisible() || widget->property("dialogScriptSeen").toBool()) return;
        widget->setProperty("dialogScriptSeen", true);
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box) messages_.push_back(box->text());
        if (!steps_.empty()) {
            // Run after this poll returns: a step that opens a nested modal
            // loop (a message box) is then answered by the next poll.
            QTimer::singleShot(0, widget, [widget, step = std::move(steps_.front())] { step(*widget); });
            steps_.pop_front();
            return;
        }
        if (box) {
            box->accept();
        } else if (auto* dialog = qobject_cast<QDialog*>(widget)) {
            ADD_FAILURE() << "unscripted dialog " << widget->windowTitle().toStdString();
            dialog->reject();
        }
    }

    QTimer timer_;
    std::deque<Step> steps_;
    std::vector<QString> messages_;
};

inline void PressOk(QWidget& widget) {
    if (auto* dialog = qobject_cast<QDialog*>(&widget)) dialog->accept();
}

class DocumentTest : public testing::Test {
protected:
    void SetUp() override { document = std::make_unique<brenmoor::CEdsFile>(); }

    std::vector<uint16_t> Objects() const {
        std::vector<uint16_t> indexes;
        EXPECT_EQ(document->AllObjects(indexes), 0u);
        return indexes;
    }

    bool Has(unsigned index, unsigned sub = brenmoor::kMainEntry) const {
        EdsObjectRecord record{};
        return document->GetRecord(brenmoor::kKindObject, brenmoor::ObjectKey(index, sub), &record) == 0;
    }

    EdsObjectRecord Get(unsigned index, unsigned sub = brenmoor::kMainEntry) const {
        EdsObjectRecord record{};
        EXPECT_EQ(document->GetRecord(brenmoor::kKindObject, brenmoor::ObjectKey(index, sub), &record), 0u)
            << std::hex << index << " sub " << sub;
        return record;
    }

    std::string Default(unsigned index, unsigned sub) const { return std::string(vantor::RecordText(Get(index, sub).DefaultValue)); }
    std::string Name(unsigned index, unsigned sub = brenmoor::kMainEntry) const {
        return std::string(vantor::RecordText(Get(index, sub).ParameterName));
    }

    // Exports the document and imports the file into a fresh document: the
    // import must succeed without an error file; the fresh document.
    std::unique_ptr<brenmoor::CEdsFile> RoundTrip(const std::string& name) const {
        const std::string path = temp.PathOf(name + ".eds");
        EXPECT_EQ(document->SaveEds(path), 0u);
        auto reread = std::make_unique<brenmoor::CEdsFile>();
        EXPECT_EQ(reread->OpenEds(path), 0u);
        EXPECT_FALSE(QFile::exists(QString::fromStdString(temp.PathOf(name + ".Err"))))
            << "import errors listed for " << path;
        EXPECT_FALSE(QFile::exists(QString::fromStdString(temp.PathOf(name + ".ERR"))))
            << "export errors listed for " << path;
        return reread;
    }

    PrivateTempDir temp{"brenmoor-generators-XXXXXX"};
    std::unique_ptr<brenmoor::CEdsFile> document;
};

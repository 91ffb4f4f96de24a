// A shown main window over a private temporary folder (which also holds
// the working files) and empty settings, with helpers to write fixtures,
// find nodes and save screenshots.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>

#include <memory>

#include "editor/ui/EdsMainForm.h"
#include "editor/ui/SettingsStore.h"
#include "editor_document/PrivateTempDir.h"
#include "editor_ui/ModalAnswer.h"

inline void ClearEditorSettings() {
    brenmoor::CSettingsStore settings;
    settings.clear();
    settings.sync();
}

// Saves the widget's picture as <name>.png in the build folder of the tests.
inline bool SaveScreenshot(QWidget& widget, const QString& name) {
    QApplication::processEvents();
    return widget.grab().save(QDir(QStringLiteral(EDITOR_MAIN_OUTPUT_DIR)).filePath(name + QStringLiteral(".png")));
}

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        ClearEditorSettings();
        window = std::make_unique<brenmoor::TEdsMainForm>();
        window->show();
        QApplication::processEvents();
    }

    void TearDown() override {
        window.reset();
        ClearEditorSettings();
    }

    QString Write(const QString& name, const QByteArray& text) const {
        const QString path = QString::fromStdString(temp.PathOf(name.toStdString()));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) ADD_FAILURE() << "cannot write " << path.toStdString();
        return path;
    }

    QString PathOf(const QString& name) const { return QString::fromStdString(temp.PathOf(name.toStdString())); }

    brenmoor::CTreeNode* Root(const char* text) const { return window->RootNode(QString::fromLatin1(text)); }
    brenmoor::CTreeNode* Object(unsigned index) const { return window->TreeViewLookupCanObj(index); }
    brenmoor::CTreeNode* Current() const { return window->Tree().CurrentNode(); }
    bool Select(QTreeWidgetItem* node) const { return window->Tree().SelectNode(node); }

    static QStringList Texts(const QTreeWidgetItem* node) {
        QStringList texts;
        for (int i = 0; i < node->childCount(); ++i) texts.append(node->child(i)->text(0));
        return texts;
    }

    PrivateTempDir temp{"brenmoor-main-XXXXXX"};
    std::unique_ptr<brenmoor::TEdsMainForm> window;
};

// The editor's user-interface tests run headless, with a private runtime
// directory and Qt's test mode for the standard paths, so that they never
// touch a user's display or settings.
#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QtGlobal>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "editor/ui/EditorApplication.h"

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform notes every dialog it cannot size natively.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support propagateSizeHints"))) return;
    defaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QTEST_FUNCTION_TIMEOUT", "60000", 0);
    std::string runtime = (std::filesystem::temp_directory_path() / "brenmoor-runtime-XXXXXX").string();
    if (mkdtemp(runtime.data()) == nullptr) return 1;
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    QStandardPaths::setTestModeEnabled(true);
    defaultHandler = qInstallMessageHandler(QuietOffscreenNotes);

    int result = 0;
    {
        brenmoor::CEditorApplication application(argc, argv);
        result = RUN_ALL_TESTS();
    }
    std::error_code ignored;
    std::filesystem::remove_all(runtime, ignored);
    return result;
}

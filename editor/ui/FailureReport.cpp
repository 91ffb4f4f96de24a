#include "editor/ui/FailureReport.h"

#include <exception>
#include <new>
#include <string>

#include "editor/document/SystemError.h"
#include "editor/ui/Messages.h"

namespace brenmoor {
namespace {

// "<what failed>:\n<system text> !", the system text without its period.
QString SystemFailureText(const SystemError& error) {
    std::string reason = SystemErrorText(error.Code());
    if (!reason.empty() && reason.back() == '.') reason.pop_back();
    return QString::fromUtf8(error.what()) + QStringLiteral(":\n") + QString::fromUtf8(reason) + QStringLiteral(" !");
}

QString CurrentExceptionText() {
    try {
        throw;
    } catch (const SystemError& error) {
        return SystemFailureText(error);
    } catch (const std::bad_alloc&) {
        return QStringLiteral("Not enough memory !");
    } catch (const std::exception& error) {
        return QString::fromUtf8(error.what()) + QStringLiteral(" !");
    } catch (...) {
        return QStringLiteral("Unexpected error !");
    }
}

}  // namespace

void ReportFailure(uint32_t code, const QString& what, QWidget* parent) {
    ErrorMessage(SystemFailureText(SystemError(code, what.toStdString())), parent);
}

void ReportCurrentException(QWidget* parent) noexcept {
    // A handler that keeps failing (a paint event, say) would otherwise
    // stack one message box on the next while the first is open.
    static bool reporting = false;
    if (reporting) return;
    reporting = true;
    try {
        ErrorMessage(CurrentExceptionText(), parent);
    } catch (...) {
        // Nothing is left to tell the user with.
    }
    reporting = false;
}

}  // namespace brenmoor

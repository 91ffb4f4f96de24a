// No exception leaves a slot or an event handler of the editor: failures
// become error messages.
#pragma once

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <utility>

namespace brenmoor {

// Shows the exception being handled as an error message. Call it inside a
// catch block only. Failures while a report is open are not shown again.
void ReportCurrentException(QWidget* parent = nullptr) noexcept;

// Shows "<what>:" and the system's text for the code as an error message.
void ReportFailure(uint32_t code, const QString& what, QWidget* parent = nullptr);

// A slot that runs fn and reports whatever it throws.
template <class Fn>
auto Guarded(Fn fn, QWidget* parent = nullptr) {
    return [fn = std::move(fn), parent = QPointer<QWidget>(parent)](auto&&... args) mutable {
        try {
            fn(std::forward<decltype(args)>(args)...);
        } catch (...) {
            ReportCurrentException(parent.data());
        }
    };
}

}  // namespace brenmoor

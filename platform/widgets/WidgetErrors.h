#pragma once
// How the data-aware controls report a failure to the user (a refused text, a failed move).
//   SetWidgetErrorHandler(fn)   the program installs its message dialog: fn(error, control), the
//                               control whose input was refused or nullptr; nullptr: standard error
//   SetWidgetErrorReporter(fn)  the same for a handler of the message text alone (tests)
//   ReportWidgetError(e, c)     reports `e` of control `c`; a SilentAbort is not reported
// Controls never let an exception leave a Qt event handler: they catch it here.

#include <QString>
#include <exception>
#include <functional>

class QWidget;

using WidgetErrorHandler = std::function<void(const std::exception& error, QWidget* control)>;
using WidgetErrorReporter = std::function<void(const QString& message)>;

void SetWidgetErrorHandler(WidgetErrorHandler handler);
void SetWidgetErrorReporter(WidgetErrorReporter reporter);
void ReportWidgetError(const std::exception& error, QWidget* control = nullptr);

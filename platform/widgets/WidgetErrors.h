#pragma once
// How the data-aware controls report a failure to the user (a refused text, a failed move).
//   SetWidgetErrorReporter(fn)  the program installs its message dialog; nullptr: standard error
//   ReportWidgetError(e)        reports `e`; a SilentAbort is not reported
// Controls never let an exception leave a Qt event handler: they catch it here.

#include <QString>
#include <exception>
#include <functional>

using WidgetErrorReporter = std::function<void(const QString& message)>;

void SetWidgetErrorReporter(WidgetErrorReporter reporter);
void ReportWidgetError(const std::exception& error);

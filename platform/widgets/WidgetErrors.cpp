#include "platform/widgets/WidgetErrors.h"

#include "platform/data/ClientDataSet.h"

#include <QtDebug>

namespace {

WidgetErrorHandler& handler()
{
    static WidgetErrorHandler installed;
    return installed;
}

}  // namespace

void SetWidgetErrorHandler(WidgetErrorHandler handler_)
{
    handler() = std::move(handler_);
}

void SetWidgetErrorReporter(WidgetErrorReporter reporter)
{
    if (!reporter) {
        handler() = nullptr;
        return;
    }
    handler() = [reporter = std::move(reporter)](const std::exception& error, QWidget*) {
        reporter(QString::fromUtf8(error.what()));
    };
}

void ReportWidgetError(const std::exception& error, QWidget* control)
{
    if (dynamic_cast<const qx::SilentAbort*>(&error))
        return;
    if (handler())
        handler()(error, control);
    else
        qWarning().noquote() << QString::fromUtf8(error.what());
}

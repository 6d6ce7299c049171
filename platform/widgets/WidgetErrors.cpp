#include "platform/widgets/WidgetErrors.h"

#include "platform/data/ClientDataSet.h"

#include <QtDebug>

namespace {

WidgetErrorReporter& reporter()
{
    static WidgetErrorReporter installed;
    return installed;
}

}  // namespace

void SetWidgetErrorReporter(WidgetErrorReporter reporter_)
{
    reporter() = std::move(reporter_);
}

void ReportWidgetError(const std::exception& error)
{
    if (dynamic_cast<const qx::SilentAbort*>(&error))
        return;
    const QString message = QString::fromUtf8(error.what());
    if (reporter())
        reporter()(message);
    else
        qWarning().noquote() << message;
}

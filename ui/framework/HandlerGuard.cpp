#include "ui/framework/HandlerGuard.h"

#include "core/util/Messages.h"
#include "platform/data/ClientDataSet.h"
#include "platform/widgets/WidgetErrors.h"

#include <QString>

namespace {

void showError(const QString& text)
{
    ShowMultiLangMsg(text, text, QString(), dtError, QString());
}

}  // namespace

void ShowHandlerError(const std::exception& error)
{
    if (dynamic_cast<const qx::SilentAbort*>(&error))
        return;
    showError(QString::fromUtf8(error.what()));
}

void ShowUnknownHandlerError()
{
    showError(QStringLiteral("Unknown error"));
}

void InstallWidgetErrorShow()
{
    SetWidgetErrorReporter(showError);
}

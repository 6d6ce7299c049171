#include "ui/framework/HandlerGuard.h"

#include "core/util/Messages.h"
#include "platform/data/ClientDataSet.h"
#include "platform/widgets/WidgetErrors.h"
#include "ui/framework/BoxNames.h"

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

// A text a box refuses is worded for the person who typed it, naming the box as its page does;
// anything else is shown as it is.
void InstallWidgetErrorShow()
{
    SetWidgetErrorHandler([](const std::exception& error, QWidget* control) {
        if (const auto* refused = dynamic_cast<const qx::FieldValueError*>(&error)) {
            const RefusedInputMessage m = RefusedInputMsg(*refused, BoxNameOf(control, refused->fieldName));
            ShowMultiLangMsg(m.chn, m.por, m.eng, dtError, m.code);
            return;
        }
        showError(QString::fromUtf8(error.what()));
    });
}

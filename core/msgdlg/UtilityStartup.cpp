#include "core/msgdlg/UtilityStartup.h"

#include "core/util/Clock.h"
#include "core/util/MsgLanguage.h"
#include "core/util/PlainMessage.h"
#include "core/util/SystemInfo.h"
#include "platform/widgets/ScreenFonts.h"

#include <QApplication>
#include <QMessageBox>

void InitializeUtilities()
{
    MsgLanguage = ChooseMsgLanguage(InstalledDesignFamilies());
    // Refusals without a message sound the desktop's own beep, not a bell on a terminal.
    SetBeepHandler([] { QApplication::beep(); });
    SetPlainMessageHandler([](const QString& text) {
        QMessageBox::information(QApplication::activeWindow(), ApplicationTitle(), text);
    });
}

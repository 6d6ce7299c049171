#include "core/msgdlg/UtilityStartup.h"

#include "core/util/MsgLanguage.h"
#include "core/util/PlainMessage.h"

#include <QApplication>
#include <QFontDatabase>
#include <QMessageBox>

void InitializeUtilities()
{
    MsgLanguage = ChooseMsgLanguage(QFontDatabase::families());
    SetPlainMessageHandler([](const QString& text) {
        QMessageBox::information(QApplication::activeWindow(), QApplication::applicationDisplayName(), text);
    });
}

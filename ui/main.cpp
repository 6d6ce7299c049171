// Start-up of the program.
#include "core/module/TdmMain.h"
#include "core/msgdlg/MultiLangMsgDlgPresenter.h"
#include "core/msgdlg/TFormMultiLangMsgDlg.h"
#include "core/msgdlg/UtilityStartup.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    InitializeUtilities();
    QApplication::setOrganizationName(QStringLiteral("Corvel"));
    QApplication::setApplicationName(QStringLiteral("Quendrix"));
    QApplication::setApplicationDisplayName(QStringLiteral("Corvel．Quendrix"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Corvel．Quendrix"));
    window.resize(800, 600);

    TFormMultiLangMsgDlg messageDialog(&window);
    MultiLangMsgDlgPresenter presenter(messageDialog);
    SetMessagePresenter(&presenter);

    TdmMain dataModule;
    dmMain = &dataModule;

    window.show();
    const int result = app.exec();
    SetMessagePresenter(nullptr);
    return result;
}

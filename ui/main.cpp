// The program: makes its forms and its data module once, shows the main window maximised and runs
// until the main window closes. It takes no command-line arguments.
#include "core/msgdlg/UtilityStartup.h"
#include "core/util/SystemInfo.h"
#include "ui/mainwindow/ProgramForms.h"
#include "ui/mainwindow/TFormMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Corvel"));
    QApplication::setApplicationName(QStringLiteral("Quendrix"));
    QApplication::setApplicationDisplayName(QStringLiteral("Corvel．Quendrix"));
    InitializeUtilities();

    ProgramForms forms(GetFileVersionString(QCoreApplication::applicationFilePath()));
    forms.CreateAll();
    forms.FormMain->showMaximized();
    return app.exec();
}

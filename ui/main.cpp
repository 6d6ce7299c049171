// The program: makes its forms and its data module once, shows the main window maximised and runs
// until the main window closes. It takes no command-line arguments.
#include "core/msgdlg/UtilityStartup.h"
#include "core/util/SystemInfo.h"
#include "ui/framework/TFormFill.h"
#include "ui/mainwindow/ProgramForms.h"
#include "ui/mainwindow/QtDialogsTranslation.h"
#include "ui/mainwindow/TFormMain.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Corvel"));
    QApplication::setApplicationName(QStringLiteral("Quendrix"));
    // No display name: on X11 Qt would append it to every window's caption. The program's title
    // is ApplicationTitle().
    InitializeUtilities();
    // Qt's stock dialogs in Chinese rather than English; without the translation they stay English.
    InstallQtDialogsTranslation(app, QLibraryInfo::path(QLibraryInfo::TranslationsPath));

    ProgramForms forms(GetFileVersionString(QCoreApplication::applicationFilePath()));
    forms.CreateAll();
    // The main window and the editors show maximised; without a window manager to honour that,
    // they cover the screen's available area.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        forms.FormMain->setGeometry(screen->availableGeometry());
        for (const QString& name : ProgramForms::StartupOrder())
            if (TFormFill* editor = forms.Editor(name))
                editor->setGeometry(screen->availableGeometry());
    }
    forms.FormMain->showMaximized();
    return app.exec();
}

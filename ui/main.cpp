// Start-up of the program.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quendrix"));
    QApplication::setOrganizationName(QStringLiteral("Corvel"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Corvel．Quendrix"));
    window.resize(800, 600);
    window.show();
    return app.exec();
}

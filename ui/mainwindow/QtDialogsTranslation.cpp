#include "ui/mainwindow/QtDialogsTranslation.h"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

namespace {

// The words of Qt's dialogs that its translation leaves in English: the folder chooser's type
// of every entry.
class UntranslatedWords : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (qstrcmp(context, "QAbstractFileIconProvider") == 0 && qstrcmp(source, "Folder") == 0)
            return QStringLiteral("資料夾");
        return {};
    }
};

}  // namespace

bool InstallQtDialogsTranslation(QCoreApplication& app, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_zh_TW"), folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(new UntranslatedWords(&app));
    return true;
}

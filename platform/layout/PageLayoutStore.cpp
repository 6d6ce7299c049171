// The tables compiled into the library, loaded once each.
#include "platform/layout/PageLayout.h"

#include <QDir>
#include <QFileInfo>
#include <map>

namespace qx {

namespace {

const QString kFolder = QStringLiteral(":/layouts/");
const QString kSuffix = QStringLiteral(".layout");

}  // namespace

const PageLayout& pageLayout(const QString& name)
{
    static std::map<QString, PageLayout> loaded;
    const auto found = loaded.find(name);
    if (found != loaded.end())
        return found->second;
    const QString path = kFolder + name + kSuffix;
    if (!QFileInfo::exists(path))
        throw LayoutError(QStringLiteral("no layout for page \"%1\"").arg(name).toStdString());
    return loaded.emplace(name, loadPageLayout(path)).first->second;
}

QStringList pageLayoutNames()
{
    QStringList names;
    for (const QString& file : QDir(kFolder).entryList({QStringLiteral("*") + kSuffix}, QDir::Files, QDir::Name))
        names << QFileInfo(file).completeBaseName();
    return names;
}

}  // namespace qx

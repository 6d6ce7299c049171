// Build step: the picture of every paper page, as a JPEG file named after the page.
//   pagepics <layout folder> <scan folder> <output folder>
//       a scan <scan folder>/<PAGE>.jpg is copied as it is; every other page is drawn from its
//       layout <layout folder>/<PAGE>.layout
//   pagepics --png <layout file> <picture.png>
//       one page drawn without JPEG's loss (to compare a decoded picture with)
#include "platform/layout/PageLayout.h"
#include "tools/pagepics/JpegWriter.h"
#include "tools/pagepics/PageDrawing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

namespace {

constexpr int kQuality = 90;

int fail(const QString& what)
{
    std::fprintf(stderr, "pagepics: %s\n", qPrintable(what));
    return 1;
}

bool copyScan(const QString& scan, const QString& target)
{
    QFile::remove(target);
    return QFile::copy(scan, target);
}

int writeAll(const QString& layouts, const QString& scans, const QString& out)
{
    if (!QDir().mkpath(out))
        return fail(QStringLiteral("cannot make %1").arg(out));
    const QFileInfoList tables = QDir(layouts).entryInfoList({QStringLiteral("*.layout")}, QDir::Files, QDir::Name);
    for (const QFileInfo& table : tables) {
        const QString page = table.completeBaseName();
        const QString target = out + QLatin1Char('/') + page + QStringLiteral(".jpg");
        const QString scan = scans + QLatin1Char('/') + page + QStringLiteral(".jpg");
        if (QFileInfo::exists(scan)) {
            if (!copyScan(scan, target))
                return fail(QStringLiteral("cannot copy %1 to %2").arg(scan, target));
            continue;
        }
        QString error;
        if (!writeJpeg(drawPagePicture(qx::loadPageLayout(table.filePath())), target, kQuality, &error))
            return fail(QStringLiteral("%1: %2").arg(target, error));
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    try {
        if (args.size() == 3 && args[0] == QLatin1String("--png"))
            return drawPagePicture(qx::loadPageLayout(args[1])).save(args[2], "PNG") ? 0 : fail(QStringLiteral("cannot write ") + args[2]);
        if (args.size() == 3)
            return writeAll(args[0], args[1], args[2]);
    } catch (const qx::LayoutError& e) {
        return fail(QString::fromLocal8Bit(e.what()));
    }
    return fail(QStringLiteral("usage: pagepics <layouts> <scans> <output> | --png <layout> <picture.png>"));
}

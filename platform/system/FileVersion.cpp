#include "platform/system/FileVersion.h"

#include <QByteArray>
#include <QFile>

namespace qx {

namespace {

// Kept in the binary even when nothing but fileVersionOf refers to it.
[[gnu::used]] constexpr char kVersionMarker[] = "QXFILEVERSION=" QX_FILE_VERSION;

// The marker's key, put together at run time so the program's own copy of the search key is
// never mistaken for the marker.
QByteArray markerKey()
{
    QByteArray key("QXFILE");
    key += "VERSION=";
    return key;
}

bool isVersionChar(char c) { return (c >= '0' && c <= '9') || c == '.'; }

}  // namespace

QString builtFileVersion() { return QString::fromLatin1(kVersionMarker + sizeof("QXFILEVERSION=") - 1); }

QString findFileVersion(QByteArrayView bytes)
{
    const QByteArray key = markerKey();
    qsizetype from = 0;
    while (true) {
        const qsizetype at = bytes.indexOf(key, from);
        if (at < 0)
            return {};
        qsizetype end = at + key.size();
        while (end < bytes.size() && isVersionChar(bytes[end]))
            ++end;
        const bool terminated = end < bytes.size() && bytes[end] == '\0';
        if (end > at + key.size() && terminated)
            return QString::fromLatin1(bytes.sliced(at + key.size(), end - at - key.size()));
        from = at + 1;
    }
}

QString fileVersionOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const qint64 size = file.size();
    if (size <= 0)
        return {};
    if (const uchar* mapped = file.map(0, size)) {
        const QString version = findFileVersion(QByteArrayView(reinterpret_cast<const char*>(mapped), size));
        file.unmap(const_cast<uchar*>(mapped));
        return version;
    }
    return findFileVersion(file.readAll());
}

}  // namespace qx

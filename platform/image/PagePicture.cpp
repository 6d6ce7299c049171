#include "platform/image/PagePicture.h"

#include "platform/image/JpegDecoder.h"

#include <QFile>

namespace qx {

namespace {

QByteArray pictureFile(const QString& page)
{
    QFile file(QStringLiteral(":/pages/%1.jpg").arg(page));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

QImage pagePicture(const QString& page)
{
    const QByteArray jpeg = pictureFile(page);
    return jpeg.isEmpty() ? QImage() : decodeJpeg(jpeg);
}

QSize pagePictureSize(const QString& page)
{
    return jpegSize(pictureFile(page));
}

}  // namespace qx

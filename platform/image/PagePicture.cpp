#include "platform/image/PagePicture.h"

#include "platform/image/JpegDecoder.h"

#include <QFile>

namespace qx {

QImage pagePicture(const QString& page)
{
    QFile file(QStringLiteral(":/pages/%1.jpg").arg(page));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodeJpeg(file.readAll());
}

}  // namespace qx

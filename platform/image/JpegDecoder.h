#pragma once
// JPEG pictures decoded with libjpeg's own interface (not through Qt's image plugins).

#include <QByteArray>
#include <QImage>
#include <QString>

namespace qx {

// The picture in `jpeg`, 8-bit grey when the JPEG is grey, else RGB; a null image when the data is
// not a JPEG picture libjpeg can read, with the reason in `error` when given.
QImage decodeJpeg(const QByteArray& jpeg, QString* error = nullptr);

// The size of the picture in `jpeg` from its header alone (nothing decoded); empty when the data
// is not a JPEG picture.
QSize jpegSize(const QByteArray& jpeg);

}  // namespace qx

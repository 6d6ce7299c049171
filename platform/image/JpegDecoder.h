#pragma once
// JPEG pictures decoded with libjpeg's own interface (not through Qt's image plugins).

#include <QByteArray>
#include <QImage>
#include <QString>

namespace qx {

// The picture in `jpeg` as an RGB image; a null image when the data is not a JPEG picture
// libjpeg can read, with the reason in `error` when given.
QImage decodeJpeg(const QByteArray& jpeg, QString* error = nullptr);

}  // namespace qx

#pragma once
// The picture of a paper page by the page's name ("M1P1", "AnexoAP2", "M3Grid", ...): the scan in
// resources/scans when there is one, else the stand-in drawn from the page's layout at build time.

#include <QImage>
#include <QString>

namespace qx {

// Null when the program holds no picture of that name. A grey page decodes to 8-bit grey.
QImage pagePicture(const QString& page);

// Its size, without decoding it; empty when there is no such picture.
QSize pagePictureSize(const QString& page);

}  // namespace qx

#pragma once
// A picture written as a JPEG file with libjpeg: grey when it has no colour, else RGB.

#include <QImage>
#include <QString>

// False with the reason in `error` when the file cannot be written.
bool writeJpeg(const QImage& image, const QString& path, int quality, QString* error);

#include "tools/pagepics/JpegWriter.h"

#include <QSaveFile>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include "platform/image/JpegErrorJump.h"

namespace {

// `pixels`: Format_Grayscale8 or Format_RGB888.
bool compress(jpeg_compress_struct& info, const QImage& pixels, int quality, qx::JpegErrorJump& err)
{
    if (setjmp(err.back))
        return false;
    const bool grey = pixels.format() == QImage::Format_Grayscale8;
    info.image_width = JDIMENSION(pixels.width());
    info.image_height = JDIMENSION(pixels.height());
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uchar*>(pixels.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

}  // namespace

bool writeJpeg(const QImage& image, const QString& path, int quality, QString* error)
{
    // A page without colour is written grey, and the program keeps it grey.
    const QImage pixels = image.convertToFormat(image.allGray() ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    jpeg_compress_struct info{};
    qx::JpegErrorJump err{};
    info.err = qx::installJpegErrorJump(err);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    const bool ok = compress(info, pixels, quality, err);
    jpeg_destroy_compress(&info);
    const QByteArray data(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    if (!ok) {
        *error = QString::fromLocal8Bit(err.message);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

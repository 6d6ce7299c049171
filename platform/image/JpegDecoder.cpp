#include "platform/image/JpegDecoder.h"

#include <cstdio>

#include <jpeglib.h>

#include "platform/image/JpegErrorJump.h"

namespace qx {

namespace {

QImage fail(QString* error, const QString& why)
{
    if (error)
        *error = why;
    return {};
}

// Everything that must not live across the jump (objects with destructors) stays in the caller.
bool readLines(jpeg_decompress_struct& info, QImage& image, JpegErrorJump& err)
{
    if (setjmp(err.back))
        return false;
    jpeg_read_header(&info, TRUE);
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) {
        std::snprintf(err.message, sizeof err.message, "CMYK pictures are not supported");
        return false;
    }
    // A grey picture stays grey: a third of the memory of its RGB decoding.
    const bool grey = info.jpeg_color_space == JCS_GRAYSCALE;
    info.out_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&info);
    image = QImage(int(info.output_width), int(info.output_height), grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    if (image.isNull()) {
        std::snprintf(err.message, sizeof err.message, "a picture of %u x %u pixels is too large",
                      info.output_width, info.output_height);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

bool readHeader(jpeg_decompress_struct& info, JpegErrorJump& err)
{
    if (setjmp(err.back))
        return false;
    return jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK;
}

}  // namespace

QSize jpegSize(const QByteArray& jpeg)
{
    if (jpeg.isEmpty())
        return {};
    jpeg_decompress_struct info{};
    JpegErrorJump err{};
    info.err = installJpegErrorJump(err);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.constData()), static_cast<unsigned long>(jpeg.size()));
    const bool ok = readHeader(info, err);
    const QSize size = ok ? QSize(int(info.image_width), int(info.image_height)) : QSize();
    jpeg_destroy_decompress(&info);
    return size;
}

QImage decodeJpeg(const QByteArray& jpeg, QString* error)
{
    if (jpeg.isEmpty())
        return fail(error, QStringLiteral("no picture data"));
    jpeg_decompress_struct info{};
    JpegErrorJump err{};
    info.err = installJpegErrorJump(err);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.constData()), static_cast<unsigned long>(jpeg.size()));
    QImage image;
    const bool ok = readLines(info, image, err);
    jpeg_destroy_decompress(&info);
    if (!ok)
        return fail(error, QString::fromLocal8Bit(err.message));
    return image;
}

}  // namespace qx

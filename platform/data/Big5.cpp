// Big5 (CP950) text codec through iconv.
#include "DataPacket.h"
#include "TextCodec.h"

#include <climits>

namespace qx::Big5 {

QByteArray encode(const QString& text, bool escapeUnmappable)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()) * 2);
    Big5Encoder().append(out, text, escapeUnmappable);
    return QByteArray(out.data(), static_cast<qsizetype>(out.size()));
}

QString decode(const QByteArray& bytes)
{
    QString out;
    TextDecoder("CP950").decodeLenient(bytes, out);
    return out;
}

int byteWidth(const QString& text)
{
    qint64 width = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x100) {
            ++width;  // ASCII and the accented letters of the Portuguese texts
        } else {
            width += 2;
            // A surrogate pair is one character.
            if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode()))
                ++i;
        }
    }
    return width > INT_MAX ? INT_MAX : static_cast<int>(width);
}

}  // namespace qx::Big5

#include "TextCodec.h"

#include <QtEndian>

namespace qx {

namespace {

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr const char* kUtf16 = "UTF-16LE";
#else
constexpr const char* kUtf16 = "UTF-16BE";
#endif

// Encodings in which every byte below 0x40 is that ASCII character and never part of a
// multi-byte one, so plain ASCII can bypass iconv and a byte below 0x40 ends any character.
bool hasAsciiFastPath(const QByteArray& encoding)
{
    const QByteArray e = encoding.toUpper();
    return e == "UTF-8" || e == "UTF8" || e == "CP950" || e == "BIG5" || e == "BIG-5" || e == "CN-BIG5"
        || e == "BIG5-HKSCS" || e == "BIG5HKSCS" || e == "US-ASCII" || e == "ASCII" || e == "LATIN1"
        || e.startsWith("ISO-8859-") || e.startsWith("ISO8859-") || e.startsWith("WINDOWS-125")
        || e.startsWith("CP125");
}

void appendReference(std::string& out, char32_t codePoint)
{
    out += "&#";
    out += std::to_string(static_cast<unsigned>(codePoint));
    out += ';';
}

void appendUtf16(QString& out, const char* data, std::size_t size)
{
    out.append(reinterpret_cast<const QChar*>(data), static_cast<qsizetype>(size / 2));
}

}  // namespace

Big5Encoder::Big5Encoder()
    : iconv_("CP950", kUtf16)
{
}

void Big5Encoder::append(std::string& out, QStringView text, bool escapeUnmappable)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype start = i;
        if (text[i].unicode() < 0x80) {
            while (i < n && text[i].unicode() < 0x80)
                out.push_back(static_cast<char>(text[i++].unicode()));
        } else {
            while (i < n && text[i].unicode() >= 0x80)
                ++i;
            appendNonAscii(out, text.sliced(start, i - start), escapeUnmappable);
        }
    }
}

void Big5Encoder::appendNonAscii(std::string& out, QStringView text, bool escapeUnmappable)
{
    const char* in = reinterpret_cast<const char*>(text.data());
    std::size_t inLeft = static_cast<std::size_t>(text.size()) * 2;
    auto sink = [&out](const char* data, std::size_t size) { out.append(data, size); };
    while (inLeft > 0) {
        if (iconv_.convert(in, inLeft, sink) == Iconv::Stop::Done)
            break;
        // `in` points at a character Big5 cannot hold (or an unpaired surrogate).
        const char16_t first = qFromUnaligned<char16_t>(in);
        char32_t codePoint = 0xFFFD;
        std::size_t units = 1;
        if (QChar::isHighSurrogate(first) && inLeft >= 4) {
            const char16_t second = qFromUnaligned<char16_t>(in + 2);
            if (QChar::isLowSurrogate(second)) {
                codePoint = QChar::surrogateToUcs4(first, second);
                units = 2;
            }
        } else if (!QChar::isSurrogate(first)) {
            codePoint = first;
        }
        if (escapeUnmappable)
            appendReference(out, codePoint);
        else
            out.push_back('?');
        in += units * 2;
        inLeft -= units * 2;
    }
}

TextDecoder::TextDecoder(const QByteArray& encoding)
    : iconv_(kUtf16, encoding.constData())
    , asciiFastPath_(hasAsciiFastPath(encoding))
{
}

template <class OnInvalid>
bool TextDecoder::decode(const QByteArray& bytes, QString& out, OnInvalid onInvalid)
{
    const char* p = bytes.constData();
    const char* const end = p + bytes.size();
    out.reserve(out.size() + bytes.size());
    auto sink = [&out](const char* data, std::size_t size) { appendUtf16(out, data, size); };
    while (p < end) {
        const char* segmentEnd = end;
        if (asciiFastPath_) {
            const char* q = p;
            while (q < end && static_cast<unsigned char>(*q) < 0x80)
                ++q;
            if (q != p) {
                out.append(QLatin1StringView(p, q - p));
                p = q;
                continue;
            }
            // A multi-byte run: up to the next byte that cannot belong to a character.
            while (q < end && static_cast<unsigned char>(*q) >= 0x40)
                ++q;
            segmentEnd = q;
        }
        std::size_t left = static_cast<std::size_t>(segmentEnd - p);
        while (left > 0) {
            const Iconv::Stop stop = iconv_.convert(p, left, sink);
            if (stop == Iconv::Stop::Done)
                break;
            if (!onInvalid(out))
                return false;
            // Lenient: skip one byte, or the whole cut-off tail.
            const std::size_t skip = stop == Iconv::Stop::Incomplete ? left : 1;
            p += skip;
            left -= skip;
        }
        p = segmentEnd;
    }
    return true;
}

bool TextDecoder::decodeStrict(const QByteArray& bytes, QString& out)
{
    return decode(bytes, out, [](QString&) { return false; });
}

void TextDecoder::decodeLenient(const QByteArray& bytes, QString& out)
{
    decode(bytes, out, [](QString& text) {
        text.append(QChar(QChar::ReplacementCharacter));
        return true;
    });
}

}  // namespace qx

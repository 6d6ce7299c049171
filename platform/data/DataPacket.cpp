// Data packet bytes: decoding by the declared encoding, reading into rows, writing rows.
#include "DataPacket.h"

#include "FieldDef.h"
#include "PacketReader.h"
#include "PacketWriter.h"
#include "TextCodec.h"

#include <algorithm>
#include <optional>

namespace qx::DataPacket {

namespace {

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

[[noreturn]] void fail(const QString& message)
{
    throw DataPacketError(message.toStdString());
}

// "line L, column C" of `offset` in `text`; CR LF, CR and LF each end a line.
QString placeOf(QStringView text, qsizetype offset)
{
    qsizetype line = 1;
    qsizetype lineStart = 0;
    const qsizetype end = std::min(offset, text.size());
    for (qsizetype i = 0; i < end; ++i) {
        const QChar c = text[i];
        if (c == u'\n' || (c == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n'))) {
            ++line;
            lineStart = i + 1;
        }
    }
    return QStringLiteral("line %1, column %2").arg(line).arg(offset - lineStart + 1);
}

[[noreturn]] void failAt(const QString& sourceName, QStringView text, qsizetype offset, const QString& message)
{
    fail(QStringLiteral("File \"%1\", %2: %3").arg(sourceName, placeOf(text, offset), message));
}

bool isEncodingName(const QByteArray& name)
{
    if (name.isEmpty() || name.size() > 40)
        return false;
    for (const char c : name) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'
            || c == '_' || c == '.' || c == ':';
        if (!ok)
            return false;
    }
    return true;
}

// The encoding of the XML declaration at `start` of the bytes; empty when none is declared.
// Sets *valid to false for a declaration whose encoding cannot be a name.
QByteArray declaredEncoding(const QByteArray& bytes, qsizetype start, bool* valid)
{
    *valid = true;
    constexpr qsizetype kMaxDeclaration = 512;
    if (bytes.mid(start, 5) != "<?xml")
        return {};
    const qsizetype end = bytes.indexOf("?>", start);
    if (end < 0 || end - start > kMaxDeclaration)
        return {};
    const QByteArray declaration = bytes.mid(start + 5, end - start - 5);
    const qsizetype at = declaration.indexOf("encoding");
    if (at < 0)
        return {};
    qsizetype i = at + 8;
    const auto skipBlanks = [&] {
        while (i < declaration.size() && (declaration[i] == ' ' || declaration[i] == '\t' || declaration[i] == '\r'
                                          || declaration[i] == '\n'))
            ++i;
    };
    skipBlanks();
    if (i >= declaration.size() || declaration[i] != '=') {
        *valid = false;
        return {};
    }
    ++i;
    skipBlanks();
    if (i >= declaration.size() || (declaration[i] != '"' && declaration[i] != '\'')) {
        *valid = false;
        return {};
    }
    const char quote = declaration[i++];
    const qsizetype close = declaration.indexOf(quote, i);
    if (close < 0) {
        *valid = false;
        return {};
    }
    const QByteArray name = declaration.mid(i, close - i);
    *valid = isEncodingName(name);
    return name;
}

// A run of bytes without '<' or '>' longer than this is no packet a declaration can have: the
// longest row of any table, every character of its texts written as the longest reference the
// reader takes, is about 100 KB. Refusing it before the text is decoded keeps a damaged file with
// a huge value from taking three times its size in memory. ('<' and '>' are never part of a
// multi-byte character of the encodings a packet comes in.)
constexpr qsizetype kMaxMarkupRun = 1 << 20;

// "line L, column C" of byte `offset` of `bytes`.
QString placeOfByte(const QByteArray& bytes, qsizetype offset)
{
    const QByteArrayView before(bytes.constData(), offset);
    const qsizetype lineStart = before.lastIndexOf('\n') + 1;
    return QStringLiteral("line %1, column %2").arg(before.count('\n') + 1).arg(offset - lineStart + 1);
}

void checkMarkupRuns(const QByteArray& bytes, const QString& sourceName)
{
    const char* const data = bytes.constData();
    const qsizetype n = bytes.size();
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (data[i] == '<' || data[i] == '>')
            runStart = i + 1;
        else if (i - runStart >= kMaxMarkupRun)
            fail(QStringLiteral("File \"%1\", %2: a value or text of more than %3 MB, longer than any field can hold "
                                "(a damaged file?)")
                     .arg(sourceName, placeOfByte(bytes, runStart))
                     .arg(kMaxMarkupRun >> 20));
    }
}

// The packet's text: in the declared encoding, UTF-8 after a byte order mark, CP950 otherwise.
QString decodePacket(const QByteArray& bytes, const QString& sourceName)
{
    const qsizetype start = bytes.startsWith(kUtf8Bom) ? kUtf8Bom.size() : 0;
    bool valid = true;
    QByteArray encoding = declaredEncoding(bytes, start, &valid);
    if (!valid)
        failAt(sourceName, {}, 0, QStringLiteral("the XML declaration names no valid encoding"));
    if (encoding.isEmpty())
        encoding = start > 0 ? QByteArray("UTF-8") : QByteArray("CP950");
    std::optional<TextDecoder> decoder;
    try {
        decoder.emplace(encoding);
    } catch (const std::invalid_argument&) {
        failAt(sourceName, {}, 0, QStringLiteral("unknown encoding \"%1\"").arg(QString::fromLatin1(encoding)));
    }
    QString text;
    if (!decoder->decodeStrict(start > 0 ? bytes.sliced(start) : bytes, text))
        failAt(sourceName, text, text.size(),
               QStringLiteral("bytes that are not valid %1 text").arg(QString::fromLatin1(encoding)));
    return text;
}

}  // namespace

QByteArray serialize(const std::vector<FieldDef>& defs, const std::vector<std::vector<Value>>& rows)
{
    return writePacket(defs, rows);
}

std::vector<std::vector<Value>> parse(const QByteArray& bytes, const std::vector<FieldDef>& defs,
                                      const QString& sourceName, const PacketShape& shape)
{
    std::vector<std::vector<Value>> rows = parsePacketRows(bytes, defs, sourceName, shape);
    const auto width = std::size_t(std::count_if(defs.begin(), defs.end(), [](const FieldDef& d) {
        return d.kind == FieldKind::Data;
    }));
    for (std::vector<Value>& row : rows)
        if (row.empty())
            row.resize(width);
    return rows;
}

}  // namespace qx::DataPacket

namespace qx {

std::vector<std::vector<Value>> parsePacketRows(QByteArray bytes, const std::vector<FieldDef>& defs,
                                               const QString& sourceName, const PacketShape& shape)
{
    using namespace DataPacket;
    if (bytes.isEmpty())
        failAt(sourceName, {}, 0, QStringLiteral("the file is empty"));
    checkMarkupRuns(bytes, sourceName);
    QString text = decodePacket(bytes, sourceName);
    bytes = QByteArray();  // the text alone is read on
    try {
        return readPacket(text, defs, shape);
    } catch (const PacketFault& fault) {
        failAt(sourceName, text, fault.offset, fault.message);
    }
}

}  // namespace qx

#include "PacketDamage.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace damage {

namespace {

// Offsets of the first ROW element: [start, end) with end just past its "/>".
std::optional<std::pair<qsizetype, qsizetype>> firstRow(const QByteArray& packet)
{
    const qsizetype start = packet.indexOf("<ROW ");
    if (start < 0)
        return std::nullopt;
    const qsizetype end = packet.indexOf("/>", start);
    if (end < 0)
        return std::nullopt;
    return std::make_pair(start, end + 2);
}

// The attribute ` NAME="..."` inside [from, to), found ignoring the case of the name.
std::optional<std::pair<qsizetype, qsizetype>> attributeIn(const QByteArray& packet, qsizetype from, qsizetype to,
                                                           const QString& name)
{
    const QRegularExpression re(QStringLiteral(R"( %1="[^"]*")").arg(QRegularExpression::escape(name)),
                                QRegularExpression::CaseInsensitiveOption);
    const QString text = QString::fromLatin1(packet.mid(from, to - from));
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    return std::make_pair(from + m.capturedStart(), from + m.capturedEnd());
}

const qx::FieldDef* firstDataField(const std::vector<qx::FieldDef>& defs, std::initializer_list<qx::FieldType> types)
{
    for (const qx::FieldDef& d : defs)
        if (d.kind == qx::FieldKind::Data && std::find(types.begin(), types.end(), d.type) != types.end())
            return &d;
    return nullptr;
}

std::optional<QByteArray> truncated(const QByteArray& p, const std::vector<qx::FieldDef>&)
{
    return p.left(p.size() / 2);
}

std::optional<QByteArray> binary(const QByteArray&, const std::vector<qx::FieldDef>&)
{
    QByteArray bytes;
    std::uint32_t x = 2463534242u;
    for (int i = 0; i < 700; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        bytes.append(char(x & 0xFF));
    }
    bytes[10] = '\0';
    return bytes;
}

std::optional<QByteArray> malformed(const QByteArray& p, const std::vector<qx::FieldDef>&)
{
    QByteArray out = p;
    const qsizetype at = out.indexOf("<METADATA>");
    if (at < 0)
        return std::nullopt;
    out.remove(at + 9, 1);  // "<METADATA<FIELDS>"
    return out;
}

std::optional<QByteArray> wrongFieldType(const QByteArray& p, const std::vector<qx::FieldDef>&)
{
    const qsizetype field = p.indexOf("<FIELD ");
    const qsizetype type = p.indexOf("fieldtype=\"", field);
    if (field < 0 || type < 0)
        return std::nullopt;
    const qsizetype valueStart = type + 11;
    const qsizetype valueEnd = p.indexOf('"', valueStart);
    const QByteArray old = p.mid(valueStart, valueEnd - valueStart);
    QByteArray out = p;
    out.replace(valueStart, valueEnd - valueStart, old == "string" ? QByteArray("boolean") : QByteArray("string"));
    return out;
}

std::optional<QByteArray> numberOutOfRange(const QByteArray& p, const std::vector<qx::FieldDef>& defs)
{
    using T = qx::FieldType;
    const qx::FieldDef* d = firstDataField(defs, {T::Currency, T::Integer, T::LargeInt, T::AutoInc});
    if (!d)
        return std::nullopt;
    return setAttribute(p, d->name, "99999999999999999999999");
}

std::optional<QByteArray> textOverWidth(const QByteArray& p, const std::vector<qx::FieldDef>& defs)
{
    const qx::FieldDef* d = firstDataField(defs, {qx::FieldType::String});
    if (!d || d->size <= 0)
        return std::nullopt;
    return setAttribute(p, d->name, QByteArray(d->size + 1, 'W'));
}

// One-word damages that used to open as a blank page or a shorter list: the last row misspelt,
// ROWDATA renamed, the field list emptied, or one FIELD line lost while the rows keep its values.
std::optional<QByteArray> rowMisspelt(const QByteArray& p, const std::vector<qx::FieldDef>&)
{
    const qsizetype at = p.lastIndexOf("<ROW ");
    if (at < 0)
        return std::nullopt;
    return QByteArray(p).insert(at + 4, 'X');
}

std::optional<QByteArray> rowDataRenamed(const QByteArray& p, const std::vector<qx::FieldDef>&)
{
    return QByteArray(p).replace("ROWDATA", "ROWDATOS");
}

// [start, end) of the FIELD elements inside FIELDS.
std::optional<std::pair<qsizetype, qsizetype>> fieldList(const QByteArray& p)
{
    const qsizetype open = p.indexOf("<FIELDS>");
    const qsizetype close = p.indexOf("</FIELDS>");
    if (open < 0 || close < open)
        return std::nullopt;
    return std::make_pair(open + 8, close);
}

std::optional<QByteArray> fieldListEmptied(const QByteArray& p, const std::vector<qx::FieldDef>&)
{
    const auto fields = fieldList(p);
    if (!fields || !firstRow(p))
        return std::nullopt;
    return QByteArray(p).remove(fields->first, fields->second - fields->first);
}

std::optional<QByteArray> fieldLineLost(const QByteArray& p, const std::vector<qx::FieldDef>& defs)
{
    const auto row = firstRow(p);
    if (!row)
        return std::nullopt;
    for (const qx::FieldDef& d : defs) {
        if (d.kind != qx::FieldKind::Data || !attributeIn(p, row->first, row->second, d.name))
            continue;
        const qsizetype start = p.indexOf("<FIELD attrname=\"" + d.name.toLatin1() + '"');
        if (start < 0)
            continue;
        return QByteArray(p).remove(start, p.indexOf("/>", start) + 2 - start);
    }
    return std::nullopt;
}

}  // namespace

const std::vector<Kind>& kindsForEveryFile()
{
    static const std::vector<Kind> kinds{
        {"empty", [](const QByteArray&, const std::vector<qx::FieldDef>&) { return std::optional<QByteArray>(QByteArray()); }},
        {"truncated", truncated},
        {"binary", binary},
        {"malformed", malformed},
        {"wrong field type", wrongFieldType},
        {"number out of range", numberOutOfRange},
        {"text over its width", textOverWidth},
        {"a row misspelt", rowMisspelt},
        {"ROWDATA renamed", rowDataRenamed},
        {"the field list emptied", fieldListEmptied},
        {"a FIELD line lost", fieldLineLost},
    };
    return kinds;
}

std::optional<QByteArray> duplicateFirstRow(const QByteArray& packet)
{
    const auto row = firstRow(packet);
    if (!row)
        return std::nullopt;
    QByteArray out = packet;
    out.insert(row->second, packet.mid(row->first, row->second - row->first));
    return out;
}

std::optional<QByteArray> dropAttribute(const QByteArray& packet, const QString& field)
{
    const auto row = firstRow(packet);
    if (!row)
        return std::nullopt;
    const auto attr = attributeIn(packet, row->first, row->second, field);
    if (!attr)
        return std::nullopt;
    QByteArray out = packet;
    out.remove(attr->first, attr->second - attr->first);
    return out;
}

std::optional<QByteArray> setAttribute(const QByteArray& packet, const QString& field, const QByteArray& value)
{
    const auto row = firstRow(packet);
    if (!row)
        return std::nullopt;
    const QByteArray attribute = ' ' + field.toLatin1() + "=\"" + value + '"';
    QByteArray out = packet;
    if (const auto attr = attributeIn(packet, row->first, row->second, field))
        out.replace(attr->first, attr->second - attr->first, attribute);
    else
        out.insert(row->second - 2, attribute);
    return out;
}

QByteArray addUnknownField(const QByteArray& packet, const QByteArray& fieldXml, const QByteArray& attribute)
{
    QByteArray out = packet;
    out.insert(out.indexOf("<FIELD "), fieldXml);
    out.replace("<ROW ", "<ROW " + attribute + ' ');
    return out;
}

QByteArray removeField(const QByteArray& packet, const QString& field)
{
    QString text = QString::fromLatin1(packet);
    const QString name = QRegularExpression::escape(field);
    text.remove(QRegularExpression(QStringLiteral(R"(\r?\n?<FIELD attrname="%1"[^>]*/>)").arg(name),
                                   QRegularExpression::CaseInsensitiveOption));
    text.remove(QRegularExpression(QStringLiteral(R"( %1="[^"]*")").arg(name), QRegularExpression::CaseInsensitiveOption));
    return text.toLatin1();
}

}  // namespace damage

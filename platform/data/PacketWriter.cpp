#include "PacketWriter.h"

#include "DataPacket.h"
#include "PacketValues.h"
#include "TextCodec.h"

#include <array>
#include <string>

namespace qx {

namespace {

// Escapes of the ASCII characters in text values: the five markup characters, tab, line
// breaks and backslash as the packet format writes them; other control characters as
// references so that they read back.
const std::array<std::string, 128>& asciiEscapes()
{
    static const std::array<std::string, 128> table = [] {
        std::array<std::string, 128> t;
        for (int c = 0; c < 0x20; ++c)
            t[c] = "&#0" + std::to_string(c / 10) + std::to_string(c % 10) + ';';
        t['<'] = "&lt;";
        t['>'] = "&gt;";
        t['&'] = "&amp;";
        t['\''] = "&apos;";
        t['"'] = "&quot;";
        t['\\'] = "&#092;";
        return t;
    }();
    return table;
}

class Writer {
public:
    Writer(const std::vector<FieldDef>& defs, const std::vector<std::vector<Value>>& rows)
        : rows_(rows)
    {
        for (const FieldDef& def : defs) {
            if (def.kind == FieldKind::Data)
                fields_.push_back(&def);
        }
    }

    QByteArray write()
    {
        out_.reserve(256 + fields_.size() * 64 + rows_.size() * (16 + fields_.size() * 32));
        out_.append("<?xml version=\"1.0\" standalone=\"yes\"?>\r\n");
        out_.append("<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>");
        for (const FieldDef* def : fields_)
            writeField(*def);
        out_.append("</FIELDS><PARAMS/></METADATA><ROWDATA>");
        for (std::size_t r = 0; r < rows_.size(); ++r)
            writeRow(r);
        out_.append("</ROWDATA></DATAPACKET>\r\n");
        return QByteArray(out_.data(), static_cast<qsizetype>(out_.size()));
    }

private:
    [[noreturn]] static void fail(const QString& message) { throw DataPacketError(message.toStdString()); }

    void writeName(const QString& name)
    {
        for (const QChar c : name) {
            const char16_t u = c.unicode();
            if (u <= 0x20 || u == u'/' || u == u'>' || u == u'<' || u == u'=' || u == u'"' || u == u'\''
                || u == u'&')
                fail(QStringLiteral("the field name \"%1\" cannot be written in a data packet").arg(name));
        }
        if (name.isEmpty())
            fail(QStringLiteral("a field without a name cannot be written in a data packet"));
        encoder_.append(out_, name, true);
    }

    void writeText(QStringView text)
    {
        const auto& escapes = asciiEscapes();
        const qsizetype n = text.size();
        qsizetype i = 0;
        while (i < n) {
            const char16_t c = text[i].unicode();
            if (c < 0x80) {
                if (escapes[c].empty())
                    out_.push_back(static_cast<char>(c));
                else
                    out_.append(escapes[c]);
                ++i;
            } else {
                const qsizetype start = i;
                while (i < n && text[i].unicode() >= 0x80)
                    ++i;
                encoder_.appendNonAscii(out_, text.sliced(start, i - start), true);
            }
        }
    }

    void writeField(const FieldDef& def)
    {
        const PacketType type = packetTypeOf(def.type);
        out_.append("\r\n<FIELD attrname=\"");
        writeName(def.name);
        out_.append("\" fieldtype=\"");
        out_.append(type.fieldType.data(), static_cast<std::size_t>(type.fieldType.size()));
        out_.push_back('"');
        if (def.type == FieldType::String) {
            out_.append(" WIDTH=\"");
            out_ += std::to_string(def.size);
            out_.push_back('"');
        }
        if (!type.subType.isEmpty()) {
            out_.append(" SUBTYPE=\"");
            out_.append(type.subType.data(), static_cast<std::size_t>(type.subType.size()));
            out_.push_back('"');
        }
        out_.append("/>");
    }

    static bool isNullValue(const Value& v)
    {
        if (isNull(v))
            return true;
        if (const auto* d = std::get_if<QDate>(&v))
            return !d->isValid();
        if (const auto* dt = std::get_if<QDateTime>(&v))
            return !dt->isValid();
        return false;
    }

    void writeRow(std::size_t r)
    {
        const std::vector<Value>& row = rows_[r];
        if (row.size() != fields_.size())
            fail(QStringLiteral("row %1 holds %2 values for %3 fields").arg(r + 1).arg(row.size()).arg(fields_.size()));
        out_.append("\r\n<ROW");
        for (std::size_t f = 0; f < fields_.size(); ++f) {
            const Value& v = row[f];
            if (isNullValue(v))
                continue;
            const FieldDef& def = *fields_[f];
            out_.push_back(' ');
            encoder_.append(out_, def.name, true);
            out_.append("=\"");
            if (def.type == FieldType::String) {
                const QString* text = std::get_if<QString>(&v);
                if (!text)
                    failValue(def, r, QStringLiteral("the field holds a value of another type"));
                const int width = Big5::byteWidth(*text);
                if (def.size > 0 && width > def.size)
                    failValue(def, r, QStringLiteral("the text is %1 bytes long, the field holds %2").arg(width).arg(def.size));
                writeText(*text);
            } else {
                QString error;
                if (!appendValueText(out_, def.type, v, &error))
                    failValue(def, r, error);
            }
            out_.push_back('"');
        }
        out_.append("/>");
    }

    [[noreturn]] void failValue(const FieldDef& def, std::size_t r, const QString& reason)
    {
        fail(QStringLiteral("field \"%1\" of row %2 cannot be written: %3").arg(def.name).arg(r + 1).arg(reason));
    }

    const std::vector<std::vector<Value>>& rows_;
    std::vector<const FieldDef*> fields_;
    Big5Encoder encoder_;
    std::string out_;
};

}  // namespace

QByteArray writePacket(const std::vector<FieldDef>& defs, const std::vector<std::vector<Value>>& rows)
{
    return Writer(defs, rows).write();
}

}  // namespace qx

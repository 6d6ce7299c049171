#include "PacketReader.h"

#include "DataPacket.h"
#include "PacketValues.h"
#include "ValueConvert.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <stdexcept>

namespace qx {

namespace {

// What a row takes in memory once loaded (the dataset keeps a slot for every field, calculated
// ones too), roughly: the row and its pointers, its slots, and each text's own block.
constexpr qint64 kEmptyRowBytes = 96;
constexpr qint64 kValuesBytes = 48;
constexpr qint64 kTextBytes = 32;
constexpr qint64 kMemoryPerCharacter = 12;
constexpr qint64 kMemoryAllowance = 16LL << 20;

enum class Context { Document, DataPacket, Metadata, Fields, Field, RowData, Row, Ignored };

bool is(QStringView name, QLatin1StringView expected)
{
    return name.compare(expected, Qt::CaseInsensitive) == 0;
}

QString quoted(QStringView text)
{
    constexpr qsizetype kShown = 40;
    return QLatin1Char('"') + (text.size() > kShown ? text.first(kShown).toString() + QStringLiteral("...") : text.toString())
        + QLatin1Char('"');
}

class Reader {
public:
    Reader(QStringView text, const std::vector<FieldDef>& defs, const PacketShape& shape)
        : scanner_(text)
        , shape_(shape)
    {
        for (const FieldDef& def : defs) {
            if (def.kind != FieldKind::Data)
                continue;
            defIndexByName_.insert(def.name.toLower(), static_cast<int>(fields_.size()));
            fields_.push_back(&def);
        }
        fromFile_.assign(fields_.size(), false);
        rowBytes_ = kEmptyRowBytes + kValuesBytes + static_cast<qint64>(defs.size() * sizeof(Value));
        seenInRow_.assign(fields_.size(), -1);
        if (!shape.keyField.isEmpty()) {
            keyField_ = defIndexByName_.value(shape.keyField.toLower(), -1);
            if (keyField_ < 0 || !isIntegerKey(fields_[std::size_t(keyField_)]->type))
                throw std::invalid_argument("the row key is no integer field of the dataset");
        }
    }

    std::vector<std::vector<Value>> read()
    {
        std::vector<Context> open;
        for (;;) {
            const PacketScanner::Token token = scanner_.next();
            if (token == PacketScanner::Token::End)
                return std::move(rows_);
            if (token == PacketScanner::Token::EndElement) {
                const Context closed = open.back();
                open.pop_back();
                onEnd(closed);
                continue;
            }
            const Context parent = open.empty() ? Context::Document : open.back();
            const Context context = onStart(parent);
            if (scanner_.selfClosing()) {
                onEnd(context);
            } else {
                open.push_back(context);
                if (open.size() > deepest_)
                    chargeNesting(deepest_ = open.size());
            }
        }
    }

private:
    [[noreturn]] void fail(qsizetype offset, const QString& message) const { throw PacketFault{offset, message}; }

    Context onStart(Context parent)
    {
        const QStringView name = scanner_.name();
        switch (parent) {
        case Context::Document:
            if (!is(name, QLatin1StringView("DATAPACKET")))
                fail(scanner_.offset(), QStringLiteral("<%1> found where <DATAPACKET> was expected").arg(name));
            return Context::DataPacket;
        case Context::DataPacket:
            if (is(name, QLatin1StringView("METADATA")))
                return Context::Metadata;
            if (is(name, QLatin1StringView("ROWDATA"))) {
                if (!fieldsRead_)
                    fail(scanner_.offset(), QStringLiteral("<ROWDATA> before the field list"));
                if (rowDataRead_)
                    fail(scanner_.offset(), QStringLiteral("a second <ROWDATA>"));
                rowDataRead_ = true;
                return Context::RowData;
            }
            misplaced(name, "<METADATA> or <ROWDATA>");
        case Context::Metadata:
            if (is(name, QLatin1StringView("FIELDS"))) {
                if (fieldsRead_)
                    fail(scanner_.offset(), QStringLiteral("a second field list"));
                return Context::Fields;
            }
            if (is(name, QLatin1StringView("PARAMS")))
                return Context::Ignored;
            misplaced(name, "<FIELDS> or <PARAMS>");
        case Context::Fields:
            if (is(name, QLatin1StringView("FIELD"))) {
                readField();
                return Context::Field;
            }
            misplaced(name, "<FIELD>");
        case Context::RowData:
            if (is(name, QLatin1StringView("ROW"))) {
                readRow();
                return Context::Row;
            }
            misplaced(name, "<ROW>");
        case Context::Row:
            misplaced(name, "the end of the <ROW>");
        case Context::Field:  // the properties of a field and of the packet are not read
        case Context::Ignored:
            return Context::Ignored;
        }
        return Context::Ignored;
    }

    // An element the format does not put here: a damaged or hand-edited file, whose rows would
    // otherwise be skipped without a word.
    [[noreturn]] void misplaced(QStringView name, const char* expected) const
    {
        fail(scanner_.offset(), QStringLiteral("<%1> found where %2 was expected").arg(name, QLatin1StringView(expected)));
    }

    void onEnd(Context closed)
    {
        if (closed == Context::Fields) {
            // Another table's file under this one's name would otherwise read as a blank table.
            if (!fields_.empty() && std::find(fromFile_.begin(), fromFile_.end(), true) == fromFile_.end())
                fail(scanner_.offset(), QStringLiteral("the field list holds none of this table's fields: the file "
                                                       "is another table's, or damaged"));
            fieldsRead_ = true;
        }
        else if (closed == Context::DataPacket && !fieldsRead_)
            fail(scanner_.offset(), QStringLiteral("the packet has no field list (METADATA, FIELDS)"));
        else if (closed == Context::DataPacket && !rowDataRead_)
            fail(scanner_.offset(), QStringLiteral("the packet has no <ROWDATA>"));
    }

    const ScannedAttribute* findAttribute(QLatin1StringView name) const
    {
        for (const ScannedAttribute& a : scanner_.attributes()) {
            if (is(a.name, name))
                return &a;
        }
        return nullptr;
    }

    void readField()
    {
        const ScannedAttribute* nameAttr = findAttribute(QLatin1StringView("attrname"));
        const ScannedAttribute* typeAttr = findAttribute(QLatin1StringView("fieldtype"));
        if (!nameAttr)
            fail(scanner_.offset(), QStringLiteral("<FIELD> without attrname"));
        if (!typeAttr)
            fail(scanner_.offset(), QStringLiteral("<FIELD> without fieldtype"));
        const QString name = PacketScanner::value(*nameAttr);
        const QString key = name.toLower();
        const auto known = defIndexByName_.constFind(key);
        const int defIndex = known == defIndexByName_.cend() ? -1 : *known;
        if (defIndex < 0 && shape_.tableFieldsOnly)
            fail(nameAttr->valueOffset, QStringLiteral("the field list holds field \"%1\", which this table does not "
                                                       "have: the file is another table's, or damaged")
                                            .arg(name));
        if (defIndex >= 0) {
            const FieldDef& def = *fields_[defIndex];
            const QString fieldType = PacketScanner::value(*typeAttr);
            switch (matchPacketType(fieldType, def.type)) {
            case TypeMatch::Same:
                break;
            case TypeMatch::Unknown:
                fail(typeAttr->valueOffset, QStringLiteral("field \"%1\" has the unknown field type %2").arg(name, quoted(fieldType)));
            case TypeMatch::Disagrees:
                fail(typeAttr->valueOffset, QStringLiteral("field \"%1\" is of type %2 in the file, but %3 is expected")
                                                .arg(name, quoted(fieldType), quoted(QString(packetTypeOf(def.type).fieldType))));
            }
            if (fromFile_[defIndex])
                fail(nameAttr->valueOffset, QStringLiteral("field \"%1\" is listed twice").arg(name));
            fromFile_[defIndex] = true;
        }
        if (!fileFieldByName_.contains(key)) {
            fileFieldByName_.insert(key, static_cast<int>(fileFields_.size()));
            fileFields_.push_back({name, defIndex});
        }
    }

    // The definition a ROW attribute stands for, -1 when none. Rows list their attributes in
    // the order of the field list, so the fields after the last match are tried first.
    int fieldOfAttribute(QStringView name, qsizetype offset)
    {
        constexpr std::size_t kLookAhead = 4;
        const std::size_t n = fileFields_.size();
        for (std::size_t k = 0, i = nextFileField_; k < kLookAhead && i < n; ++k, ++i) {
            const QString& candidate = fileFields_[i].name;
            if (name == candidate || name.compare(candidate, Qt::CaseInsensitive) == 0) {
                nextFileField_ = i + 1;
                return fileFields_[i].defIndex;
            }
        }
        const QString key = name.toString().toLower();
        const auto found = fileFieldByName_.constFind(key);
        if (found == fileFieldByName_.cend()) {
            // A value of a field the dataset has but the file's field list leaves out: that list
            // lost a line, and the value would be dropped unseen.
            if (defIndexByName_.contains(key))
                fail(offset, QStringLiteral("the row gives field \"%1\", which the field list does not declare").arg(name));
            return -1;
        }
        nextFileField_ = static_cast<std::size_t>(*found) + 1;
        return fileFields_[*found].defIndex;
    }

    void readRow()
    {
        const int rowNumber = static_cast<int>(rows_.size());
        if (shape_.maxRows >= 0 && rowNumber >= shape_.maxRows) {
            if (shape_.maxRowsWhy.isEmpty())
                fail(scanner_.offset(), QStringLiteral("more than %1 record(s) in a table that holds %1").arg(shape_.maxRows));
            fail(scanner_.offset(), QStringLiteral("more than %1 records: %2").arg(shape_.maxRows).arg(shape_.maxRowsWhy));
        }
        std::vector<Value> row;
        qint64 textBytes = 0;
        nextFileField_ = 0;
        for (const ScannedAttribute& a : scanner_.attributes()) {
            const int f = fieldOfAttribute(a.name, a.valueOffset);
            if (f < 0)
                continue;  // RowState and anything unknown
            if (row.empty())
                row.resize(fields_.size());
            if (seenInRow_[f] == rowNumber)
                fail(a.valueOffset, QStringLiteral("field \"%1\" is given twice in the row").arg(a.name));
            seenInRow_[f] = rowNumber;
            row[f] = readValue(*fields_[f], a);
            if (const auto* text = std::get_if<QString>(&row[f]))
                textBytes += kTextBytes + 2 * text->size();
        }
        if (keyField_ >= 0)
            checkKey(row.empty() ? Value() : row[std::size_t(keyField_)], rowNumber);
        chargeMemory(row.empty() ? kEmptyRowBytes : rowBytes_ + textBytes, rowNumber);
        rows_.push_back(std::move(row));
    }

    // The rows of a file (and its nesting, chargeNesting) may take no more memory than
    // kMemoryPerCharacter times the characters of the file up to them, beyond a small allowance:
    // a file of rows that hold next to nothing (each still takes a whole row in memory) would
    // otherwise take many times its size. The leanest rows the program writes in number, list
    // rows of zero amounts, take about nine.
    void chargeMemory(qint64 bytes, int rowNumber)
    {
        memoryUsed_ += bytes;
        if (memoryUsed_ > kMemoryPerCharacter * scanner_.offset() + kMemoryAllowance)
            fail(scanner_.offset(), QStringLiteral("%1 rows that hold almost no values would take %2 MB of memory (a damaged file?)")
                                        .arg(rowNumber + 1)
                                        .arg(memoryUsed_ >> 20));
    }

    // An element opened deeper than any before takes a place in the scanner's stack of open
    // elements and in the reader's, which grow by doubling: counted as rows are, so that a nesting
    // that never closes is refused long before the end of a large file.
    void chargeNesting(std::size_t depth)
    {
        constexpr qint64 kOpenElementBytes = 2 * qint64(sizeof(QStringView) + sizeof(Context));
        memoryUsed_ += kOpenElementBytes;
        if (memoryUsed_ > kMemoryPerCharacter * scanner_.offset() + kMemoryAllowance)
            fail(scanner_.offset(), QStringLiteral("elements nested %1 deep would take %2 MB of memory (a damaged file?)")
                                        .arg(depth)
                                        .arg(memoryUsed_ >> 20));
    }

    void checkKey(const Value& key, int rowNumber)
    {
        const QString& name = fields_[std::size_t(keyField_)]->name;
        const auto* n = std::get_if<std::int32_t>(&key);
        if (!n)
            fail(scanner_.offset(), QStringLiteral("row %1 has no %2").arg(rowNumber + 1).arg(name));
        if (keys_.contains(*n))
            fail(scanner_.offset(), QStringLiteral("row %1 repeats the %2 %3 of an earlier row").arg(rowNumber + 1).arg(name).arg(*n));
        keys_.insert(*n);
    }

    Value readValue(const FieldDef& def, const ScannedAttribute& a) const
    {
        if (def.type == FieldType::String) {
            QString text = PacketScanner::value(a);
            const int width = Big5::byteWidth(text);
            if (def.size > 0 && width > def.size)
                fail(a.valueOffset, QStringLiteral("the text of field \"%1\" is %2 bytes long, the field holds %3")
                                        .arg(def.name).arg(width).arg(def.size));
            if (const qsizetype bad = detail::badTextCharacter(text); bad >= 0)
                fail(a.valueOffset, QStringLiteral("the text of field \"%1\" holds the character %2, which text cannot hold")
                                        .arg(def.name, detail::characterCode(text, bad)));
            return text;
        }
        QString resolved;
        const QStringView text = a.plain ? a.rawValue : QStringView(resolved = PacketScanner::value(a));
        Value v;
        QString error;
        if (!parseValueText(text, def.type, &v, &error))
            fail(a.valueOffset, QStringLiteral("value %1 of field \"%2\": %3").arg(quoted(text), def.name, error));
        return v;
    }

    struct FileField {
        QString name;
        int defIndex;  // -1: not a field of the dataset
    };

    static bool isIntegerKey(FieldType type) { return type == FieldType::AutoInc || type == FieldType::Integer; }

    PacketScanner scanner_;
    const PacketShape& shape_;
    int keyField_ = -1;                        // index in fields_ of the row key, -1: none
    QSet<std::int32_t> keys_;                  // row keys read so far
    qint64 rowBytes_ = 0;                      // memory of a row with values, its texts aside
    qint64 memoryUsed_ = 0;                    // memory the rows read so far take once loaded, and the nesting
    std::size_t deepest_ = 0;                  // the most elements open at once so far
    std::vector<const FieldDef*> fields_;     // data fields of the dataset
    QHash<QString, int> defIndexByName_;       // lower-case name -> index in fields_
    std::vector<bool> fromFile_;               // field listed by the file
    std::vector<FileField> fileFields_;        // the file's field list
    QHash<QString, int> fileFieldByName_;      // lower-case name -> index in fileFields_
    std::size_t nextFileField_ = 0;
    std::vector<int> seenInRow_;               // number of the last row that gave the field
    std::vector<std::vector<Value>> rows_;
    bool fieldsRead_ = false;
    bool rowDataRead_ = false;
};

}  // namespace

std::vector<std::vector<Value>> readPacket(QStringView text, const std::vector<FieldDef>& defs,
                                           const PacketShape& shape)
{
    return Reader(text, defs, shape).read();
}

}  // namespace qx

#include "core/catalogue/CatalogueNotation.h"

namespace catalogue {

using qx::Alignment;
using qx::FieldDef;
using qx::FieldKind;
using qx::FieldType;

namespace {

// Numbers stand right-aligned unless a table says otherwise, as they do in the printed boxes.
FieldDef makeDef(FieldType type, FieldKind kind, int size = 0)
{
    FieldDef d;
    d.type = type;
    d.kind = kind;
    d.size = size;
    const bool numeric = type == FieldType::Integer || type == FieldType::LargeInt
                         || type == FieldType::Currency || type == FieldType::AutoInc;
    d.alignment = numeric ? Alignment::Right : Alignment::Left;
    return d;
}

FieldDef withAmountPatterns(FieldDef d)
{
    d.displayFormat = QString::fromLatin1(kAmountDisplay);
    d.editFormat = QString::fromLatin1(kAmountEdit);
    return d;
}

QString numbered(const char* pattern, int number)
{
    QString name = QString::fromUtf8(pattern);
    return name.replace(QLatin1String("%d"), QString::number(number));
}

QString twinName(const FieldDef& def)
{
    return def.name + (def.kind == FieldKind::Data ? QLatin1String("_Per_Ant") : QLatin1String("_per_ant"));
}

}  // namespace

Type Type::label(const char* text) const
{
    Type t = *this;
    t.def_.displayLabel = QString::fromUtf8(text);
    return t;
}

Type Type::display(const char* pattern) const
{
    Type t = *this;
    t.def_.displayFormat = QString::fromUtf8(pattern);
    return t;
}

Type Type::edit(const char* pattern) const
{
    Type t = *this;
    t.def_.editFormat = QString::fromUtf8(pattern);
    return t;
}

Type Type::centred() const
{
    Type t = *this;
    t.def_.alignment = Alignment::Center;
    return t;
}

Type Type::max(std::int64_t value) const
{
    Type t = *this;
    t.def_.maxValue = value;
    return t;
}

Type amount() { return Type(withAmountPatterns(makeDef(FieldType::Currency, FieldKind::Data))); }
Type sum() { return Type(withAmountPatterns(makeDef(FieldType::Currency, FieldKind::Calculated))); }
Type currency() { return Type(makeDef(FieldType::Currency, FieldKind::Data)); }
Type calcCurrency() { return Type(makeDef(FieldType::Currency, FieldKind::Calculated)); }
Type text(int size) { return Type(makeDef(FieldType::String, FieldKind::Data, size)); }
Type calcText(int size) { return Type(makeDef(FieldType::String, FieldKind::Calculated, size)); }
Type boolean() { return Type(makeDef(FieldType::Boolean, FieldKind::Data)); }
Type integer() { return Type(makeDef(FieldType::Integer, FieldKind::Data)); }
Type calcInteger() { return Type(makeDef(FieldType::Integer, FieldKind::Calculated)); }
Type largeInt() { return Type(makeDef(FieldType::LargeInt, FieldKind::Data)); }
Type date() { return Type(makeDef(FieldType::Date, FieldKind::Data)); }
Type dateTime() { return Type(makeDef(FieldType::DateTime, FieldKind::Data)); }
Type autoInc() { return Type(makeDef(FieldType::AutoInc, FieldKind::Data)); }

Type shownX()
{
    FieldDef d = makeDef(FieldType::Boolean, FieldKind::Data);
    d.displayValues = QStringLiteral("X;");
    return Type(d);
}

Type aggregate(const char* expression)
{
    FieldDef d = makeDef(FieldType::Currency, FieldKind::Aggregate);
    d.displayFormat = QString::fromLatin1(kAmountDisplay);
    d.expression = QString::fromUtf8(expression);
    return Type(d);
}

Row field(const char* name, const Type& type) { return Row{{{name, type}}, 0, 0, false}; }
Row twin(const char* name, const Type& type) { return Row{{{name, type}}, 0, 0, true}; }

Row series(const char* pattern, int first, int last, const Type& type)
{
    return Row{{{pattern, type}}, first, last, false};
}

Row seriesTwins(const char* pattern, int first, int last, const Type& type)
{
    return Row{{{pattern, type}}, first, last, true};
}

Row group(int first, int last, std::initializer_list<Member> members)
{
    return Row{std::vector<Member>(members), first, last, false};
}

std::vector<FieldDef> expandTable(const Table& table)
{
    std::vector<FieldDef> fields;
    for (const Row& row : table) {
        for (int n = row.first; n <= row.last; ++n) {
            for (const Member& m : row.members) {
                FieldDef def = m.type.def();
                def.name = numbered(m.pattern, n);
                fields.push_back(def);
                if (row.twins) {
                    def.name = twinName(def);
                    fields.push_back(def);
                }
            }
        }
    }
    return fields;
}

}  // namespace catalogue

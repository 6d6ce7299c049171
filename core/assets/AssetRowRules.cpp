#include "core/assets/AssetRowRules.h"

#include "core/assets/RowFindings.h"
#include "platform/data/ClientDataSet.h"

namespace {

QString text(const char16_t* s) { return QString::fromUtf16(s); }

QString chnAmountFinding(const AmountLabel& label, const QString& value, const char16_t* rule)
{
    return QStringLiteral("欄位「") + text(label.chn) + QStringLiteral("」之金額(") + value + QStringLiteral(")")
           + text(rule);
}

QString porIntegerFinding(const AmountLabel& label, const QString& value, AmountTexts texts)
{
    if (texts == AmountTexts::ValueAndLabel)
        return QStringLiteral("Deve introduzir-se apenas valores inteiros para o valor \"") + value
               + QStringLiteral("\" do quadro \"") + text(label.por) + QLatin1Char('"');
    return QStringLiteral("Deve introduzir-se apenas valores inteiros para o valor do quadro '") + text(label.por)
           + QLatin1Char('\'');
}

QString porSignFinding(const AmountLabel& label, AmountTexts texts)
{
    const QChar quote = texts == AmountTexts::ValueAndLabel ? QLatin1Char('"') : QLatin1Char('\'');
    return QStringLiteral("Deve introduzir-se apenas valores positivos no quadro ") + quote + text(label.por) + quote;
}

}  // namespace

void AddFinding(RowFindings& findings, const RowText& t)
{
    findings.add(text(t.chn), text(t.por));
}

void CheckAmount(RowFindings& findings, const qx::ClientDataSet& row, const AmountLabel& label, AmountTexts texts)
{
    const qx::Field& field = row.fieldByName(label.field);
    if (!field.isData())
        return;
    const qx::Currency amount = field.asCurrency();
    const QString value = amount.toString();
    if (amount.hasDecimals())
        findings.add(chnAmountFinding(label, value, u"應只輸入整數．"), porIntegerFinding(label, value, texts));
    else if (label.checkSign && amount.isNegative())
        findings.add(chnAmountFinding(label, value, u"應只輸入正數．"), porSignFinding(label, texts));
}

qx::Currency AmountOf(const qx::ClientDataSet& row, const char* field)
{
    return row.fieldByName(field).asCurrency();
}

QString TextOf(const qx::ClientDataSet& row, const char* field)
{
    return row.fieldByName(field).asString();
}

bool AllAmountsZero(const qx::ClientDataSet& row, std::initializer_list<const char*> fields)
{
    for (const char* f : fields)
        if (!AmountOf(row, f).isZero())
            return false;
    return true;
}

bool AllTextsEmpty(const qx::ClientDataSet& row, std::initializer_list<const char*> fields)
{
    for (const char* f : fields)
        if (!TextOf(row, f).isEmpty())
            return false;
    return true;
}

bool HasOverflow(const qx::ClientDataSet& row)
{
    return !TextOf(row, "overflow_fields").isEmpty();
}

bool RateCodeKnown(qx::ClientDataSet& rateTable, const QString& code)
{
    if (!rateTable.active())
        return false;
    return rateTable.locate(QStringLiteral("Codigo"), {qx::Value(code)});
}

bool RowHasData(const qx::ClientDataSet& row)
{
    for (int i = 0; i < row.fieldCount(); ++i) {
        const qx::Field& f = row.field(i);
        if (!f.isData())
            continue;
        switch (f.dataType()) {
        case qx::FieldType::String:
            if (!f.asString().isEmpty())
                return true;
            break;
        case qx::FieldType::Integer:
            if (f.asInteger() != 0)
                return true;
            break;
        case qx::FieldType::Currency:
            if (!f.asCurrency().isZero())
                return true;
            break;
        default:
            break;
        }
    }
    return false;
}

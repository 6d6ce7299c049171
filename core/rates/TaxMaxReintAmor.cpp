// The depreciation-rate table: rebuilt from its fixed rows at every folder open, with a
// self-check on every post that keeps rate, years and notes consistent.
#include "core/module/TdmMain.h"

#include "core/check/StoredText.h"
#include "core/rates/RateYears.h"
#include "core/rates/TaxRateRows.h"

namespace {

// A text longer than its field is stored cut to the field's size, as the files have always held it.
void setText(qx::Field& field, const char* utf8)
{
    SetTextCut(field, QString::fromUtf8(utf8));
}

void fillRow(qx::ClientDataSet& ds, const TaxRateRow& row)
{
    setText(ds.fieldByName(u"Codigo"), row.codigo);
    setText(ds.fieldByName(u"Tipo_Chn"), row.tipoChn);
    setText(ds.fieldByName(u"Tipo_Por"), row.tipoPor);
    setText(ds.fieldByName(u"Obs_Chn"), row.obsChn);
    setText(ds.fieldByName(u"Obs_Por"), row.obsPor);
    ds.fieldByName(u"Taxa").setAsCurrency(qx::Currency::fromRaw(std::int64_t{row.taxaHundredths} * 100));
    ds.fieldByName(u"No_de_Anos").setAsCurrency(qx::Currency::fromUnits(row.anos));
    ds.fieldByName(u"Is_Header").setAsBoolean(row.isHeader);
}

[[noreturn]] void refuse(const QString& text)
{
    throw qx::DataSetError(text.toStdString());
}

}  // namespace

bool TdmMain::BuildTaxMaxReintAmor(const QString& titleChn, const QString& titlePor)
{
    qx::ClientDataSet& ds = cdsTaxMaxReintAmor;
    // A folder whose file already holds the fixed rows has nothing new to save afterwards.
    const auto rowsBefore = ds.dataRows();
    ds.emptyDataSet();
    ds.mergeChangeLog();
    for (const TaxRateRow& row : TaxMaxReintAmorRows()) {
        ds.append();
        try {
            fillRow(ds, row);
            ds.post();
        } catch (...) {
            // The refused row is not left pending in the table.
            if (ds.editing())
                ds.cancel();
            throw;
        }
    }
    if (ds.dataRows() == rowsBefore)
        ds.mergeChangeLog();
    ds.first();
    return true;
}

void TdmMain::cdsTaxMaxReintAmorNewRecord(qx::ClientDataSet& dataSet)
{
    InitRecordFields(dataSet);
}

void TdmMain::cdsTaxMaxReintAmorBeforePost(qx::ClientDataSet& dataSet)
{
    const QString codigo = dataSet.fieldByName(u"Codigo").asString();
    const QString tipoChn = dataSet.fieldByName(u"Tipo_Chn").asString();
    qx::Field& obsChn = dataSet.fieldByName(u"Obs_Chn");
    qx::Field& obsPor = dataSet.fieldByName(u"Obs_Por");
    if (obsChn.asString().isEmpty())
        obsChn.setAsString(tipoChn);
    if (obsPor.asString().isEmpty())
        obsPor.setAsString(dataSet.fieldByName(u"Tipo_Por").asString());

    const qx::Currency taxa = dataSet.fieldByName(u"Taxa").asCurrency();
    const qx::Currency anos = dataSet.fieldByName(u"No_de_Anos").asCurrency();
    if (taxa > qx::Currency()) {
        const bool privateLand = tipoChn.contains(QStringLiteral("(私家地)"));
        if (!RateMatchesYears(taxa, anos, privateLand))
            refuse(codigo + QStringLiteral("之Taxa與年數不吻合") + QStringLiteral("\r\n") + QStringLiteral("A taxa de ")
                   + codigo + QStringLiteral(" não corresponde ao número de anos"));
    }
    if (taxa < qx::Currency())
        refuse(QStringLiteral("攤折率不應為負數") + QStringLiteral("\r\n") + QStringLiteral("A taxa não deve ser negativa"));
    if (taxa.isZero() && !anos.isZero())
        refuse(QStringLiteral("年數應為零") + QStringLiteral("\r\n") + QStringLiteral("O número de anos deve ser zero"));
}

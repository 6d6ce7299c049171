// The settings record and the three data pages of M/1: new-record defaults and calculated fields.
#include "core/calc/Guard.h"
#include "core/calc/Line1Source.h"
#include "core/calc/SectorOf.h"
#include "core/module/TdmMain.h"
#include "core/util/Clock.h"
#include "core/util/SystemInfo.h"
#include "core/util/TrimBlanks.h"

#include <QCoreApplication>

namespace {

struct SectorText {
    int sectorId;
    const char16_t* chn;
    const char16_t* por;
};

constexpr SectorText kSectorTexts[] = {
    {0, u"一般納稅人", u"Geral"},
    {11, u"保險業", u"Sector Segurador"},
    {21, u"銀行業", u"Sector Bancário"},
};
constexpr SectorText kSectorNotChosen = {-1, u"未選擇", u"Ainda não seleccionou o sector da actividade pretendido"};

const SectorText& sectorTextOf(int sectorId)
{
    for (const SectorText& t : kSectorTexts)
        if (t.sectorId == sectorId)
            return t;
    return kSectorNotChosen;
}

}  // namespace

void TdmMain::cdsSysNewRecord(qx::ClientDataSet& dataSet)
{
    dataSet.fieldByName(u"App_Version").setAsString(GetFileVersionString(QCoreApplication::applicationFilePath()));
    dataSet.fieldByName(u"Form_Version").setAsString(QStringLiteral("1.0"));
    dataSet.fieldByName(u"Sector_ID").setAsInteger(-1);
}

void TdmMain::cdsSysCalcFields(qx::ClientDataSet& dataSet)
{
    const qx::Field& sector = dataSet.fieldByName(u"Sector_ID");
    const SectorText& text = sectorTextOf(sector.isNull() ? -1 : sector.asInteger());
    dataSet.fieldByName(u"sector_chn").setAsString(QString::fromUtf16(text.chn));
    dataSet.fieldByName(u"sector_por").setAsString(QString::fromUtf16(text.por));
}

// A declaration started in any month of a year is, by default, that of the previous year.
void TdmMain::cdsM1P1NewRecord(qx::ClientDataSet& dataSet)
{
    InitRecordFields(dataSet);
    const int year = Today().year() - 1;
    dataSet.fieldByName(u"Ano_Exercicio").setAsInteger(year);
    dataSet.fieldByName(u"Periodo_de").setAsDate(QDate(year, 1, 1));
    dataSet.fieldByName(u"Periodo_a").setAsDate(QDate(year, 12, 31));
}

void TdmMain::cdsM1P1CalcFields(qx::ClientDataSet& dataSet)
{
    const QString first = TrimBlanks(dataSet.fieldByName(u"Nome_Contribuinte_1").asString());
    const QString second = TrimBlanks(dataSet.fieldByName(u"Nome_Contribuinte_2").asString());
    dataSet.fieldByName(u"nome_contribuinte").setAsString(first + QLatin1Char(' ') + second);
}

void TdmMain::cdsM1P2NewRecord(qx::ClientDataSet& dataSet)
{
    InitRecordFields(dataSet);
}

// Lines 1, 21, 32 and 36 of the income computation.
void TdmMain::cdsM1P2CalcFields(qx::ClientDataSet& dataSet)
{
    ClearOverflowList(dataSet);

    // Line 1 is the result line of the sector's Anexo A front page, as that page stands now.
    qx::Field& r1 = dataSet.fieldByName(u"r1_mop");
    if (const Line1Source* source = Line1SourceOf(SectorOf(*this))) {
        const qx::ClientDataSet* page = DataSetByName(QString::fromLatin1(source->dataSet));
        if (page && page->active() && !page->isEmpty())
            CopyLine(*this, r1, page->fieldByName(QString::fromLatin1(source->field)));
    }

    qx::Field& r21 = dataSet.fieldByName(u"r21_mop");
    AddFieldSeries(r21, QStringLiteral("R%d_Mop"), 1, 20);

    qx::Field& r32 = dataSet.fieldByName(u"r32_mop");
    AddFieldSeries(r32, QStringLiteral("R%d_Mop"), 22, 31);
    Guarded(*this, r32, {&r21}, [&] { return r21.asCurrency() - r32.asCurrency(); });

    qx::Field& r36 = dataSet.fieldByName(u"r36_mop");
    AddFieldSeries(r36, QStringLiteral("R%d_Mop"), 33, 34);
    AddFieldSeries(r36, QStringLiteral("R35_%d_Mop"), 1, 3);
    Guarded(*this, r36, {&r32}, [&] { return r32.asCurrency() - r36.asCurrency(); });
}

void TdmMain::cdsM1P3NewRecord(qx::ClientDataSet& dataSet)
{
    InitRecordFields(dataSet);
}

void TdmMain::cdsM1P3CalcFields(qx::ClientDataSet& dataSet)
{
    ClearOverflowList(dataSet);
    AddFieldSeries(dataSet.fieldByName(u"div_lucros_mop_total"), QStringLiteral("Div_Lucros_Mop_R%d"), 1, 8);
}

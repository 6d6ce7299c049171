// Form M/3A, fixed assets that left the business: the list of assets alienated, the list of
// assets written off and the observation lines of each page.
#include "core/catalogue/CatalogueTables.h"

namespace catalogue {

namespace {

Table m3aAli()
{
    return {
        field("Rec_AID", autoInc()),
        field("Codigo", text(5)),
        field("Tipo", text(30)),
        field("Ano_Aqu", text(5).centred()),
        field("Mes_Venda", text(5).centred()),
        series("Col%d_Mop", 1, 5, amount()),
        series("col%d_mop", 6, 8, sum()),
        field("pag_num", calcInteger().display("#")),
        field("ali_total_pag", calcInteger().display("#").centred()),
        field("m3a_total_pag", calcInteger().display("#").centred()),
        field("overflow_fields", calcText(200)),
        field("COL1_TTL", aggregate("SUM(Col1_Mop)")),
        field("COL2_TTL", aggregate("SUM(Col2_Mop)")),
        field("COL3_TTL", aggregate("SUM(Col3_Mop)")),
        field("COL4_TTL", aggregate("SUM(Col4_Mop)")),
        field("COL5_TTL", aggregate("SUM(Col5_Mop)")),
        field("COL6_TTL", aggregate("SUM(Col1_Mop-Col2_Mop+Col4_Mop)")),
        field("COL7_TTL", aggregate("SUM(Col1_Mop-Col3_Mop+Col5_Mop)")),
        field("COL8_TTL", aggregate("SUM(Col3_Mop+Col4_Mop-Col2_Mop-Col5_Mop)")),
    };
}

Table m3aAba()
{
    return {
        field("Rec_AID", autoInc()),
        field("Codigo", text(5).centred()),
        field("Tipo", text(30)),
        field("Ano_Aqu", text(5).centred()),
        field("Mes_Abate", text(5).centred()),
        series("Col%d_Mop", 1, 4, amount()),
        series("col%d_mop", 5, 7, sum()),
        field("Motivo_Abate", text(14)),
        field("pag_num", calcInteger().display("#")),
        field("aba_total_pag", calcInteger().display("#")),
        field("m3a_total_pag", calcInteger().display("#")),
        field("overflow_fields", calcText(200)),
        field("COL1_TTL", aggregate("SUM(Col1_Mop)")),
        field("COL2_TTL", aggregate("SUM(Col2_Mop)")),
        field("COL3_TTL", aggregate("SUM(Col3_Mop)")),
        field("COL4_TTL", aggregate("SUM(Col4_Mop)")),
        field("COL5_TTL", aggregate("SUM(Col1_Mop-Col3_Mop)")),
        field("COL6_TTL", aggregate("SUM(Col2_Mop-Col4_Mop)")),
        field("COL7_TTL", aggregate("SUM(Col2_Mop-Col4_Mop-Col1_Mop+Col3_Mop)")),
    };
}

Table m3aObs()
{
    return {
        field("Rec_AID", autoInc()),
        field("pag_num", calcInteger()),
        series("R%d_Obs", 1, 6, text(60)),
    };
}

}  // namespace

std::vector<NamedTable> m3aTables()
{
    return {{"cdsM3AAli", m3aAli()}, {"cdsM3AAba", m3aAba()}, {"cdsM3AObs", m3aObs()}};
}

}  // namespace catalogue

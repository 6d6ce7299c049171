// Form M/3, fixed assets and their depreciation: the first sheet's header and summary, the list
// of assets and the observation lines of each sheet.
#include "core/catalogue/CatalogueTables.h"

namespace catalogue {

namespace {

Table m3p1()
{
    return {
        series("1_R1_Col%d_Mop", 1, 2, amount()),
        series("1_r1_col%d_mop", 3, 4, sum()),
        series("1_R1_Col%d_Mop", 5, 6, amount()),
        series("1_r1_col%d_mop", 7, 9, sum()),
        field("1_R2_Col1_Mop", amount()),
        series("1_r2_col%d_mop", 2, 9, sum()),
        field("1_r3_col6_mop", sum()),
        field("total_pag", calcInteger().display("#").centred()),
        field("last_face", calcInteger().display("#").centred()),
        field("overflow_fields", calcText(1000)),
    };
}

Table m3vclf()
{
    return {
        field("Rec_AID", autoInc()),
        field("Codigo", text(5)),
        field("Tipo", text(30)),
        field("Ano_Aqu", text(5).centred()),
        field("Mes_Ini_de_Util", text(5).centred()),
        series("Col%d_Mop", 1, 2, amount()),
        field("col3_mop", sum()),
        field("Col4_Mop", amount()),
        field("DA_Taxas", currency().display(R"(,0.00"%";,0.00"%";"-")").edit("0.00").centred()),
        field("DA_Meses", integer().display("#").edit("0").centred()),
        series("Col%d_Mop", 5, 6, amount()),
        series("col%d_mop", 7, 8, sum()),
        field("pag_num", calcInteger().display("#")),
        field("face_num", calcInteger().display("#")),
        field("overflow_fields", calcText(200)),
        field("COL1_TTL", aggregate("sum(Col1_Mop)")),
        field("COL2_TTL", aggregate("sum(Col2_Mop)")),
        field("COL3_TTL", aggregate("sum(col1_mop-col2_mop)")),
        field("COL4_TTL", aggregate("sum(Col4_Mop)")),
        field("COL5_TTL", aggregate("sum(Col5_Mop)")),
        field("COL6_TTL", aggregate("sum(Col6_Mop)")),
        field("COL7_TTL", aggregate("sum(Col4_Mop+Col5_Mop-Col6_Mop)")),
        field("COL8_TTL", aggregate("sum(Col1_Mop-Col2_Mop - Col4_Mop-Col5_Mop+Col6_Mop)")),
    };
}

Table m3obs()
{
    return {
        field("Rec_AID", autoInc()),
        field("pag_num", calcInteger()),
        series("R%d_Obs", 1, 6, text(60)),
    };
}

}  // namespace

std::vector<NamedTable> m3Tables()
{
    return {{"cdsM3P1", m3p1()}, {"cdsM3VCLF", m3vclf()}, {"cdsM3Obs", m3obs()}};
}

}  // namespace catalogue

// The shape of every dataset: which datasets, how many fields of each kind, and the order of the
// fields where series, twins and repeated groups join.
#include "core/catalogue/FieldCatalogue.h"
#include "core/catalogue/QStringPrinter.h"

#include <gtest/gtest.h>

#include <initializer_list>

using qx::FieldDef;
using qx::FieldKind;

namespace {

struct Shape {
    const char* dataSet;
    int total, data, calculated, aggregate;
    const char* first;
    const char* last;
};

// In catalogue order (the order of the folder's file table, then the two working tables).
const Shape kShapes[] = {
    {"cdsAlert", 9, 9, 0, 0, "Obj_Code", "Alert_Seq"},
    {"cdsSys", 7, 4, 3, 0, "App_Version", "App_Log"},
    {"cdsPrnSetup", 7, 7, 0, 0, "Computer_Name", "Print_Time"},
    {"cdsTaxMaxReintAmor", 8, 8, 0, 0, "Codigo", "Is_Header"},
    {"cdsM1P1", 51, 49, 2, 0, "Ano_Exercicio", "overflow_fields"},
    {"cdsM1P2", 55, 50, 5, 0, "r1_mop", "overflow_fields"},
    {"cdsM1P3", 59, 57, 2, 0, "Data_Deli_Assem_Geral", "overflow_fields"},
    {"cdsAnexoAP1", 59, 36, 23, 0, "i_r1_mop", "overflow_fields"},
    {"cdsAnexoAP2", 76, 58, 18, 0, "IV_R111_Mop", "overflow_fields"},
    {"cdsAnexoASegP1", 63, 44, 19, 0, "i_r1_mop", "overflow_fields"},
    {"cdsAnexoASegP2", 80, 62, 18, 0, "III_R111_Mop", "overflow_fields"},
    {"cdsAnexoABankP1", 78, 58, 20, 0, "I_R1_Mop", "overflow_fields"},
    {"cdsAnexoABankP2", 86, 75, 11, 0, "V_R1_1_Mop", "overflow_fields"},
    {"cdsAnexoBP1", 68, 63, 5, 0, "I_R1_Mop", "overflow_fields"},
    {"cdsAnexoBP2", 46, 38, 8, 0, "IV_R1_Mop", "overflow_fields"},
    {"cdsAnexoBSegP1", 63, 56, 7, 0, "i_r1_mop", "overflow_fields"},
    {"cdsAnexoBSegP2", 48, 40, 8, 0, "V_R1_Mop", "overflow_fields"},
    {"cdsAnexoBBankP1", 69, 64, 5, 0, "I_R1_Mop", "overflow_fields"},
    {"cdsAnexoBBankP2", 62, 56, 6, 0, "IV_R1_Mop", "overflow_fields"},
    {"cdsM3P1", 22, 5, 17, 0, "1_R1_Col1_Mop", "overflow_fields"},
    {"cdsM3VCLF", 26, 12, 6, 8, "Rec_AID", "COL8_TTL"},
    {"cdsM3Obs", 8, 7, 1, 0, "Rec_AID", "R6_Obs"},
    {"cdsM3AAli", 25, 10, 7, 8, "Rec_AID", "COL8_TTL"},
    {"cdsM3AAba", 24, 10, 7, 7, "Rec_AID", "COL7_TTL"},
    {"cdsM3AObs", 8, 7, 1, 0, "Rec_AID", "R6_Obs"},
    {"cdsM4P1", 94, 53, 41, 0, "1_R1_Col1_Mop", "overflow_fields"},
    {"cdsM4P2", 79, 40, 39, 0, "3_prc_r1_col1_mop", "overflow_fields"},
    {"cdsFormField", 5, 5, 0, 0, "Top", "Line"},
    {"cdsRptField", 5, 5, 0, 0, "Top", "Line"},
};

int countOfKind(const std::vector<FieldDef>& fields, FieldKind kind)
{
    int n = 0;
    for (const FieldDef& f : fields)
        n += f.kind == kind;
    return n;
}

// `names` stand one after another, in this order, somewhere in the dataset.
void expectRun(const char* dataSet, std::initializer_list<const char*> names)
{
    const std::vector<FieldDef> fields = CatalogueFields(QString::fromLatin1(dataSet));
    const QString first = QString::fromLatin1(*names.begin());
    size_t at = 0;
    while (at < fields.size() && fields[at].name != first)
        ++at;
    ASSERT_LT(at, fields.size()) << dataSet << " has no " << qPrintable(first);
    for (const char* name : names) {
        ASSERT_LT(at, fields.size()) << dataSet << ": the run ends before " << name;
        EXPECT_EQ(fields[at].name, QString::fromLatin1(name)) << dataSet << " at field " << at;
        ++at;
    }
}

}  // namespace

TEST(CatalogueShape, NamesEveryDataSetOfTheModuleInFileTableOrder)
{
    QStringList expected;
    for (const Shape& s : kShapes)
        expected << QString::fromLatin1(s.dataSet);
    EXPECT_EQ(CatalogueDataSetNames(), expected);
}

TEST(CatalogueShape, CountsOfEveryDataSet)
{
    int total = 0;
    for (const Shape& s : kShapes) {
        SCOPED_TRACE(s.dataSet);
        const std::vector<FieldDef> fields = CatalogueFields(QString::fromLatin1(s.dataSet));
        ASSERT_EQ(int(fields.size()), s.total);
        EXPECT_EQ(countOfKind(fields, FieldKind::Data), s.data);
        EXPECT_EQ(countOfKind(fields, FieldKind::Calculated), s.calculated);
        EXPECT_EQ(countOfKind(fields, FieldKind::Aggregate), s.aggregate);
        EXPECT_EQ(fields.front().name, QString::fromLatin1(s.first));
        EXPECT_EQ(fields.back().name, QString::fromLatin1(s.last));
        total += s.total;
    }
    EXPECT_EQ(total, 1290);
}

TEST(CatalogueShape, UnknownDataSetHasNoFields)
{
    EXPECT_TRUE(CatalogueFields(u"cdsM5P1").empty());
    EXPECT_TRUE(CatalogueFields(u"").empty());
}

TEST(CatalogueShape, M1SeriesAndGroupsJoinInPrintedOrder)
{
    expectRun("cdsM1P1", {"Nome_Contribuinte_2", "nome_contribuinte", "No_Contribuinte"});
    expectRun("cdsM1P1", {"Acomp_Outros_2", "Acomp_Outros_1_Desc", "Acomp_Outros_2_Desc", "overflow_fields"});
    expectRun("cdsM1P2", {"r1_mop", "R2_Mop"});
    expectRun("cdsM1P2", {"R13_Mop", "R14_Desc", "R14_Mop", "R15_Desc"});
    expectRun("cdsM1P2", {"R20_Desc", "R20_Mop", "r21_mop", "R22_Mop"});
    expectRun("cdsM1P2", {"R26_Mop", "R27_Desc", "R27_Mop"});
    expectRun("cdsM1P2", {"R31_Mop", "r32_mop", "R33_Mop", "R34_Mop", "R35_1_Desc", "R35_1_Mop", "R35_2_Desc"});
    expectRun("cdsM1P2", {"R35_3_Mop", "r36_mop", "PC_de_Reducao", "overflow_fields"});
    expectRun("cdsM1P3", {"Div_Lucros_Depois_Imposto", "Nome_Desig_Bene_R1", "Tipo_Doc_ID_R1",
                          "Tipo_Soc_No_Reg_Com_R1", "Div_Lucros_Mop_R1", "Nome_Desig_Bene_R2"});
    expectRun("cdsM1P3", {"Div_Lucros_Mop_R8", "div_lucros_mop_total", "Regime_Prep_Doc_Fin_NRF"});
}

TEST(CatalogueShape, AnexoATwinsAndGroupsJoinInPrintedOrder)
{
    expectRun("cdsAnexoAP1", {"i_r1_mop", "I_R1_Mop_Per_Ant", "i_r2_mop", "I_R2_Mop_Per_Ant", "i_r3_mop",
                              "i_r3_mop_per_ant", "I_R4_Mop", "I_R4_Mop_Per_Ant", "i_r5_mop"});
    expectRun("cdsAnexoAP1", {"i_r8_mop_per_ant", "i_r9_mop", "I_R9_Mop_Per_Ant", "i_r10_mop"});
    expectRun("cdsAnexoAP1", {"I_R12_Mop_Per_Ant", "i_r13_mop", "i_r13_mop_per_ant", "I_R14_Mop"});
    expectRun("cdsAnexoAP1", {"i_r15_mop_per_ant", "II_R1_Col1_Mop", "II_R1_Col2_Mop", "II_R1_Col3_Mop",
                              "ii_r1_col4_mop", "ii_r2_col1_mop", "II_R2_Col2_Mop"});
    expectRun("cdsAnexoAP1", {"III_R1_Col1_Mop", "III_R1_Col2_Mop", "III_R2_Col1_Mop"});
    expectRun("cdsAnexoAP1", {"III_R3_Col2_Mop", "iii_r4_col3_mop", "III_R5_Col3_Mop"});
    expectRun("cdsAnexoAP1", {"iii_r10_col3_mop", "Criterio_Val_Inv_Outros_Desc_1",
                              "Criterio_Val_Inv_Outros_Desc_2", "Criterio_Val_Inv_Outros"});
    expectRun("cdsAnexoAP2", {"IV_R113_Mop", "IV_R113_Mop_Per_Ant", "IV_R114_Desc", "IV_R114_Mop"});
    expectRun("cdsAnexoAP2", {"IV_R213_Mop_Per_Ant", "iv_r214_mop", "IV_R214_Mop_Per_Ant", "IV_R215_Desc"});
    expectRun("cdsAnexoAP2", {"iv_r22xx_ttl_per_ant", "iv_r2xxx_ttl", "iv_r2xxx_ttl_per_ant", "overflow_fields"});
    expectRun("cdsAnexoASegP1", {"I_R1_Mop_Per_Ant", "I_R1_1_Mop", "I_R1_2_Mop", "i_r2_mop"});
    expectRun("cdsAnexoASegP1", {"I_R14_Mop_Per_Ant", "I_R14_1_Mop", "I_R14_2_Mop", "I_R15_Mop"});
    expectRun("cdsAnexoASegP1", {"I_R18_Mop_Per_Ant", "i_r19_mop", "i_r19_mop_per_ant", "i_r20_mop",
                                 "i_r20_mop_per_ant", "I_R21_Mop"});
    expectRun("cdsAnexoASegP1", {"II_R6_Col2_Mop", "ii_r7_col1_mop", "ii_r7_col2_mop", "overflow_fields"});
    expectRun("cdsAnexoASegP2", {"III_R128_Mop_Per_Ant", "III_R129_Desc", "III_R129_Mop"});
    expectRun("cdsAnexoASegP2", {"III_R213_Mop_Per_Ant", "iii_r214_mop", "III_R214_Mop_Per_Ant"});
    expectRun("cdsAnexoASegP2", {"III_R2228_Mop_Per_Ant", "III_R2229_Desc", "III_R2229_Mop"});
    expectRun("cdsAnexoABankP1", {"I_R1_Mop_Per_Ant", "i_r2_mop", "I_R2_Mop_Per_Ant", "i_r3_mop"});
    expectRun("cdsAnexoABankP1", {"I_R5_Mop_Per_Ant", "i_r6_mop", "i_r6_mop_per_ant", "I_R7_Mop"});
    expectRun("cdsAnexoABankP1", {"i_r16_mop_per_ant", "II_R1_Desc", "II_R1_Mop", "II_R2_Desc"});
    expectRun("cdsAnexoABankP1", {"II_R9_Mop", "ii_r10_mop", "III_R1_Desc"});
    expectRun("cdsAnexoABankP1", {"IV_R4_Mop", "IV_R5_Desc", "IV_R5_Mop"});
    expectRun("cdsAnexoABankP1", {"IV_R7_Mop", "iv_r8_mop", "overflow_fields"});
    expectRun("cdsAnexoABankP2", {"V_R1_6_Mop_Per_Ant", "V_R1_7_1_Mop", "V_R1_7_2_Mop", "v_r1_7_mop",
                                  "V_R1_7_Mop_Per_Ant", "V_R1_8_Mop"});
    expectRun("cdsAnexoABankP2", {"V_R2_1_12_Mop_Per_Ant", "V_R2_1_13_Desc", "V_R2_1_13_Mop"});
    expectRun("cdsAnexoABankP2", {"V_R2_2_3_Mop_Per_Ant", "v_r2_2_4_mop", "V_R2_2_4_Mop_Per_Ant", "V_R2_2_5_Desc"});
}

TEST(CatalogueShape, AnexoBSeriesAndGroupsJoinInPrintedOrder)
{
    expectRun("cdsAnexoBP1", {"I_R19_Mop", "i_r20_mop", "I_R21_Mop"});
    expectRun("cdsAnexoBP1", {"I_R24_Mop", "I_R25_Desc", "I_R25_Mop", "I_R26_Desc"});
    expectRun("cdsAnexoBP1", {"ii_r12_mop", "II_B_I_True", "II_B_I_False", "II_B_II", "II_B_III", "II_B_IV",
                              "II_B_V", "II_B_VI", "III_R1_Mop"});
    expectRun("cdsAnexoBP1", {"III_R11_Mop", "iii_r12_mop", "overflow_fields"});
    expectRun("cdsAnexoBP2", {"VIII_R3_Mop", "viii_r4_mop", "viii_r5_mop", "VIII_R6_Mop"});
    expectRun("cdsAnexoBSegP1", {"i_r1_mop", "i_r2_mop", "I_R3_Mop"});
    expectRun("cdsAnexoBSegP1", {"I_R21_Mop", "i_r22_mop", "II_R1_Mop"});
    expectRun("cdsAnexoBSegP1", {"II_B_VI", "III_R1_Mop"});
    expectRun("cdsAnexoBSegP2", {"vi_r12_mop", "VII_R1_Col1_Mop", "VII_R1_Col2_Mop", "VII_R2_Col1_Mop"});
    expectRun("cdsAnexoBSegP2", {"VII_R5_Col2_Mop", "vii_r6_col1_mop", "vii_r6_col2_mop", "VIII_R1_Mop"});
    expectRun("cdsAnexoBBankP1", {"I_R20_Mop", "i_r21_mop", "I_R22_Mop", "I_R23_Desc"});
    expectRun("cdsAnexoBBankP1", {"II_R9_Mop", "II_R10_Desc", "II_R10_Mop", "II_R11_Desc"});
    expectRun("cdsAnexoBBankP1", {"II_R13_Mop", "ii_r14_mop", "II_B_I_True"});
    expectRun("cdsAnexoBBankP2", {"IV_R5_Mop", "IV_R6_Desc", "IV_R6_Mop"});
    expectRun("cdsAnexoBBankP2", {"V_R17_Mop", "v_r18_mop", "VI_R1_Mop"});
    expectRun("cdsAnexoBBankP2", {"VI_R3_Mop", "vi_r4_mop", "vi_r5_mop", "VI_R6_Mop"});
}

TEST(CatalogueShape, M3AndM3AColumnsInPrintedOrder)
{
    expectRun("cdsM3P1", {"1_R1_Col1_Mop", "1_R1_Col2_Mop", "1_r1_col3_mop", "1_r1_col4_mop", "1_R1_Col5_Mop",
                          "1_R1_Col6_Mop", "1_r1_col7_mop", "1_r1_col8_mop", "1_r1_col9_mop", "1_R2_Col1_Mop",
                          "1_r2_col2_mop"});
    expectRun("cdsM3P1", {"1_r2_col9_mop", "1_r3_col6_mop", "total_pag", "last_face", "overflow_fields"});
    expectRun("cdsM3VCLF", {"Rec_AID", "Codigo", "Tipo", "Ano_Aqu", "Mes_Ini_de_Util", "Col1_Mop", "Col2_Mop",
                            "col3_mop", "Col4_Mop", "DA_Taxas", "DA_Meses", "Col5_Mop", "Col6_Mop", "col7_mop",
                            "col8_mop", "pag_num", "face_num", "overflow_fields", "COL1_TTL"});
    expectRun("cdsM3Obs", {"Rec_AID", "pag_num", "R1_Obs"});
    expectRun("cdsM3AAli", {"Mes_Venda", "Col1_Mop", "Col2_Mop", "Col3_Mop", "Col4_Mop", "Col5_Mop", "col6_mop"});
    expectRun("cdsM3AAli", {"col8_mop", "pag_num", "ali_total_pag", "m3a_total_pag", "overflow_fields"});
    expectRun("cdsM3AAba", {"Mes_Abate", "Col1_Mop", "Col2_Mop", "Col3_Mop", "Col4_Mop", "col5_mop"});
    expectRun("cdsM3AAba", {"col7_mop", "Motivo_Abate", "pag_num", "aba_total_pag", "m3a_total_pag"});
    expectRun("cdsM3AObs", {"Rec_AID", "pag_num", "R1_Obs"});
}

TEST(CatalogueShape, M4RowsJoinInPrintedOrder)
{
    expectRun("cdsM4P1", {"1_r1_col7_col8_sum", "1_r1_col9_mop", "1_r1_col10_mop", "1_r1_col9_col10_sum",
                          "1_R2_Col1_Mop"});
    expectRun("cdsM4P1", {"1_r3_col9_col10_sum", "1_R4_Desc_1", "1_R4_Desc_2", "1_R4_Col1_Mop"});
    expectRun("cdsM4P1", {"1_r4_col9_col10_sum", "1_R5_Desc", "1_R5_Col2_Mop", "1_R5_Col4_Mop", "1_R5_Col6_Mop",
                          "1_R5_Col8_Mop", "1_r5_col10_mop", "1_R6_Desc"});
    expectRun("cdsM4P1", {"1_r7_col10_mop", "1_r8_col4_mop", "1_r8_col6_mop", "1_r8_col8_mop", "2_R1_Col1_Mop",
                          "2_r1_col3_mop", "2_r1_col4_mop", "2_R1_Col5_Mop", "2_r1_col6_mop", "2_R2_Col1_Mop"});
    expectRun("cdsM4P1", {"2_r2_col6_mop", "overflow_fields"});
    expectRun("cdsM4P2", {"3_PRC_R3_Col6_Mop", "3_prc_r4_col1_mop"});
    expectRun("cdsM4P2", {"3_prc_r4_col6_mop", "3_pm_r1_col1_mop", "3_PM_R1_Col2_Mop"});
    expectRun("cdsM4P2", {"3_pm_r4_col6_mop", "3_ps_r1_col1_mop"});
    expectRun("cdsM4P2", {"3_PS_R4_Col6_Mop", "3_ps_r5_col1_mop"});
    expectRun("cdsM4P2", {"3_ps_r5_col6_mop", "overflow_fields"});
}

// Anexo A (balance sheet and results) in its three sector variants: general, insurance and
// banking, front and back page each.
#include "core/catalogue/CatalogueTables.h"

namespace catalogue {

namespace {

Table anexoAP1()
{
    return {
        field("i_r1_mop", sum()),
        field("I_R1_Mop_Per_Ant", amount()),
        field("i_r2_mop", sum()),
        field("I_R2_Mop_Per_Ant", amount()),
        twin("i_r3_mop", sum()),
        twin("I_R4_Mop", amount()),
        field("i_r5_mop", sum()),
        field("I_R5_Mop_Per_Ant", amount()),
        twin("I_R6_Mop", amount()),
        field("i_r7_mop", sum()),
        field("I_R7_Mop_Per_Ant", amount()),
        twin("i_r8_mop", sum()),
        group(9, 12, {{"i_r%d_mop", sum()}, {"I_R%d_Mop_Per_Ant", amount()}}),
        twin("i_r13_mop", sum()),
        twin("I_R14_Mop", amount()),
        twin("i_r15_mop", sum()),
        series("II_R1_Col%d_Mop", 1, 3, amount()),
        field("ii_r1_col4_mop", sum()),
        field("ii_r2_col1_mop", sum()),
        series("II_R2_Col%d_Mop", 2, 3, amount()),
        field("ii_r2_col4_mop", sum()),
        group(1, 3, {{"III_R%d_Col1_Mop", amount()}, {"III_R%d_Col2_Mop", amount()}}),
        field("iii_r4_col3_mop", sum()),
        series("III_R%d_Col3_Mop", 5, 9, amount()),
        field("iii_r10_col1_mop", sum()),
        field("iii_r10_col3_mop", sum()),
        series("Criterio_Val_Inv_Outros_Desc_%d", 1, 2, text(15)),
        field("Criterio_Val_Inv_Outros", shownX()),
        field("Criteiro_Val_Inv_Cust_Padrao", shownX()),
        field("Criterio_Val_Inv_Cust_Med_Pond", shownX()),
        field("Criterio_Val_Inv_FIFO", shownX()),
        field("overflow_fields", calcText(1000)),
    };
}

Table anexoAP2()
{
    return {
        seriesTwins("IV_R%d_Mop", 111, 113, amount()),
        field("IV_R114_Desc", text(61)),
        twin("IV_R114_Mop", amount()),
        twin("iv_r11x_ttl", sum()),
        seriesTwins("IV_R%d_Mop", 121, 127, amount()),
        field("IV_R128_Desc", text(61)),
        twin("IV_R128_Mop", amount()),
        twin("iv_r12x_ttl", sum()),
        twin("iv_r1xx_ttl", sum()),
        seriesTwins("IV_R%d_Mop", 211, 213, amount()),
        field("iv_r214_mop", calcCurrency().display(kAmountDisplay)),
        field("IV_R214_Mop_Per_Ant", amount()),
        field("IV_R215_Desc", text(63)),
        twin("IV_R215_Mop", amount()),
        twin("iv_r21x_ttl", sum()),
        twin("IV_R2211_Mop", amount()),
        field("IV_R2212_Desc", text(61)),
        twin("IV_R2212_Mop", amount()),
        twin("iv_r221x_ttl", sum()),
        seriesTwins("IV_R%d_Mop", 2221, 2227, amount()),
        field("IV_R2228_Desc", text(61)),
        twin("IV_R2228_Mop", amount()),
        twin("iv_r222x_ttl", sum()),
        twin("iv_r22xx_ttl", sum()),
        twin("iv_r2xxx_ttl", sum()),
        field("overflow_fields", calcText(1000)),
    };
}

Table anexoASegP1()
{
    return {
        field("i_r1_mop", sum()),
        field("I_R1_Mop_Per_Ant", amount()),
        series("I_R1_%d_Mop", 1, 2, amount()),
        field("i_r2_mop", sum()),
        field("I_R2_Mop_Per_Ant", amount()),
        seriesTwins("I_R%d_Mop", 3, 6, amount()),
        field("i_r7_mop", sum()),
        field("I_R7_Mop_Per_Ant", amount()),
        field("i_r8_mop", sum()),
        field("I_R8_Mop_Per_Ant", amount()),
        twin("i_r9_mop", sum()),
        seriesTwins("I_R%d_Mop", 10, 12, amount()),
        field("i_r13_mop", sum()),
        field("I_R13_Mop_Per_Ant", amount()),
        field("i_r14_mop", sum()),
        field("I_R14_Mop_Per_Ant", amount()),
        series("I_R14_%d_Mop", 1, 2, amount()),
        twin("I_R15_Mop", amount()),
        field("i_r16_mop", sum()),
        field("I_R16_Mop_Per_Ant", amount()),
        twin("I_R17_Mop", amount()),
        field("i_r18_mop", sum()),
        field("I_R18_Mop_Per_Ant", amount()),
        seriesTwins("i_r%d_mop", 19, 20, sum()),
        twin("I_R21_Mop", amount()),
        twin("i_r22_mop", sum()),
        group(1, 6, {{"II_R%d_Col1_Mop", amount()}, {"II_R%d_Col2_Mop", amount()}}),
        series("ii_r7_col%d_mop", 1, 2, sum()),
        field("overflow_fields", calcText(1000)),
    };
}

Table anexoASegP2()
{
    return {
        seriesTwins("III_R%d_Mop", 111, 113, amount()),
        field("III_R114_Desc", text(60)),
        twin("III_R114_Mop", amount()),
        twin("iii_r11x_mop", sum()),
        seriesTwins("III_R%d_Mop", 121, 128, amount()),
        field("III_R129_Desc", text(60)),
        twin("III_R129_Mop", amount()),
        twin("iii_r12x_mop", sum()),
        twin("iii_r1xx_mop", sum()),
        seriesTwins("III_R%d_Mop", 211, 213, amount()),
        field("iii_r214_mop", sum()),
        field("III_R214_Mop_Per_Ant", amount()),
        field("III_R215_Desc", text(62)),
        twin("III_R215_Mop", amount()),
        twin("iii_r21x_mop", sum()),
        twin("III_R2211_Mop", amount()),
        field("III_R2212_Desc", text(60)),
        twin("III_R2212_Mop", amount()),
        twin("iii_r221x_mop", sum()),
        seriesTwins("III_R%d_Mop", 2221, 2228, amount()),
        field("III_R2229_Desc", text(60)),
        twin("III_R2229_Mop", amount()),
        twin("iii_r222x_mop", sum()),
        twin("iii_r22xx_mop", sum()),
        twin("iii_r2xxx_mop", sum()),
        field("overflow_fields", calcText(1000)),
    };
}

Table anexoABankP1()
{
    return {
        twin("I_R1_Mop", amount()),
        group(2, 5, {{"i_r%d_mop", sum()}, {"I_R%d_Mop_Per_Ant", amount()}}),
        twin("i_r6_mop", sum()),
        twin("I_R7_Mop", amount()),
        group(8, 10, {{"i_r%d_mop", sum()}, {"I_R%d_Mop_Per_Ant", amount()}}),
        twin("I_R11_Mop", amount()),
        field("i_r12_mop", sum()),
        field("I_R12_Mop_Per_Ant", amount()),
        seriesTwins("i_r%d_mop", 13, 14, sum()),
        twin("I_R15_Mop", amount()),
        twin("i_r16_mop", sum()),
        group(1, 9, {{"II_R%d_Desc", text(34)}, {"II_R%d_Mop", amount()}}),
        field("ii_r10_mop", sum()),
        group(1, 7, {{"III_R%d_Desc", text(34)}, {"III_R%d_Mop", amount()}}),
        field("iii_r8_mop", sum()),
        series("IV_R%d_Mop", 1, 4, amount()),
        group(5, 7, {{"IV_R%d_Desc", text(34)}, {"IV_R%d_Mop", amount()}}),
        field("iv_r8_mop", sum()),
        field("overflow_fields", calcText(1000)),
    };
}

Table anexoABankP2()
{
    return {
        seriesTwins("V_R1_%d_Mop", 1, 6, amount()),
        series("V_R1_7_%d_Mop", 1, 2, amount()),
        field("v_r1_7_mop", calcCurrency().display(kAmountDisplay).edit(kAmountEdit)),
        field("V_R1_7_Mop_Per_Ant", amount()),
        seriesTwins("V_R1_%d_Mop", 8, 17, amount()),
        field("V_R1_18_Desc", text(62)),
        twin("V_R1_18_Mop", amount()),
        twin("v_r1_x_mop", sum()),
        seriesTwins("V_R2_1_%d_Mop", 1, 12, amount()),
        field("V_R2_1_13_Desc", text(62)),
        twin("V_R2_1_13_Mop", amount()),
        twin("v_r2_1_x_mop", sum()),
        seriesTwins("V_R2_2_%d_Mop", 1, 3, amount()),
        field("v_r2_2_4_mop", sum()),
        field("V_R2_2_4_Mop_Per_Ant", amount()),
        field("V_R2_2_5_Desc", text(62)),
        twin("V_R2_2_5_Mop", amount()),
        twin("v_r2_2_x_mop", sum()),
        twin("v_r2_x_x_mop", sum()),
        field("overflow_fields", calcText(1000)),
    };
}

}  // namespace

std::vector<NamedTable> anexoATables()
{
    return {{"cdsAnexoAP1", anexoAP1()},         {"cdsAnexoAP2", anexoAP2()},
            {"cdsAnexoASegP1", anexoASegP1()},   {"cdsAnexoASegP2", anexoASegP2()},
            {"cdsAnexoABankP1", anexoABankP1()}, {"cdsAnexoABankP2", anexoABankP2()}};
}

}  // namespace catalogue

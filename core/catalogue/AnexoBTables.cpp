// Anexo B (profit and loss details) in its three sector variants: general, insurance and banking,
// front and back page each.
#include "core/catalogue/CatalogueTables.h"

namespace catalogue {

namespace {

// Section II B: the same seven boxes on every front page; only the pattern of II_B_IV differs.
Table sectionIIB(const Type& iiBIV)
{
    return {
        field("II_B_I_True", shownX()),
        field("II_B_I_False", shownX()),
        field("II_B_II", date().display("dd/mm/yyyy")),
        field("II_B_III", text(35)),
        field("II_B_IV", iiBIV),
        field("II_B_V", text(5)),
        field("II_B_VI", amount()),
    };
}

Table joined(std::initializer_list<Table> parts)
{
    Table all;
    for (const Table& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Table anexoBP1()
{
    return joined({
        {
            series("I_R%d_Mop", 1, 19, amount()),
            field("i_r20_mop", sum()),
            series("I_R%d_Mop", 21, 24, amount()),
            group(25, 27, {{"I_R%d_Desc", text(32)}, {"I_R%d_Mop", amount()}}),
            field("i_r28_mop", sum()),
            series("II_R%d_Mop", 1, 9, amount()),
            field("II_R10_Desc", text(29)),
            field("II_R10_Mop", amount()),
            field("II_R11_Desc", text(29)),
            field("II_R11_Mop", amount()),
            field("ii_r12_mop", sum()),
        },
        sectionIIB(largeInt().display(R"(,0;,0;"---")").edit("0")),
        {
            series("III_R%d_Mop", 1, 8, amount()),
            group(9, 11, {{"III_R%d_Desc", text(32)}, {"III_R%d_Mop", amount()}}),
            field("iii_r12_mop", sum()),
            field("overflow_fields", calcText(1000)),
        },
    });
}

Table anexoBP2()
{
    return {
        series("IV_R%d_Mop", 1, 6, amount()),
        field("IV_R7_Desc", text(32)),
        field("IV_R7_Mop", amount()),
        field("iv_r8_mop", sum()),
        series("V_R%d_Mop", 1, 5, amount()),
        field("V_R6_Desc", text(32)),
        field("V_R6_Mop", amount()),
        field("V_R7_Desc", text(32)),
        field("V_R7_Mop", amount()),
        field("v_r8_mop", sum()),
        series("VI_R%d_Mop", 1, 3, amount()),
        field("VI_R4_Desc", text(32)),
        field("VI_R4_Mop", amount()),
        field("VI_R5_Desc", text(32)),
        field("VI_R5_Mop", amount()),
        field("vi_r6_mop", sum()),
        series("VII_R%d_Mop", 1, 4, amount()),
        field("VII_R5_Desc", text(32)),
        field("VII_R5_Mop", amount()),
        field("vii_r6_mop", sum()),
        series("VIII_R%d_Mop", 1, 3, amount()),
        series("viii_r%d_mop", 4, 5, sum()),
        series("VIII_R%d_Mop", 6, 10, amount()),
        field("viii_r11_mop", sum()),
        field("overflow_fields", calcText(1000)),
    };
}

Table anexoBSegP1()
{
    return joined({
        {
            series("i_r%d_mop", 1, 2, sum()),
            series("I_R%d_Mop", 3, 18, amount()),
            group(19, 21, {{"I_R%d_Desc", text(32)}, {"I_R%d_Mop", amount()}}),
            field("i_r22_mop", sum()),
            series("II_R%d_Mop", 1, 9, amount()),
            field("II_R10_Desc", text(32)),
            field("II_R10_Mop", amount()),
            field("II_R11_Desc", text(32)),
            field("II_R11_Mop", amount()),
            field("ii_r12_mop", sum()),
        },
        sectionIIB(largeInt().display(R"(,0;,0;"---")").edit("0")),
        {
            series("III_R%d_Mop", 1, 4, amount()),
            field("III_R5_Desc", text(32)),
            field("III_R5_Mop", amount()),
            field("iii_r6_mop", sum()),
            series("IV_R%d_Mop", 1, 6, amount()),
            field("IV_R7_Desc", text(32)),
            field("IV_R7_Mop", amount()),
            field("iv_r8_mop", sum()),
            field("overflow_fields", calcText(1000)),
        },
    });
}

Table anexoBSegP2()
{
    return {
        series("V_R%d_Mop", 1, 5, amount()),
        field("V_R6_Desc", text(30)),
        field("V_R6_Mop", amount()),
        field("V_R7_Desc", text(30)),
        field("V_R7_Mop", amount()),
        field("v_r8_mop", sum()),
        series("VI_R%d_Mop", 1, 9, amount()),
        field("VI_R10_Desc", text(30)),
        field("VI_R10_Mop", amount()),
        field("VI_R11_Desc", text(30)),
        field("VI_R11_Mop", amount()),
        field("vi_r12_mop", sum()),
        group(1, 5, {{"VII_R%d_Col1_Mop", amount()}, {"VII_R%d_Col2_Mop", amount()}}),
        series("vii_r6_col%d_mop", 1, 2, sum()),
        series("VIII_R%d_Mop", 1, 3, amount()),
        series("viii_r%d_mop", 4, 5, sum()),
        series("VIII_R%d_Mop", 6, 10, amount()),
        field("viii_r11_mop", sum()),
        field("overflow_fields", calcText(1000)),
    };
}

Table anexoBBankP1()
{
    return joined({
        {
            series("I_R%d_Mop", 1, 20, amount()),
            field("i_r21_mop", sum()),
            field("I_R22_Mop", amount()),
            group(23, 27, {{"I_R%d_Desc", text(33)}, {"I_R%d_Mop", amount()}}),
            field("i_r28_mop", sum()),
            series("II_R%d_Mop", 1, 9, amount()),
            group(10, 13, {{"II_R%d_Desc", text(33)}, {"II_R%d_Mop", amount()}}),
            field("ii_r14_mop", sum()),
        },
        sectionIIB(largeInt().display(kAmountDisplay).edit("0")),
        {
            series("III_R%d_Mop", 1, 5, amount()),
            field("III_R6_Desc", text(33)),
            field("III_R6_Mop", amount()),
            field("III_R7_Desc", text(33)),
            field("III_R7_Mop", amount()),
            field("iii_r8_mop", sum()),
            field("overflow_fields", calcText(1000)),
        },
    });
}

Table anexoBBankP2()
{
    return {
        series("IV_R%d_Mop", 1, 5, amount()),
        group(6, 13, {{"IV_R%d_Desc", text(32)}, {"IV_R%d_Mop", amount()}}),
        field("iv_r14_mop", sum()),
        series("V_R%d_Mop", 1, 8, amount()),
        group(9, 17, {{"V_R%d_Desc", text(32)}, {"V_R%d_Mop", amount()}}),
        field("v_r18_mop", sum()),
        series("VI_R%d_Mop", 1, 3, amount()),
        series("vi_r%d_mop", 4, 5, sum()),
        series("VI_R%d_Mop", 6, 11, amount()),
        field("vi_r12_mop", sum()),
        field("overflow_fields", calcText(1000)),
    };
}

}  // namespace

std::vector<NamedTable> anexoBTables()
{
    return {{"cdsAnexoBP1", anexoBP1()},         {"cdsAnexoBP2", anexoBP2()},
            {"cdsAnexoBSegP1", anexoBSegP1()},   {"cdsAnexoBSegP2", anexoBSegP2()},
            {"cdsAnexoBBankP1", anexoBBankP1()}, {"cdsAnexoBBankP2", anexoBBankP2()}};
}

}  // namespace catalogue

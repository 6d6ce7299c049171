// Form M/4, movements of the provisions: table 1 and table 2 on the front page, table 3 (three
// blocks of rows) on the back page.
#include "core/catalogue/CatalogueTables.h"

namespace catalogue {

namespace {

Table m4p1()
{
    return {
        group(1, 3, {{"1_R%d_Col1_Mop", amount()},
                     {"1_R%d_Col2_Mop", amount()},
                     {"1_r%d_col1_col2_sum", sum()},
                     {"1_R%d_Col3_Mop", amount()},
                     {"1_R%d_Col4_Mop", amount()},
                     {"1_r%d_col3_col4_sum", sum()},
                     {"1_R%d_Col5_Mop", amount()},
                     {"1_R%d_Col6_Mop", amount()},
                     {"1_r%d_col5_col6_sum", sum()},
                     {"1_R%d_Col7_Mop", amount()},
                     {"1_R%d_Col8_Mop", amount()},
                     {"1_r%d_col7_col8_sum", sum()},
                     {"1_r%d_col9_mop", sum()},
                     {"1_r%d_col10_mop", sum()},
                     {"1_r%d_col9_col10_sum", sum()}}),
        series("1_R4_Desc_%d", 1, 2, text(23)),
        series("1_R4_Col%d_Mop", 1, 2, amount()),
        field("1_r4_col1_col2_sum", sum()),
        series("1_R4_Col%d_Mop", 3, 4, amount()),
        field("1_r4_col3_col4_sum", sum()),
        series("1_R4_Col%d_Mop", 5, 6, amount()),
        field("1_r4_col5_col6_sum", sum()),
        series("1_R4_Col%d_Mop", 7, 8, amount()),
        field("1_r4_col7_col8_sum", sum()),
        series("1_r4_col%d_mop", 9, 10, sum()),
        field("1_r4_col9_col10_sum", sum()),
        group(5, 7, {{"1_R%d_Desc", text(23)},
                     {"1_R%d_Col2_Mop", amount()},
                     {"1_R%d_Col4_Mop", amount()},
                     {"1_R%d_Col6_Mop", amount()},
                     {"1_R%d_Col8_Mop", amount()},
                     {"1_r%d_col10_mop", sum()}}),
        field("1_r8_col4_mop", sum()),
        field("1_r8_col6_mop", sum()),
        field("1_r8_col8_mop", sum()),
        field("2_R1_Col1_Mop", amount()),
        series("2_r1_col%d_mop", 3, 4, sum()),
        field("2_R1_Col5_Mop", amount()),
        field("2_r1_col6_mop", sum()),
        field("2_R2_Col1_Mop", amount()),
        series("2_r2_col%d_mop", 3, 4, sum()),
        field("2_R2_Col5_Mop", amount()),
        field("2_r2_col6_mop", sum()),
        field("overflow_fields", calcText(1000)),
    };
}

Table m4p2()
{
    return {
        group(1, 3, {{"3_prc_r%d_col1_mop", sum()},
                     {"3_PRC_R%d_Col2_Mop", amount()},
                     {"3_PRC_R%d_Col3_Mop", amount()},
                     {"3_prc_r%d_col4_mop", sum()},
                     {"3_PRC_R%d_Col5_Mop", amount()},
                     {"3_PRC_R%d_Col6_Mop", amount()}}),
        series("3_prc_r4_col%d_mop", 1, 6, sum()),
        group(1, 3, {{"3_pm_r%d_col1_mop", sum()},
                     {"3_PM_R%d_Col2_Mop", amount()},
                     {"3_PM_R%d_Col3_Mop", amount()},
                     {"3_pm_r%d_col4_mop", sum()},
                     {"3_PM_R%d_Col5_Mop", amount()},
                     {"3_PM_R%d_Col6_Mop", amount()}}),
        series("3_pm_r4_col%d_mop", 1, 6, sum()),
        group(1, 4, {{"3_ps_r%d_col1_mop", sum()},
                     {"3_PS_R%d_Col2_Mop", amount()},
                     {"3_PS_R%d_Col3_Mop", amount()},
                     {"3_ps_r%d_col4_mop", sum()},
                     {"3_PS_R%d_Col5_Mop", amount()},
                     {"3_PS_R%d_Col6_Mop", amount()}}),
        series("3_ps_r5_col%d_mop", 1, 6, sum()),
        field("overflow_fields", calcText(1000)),
    };
}

}  // namespace

std::vector<NamedTable> m4Tables()
{
    return {{"cdsM4P1", m4p1()}, {"cdsM4P2", m4p2()}};
}

}  // namespace catalogue

// Form M/4, the provisions: table 1 (movements by kind) and table 2 (the 2 % and 3 % rows) on the
// front page, table 3 (three blocks of rows, each ending in its total row) on the back page. Each
// page's calculation is a table of steps run in order (CalcSteps.h).
#include "core/calc/CalcSteps.h"
#include "core/module/TdmMain.h"

namespace {

// Front page. Table 1, rows 1 to 4: the four column pairs, then column 9 = 1 - 3 - 5 + 7 and
// column 10 = 2 - 4 - 6 + 8, then their sum.
constexpr CalcStep kM4P1[] = {
    // row 1
    FormulaStep("1_r1_col1_col2_sum", "1_R1_Col1_Mop + 1_R1_Col2_Mop"),
    FormulaStep("1_r1_col3_col4_sum", "1_R1_Col3_Mop + 1_R1_Col4_Mop"),
    FormulaStep("1_r1_col5_col6_sum", "1_R1_Col5_Mop + 1_R1_Col6_Mop"),
    FormulaStep("1_r1_col7_col8_sum", "1_R1_Col7_Mop + 1_R1_Col8_Mop"),
    FormulaStep("1_r1_col9_mop", "1_R1_Col1_Mop - 1_R1_Col3_Mop - 1_R1_Col5_Mop + 1_R1_Col7_Mop"),
    FormulaStep("1_r1_col10_mop", "1_R1_Col2_Mop - 1_R1_Col4_Mop - 1_R1_Col6_Mop + 1_R1_Col8_Mop"),
    FormulaStep("1_r1_col9_col10_sum", "1_r1_col9_mop + 1_r1_col10_mop"),
    // row 2
    FormulaStep("1_r2_col1_col2_sum", "1_R2_Col1_Mop + 1_R2_Col2_Mop"),
    FormulaStep("1_r2_col3_col4_sum", "1_R2_Col3_Mop + 1_R2_Col4_Mop"),
    FormulaStep("1_r2_col5_col6_sum", "1_R2_Col5_Mop + 1_R2_Col6_Mop"),
    FormulaStep("1_r2_col7_col8_sum", "1_R2_Col7_Mop + 1_R2_Col8_Mop"),
    FormulaStep("1_r2_col9_mop", "1_R2_Col1_Mop - 1_R2_Col3_Mop - 1_R2_Col5_Mop + 1_R2_Col7_Mop"),
    FormulaStep("1_r2_col10_mop", "1_R2_Col2_Mop - 1_R2_Col4_Mop - 1_R2_Col6_Mop + 1_R2_Col8_Mop"),
    FormulaStep("1_r2_col9_col10_sum", "1_r2_col9_mop + 1_r2_col10_mop"),
    // row 3
    FormulaStep("1_r3_col1_col2_sum", "1_R3_Col1_Mop + 1_R3_Col2_Mop"),
    FormulaStep("1_r3_col3_col4_sum", "1_R3_Col3_Mop + 1_R3_Col4_Mop"),
    FormulaStep("1_r3_col5_col6_sum", "1_R3_Col5_Mop + 1_R3_Col6_Mop"),
    FormulaStep("1_r3_col7_col8_sum", "1_R3_Col7_Mop + 1_R3_Col8_Mop"),
    FormulaStep("1_r3_col9_mop", "1_R3_Col1_Mop - 1_R3_Col3_Mop - 1_R3_Col5_Mop + 1_R3_Col7_Mop"),
    FormulaStep("1_r3_col10_mop", "1_R3_Col2_Mop - 1_R3_Col4_Mop - 1_R3_Col6_Mop + 1_R3_Col8_Mop"),
    FormulaStep("1_r3_col9_col10_sum", "1_r3_col9_mop + 1_r3_col10_mop"),
    // row 4
    FormulaStep("1_r4_col1_col2_sum", "1_R4_Col1_Mop + 1_R4_Col2_Mop"),
    FormulaStep("1_r4_col3_col4_sum", "1_R4_Col3_Mop + 1_R4_Col4_Mop"),
    FormulaStep("1_r4_col5_col6_sum", "1_R4_Col5_Mop + 1_R4_Col6_Mop"),
    FormulaStep("1_r4_col7_col8_sum", "1_R4_Col7_Mop + 1_R4_Col8_Mop"),
    FormulaStep("1_r4_col9_mop", "1_R4_Col1_Mop - 1_R4_Col3_Mop - 1_R4_Col5_Mop + 1_R4_Col7_Mop"),
    FormulaStep("1_r4_col10_mop", "1_R4_Col2_Mop - 1_R4_Col4_Mop - 1_R4_Col6_Mop + 1_R4_Col8_Mop"),
    FormulaStep("1_r4_col9_col10_sum", "1_r4_col9_mop + 1_r4_col10_mop"),
    // rows 5 to 7: the second column of each pair only
    FormulaStep("1_r5_col10_mop", "1_R5_Col2_Mop - 1_R5_Col4_Mop - 1_R5_Col6_Mop + 1_R5_Col8_Mop"),
    FormulaStep("1_r6_col10_mop", "1_R6_Col2_Mop - 1_R6_Col4_Mop - 1_R6_Col6_Mop + 1_R6_Col8_Mop"),
    FormulaStep("1_r7_col10_mop", "1_R7_Col2_Mop - 1_R7_Col4_Mop - 1_R7_Col6_Mop + 1_R7_Col8_Mop"),
    // row 8: column totals over rows 1 to 7
    SeriesStep("1_r8_col4_mop", "1_R%d_Col4_Mop", 1, 7),
    SeriesStep("1_r8_col6_mop", "1_R%d_Col6_Mop", 1, 7),
    SeriesStep("1_r8_col8_mop", "1_R%d_Col8_Mop", 1, 7),
    // table 2: 2 % and 3 % of column 1, exact to the ten-thousandth (a product with more decimals
    // rounds half away from zero); the row's column 7 + 8 of table 1, plus column 5
    ProductStep("2_r1_col3_mop", "2_R1_Col1_Mop", Percent(2)),
    CopyOwn("2_r1_col4_mop", "1_r1_col7_col8_sum"),
    SeriesStep("2_r1_col6_mop", "2_R1_Col%d_Mop", 4, 5),
    ProductStep("2_r2_col3_mop", "2_R2_Col1_Mop", Percent(3)),
    CopyOwn("2_r2_col4_mop", "1_r2_col7_col8_sum"),
    SeriesStep("2_r2_col6_mop", "2_R2_Col%d_Mop", 4, 5),
};

// Table 3: the total row of each block first (PRC and PM: 1 + 2 - 3; PS: 1 - 2 + 3 - 4), then
// the row sums in columns 1 and 4, which for a total row read the totals just computed.
constexpr CalcStep kM4P2[] = {
    // total rows: columns 2, 3, 5 and 6
    FormulaStep("3_prc_r4_col2_mop", "3_PRC_R1_Col2_Mop + 3_PRC_R2_Col2_Mop - 3_PRC_R3_Col2_Mop"),
    FormulaStep("3_pm_r4_col2_mop", "3_PM_R1_Col2_Mop + 3_PM_R2_Col2_Mop - 3_PM_R3_Col2_Mop"),
    FormulaStep("3_ps_r5_col2_mop", "3_PS_R1_Col2_Mop - 3_PS_R2_Col2_Mop + 3_PS_R3_Col2_Mop - 3_PS_R4_Col2_Mop"),
    FormulaStep("3_prc_r4_col3_mop", "3_PRC_R1_Col3_Mop + 3_PRC_R2_Col3_Mop - 3_PRC_R3_Col3_Mop"),
    FormulaStep("3_pm_r4_col3_mop", "3_PM_R1_Col3_Mop + 3_PM_R2_Col3_Mop - 3_PM_R3_Col3_Mop"),
    FormulaStep("3_ps_r5_col3_mop", "3_PS_R1_Col3_Mop - 3_PS_R2_Col3_Mop + 3_PS_R3_Col3_Mop - 3_PS_R4_Col3_Mop"),
    FormulaStep("3_prc_r4_col5_mop", "3_PRC_R1_Col5_Mop + 3_PRC_R2_Col5_Mop - 3_PRC_R3_Col5_Mop"),
    FormulaStep("3_pm_r4_col5_mop", "3_PM_R1_Col5_Mop + 3_PM_R2_Col5_Mop - 3_PM_R3_Col5_Mop"),
    FormulaStep("3_ps_r5_col5_mop", "3_PS_R1_Col5_Mop - 3_PS_R2_Col5_Mop + 3_PS_R3_Col5_Mop - 3_PS_R4_Col5_Mop"),
    FormulaStep("3_prc_r4_col6_mop", "3_PRC_R1_Col6_Mop + 3_PRC_R2_Col6_Mop - 3_PRC_R3_Col6_Mop"),
    FormulaStep("3_pm_r4_col6_mop", "3_PM_R1_Col6_Mop + 3_PM_R2_Col6_Mop - 3_PM_R3_Col6_Mop"),
    FormulaStep("3_ps_r5_col6_mop", "3_PS_R1_Col6_Mop - 3_PS_R2_Col6_Mop + 3_PS_R3_Col6_Mop - 3_PS_R4_Col6_Mop"),
    // columns 1 and 4 of every row, total rows included: the sums of columns 2 + 3 and 5 + 6
    SeriesStep("3_prc_r1_col1_mop", "3_PRC_R1_Col%d_Mop", 2, 3),
    SeriesStep("3_prc_r1_col4_mop", "3_PRC_R1_Col%d_Mop", 5, 6),
    SeriesStep("3_pm_r1_col1_mop", "3_PM_R1_Col%d_Mop", 2, 3),
    SeriesStep("3_pm_r1_col4_mop", "3_PM_R1_Col%d_Mop", 5, 6),
    SeriesStep("3_ps_r1_col1_mop", "3_PS_R1_Col%d_Mop", 2, 3),
    SeriesStep("3_ps_r1_col4_mop", "3_PS_R1_Col%d_Mop", 5, 6),
    SeriesStep("3_prc_r2_col1_mop", "3_PRC_R2_Col%d_Mop", 2, 3),
    SeriesStep("3_prc_r2_col4_mop", "3_PRC_R2_Col%d_Mop", 5, 6),
    SeriesStep("3_pm_r2_col1_mop", "3_PM_R2_Col%d_Mop", 2, 3),
    SeriesStep("3_pm_r2_col4_mop", "3_PM_R2_Col%d_Mop", 5, 6),
    SeriesStep("3_ps_r2_col1_mop", "3_PS_R2_Col%d_Mop", 2, 3),
    SeriesStep("3_ps_r2_col4_mop", "3_PS_R2_Col%d_Mop", 5, 6),
    SeriesStep("3_prc_r3_col1_mop", "3_PRC_R3_Col%d_Mop", 2, 3),
    SeriesStep("3_prc_r3_col4_mop", "3_PRC_R3_Col%d_Mop", 5, 6),
    SeriesStep("3_pm_r3_col1_mop", "3_PM_R3_Col%d_Mop", 2, 3),
    SeriesStep("3_pm_r3_col4_mop", "3_PM_R3_Col%d_Mop", 5, 6),
    SeriesStep("3_ps_r3_col1_mop", "3_PS_R3_Col%d_Mop", 2, 3),
    SeriesStep("3_ps_r3_col4_mop", "3_PS_R3_Col%d_Mop", 5, 6),
    SeriesStep("3_prc_r4_col1_mop", "3_PRC_R4_Col%d_Mop", 2, 3),
    SeriesStep("3_prc_r4_col4_mop", "3_PRC_R4_Col%d_Mop", 5, 6),
    SeriesStep("3_pm_r4_col1_mop", "3_PM_R4_Col%d_Mop", 2, 3),
    SeriesStep("3_pm_r4_col4_mop", "3_PM_R4_Col%d_Mop", 5, 6),
    SeriesStep("3_ps_r4_col1_mop", "3_PS_R4_Col%d_Mop", 2, 3),
    SeriesStep("3_ps_r4_col4_mop", "3_PS_R4_Col%d_Mop", 5, 6),
    SeriesStep("3_ps_r5_col1_mop", "3_PS_R5_Col%d_Mop", 2, 3),
    SeriesStep("3_ps_r5_col4_mop", "3_PS_R5_Col%d_Mop", 5, 6),
};

}  // namespace

void TdmMain::cdsM4P1NewRecord(qx::ClientDataSet& dataSet)
{
    InitRecordFields(dataSet);
}

void TdmMain::cdsM4P1CalcFields(qx::ClientDataSet& dataSet)
{
    RunCalcSteps(*this, dataSet, kM4P1);
}

void TdmMain::cdsM4P2NewRecord(qx::ClientDataSet& dataSet)
{
    InitRecordFields(dataSet);
}

void TdmMain::cdsM4P2CalcFields(qx::ClientDataSet& dataSet)
{
    RunCalcSteps(*this, dataSet, kM4P2);
}

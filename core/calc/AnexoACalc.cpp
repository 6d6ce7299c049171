// Anexo A, front and back page in the three sector variants: new-record defaults and the
// calculated amounts. Each page's calculation is a table of steps run in order (CalcSteps.h);
// series names reach calculated lines too, since field lookups ignore case.
#include "core/calc/CalcSteps.h"
#include "core/module/TdmMain.h"

namespace {

// General: income statement, with cost of sales (section II) and inventory movement (section III).
constexpr CalcStep kAnexoAP1[] = {
    CopyOfPage("i_r5_mop", "cdsAnexoBP1", "ii_r12_mop"),
    CopyOfPage("i_r7_mop", "cdsAnexoBP1", "i_r28_mop"),
    CopyOfPage("i_r9_mop", "cdsAnexoBP2", "iv_r8_mop"),
    CopyOfPage("i_r10_mop", "cdsAnexoBP2", "v_r8_mop"),
    CopyOfPage("i_r11_mop", "cdsAnexoBP2", "vi_r6_mop"),
    CopyOfPage("i_r12_mop", "cdsAnexoBP1", "iii_r12_mop"),
    FormulaStep("iii_r4_col3_mop", "III_R1_Col2_Mop + III_R2_Col2_Mop - III_R3_Col2_Mop"),
    FormulaStep("iii_r10_col1_mop", "III_R1_Col1_Mop + III_R2_Col1_Mop - III_R3_Col1_Mop"),
    FormulaStep("iii_r10_col3_mop",
                "iii_r4_col3_mop + III_R5_Col3_Mop + III_R6_Col3_Mop + III_R7_Col3_Mop + III_R8_Col3_Mop"
                " - III_R9_Col3_Mop"),
    FormulaStep("ii_r2_col1_mop", "iii_r10_col1_mop + iii_r10_col3_mop"),
    SeriesStep("ii_r1_col4_mop", "II_R1_Col%d_Mop", 1, 3),
    SeriesStep("ii_r2_col4_mop", "II_R2_Col%d_Mop", 1, 3),
    CopyOwn("i_r1_mop", "ii_r1_col4_mop"),
    CopyOwn("i_r2_mop", "ii_r2_col4_mop"),
    FormulaStep("i_r3_mop", "i_r1_mop - i_r2_mop"),
    FormulaStep("i_r3_mop_per_ant", "I_R1_Mop_Per_Ant - I_R2_Mop_Per_Ant"),
    FormulaStep("i_r8_mop", "i_r3_mop + I_R4_Mop - i_r5_mop - I_R6_Mop - i_r7_mop"),
    FormulaStep("i_r8_mop_per_ant",
                "i_r3_mop_per_ant + I_R4_Mop_Per_Ant - I_R5_Mop_Per_Ant - I_R6_Mop_Per_Ant - I_R7_Mop_Per_Ant"),
    FormulaStep("i_r13_mop", "i_r8_mop + i_r9_mop + i_r10_mop - i_r11_mop - i_r12_mop"),
    FormulaStep("i_r13_mop_per_ant",
                "i_r8_mop_per_ant + I_R9_Mop_Per_Ant + I_R10_Mop_Per_Ant - I_R11_Mop_Per_Ant - I_R12_Mop_Per_Ant"),
    FormulaStep("i_r15_mop", "i_r13_mop - I_R14_Mop"),
    FormulaStep("i_r15_mop_per_ant", "i_r13_mop_per_ant - I_R14_Mop_Per_Ant"),
};

// General balance sheet: every total with its previous-period twin right after it.
constexpr CalcStep kAnexoAP2[] = {
    WithPrevPeriod(SeriesStep("iv_r11x_ttl", "IV_R11%d_Mop", 1, 4)),
    WithPrevPeriod(SeriesStep("iv_r12x_ttl", "IV_R12%d_Mop", 1, 8)),
    WithPrevPeriod(SeriesStep("iv_r1xx_ttl", "iv_r1%dx_ttl", 1, 2)),
    CopyOfPage("iv_r214_mop", "cdsAnexoBP2", "viii_r11_mop"),
    WithPrevPeriod(SeriesStep("iv_r21x_ttl", "IV_R21%d_Mop", 1, 5)),
    WithPrevPeriod(SeriesStep("iv_r221x_ttl", "IV_R221%d_Mop", 1, 2)),
    WithPrevPeriod(SeriesStep("iv_r222x_ttl", "IV_R222%d_Mop", 1, 8)),
    WithPrevPeriod(SeriesStep("iv_r22xx_ttl", "iv_r22%dx_ttl", 1, 2)),
    WithPrevPeriod(FormulaStep("iv_r2xxx_ttl", "iv_r21x_ttl + iv_r22xx_ttl")),
};

// Insurance: technical account, with claims by column in section II.
constexpr CalcStep kAnexoASegP1[] = {
    SeriesStep("ii_r7_col1_mop", "II_R%d_Col1_Mop", 1, 6),
    SeriesStep("ii_r7_col2_mop", "II_R%d_Col2_Mop", 1, 6),
    SeriesStep("i_r2_mop", "ii_r7_col%d_mop", 1, 2),
    SeriesStep("i_r1_mop", "I_R1_%d_Mop", 1, 2),
    CopyOfPage("i_r7_mop", "cdsAnexoBSegP1", "iv_r8_mop"),
    CopyOfPage("i_r8_mop", "cdsAnexoBSegP2", "v_r8_mop"),
    SeriesStep("i_r9_mop", "I_R%d_Mop", 1, 8),
    SeriesStep("i_r9_mop_per_ant", "I_R%d_Mop_Per_Ant", 1, 8),
    FormulaOfPage("i_r13_mop", "cdsAnexoBSegP2", "vii_r6_col1_mop + vii_r6_col2_mop"),
    SeriesStep("i_r14_mop", "I_R14_%d_Mop", 1, 2),
    CopyOfPage("i_r16_mop", "cdsAnexoBSegP1", "i_r22_mop"),
    CopyOfPage("i_r18_mop", "cdsAnexoBSegP2", "vi_r12_mop"),
    SeriesStep("i_r19_mop", "I_R%d_Mop", 10, 18),
    SeriesStep("i_r19_mop_per_ant", "I_R%d_Mop_Per_Ant", 10, 18),
    FormulaStep("i_r20_mop", "i_r9_mop - i_r19_mop"),
    FormulaStep("i_r20_mop_per_ant", "i_r9_mop_per_ant - i_r19_mop_per_ant"),
    FormulaStep("i_r22_mop", "i_r20_mop - I_R21_Mop"),
    FormulaStep("i_r22_mop_per_ant", "i_r20_mop_per_ant - I_R21_Mop_Per_Ant"),
};

// Insurance balance sheet (section III): as the general one, nine lines in groups 1.2 and 2.2.2.
constexpr CalcStep kAnexoASegP2[] = {
    WithPrevPeriod(SeriesStep("iii_r11x_mop", "III_R11%d_Mop", 1, 4)),
    WithPrevPeriod(SeriesStep("iii_r12x_mop", "III_R12%d_Mop", 1, 9)),
    WithPrevPeriod(SeriesStep("iii_r1xx_mop", "III_R1%dx_Mop", 1, 2)),
    CopyOfPage("iii_r214_mop", "cdsAnexoBSegP2", "viii_r11_mop"),
    WithPrevPeriod(SeriesStep("iii_r21x_mop", "III_R21%d_Mop", 1, 5)),
    WithPrevPeriod(SeriesStep("iii_r221x_mop", "III_R221%d_Mop", 1, 2)),
    WithPrevPeriod(SeriesStep("iii_r222x_mop", "III_R222%d_Mop", 1, 9)),
    WithPrevPeriod(SeriesStep("iii_r22xx_mop", "III_R22%dx_Mop", 1, 2)),
    WithPrevPeriod(FormulaStep("iii_r2xxx_mop", "iii_r21x_mop + iii_r22xx_mop")),
};

// Banking: results, with the line totals of sections II to IV feeding lines 2 to 4.
constexpr CalcStep kAnexoABankP1[] = {
    SeriesStep("ii_r10_mop", "II_R%d_Mop", 1, 9),
    SeriesStep("iii_r8_mop", "III_R%d_Mop", 1, 7),
    SeriesStep("iv_r8_mop", "IV_R%d_Mop", 1, 7),
    CopyOwn("i_r2_mop", "ii_r10_mop"),
    CopyOwn("i_r3_mop", "iii_r8_mop"),
    CopyOwn("i_r4_mop", "iv_r8_mop"),
    CopyOfPage("i_r5_mop", "cdsAnexoBBankP2", "iv_r14_mop"),
    SeriesStep("i_r6_mop", "I_R%d_Mop", 1, 5),
    SeriesStep("i_r6_mop_per_ant", "I_R%d_Mop_Per_Ant", 1, 5),
    CopyOfPage("i_r8_mop", "cdsM4P1", "1_r3_col7_col8_sum"),
    CopyOfPage("i_r9_mop", "cdsAnexoBBankP1", "ii_r14_mop"),
    CopyOfPage("i_r10_mop", "cdsAnexoBBankP1", "i_r28_mop"),
    CopyOfPage("i_r12_mop", "cdsAnexoBBankP2", "v_r18_mop"),
    SeriesStep("i_r13_mop", "I_R%d_Mop", 7, 12),
    SeriesStep("i_r13_mop_per_ant", "I_R%d_Mop_Per_Ant", 7, 12),
    FormulaStep("i_r14_mop", "i_r6_mop - i_r13_mop"),
    FormulaStep("i_r14_mop_per_ant", "i_r6_mop_per_ant - i_r13_mop_per_ant"),
    FormulaStep("i_r16_mop", "i_r14_mop - I_R15_Mop"),
    FormulaStep("i_r16_mop_per_ant", "i_r14_mop_per_ant - I_R15_Mop_Per_Ant"),
};

// Banking balance sheet (section V). Line 1.7 is the net of two current-period inputs; its
// previous-period value is an input.
constexpr CalcStep kAnexoABankP2[] = {
    FormulaStep("v_r1_7_mop", "V_R1_7_1_Mop - V_R1_7_2_Mop"),
    WithPrevPeriod(SeriesStep("v_r1_x_mop", "V_R1_%d_Mop", 1, 18)),
    WithPrevPeriod(SeriesStep("v_r2_1_x_mop", "V_R2_1_%d_Mop", 1, 13)),
    CopyOfPage("v_r2_2_4_mop", "cdsAnexoBBankP2", "vi_r12_mop"),
    WithPrevPeriod(SeriesStep("v_r2_2_x_mop", "V_R2_2_%d_Mop", 1, 5)),
    WithPrevPeriod(SeriesStep("v_r2_x_x_mop", "V_R2_%d_x_Mop", 1, 2)),
};

}  // namespace

void TdmMain::cdsAnexoAP1NewRecord(qx::ClientDataSet& dataSet)
{
    InitRecordFields(dataSet);
}

void TdmMain::cdsAnexoAP1CalcFields(qx::ClientDataSet& dataSet)
{
    RunCalcSteps(*this, dataSet, kAnexoAP1);
}

void TdmMain::cdsAnexoAP2NewRecord(qx::ClientDataSet& dataSet)
{
    InitRecordFields(dataSet);
}

void TdmMain::cdsAnexoAP2CalcFields(qx::ClientDataSet& dataSet)
{
    RunCalcSteps(*this, dataSet, kAnexoAP2);
}

void TdmMain::cdsAnexoASegP1NewRecord(qx::ClientDataSet& dataSet)
{
    InitRecordFields(dataSet);
}

void TdmMain::cdsAnexoASegP1CalcFields(qx::ClientDataSet& dataSet)
{
    RunCalcSteps(*this, dataSet, kAnexoASegP1);
}

void TdmMain::cdsAnexoASegP2NewRecord(qx::ClientDataSet& dataSet)
{
    InitRecordFields(dataSet);
}

void TdmMain::cdsAnexoASegP2CalcFields(qx::ClientDataSet& dataSet)
{
    RunCalcSteps(*this, dataSet, kAnexoASegP2);
}

void TdmMain::cdsAnexoABankP1NewRecord(qx::ClientDataSet& dataSet)
{
    InitRecordFields(dataSet);
}

void TdmMain::cdsAnexoABankP1CalcFields(qx::ClientDataSet& dataSet)
{
    RunCalcSteps(*this, dataSet, kAnexoABankP1);
}

void TdmMain::cdsAnexoABankP2NewRecord(qx::ClientDataSet& dataSet)
{
    InitRecordFields(dataSet);
}

void TdmMain::cdsAnexoABankP2CalcFields(qx::ClientDataSet& dataSet)
{
    RunCalcSteps(*this, dataSet, kAnexoABankP2);
}

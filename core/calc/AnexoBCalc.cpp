// Anexo B, front and back page in the three sector variants: new-record defaults and the section
// totals. Each page's calculation is a table of steps run in order (CalcSteps.h); series names
// reach calculated lines too, since field lookups ignore case. The last block of each back page
// reconciles the Anexo A result line with the taxable result.
#include "core/calc/CalcSteps.h"
#include "core/module/TdmMain.h"

namespace {

// General front: line 20 of section I is the total of section VII on the back page.
constexpr CalcStep kAnexoBP1[] = {
    CopyOfPage("i_r20_mop", "cdsAnexoBP2", "vii_r6_mop"),
    SeriesStep("i_r28_mop", "I_R%d_Mop", 1, 27),
    SeriesStep("ii_r12_mop", "II_R%d_Mop", 1, 11),
    SeriesStep("iii_r12_mop", "III_R%d_Mop", 1, 11),
};

// General back: VIII.11 = VIII.4 + VIII.5 - VIII.6 ... - VIII.10, each partial result stored, so
// an overflow on the way leaves the line at 0 for the rest of the calculation.
constexpr CalcStep kAnexoBP2[] = {
    SeriesStep("iv_r8_mop", "IV_R%d_Mop", 1, 7),
    SeriesStep("v_r8_mop", "V_R%d_Mop", 1, 7),
    SeriesStep("vi_r6_mop", "VI_R%d_Mop", 1, 5),
    SeriesStep("vii_r6_mop", "VII_R%d_Mop", 1, 5),
    SeriesStep("viii_r4_mop", "VIII_R%d_Mop", 1, 3),
    CopyOfPage("viii_r5_mop", "cdsAnexoAP1", "i_r15_mop"),
    FormulaStep("viii_r11_mop", "viii_r4_mop + viii_r5_mop"),
    FormulaStep("viii_r11_mop", "viii_r11_mop - VIII_R6_Mop"),
    FormulaStep("viii_r11_mop", "viii_r11_mop - VIII_R7_Mop"),
    FormulaStep("viii_r11_mop", "viii_r11_mop - VIII_R8_Mop"),
    FormulaStep("viii_r11_mop", "viii_r11_mop - VIII_R9_Mop"),
    FormulaStep("viii_r11_mop", "viii_r11_mop - VIII_R10_Mop"),
};

// Insurance front: lines 1 and 2 of section I are the totals of sections II and III.
constexpr CalcStep kAnexoBSegP1[] = {
    SeriesStep("ii_r12_mop", "II_R%d_Mop", 1, 11),
    SeriesStep("iii_r6_mop", "III_R%d_Mop", 1, 5),
    SeriesStep("iv_r8_mop", "IV_R%d_Mop", 1, 7),
    CopyOwn("i_r1_mop", "ii_r12_mop"),
    CopyOwn("i_r2_mop", "iii_r6_mop"),
    SeriesStep("i_r22_mop", "I_R%d_Mop", 1, 21),
};

// Insurance back: VIII.11 first holds the sum of VIII.6 ... VIII.10, then VIII.4 + VIII.5 minus
// that sum. When the sum overflowed the line stays 0 with its flag (the guard leaves a flagged
// target alone) rather than holding VIII.4 + VIII.5 under the asterisks.
constexpr CalcStep kAnexoBSegP2[] = {
    SeriesStep("v_r8_mop", "V_R%d_Mop", 1, 7),
    SeriesStep("vi_r12_mop", "VI_R%d_Mop", 1, 11),
    SeriesStep("vii_r6_col1_mop", "VII_R%d_Col1_Mop", 1, 5),
    SeriesStep("vii_r6_col2_mop", "VII_R%d_Col2_Mop", 1, 5),
    SeriesStep("viii_r4_mop", "VIII_R%d_Mop", 1, 3),
    CopyOfPage("viii_r5_mop", "cdsAnexoASegP1", "i_r22_mop"),
    SeriesStep("viii_r11_mop", "VIII_R%d_Mop", 6, 10),
    FormulaStep("viii_r11_mop", "viii_r4_mop + viii_r5_mop - viii_r11_mop"),
};

// Banking front: line 21 of section I is the total of section III.
constexpr CalcStep kAnexoBBankP1[] = {
    SeriesStep("iii_r8_mop", "III_R%d_Mop", 1, 7),
    CopyOwn("i_r21_mop", "iii_r8_mop"),
    SeriesStep("i_r28_mop", "I_R%d_Mop", 1, 27),
    SeriesStep("ii_r14_mop", "II_R%d_Mop", 1, 13),
};

// Banking back: VI.12 as VIII.11 of the insurance back page, over VI.4, VI.5 and VI.6 ... VI.11.
constexpr CalcStep kAnexoBBankP2[] = {
    SeriesStep("iv_r14_mop", "IV_R%d_Mop", 1, 13),
    SeriesStep("v_r18_mop", "V_R%d_Mop", 1, 17),
    SeriesStep("vi_r4_mop", "VI_R%d_Mop", 1, 3),
    CopyOfPage("vi_r5_mop", "cdsAnexoABankP1", "i_r16_mop"),
    SeriesStep("vi_r12_mop", "VI_R%d_Mop", 6, 11),
    FormulaStep("vi_r12_mop", "vi_r4_mop + vi_r5_mop - vi_r12_mop"),
};

}  // namespace

void TdmMain::cdsAnexoBP1NewRecord(qx::ClientDataSet& dataSet)
{
    InitRecordFields(dataSet);
}

void TdmMain::cdsAnexoBP1CalcFields(qx::ClientDataSet& dataSet)
{
    RunCalcSteps(*this, dataSet, kAnexoBP1);
}

void TdmMain::cdsAnexoBP2NewRecord(qx::ClientDataSet& dataSet)
{
    InitRecordFields(dataSet);
}

void TdmMain::cdsAnexoBP2CalcFields(qx::ClientDataSet& dataSet)
{
    RunCalcSteps(*this, dataSet, kAnexoBP2);
}

void TdmMain::cdsAnexoBSegP1NewRecord(qx::ClientDataSet& dataSet)
{
    InitRecordFields(dataSet);
}

void TdmMain::cdsAnexoBSegP1CalcFields(qx::ClientDataSet& dataSet)
{
    RunCalcSteps(*this, dataSet, kAnexoBSegP1);
}

void TdmMain::cdsAnexoBSegP2NewRecord(qx::ClientDataSet& dataSet)
{
    InitRecordFields(dataSet);
}

void TdmMain::cdsAnexoBSegP2CalcFields(qx::ClientDataSet& dataSet)
{
    RunCalcSteps(*this, dataSet, kAnexoBSegP2);
}

void TdmMain::cdsAnexoBBankP1NewRecord(qx::ClientDataSet& dataSet)
{
    InitRecordFields(dataSet);
}

void TdmMain::cdsAnexoBBankP1CalcFields(qx::ClientDataSet& dataSet)
{
    RunCalcSteps(*this, dataSet, kAnexoBBankP1);
}

void TdmMain::cdsAnexoBBankP2NewRecord(qx::ClientDataSet& dataSet)
{
    InitRecordFields(dataSet);
}

void TdmMain::cdsAnexoBBankP2CalcFields(qx::ClientDataSet& dataSet)
{
    RunCalcSteps(*this, dataSet, kAnexoBBankP2);
}

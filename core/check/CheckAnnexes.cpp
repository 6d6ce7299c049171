// Rules of the Anexo A and Anexo B pages, general, insurance and banking: each page is a fixed
// sequence of amount, item, pension-fund and balance-sheet checks, given here as a table.
#include "core/check/PageSections.h"

#include "core/check/CheckAnnexSteps.h"

namespace {

// ---- Anexo A ----

const AnnexStep kAnexoAP1[] = {
    AnnexLines{.field = "I_R{n}_Mop", .labelChn = "I.{n}", .first = 1, .last = 15, .prevPeriod = true},
    AnnexAmount{"II_R1_Col1_Mop", "II.1.商品及產品銷售收入", "II.1.Vendas de Mercadorias e Productos - Réditos"},
    AnnexAmount{"II_R1_Col2_Mop", "II.1.提供勞務收入", "II.1.Prestações de Serviços - Réditos"},
    AnnexAmount{"II_R1_Col3_Mop", "II.1.建造合同收入", "II.1.Contrato de Construção - Réditos"},
    AnnexAmount{"II_R2_Col2_Mop", "II.2.提供勞務成本", "II.2.Prestações de Serviços - Custos"},
    AnnexAmount{"II_R2_Col3_Mop", "II.2.建造合同成本", "II.2.Contrato de Construção - Custos"},
    AnnexLines{.field = "III_R{n}_Col1_Mop", .labelChn = "III.{n}.商品", .labelPor = "III.{n}.Mercadorias", .first = 1, .last = 3},
    AnnexLines{.field = "III_R{n}_Col2_Mop", .labelChn = "III.{n}.原材料", .labelPor = "III.{n}.Matérias-Primas", .first = 1, .last = 3},
    AnnexLines{.field = "III_R{n}_Col3_Mop", .labelChn = "III.{n}.產品", .labelPor = "III.{n}.Produtos", .first = 4, .last = 9},
};

const AnnexStep kAnexoAP2[] = {
    AnnexLines{.field = "IV_R11{n}_Mop", .labelChn = "IV.1.1.{n}", .first = 1, .last = 4, .prevPeriod = true},
    AnnexItem{"1.1.4", "IV_R114_", true},
    AnnexLines{.field = "IV_R12{n}_Mop", .labelChn = "IV.1.2.{n}", .first = 1, .last = 8, .prevPeriod = true},
    AnnexItem{"1.2.8", "IV_R128_", true},
    AnnexLines{.field = "IV_R21{n}_Mop", .labelChn = "IV.2.1.{n}", .first = 1, .last = 5, .prevPeriod = true},
    AnnexItem{"2.1.5", "IV_R215_", true},
    AnnexLines{.field = "IV_R221{n}_Mop", .labelChn = "IV.2.2.1.{n}", .first = 1, .last = 2, .prevPeriod = true},
    AnnexItem{"2.2.1.2", "IV_R2212_", true},
    AnnexLines{.field = "IV_R222{n}_Mop", .labelChn = "IV.2.2.2.{n}", .first = 1, .last = 8, .prevPeriod = true},
    AnnexItem{"2.2.2.8", "IV_R2228_", true},
    BalanceSheet{47, "iv_r1xx_ttl", "iv_r2xxx_ttl", "本期「資產總額」({a})不等於「權益和負債總額」({b}) [一般行業]",
                 "O valor do período ({a}) do \"total dos activos\" deve ser igual o valor ({b}) \"total dos "
                 "capitais próprios e passivos\" [Geral]"},
    BalanceSheet{48, "iv_r1xx_ttl_per_ant", "iv_r2xxx_ttl_per_ant",
                 "前期「資產總額」({a})不等於「權益和負債總額」({b}) [一般行業]",
                 "O valor do período anterior ({a}) do \"total dos activos\" deve ser igual o valor ({b}) \"total "
                 "dos capitais próprios e passivos\" [Geral]"},
};

const AnnexStep kAnexoASegP1[] = {
    AnnexLines{.field = "I_R1_{n}_Mop", .labelChn = "I.1.{n}", .first = 1, .last = 2},
    AnnexLines{.field = "I_R14_{n}_Mop", .labelChn = "I.14.{n}", .first = 1, .last = 2},
    AnnexLines{.field = "I_R{n}_Mop", .labelChn = "I.{n}", .first = 1, .last = 21, .prevPeriod = true},
    AnnexLines{.field = "II_R{n}_Col1_Mop", .labelChn = "II.{n}(直接業務)", .labelPor = "II.{n}(De seguro directo)", .first = 1, .last = 6},
    AnnexLines{.field = "II_R{n}_Col2_Mop", .labelChn = "II.{n}(分保業務)", .labelPor = "II.{n}(De resseguro aceito)", .first = 1, .last = 6},
};

const AnnexStep kAnexoASegP2[] = {
    AnnexLines{.field = "III_R11{n}_Mop", .labelChn = "III.1.1.{n}", .first = 1, .last = 4, .prevPeriod = true},
    AnnexItem{"III.1.1.4", "III_R114_", true},
    AnnexLines{.field = "III_R12{n}_Mop", .labelChn = "III.1.2.{n}", .first = 1, .last = 9, .prevPeriod = true},
    AnnexItem{"III.1.2.9", "III_R129_", true},
    AnnexLines{.field = "III_R21{n}_Mop", .labelChn = "III.2.1.{n}", .first = 1, .last = 5, .prevPeriod = true},
    AnnexItem{"III.2.1.5", "III_R215_", true},
    AnnexLines{.field = "III_R221{n}_Mop", .labelChn = "III.2.2.1.{n}", .first = 1, .last = 2, .prevPeriod = true},
    AnnexItem{"III.2.2.1.2", "III_R2212_", true},
    AnnexLines{.field = "III_R222{n}_Mop", .labelChn = "III.2.2.2.{n}", .first = 1, .last = 9, .prevPeriod = true},
    AnnexItem{"III.2.2.2.9", "III_R2229_", true},
    BalanceSheet{49, "iii_r1xx_mop", "iii_r2xxx_mop", "本期「資產總額」({a})不等於「權益和負債總額」({b}) [保險業]",
                 "O valor do período ({a}) do \"total dos activos\" deve ser igual o valor ({b}) \"total dos "
                 "capitais próprios e passivos\" [Sector Segurador]"},
    BalanceSheet{50, "iii_r1xx_mop_per_ant", "iii_r2xxx_mop_per_ant",
                 "前期「資產總額」({a})不等於「權益和負債總額」({b}) [保險業]",
                 "O valor do período anterior ({a}) do \"total dos activos\" deve ser igual o valor ({b}) \"total "
                 "dos capitais próprios e passivos\" [Sector Segurador]"},
};

const AnnexStep kAnexoABankP1[] = {
    AnnexLines{.field = "I_R{n}_Mop", .labelChn = "I.{n}", .first = 1, .last = 15, .prevPeriod = true},
    AnnexLines{.field = "II_R{n}_Mop", .labelChn = "II.{n}", .first = 1, .last = 9, .itemFrom = 1},
    AnnexLines{.field = "III_R{n}_Mop", .labelChn = "III.{n}", .first = 1, .last = 7, .itemFrom = 1},
    AnnexLines{.field = "IV_R{n}_Mop", .labelChn = "IV.{n}", .first = 1, .last = 7, .itemFrom = 5},
};

const AnnexStep kAnexoABankP2[] = {
    AnnexLines{.field = "V_R1_{n}_Mop", .labelChn = "V.1.{n}", .first = 1, .last = 18, .prevPeriod = true},
    AnnexLines{.field = "V_R1_7_{n}_Mop", .labelChn = "V.1.7.{n}", .first = 1, .last = 2},
    AnnexItem{"V.1.18", "V_R1_18_", true},
    AnnexLines{.field = "V_R2_1_{n}_Mop", .labelChn = "V.2.1.{n}", .first = 1, .last = 13, .prevPeriod = true},
    AnnexItem{"V.2.1.13", "V_R2_1_13_", true},
    AnnexLines{.field = "V_R2_2_{n}_Mop", .labelChn = "V.2.2.{n}", .first = 1, .last = 5, .prevPeriod = true},
    AnnexItem{"V.2.2.5", "V_R2_2_5_", true},
    BalanceSheet{51, "v_r1_x_mop", "v_r2_x_x_mop", "本期「資產總額」({a})不等於「負債和權益總額」({b}) [銀行業]",
                 "O valor do período ({a}) do \"total dos activos\" deve ser igual o valor ({b}) \"total dos "
                 "capitais próprios e passivos\" [Sector Bancário]"},
    // Kept as the program words it: no opening parenthesis before the second total.
    BalanceSheet{52, "v_r1_x_mop_per_ant", "v_r2_x_x_mop_per_ant",
                 "前期「資產總額」({a})不等於「負債和權益總額」{b}) [銀行業]",
                 "O valor do período anterior ({a}) do \"total dos activos\" deve ser igual o valor ({b}) \"total "
                 "dos capitais próprios e passivos\" [Sector Bancário]"},
};

// ---- Anexo B ----

const AnnexAmount kSalaryTotal{"II_B_VI", "II.b).(vi).薪金總額", "II.b).(vi).Montante salarial"};

const AnnexStep kAnexoBP1[] = {
    AnnexLines{.field = "I_R{n}_Mop", .labelChn = "I.{n}", .first = 1, .last = 27, .itemFrom = 25},
    AnnexLines{.field = "II_R{n}_Mop", .labelChn = "II.{n}", .first = 1, .last = 11, .itemFrom = 10},
    kSalaryTotal,
    PensionFund{53, " [一般行業]", " [Geral]"},
    AnnexLines{.field = "III_R{n}_Mop", .labelChn = "III.{n}", .first = 1, .last = 11, .itemFrom = 9},
};

const AnnexStep kAnexoBP2[] = {
    AnnexLines{.field = "IV_R{n}_Mop", .labelChn = "IV.{n}", .first = 1, .last = 7},
    AnnexItem{"IV.7", "IV_R7_", false},
    AnnexLines{.field = "V_R{n}_Mop", .labelChn = "V.{n}", .first = 1, .last = 7, .itemFrom = 6},
    AnnexLines{.field = "VI_R{n}_Mop", .labelChn = "VI.{n}", .first = 1, .last = 5, .itemFrom = 4},
    AnnexLines{.field = "VII_R{n}_Mop", .labelChn = "VII.{n}", .first = 1, .last = 5},
    AnnexItem{"VII.5", "VII_R5_", false},
    AnnexLines{.field = "VIII_R{n}_Mop", .labelChn = "VIII.{n}", .first = 1, .last = 10},
};

const AnnexStep kAnexoBSegP1[] = {
    AnnexLines{.field = "I_R{n}_Mop", .labelChn = "I.{n}", .first = 1, .last = 21, .itemFrom = 19},
    AnnexLines{.field = "II_R{n}_Mop", .labelChn = "II.{n}", .first = 1, .last = 11, .itemFrom = 10},
    kSalaryTotal,
    PensionFund{58, " [保險業]", " [Sector Segurador]"},
    AnnexLines{.field = "III_R{n}_Mop", .labelChn = "III.{n}", .first = 1, .last = 5},
    AnnexItem{"III.5", "III_R5_", false},
    AnnexLines{.field = "IV_R{n}_Mop", .labelChn = "IV.{n}", .first = 1, .last = 7},
    AnnexItem{"IV.7", "IV_R7_", false},
};

const AnnexStep kAnexoBSegP2[] = {
    AnnexLines{.field = "V_R{n}_Mop", .labelChn = "V.{n}", .first = 1, .last = 7, .itemFrom = 6},
    AnnexLines{.field = "VI_R{n}_Mop", .labelChn = "VI.{n}", .first = 1, .last = 11, .itemFrom = 10},
    AnnexLines{.field = "VII_R{n}_Col1_Mop", .labelChn = "VII.{n}(直接業務)", .labelPor = "VII.{n}(De seguro directo)", .first = 1, .last = 5},
    AnnexLines{.field = "VII_R{n}_Col2_Mop", .labelChn = "VII.{n}(分保業務)", .labelPor = "VII.{n}(De resseguro aceito)", .first = 1, .last = 5},
    AnnexLines{.field = "VIII_R{n}_Mop", .labelChn = "VIII.{n}", .first = 1, .last = 3},
    AnnexLines{.field = "VIII_R{n}_Mop", .labelChn = "VIII.{n}", .first = 6, .last = 10},
};

const AnnexStep kAnexoBBankP1[] = {
    AnnexLines{.field = "I_R{n}_Mop", .labelChn = "I.{n}", .first = 1, .last = 27, .itemFrom = 23},
    AnnexLines{.field = "II_R{n}_Mop", .labelChn = "II.{n}", .first = 1, .last = 13, .itemFrom = 10},
    kSalaryTotal,
    PensionFund{63, " [銀行業]", " [Sector Bancário]"},
    AnnexLines{.field = "III_R{n}_Mop", .labelChn = "III.{n}", .first = 1, .last = 7, .itemFrom = 6},
};

const AnnexStep kAnexoBBankP2[] = {
    AnnexLines{.field = "IV_R{n}_Mop", .labelChn = "IV.{n}", .first = 1, .last = 13, .itemFrom = 6},
    AnnexLines{.field = "V_R{n}_Mop", .labelChn = "V.{n}", .first = 1, .last = 17, .itemFrom = 9},
    AnnexLines{.field = "VI_R{n}_Mop", .labelChn = "VI.{n}", .first = 1, .last = 11},
};

}  // namespace

void CheckAnexoAP1(TdmMain& dm, qx::ClientDataSet& page, int objCode) { RunAnnexSteps(dm, page, objCode, kAnexoAP1); }

void CheckAnexoAP2(TdmMain& dm, qx::ClientDataSet& page, int objCode) { RunAnnexSteps(dm, page, objCode, kAnexoAP2); }

void CheckAnexoASegP1(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
    RunAnnexSteps(dm, page, objCode, kAnexoASegP1);
}

void CheckAnexoASegP2(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
    RunAnnexSteps(dm, page, objCode, kAnexoASegP2);
}

void CheckAnexoABankP1(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
    RunAnnexSteps(dm, page, objCode, kAnexoABankP1);
}

void CheckAnexoABankP2(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
    RunAnnexSteps(dm, page, objCode, kAnexoABankP2);
}

void CheckAnexoBP1(TdmMain& dm, qx::ClientDataSet& page, int objCode) { RunAnnexSteps(dm, page, objCode, kAnexoBP1); }

void CheckAnexoBP2(TdmMain& dm, qx::ClientDataSet& page, int objCode) { RunAnnexSteps(dm, page, objCode, kAnexoBP2); }

void CheckAnexoBSegP1(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
    RunAnnexSteps(dm, page, objCode, kAnexoBSegP1);
}

void CheckAnexoBSegP2(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
    RunAnnexSteps(dm, page, objCode, kAnexoBSegP2);
}

void CheckAnexoBBankP1(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
    RunAnnexSteps(dm, page, objCode, kAnexoBBankP1);
}

void CheckAnexoBBankP2(TdmMain& dm, qx::ClientDataSet& page, int objCode)
{
    RunAnnexSteps(dm, page, objCode, kAnexoBBankP2);
}

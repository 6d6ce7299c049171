#include "Declaration.h"

namespace {

constexpr Press K = Press::Keys;
constexpr Press X = Press::Space;
constexpr Press C = Press::CalendarNextDay;
constexpr Press A = Press::AutoCalc;
constexpr Press F = Press::AtAlert;
constexpr Press R = Press::RateRow;
constexpr Press N = Press::NewRow;
constexpr Press G = Press::Cell;
// M/1 pages 1 and 3 and M/2's typed lines: the same for every sector.
const std::vector<Entry> kM1Front = {
    {"FormFillM1", 0, "Ano_Exercicio", K, "2023", nullptr},
    {"FormFillM1", 0, "Periodo_de", K, "01/01/2023", nullptr},
    {"FormFillM1", 0, "Periodo_a", C, "30/12/2023", "31/12/2023"},
    {"FormFillM1", 0, "Nome_Contribuinte_1", K, "Corvel Comércio, Lda.", nullptr},
    {"FormFillM1", 0, "No_Contribuinte", K, "12345678", nullptr},
    {"FormFillM1", 0, "Distico_Comercial", K, "Corvel", nullptr},
    {"FormFillM1", 0, "Residencia_ou_Sede_1", K, "Rua Central 12", nullptr},
    {"FormFillM1", 0, "Telefone", K, "28123456", nullptr},
    {"FormFillM1", 0, "Tipo_Contribuinte_Sociedade", X, "", nullptr},
    {"FormFillM1", 0, "Data_da_Constituicao", K, "15/03/2001", nullptr},
    {"FormFillM1", 0, "No_Reg_Comercial", K, "SO-4521", nullptr},
    {"FormFillM1", 0, "Actividade_Principal", K, "Comércio a retalho", nullptr},
    {"FormFillM1", 0, "Actividade_Codigo_1", K, "47190", nullptr},
    {"FormFillM1", 0, "Tipo_de_Declaracao_Normal", X, "", nullptr},
    {"FormFillM1", 0, "Exercicio_Anterior_Grupo_A", X, "", nullptr},
    {"FormFillM1", 0, "Enderecados_ao_Contribuinte", X, "", nullptr},
    {"FormFillM1", 0, "Acomp_Anexos_A_B", X, "", nullptr},
    {"FormFillM1", 0, "Acomp_M4", X, "", nullptr},
    {"FormFillM1", 0, "No_Cadastro", F, "C-7781", nullptr},
    {"FormFillM1", 1, "R2_Mop", K, "1250000", nullptr},
    {"FormFillM1", 1, "R4_Mop", K, "35000.5", nullptr},
    {"FormFillM1", 1, "R14_Desc", K, "Juros", nullptr},
    {"FormFillM1", 1, "R14_Mop", K, "800", nullptr},
    {"FormFillM1", 1, "R22_Mop", K, "640000", nullptr},
    {"FormFillM1", 1, "R4_Mop", F, "35000", nullptr},  // whole units only
    {"FormFillM1", 2, "Data_Deli_Assem_Geral", K, "31/03/2024", nullptr},
    {"FormFillM1", 2, "Nome_Desig_Bene_R1", K, "Ana Lopes", nullptr},
    {"FormFillM1", 2, "Div_Lucros_Mop_R1", K, "25000", nullptr},
    {"FormFillM1", 2, "Lingua_Reg_Con_Chines", X, "", nullptr},
    {"FormFillM1", 2, "Moeda_Reg_Con_Mop", X, "", nullptr},
    {"FormFillM1", 2, "Nome_Aud_Cont", K, "Kam Wai", nullptr},
    {"FormFillM1", 2, "Assinatura_Contrib", X, "", nullptr},
    {"FormFillM1", 2, "Data_Assi_Contrib", C, "28/03/2024", "29/03/2024"},
    {"FormFillM1", 2, "Dis_Div_Lucros_Periodo", F, "2023", nullptr},
    {"FormFillM1", 2, "Div_Lucros_Antes_Imposto", F, "", nullptr},
    {"FormFillM1", 2, "Tipo_Doc_ID_R1", F, "BIR 1234567(8)", nullptr},
    {"FormFillM1", 2, "Regime_Prep_Doc_Fin_NRF", F, "", nullptr},
    {"FormFillM1", 2, "Num_Cartao_Prof_Tervask", F, "CP-0458", nullptr},
};

const std::vector<Entry> kM4 = {
    {"FormFillM4", 0, "1_R1_Col2_Mop", K, "20000", nullptr},
    {"FormFillM4", 0, "1_R1_Col4_Mop", K, "2000", nullptr},
    {"FormFillM4", 0, "1_R1_Col6_Mop", K, "1500", nullptr},
};

// Two assets: one from the rate table by Shift+Ins, one typed row by Ctrl+Ins.
const std::vector<Entry> kM3 = {
    {"FormFillM3", 1, "Codigo", R, "", "1.1"},
    {"FormFillM3", 1, "Ano_Aqu", G, "2020", nullptr},
    {"FormFillM3", 1, "Mes_Ini_de_Util", G, "3", nullptr},
    {"FormFillM3", 1, "Col1_Mop", G, "400000", nullptr},
    {"FormFillM3", 1, "Codigo", N, "", "1.2"},
    {"FormFillM3", 1, "Codigo", G, "1.2", nullptr},
    {"FormFillM3", 1, "Ano_Aqu", G, "2022", nullptr},
    {"FormFillM3", 1, "Mes_Ini_de_Util", G, "7", nullptr},
    {"FormFillM3", 1, "Col1_Mop", G, "250000", nullptr},
};

std::vector<Entry> Join(std::initializer_list<const std::vector<Entry>*> parts)
{
    std::vector<Entry> all;
    for (const auto* p : parts)
        all.insert(all.end(), p->begin(), p->end());
    return all;
}

}  // namespace

// Anexo B comes before Anexo A: the year's result it gives reaches Anexo A's balance sheet.
const std::vector<Entry>& DeclarationSector0()
{
    static const std::vector<Entry> annexes = {
        {"FormFillAnexoB", 0, "I_R1_Mop", K, "1250000", nullptr},
        {"FormFillAnexoB", 0, "II_R9_Mop", K, "15000", nullptr},
        {"FormFillAnexoB", 0, "II_B_I_True", X, "", nullptr},
        {"FormFillAnexoB", 0, "II_B_II", K, "10/05/2022", nullptr},
        {"FormFillAnexoB", 0, "II_B_III", K, "Fundo Corvel", nullptr},
        {"FormFillAnexoB", 0, "II_B_IV", K, "12", nullptr},
        {"FormFillAnexoB", 0, "II_B_V", K, "5", nullptr},
        {"FormFillAnexoB", 0, "II_B_VI", K, "480000", nullptr},
        {"FormFillAnexoB", 0, "III_R7_Mop", K, "7200", nullptr},
        {"FormFillAnexoB", 1, "IV_R1_Mop", K, "3000", nullptr},
        {"FormFillAnexoB", 1, "VIII_R1_Mop", K, "500", nullptr},
        {"FormFillAnexoA", 0, "I_R1_Mop_Per_Ant", K, "100000", nullptr},
        {"FormFillAnexoA", 0, "I_R14_Mop", K, "48000", nullptr},
        {"FormFillAnexoA", 0, "II_R1_Col1_Mop", K, "20000", nullptr},
        {"FormFillAnexoA", 0, "Criterio_Val_Inv_FIFO", X, "", nullptr},
        {"FormFillAnexoA", 1, "IV_R111_Mop", K, "30000", nullptr},
        {"FormFillAnexoA", 1, "IV_R2211_Mop", K, "1326700", nullptr},
    };
    static const std::vector<Entry> m1Calcs = {
        {"FormFillM1", 1, "R6_Mop", A, "", "7200"},
        {"FormFillM1", 1, "R10_Mop", A, "", "48000"},
        {"FormFillM1", 1, "R12_Mop", A, "", "15000"},
        {"FormFillM1", 1, "R23_Mop", A, "", "2000"},
    };
    static const std::vector<Entry> all = Join({&kM1Front, &annexes, &kM3, &kM4, &m1Calcs});
    return all;
}

const std::vector<Entry>& DeclarationSector11()
{
    static const std::vector<Entry> annexes = {
        {"FormFillAnexoBSeg", 0, "I_R3_Mop", K, "700000", nullptr},
        {"FormFillAnexoBSeg", 0, "II_R9_Mop", K, "12500", nullptr},
        {"FormFillAnexoBSeg", 0, "II_B_I_False", X, "", nullptr},
        {"FormFillAnexoBSeg", 1, "VI_R7_Mop", K, "6400", nullptr},
        {"FormFillAnexoASeg", 0, "I_R1_Mop_Per_Ant", K, "80000", nullptr},
        {"FormFillAnexoASeg", 0, "I_R21_Mop", K, "51000", nullptr},
        {"FormFillAnexoASeg", 1, "III_R2211_Mop", K, "769900", nullptr},
    };
    // M/4's second page shows only for the insurance and banking sectors.
    static const std::vector<Entry> m4Page2 = {
        {"FormFillM4", 1, "3_PRC_R1_Col2_Mop", K, "400", nullptr},
    };
    static const std::vector<Entry> m1Calcs = {
        {"FormFillM1", 1, "R6_Mop", A, "", "6400"},
        {"FormFillM1", 1, "R10_Mop", A, "", "51000"},
        {"FormFillM1", 1, "R12_Mop", A, "", "12500"},
    };
    static const std::vector<Entry> all = Join({&kM1Front, &annexes, &kM3, &kM4, &m4Page2, &m1Calcs});
    return all;
}

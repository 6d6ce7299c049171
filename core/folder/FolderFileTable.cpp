#include "core/folder/FolderFileTable.h"

namespace {

const FolderFileSpec kFiles[] = {
    {&TdmMain::cdsAlert, 100, u"Alert.xml", u"訊息資料表", u"Tabela de mensagens"},
    {&TdmMain::cdsSys, 200, u"Sys.xml", u"系統資料表", u"Tabela de informações do sistema"},
    {&TdmMain::cdsPrnSetup, 200, u"PrnSetup.xml", u"列印設定資料表", u"Tabela de configuração para impressão"},
    {&TdmMain::cdsTaxMaxReintAmor, 300, u"TaxMaxReintAmor.xml", u"重置與攤折之最高率表", u"Tabela dos Taxas Maximas de Reintegração e Amortização"},
    {&TdmMain::cdsM1P1, 1011, u"M1P1.xml", u"M/1表格(正面)", u"Impresso modelo M/1 (primeira página)"},
    {&TdmMain::cdsM1P2, 1012, u"M1P2.xml", u"M/1表格(背面左頁)", u"Impresso modelo M/1 (página esquerda do verso)"},
    {&TdmMain::cdsM1P3, 1013, u"M1P3.xml", u"M/1表格(背面右頁)", u"Impresso Modelo M/1 (página direita do verso)"},
    {&TdmMain::cdsAnexoAP1, 2011, u"AnexoAP1.xml", u"附件A(正面)", u"Anexo A (frente)"},
    {&TdmMain::cdsAnexoAP2, 2012, u"AnexoAP2.xml", u"附件A(背面)", u"Anexo A (verso)"},
    {&TdmMain::cdsAnexoASegP1, 2111, u"AnexoASegP1.xml", u"附件A(保險業-正面)", u"Anexo A (Sector Segurador - frente)"},
    {&TdmMain::cdsAnexoASegP2, 2112, u"AnexoASegP2.xml", u"附件A(保險業-背面)", u"Anexo A (Sector Segurador - verso)"},
    {&TdmMain::cdsAnexoABankP1, 2211, u"AnexoABankP1.xml", u"附件A(銀行業-正面)", u"Anexo A (Sector Bancario - frente)"},
    {&TdmMain::cdsAnexoABankP2, 2212, u"AnexoABankP2.xml", u"附件A(銀行業-背面)", u"Anexo A (Sector Bancario - verso)"},
    {&TdmMain::cdsAnexoBP1, 3011, u"AnexoBP1.xml", u"附件B(正面)", u"Anexo B (frente)"},
    {&TdmMain::cdsAnexoBP2, 3012, u"AnexoBP2.xml", u"附件B(背面)", u"Anexo B (verso)"},
    {&TdmMain::cdsAnexoBSegP1, 3111, u"AnexoBSegP1.xml", u"附件B(保險業-正面)", u"Anexo B (Sector Segurador - frente)"},
    {&TdmMain::cdsAnexoBSegP2, 3212, u"AnexoBSegP2.xml", u"附件B(保險業-背面)", u"Anexo B (Sector Segurador - verso)"},
    {&TdmMain::cdsAnexoBBankP1, 3311, u"AnexoBBankP1.xml", u"附件B(銀行業-正面)", u"Anexo B (Sector Bancario - frente)"},
    {&TdmMain::cdsAnexoBBankP2, 3312, u"AnexoBBankP2.xml", u"附件B(銀行業-背面)", u"Anexo B (Sector Bancario - verso)"},
    {&TdmMain::cdsM3P1, 4011, u"M3P1.xml", u"M/3格式(首頁正面)", u"Modelo M/3 (Campo cabeçalho da primeira página)"},
    {&TdmMain::cdsM3VCLF, 4012, u"M3VCLF.xml", u"M/3格式(根據稅務法例計算之攤折)", u"Modelo M/3 (Valores Calculados Conforme a Legislação Fiscal)"},
    {&TdmMain::cdsM3Obs, 4013, u"M3Obs.xml", u"M/3格式(備註)", u"Modelo M/3 (Observa+ções)"},
    {&TdmMain::cdsM3AAli, 5011, u"M3AAli.xml", u"M/3A格式(有形及無形資產變賣明細表)", u"Modelo M/3A (Discriminação dos Elementos Alienados a Titulo Oneroso)"},
    {&TdmMain::cdsM3AAba, 5012, u"M3AAba.xml", u"M/3A格式(有形及無形資產報銷明細表)", u"Modelo M/3A (Discriminação dos Elementos Abatidos)"},
    {&TdmMain::cdsM3AObs, 5013, u"M3AObs.xml", u"M/3A格式(備註)", u"Modelo M/3A (Observacoes)"},
    {&TdmMain::cdsM4P1, 6011, u"M4P1.xml", u"M/4格式(正面)", u"Modelo M/4 (frente)"},
    {&TdmMain::cdsM4P2, 6012, u"M4P2.xml", u"M/4格式(背面)", u"Modelo M/4 (verso)"},
};

}  // namespace

std::span<const FolderFileSpec> FolderFileSpecs() { return kFiles; }

FolderOpenRule OpenRuleOf(int objCode)
{
    switch (objCode) {
    case kAlertListCode: return {true, false};
    case kRateTableCode:
    case 4012:  // M/3 asset list
    case 5011:  // M/3A assets alienated
    case 5012:  // M/3A assets written off
        return {false, false};
    default: return {false, true};
    }
}

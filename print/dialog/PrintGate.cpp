#include "print/dialog/PrintGate.h"

#include "core/util/Messages.h"
#include "platform/data/ClientDataSet.h"

#include <memory>

namespace {

constexpr int kErrorAlert = 10;
const QString kCrLf = QStringLiteral("\r\n");

std::vector<GatedPage> AnnexPages(int sectorId)
{
    switch (sectorId) {
    case 0:
        return {{2011, QStringLiteral("附件A(正面)"), QStringLiteral("Anexo A (frente)")},
                {2012, QStringLiteral("附件A(背面)"), QStringLiteral("Anexo A (verso)")},
                {3011, QStringLiteral("附件B(正面)"), QStringLiteral("Anexo B (frente)")},
                {3012, QStringLiteral("附件B(背面)"), QStringLiteral("Anexo B (verso)")}};
    case 11:
        return {{2111, QStringLiteral("附件A(保險業-正面)"), QStringLiteral("Anexo A (Sector Segurador - frente)")},
                {2112, QStringLiteral("附件A(保險業-背面)"), QStringLiteral("Anexo A (Sector Segurador - verso)")},
                {3111, QStringLiteral("附件B(保險業-正面)"), QStringLiteral("Anexo B (Sector Segurador - frente)")},
                {3212, QStringLiteral("附件B(保險業-背面)"), QStringLiteral("Anexo B (Sector Segurador - verso)")}};
    case 21:
        return {{2211, QStringLiteral("附件A(銀行業-正面)"), QStringLiteral("Anexo A (Sector Bancario - frente)")},
                {2212, QStringLiteral("附件A(銀行業-背面)"), QStringLiteral("Anexo A (Sector Bancario - verso)")},
                {3311, QStringLiteral("附件B(銀行業-正面)"), QStringLiteral("Anexo B (Sector Bancario - frente)")},
                {3312, QStringLiteral("附件B(銀行業-背面)"), QStringLiteral("Anexo B (Sector Bancario - verso)")}};
    default:
        return {};
    }
}

}  // namespace

std::vector<GatedPage> GatedPages(int sectorId)
{
    std::vector<GatedPage> pages{
        {1011, QStringLiteral("M/1表格(正面)"), QStringLiteral("Impresso modelo M/1 (primeira página)")},
        {1012, QStringLiteral("M/1表格(背面左頁)"), QStringLiteral("Impresso modelo M/1 (página esquerda do verso)")},
        {1013, QStringLiteral("M/1表格(背面右頁)"), QStringLiteral("Impresso Modelo M/1 (página direita do verso)")},
    };
    for (auto& p : AnnexPages(sectorId))
        pages.push_back(std::move(p));
    const std::vector<GatedPage> rest{
        {4011, QStringLiteral("M/3格式(首頁正面)"), QStringLiteral("Modelo M/3 (Campo cabeçalho da primeira página)")},
        {4012, QStringLiteral("M/3格式(根據稅務法例計算之攤折)"),
         QStringLiteral("Modelo M/3 (Valores Calculados Conforme a Legislação Fiscal)")},
        {5011, QStringLiteral("M/3A格式(有形及無形資產變賣明細表)"),
         QStringLiteral("Modelo M/3A (Discriminação dos Elementos Alienados a Titulo Oneroso)")},
        {5012, QStringLiteral("M/3A格式(有形及無形資產報銷明細表)"),
         QStringLiteral("Modelo M/3A (Discriminação dos Elementos Abatidos)")},
        {6011, QStringLiteral("M/4格式(正面)"), QStringLiteral("Modelo M/4 (frente)")},
        {6012, QStringLiteral("M/4格式(背面)"), QStringLiteral("Modelo M/4 (verso)")},
    };
    pages.insert(pages.end(), rest.begin(), rest.end());
    return pages;
}

bool PageHasError(qx::ClientDataSet& alerts, int pageCode)
{
    if (!alerts.active())
        return false;
    // A cursor of its own: the alert frames follow the list's position.
    const std::unique_ptr<qx::ClientDataSet> cursor = alerts.cloneCursor();
    return cursor->locate(QStringLiteral("Obj_Code;Alert_Type"), {qx::Value(pageCode), qx::Value(kErrorAlert)});
}

void CheckPagePrintable(PrintGate& gate, qx::ClientDataSet& alerts, const GatedPage& page)
{
    if (!PageHasError(alerts, page.pageCode))
        return;
    gate.canPrint = false;
    gate.errorPageCodes.push_back(page.pageCode);
    gate.errorPagesChn += kCrLf + page.titleChn;
    gate.errorPagesPor += kCrLf + page.titlePor;
}

PrintGate CheckDeclarationPrintable(qx::ClientDataSet& alerts, int sectorId)
{
    PrintGate gate;
    for (const GatedPage& page : GatedPages(sectorId))
        CheckPagePrintable(gate, alerts, page);
    return gate;
}

void ShowWhyCannotPrint(const PrintGate& gate)
{
    ShowMultiLangMsg(QStringLiteral("由於下列頁面中存在有錯誤的資料，故不能列印正式報表：") + kCrLf + gate.errorPagesChn,
                     QStringLiteral("Devido a erro(s), nas páginas subsequentes, o modelo não pode ser oficialmente "
                                    "impresso:") + kCrLf + gate.errorPagesPor,
                     QString(), dtError, QStringLiteral("PS-005"));
}

#include "print/dialog/MarkedValuesQuestion.h"

#include "core/util/Messages.h"
#include "print/dialog/PrintGate.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

bool IsListPage(int pageCode) { return pageCode >= 4011 && pageCode <= 5013; }

}  // namespace

PageTitle PrintedPageTitle(int pageCode, int sectorId, const QString& itemText)
{
    // The list's further faces print under the list's title.
    const int titled = pageCode >= 4014 && pageCode <= 4016 ? 4012 : pageCode;
    PageTitle title;
    for (const GatedPage& page : GatedPages(sectorId))
        if (page.pageCode == titled)
            title = {page.titleChn, page.titlePor};
    const QString item = itemText.simplified();
    if (IsListPage(pageCode) || title.chn.isEmpty()) {
        title.chn = (title.chn + u' ' + item).trimmed();
        title.por = (title.por + u' ' + item).trimmed();
    }
    return title;
}

bool ConfirmPrintWithMarks(const std::vector<MarkedValue>& values, int pageCode, int sectorId, const QString& itemText)
{
    if (values.empty())
        return true;
    QString chn, por;
    for (const MarkedValue& v : values) {
        const PageTitle page = PrintedPageTitle(v.pageCode ? v.pageCode : pageCode, sectorId, itemText);
        chn += kCrLf + page.chn + QStringLiteral("，") + v.boxChn + QStringLiteral("：") + v.value;
        por += kCrLf + page.por + QStringLiteral(", ") + v.boxPor + QStringLiteral(": ") + v.value;
    }
    const int answer = ShowMultiLangMsg(
        QStringLiteral("下列數值比其方格寬，正式列印時會印成一行 # 而不是數字：") + chn + kCrLf + kCrLf
            + QStringLiteral("仍要正式列印嗎？"),
        QStringLiteral("Os valores seguintes são mais largos do que as suas caixas e seriam impressos como uma "
                       "linha de # em vez dos algarismos:")
            + por + kCrLf + kCrLf + QStringLiteral("Imprimir a versão final mesmo assim?"),
        QString(), dtQuestion, QStringLiteral("PS-007"));
    return answer == mrYes;
}

#include "print/dialog/PrintFailure.h"

namespace {

struct CauseText {
    PrintFailureCause cause;
    const char* chn;
    const char* por;
};

// %1: the printer's name.
constexpr CauseText kCauseTexts[] = {
    {PrintFailureCause::NoPrinter, "沒有可用的印表機。", "Não há nenhuma impressora disponível."},
    {PrintFailureCause::NoPrinterChosen, "尚未選擇印表機。", "Não foi escolhida nenhuma impressora."},
    {PrintFailureCause::PrinterGone, "所選的印表機「%1」已無法使用。",
     "A impressora escolhida «%1» já não está disponível."},
    {PrintFailureCause::PaperSize, "印表機不接受此頁的紙張大小。", "A impressora não aceita o tamanho de papel desta página."},
    {PrintFailureCause::JobNotStarted, "無法開始列印工作。", "Não foi possível iniciar o trabalho de impressão."},
    {PrintFailureCause::JobNotAccepted, "列印服務不接受此列印工作。", "O serviço de impressão não aceitou o trabalho de impressão."},
};

}  // namespace

PrintFailureText TextOfPrintFailure(const PrintFailure& failure)
{
    for (const CauseText& t : kCauseTexts)
        if (t.cause == failure.cause) {
            const auto words = [&](const char* text) {
                const QString s = QString::fromUtf8(text);
                return s.contains(u"%1") ? s.arg(failure.printer) : s;
            };
            return {words(t.chn), words(t.por)};
        }
    return {};
}

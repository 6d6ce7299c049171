#include "core/util/Messages.h"

#include <cstdio>

namespace {

class StderrPresenter final : public MessagePresenter {
public:
    int present(const QString& msgChn, const QString& msgPor, const QString&, std::uint8_t dlgType,
                const QString& msgCode) override
    {
        std::fprintf(stderr, "%s %s | %s\n", qPrintable(msgCode), qPrintable(msgChn), qPrintable(msgPor));
        return dlgType == dtQuestion ? mrNo : mrOk;
    }
};

StderrPresenter defaultPresenter;
MessagePresenter* installed = nullptr;

}  // namespace

void SetMessagePresenter(MessagePresenter* presenter) { installed = presenter; }

MessagePresenter* CurrentMessagePresenter() { return installed ? installed : &defaultPresenter; }

int ShowMultiLangMsg(const QString& msgChn, const QString& msgPor, const QString& msgEng,
                     std::uint8_t dlgType, const QString& msgCode)
{
    return CurrentMessagePresenter()->present(msgChn, msgPor, msgEng, dlgType, msgCode);
}

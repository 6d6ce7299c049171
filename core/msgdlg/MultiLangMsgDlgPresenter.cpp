#include "core/msgdlg/MultiLangMsgDlgPresenter.h"

#include "core/msgdlg/MessageText.h"
#include "core/msgdlg/TFormMultiLangMsgDlg.h"

int MultiLangMsgDlgPresenter::present(const QString& msgChn, const QString& msgPor, const QString& msgEng,
                                      std::uint8_t dlgType, const QString& msgCode)
{
    dialog_.MsgChn = ComposeMessageText(msgChn, msgCode);
    dialog_.MsgPor = ComposeMessageText(msgPor, msgCode);
    dialog_.MsgEng = ComposeMessageText(msgEng, msgCode);
    dialog_.DlgType = dlgType;
    return dialog_.exec();
}

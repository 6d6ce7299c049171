#pragma once
// ShowMultiLangMsg through the message dialog: the program installs one with
// SetMessagePresenter at start-up.

#include "core/util/Messages.h"

class TFormMultiLangMsgDlg;

class MultiLangMsgDlgPresenter final : public MessagePresenter {
public:
    explicit MultiLangMsgDlgPresenter(TFormMultiLangMsgDlg& dialog) : dialog_(dialog) {}

    // Sets the dialog's texts (each with the code line) and type, shows it modally and returns
    // its modal result: 1 OK, 6 Yes, 7 No, 2 the close box of a non-question.
    int present(const QString& msgChn, const QString& msgPor, const QString& msgEng, std::uint8_t dlgType,
                const QString& msgCode) override;

private:
    TFormMultiLangMsgDlg& dialog_;
};

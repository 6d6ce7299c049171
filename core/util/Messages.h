#pragma once
// The one way the data core talks to the user: ShowMultiLangMsg. The core never shows a window
// itself; the program installs the message dialog, tests and tools install scripted answers.

#include <QString>
#include <cstdint>

// Dialog types.
enum : std::uint8_t { dtWarning = 0, dtError = 1, dtInformation = 2, dtQuestion = 3 };
// Results (the dialog's modal results).
enum : int { mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // Shows the message and returns the button pressed (mrOk, mrYes, mrNo or mrCancel).
    virtual int present(const QString& msgChn, const QString& msgPor, const QString& msgEng,
                        std::uint8_t dlgType, const QString& msgCode) = 0;
};

// Installs the presenter (not owned); nullptr restores the default, which writes the message to
// standard error and answers No to questions and OK to everything else.
void SetMessagePresenter(MessagePresenter* presenter);
MessagePresenter* CurrentMessagePresenter();

int ShowMultiLangMsg(const QString& msgChn, const QString& msgPor, const QString& msgEng,
                     std::uint8_t dlgType, const QString& msgCode);

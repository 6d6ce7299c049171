#pragma once
// The message dialog: one message in Chinese and Portuguese on two pages (the English page is
// never shown), Print and E-mail, and the answer buttons of the dialog type. Created once and
// reused for every message; the page the user chose last is kept for the next message.

#include <QByteArray>
#include <QDialog>
#include <QPixmap>
#include <cstdint>
#include <functional>
#include <memory>

class QLabel;
class QPrinter;
class QPushButton;
class QTabWidget;
class QTextEdit;

class TFormMultiLangMsgDlg : public QDialog {
    Q_OBJECT
public:
    explicit TFormMultiLangMsgDlg(QWidget* parent = nullptr);
    ~TFormMultiLangMsgDlg() override;

    // Set before each show: each text ends with its code line (ComposeMessageText).
    QString MsgChn;
    QString MsgPor;
    QString MsgEng;
    std::uint8_t DlgType = 0;  // dtWarning, dtError, dtInformation or dtQuestion

    // Opens the e-mail link; by default the desktop's mail program.
    std::function<void(const QByteArray& link)> openMailLink;

    QTabWidget* PageControlMsg = nullptr;
    QWidget* TabSheetChinese = nullptr;
    QWidget* TabSheetPortugues = nullptr;
    QWidget* TabSheetEnglish = nullptr;
    QWidget* Panel1 = nullptr;
    QLabel* ImageDlgType = nullptr;
    QWidget* PanelbtnOK = nullptr;
    QPushButton* btnOK = nullptr;
    QWidget* PanelbtnYesNo = nullptr;
    QWidget* PanelbtnUtils = nullptr;
    QPushButton* btnYes = nullptr;
    QPushButton* btnNo = nullptr;
    QPushButton* btnPrintMessage = nullptr;
    QPushButton* btnEmail = nullptr;
    QTextEdit* MemoChinese = nullptr;
    QTextEdit* MemoPortugues = nullptr;
    QTextEdit* MemoEnglish = nullptr;
    QWidget* Panel3 = nullptr;

    void FormShow();
    void PageControlMsgChange();
    void btnPrintMessageClick();
    void btnEmailClick();
    // A question closes only through Yes or No; every other type closes in every way.
    bool FormCloseQuery(int modalResult) const;

    // A memo's text with CR LF line breaks, as printed and mailed.
    static QString MemoText(const QTextEdit* memo);

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* buildPage(QTextEdit*& memo, const char* pageName, const char* memoName, const QFont& font);
    void buildRightColumn();

    bool FirstShow = true;
    QPixmap ImageListDlgType[4];
    std::unique_ptr<QPrinter> printer_;
};

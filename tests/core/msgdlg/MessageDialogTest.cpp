#include "core/msgdlg/MultiLangMsgDlgPresenter.h"
#include "core/msgdlg/TFormMultiLangMsgDlg.h"
#include "core/util/Clock.h"
#include "core/util/MsgLanguage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <functional>
#include <gtest/gtest.h>

namespace {

class MessageDialog : public ::testing::Test {
protected:
    void SetUp() override { MsgLanguage = 101; }
    void TearDown() override { MsgLanguage = 101; }

    // Shows a message and runs `action` on the open dialog; a dialog still open a few seconds
    // later is closed with -1 so a failing test never hangs.
    int show(std::uint8_t type, std::function<void(TFormMultiLangMsgDlg&)> action,
             const QString& chn = QStringLiteral("中文"), const QString& por = QStringLiteral("Portugu\u00eas"))
    {
        QTimer::singleShot(0, &dialog, [this, action] { action(dialog); });
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, &dialog, [this] { dialog.done(-1); });
        watchdog.start(5000);
        return presenter.present(chn, por, QString(), type, QStringLiteral("DM-001"));
    }

    static void pressEscape(QWidget& w)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&w, &press);
    }
    static void closeBox(QWidget& w)
    {
        QCloseEvent close;
        QApplication::sendEvent(&w, &close);
    }

    TFormMultiLangMsgDlg dialog;
    MultiLangMsgDlgPresenter presenter{dialog};
};

}  // namespace

TEST_F(MessageDialog, QuestionShowsYesAndNoOnlyAndIgnoresTheCloseBoxAndEsc)
{
    bool stillOpen = false;
    const int result = show(3, [&](TFormMultiLangMsgDlg& d) {
        EXPECT_TRUE(d.btnYes->isVisible());
        EXPECT_TRUE(d.btnNo->isVisible());
        EXPECT_FALSE(d.btnOK->isVisible());
        EXPECT_FALSE(d.btnEmail->isVisible());
        EXPECT_TRUE(d.btnPrintMessage->isVisible());
        EXPECT_EQ(d.focusWidget(), d.btnYes);
        closeBox(d);
        pressEscape(d);
        d.reject();
        stillOpen = d.isVisible();
        d.btnYes->click();
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, 6);
    EXPECT_EQ(show(3, [](TFormMultiLangMsgDlg& d) { d.btnNo->click(); }), 7);
}

// Enter answers with the focused button, as the keyboard user expects of a question.
TEST_F(MessageDialog, EnterPressesTheFocusedAnswerButton)
{
    const auto pressEnter = [](TFormMultiLangMsgDlg& d) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(d.focusWidget(), &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(d.focusWidget(), &release);
    };
    EXPECT_EQ(show(3, pressEnter), 6);
    EXPECT_EQ(show(3, [&](TFormMultiLangMsgDlg& d) {
                  d.btnNo->setFocus();
                  pressEnter(d);
              }),
              7);
    EXPECT_EQ(show(1, pressEnter), 1);
}

TEST_F(MessageDialog, ButtonsPerTypeAndTheirResults)
{
    for (std::uint8_t type : {0, 1, 2}) {
        const int result = show(type, [type](TFormMultiLangMsgDlg& d) {
            EXPECT_TRUE(d.btnOK->isVisible());
            EXPECT_TRUE(d.btnOK->isDefault());
            EXPECT_EQ(d.focusWidget(), d.btnOK);
            EXPECT_FALSE(d.btnYes->isVisible());
            EXPECT_FALSE(d.btnNo->isVisible());
            EXPECT_TRUE(d.btnPrintMessage->isVisible());
            EXPECT_EQ(d.btnEmail->isVisible(), type != 2);
            d.btnOK->click();
        });
        EXPECT_EQ(result, 1) << int(type);
        // The answer panel sits right below the print and e-mail panel.
        EXPECT_EQ(dialog.PanelbtnOK->y(), dialog.PanelbtnUtils->y() + dialog.PanelbtnUtils->height());
    }
}

TEST_F(MessageDialog, EscDoesNothingAndTheCloseBoxAnswersTwo)
{
    bool openAfterEsc = false;
    const int result = show(1, [&](TFormMultiLangMsgDlg& d) {
        pressEscape(d);
        openAfterEsc = d.isVisible();
        closeBox(d);
    });
    EXPECT_TRUE(openAfterEsc);
    EXPECT_EQ(result, 2);
}

TEST_F(MessageDialog, FirstPageByLanguageThenTheUsersChoiceIsKept)
{
    MsgLanguage = 1;
    show(2, [](TFormMultiLangMsgDlg& d) {
        EXPECT_EQ(d.PageControlMsg->currentWidget(), d.TabSheetChinese);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("注意"));
        EXPECT_EQ(d.btnOK->text(), QStringLiteral("確定 (&O)"));
        d.PageControlMsg->setCurrentWidget(d.TabSheetPortugues);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Atencao"));
        EXPECT_EQ(d.btnOK->text(), QStringLiteral("&Confirmar"));
        EXPECT_EQ(d.btnNo->text(), QString::fromUtf8("&Não"));
        EXPECT_EQ(d.btnYes->font(), d.btnPrintMessage->font());
        d.btnOK->click();
    });
    show(2, [](TFormMultiLangMsgDlg& d) {
        EXPECT_EQ(d.PageControlMsg->currentWidget(), d.TabSheetPortugues);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Atencao"));
        d.btnOK->click();
    });
}

TEST_F(MessageDialog, WithoutTheChineseFontTheFirstPageIsPortuguese)
{
    show(0, [](TFormMultiLangMsgDlg& d) {
        EXPECT_EQ(d.PageControlMsg->currentWidget(), d.TabSheetPortugues);
        EXPECT_EQ(d.btnPrintMessage->text(), QStringLiteral("Im&primir"));
        d.btnOK->click();
    });
}

TEST_F(MessageDialog, EmptyChineseTextStillShowsTheChinesePageWithTheCode)
{
    show(2,
         [](TFormMultiLangMsgDlg& d) {
             EXPECT_TRUE(d.PageControlMsg->isTabVisible(d.PageControlMsg->indexOf(d.TabSheetChinese)));
             EXPECT_TRUE(d.PageControlMsg->isTabVisible(d.PageControlMsg->indexOf(d.TabSheetPortugues)));
             EXPECT_FALSE(d.PageControlMsg->isTabVisible(d.PageControlMsg->indexOf(d.TabSheetEnglish)));
             EXPECT_EQ(TFormMultiLangMsgDlg::MemoText(d.MemoChinese), QStringLiteral("\r\n\r\n\r\n[DM-001]"));
             EXPECT_EQ(TFormMultiLangMsgDlg::MemoText(d.MemoPortugues), QStringLiteral("\r\nPor\r\n\r\n[DM-001]"));
             EXPECT_EQ(TFormMultiLangMsgDlg::MemoText(d.MemoEnglish), QStringLiteral("\r\n\r\n\r\n[DM-001]"));
             d.btnOK->click();
         },
         QString(), QStringLiteral("Por"));
}

TEST_F(MessageDialog, EmailButtonOpensAnEncodedLink)
{
    QByteArray opened;
    dialog.openMailLink = [&](const QByteArray& link) { opened = link; };
    SetFixedNow(QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5)));
    show(
        1,
        [](TFormMultiLangMsgDlg& d) {
            d.btnEmail->click();
            d.btnOK->click();
        },
        QStringLiteral("說 \"是\" & 否"), QStringLiteral("Diz \"sim\" #2"));
    SetFixedNow({});
    ASSERT_FALSE(opened.isEmpty());
    EXPECT_TRUE(opened.startsWith("mailto:"));
    const QUrlQuery query(QUrl::fromEncoded(opened, QUrl::StrictMode));
    EXPECT_TRUE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded).endsWith(QStringLiteral(" -  Message (02/01/2024 03:04:05)")));
    const QString body = query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded);
    EXPECT_TRUE(body.startsWith(QStringLiteral("\r\n說 '是' & 否\r\n\r\n[DM-001]\r\n-------------------\r\n\r\nDiz 'sim' #2")))
        << qPrintable(body);
}

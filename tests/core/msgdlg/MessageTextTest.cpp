#include "core/msgdlg/MessageText.h"

#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace {

// The memo text as the dialog shows it: one line down, then the message and its code line.
QString memoOf(const QString& text, const QString& code) { return QStringLiteral("\r\n") + ComposeMessageText(text, code); }

}  // namespace

TEST(MessageText, CodeLineFollowsTheTextEvenWhenEmpty)
{
    EXPECT_EQ(ComposeMessageText(QStringLiteral("abc"), QStringLiteral("DM-001")), QStringLiteral("abc\r\n\r\n[DM-001]"));
    EXPECT_EQ(ComposeMessageText(QString(), QStringLiteral("A-012")), QStringLiteral("\r\n\r\n[A-012]"));
    // An empty Chinese text: the memo holds the code after three empty lines.
    EXPECT_EQ(MemoLines(memoOf(QString(), QStringLiteral("A-012"))),
              QStringList({QString(), QString(), QString(), QStringLiteral("[A-012]")}));
}

TEST(MessageText, MemoLinesSplitAtEveryLineBreak)
{
    EXPECT_EQ(MemoLines(QStringLiteral("a\r\nb\nc\rd")), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(MemoLines(QStringLiteral("a\r\n")), QStringList({"a"}));
    EXPECT_EQ(MemoLines(QStringLiteral("\r\n")), QStringList({QString()}));
    EXPECT_EQ(MemoLines(QString()), QStringList());
}

TEST(MessageText, PrintoutOfAOneLineMessage)
{
    const QString code = QStringLiteral("[DM-004]");
    const QStringList lines = BuildMessagePrintLines(memoOf(QStringLiteral("中文訊息"), QStringLiteral("DM-004")),
                                                     memoOf(QStringLiteral("Mensagem"), QStringLiteral("DM-004")),
                                                     memoOf(QString(), QStringLiteral("DM-004")));
    const QStringList expected = {QStringLiteral("中文訊息"), "", code, "", "", QStringLiteral("Mensagem"), "", code,
                                  "", "", "", "", code};
    EXPECT_EQ(lines, expected);
}

TEST(MessageText, PrintoutTrimsBlanksButKeepsInnerLines)
{
    const QStringList lines = BuildMessagePrintLines(QStringLiteral("\r\n  a\r\n\r\nb  \r\n"), QStringLiteral("\r\n"),
                                                     QStringLiteral("\t\r\n"));
    EXPECT_EQ(lines, QStringList({"a", "", "b"}));
}

TEST(MessageText, MailLinkEncodesEveryPiece)
{
    const QDateTime when(QDate(2024, 3, 5), QTime(14, 7, 9));
    const QString chn = memoOf(QStringLiteral("檔案 \"M1&M3\" #1 100% ?"), QStringLiteral("DM-005"));
    const QString por = memoOf(QStringLiteral("Não foi possível"), QStringLiteral("DM-005"));
    const QString eng = memoOf(QString(), QStringLiteral("DM-005"));
    const QByteArray link = BuildMessageMailLink(QStringLiteral("help@corvel.example"), QStringLiteral("Corvel．Quendrix"),
                                                 when, chn, por, eng);

    // Plain ASCII, no raw separators inside the pieces, the fixed separators kept as they are.
    for (char c : link)
        ASSERT_TRUE(c > ' ' && c < 127) << link.constData();
    EXPECT_TRUE(link.startsWith("mailto:help@corvel.example?subject="));
    EXPECT_EQ(link.count("&"), 1);
    EXPECT_EQ(link.count("#"), 0);
    EXPECT_EQ(link.count("?"), 1);
    EXPECT_TRUE(link.contains("%0D%0A-------------------%0D%0A"));

    const QUrl url = QUrl::fromEncoded(link, QUrl::StrictMode);
    ASSERT_TRUE(url.isValid());
    EXPECT_EQ(url.scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(url.path(), QStringLiteral("help@corvel.example"));
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
              QStringLiteral("Corvel．Quendrix -  Message (05/03/2024 14:07:09)"));
    QString expectedBody = chn + QStringLiteral("\r\n-------------------\r\n") + por
                           + QStringLiteral("\r\n-------------------\r\n") + eng;
    expectedBody.replace(QLatin1Char('"'), QLatin1Char('\''));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), expectedBody);
    EXPECT_TRUE(expectedBody.contains(QStringLiteral("'M1&M3'")));
}

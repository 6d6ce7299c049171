#include "core/util/Accents.h"
#include "core/util/PlainMessage.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// Records plain message boxes instead of showing them.
class PlainMessages {
public:
    PlainMessages() { SetPlainMessageHandler([this](const QString& text) { shown << text; }); }
    ~PlainMessages() { SetPlainMessageHandler(nullptr); }
    QStringList shown;
};

struct Pair {
    const char16_t* marked;
    const char16_t* composed;
};

}  // namespace

TEST(AccentMarkup, EveryLetterAndMarkOfTheGrid)
{
    const Pair grid[] = {
        {u"A/", u"Á"}, {u"A\\", u"À"}, {u"A^", u"Â"}, {u"A~", u"Ã"},
        {u"a/", u"á"}, {u"a\\", u"à"}, {u"a^", u"â"}, {u"a~", u"ã"}, {u"a-", u"ª"}, {u"a_", u"ª"},
        {u"E/", u"É"}, {u"E\\", u"È"}, {u"E^", u"Ê"},
        {u"e/", u"é"}, {u"e\\", u"è"}, {u"e^", u"ê"},
        {u"I/", u"Í"}, {u"I\\", u"Ì"}, {u"I^", u"Î"},
        {u"i/", u"í"}, {u"i\\", u"ì"}, {u"i^", u"î"},
        {u"O/", u"Ó"}, {u"O\\", u"Ò"}, {u"O^", u"Ô"}, {u"O~", u"Õ"},
        {u"o/", u"ó"}, {u"o\\", u"ò"}, {u"o^", u"ô"}, {u"o~", u"õ"}, {u"o-", u"º"}, {u"o_", u"º"},
        {u"U/", u"Ú"}, {u"U\\", u"Ù"}, {u"U^", u"Û"},
        {u"u/", u"ú"}, {u"u\\", u"ù"}, {u"u^", u"û"},
        {u"C,", u"Ç"}, {u"c,", u"ç"},
    };
    for (const Pair& p : grid)
        EXPECT_EQ(AC(QString::fromUtf16(p.marked)), QString::fromUtf16(p.composed)) << QString::fromUtf16(p.marked).toStdString();
}

TEST(AccentMarkup, PairsOutsideTheGridKeepTheLetter)
{
    PlainMessages messages;
    EXPECT_EQ(AC(QStringLiteral("E~")), QStringLiteral("E"));
    EXPECT_EQ(AC(QStringLiteral("x/")), QStringLiteral("x"));
    EXPECT_EQ(AC(QStringLiteral("A-")), QStringLiteral("A"));  // ordinal only for lower-case a and o
    EXPECT_EQ(AC(QStringLiteral("c/")), QStringLiteral("c"));
    EXPECT_EQ(AC(QStringLiteral("a,")), QStringLiteral("a"));
    EXPECT_EQ(AC(QStringLiteral("e ")), QStringLiteral("e"));
    EXPECT_EQ(ComposeAccentChar(QChar(u'ç'), QChar(u',')), QChar(u'ç'));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST(AccentMarkup, TextsArePairedLeftToRight)
{
    EXPECT_EQ(QStringLiteral("O valor actual ") + AC(QStringLiteral("e/")) + QStringLiteral(" igual"),
              QString::fromUtf8("O valor actual é igual"));
    EXPECT_EQ(AC(QStringLiteral("c,a~o ")), QString::fromUtf8("ção"));
    EXPECT_EQ(AC(QString()), QString());
}

TEST(AccentMarkup, OddLengthIsReportedAndReturnedUnchanged)
{
    PlainMessages messages;
    EXPECT_EQ(AC(QStringLiteral("c,a~o")), QStringLiteral("c,a~o"));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown.front(), QStringLiteral("AC('c,a~o'): Invalid parameter length"));
}

TEST(StripAccents, ReplacesTheAccentedLettersOnly)
{
    const QString accented = QString::fromUtf8("ÁÉÍÓÚÀÈÌÒÙÂÊÎÔÛÃÕÇáéíóúàèìòùâêîôûãõç");
    EXPECT_EQ(StripAccents(accented), QStringLiteral("AEIOUAEIOUAEIOUAOCaeiouaeiouaeiouaoc"));
    EXPECT_EQ(StripAccents(QString::fromUtf8("Instalações e máquinas")), QStringLiteral("Instalacoes e maquinas"));
    const QString others = QString::fromUtf8("ñüªº 機器 Ää");
    EXPECT_EQ(StripAccents(others), others);
    EXPECT_EQ(StripAccents(QString()), QString());
}

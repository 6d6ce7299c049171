#include "core/util/TrimBlanks.h"

#include <gtest/gtest.h>

// Names, observations and message printouts all trim through this one helper: only blanks and
// control characters go, and only at the ends.
TEST(TrimBlanks, DropsBlanksAndControlCharactersAtTheEndsOnly)
{
    EXPECT_EQ(TrimBlanks(QStringLiteral(" \t\r\nAB  C\r\n\x01 ")), QStringLiteral("AB  C"));
    EXPECT_EQ(TrimBlanks(QStringLiteral(" \r\n\t ")), QString());
    EXPECT_EQ(TrimBlanks(QString()), QString());
    EXPECT_EQ(TrimBlanks(QStringLiteral("x")), QStringLiteral("x"));
}

TEST(TrimBlanks, OtherWhiteSpaceIsText)
{
    const QString ideographic = QString(QChar(0x3000)) + QStringLiteral("公司") + QChar(0x3000);
    EXPECT_EQ(TrimBlanks(ideographic), ideographic);
    const QString noBreak = QString(QChar(0x00A0));
    EXPECT_EQ(TrimBlanks(QLatin1Char(' ') + noBreak + QLatin1Char(' ')), noBreak);
}

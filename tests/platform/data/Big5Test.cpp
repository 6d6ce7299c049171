// The Big5 (CP950) codec.
#include "platform/data/DataPacket.h"

#include <gtest/gtest.h>

using namespace qx;

TEST(Big5, EncodesChineseAndEscapesWhatItCannotHold)
{
    EXPECT_EQ(Big5::encode(QString::fromUtf8("中文")), QByteArray("\xA4\xA4\xA4\xE5"));
    // Trail bytes in the ASCII range (0x5C backslash, 0x7C bar) stay part of their character.
    EXPECT_EQ(Big5::encode(QString::fromUtf8("許功稅")), QByteArray("\xB3\x5C\xA5\x5C\xB5\x7C"));
    EXPECT_EQ(Big5::encode(QString::fromUtf8("Conceição")), QByteArray("Concei&#231;&#227;o"));
    EXPECT_EQ(Big5::encode(QString::fromUtf8("Conceição"), false), QByteArray("Concei??o"));
    // A character outside the basic plane is one reference; an unpaired surrogate is U+FFFD.
    EXPECT_EQ(Big5::encode(QString::fromUtf8("a😀b")), QByteArray("a&#128512;b"));
    EXPECT_EQ(Big5::encode(QString(QChar(0xD800)) + QStringLiteral("x")), QByteArray("&#65533;x"));
    EXPECT_EQ(Big5::encode(QString()), QByteArray());
}

TEST(Big5, DecodesAndReplacesInvalidBytes)
{
    EXPECT_EQ(Big5::decode("\xA4\xA4\xA4\xE5 ok"), QString::fromUtf8("中文 ok"));
    EXPECT_EQ(Big5::decode("\xB3\x5C\xA5\x5C"), QString::fromUtf8("許功"));
    EXPECT_EQ(Big5::decode("a\xFF" "b"), QStringLiteral("a\uFFFDb"));
    // A lead byte cut off at the end, or followed by a byte that cannot follow it.
    EXPECT_EQ(Big5::decode("a\xA4"), QStringLiteral("a\uFFFD"));
    EXPECT_EQ(Big5::decode("\xA4\"x"), QStringLiteral("\uFFFD\"x"));
}

TEST(Big5, RoundTripsLongMixedText)
{
    QString text;
    for (int i = 0; i < 5000; ++i)
        text += QString::fromUtf8("翠嶺許功蓋 Varnholm 稅務所 ") + QString::number(i);
    EXPECT_EQ(Big5::decode(Big5::encode(text)), text);
}

TEST(Big5, ByteWidthCountsTwoForChineseAndOneForLatinLetters)
{
    EXPECT_EQ(Big5::byteWidth(QString()), 0);
    EXPECT_EQ(Big5::byteWidth(QStringLiteral("abc")), 3);
    EXPECT_EQ(Big5::byteWidth(QString::fromUtf8("中文ab")), 6);
    EXPECT_EQ(Big5::byteWidth(QString::fromUtf8("ção")), 3);
    EXPECT_EQ(Big5::byteWidth(QString::fromUtf8("😀")), 2);
}

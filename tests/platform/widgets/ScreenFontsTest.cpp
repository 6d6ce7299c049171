#include "platform/widgets/ScreenFonts.h"

#include <gtest/gtest.h>

TEST(ScreenFonts, DesignFamiliesMapToInstalledOnes)
{
    const QStringList all = {QStringLiteral("Liberation Sans"), QStringLiteral("Liberation Serif"),
                             QStringLiteral("Liberation Mono"), QStringLiteral("WenQuanYi Micro Hei"),
                             QStringLiteral("AR PL UMing TW"), QStringLiteral("AR PL UKai TW")};
    const QStringList wqyOnly = {QStringLiteral("WenQuanYi Micro Hei")};
    struct Case {
        const char* design;
        QStringList installed;
        const char* expected;
    };
    const Case cases[] = {
        {"新細明體", all, "AR PL UMing TW"},
        {"細明體", all, "AR PL UMing TW"},
        {"標楷體", all, "AR PL UKai TW"},
        {"標楷體", wqyOnly, "WenQuanYi Micro Hei"},
        {"細明體", wqyOnly, "WenQuanYi Micro Hei"},
        {"細明體", {QStringLiteral("細明體"), QStringLiteral("WenQuanYi Micro Hei")}, "細明體"},
        {"Arial", all, "Liberation Sans"},
        {"Courier New", all, "Liberation Mono"},
        {"Times New Roman", all, "Liberation Serif"},
        {"arial", {QStringLiteral("Arial")}, "arial"},
        {"Tahoma", all, "Tahoma"},
        {"Arial", {}, "Arial"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScreenFontFamily(QString::fromUtf8(c.design), c.installed), QString::fromUtf8(c.expected))
            << c.design;
}

TEST(ScreenFonts, ADesignFamilyCountsAsInstalledWhenItsSubstituteIs)
{
    const QStringList withChinese = InstalledDesignFamilies({QStringLiteral("WenQuanYi Micro Hei")});
    EXPECT_TRUE(withChinese.contains(QStringLiteral("細明體")));
    EXPECT_TRUE(withChinese.contains(QStringLiteral("標楷體")));
    EXPECT_FALSE(withChinese.contains(QStringLiteral("Arial")));
    EXPECT_FALSE(InstalledDesignFamilies({QStringLiteral("DejaVu Sans")}).contains(QStringLiteral("細明體")));
}

#include "platform/widgets/ScreenFonts.h"

#include <QFontDatabase>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

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

TEST(ScreenFonts, AChineseDesignFamilyDrawsLatinInASerifFaceBeforeItsChineseOne)
{
    const QStringList all = {QStringLiteral("Liberation Serif"), QStringLiteral("AR PL UMing TW"),
                             QStringLiteral("AR PL UKai TW"), QStringLiteral("WenQuanYi Micro Hei")};
    struct Case {
        const char* design;
        QStringList installed;
        QStringList expected;
    };
    const Case cases[] = {
        {"新細明體", all, {QStringLiteral("Liberation Serif"), QStringLiteral("AR PL UMing TW")}},
        {"標楷體", all, {QStringLiteral("Liberation Serif"), QStringLiteral("AR PL UKai TW")}},
        // the design font itself carries its own Latin letters; without the Latin face, the Chinese alone
        {"細明體", {QStringLiteral("細明體"), QStringLiteral("Liberation Serif")}, {QStringLiteral("細明體")}},
        {"細明體", {QStringLiteral("AR PL UMing TW")}, {QStringLiteral("AR PL UMing TW")}},
        {"Arial", all, {QStringLiteral("Arial")}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScreenFontFamilies(QString::fromUtf8(c.design), c.installed), c.expected) << c.design;
}

// The installed faces that draw `text` in `font`, one per glyph run, in name order.
static std::string facesDrawing(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList faces;
    for (const QGlyphRun& run : layout.glyphRuns())
        faces << run.rawFont().familyName();
    faces.sort();
    return faces.join(u',').toStdString();
}

TEST(ScreenFonts, AMingFontTakesLatinFromTheSerifFaceAndHanFromTheChineseFace)
{
    if (!QFontDatabase::families().contains(QStringLiteral("AR PL UMing TW"))
        || !QFontDatabase::families().contains(QStringLiteral("Liberation Serif")))
        GTEST_SKIP() << "AR PL UMing TW or Liberation Serif is not installed";
    const std::pair<const char*, const char*> cases[] = {
        {"新細明體", "AR PL UMing TW,Liberation Serif"},
        {"細明體", "AR PL UMing TW,Liberation Serif"},
        {"標楷體", "AR PL UKai TW,Liberation Serif"},  // after a Ming font of its size
    };
    for (const auto& [design, faces] : cases) {
        const QFont font = DesignFontPixels(QString::fromUtf8(design), 16);
        EXPECT_EQ(facesDrawing(QStringLiteral("Varnholm"), font), "Liberation Serif") << design;
        EXPECT_EQ(facesDrawing(QStringLiteral("decl 細明體"), font), faces) << design;
    }
}

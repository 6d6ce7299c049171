// Rule templates are converted once and found again by their place in memory: text that later
// occupies the same place must still be read as itself.
#include "core/check/RuleText.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(TemplateReuse, NewTextAtTheSamePlaceIsReadAfresh)
{
    char buffer[64];
    std::strcpy(buffer, "第{n}行 first");
    EXPECT_EQ(FillTemplate(buffer, {{"n", QStringLiteral("1")}}), QStringLiteral("第1行 first"));
    std::strcpy(buffer, "Row {n} second, {missing}end");
    EXPECT_EQ(FillTemplate(buffer, {{"n", QStringLiteral("2")}}), QStringLiteral("Row 2 second, end"));
    // Same length, one byte changed.
    std::strcpy(buffer, "Row {n} secone, {missing}end");
    EXPECT_EQ(FillTemplate(buffer, {{"n", QStringLiteral("3")}}), QStringLiteral("Row 3 secone, end"));
}

TEST(TemplateReuse, APlaceNoValueFillsIsReported)
{
    static QStringList unfilled;
    SetUnfilledPlaceHandler([](const char*, QStringView key) { unfilled << key.toString(); });
    EXPECT_EQ(FillTemplate("第{i}行 {n}", {{"n", QStringLiteral("2")}}), QStringLiteral("第行 2"));
    SetUnfilledPlaceHandler(nullptr);
    EXPECT_EQ(unfilled, QStringList{QStringLiteral("i")});
}

}  // namespace

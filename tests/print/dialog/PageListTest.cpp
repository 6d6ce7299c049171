// The print dialog's page lists: item texts, the item a page code opens on, the page code each
// item prints, and which M/3A items can print.
#include "print/dialog/PageList.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

QStringList Texts(const PageList& list)
{
    QStringList out;
    for (const PageItem& item : list.items)
        out << item.text;
    return out;
}

std::vector<bool> Enabled(const PageList& list)
{
    std::vector<bool> out;
    for (const PageItem& item : list.items)
        out.push_back(item.enabled);
    return out;
}

std::vector<int> Codes(const PageList& list)
{
    std::vector<int> out;
    for (int i = 0; i < int(list.items.size()); ++i)
        out.push_back(PageCodeOfItem(list, i));
    return out;
}

TEST(PageList, OpensOnTheItemOfThePageCodeAndPrintsItsCode)
{
    const struct {
        int code;
        bool a4;
        int sector;
        int items;
        int initial;
        std::vector<int> codes;
    } cases[] = {
        {1011, true, 0, 4, 0, {1011, 1012, 1013, 1014}},
        {1014, true, 0, 4, 3, {1011, 1012, 1013, 1014}},
        {1011, false, 0, 2, 0, {1011, 1012}},
        {1013, false, 0, 2, 1, {1011, 1012}},
        {1014, false, 0, 2, 0, {1011, 1012}},
        {2012, false, 0, 2, 1, {2011, 2012}},
        {3212, false, 11, 2, 1, {3111, 3212}},
        {3311, false, 21, 2, 0, {3311, 3312}},
        {6011, false, 0, 1, 0, {6011}},  // M/4's back is for insurers only
        {6011, false, 11, 2, 0, {6011, 6012}},
        {6012, false, 0, 2, 1, {6011, 6012}},
        {9999, false, 0, 0, -1, {}},
    };
    for (const auto& c : cases) {
        PageListInput in;
        in.pageCode = c.code;
        in.m1OnA4 = c.a4;
        in.sectorId = c.sector;
        const PageList list = BuildPageList(in);
        SCOPED_TRACE(c.code);
        EXPECT_EQ(int(list.items.size()), c.items);
        EXPECT_EQ(list.initial, c.initial);
        EXPECT_EQ(Codes(list), c.codes);
    }
    PageListInput a4;
    a4.pageCode = 1012;
    a4.m1OnA4 = true;
    EXPECT_EQ(Texts(BuildPageList(a4)), (QStringList{"第 Pag. 1 頁", "第 Pag. 2 頁", "第 Pag. 3 頁", "第 Pag. 4 頁"}));
    a4.m1OnA4 = false;
    EXPECT_EQ(Texts(BuildPageList(a4)), (QStringList{"正面 Frente", "背面 Verso"}));
}

// The lists of three M/3 sheets and of 2 + 1 M/3A pages are checked on the dialog itself.
TEST(PageList, M3SheetsPadBacksByTheSheetNumbersDigitsAndOpenOnNothingBeyondTheList)
{
    PageListInput in;
    in.pageCode = 4011;
    in.m3TotalPag = 10;
    in.m3LastFace = 2;
    in.pagNum = 11;
    const PageList ten = BuildPageList(in);
    EXPECT_EQ(ten.items.size(), 20u);
    EXPECT_EQ(ten.items.back().text, QString(16, u' ') + QStringLiteral("背面 Verso  (續頁 Cont.)"));
    EXPECT_EQ(ten.initial, -1);
    EXPECT_EQ(Codes(ten).back(), 4016);
    in.m3TotalPag = 0;
    EXPECT_TRUE(BuildPageList(in).items.empty());
}

TEST(PageList, M3AEnablesFrontsWithTheirBacksAfterChoosingTheFirstItem)
{
    PageListInput in;
    in.pageCode = 5011;
    in.m3aAliPages = 2;
    in.m3aAbaPages = 1;
    in.m3aTotalPages = 2;
    // Observations on page 2 make its back print.
    in.m3aObsHasText = [](int page) { return page == 2; };
    EXPECT_EQ(BuildPageList(in).items.size(), 4u);

    // Only written-off rows: the first back is chosen before the fronts take their backs' state;
    // a middle page without rows stays listed, disabled.
    in = {};
    in.pageCode = 5011;
    in.m3aAbaPages = 3;
    in.m3aTotalPages = 3;
    PageList list = BuildPageList(in);
    EXPECT_EQ(list.initial, 1);
    EXPECT_EQ(Enabled(list), (std::vector<bool>(6, true)));
    in.m3aAliPages = 3;
    in.m3aAbaPages = 1;
    list = BuildPageList(in);
    EXPECT_EQ(list.initial, 0);
    EXPECT_EQ(Enabled(list), (std::vector<bool>{true, true, true, false, true}));
    EXPECT_EQ(Codes(list), (std::vector<int>{5011, 5012, 5011, 5012, 5011}));
    in.m3aTotalPages = 0;
    EXPECT_EQ(BuildPageList(in).initial, -1);
}

}  // namespace

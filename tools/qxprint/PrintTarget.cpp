#include "PrintTarget.h"

#include "print/forms/ReportForms.h"

#include <vector>

namespace {

struct Item {
    const char* form;
    const char* page;
    int pageCode;
};

struct PageList {
    std::vector<Item> items;
    int initial = 0;
};

struct Pair {
    int front, back;
    const char* form;
    const char* backPage;
};

constexpr Pair kPairs[] = {
    {2011, 2012, "FormRpt_AnexoA", "QuickRepP2"},     {2111, 2112, "FormRpt_AnexoASeg", "QuickRepP2"},
    {2211, 2212, "FormRpt_AnexoABank", "QuickRepP2"}, {3011, 3012, "FormRpt_AnexoB", "QuickRepP2"},
    {3111, 3212, "FormRpt_AnexoBSeg", "QuickRepP2"},  {3311, 3312, "FormRpt_AnexoBBank", "QuickRepP2"},
    {6011, 6012, "FormRpt_M4", "QuickRepp2"},
};

std::optional<PageList> pageListOf(int pageCode, bool m1OnA4, int sector)
{
    if (pageCode >= 1011 && pageCode <= 1014) {
        if (m1OnA4)
            return PageList{{{"FormRpt_M1_A4", "QuickRepP1", 1011},
                             {"FormRpt_M1_A4", "QuickRepP2", 1012},
                             {"FormRpt_M1_A4", "QuickRepP3", 1013},
                             {"FormRpt_M1_A4", "QuickRepP4", 1014}},
                            pageCode - 1011};
        return PageList{{{"FormRpt_M1", "QuickRepP1", 1011}, {"FormRpt_M1", "QuickRepP2P3", 1012}},
                        pageCode == 1012 || pageCode == 1013 ? 1 : 0};
    }
    for (const Pair& p : kPairs) {
        if (pageCode != p.front && pageCode != p.back)
            continue;
        PageList list{{{p.form, "QuickRepP1", p.front}, {p.form, p.backPage, p.back}}, pageCode == p.back ? 1 : 0};
        if (pageCode == 6011 && sector != 11)
            list.items.pop_back();  // the M/4 back page is for insurers only
        return list;
    }
    return std::nullopt;
}

}  // namespace

std::optional<PrintTarget> PrintTargetOf(ReportForms& forms, int pageCode, bool m1OnA4, int sector, int item)
{
    const std::optional<PageList> list = pageListOf(pageCode, m1OnA4, sector);
    if (!list)
        return std::nullopt;
    const int index = item < 0 ? list->initial : item;
    if (index >= int(list->items.size()))
        return std::nullopt;
    const Item& chosen = list->items[size_t(index)];
    TReportForm* form = forms.form(QString::fromLatin1(chosen.form));
    return PrintTarget{form, form->page(QString::fromLatin1(chosen.page)), chosen.pageCode};
}

#include "PrintTarget.h"

#include "core/module/TdmMain.h"
#include "print/forms/ReportForms.h"

#include <vector>

namespace {

struct Item {
    const char* form;
    const char* page;
    int pageCode;
    int pagNum = 0;  // the sheet or page a list form prints
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

int integerOf(qx::ClientDataSet& list, const char* field)
{
    list.first();
    return list.isEmpty() ? 0 : list.fieldByName(QLatin1String(field)).asInteger();
}

// The M/3 sheet list: sheet n's front is item 2(n - 1), its back the next; the last sheet's back
// only when the list ends on it. The first sheet has a form of its own.
PageList m3PageList(TdmMain& dm)
{
    const int sheets = dm.cdsM3P1.fieldByName(u"total_pag").asInteger();
    const bool lastBack = dm.cdsM3P1.fieldByName(u"last_face").asInteger() == 2;
    PageList list;
    for (int n = 1; n <= sheets; ++n) {
        const bool first = n == 1;
        list.items.push_back({first ? "FormRpt_M3" : "FormRpt_M3Cont", "QuickRepP1", first ? 4011 : 4015, n});
        if (n < sheets || lastBack)
            list.items.push_back({first ? "FormRpt_M3" : "FormRpt_M3Cont", "QuickRepP2", first ? 4014 : 4016, n});
    }
    return list;
}

// The M/3A page list: page n's front (assets alienated) is item 2(n - 1), its back (written off)
// the next. A front can print when its list has rows on the page, a back when its list has or
// the page's observations have text; a last item that cannot print is left out. The list opens
// on the first front (5011) or back (5012, 5013) that can print.
PageList m3aPageList(TdmMain& dm, int pageCode)
{
    const int aliPages = integerOf(dm.cdsM3AAli, "ali_total_pag");
    const int abaPages = integerOf(dm.cdsM3AAba, "aba_total_pag");
    const int pages = abaPages > 0 ? integerOf(dm.cdsM3AAba, "m3a_total_pag")
        : aliPages > 0             ? integerOf(dm.cdsM3AAli, "m3a_total_pag")
                                   : 0;
    PageList list;
    std::vector<bool> enabled;
    for (int n = 1; n <= pages; ++n) {
        list.items.push_back({"FormRpt_M3A", "QuickRepP1", 5011, n});
        enabled.push_back(n <= aliPages);
        list.items.push_back({"FormRpt_M3A", "QuickRepP2", 5012, n});
        enabled.push_back(n <= abaPages || dm.ObsPageHasText(dm.cdsM3AObs, n, false));
    }
    if (!enabled.empty() && !enabled.back()) {
        list.items.pop_back();
        enabled.pop_back();
    }
    list.initial = -1;
    const int wanted = pageCode == 5011 ? 0 : 1;
    for (size_t i = 0; i < enabled.size() && list.initial < 0; ++i)
        if (enabled[i] && int(i % 2) == wanted)
            list.initial = int(i);
    for (size_t i = 0; i < enabled.size() && list.initial < 0; ++i)
        if (enabled[i])
            list.initial = int(i);
    return list;
}

std::optional<PageList> listPageList(TdmMain& dm, int pageCode)
{
    if (pageCode >= 4011 && pageCode <= 4016)
        return m3PageList(dm);
    if (pageCode >= 5011 && pageCode <= 5013)
        return m3aPageList(dm, pageCode);
    return std::nullopt;
}

}  // namespace

std::optional<PrintTarget> PrintTargetOf(ReportForms& forms, TdmMain& dm, int pageCode, bool m1OnA4, int sector,
                                         int item)
{
    std::optional<PageList> list = pageListOf(pageCode, m1OnA4, sector);
    if (!list)
        list = listPageList(dm, pageCode);
    if (!list)
        return std::nullopt;
    const int index = item < 0 ? list->initial : item;
    if (index < 0 || index >= int(list->items.size()))
        return std::nullopt;
    const Item& chosen = list->items[size_t(index)];
    // The print dialog sets the sheet or page before it prints a list form.
    if (chosen.pagNum > 0) {
        forms.FormRpt_M3Cont.PagNum = chosen.pagNum;
        forms.FormRpt_M3A.PagNum = chosen.pagNum;
    }
    TReportForm* form = forms.form(QString::fromLatin1(chosen.form));
    return PrintTarget{form, form->page(QString::fromLatin1(chosen.page)), chosen.pageCode};
}

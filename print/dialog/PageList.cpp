#include "print/dialog/PageList.h"

#include <array>

namespace {

struct PagePair {
    int front;
    int back;
};

// The two-page forms: the annex variants and M/4 (the insurance Anexo B back is 3212).
constexpr std::array<PagePair, 7> kPairs{{
    {2011, 2012}, {2111, 2112}, {2211, 2212}, {3011, 3012}, {3111, 3212}, {3311, 3312}, {6011, 6012},
}};

constexpr int kInsuranceSector = 11;

QString Blanks(int n) { return QString(QString::number(n).size(), u' '); }

std::vector<PageItem> FrontBackItems()
{
    return {{QStringLiteral("正面 Frente")}, {QStringLiteral("背面 Verso")}};
}

std::vector<PageItem> M1A4Items()
{
    std::vector<PageItem> items;
    for (int n = 1; n <= 4; ++n)
        items.push_back({QStringLiteral("第 Pag. %1 頁").arg(n)});
    return items;
}

int FirstEnabled(const std::vector<PageItem>& items, int from, int step)
{
    for (int i = from; i < int(items.size()); i += step)
        if (items[i].enabled)
            return i;
    return -1;
}

// M/3A: fronts are the alienated list, backs the written-off list with the observations.
PageList M3AList(const PageListInput& in)
{
    PageList list;
    list.family = PageFamily::M3A;
    for (int n = 1; n <= in.m3aTotalPages; ++n) {
        list.items.push_back({SheetFrontText(n, false), n <= in.m3aAliPages});
        const bool obs = in.m3aObsHasText && in.m3aObsHasText(n);
        list.items.push_back({SheetBackText(n, false), n <= in.m3aAbaPages || obs});
    }
    if (!list.items.empty() && !list.items.back().enabled)
        list.items.pop_back();
    const bool wantsBack = in.pageCode != 5011;
    list.initial = FirstEnabled(list.items, wantsBack ? 1 : 0, 2);
    if (list.initial < 0)
        list.initial = FirstEnabled(list.items, 0, 1);
    // A page whose back prints takes its front sheet through the printer too.
    for (size_t i = 0; i + 1 < list.items.size(); i += 2)
        if (list.items[i + 1].enabled)
            list.items[i].enabled = true;
    return list;
}

PageList M3List(const PageListInput& in)
{
    PageList list;
    list.family = PageFamily::M3;
    list.items = M3SheetItems(in.m3TotalPag, in.m3LastFace);
    const int wanted = (in.pagNum - 1) * 2 + in.faceNum - 1;
    list.initial = wanted >= 0 && wanted < int(list.items.size()) ? wanted : -1;
    return list;
}

}  // namespace

bool PairOfPageCode(int pageCode, int& frontCode, int& backCode)
{
    for (const auto& p : kPairs) {
        if (pageCode == p.front || pageCode == p.back) {
            frontCode = p.front;
            backCode = p.back;
            return true;
        }
    }
    return false;
}

PageFamily FamilyOfPageCode(int pageCode, bool m1OnA4)
{
    int front = 0, back = 0;
    if (pageCode >= 1011 && pageCode <= 1014)
        return m1OnA4 ? PageFamily::M1A4 : PageFamily::M1A3;
    if (PairOfPageCode(pageCode, front, back))
        return PageFamily::Pair;
    if (pageCode >= 4011 && pageCode <= 4016)
        return PageFamily::M3;
    if (pageCode >= 5011 && pageCode <= 5013)
        return PageFamily::M3A;
    return PageFamily::None;
}

QString SheetFrontText(int n, bool continuation)
{
    QString text = QStringLiteral("第 Pag. %1 頁 - 正面 Frente").arg(n);
    if (continuation)
        text += QStringLiteral(" (續頁 Cont.)");
    return text;
}

QString SheetBackText(int n, bool continuation)
{
    QString text = Blanks(n) + QStringLiteral("              背面 Verso");
    if (continuation)
        text += QStringLiteral("  (續頁 Cont.)");
    return text;
}

std::vector<PageItem> M3SheetItems(int totalPag, int lastFace)
{
    std::vector<PageItem> items;
    for (int n = 1; n <= totalPag; ++n) {
        items.push_back({SheetFrontText(n, n >= 2)});
        if (n < totalPag || lastFace == 2)
            items.push_back({SheetBackText(n, n >= 2)});
    }
    return items;
}

PageList BuildPageList(const PageListInput& in)
{
    PageList list;
    list.family = FamilyOfPageCode(in.pageCode, in.m1OnA4);
    switch (list.family) {
    case PageFamily::None:
        break;
    case PageFamily::M1A4:
        list.items = M1A4Items();
        list.initial = in.pageCode - 1011;
        break;
    case PageFamily::M1A3:
        list.items = FrontBackItems();
        list.initial = in.pageCode == 1012 || in.pageCode == 1013 ? 1 : 0;
        break;
    case PageFamily::Pair:
        PairOfPageCode(in.pageCode, list.frontCode, list.backCode);
        list.items = FrontBackItems();
        list.initial = in.pageCode == list.frontCode ? 0 : 1;
        // M/4's back is filled in by insurers only.
        if (in.pageCode == 6011 && in.sectorId != kInsuranceSector)
            list.items.pop_back();
        break;
    case PageFamily::M3:
        return M3List(in);
    case PageFamily::M3A:
        return M3AList(in);
    }
    return list;
}

int PageCodeOfItem(const PageList& list, int index)
{
    if (index < 0 || index >= int(list.items.size()))
        return 0;
    switch (list.family) {
    case PageFamily::None:
        return 0;
    case PageFamily::M1A4:
        return 1011 + index;
    case PageFamily::M1A3:
        return index == 0 ? 1011 : 1012;
    case PageFamily::Pair:
        return index == 0 ? list.frontCode : list.backCode;
    case PageFamily::M3:
        if (index < 2)
            return index == 0 ? 4011 : 4014;
        return index % 2 == 0 ? 4015 : 4016;
    case PageFamily::M3A:
        return index % 2 == 0 ? 5011 : 5012;
    }
    return 0;
}

QString PageItemTitle(const PageList& list, int index)
{
    if (index < 0 || index >= int(list.items.size()))
        return QString();
    const QString text = list.items[size_t(index)].text.simplified();
    const bool listBack = (list.family == PageFamily::M3 || list.family == PageFamily::M3A) && index % 2 == 1;
    return listBack ? QStringLiteral("第 Pag. %1 頁 ").arg(index / 2 + 1) + text : text;
}

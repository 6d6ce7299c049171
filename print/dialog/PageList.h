#pragma once
// The print dialog's list of paper pages for one form: item texts, which items can print, the
// item to start on and the page code each item prints.

#include <QString>
#include <functional>
#include <vector>

enum class PageFamily { None, M1A4, M1A3, Pair, M3, M3A };

struct PageItem {
    QString text;
    bool enabled = true;
};

struct PageList {
    PageFamily family = PageFamily::None;
    std::vector<PageItem> items;
    int initial = -1;      // item selected on show; -1 none
    int frontCode = 0;     // Pair: the page codes of the two items
    int backCode = 0;
};

// What the list is built from besides the page code.
struct PageListInput {
    int pageCode = 0;
    bool m1OnA4 = false;
    int sectorId = -1;
    int pagNum = 1;          // M/3: sheet and face to start on
    int faceNum = 1;
    int m3TotalPag = 0;      // M/3: sheets and the face the last one ends on
    int m3LastFace = 1;
    int m3aAliPages = 0;     // M/3A: pages of each list and of the whole form
    int m3aAbaPages = 0;
    int m3aTotalPages = 0;
    std::function<bool(int page)> m3aObsHasText;  // observations on page n; may be empty
};

// The two page codes of the annex or M/4 pair holding `pageCode`; false for any other code.
bool PairOfPageCode(int pageCode, int& frontCode, int& backCode);

// The page family a page code opens (M/1 by m1OnA4).
PageFamily FamilyOfPageCode(int pageCode, bool m1OnA4);

// "第 Pag. n 頁 - 正面 Frente" and its back item, with the continuation mark from sheet 2 on.
QString SheetFrontText(int n, bool continuation);
QString SheetBackText(int n, bool continuation);

// The M/3 sheet items for `totalPag` sheets; the last back only when `lastFace` is 2.
std::vector<PageItem> M3SheetItems(int totalPag, int lastFace);

// The list, its items' enabled states and the initial item for the dialog's input.
PageList BuildPageList(const PageListInput& input);

// The page code item `index` prints (and that becomes the dialog's page code); 0 for none.
int PageCodeOfItem(const PageList& list, int index);

// Item `index` as a message names the page it prints: its text, a list's back with the number of
// its sheet or page, which its item leaves to the front above it ("第 Pag. 2 頁 背面 Verso").
QString PageItemTitle(const PageList& list, int index);

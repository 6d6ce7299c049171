#pragma once
// What a list page of the M/3 and M/3A editors is made of, as data: the grid's columns (field,
// width, colour, ellipsis button), the totals row under them and the names of the page's parts.
//   Totals row: the head panel lies under columns 0 .. headColumns-1 and holds the page count;
//   the panel under column k (k >= headColumns) is panelPrefix + (k + 1) and shows totals[k -
//   headColumns] (nullptr: empty); one more panel fills the rest. Entering a column brings the
//   head panel into view for columns 0 .. headColumns, else the panels k and k + 1.

#include <QString>
#include <cstdint>
#include <span>

// $00BBGGRR colours of the list pages.
inline constexpr std::uint32_t kListPink = 0x00C4C4FF;    // page column, heading, totals; odd sheets
inline constexpr std::uint32_t kListOrange = 0x000080FF;  // face column; even sheets
inline constexpr std::uint32_t kListInput = 0x0080FFFF;   // input columns (light yellow)
inline constexpr std::uint32_t kListWindow = 0xFF000000;  // the window's colour (calculated columns)

struct ListColumn {
    const char* field;
    int width;
    std::uint32_t colour;
    bool ellipsis = false;
};

struct ListGridSpec {
    int page = 0;                        // the editor page (0-based) the list is on
    const char* suffix = "P2";           // of the part names: DBGridP2, PanelP2GridHeader, ...
    const char* heading = "M3Grid";      // the heading picture
    std::span<const ListColumn> columns;
    int headColumns = 6;
    const char* headPanel = "PanelCol0_6";
    const char* panelPrefix = "PanelCol";
    std::span<const char* const> totals;
    const char* totalPagField = "total_pag";  // shown in the head panel
    bool totalPagOfHeader = true;        // of the header page's dataset (else of the list's row)
    const char* totalPagLabel = "";      // the name of the label before it, when it has one
    const char* totalPagCaption = " Total Pag. ";
    const char* pagCaption = "頁/面";    // over the page column(s)
    const char* labelPagPor = "LabelPag_Por";
    const char* obsPanel = "PanelObs";
    const char* labelObsPor = "LabelObs_Por";
    const char* labelObsPagNumPor = "LabelObs_Pag_Num_Por";
    const char* lastObsEdit = "DBEditP2_Last";
    bool fillsRate = true;               // a rate-table pick also sets DA_Taxas
    bool proposesDepreciation = true;    // the Col5_Mop ellipsis
};

// The M/3 list and the two M/3A lists.
const ListGridSpec& M3ListSpec();
const ListGridSpec& M3AAliListSpec();
const ListGridSpec& M3AAbaListSpec();

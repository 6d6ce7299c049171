#include "ui/editors/ListGridColumns.h"

namespace {

// Widths hold each column's widest value (a sheet number of four digits, a face, "WWWWW" beside
// the ellipsis, "(9,999,999,999)", "100.00%"): a cell paints its text within its width (the grid
// line is the extra pixel) less 3 pixels on each side. The heading pictures' columns are as wide.
constexpr ListColumn kM3Columns[] = {
    {"pag_num", 38, kListPink},         {"face_num", 14, kListOrange},
    {"Codigo", 65, kListInput, true},   {"Tipo", 260, kListInput, true},
    {"Ano_Aqu", 47, kListInput},        {"Mes_Ini_de_Util", 46, kListInput},
    {"Col1_Mop", 123, kListInput},      {"Col2_Mop", 123, kListInput},
    {"col3_mop", 123, kListWindow},     {"Col4_Mop", 123, kListInput},
    {"DA_Taxas", 61, kListInput},       {"DA_Meses", 54, kListInput},
    {"Col5_Mop", 143, kListInput, true}, {"Col6_Mop", 123, kListInput},
    {"col7_mop", 123, kListWindow},     {"col8_mop", 123, kListWindow},
};
constexpr const char* kM3Totals[] = {"COL1_TTL", "COL2_TTL", "COL3_TTL", "COL4_TTL", nullptr,
                                     nullptr,    "COL5_TTL", "COL6_TTL", "COL7_TTL", "COL8_TTL"};

constexpr ListColumn kAliColumns[] = {
    {"pag_num", 38, kListPink},       {"Codigo", 65, kListInput, true}, {"Tipo", 260, kListInput, true},
    {"Ano_Aqu", 46, kListInput},      {"Mes_Venda", 46, kListInput},    {"Col1_Mop", 123, kListInput},
    {"Col2_Mop", 123, kListInput},    {"Col3_Mop", 123, kListInput},    {"Col4_Mop", 123, kListInput},
    {"Col5_Mop", 123, kListInput},    {"col6_mop", 123, kListWindow},   {"col7_mop", 123, kListWindow},
    {"col8_mop", 135, kListWindow},
};
constexpr const char* kAliTotals[] = {"COL1_TTL", "COL2_TTL", "COL3_TTL", "COL4_TTL",
                                      "COL5_TTL", "COL6_TTL", "COL7_TTL", "COL8_TTL"};

constexpr ListColumn kAbaColumns[] = {
    {"pag_num", 38, kListPink},       {"Codigo", 65, kListInput, true}, {"Tipo", 260, kListInput, true},
    {"Ano_Aqu", 49, kListInput},      {"Mes_Abate", 47, kListInput},    {"Col1_Mop", 123, kListInput},
    {"Col2_Mop", 123, kListInput},    {"Col3_Mop", 123, kListInput},    {"Col4_Mop", 123, kListInput},
    {"col5_mop", 123, kListWindow},   {"col6_mop", 123, kListWindow},   {"col7_mop", 123, kListWindow},
    {"Motivo_Abate", 142, kListWindow},
};
constexpr const char* kAbaTotals[] = {"COL1_TTL", "COL2_TTL", "COL3_TTL", "COL4_TTL",
                                      "COL5_TTL", "COL6_TTL", "COL7_TTL", nullptr};

ListGridSpec m3aSpec(int page, std::span<const ListColumn> columns, std::span<const char* const> totals)
{
    const bool ali = page == 0;
    ListGridSpec s;
    s.page = page;
    s.suffix = ali ? "P1" : "P2";
    s.heading = ali ? "M3AAliGrid" : "M3AAbaGrid";
    s.columns = columns;
    s.headColumns = 5;
    s.headPanel = ali ? "PanelP1Col0_5" : "PanelP2Col0_5";
    s.panelPrefix = ali ? "PanelP1Col" : "PanelP2Col";
    s.totals = totals;
    s.totalPagField = ali ? "ali_total_pag" : "aba_total_pag";
    s.totalPagOfHeader = false;
    s.totalPagLabel = ali ? "LabelTotalPagP1" : "LabelTotalPagP2";
    s.totalPagCaption = " Total Pág. ";
    s.pagCaption = "頁";
    s.labelPagPor = ali ? "LabelPag_Por_P1" : "LabelPag_Por_p2";
    s.obsPanel = ali ? "PanelObsP1" : "PanelObsP2";
    s.labelObsPor = ali ? "LabelObs_Por_P1" : "LabelObs_Por_P2";
    s.labelObsPagNumPor = ali ? "LabelObs_Pag_Num_Por_P1" : "LabelObs_Pag_Num_Por_P2";
    s.lastObsEdit = ali ? "DBEditP1_Last" : "DBEditP2_Last";
    s.fillsRate = false;
    s.proposesDepreciation = false;
    return s;
}

}  // namespace

const ListGridSpec& M3ListSpec()
{
    static const ListGridSpec spec = [] {
        ListGridSpec s;
        s.page = 1;
        s.columns = kM3Columns;
        s.totals = kM3Totals;
        return s;
    }();
    return spec;
}

const ListGridSpec& M3AAliListSpec()
{
    static const ListGridSpec spec = m3aSpec(0, kAliColumns, kAliTotals);
    return spec;
}

const ListGridSpec& M3AAbaListSpec()
{
    static const ListGridSpec spec = m3aSpec(1, kAbaColumns, kAbaTotals);
    return spec;
}

#pragma once
// The checks of an annex page as a table of steps, run in the table's order. Field names and
// labels of a line loop carry "{n}" where the line number goes.

#include <span>
#include <variant>

class TdmMain;

namespace qx {
class ClientDataSet;
}

// Whole-number checks of the amounts of lines first..last. Each line from `itemFrom` on
// (0: none) is followed by its item check, labelled with the line's Chinese label and with the
// amount's name without "Mop" as field prefix; these per-line item checks have no previous period.
struct AnnexLines {
    const char* field;
    const char* labelChn;
    const char* labelPor = nullptr;  // nullptr: the same text as the Chinese label
    int first = 1;
    int last = 1;
    bool prevPeriod = false;
    int itemFrom = 0;
};

// The whole-number check of one amount without previous period.
struct AnnexAmount {
    const char* field;
    const char* labelChn;
    const char* labelPor;
};

// A free-text line: its description against its amount(s).
struct AnnexItem {
    const char* label;
    const char* prefix;
    bool prevPeriod;
};

// The pension-fund block of an Anexo B front page: the message number of its first detail (the
// others follow) and the mark of the sector variant that ends every text.
struct PensionFund {
    int firstMsgNo;
    const char* markChn;
    const char* markPor;
};

// Total assets must equal total equity and liabilities. Texts take "{a}" for the assets total
// and "{b}" for the other one.
struct BalanceSheet {
    int msgNo;
    const char* assets;
    const char* equityAndLiabilities;
    const char* chn;
    const char* por;
};

using AnnexStep = std::variant<AnnexLines, AnnexAmount, AnnexItem, PensionFund, BalanceSheet>;

void RunAnnexSteps(TdmMain& dm, qx::ClientDataSet& page, int objCode, std::span<const AnnexStep> steps);

#pragma once
// The error gate of the print dialog: one error alert on any page of the declaration blocks the
// final print of every page. Only the annex pair of the folder's sector counts; the observation
// pages never do.

#include <QString>
#include <vector>

namespace qx {
class ClientDataSet;
}

struct GatedPage {
    int pageCode;
    QString titleChn;
    QString titlePor;
};

struct PrintGate {
    bool canPrint = true;
    std::vector<int> errorPageCodes;  // in the order of the titles
    QString errorPagesChn;  // each title preceded by CR LF
    QString errorPagesPor;
};

// The pages the gate tests for a sector, in the order their titles are listed.
std::vector<GatedPage> GatedPages(int sectorId);

// True when the alert list holds an error (type 10) for the page; the list's cursor stays.
bool PageHasError(qx::ClientDataSet& alerts, int pageCode);

// Adds the page to the gate when it has an error.
void CheckPagePrintable(PrintGate& gate, qx::ClientDataSet& alerts, const GatedPage& page);

// The gate over every gated page of the sector.
PrintGate CheckDeclarationPrintable(qx::ClientDataSet& alerts, int sectorId);

// Shows PS-005: why the final print is refused, with the pages' titles.
void ShowWhyCannotPrint(const PrintGate& gate);

#pragma once
// The page sections of CheckForms: one free function per checked page, each adding the page's
// alerts after the frame has run the page's overflow check. `page` is the page's dataset and
// `objCode` its page code; every alert carries that code. A section may throw: the frame then
// records one error finding for the page and goes on with the next section.
//
// Sums and differences of amounts that rules compare are built with qx::ExactSum (ExactSum.h), so
// that a comparison never overflows.

class TdmMain;

namespace qx {
class ClientDataSet;
}

using PageSection = void (*)(TdmMain& dm, qx::ClientDataSet& page, int objCode);

// M/1 (CheckM1.cpp)
void CheckM1P1(TdmMain& dm, qx::ClientDataSet& page, int objCode);
void CheckM1P2(TdmMain& dm, qx::ClientDataSet& page, int objCode);
void CheckM1P3(TdmMain& dm, qx::ClientDataSet& page, int objCode);

// Anexo A and Anexo B in their three sector variants (CheckAnnexes.cpp)
void CheckAnexoAP1(TdmMain& dm, qx::ClientDataSet& page, int objCode);
void CheckAnexoAP2(TdmMain& dm, qx::ClientDataSet& page, int objCode);
void CheckAnexoASegP1(TdmMain& dm, qx::ClientDataSet& page, int objCode);
void CheckAnexoASegP2(TdmMain& dm, qx::ClientDataSet& page, int objCode);
void CheckAnexoABankP1(TdmMain& dm, qx::ClientDataSet& page, int objCode);
void CheckAnexoABankP2(TdmMain& dm, qx::ClientDataSet& page, int objCode);
void CheckAnexoBP1(TdmMain& dm, qx::ClientDataSet& page, int objCode);
void CheckAnexoBP2(TdmMain& dm, qx::ClientDataSet& page, int objCode);
void CheckAnexoBSegP1(TdmMain& dm, qx::ClientDataSet& page, int objCode);
void CheckAnexoBSegP2(TdmMain& dm, qx::ClientDataSet& page, int objCode);
void CheckAnexoBBankP1(TdmMain& dm, qx::ClientDataSet& page, int objCode);
void CheckAnexoBBankP2(TdmMain& dm, qx::ClientDataSet& page, int objCode);

// M/3 first sheet and M/4 (CheckM3M4.cpp)
void CheckM3P1(TdmMain& dm, qx::ClientDataSet& page, int objCode);
void CheckM4P1(TdmMain& dm, qx::ClientDataSet& page, int objCode);
void CheckM4P2(TdmMain& dm, qx::ClientDataSet& page, int objCode);

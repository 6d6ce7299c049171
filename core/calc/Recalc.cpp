// RecalcDataSet: brings a page up to date after the pages it reads from, along a fixed graph.
#include "core/calc/Line1Source.h"
#include "core/calc/SectorOf.h"
#include "core/module/TdmMain.h"

#include <QStringList>
#include <array>

namespace {

// Each page and the pages it reads, in the order they are recalculated. Pages not listed read no
// other page. cdsM1P2 reads the Anexo A front page of the folder's sector (Line1Source.h).
struct Sources {
    const char* dataSet;
    std::array<const char*, 4> sources;
};

constexpr Sources kGraph[] = {
    {"cdsAnexoAP1", {"cdsAnexoBP1", "cdsAnexoBP2"}},
    {"cdsAnexoAP2", {"cdsM3P1", "cdsAnexoBP2", "cdsAnexoAP1", "cdsM4P1"}},
    {"cdsAnexoASegP1", {"cdsAnexoBSegP1", "cdsAnexoBSegP2"}},
    {"cdsAnexoASegP2", {"cdsM3P1", "cdsAnexoBSegP2"}},
    {"cdsAnexoABankP1", {"cdsAnexoBBankP2", "cdsAnexoBBankP1", "cdsM4P1"}},
    {"cdsAnexoABankP2", {"cdsAnexoBBankP2"}},
    {"cdsAnexoBP1", {"cdsAnexoBP2"}},
    {"cdsAnexoBP2", {"cdsAnexoAP1", "cdsM4P1"}},
    {"cdsAnexoBSegP2", {"cdsAnexoASegP1"}},
    {"cdsAnexoBBankP2", {"cdsAnexoABankP1", "cdsM4P1"}},
};

// Lists are refreshed by moving the cursor, never by a post.
constexpr const char* kLists[] = {"cdsM3VCLF", "cdsM3AAli", "cdsM3AAba"};

template <class Names>
bool contains(const Names& names, const QString& name)
{
    for (const char* n : names)
        if (n && name == QLatin1String(n))
            return true;
    return false;
}

QStringList sourcesOf(const QString& dataSet, int sectorId)
{
    QStringList out;
    if (dataSet == QLatin1String("cdsM1P2")) {
        if (const Line1Source* s = Line1SourceOf(sectorId))
            out << QLatin1String(s->dataSet);
        return out;
    }
    for (const Sources& entry : kGraph) {
        if (dataSet != QLatin1String(entry.dataSet))
            continue;
        for (const char* source : entry.sources)
            if (source)
                out << QLatin1String(source);
    }
    return out;
}

bool inBrowseWithRows(const qx::ClientDataSet& dataSet)
{
    return dataSet.state() == qx::DataSetState::Browse && !dataSet.isEmpty();
}

// Moving away and back (or onto the last row again) recomputes the current row's calculated
// fields and the list's aggregates; the current row stays the same.
void refreshList(qx::ClientDataSet& list)
{
    if (!inBrowseWithRows(list))
        return;
    if (list.recNo() < list.recordCount()) {
        list.next();
        list.prior();
    } else {
        list.last();
    }
}

// Edit and post re-run the page's calculation and its post handlers (null numbers to 0, the
// page's validation). A post that fails is undone without asking the user about changes they
// never made, and the pass goes on.
void refreshPage(TdmMain& dm, qx::ClientDataSet& page)
{
    if (!inBrowseWithRows(page))
        return;
    try {
        page.first();
        page.edit();
        page.post();
    } catch (const std::exception&) {
        try {
            dm.CancelWithoutQuestion(page);
        } catch (const std::exception&) {
        }
    }
}

}  // namespace

void TdmMain::RecalcDataSet(qx::ClientDataSet& dataSet, QString& visited)
{
    const QString mark = QLatin1Char('/') + dataSet.name() + QLatin1Char('/');
    if (visited.contains(mark))
        return;
    visited += mark;

    for (const QString& name : sourcesOf(dataSet.name(), SectorOf(*this)))
        if (qx::ClientDataSet* source = DataSetByName(name))
            RecalcDataSet(*source, visited);

    if (contains(kLists, dataSet.name()))
        refreshList(dataSet);
    else
        refreshPage(*this, dataSet);
}

// The validation frame on a freshly opened folder: which pages a run replaces, in which order
// the sections run, and what a section that breaks off leaves behind.
#include "support/DmFixture.h"
#include "tests/core/check/AlertRows.h"

#include <gtest/gtest.h>

namespace {

struct Page {
    int code;
    qx::ClientDataSet TdmMain::*dataSet;
};

// The checked pages in the order of their sections.
const Page kCheckedPages[] = {
    {1011, &TdmMain::cdsM1P1},         {1012, &TdmMain::cdsM1P2},         {1013, &TdmMain::cdsM1P3},
    {2011, &TdmMain::cdsAnexoAP1},     {2012, &TdmMain::cdsAnexoAP2},     {2111, &TdmMain::cdsAnexoASegP1},
    {2112, &TdmMain::cdsAnexoASegP2},  {2211, &TdmMain::cdsAnexoABankP1}, {2212, &TdmMain::cdsAnexoABankP2},
    {3011, &TdmMain::cdsAnexoBP1},     {3012, &TdmMain::cdsAnexoBP2},     {3111, &TdmMain::cdsAnexoBSegP1},
    {3212, &TdmMain::cdsAnexoBSegP2},  {3311, &TdmMain::cdsAnexoBBankP1}, {3312, &TdmMain::cdsAnexoBBankP2},
    {4011, &TdmMain::cdsM3P1},         {6011, &TdmMain::cdsM4P1},         {6012, &TdmMain::cdsM4P2},
};

class CheckFormsTest : public DmFixture {
protected:
    // A finding that no rule makes, to see whether a run replaced the page's alerts.
    void addMarker(int objCode) { dm->AddAlert(objCode, QStringLiteral("M"), 10, 0, QStringLiteral("marker"), QStringLiteral("marker")); }
    QList<int> markerPages()
    {
        QList<int> out;
        for (const AlertRow& r : AlertRows(dm->cdsAlert))
            if (r.chn == QLatin1String("marker"))
                out << r.objCode;
        return out;
    }
    // Makes the page report `list` as its overflow list.
    static void setOverflowList(qx::ClientDataSet& page, const QString& list)
    {
        page.onCalcFields = [list](qx::ClientDataSet& ds) { ds.fieldByName(u"overflow_fields").setAsString(list); };
        page.refresh();
    }
    // The overflow findings, "code field", in the order they were added.
    QStringList overflowFindings()
    {
        auto rows = AlertRows(dm->cdsAlert);
        std::stable_sort(rows.begin(), rows.end(), [](const AlertRow& a, const AlertRow& b) { return a.seq < b.seq; });
        QStringList out;
        for (const AlertRow& r : rows)
            if (r.code == QLatin1String("A-012"))
                out << QString::number(r.objCode) + QLatin1Char(' ') + r.fieldName;
        return out;
    }
    void expectListAtRest()
    {
        EXPECT_FALSE(dm->cdsAlert.controlsDisabled());
        if (!dm->cdsAlert.isEmpty()) {
            EXPECT_EQ(dm->cdsAlert.recNo(), 1);
        }
    }
};

TEST_F(CheckFormsTest, WholeRunRebuildsTheList)
{
    addMarker(1011);
    addMarker(5011);
    addMarker(9999);
    dm->cdsAlert.last();
    dm->CheckForms(nullptr);
    EXPECT_TRUE(markerPages().isEmpty());
    expectListAtRest();
}

TEST_F(CheckFormsTest, PageRunReplacesOnlyThatPagesAlerts)
{
    for (int code : {1011, 1012, 1013, 1012})
        addMarker(code);
    dm->CheckForms(&dm->cdsM1P2);
    EXPECT_EQ(markerPages(), (QList<int>{1011, 1013}));
    expectListAtRest();

    // A posted M/3 list row refreshes page 4011 only.
    addMarker(4011);
    addMarker(4012);
    dm->CheckForms(&dm->cdsM3P1);
    EXPECT_EQ(markerPages(), (QList<int>{1011, 1013, 4012}));
}

TEST_F(CheckFormsTest, PageWithoutASectionChangesNothing)
{
    addMarker(4013);
    addMarker(1011);
    const auto before = AlertRows(dm->cdsAlert);
    for (qx::ClientDataSet* ds : {&dm->cdsM3Obs, &dm->cdsM3VCLF, &dm->cdsM3AAli, &dm->cdsM3AObs, &dm->cdsSys})
        dm->CheckForms(ds);
    const auto after = AlertRows(dm->cdsAlert);
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].objCode, before[i].objCode);
        EXPECT_EQ(after[i].seq, before[i].seq);
    }
    expectListAtRest();
}

TEST_F(CheckFormsTest, EverySectionStartsWithItsOverflowFindingsInSectionOrder)
{
    QStringList expected;
    for (auto it = std::rbegin(kCheckedPages); it != std::rend(kCheckedPages); ++it) {
        const QString name = QStringLiteral("f") + QString::number(it->code);
        setOverflowList(dm.get()->*(it->dataSet), QLatin1Char('/') + name + QStringLiteral("/g/"));
        expected.prepend(QString::number(it->code) + QStringLiteral(" g"));
        expected.prepend(QString::number(it->code) + QLatin1Char(' ') + name);
    }
    dm->CheckForms(nullptr);
    EXPECT_EQ(overflowFindings(), expected);

    // A page run finds the same for its page.
    dm->CheckForms(&dm->cdsAnexoBSegP2);
    EXPECT_EQ(AlertsOf(dm->cdsAlert, 3212).size(), AlertsOf(dm->cdsAlert, 3111).size());
}

TEST_F(CheckFormsTest, SectionThatBreaksOffKeepsItsFindingsAndBlocksThePage)
{
    // Posting an alert for the field "boom" fails, as an overflow inside a rule would.
    dm->cdsAlert.beforePost = [this](qx::ClientDataSet& ds) {
        dm->cdsAlertBeforePost(ds);
        if (ds.fieldByName(u"Field_Name").asString() == QLatin1String("boom"))
            throw qx::CurrencyOverflow("Currency overflow");
    };
    setOverflowList(dm->cdsM1P2, QStringLiteral("/before/boom/after/"));
    setOverflowList(dm->cdsM4P2, QStringLiteral("/late/"));

    for (qx::ClientDataSet* run : {static_cast<qx::ClientDataSet*>(nullptr), &dm->cdsM1P2}) {
        SCOPED_TRACE(run ? "page run" : "whole run");
        dm->CheckForms(run);
        const auto page = AlertsOf(dm->cdsAlert, 1012);
        QStringList found;
        for (const AlertRow& r : page)
            if (r.code == QLatin1String("A-012") || r.code == QLatin1String("A-090"))
                found << r.code + QLatin1Char(' ') + r.fieldName;
        EXPECT_EQ(found, (QStringList{"A-012 before", "A-090 "}));
        for (const AlertRow& r : page) {
            if (r.code != QLatin1String("A-090"))
                continue;
            EXPECT_EQ(r.type, 10);
            EXPECT_TRUE(r.chn.contains(QLatin1String("Currency overflow")));
            EXPECT_TRUE(r.por.startsWith(QStringLiteral("A verificação desta página não foi concluída")));
        }
        // The sections after it still ran.
        EXPECT_EQ(AlertsOf(dm->cdsAlert, 6012).empty(), false);
        expectListAtRest();
    }
}

TEST_F(CheckFormsTest, ListIsReleasedEvenWhenNoFindingCanBeRecorded)
{
    setOverflowList(dm->cdsM1P1, QStringLiteral("/x/"));
    dm->cdsAlert.beforePost = [](qx::ClientDataSet&) { throw qx::DataSetError("alert list broken"); };
    EXPECT_THROW(dm->CheckForms(nullptr), qx::DataSetError);
    EXPECT_FALSE(dm->cdsAlert.controlsDisabled());
    EXPECT_EQ(dm->cdsAlert.state(), qx::DataSetState::Browse);
}

}  // namespace

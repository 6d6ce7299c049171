// RecalcDataSet: the order in which a page's sources are refreshed, what a refresh leaves alone,
// and that a refresh neither asks the user anything nor counts as a change.
#include "support/DmFixture.h"

namespace {

using qx::ClientDataSet;
using qx::Currency;

class Recalc : public DmFixture {
protected:
    // Records every page post (a page refresh ends in its post handlers).
    void RecordRefreshes()
    {
        for (ClientDataSet* ds : dm->AllDataSets()) {
            auto original = ds->afterPost;
            ds->afterPost = [this, original](ClientDataSet& d) {
                refreshed << d.name();
                if (original)
                    original(d);
            };
        }
    }
    QStringList Recalculate(ClientDataSet& ds)
    {
        refreshed.clear();
        QString visited;
        dm->RecalcDataSet(ds, visited);
        return refreshed;
    }
    void SetSector(int sector) { PostField(dm->cdsSys, "Sector_ID", QString::number(sector)); }

    QStringList refreshed;
};

TEST_F(Recalc, AnexoABackPageRefreshesItsSourcesDepthFirst)
{
    RecordRefreshes();
    EXPECT_EQ(Recalculate(dm->cdsAnexoAP2),
              QStringList({"cdsM3P1", "cdsAnexoBP1", "cdsAnexoAP1", "cdsM4P1", "cdsAnexoBP2", "cdsAnexoAP2"}));
}

TEST_F(Recalc, M1LeftBackPageFollowsTheSectorsAnexoAFrontPage)
{
    RecordRefreshes();
    const struct {
        int sector;
        QStringList order;
    } cases[] = {
        {-1, {"cdsM1P2"}},
        {0, {"cdsM4P1", "cdsAnexoBP2", "cdsAnexoBP1", "cdsAnexoAP1", "cdsM1P2"}},
        {11, {"cdsAnexoBSegP1", "cdsAnexoBSegP2", "cdsAnexoASegP1", "cdsM1P2"}},
        {21, {"cdsM4P1", "cdsAnexoBBankP2", "cdsAnexoBBankP1", "cdsAnexoABankP1", "cdsM1P2"}},
        {5, {"cdsM1P2"}},
    };
    for (const auto& c : cases) {
        SetSector(c.sector);
        EXPECT_EQ(Recalculate(dm->cdsM1P2), c.order) << "sector " << c.sector;
    }
}

TEST_F(Recalc, EachDataSetOncePerPass)
{
    RecordRefreshes();
    QString visited;
    dm->RecalcDataSet(dm->cdsAnexoAP2, visited);
    refreshed.clear();
    dm->RecalcDataSet(dm->cdsAnexoBP2, visited);
    dm->RecalcDataSet(dm->cdsAnexoAP2, visited);
    EXPECT_TRUE(refreshed.isEmpty());
    EXPECT_EQ(Recalculate(dm->cdsAnexoBP2), QStringList({"cdsAnexoBP1", "cdsAnexoAP1", "cdsM4P1", "cdsAnexoBP2"}));
}

TEST_F(Recalc, RefreshTakesTheSourcesCurrentValues)
{
    // Sector 11, line I.22 of the insurance Anexo A front page = 1000, every M/1 line empty.
    SetSector(11);
    dm->cdsAnexoASegP1.onCalcFields = [](ClientDataSet& ds) {
        ds.fieldByName(u"i_r22_mop").setAsCurrency(Currency::fromUnits(1000));
    };
    Recalculate(dm->cdsM1P2);
    for (const char* line : {"r1_mop", "r21_mop", "r32_mop", "r36_mop"})
        EXPECT_EQ(dm->cdsM1P2.fieldByName(QString::fromLatin1(line)).asCurrency(), Currency::fromUnits(1000)) << line;
}

TEST_F(Recalc, PageBeingEditedIsNotPostedButItsSourcesAre)
{
    RecordRefreshes();
    ClientDataSet& front = dm->cdsAnexoAP1;
    front.edit();
    front.fieldByName(u"I_R4_Mop").setAsString(QStringLiteral("321"));

    EXPECT_EQ(Recalculate(dm->cdsAnexoAP1), QStringList({"cdsM4P1", "cdsAnexoBP2", "cdsAnexoBP1"}));
    EXPECT_EQ(front.state(), qx::DataSetState::Edit);
    EXPECT_EQ(front.fieldByName(u"I_R4_Mop").asCurrency(), Currency::fromUnits(321));
    EXPECT_EQ(messages.shown.size(), 0u);
}

TEST_F(Recalc, FailedPostIsUndoneWithoutAQuestionAndThePassGoesOn)
{
    RecordRefreshes();
    messages.answer(QStringLiteral("DM-016"), mrNo);
    ClientDataSet& failing = dm->cdsAnexoBP1;
    failing.beforePost = [](ClientDataSet&) { throw qx::DataSetError("refused"); };

    EXPECT_EQ(Recalculate(dm->cdsAnexoAP1), QStringList({"cdsM4P1", "cdsAnexoBP2", "cdsAnexoAP1"}));
    EXPECT_EQ(failing.state(), qx::DataSetState::Browse);
    EXPECT_TRUE(messages.shown.empty());

    // The page can be edited and cancelled as usual afterwards: DM-016 is asked again.
    failing.edit();
    failing.fieldByName(u"I_R1_Mop").setAsString(QStringLiteral("1"));
    EXPECT_THROW(failing.cancel(), qx::SilentAbort);
    EXPECT_EQ(messages.codes(), QStringList({"DM-016"}));
}

class RecalcList : public Recalc {
protected:
    // Rows of the list without its row checks, which are not what these tests are about.
    void AddRows(ClientDataSet& list, int rows)
    {
        list.beforePost = nullptr;
        list.afterPost = nullptr;
        for (int i = 0; i < rows; ++i) {
            list.append();
            list.fieldByName(u"Col1_Mop").setAsCurrency(Currency::fromUnits(i + 1));
            list.post();
        }
    }
    int WatchCalc(ClientDataSet& list)
    {
        auto original = list.onCalcFields;
        list.onCalcFields = [this, original](ClientDataSet& ds) {
            ++calcs;
            if (original)
                original(ds);
        };
        return 0;
    }
    int WatchScrolls(ClientDataSet& list)
    {
        return list.addObserver([this](qx::DataEvent e) {
            if (e == qx::DataEvent::ScrollChanged)
                ++scrolls;
        });
    }
    int calcs = 0;
    int scrolls = 0;
};

TEST_F(RecalcList, EmptyListIsNotMoved)
{
    for (ClientDataSet* list : {&dm->cdsM3VCLF, &dm->cdsM3AAli, &dm->cdsM3AAba}) {
        scrolls = 0;
        const int handle = WatchScrolls(*list);
        Recalculate(*list);
        EXPECT_EQ(scrolls, 0) << list->name().toStdString();
        list->removeObserver(handle);
    }
}

TEST_F(RecalcList, ListRecomputesItsCurrentRowAndStaysOnIt)
{
    ClientDataSet& list = dm->cdsM3AAli;
    AddRows(list, 3);
    WatchCalc(list);
    for (int row : {2, 3, 1}) {
        list.setRecNo(row);
        calcs = 0;
        Recalculate(list);
        EXPECT_EQ(list.recNo(), row);
        EXPECT_GE(calcs, 1) << "row " << row;
        EXPECT_EQ(list.changeCount(), 3);  // the three inserts, nothing posted by the refresh
    }
}

TEST_F(RecalcList, ListInEditIsNotMoved)
{
    ClientDataSet& list = dm->cdsM3AAli;
    AddRows(list, 2);
    list.first();
    list.edit();
    scrolls = 0;
    WatchScrolls(list);
    Recalculate(list);
    EXPECT_EQ(list.state(), qx::DataSetState::Edit);
    EXPECT_EQ(scrolls, 0);
    list.cancel();
}

// A refresh that changes no stored value is no change, so saving right after an open that
// found nothing asks nothing.
TEST_F(Recalc, RefreshThatChangesNothingIsNoChange)
{
    PostField(dm->cdsM1P2, "R2_Mop", QStringLiteral("10"));
    for (ClientDataSet* ds : dm->AllDataSets())
        if (ds->active())
            ds->mergeChangeLog();  // as a save leaves them

    QStringList changed;
    for (ClientDataSet* ds : dm->AllDataSets()) {
        if (!ds->active() || ds == &dm->cdsAlert)
            continue;
        Recalculate(*ds);
        if (ds->changeCount() > 0)
            changed << ds->name();
    }
    EXPECT_EQ(changed, QStringList());
    EXPECT_EQ(dm->cdsM1P2.fieldByName(u"r21_mop").asCurrency(), Currency::fromUnits(10));
}

}  // namespace

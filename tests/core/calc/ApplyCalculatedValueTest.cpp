// Offering a computed value to an input field: DM-001 when it is already there, DM-002 otherwise,
// and the field changes only on Yes, without a post.
#include "support/DmFixture.h"

namespace {

using qx::ClientDataSet;
using qx::Currency;

class ApplyCalculated : public DmFixture {
protected:
    ClientDataSet& page() { return dm->cdsM1P2; }
    qx::Field& line2() { return page().fieldByName(u"R2_Mop"); }
};

TEST_F(ApplyCalculated, EqualValueIsRefusedWithDM001AndTouchesNothing)
{
    EXPECT_FALSE(dm->ApplyCalculatedValue(line2(), Currency()));
    ASSERT_EQ(messages.shown.size(), 1u);
    const ShownMessage& m = messages.shown.front();
    EXPECT_EQ(m.code, QStringLiteral("DM-001"));
    EXPECT_EQ(m.dlgType, dtInformation);
    EXPECT_EQ(m.chn, QStringLiteral("現值與自動計算值相同"));
    EXPECT_EQ(m.por, QStringLiteral("O valor actual é igual ao valor calculado automaticamente."));
    EXPECT_EQ(m.eng, QString());
    EXPECT_EQ(page().state(), qx::DataSetState::Browse);
}

TEST_F(ApplyCalculated, DM002ShowsZeroAsZeroAndTheValueAsDisplayed)
{
    messages.answer(QStringLiteral("DM-002"), mrNo);
    EXPECT_FALSE(dm->ApplyCalculatedValue(line2(), Currency::fromUnits(1500)));
    ASSERT_EQ(messages.shown.size(), 1u);
    const ShownMessage& m = messages.shown.front();
    EXPECT_EQ(m.code, QStringLiteral("DM-002"));
    EXPECT_EQ(m.dlgType, dtQuestion);
    EXPECT_EQ(m.chn, QStringLiteral("是否將現值 0\r\n更改為自動計算值 1,500 ？"));
    EXPECT_EQ(m.por, QStringLiteral("Confirma a alteração do valor actual 0, para o valor calculado automaticamente 1,500 ？"));
    EXPECT_EQ(page().state(), qx::DataSetState::Browse);
    EXPECT_EQ(line2().asCurrency(), Currency());

    // A negative current value in parentheses; a computed zero as "0".
    PostField(page(), "R2_Mop", QStringLiteral("-50"));
    messages.clear();
    dm->ApplyCalculatedValue(line2(), Currency());
    EXPECT_EQ(messages.shown.at(0).chn, QStringLiteral("是否將現值 (50)\r\n更改為自動計算值 0？"));
}

TEST_F(ApplyCalculated, YesPutsTheValueInWithoutPosting)
{
    const int changes = page().changeCount();
    EXPECT_TRUE(dm->ApplyCalculatedValue(line2(), Currency::fromUnits(1500)));
    EXPECT_EQ(page().state(), qx::DataSetState::Edit);
    EXPECT_EQ(line2().asCurrency(), Currency::fromUnits(1500));
    EXPECT_EQ(page().changeCount(), changes);
    EXPECT_EQ(page().fieldByName(u"r21_mop").asCurrency(), Currency::fromUnits(1500));
    page().post();
    EXPECT_EQ(page().fieldByName(u"R2_Mop").asCurrency(), Currency::fromUnits(1500));
}

TEST_F(ApplyCalculated, RecordBeingInsertedStaysInInsert)
{
    ClientDataSet& list = dm->cdsM3AAli;
    list.append();
    EXPECT_TRUE(dm->ApplyCalculatedValue(list.fieldByName(u"Col1_Mop"), Currency::fromUnits(7)));
    EXPECT_EQ(list.state(), qx::DataSetState::Insert);
    EXPECT_EQ(list.fieldByName(u"Col1_Mop").asCurrency(), Currency::fromUnits(7));
    list.cancel();
}

TEST_F(ApplyCalculated, FieldValueOffersTheSourceValue)
{
    PostField(dm->cdsM1P3, "Div_Lucros_Mop_R1", QStringLiteral("900"));
    EXPECT_TRUE(dm->ApplyCalcFieldValue(dm->cdsM1P3.fieldByName(u"div_lucros_mop_total"), line2()));
    EXPECT_EQ(line2().asCurrency(), Currency::fromUnits(900));
    page().post();
    EXPECT_FALSE(dm->ApplyCalcFieldValue(dm->cdsM1P3.fieldByName(u"div_lucros_mop_total"), line2()));
    EXPECT_EQ(messages.codes().last(), QStringLiteral("DM-001"));
}

}  // namespace

// Amounts that leave the currency range: the flagged field holds 0, is listed once in its
// record's overflow_fields, shows asterisks, and flags every line computed or copied from it.
#include "core/calc/CalcPageFixture.h"
#include "core/calc/Guard.h"

namespace {

using qx::ClientDataSet;
using qx::Currency;

class Overflow : public CalcPageFixture {
protected:
    void SetLines(ClientDataSet& page, std::initializer_list<std::pair<const char*, QString>> values)
    {
        page.edit();
        for (const auto& [name, text] : values)
            page.fieldByName(QString::fromLatin1(name)).setAsString(text);
        page.post();
    }
    static QString Shown(const ClientDataSet& page, const char* name)
    {
        return page.fieldByName(QString::fromLatin1(name)).displayText();
    }
    int FindingsOn(int objCode, const QString& fieldName)
    {
        ClientDataSet& alerts = dm->cdsAlert;
        int n = 0;
        for (int row = 1; row <= alerts.recordCount(); ++row) {
            alerts.setRecNo(row);
            if (alerts.fieldByName(u"Obj_Code").asInteger() == objCode
                && alerts.fieldByName(u"Field_Name").asString() == fieldName
                && alerts.fieldByName(u"Msg_Code").asString() == QLatin1String("A-012"))
                ++n;
        }
        return n;
    }
};

TEST_F(Overflow, SumOverTheRangeFlagsItsLineAndEveryLineBuiltOnIt)
{
    ClientDataSet& p = dm->cdsM1P2;
    SetLines(p, {{"R2_Mop", QStringLiteral("922337203685477")}, {"R3_Mop", QStringLiteral("922337203685477")}, {"R22_Mop", QStringLiteral("5")},
                 {"R33_Mop", QStringLiteral("7")}});

    // Line 32 (21 - 5) and line 36 (32 - 7) are no figures either: asterisks, 0, each reported.
    EXPECT_EQ(Overflowed(p), QStringLiteral("/r21_mop//r32_mop//r36_mop/"));
    for (const char* line : {"r21_mop", "r32_mop", "r36_mop"}) {
        EXPECT_TRUE(Flagged(p, line)) << line;
        EXPECT_EQ(Shown(p, line), kAsterisks) << line;
        EXPECT_EQ(FindingsOn(1012, QString::fromLatin1(line)), 1) << line;
    }
}

TEST_F(Overflow, FieldsAreListedInTheOrderTheyOverflowed)
{
    ClientDataSet& p = dm->cdsM1P2;
    // Line 21 overflows in its sum, line 32 in its difference (9e14 - (-9e14)).
    SetLines(p, {{"R2_Mop", kNearLimit}, {"R3_Mop", kNearLimit}, {"R22_Mop", QStringLiteral("-") + kNearLimit},
                 {"R23_Mop", QStringLiteral("-") + kNearLimit}});
    EXPECT_EQ(Overflowed(p), QStringLiteral("/r21_mop//r32_mop//r36_mop/"));

    SetLines(p, {{"R3_Mop", QStringLiteral("0")}});
    EXPECT_EQ(Overflowed(p), QStringLiteral("/r32_mop//r36_mop/"));
    EXPECT_EQ(Amount(p, "r21_mop"), Currency::parse(kNearLimit));
    EXPECT_EQ(Shown(p, "r21_mop"), QStringLiteral("900,000,000,000,000 "));
}

TEST_F(Overflow, AListColumnBuiltOnAnOverflowedColumnIsFlaggedToo)
{
    const QString minus = QStringLiteral("-") + kNearLimit;
    const struct {
        ClientDataSet& list;
        const char* first;
        const char* second;
        QString secondValue;
        const char* overflowed;
        const char* builtOnIt;
    } cases[] = {
        {dm->cdsM3VCLF, "Col1_Mop", "Col2_Mop", minus, "col3_mop", "col8_mop"},  // 3 = 1 - 2; 8 = 3 - 7
        {dm->cdsM3AAli, "Col1_Mop", "Col4_Mop", kNearLimit, "col6_mop", "col8_mop"},  // 6 = 1 + 4 - 2; 8 = 6 - 7
        {dm->cdsM3AAba, "Col1_Mop", "Col3_Mop", minus, "col5_mop", "col7_mop"},  // 5 = 1 - 3; 7 = 6 - 5
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list.name().toStdString());
        c.list.append();
        c.list.fieldByName(QLatin1String(c.first)).setAsString(kNearLimit);
        c.list.fieldByName(QLatin1String(c.second)).setAsString(c.secondValue);
        EXPECT_TRUE(Flagged(c.list, c.overflowed));
        EXPECT_TRUE(Flagged(c.list, c.builtOnIt));
        EXPECT_EQ(Shown(c.list, c.builtOnIt), kAsterisks);
        TdmMain::SuppressCancelQuestion quiet(*dm);
        c.list.cancel();
    }
}

TEST_F(Overflow, FieldOverflowingInTwoSeriesIsListedAndReportedOnce)
{
    ClientDataSet& p = dm->cdsM1P2;
    SetLines(p, {{"R33_Mop", kNearLimit}, {"R34_Mop", kNearLimit}, {"R35_1_Mop", kNearLimit},
                 {"R35_2_Mop", kNearLimit}});
    EXPECT_EQ(Overflowed(p), QStringLiteral("/r36_mop/"));
    EXPECT_EQ(FindingsOn(1012, QStringLiteral("r36_mop")), 1);
}

TEST_F(Overflow, FlaggedFieldKeepsZeroThroughLaterSteps)
{
    ClientDataSet& p = dm->cdsM1P2;
    // The sum of lines 22-31 overflows: line 32 must not become line 21 - 0.
    SetLines(p, {{"R2_Mop", QStringLiteral("100")}, {"R22_Mop", kNearLimit}, {"R23_Mop", kNearLimit},
                 {"R33_Mop", QStringLiteral("7")}});
    EXPECT_EQ(Amount(p, "r21_mop"), Currency::fromUnits(100));
    EXPECT_EQ(Amount(p, "r32_mop"), Currency());
    EXPECT_EQ(Shown(p, "r32_mop"), kAsterisks);
    EXPECT_TRUE(Flagged(p, "r36_mop")) << "line 36 is built on line 32";

    // The first series of line 36 overflows: the second series and the difference leave it at 0.
    SetLines(p, {{"R22_Mop", QStringLiteral("0")}, {"R23_Mop", QStringLiteral("0")}, {"R33_Mop", kNearLimit},
                 {"R34_Mop", kNearLimit}, {"R35_1_Mop", QStringLiteral("5")}});
    EXPECT_EQ(Amount(p, "r32_mop"), Currency::fromUnits(100));
    EXPECT_EQ(Amount(p, "r36_mop"), Currency());
    EXPECT_EQ(Overflowed(p), QStringLiteral("/r36_mop/"));
}

TEST_F(Overflow, DividendTotalOverflows)
{
    ClientDataSet& p = dm->cdsM1P3;
    SetLines(p, {{"Div_Lucros_Mop_R1", kNearLimit}, {"Div_Lucros_Mop_R8", kNearLimit}});
    EXPECT_EQ(Amount(p, "div_lucros_mop_total"), Currency());
    EXPECT_EQ(Shown(p, "div_lucros_mop_total"), kAsterisks);
    EXPECT_EQ(FindingsOn(1013, QStringLiteral("div_lucros_mop_total")), 1);
}

TEST_F(Overflow, EveryCalculatedAmountShowsAsterisksWhenFlagged)
{
    // The banking Anexo A back page's line V.1.7 too: a finding must point at a visible mark.
    ClientDataSet& p = dm->cdsAnexoABankP2;
    p.onCalcFields = [this](ClientDataSet& ds) { dm->FlagOverflow(ds.fieldByName(u"v_r1_7_mop")); };
    p.refresh();
    EXPECT_EQ(Shown(p, "v_r1_7_mop"), kAsterisks);
    EXPECT_EQ(Overflowed(p), QStringLiteral("/v_r1_7_mop/"));
}

// A record of the test's own with many long-named calculated amounts.
class OverflowList : public DmFixture {
protected:
    bool OpensFolder() const override { return false; }

    void Build(int amounts, std::function<void(ClientDataSet&)> calc)
    {
        for (int i = 1; i <= amounts; ++i)
            rec.addFieldDef({.name = QStringLiteral("a_rather_long_calculated_line_%1_mop").arg(i, 3, 10, QLatin1Char('0')),
                             .type = qx::FieldType::Currency,
                             .kind = qx::FieldKind::Calculated,
                             .displayFormat = QStringLiteral(",0\" \";\"(\",0\")\";\"--- \"")});
        rec.addFieldDef({.name = QStringLiteral("In_Mop"), .type = qx::FieldType::Currency});
        rec.addFieldDef({.name = QStringLiteral("overflow_fields"), .type = qx::FieldType::String,
                         .kind = qx::FieldKind::Calculated, .size = 1000});
        for (int i = 0; i < rec.fieldCount(); ++i)
            if (rec.field(i).fieldKind() == qx::FieldKind::Calculated && rec.field(i).dataType() == qx::FieldType::Currency)
                rec.field(i).onGetText = [this](qx::Field& f, QString& t, bool d) { dm->cdsM1P2r21_mopGetText(f, t, d); };
        rec.onCalcFields = std::move(calc);
        rec.createDataSet();
        rec.append();
        rec.post();
    }

    ClientDataSet rec{QStringLiteral("cdsTestRecord")};
};

TEST_F(OverflowList, LongListKeepsEveryNameWhole)
{
    const int amounts = 60;  // 60 names of 35 characters: more than twice the field's width
    Build(amounts, [this](ClientDataSet& ds) {
        for (int i = 0; i < ds.fieldCount(); ++i)
            if (ds.field(i).fieldName().endsWith(QLatin1String("_mop")))
                dm->FlagOverflow(ds.field(i));
    });
    const QString list = rec.fieldByName(u"overflow_fields").asString();
    EXPECT_GT(list.size(), 1000);
    EXPECT_TRUE(list.endsWith(QLatin1String("/a_rather_long_calculated_line_060_mop/")));
    EXPECT_EQ(list.count(QLatin1Char('/')), 2 * amounts);
    for (int i = 0; i < rec.fieldCount(); ++i)
        if (rec.field(i).fieldKind() == qx::FieldKind::Calculated && rec.field(i).dataType() == qx::FieldType::Currency)
            EXPECT_EQ(rec.field(i).displayText(), kAsterisks) << rec.field(i).fieldName().toStdString();
}

TEST_F(OverflowList, GuardFlagsOnlyArithmeticFaults)
{
    bool unknownFieldPassedOn = false;
    bool dataErrorPassedOn = false;
    Build(2, [&](ClientDataSet& ds) {
        qx::Field& first = ds.field(0);
        qx::Field& second = ds.field(1);
        Guarded(*dm, first, [&] { return Currency::max() + ds.fieldByName(u"In_Mop").asCurrency(); });
        try {
            dm->AddFieldSeries(second, QStringLiteral("No_Such_%d_Mop"), 1, 2);
        } catch (const qx::DataSetError&) {
            unknownFieldPassedOn = true;
        }
        try {
            Guarded(*dm, second, [&]() -> Currency { throw qx::DataSetError("not arithmetic"); });
        } catch (const qx::DataSetError&) {
            dataErrorPassedOn = true;
        }
    });
    EXPECT_EQ(rec.fieldByName(u"overflow_fields").asString(), QString());  // In_Mop is 0: max + 0 fits

    rec.edit();
    rec.fieldByName(u"In_Mop").setAsCurrency(Currency::fromRaw(1));
    EXPECT_EQ(rec.fieldByName(u"overflow_fields").asString(), QStringLiteral("/a_rather_long_calculated_line_001_mop/"));
    EXPECT_TRUE(unknownFieldPassedOn);
    EXPECT_TRUE(dataErrorPassedOn);
    rec.cancel();
}

TEST_F(OverflowList, GuardedStepOnFlaggedTargetDoesNothing)
{
    int ran = 0;
    Build(1, [&](ClientDataSet& ds) {
        qx::Field& target = ds.field(0);
        dm->FlagOverflow(target);
        Guarded(*dm, target, [&] { ++ran; return Currency::fromUnits(42); });
        dm->AddFieldSeries(target, QStringLiteral("In_Mop"), 1, 1);
    });
    EXPECT_EQ(ran, 0);
    EXPECT_EQ(rec.field(0).asCurrency(), Currency());
    EXPECT_EQ(rec.fieldByName(u"overflow_fields").asString(), QStringLiteral("/a_rather_long_calculated_line_001_mop/"));
}

}  // namespace

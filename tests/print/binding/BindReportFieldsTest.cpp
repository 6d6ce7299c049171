#include "platform/report/ReportPage.h"
#include "print/binding/BindReportFields.h"
#include "print/binding/PageCodes.h"
#include "support/DmFixture.h"

using qx::report::ReportBand;
using qx::report::ReportDataText;

namespace {

struct Box {
    int top, left;
    const char* field;  // editor side: the field; report side: the data text's name
};

class BindReportFieldsTest : public DmFixture {
protected:
    bool OpensFolder() const override { return false; }
    void SetUp() override
    {
        DmFixture::SetUp();
        SetAutoMapPresenter([this] { ++autoMapShown; });
    }
    void TearDown() override
    {
        SetAutoMapPresenter({});
        DmFixture::TearDown();
    }

    EditorPageControls page(std::initializer_list<Box> boxes, qx::ClientDataSet& ds)
    {
        EditorPageControls p{QStringLiteral("ScrollBoxP2"), {}};
        for (const Box& b : boxes)
            p.controls.push_back({EditorControl::Kind::Edit, b.top, b.left, &ds, QString::fromLatin1(b.field)});
        return p;
    }
    void addTexts(std::initializer_list<Box> boxes)
    {
        for (const Box& b : boxes) {
            auto& t = band().add<ReportDataText>(QString::fromLatin1(b.field));
            t.top = b.top;
            t.left = b.left;
            t.dataField = QStringLiteral("TEST");
        }
    }
    QString boundField(const char* text) const
    {
        auto* t = dynamic_cast<ReportDataText*>(band().findChild(QString::fromLatin1(text)));
        return t ? t->dataField : QStringLiteral("?");
    }
    std::vector<int> lines(qx::ClientDataSet& table) const
    {
        std::vector<int> out;
        for (table.first(); !table.eof(); table.next())
            out.push_back(table.fieldByName(u"Line").asInteger());
        return out;
    }

    std::unique_ptr<ReportBand> bandPtr = std::make_unique<ReportBand>(ReportBand::Kind::Detail, QStringLiteral("DetailBandP2"));
    ReportBand& band() const { return *bandPtr; }
    int autoMapShown = 0;
};

}  // namespace

// Lines gather the controls within 5 pixels below a line's first control, on both sides alike.
TEST_F(BindReportFieldsTest, LinesGatherControlsWithinFivePixelsOfTheFirst)
{
    struct Case {
        const char* what;
        std::initializer_list<Box> boxes;
        std::vector<int> lines;  // in "Line;Left" order
    };
    const Case cases[] = {
        {"5 pixels apart", {{100, 10, "A"}, {105, 50, "B"}}, {1, 1}},
        {"6 pixels apart", {{100, 10, "A"}, {106, 50, "B"}}, {1, 2}},
        {"drifting by 3", {{100, 10, "A"}, {103, 50, "B"}, {106, 90, "C"}, {109, 130, "D"}}, {1, 1, 2, 2}},
        {"first row opens line 1", {{0, 0, "A"}}, {1}},
    };
    for (const Case& c : cases) {
        bandPtr = std::make_unique<ReportBand>(ReportBand::Kind::Detail, QStringLiteral("DetailBandP2"));
        addTexts(c.boxes);
        EXPECT_TRUE(BindReportFields(page(c.boxes, dm->cdsM1P2), *bandPtr, 0, 756)) << c.what;
        EXPECT_EQ(lines(dm->cdsFormField), c.lines) << c.what;
        EXPECT_EQ(lines(dm->cdsRptField), c.lines) << c.what;
    }
    EXPECT_EQ(autoMapShown, 0);
    EXPECT_TRUE(messages.shown.empty());
}

// The n-th control in reading order pairs with the n-th data text in reading order, whatever the
// child order and however the tops vary within a line; labels and other controls do not count.
TEST_F(BindReportFieldsTest, PairsInReadingOrderAndTakesDataSetAndField)
{
    EditorPageControls p = page({{203, 300, "R3_Mop"}, {200, 20, "R2_Desc"}, {100, 300, "R1_Mop"}, {102, 20, "R1_Desc"}},
                                dm->cdsM1P2);
    p.controls.push_back({EditorControl::Kind::Other, 150, 20, &dm->cdsM1P2, QStringLiteral("Label")});
    p.controls.push_back({EditorControl::Kind::CheckBox, 400, 40, &dm->cdsM1P3, QStringLiteral("Tick")});
    p.controls.push_back({EditorControl::Kind::Text, 400, 10, &dm->cdsSys, QStringLiteral("sector_por")});
    band().add<qx::report::ReportLabel>(QStringLiteral("QRLabel1")).top = 100;
    addTexts({{400, 12, "T7"}, {99, 1, "T1"}, {201, 290, "T4"}, {101, 280, "T2"}, {402, 45, "T8"}, {197, 2, "T3"}});
    ASSERT_TRUE(BindReportFields(p, band(), 0, 756));
    const std::pair<const char*, const char*> expected[] = {
        {"T1", "R1_Desc"}, {"T2", "R1_Mop"}, {"T3", "R2_Desc"}, {"T4", "R3_Mop"}, {"T7", "sector_por"}, {"T8", "Tick"}};
    for (const auto& [text, field] : expected)
        EXPECT_EQ(boundField(text), QString::fromLatin1(field)) << text;
    auto dataSetOf = [&](const char* t) { return dynamic_cast<ReportDataText*>(band().findChild(QString::fromLatin1(t)))->dataSet; };
    EXPECT_EQ(dataSetOf("T1"), &dm->cdsM1P2);
    EXPECT_EQ(dataSetOf("T8"), &dm->cdsM1P3);
    EXPECT_EQ(dataSetOf("T7"), nullptr);  // cdsSys is no page dataset
}

// The A3 back band carries pages 2 and 3: Left 800 belongs to page 2, 801 to page 3.
TEST_F(BindReportFieldsTest, LeftLimitsSplitTheA3BackBand)
{
    addTexts({{100, 20, "P2a"}, {100, 800, "P2b"}, {100, 801, "P3a"}, {100, 1500, "P3b"}});
    ASSERT_TRUE(BindReportFields(page({{100, 20, "R1"}, {100, 700, "R2"}}, dm->cdsM1P2), band(), 0, 800));
    ASSERT_TRUE(BindReportFields(page({{100, 20, "S1"}, {100, 700, "S2"}}, dm->cdsM1P3), band(), 801, 1549));
    EXPECT_EQ(boundField("P2b"), QStringLiteral("R2"));
    EXPECT_EQ(boundField("P3a"), QStringLiteral("S1"));
    EXPECT_EQ(boundField("P3b"), QStringLiteral("S2"));
}

TEST_F(BindReportFieldsTest, OneControlTooManyIsPs001AndBindsNothing)
{
    addTexts({{100, 20, "T1"}, {100, 300, "T2"}});
    EXPECT_FALSE(BindReportFields(page({{100, 20, "A"}, {100, 300, "B"}, {130, 20, "C"}}, dm->cdsM1P2), band(), 0, 756));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].code, QStringLiteral("PS-001"));
    EXPECT_EQ(messages.shown[0].dlgType, dtError);
    EXPECT_EQ(messages.shown[0].chn, QStringLiteral("ScrollBoxP2: Fields in form 3 <> DetailBandP2: Fields in report 2"));
    EXPECT_EQ(messages.shown[0].por, QStringLiteral("Fields in form <> Fields in Report"));
    EXPECT_TRUE(messages.shown[0].eng.isEmpty());
    EXPECT_EQ(autoMapShown, 1);
    EXPECT_EQ(boundField("T1"), QStringLiteral("TEST"));
}

TEST_F(BindReportFieldsTest, ABoxOnAnotherLineIsPs002AtTheFirstDifferingRecord)
{
    // Editor: lines {A B} {C} {D}; report: {T1 T2} {T3 T4}: record 4 is on line 3 against line 2.
    addTexts({{100, 20, "T1"}, {100, 300, "T2"}, {130, 20, "T3"}, {130, 300, "T4"}});
    EXPECT_FALSE(BindReportFields(page({{100, 20, "A"}, {100, 300, "B"}, {130, 20, "C"}, {160, 300, "D"}}, dm->cdsM1P2),
                                  band(), 0, 756));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].code, QStringLiteral("PS-002"));
    EXPECT_EQ(messages.shown[0].chn,
              QStringLiteral("RecNo=4, RecNo=4, Fields in form line=3 <> Fields in report line=2"));
    EXPECT_EQ(autoMapShown, 1);
    EXPECT_EQ(boundField("T3"), QStringLiteral("C"));  // the pairs before it stay bound
    EXPECT_EQ(boundField("T4"), QStringLiteral("TEST"));
}

TEST_F(BindReportFieldsTest, PageCodesCoverExactlyTheEighteenPageDataSets)
{
    int mapped = 0;
    for (qx::ClientDataSet* ds : dm->AllDataSets()) {
        const int code = PageCodeOfDataSet(*dm, ds);
        if (code == 0)
            continue;
        ++mapped;
        EXPECT_EQ(code, dm->ObjCodeOf(*ds));
        EXPECT_EQ(DataSetOfPageCode(*dm, code), ds);
    }
    EXPECT_EQ(mapped, 18);
    EXPECT_EQ(PageCodeOfDataSet(*dm, &dm->cdsM3VCLF), 0);
    EXPECT_EQ(PageCodeOfDataSet(*dm, nullptr), 0);
    EXPECT_EQ(DataSetOfPageCode(*dm, 4012), nullptr);
    EXPECT_EQ(DataSetOfPageCode(*dm, 0), nullptr);
}

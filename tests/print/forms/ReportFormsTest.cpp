#include "FormsFixture.h"

#include "platform/layout/PageLayout.h"
#include "print/forms/ReportPageTable.h"

using namespace qx::report;

namespace {

class ReportFormsTest : public FormsFixture {
protected:
    bool OpensFolder() const override { return false; }
    static int dataTexts(const ReportBand& band)
    {
        int n = 0;
        for (int i = 0; i < band.childCount(); ++i)
            n += dynamic_cast<const ReportDataText*>(&band.child(i)) != nullptr;
        return n;
    }
};

}  // namespace

// Paper, band, data texts and default margins of every report page.
TEST_F(ReportFormsTest, EveryReportPageHasItsPaperBandAndMargins)
{
    struct Row {
        const char* form;
        const char* page;
        const char* band;
        PaperSize paper;
        Orientation orientation;
        int width, height, texts;
        double left, top;
    };
    constexpr auto A4 = PaperSize::A4;
    constexpr auto A3 = PaperSize::A3;
    constexpr auto P = Orientation::Portrait;
    constexpr auto L = Orientation::Landscape;
    const Row rows[] = {
        {"FormRpt_AnexoA", "QuickRepP1", "DetailBandP1", A4, P, 756, 1094, 62, 10, 10},
        {"FormRpt_AnexoA", "QuickRepP2", "DetailBandP2", A4, P, 756, 1096, 75, 11.15, 10},
        {"FormRpt_AnexoASeg", "QuickRepP1", "DetailBandP1", A4, P, 756, 1094, 66, 10, 10},
        {"FormRpt_AnexoASeg", "QuickRepP2", "DetailBandP2", A4, P, 756, 1096, 79, 10, 10},
        {"FormRpt_AnexoABank", "QuickRepP1", "DetailBandP1", A4, P, 756, 1094, 81, 10, 10},
        {"FormRpt_AnexoABank", "QuickRepP2", "DetailBandP2", A4, P, 756, 1096, 85, 10, 10},
        {"FormRpt_AnexoB", "QuickRepP1", "DetailBandP1", A4, P, 756, 1123, 71, 11, 10.5},
        {"FormRpt_AnexoB", "QuickRepP2", "DetailBandP2", A4, P, 756, 1120, 45, 10.4, 9.5},
        {"FormRpt_AnexoBSeg", "QuickRepP1", "DetailBandP1", A4, P, 756, 1123, 66, 10, 11},
        {"FormRpt_AnexoBSeg", "QuickRepP2", "DetailBandP2", A4, P, 756, 1120, 47, 10, 10},
        {"FormRpt_AnexoBBank", "QuickRepP1", "DetailBandP1", A4, P, 756, 1123, 72, 10, 10},
        {"FormRpt_AnexoBBank", "QuickRepP2", "DetailBandP2", A4, P, 756, 1120, 61, 10, 10},
        {"FormRpt_M4", "QuickRepP1", "DetailBandP1", A4, L, 1085, 769, 96, 10, 10},
        {"FormRpt_M4", "QuickRepp2", "DetailBandP2", A4, L, 1085, 753, 78, 10, 10},
        {"FormRpt_M1", "QuickRepP1", "DetailBandP1", A3, L, 756, 1051, 49, 219.2, 11},
        {"FormRpt_M1", "QuickRepP2P3", "DetailBandP2P3", A3, L, 1549, 1078, 114, 8.5, 10.8},
        {"FormRpt_M1_A4", "QuickRepP1", "DetailBandP1", A4, P, 756, 1060, 49, 8.5, 11},
        {"FormRpt_M1_A4", "QuickRepP2", "DetailBandP2", A4, P, 756, 1061, 54, 8.5, 10.8},
        {"FormRpt_M1_A4", "QuickRepP3", "DetailBandP3", A4, P, 764, 1061, 60, 8.5, 10.8},
        {"FormRpt_M1_A4", "QuickRepP4", "QRBand1", A4, P, 718, 1051, 0, 8.5, 10.8},
    };
    for (const Row& r : rows) {
        const QString where = QStringLiteral("%1.%2").arg(QLatin1String(r.form), QLatin1String(r.page));
        ReportPage* page = forms->page(QString::fromLatin1(r.form), QString::fromLatin1(r.page));
        ASSERT_TRUE(page) << qPrintable(where);
        EXPECT_EQ(page->paper, r.paper) << qPrintable(where);
        EXPECT_EQ(page->orientation, r.orientation) << qPrintable(where);
        EXPECT_DOUBLE_EQ(page->leftMargin, r.left) << qPrintable(where);
        EXPECT_DOUBLE_EQ(page->topMargin, r.top) << qPrintable(where);
        ASSERT_EQ(page->bandCount(), 1) << qPrintable(where);
        const ReportBand& band = page->band(0);
        EXPECT_EQ(band.name(), QString::fromLatin1(r.band)) << qPrintable(where);
        EXPECT_EQ(band.width, r.width) << qPrintable(where);
        EXPECT_EQ(band.height, r.height) << qPrintable(where);
        EXPECT_EQ(dataTexts(band), r.texts) << qPrintable(where);
    }
    // Each data text knows the paper page it prints on: the second page of an A3 sheet its own.
    for (const ReportPageSpec& spec : ReportPageSpecs()) {
        const TReportForm& form = *forms->form(QString::fromLatin1(spec.form));
        const ReportPage& page = *form.page(QString::fromLatin1(spec.page));
        for (int i = 0; i < page.band(0).childCount(); ++i) {
            const QString& name = page.band(0).child(i).name;
            if (!dynamic_cast<const ReportDataText*>(&page.band(0).child(i)))
                continue;
            const ItemSource* source = form.itemSource(page, name);
            ASSERT_TRUE(source) << spec.form << " " << qPrintable(name);
            const auto layout = std::find_if(spec.layouts.begin(), spec.layouts.end(),
                                             [&](const char* l) { return source->layout->name == QLatin1String(l); });
            EXPECT_EQ(source->pageCode, spec.pageCode + int(layout - spec.layouts.begin())) << spec.form << " " << qPrintable(name);
        }
    }
}

// Every editor page binds its band clean, as laid out from the page layouts.
TEST_F(ReportFormsTest, AllTwentyEditorPagesBindTheirBandsClean)
{
    EXPECT_TRUE(bound);
    EXPECT_TRUE(messages.shown.empty()) << qPrintable(messages.shown.empty() ? QString() : messages.shown[0].chn);
    EXPECT_EQ(autoMapShown, 0);
    for (const char* form : {"FormRpt_M1", "FormRpt_M1_A4", "FormRpt_AnexoA", "FormRpt_AnexoASeg", "FormRpt_AnexoABank",
                             "FormRpt_AnexoB", "FormRpt_AnexoBSeg", "FormRpt_AnexoBBank", "FormRpt_M4"}) {
        TReportForm* f = forms->form(QString::fromLatin1(form));
        for (int p = 0; p < f->pageCount(); ++p) {
            const ReportBand& band = f->pageAt(p).band(0);
            for (int i = 0; i < band.childCount(); ++i)
                if (auto* t = dynamic_cast<const ReportDataText*>(&band.child(i))) {
                    EXPECT_TRUE(t->dataSet && t->dataSet->findField(t->dataField)) << form << " " << qPrintable(t->name);
                }
        }
    }
}

// An editor's first show binds one page by its report form, band and Left range.
TEST_F(ReportFormsTest, AnEditorPageBindsByFormBandAndRange)
{
    EXPECT_TRUE(BindEditorPage(*forms, *dm, QStringLiteral("ScrollBoxP3"), QStringLiteral("FormRpt_M1"),
                               QStringLiteral("DetailBandP2P3"), 801, -1));
    EXPECT_EQ(dm->cdsFormField.recordCount(), 60);  // page 3's boxes only
    EXPECT_FALSE(BindEditorPage(*forms, *dm, QStringLiteral("ScrollBoxP1"), QStringLiteral("FormRpt_M1"),
                                QStringLiteral("DetailBandP9"), 0, -1));
}

// Before any editor binds them, the data texts carry "TEST" and no dataset, except those of M/1
// page 1, bound to cdsM1P1 from the start (the binding then makes the same pairs).
TEST_F(ReportFormsTest, OnlyM1PageOneIsBoundBeforeTheEditorsBind)
{
    ReportForms fresh(*dm);
    for (const ReportPageSpec& spec : ReportPageSpecs()) {
        const ReportBand& before = fresh.page(QString::fromLatin1(spec.form), QString::fromLatin1(spec.page))->band(0);
        const ReportBand& after = page(spec.form, spec.page).band(0);
        const bool pageOne = QLatin1String(spec.layouts.front()) == QLatin1String("M1P1");
        for (int i = 0; i < before.childCount(); ++i) {
            const auto* t = dynamic_cast<const ReportDataText*>(&before.child(i));
            if (!t)
                continue;
            const auto* bound = dynamic_cast<const ReportDataText*>(&after.child(i));
            EXPECT_EQ(t->dataSet, pageOne ? &dm->cdsM1P1 : nullptr) << spec.form << " " << qPrintable(t->name);
            EXPECT_EQ(t->dataField, pageOne ? bound->dataField : QStringLiteral("TEST")) << spec.form << " " << qPrintable(t->name);
        }
    }
}

#include "platform/report/ReportOutput.h"
#include "print/binding/BindReportFields.h"
#include "print/forms/EditorBindings.h"
#include "print/forms/ReportForms.h"
#include "support/DmFixture.h"

using namespace qx::report;

namespace {

class ReportFormsTest : public DmFixture {
protected:
    bool OpensFolder() const override { return false; }
    void SetUp() override
    {
        DmFixture::SetUp();
        SetAutoMapPresenter([this] { ++autoMapShown; });
        forms = std::make_unique<ReportForms>(*dm);
    }
    void TearDown() override
    {
        forms.reset();
        SetAutoMapPresenter({});
        DmFixture::TearDown();
    }
    static int dataTexts(const ReportBand& band)
    {
        int n = 0;
        for (int i = 0; i < band.childCount(); ++i)
            n += dynamic_cast<const ReportDataText*>(&band.child(i)) != nullptr;
        return n;
    }

    std::unique_ptr<ReportForms> forms;
    int autoMapShown = 0;
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
}

// Every editor page binds its band clean, as laid out from the page layouts.
TEST_F(ReportFormsTest, AllTwentyEditorPagesBindTheirBandsClean)
{
    EXPECT_TRUE(BindReportPagesFromLayouts(*forms, *dm));
    EXPECT_TRUE(messages.shown.empty()) << qPrintable(messages.shown.empty() ? QString() : messages.shown[0].chn);
    EXPECT_EQ(autoMapShown, 0);
    for (const char* form : {"FormRpt_M1", "FormRpt_M1_A4", "FormRpt_AnexoA", "FormRpt_AnexoASeg", "FormRpt_AnexoABank",
                             "FormRpt_AnexoB", "FormRpt_AnexoBSeg", "FormRpt_AnexoBBank", "FormRpt_M4"}) {
        TReportForm* f = forms->form(QString::fromLatin1(form));
        for (int p = 0; p < f->pageCount(); ++p) {
            const ReportBand& band = f->pageAt(p).band(0);
            for (int i = 0; i < band.childCount(); ++i)
                if (auto* t = dynamic_cast<const ReportDataText*>(&band.child(i)))
                    EXPECT_TRUE(t->dataSet && t->dataSet->findField(t->dataField)) << form << " " << qPrintable(t->name);
        }
    }
}

#include "print/forms/TFormRpt_M3A.h"

#include "core/module/TdmMain.h"
#include "print/forms/AssetListColumns.h"

using qx::report::ReportBand;
using qx::report::ReportLabel;
using qx::report::ReportPage;

namespace {

const AssetFaceSpec kFront{"QuickRepP1", "M3AFront", ReportBand::Kind::PageHeader, "QRBand_A_PageHeader", 228,
                           "DetailBand_A", 23, "QRChildBand_A", 22, nullptr, 0, "QRBand_A_PageFooter", 73,
                           10, 10.8, "P1", 1, 20};
const AssetFaceSpec kBack{"QuickRepP2", "M3ABack", ReportBand::Kind::PageHeader, "QRBand_B_PageHeader", 106,
                          "DetailBand_B", 23, "QRChildBand_B", 22, "QRChildBand_BB", 40, "QRBand_B_PageFooter", 197,
                          10, 10.8, "P2", 1, 20};

void setCaption(ReportLabel* label, const QString& text)
{
    if (label)
        label->caption = text;
}

// The page number and the page count of M/3A, taken from the list that has rows on this face.
void showPageNumbers(AssetFace& face, int page, qx::ClientDataSet& counted)
{
    setCaption(face.Label(QStringLiteral("QRLabel_Pag_Num")), QString::number(page));
    setCaption(face.Label(QStringLiteral("QRLabel_Total_Pay_Num")),
               counted.isEmpty() ? QString() : counted.fieldByName(u"m3a_total_pag").asString());
}

}  // namespace

TFormRpt_M3A::TFormRpt_M3A(TdmMain& dm)
    : TReportForm(QStringLiteral("FormRpt_M3A")),
      QuickRepP1(addPage(QString::fromLatin1(kFront.page))),
      QuickRepP2(addPage(QString::fromLatin1(kBack.page))),
      Front(dm, QuickRepP1, kFront, dm.cdsM3AAli, M3AAliSumFields(), false, RowlessFace::BlankRow),
      Back(dm, QuickRepP2, kBack, dm.cdsM3AAba, M3AAbaSumFields(), false, RowlessFace::BlankRow),
      dm_(dm)
{
    BindFaceEvents(QuickRepP1, this, &TFormRpt_M3A::QuickRepP1BeforePrint, &TFormRpt_M3A::QuickRepP1NeedData);
    BindFaceEvents(QuickRepP2, this, &TFormRpt_M3A::QuickRepP2BeforePrint, &TFormRpt_M3A::QuickRepP2NeedData);
}

void TFormRpt_M3A::QuickRepP1BeforePrint(ReportPage& sender, bool& printReport)
{
    Front.ShowMarksForTag(sender.tag);
    const bool backHasRows = Back.RowsOf(PagNum).hasRows();
    Front.Start(PagNum);
    const bool observations = dm_.ObsPageHasText(dm_.cdsM3AObs, PagNum, true);
    printReport = Front.HasRows() || backHasRows || observations;
    showPageNumbers(Front, PagNum, Front.HasRows() ? dm_.cdsM3AAli : dm_.cdsM3AAba);
}

void TFormRpt_M3A::QuickRepP1NeedData(ReportPage&, bool& moreData)
{
    Front.NeedData(moreData);
}

void TFormRpt_M3A::QuickRepP2BeforePrint(ReportPage& sender, bool& printReport)
{
    Back.ShowMarksForTag(sender.tag);
    Back.Start(PagNum);
    const bool observations = dm_.ObsPageHasText(dm_.cdsM3AObs, PagNum, true);
    printReport = Back.HasRows() || observations;
    // The back carries the page number too.
    showPageNumbers(Back, PagNum, Back.HasRows() ? dm_.cdsM3AAba : dm_.cdsM3AAli);
}

void TFormRpt_M3A::QuickRepP2NeedData(ReportPage&, bool& moreData)
{
    Back.NeedData(moreData);
}

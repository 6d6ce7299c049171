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

// The front's page number and page count, taken from the list that has rows on the front.
void showPageNumbers(AssetFace& face, int page, qx::ClientDataSet& counted)
{
    setCaption(face.Label(QStringLiteral("QRLabel_Pag_Num")), QString::number(page));
    setCaption(face.Label(QStringLiteral("QRLabel_Total_Pay_Num")),
               counted.isEmpty() ? QString() : counted.fieldByName(u"m3a_total_pag").asString());
}

}  // namespace

TFormRpt_M3A::TFormRpt_M3A(TdmMain& dm)
    : AssetListForm(QStringLiteral("FormRpt_M3A"), dm,
                    {kFront, dm.cdsM3AAli, M3AAliSumFields(), RowlessFace::BlankRow},
                    {kBack, dm.cdsM3AAba, M3AAbaSumFields(), RowlessFace::BlankRow}, false)
{
}

void TFormRpt_M3A::QuickRepP1BeforePrint(ReportPage& sender, bool& printReport)
{
    const bool backHasRows = Back.RowsOf(PagNum).hasRows();
    printReport = StartFace(Front, sender, PagNum, &dm_.cdsM3AObs, PagNum) || backHasRows;
    showPageNumbers(Front, PagNum, Front.HasRows() ? dm_.cdsM3AAli : dm_.cdsM3AAba);
}

void TFormRpt_M3A::QuickRepP2BeforePrint(ReportPage& sender, bool& printReport)
{
    printReport = StartFace(Back, sender, PagNum, &dm_.cdsM3AObs, PagNum);
}

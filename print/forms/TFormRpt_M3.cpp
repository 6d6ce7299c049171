#include "print/forms/TFormRpt_M3.h"

#include "core/module/TdmMain.h"
#include "print/forms/AssetListColumns.h"

using qx::report::ReportBand;
using qx::report::ReportPage;

namespace {

const AssetFaceSpec kFront{"QuickRepP1", "M3Front", ReportBand::Kind::PageHeader, "QRBand_PageHeader", 400,
                           "DetailBand_A", 23, "QRChildBand_A", 22, nullptr, 0, "QRBand_Footer", 83,
                           11.5, 10, "P1", 1, 12};
const AssetFaceSpec kBack{"QuickRepP2", "M3Back", ReportBand::Kind::Title, "QRBand_B_PageHeader", 123,
                          "DetailBand_B", 22, "QRChildBand_B", 23, "QRChildBand_BB", 40, "QRBand_B_PageFooter", 199,
                          10, 10, "P2", 13, 19};

}  // namespace

TFormRpt_M3::TFormRpt_M3(TdmMain& dm)
    : AssetListForm(QStringLiteral("FormRpt_M3"), dm, {kFront, dm.cdsM3VCLF, M3SumFields(), RowlessFace::Nothing},
                    {kBack, dm.cdsM3VCLF, M3SumFields(), RowlessFace::FillerBand}, true)
{
}

// The front always prints: the header of the first sheet and its rows, none for an empty list.
void TFormRpt_M3::QuickRepP1BeforePrint(ReportPage& sender, bool&)
{
    StartFace(Front, sender, Front.Ordinal(1, 1));
}

void TFormRpt_M3::QuickRepP2BeforePrint(ReportPage& sender, bool& printReport)
{
    // The footer prints the observations of sheet 1.
    printReport = StartFace(Back, sender, Back.Ordinal(1, 2), &dm_.cdsM3Obs, 1);
}

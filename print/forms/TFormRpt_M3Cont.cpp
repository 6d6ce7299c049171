#include "print/forms/TFormRpt_M3Cont.h"

#include "core/module/TdmMain.h"
#include "print/forms/AssetListColumns.h"

using qx::report::ReportBand;
using qx::report::ReportDataText;
using qx::report::ReportFont;
using qx::report::ReportPage;

namespace {

const AssetFaceSpec kFront{"QuickRepP1", "M3ContFront", ReportBand::Kind::PageHeader, "QRBand_PageHeader", 244,
                           "DetailBand_A", 23, "QRChildBand_A", 22, nullptr, 0, "QRBand_Footer", 79,
                           11.5, 10, "P1", 32, 19};
const AssetFaceSpec kBack{"QuickRepP2", "M3ContBack", ReportBand::Kind::Title, "QRBand_B_PageHeader", 125,
                          "DetailBand_B", 22, "QRChildBand_B", 23, "QRChildBand_BB", 40, "QRBand_B_PageFooter", 199,
                          10, 10, "P2", 51, 19};

}  // namespace

TFormRpt_M3Cont::TFormRpt_M3Cont(TdmMain& dm)
    : AssetListForm(QStringLiteral("FormRpt_M3Cont"), dm, {kFront, dm.cdsM3VCLF, M3SumFields(), RowlessFace::Nothing},
                    {kBack, dm.cdsM3VCLF, M3SumFields(), RowlessFace::FillerBand}, true)
{
    // The sheet number: the sheet printed, also where the list's cursor has already moved on to
    // the next sheet when the header prints.
    for (AssetFace* face : {&Front, &Back})
        for (ReportDataText* t : face->DataTexts())
            if (t->dataField.compare(u"pag_num", Qt::CaseInsensitive) == 0)
                t->onPrint = [this](ReportDataText&, QString& text, ReportFont&) { text = QString::number(PagNum); };
}

void TFormRpt_M3Cont::QuickRepP1BeforePrint(ReportPage& sender, bool& printReport)
{
    printReport = StartFace(Front, sender, Front.Ordinal(PagNum, 1));
}

void TFormRpt_M3Cont::QuickRepP2BeforePrint(ReportPage& sender, bool& printReport)
{
    printReport = StartFace(Back, sender, Back.Ordinal(PagNum, 2), &dm_.cdsM3Obs, PagNum);
}

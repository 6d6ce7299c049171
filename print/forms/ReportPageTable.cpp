#include "print/forms/ReportPageTable.h"

using qx::report::Orientation;
using qx::report::PaperSize;

const std::vector<ReportPageSpec>& ReportPageSpecs()
{
    constexpr auto A4 = PaperSize::A4;
    constexpr auto A3 = PaperSize::A3;
    constexpr auto Portrait = Orientation::Portrait;
    constexpr auto Landscape = Orientation::Landscape;
    static const std::vector<ReportPageSpec> specs = {
        {"FormRpt_M1", "QuickRepP1", "DetailBandP1", 1011, A3, Landscape, "A3", {"M1P1"}, "P1", 0, false},
        {"FormRpt_M1", "QuickRepP2P3", "DetailBandP2P3", 1012, A3, Landscape, "A3", {"M1P2", "M1P3"}, "P2", 0, false},
        {"FormRpt_M1_A4", "QuickRepP1", "DetailBandP1", 1011, A4, Portrait, "A4", {"M1P1"}, nullptr, 1, true},
        {"FormRpt_M1_A4", "QuickRepP2", "DetailBandP2", 1012, A4, Portrait, "A4", {"M1P2"}, nullptr, 2, true},
        {"FormRpt_M1_A4", "QuickRepP3", "DetailBandP3", 1013, A4, Portrait, "A4", {"M1P3"}, nullptr, 3, true},
        {"FormRpt_M1_A4", "QuickRepP4", "QRBand1", 1014, A4, Portrait, "A4", {"M1P4"}, nullptr, 4, false},
        {"FormRpt_AnexoA", "QuickRepP1", "DetailBandP1", 2011, A4, Portrait, "A4", {"AnexoAP1"}, "P1", 0, false},
        {"FormRpt_AnexoA", "QuickRepP2", "DetailBandP2", 2012, A4, Portrait, "A4", {"AnexoAP2"}, "P2", 0, false},
        {"FormRpt_AnexoASeg", "QuickRepP1", "DetailBandP1", 2111, A4, Portrait, "A4", {"AnexoASegP1"}, "P1", 0, false},
        {"FormRpt_AnexoASeg", "QuickRepP2", "DetailBandP2", 2112, A4, Portrait, "A4", {"AnexoASegP2"}, "P2", 0, false},
        {"FormRpt_AnexoABank", "QuickRepP1", "DetailBandP1", 2211, A4, Portrait, "A4", {"AnexoABankP1"}, "P1", 0, false},
        {"FormRpt_AnexoABank", "QuickRepP2", "DetailBandP2", 2212, A4, Portrait, "A4", {"AnexoABankP2"}, "P2", 0, false},
        {"FormRpt_AnexoB", "QuickRepP1", "DetailBandP1", 3011, A4, Portrait, "A4", {"AnexoBP1"}, "P1", 0, false},
        {"FormRpt_AnexoB", "QuickRepP2", "DetailBandP2", 3012, A4, Portrait, "A4", {"AnexoBP2"}, "P2", 0, false},
        {"FormRpt_AnexoBSeg", "QuickRepP1", "DetailBandP1", 3111, A4, Portrait, "A4", {"AnexoBSegP1"}, "P1", 0, false},
        {"FormRpt_AnexoBSeg", "QuickRepP2", "DetailBandP2", 3212, A4, Portrait, "A4", {"AnexoBSegP2"}, "P2", 0, false},
        {"FormRpt_AnexoBBank", "QuickRepP1", "DetailBandP1", 3311, A4, Portrait, "A4", {"AnexoBBankP1"}, "P1", 0, false},
        {"FormRpt_AnexoBBank", "QuickRepP2", "DetailBandP2", 3312, A4, Portrait, "A4", {"AnexoBBankP2"}, "P2", 0, false},
        {"FormRpt_M4", "QuickRepP1", "DetailBandP1", 6011, A4, Landscape, "A4", {"M4P1"}, "P1", 0, false},
        {"FormRpt_M4", "QuickRepp2", "DetailBandP2", 6012, A4, Landscape, "A4", {"M4P2"}, "P2", 0, false},
    };
    return specs;
}

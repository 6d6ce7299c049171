#include "ui/editors/M1AutoCalc.h"

namespace {

FieldSource src(const char* dataSet, const char* field)
{
    return {QString::fromLatin1(dataSet), QString::fromLatin1(field)};
}

M1CalcButton same(const char* button, const char* target, const FieldSource& source)
{
    return {button, QString::fromLatin1(target), source, source, source};
}

}  // namespace

const std::vector<M1CalcButton>& M1CalcButtons()
{
    static const std::vector<M1CalcButton> buttons = {
        same("SpeedButton1", "R2_Mop", src("cdsM3P1", "1_r3_col6_mop")),
        same("SpeedButton2", "R3_Mop", src("cdsM4P1", "1_r8_col8_mop")),
        {"SpeedButton3", QStringLiteral("R6_Mop"), src("cdsAnexoBP1", "III_R7_Mop"),
         src("cdsAnexoBSegP2", "VI_R7_Mop"), src("cdsAnexoBBankP2", "V_R7_Mop")},
        {"SpeedButton4", QStringLiteral("R10_Mop"), src("cdsAnexoAP1", "I_R14_Mop"),
         src("cdsAnexoASegP1", "I_R21_Mop"), src("cdsAnexoABankP1", "I_R15_Mop")},
        {"SpeedButton5", QStringLiteral("R12_Mop"), src("cdsAnexoBP1", "II_R9_Mop"),
         src("cdsAnexoBSegP1", "II_R9_Mop"), src("cdsAnexoBBankP1", "II_R9_Mop")},
        same("SpeedButton6", "R23_Mop", src("cdsM4P1", "1_r8_col4_mop")),
        same("SpeedButton14", "R24_Mop", src("cdsM4P1", "1_r8_col6_mop")),
    };
    return buttons;
}

const M1CalcButton* M1CalcButtonFor(const QString& target)
{
    for (const M1CalcButton& b : M1CalcButtons())
        if (b.target.compare(target, Qt::CaseInsensitive) == 0)
            return &b;
    return nullptr;
}

std::optional<FieldSource> M1CalcSource(const M1CalcButton& button, int sectorId)
{
    const bool bySector = !(button.general == button.insurance && button.general == button.banking);
    if (!bySector)
        return button.general;
    switch (sectorId) {
    case 0: return button.general;
    case 11: return button.insurance;
    case 21: return button.banking;
    default: return std::nullopt;
    }
}

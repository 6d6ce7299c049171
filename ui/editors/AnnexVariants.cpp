#include "ui/editors/AnnexVariants.h"

#include <stdexcept>

namespace {

const QStringList kLossesRecalc = {QStringLiteral("cdsM3AAba"), QStringLiteral("cdsM3AAli")};
const QStringList kGainsRecalc = {QStringLiteral("cdsM3AAli"), QStringLiteral("cdsM3AAba")};
const QStringList kM4Recalc = {QStringLiteral("cdsM4P1")};

AnnexCalcButton copy(const char* button, int page, const char* target, const char* dataSet, const char* field,
                     const char* msgCode = "")
{
    return {button, page, QString::fromLatin1(target), {QString::fromLatin1(dataSet)}, AnnexValue::Copy,
            {QString::fromLatin1(dataSet), QString::fromLatin1(field)}, QString::fromLatin1(msgCode)};
}

AnnexCalcButton computed(const char* button, int page, const char* target, AnnexValue value, const char* msgCode)
{
    const QStringList& recalc = value == AnnexValue::Losses ? kLossesRecalc
                              : value == AnnexValue::Gains  ? kGainsRecalc
                                                            : kM4Recalc;
    return {button, page, QString::fromLatin1(target), recalc, value, {}, QString::fromLatin1(msgCode)};
}

}  // namespace

const std::vector<AnnexVariant>& AnnexVariants()
{
    static const std::vector<AnnexVariant> variants = {
        {"TFormFillAnexoA", "FormFillAnexoA", QStringLiteral("附件A　Anexo A"),
         {{{"AnexoAP1", "cdsAnexoAP1", 2011, "I_R1_Mop_Per_Ant", "Criterio_Val_Inv_Outros_Desc_2"},
           {"AnexoAP2", "cdsAnexoAP2", 2012, "IV_R111_Mop_Per_Ant", "IV_R2228_Mop"}}},
         "FormRpt_AnexoA", false, false,
         {copy("SpeedButton2", 2, "IV_R214_Mop_Per_Ant", "cdsAnexoBP2", "VIII_R1_Mop")}},
        {"TFormFillAnexoASeg", "FormFillAnexoASeg", QStringLiteral("附件A（保險業）Anexo A (Sector Segurador)"),
         {{{"AnexoASegP1", "cdsAnexoASegP1", 2111, "I_R1_Mop_Per_Ant", "II_R6_Col2_Mop"},
           {"AnexoASegP2", "cdsAnexoASegP2", 2112, "III_R111_Mop_Per_Ant", "III_R2229_Mop"}}},
         "FormRpt_AnexoASeg", false, false,
         {copy("SpeedButton2", 2, "III_R214_Mop_Per_Ant", "cdsAnexoBSegP2", "viii_r4_mop")}},
        {"TFormFillAnexoABank", "FormFillAnexoABank", QStringLiteral("附件A（銀行業）Anexo A (Sector Bancario)"),
         {{{"AnexoABankP1", "cdsAnexoABankP1", 2211, "I_R1_Mop_Per_Ant", "IV_R7_Mop"},
           {"AnexoABankP2", "cdsAnexoABankP2", 2212, "V_R1_1_Mop_Per_Ant", "V_R2_2_5_Mop"}}},
         "FormRpt_AnexoABank", false, false,
         {copy("SpeedButton2", 2, "V_R2_2_4_Mop_Per_Ant", "cdsAnexoBBankP2", "vi_r4_mop"),
          copy("SpeedButton1", 2, "V_R1_7_2_Mop", "cdsM4P1", "1_r3_col9_col10_sum")}},
        {"TFormFillAnexoB", "FormFillAnexoB", QStringLiteral("附件B　Anexo B"),
         {{{"AnexoBP1", "cdsAnexoBP1", 3011, "I_R1_Mop", "III_R11_Mop"},
           {"AnexoBP2", "cdsAnexoBP2", 3012, "IV_R1_Mop", "VIII_R10_Mop"}}},
         "FormRpt_AnexoB", true, true,
         {computed("SpeedButton5", 1, "III_R3_Mop", AnnexValue::Losses, "FAB-001"),
          computed("SpeedButton6", 2, "V_R2_Mop", AnnexValue::Gains, "FAB-002"),
          computed("SpeedButton1", 2, "V_R3_Mop", AnnexValue::Reversals, "FAB-003"),
          copy("SpeedButton2", 1, "I_R21_Mop", "cdsM4P1", "2_r1_col6_mop", "FAB-004"),
          copy("SpeedButton3", 1, "I_R22_Mop", "cdsM4P1", "2_r2_col6_mop", "FAB-005")}},
        {"TFormFillAnexoBSeg", "FormFillAnexoBSeg", QStringLiteral("附件B（保險業）Anexo B (Sector Segurador)"),
         {{{"AnexoBSegP1", "cdsAnexoBSegP1", 3111, "I_R3_Mop", "IV_R7_Mop"},
           {"AnexoBSegP2", "cdsAnexoBSegP2", 3212, "V_R1_Mop", "VIII_R10_Mop"}}},
         "FormRpt_AnexoBSeg", true, true,
         {computed("SpeedButton5", 2, "VI_R4_Mop", AnnexValue::Losses, "FABS-001"),
          computed("SpeedButton6", 2, "V_R2_Mop", AnnexValue::Gains, "FABS-002")}},
        {"TFormFillAnexoBBank", "FormFillAnexoBBank", QStringLiteral("附件B（銀行業）Anexo B (Sector Bancario)"),
         {{{"AnexoBBankP1", "cdsAnexoBBankP1", 3311, "I_R1_Mop", "III_R7_Mop"},
           {"AnexoBBankP2", "cdsAnexoBBankP2", 3312, "IV_R1_Mop", "VI_R11_Mop"}}},
         "FormRpt_AnexoBBank", true, true,
         {computed("SpeedButton5", 2, "V_R3_Mop", AnnexValue::Losses, "FABB-001"),
          computed("SpeedButton6", 2, "IV_R2_Mop", AnnexValue::Gains, "FABB-002"),
          computed("SpeedButton1", 2, "IV_R3_Mop", AnnexValue::Reversals, "FABB-003")}},
    };
    return variants;
}

const AnnexVariant& AnnexVariantOf(const QString& editor)
{
    for (const AnnexVariant& v : AnnexVariants())
        if (editor == QLatin1String(v.editor))
            return v;
    throw std::out_of_range("unknown annex editor " + editor.toStdString());
}

const AnnexCalcButton* AnnexCalcButtonFor(const AnnexVariant& variant, const QString& target)
{
    for (const AnnexCalcButton& b : variant.buttons)
        if (b.target.compare(target, Qt::CaseInsensitive) == 0)
            return &b;
    return nullptr;
}

MessageTexts AnnexOverflowMessage(const QString& code)
{
    static const QString chn = QStringLiteral("數值溢位，超出系統可處理之限額．");
    static const QString por =
        QStringLiteral("O número de dígitos do valor ultrapassa o limite de processamento do sistema");
    struct Note {
        const char* number;
        const char* chn;
        const char* por;
    };
    static const Note notes[] = {
        {"001", "(資產處置損失)", "(Perdas em activos)"},
        {"002", "(資產處置收益)", "(Ganhos em activos)"},
        {"003", "(備用金撥回)", "(Reposições de provisões)"},
        {"004", "(壞帳)", "(Crêditos incobrâveis)"},
        {"005", "(存貨跌價損失)", "(Perdas em depreciação de inventários)"},
    };
    if (code.startsWith(QLatin1String("FABS-")))
        return {chn, por};
    for (const Note& n : notes)
        if (code.endsWith(QLatin1String(n.number)))
            return {chn + QString::fromUtf8(n.chn), por + QStringLiteral(". ") + QString::fromUtf8(n.por)};
    return {chn, por};
}

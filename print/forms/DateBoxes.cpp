#include "print/forms/DateBoxes.h"

const std::vector<DateBoxSpec>& DateBoxSpecs()
{
    static const char* const kDmy33 = "dd   mm   yyyy";
    static const std::vector<DateBoxSpec> specs = {
        {"FormRpt_AnexoB", "AnexoBP1", "II_B_II", 1, "QRDBText29", "dd mm yyyy"},
        {"FormRpt_AnexoBSeg", "AnexoBSegP1", "II_B_II", 1, "QRDBText29", "dd mm yyyy"},
        {"FormRpt_AnexoBBank", "AnexoBBankP1", "II_B_II", 1, "QRDBText29", "dd mm  yyyy"},
        {"FormRpt_M1", "M1P1", "Periodo_de", 1, "QRDBText2", kDmy33},
        {"FormRpt_M1", "M1P1", "Periodo_a", 1, "QRDBText5", kDmy33},
        {"FormRpt_M1", "M1P1", "Data_da_Constituicao", 1, "QRDBText19", kDmy33},
        {"FormRpt_M1_A4", "M1P1", "Periodo_de", 1, "QRDBText2", "dd  mm   yyyy"},
        {"FormRpt_M1_A4", "M1P1", "Periodo_a", 1, "QRDBText5", "dd  mm   yyyy"},
        {"FormRpt_M1_A4", "M1P1", "Data_da_Constituicao", 1, "QRDBText19", kDmy33},
        // Page 3: the general meeting's date twice (in both orders), the auditor's and the
        // taxpayer's signature dates.
        {"FormRpt_M1", "M1P3", "Data_Deli_Assem_Geral", 1, "QRDBText143", "yyyy     mm    dd"},
        {"FormRpt_M1", "M1P3", "Data_Deli_Assem_Geral", 2, "QRDBText149", kDmy33},
        {"FormRpt_M1", "M1P3", "Data_Assi_Aud_Cont", 1, "QRDBText169", "dd    mm      yyyy"},
        {"FormRpt_M1", "M1P3", "Data_Assi_Contrib", 1, "QRDBText177", "yyyy       mm      dd"},
        {"FormRpt_M1_A4", "M1P3", "Data_Deli_Assem_Geral", 1, "QRDBText143", "yyyy     mm    dd"},
        {"FormRpt_M1_A4", "M1P3", "Data_Deli_Assem_Geral", 2, "QRDBText149", kDmy33},
        {"FormRpt_M1_A4", "M1P3", "Data_Assi_Aud_Cont", 1, "QRDBText169", "dd    mm      yyyy"},
        {"FormRpt_M1_A4", "M1P3", "Data_Assi_Contrib", 1, "QRDBText177", "yyyy      mm      dd"},
    };
    return specs;
}

QString FormatDateBox(const QDate& date, const QString& pattern)
{
    // An empty field, or the zero date an empty field reads as elsewhere, prints nothing.
    if (!date.isValid() || date == QDate(1899, 12, 30))
        return {};
    QString out = pattern;
    out.replace(QLatin1String("yyyy"), QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0')));
    out.replace(QLatin1String("mm"), QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0')));
    out.replace(QLatin1String("dd"), QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0')));
    return out;
}

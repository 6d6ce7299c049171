#pragma once
// The summed columns of the asset lists, in the order of their sum labels (label n, column n).

#include <QString>
#include <vector>

// M/3 (cdsM3VCLF), columns 1-8.
inline std::vector<QString> M3SumFields()
{
    return {QStringLiteral("Col1_Mop"), QStringLiteral("Col2_Mop"), QStringLiteral("col3_mop"), QStringLiteral("Col4_Mop"),
            QStringLiteral("Col5_Mop"), QStringLiteral("Col6_Mop"), QStringLiteral("col7_mop"), QStringLiteral("col8_mop")};
}

// M/3A assets alienated (cdsM3AAli), columns 1-8.
inline std::vector<QString> M3AAliSumFields()
{
    return {QStringLiteral("Col1_Mop"), QStringLiteral("Col2_Mop"), QStringLiteral("Col3_Mop"), QStringLiteral("Col4_Mop"),
            QStringLiteral("Col5_Mop"), QStringLiteral("col6_mop"), QStringLiteral("col7_mop"), QStringLiteral("col8_mop")};
}

// M/3A assets written off (cdsM3AAba), columns 1-7.
inline std::vector<QString> M3AAbaSumFields()
{
    return {QStringLiteral("Col1_Mop"), QStringLiteral("Col2_Mop"), QStringLiteral("Col3_Mop"), QStringLiteral("Col4_Mop"),
            QStringLiteral("col5_mop"), QStringLiteral("col6_mop"), QStringLiteral("col7_mop")};
}

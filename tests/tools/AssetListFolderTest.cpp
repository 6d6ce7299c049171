// The asset lists through qxfolder on a temporary folder: rows appended to the M/3 and M/3A
// lists feed the M/3 summary and its page counts, before and after the folder is saved and
// opened again; a refused row shows its findings and fails.
#include "QxFolderRun.h"

#include <gtest/gtest.h>

namespace {

using qxtest::ToolRun;
using qxtest::Words;

class AssetListFolder : public qxtest::QxFolderFixture {};

TEST_F(AssetListFolder, RowsFeedTheSummaryAndItsPageCounts)
{
    QStringList commands = Words("open "
                                 "set cdsM3P1.1_R2_Col1_Mop=900 "
                                 "append cdsM3AAli Codigo=1.1 Tipo=Barco Col1_Mop=100 Col2_Mop=80 Col3_Mop=90 "
                                 "Col4_Mop=30 Col5_Mop=40 "
                                 "append cdsM3AAba Codigo=1.1 Tipo=Carro Col1_Mop=50 Col2_Mop=60 Col3_Mop=20 "
                                 "Col4_Mop=25 Motivo_Abate=Abate "
                                 "append cdsM3VCLF Codigo=1.1 Tipo=Loja Col1_Mop=1000 Col4_Mop=400 Col5_Mop=100");
    for (int i = 0; i < 12; ++i)
        commands << QStringLiteral("append") << QStringLiteral("cdsM3VCLF");
    const QStringList dump = Words("dump cdsM3P1 total_pag last_face 1_r1_col3_mop 1_r1_col7_mop 1_r2_col2_mop "
                                   "1_r2_col3_mop 1_r2_col5_mop 1_r2_col6_mop 1_r2_col7_mop 1_r2_col9_mop "
                                   "dump cdsM3Obs pag_num");
    commands << dump << Words("save close open") << dump;

    const ToolRun r = onFolder(commands);
    ASSERT_EQ(r.status, 0) << qPrintable(r.lines.join(QLatin1Char('\n')));
    const QStringList expected = {
        QStringLiteral("total_pag=1\tlast_face=2\t1_r1_col3_mop=150\t1_r1_col7_mop=65\t1_r2_col2_mop=100\t"
                       "1_r2_col3_mop=130\t1_r2_col5_mop=400\t1_r2_col6_mop=100\t1_r2_col7_mop=50\t1_r2_col9_mop=420"),
        QStringLiteral("pag_num=1"),
    };
    EXPECT_EQ(r.output(), expected + expected);
}

TEST_F(AssetListFolder, ARefusedRowShowsItsFindingsAndFails)
{
    const ToolRun r = onFolder(Words("open append cdsM3VCLF Codigo=1.1 Col1_Mop=5 Col2_Mop=-1 append cdsM3AAba Tipo=x "
                                     "Col1_Mop=1 Codigo=1.1 dump cdsM3VCLF Codigo dump cdsM3AAba Codigo"));
    EXPECT_NE(r.status, 0);
    const QStringList m3 = {QStringLiteral("MSG"), QStringLiteral("DM-012"), QStringLiteral("1"),
                            QStringLiteral("請修正以下問題：(M/3)\\r\\n\\r\\n請輸入「類別」\\r\\n\\r\\n"
                                           "欄位「(2).變賣或報銷」之金額(-1)應只輸入正數．"),
                            QStringLiteral("Corrija as seguinte falhas: (M/3)\\r\\n\\r\\n"
                                           "Introduza o \"tipo\"\\r\\n\\r\\n"
                                           "Deve introduzir-se apenas valores positivos no quadro "
                                           "'(2).Alienado ou abatido'")};
    const QStringList m3aBegin = {QStringLiteral("MSG"), QStringLiteral("DM-015"), QStringLiteral("1"),
                                  QStringLiteral("請修正以下問題：(M/3A-b)\\r\\n\\r\\n請輸入「報銷原因」")};
    QStringList after;  // what follows the open of the empty folder
    for (const QString& l : r.lines)
        if (!l.startsWith(QLatin1String("MSG\tDM-008\t")))
            after << l;
    ASSERT_EQ(after.size(), 4) << qPrintable(after.join(QLatin1Char('\n')));  // no dump lines: neither row was kept
    EXPECT_EQ(after[0].split(QLatin1Char('\t')), m3);
    EXPECT_EQ(after[1], QStringLiteral("FAILED\tappend cdsM3VCLF Codigo=1.1 Col1_Mop=5 Col2_Mop=-1"));
    EXPECT_EQ(after[2].split(QLatin1Char('\t')).mid(0, 4), m3aBegin);
    EXPECT_EQ(after[3], QStringLiteral("FAILED\tappend cdsM3AAba Tipo=x Col1_Mop=1 Codigo=1.1"));
}

}  // namespace

// Amounts typed into Anexo B (and M/4) of a form folder, as qxfolder shows them once the folder is
// opened again and its pages recalculated: they reach the Anexo A pages of their sector, the
// reconciled line comes back into the Anexo A balance sheet, and M/1 line 1 follows the Anexo A
// result of the folder's sector only.
#include "QxFolderRun.h"

#include <gtest/gtest.h>

namespace {

using qxtest::RunOnFreshFolder;
using qxtest::Words;

// Inputs of every sector's Anexo B, and row 3 of M/4 table 1, which the banking Anexo A reads.
const char* const kInputs =
    "set cdsAnexoBP1.II_R1_Mop=100 set cdsAnexoBP2.IV_R1_Mop=30 set cdsAnexoBP2.VII_R1_Mop=5 "
    "set cdsAnexoBP2.VIII_R6_Mop=2 "
    "set cdsAnexoBSegP1.IV_R1_Mop=40 set cdsAnexoBSegP1.II_R1_Mop=7 set cdsAnexoBSegP2.V_R1_Mop=3 "
    "set cdsAnexoBSegP2.VII_R1_Col2_Mop=1 set cdsAnexoBSegP2.VI_R1_Mop=2 set cdsAnexoBSegP2.VIII_R1_Mop=4 "
    "set cdsAnexoBBankP1.I_R1_Mop=9 set cdsAnexoBBankP1.II_R1_Mop=6 set cdsAnexoBBankP2.IV_R1_Mop=50 "
    "set cdsAnexoBBankP2.V_R1_Mop=4 set cdsAnexoBBankP2.VI_R6_Mop=1 set cdsM4P1.1_R3_Col7_Mop=2";

const char* const kDumps =
    "dump cdsAnexoBP1 i_r20_mop i_r28_mop ii_r12_mop "
    "dump cdsAnexoBP2 iv_r8_mop vii_r6_mop viii_r5_mop viii_r11_mop "
    "dump cdsAnexoAP1 i_r5_mop i_r7_mop i_r9_mop i_r15_mop "
    "dump cdsAnexoAP2 iv_r214_mop iv_r2xxx_ttl "
    "dump cdsAnexoBSegP1 i_r22_mop iv_r8_mop "
    "dump cdsAnexoBSegP2 v_r8_mop vi_r12_mop viii_r5_mop viii_r11_mop "
    "dump cdsAnexoASegP1 i_r7_mop i_r8_mop i_r13_mop i_r16_mop i_r18_mop i_r22_mop "
    "dump cdsAnexoASegP2 iii_r214_mop iii_r2xxx_mop "
    "dump cdsAnexoBBankP1 i_r28_mop ii_r14_mop "
    "dump cdsAnexoBBankP2 iv_r14_mop v_r18_mop vi_r5_mop vi_r12_mop "
    "dump cdsAnexoABankP1 i_r5_mop i_r8_mop i_r9_mop i_r10_mop i_r12_mop i_r16_mop "
    "dump cdsAnexoABankP2 v_r2_2_4_mop v_r2_x_x_mop "
    "dump cdsM1P2 r1_mop";

// What the dumps show whatever the sector, but for M/1 line 1.
const QStringList kAnnexLines = {
    // general: result 30 - 100 - 5; reconciled 0 + (-75) - 2
    QStringLiteral("i_r20_mop=5\ti_r28_mop=5\tii_r12_mop=100"),
    QStringLiteral("iv_r8_mop=30\tvii_r6_mop=5\tviii_r5_mop=-75\tviii_r11_mop=-77"),
    QStringLiteral("i_r5_mop=100\ti_r7_mop=5\ti_r9_mop=30\ti_r15_mop=-75"),
    QStringLiteral("iv_r214_mop=-77\tiv_r2xxx_ttl=-77"),
    // insurance: result 40 + 3 - 1 - 7 - 2; reconciled 4 + 33 - 0
    QStringLiteral("i_r22_mop=7\tiv_r8_mop=40"),
    QStringLiteral("v_r8_mop=3\tvi_r12_mop=2\tviii_r5_mop=33\tviii_r11_mop=37"),
    QStringLiteral("i_r7_mop=40\ti_r8_mop=3\ti_r13_mop=1\ti_r16_mop=7\ti_r18_mop=2\ti_r22_mop=33"),
    QStringLiteral("iii_r214_mop=37\tiii_r2xxx_mop=37"),
    // banking: result 50 - 2 - 6 - 9 - 4; reconciled 0 + 29 - 1
    QStringLiteral("i_r28_mop=9\tii_r14_mop=6"),
    QStringLiteral("iv_r14_mop=50\tv_r18_mop=4\tvi_r5_mop=29\tvi_r12_mop=28"),
    QStringLiteral("i_r5_mop=50\ti_r8_mop=2\ti_r9_mop=6\ti_r10_mop=9\ti_r12_mop=4\ti_r16_mop=29"),
    QStringLiteral("v_r2_2_4_mop=28\tv_r2_x_x_mop=28"),
};

TEST(AnnexFlow, AnexoBReachesAnexoAAndM1LineOneOfTheFoldersSector)
{
    const struct {
        const char* sector;
        const char* line1;
    } cases[] = {{"0", "r1_mop=-75"}, {"11", "r1_mop=33"}, {"21", "r1_mop=29"}, {"-1", "r1_mop="}};
    for (const auto& c : cases) {
        QStringList commands = Words("open set");
        commands << QStringLiteral("cdsSys.Sector_ID=") + QLatin1String(c.sector) << Words(kInputs)
                 << Words("save close open") << Words(kDumps);
        const QStringList expected = kAnnexLines + QStringList{QString::fromLatin1(c.line1)};
        EXPECT_EQ(RunOnFreshFolder(commands).join(QLatin1Char('\n')).toStdString(),
                  expected.join(QLatin1Char('\n')).toStdString())
            << "sector " << c.sector;
    }
}

}  // namespace

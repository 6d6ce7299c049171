// The M/1 computation lines as qxfolder shows them, for each sector: line 1 follows the sector's
// Anexo A front page, and the lines are the same after the folder is saved and opened again.
#include "QxFolderRun.h"

#include <gtest/gtest.h>

namespace {

using qxtest::RunOnFreshFolder;
using qxtest::Words;

TEST(QxFolderM1Lines, LinesOfEachSector)
{
    // Each sector's Anexo A front page takes 40 off its result line, so line 1 is -40.
    const struct {
        const char* sector;
        const char* anexoInput;
        const char* lines;
    } cases[] = {
        {"-1", "cdsAnexoAP1.I_R14_Mop=40", "r1_mop=\tr21_mop=1000\tr32_mop=900\tr36_mop=890"},
        {"0", "cdsAnexoAP1.I_R14_Mop=40", "r1_mop=-40\tr21_mop=960\tr32_mop=860\tr36_mop=850"},
        {"11", "cdsAnexoASegP1.I_R21_Mop=40", "r1_mop=-40\tr21_mop=960\tr32_mop=860\tr36_mop=850"},
        {"21", "cdsAnexoABankP1.I_R15_Mop=40", "r1_mop=-40\tr21_mop=960\tr32_mop=860\tr36_mop=850"},
    };
    const QStringList dump = Words("dump cdsM1P2 r1_mop r21_mop r32_mop r36_mop");
    for (const auto& c : cases) {
        QStringList commands = Words("open set");
        commands << QStringLiteral("cdsSys.Sector_ID=") + QLatin1String(c.sector) << QStringLiteral("set")
                 << QString::fromLatin1(c.anexoInput)
                 << Words("set cdsM1P2.R2_Mop=1000 set cdsM1P2.R22_Mop=100 set cdsM1P2.R33_Mop=10") << dump
                 << Words("save close open") << dump;
        const QString lines = QString::fromLatin1(c.lines);
        EXPECT_EQ(RunOnFreshFolder(commands).join(QLatin1Char('\n')).toStdString(),
                  QStringList({lines, lines}).join(QLatin1Char('\n')).toStdString())
            << "sector " << c.sector;
    }
}

}  // namespace

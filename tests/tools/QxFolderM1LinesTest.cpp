// The M/1 computation lines as qxfolder shows them, for each sector: line 1 follows the sector's
// Anexo A front page, and the lines are the same after the folder is saved and opened again.
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList Words(const char* text) { return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts); }

// The output lines that are not messages, or the failure of the run.
QStringList RunOnFreshFolder(const QStringList& commands)
{
    QTemporaryDir work;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), work.path());
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(QX_QXFOLDER), QStringList{QStringLiteral("--today"), QStringLiteral("2024-03-15"), work.path()} + commands);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {QStringLiteral("run failed: ") + QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError())};
    QStringList out;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (!line.startsWith(QLatin1String("MSG\t")))
            out << line;
    return out;
}

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

// The qxfolder tool on temporary folders: what a user of a form folder sees through the data core.
#include "QxFolderRun.h"
#include "core/folder/FolderLock.h"
#include "core/catalogue/FieldCatalogue.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using qxtest::readBytes;
using qxtest::snapshot;
using qxtest::ToolRun;
using qxtest::Words;
using qxtest::writeBytes;

const char* const kSinglePages[] = {
    "cdsSys",         "cdsPrnSetup",     "cdsM1P1",        "cdsM1P2",        "cdsM1P3",        "cdsAnexoAP1",
    "cdsAnexoAP2",    "cdsAnexoASegP1",  "cdsAnexoASegP2", "cdsAnexoABankP1", "cdsAnexoABankP2", "cdsAnexoBP1",
    "cdsAnexoBP2",    "cdsAnexoBSegP1",  "cdsAnexoBSegP2", "cdsAnexoBBankP1", "cdsAnexoBBankP2", "cdsM3P1",
    "cdsM3Obs",       "cdsM3AObs",       "cdsM4P1",        "cdsM4P2"};
const char* const kLists[] = {"cdsM3VCLF", "cdsM3AAli", "cdsM3AAba"};

class QxFolderTest : public qxtest::QxFolderFixture {
protected:
    void SetUp() override
    {
        QxFolderFixture::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(QDir(work.path()).mkpath(QStringLiteral("config")));
    }

    QString registryValue() const
    {
        QSettings s(work.path() + QStringLiteral("/config/Corvel/Quendrix.ini"), QSettings::IniFormat);
        return s.value(QStringLiteral("DefaultFormFolder")).toString();
    }

    // A folder saved from a blank declaration.
    void makeSavedFolder()
    {
        const ToolRun r = onFolder(Words("open save"));
        ASSERT_EQ(r.status, 0) << qPrintable(r.lines.join(QLatin1Char('\n')));
        ASSERT_EQ(snapshot(folder()).size(), 27);
    }
};

TEST_F(QxFolderTest, AnEmptyFolderOpensBlankWithoutWritingAFile)
{
    QStringList commands = Words("open");
    for (const char* ds : kSinglePages)
        commands << QStringLiteral("dump") << QString::fromLatin1(ds) << CatalogueFields(QString::fromLatin1(ds)).front().name;
    for (const char* ds : kLists)
        commands << QStringLiteral("dump") << QString::fromLatin1(ds);
    const ToolRun r = onFolder(commands);

    EXPECT_EQ(r.status, 0) << qPrintable(r.lines.join(QLatin1Char('\n')));
    const QStringList q = r.lineStarting(QStringLiteral("MSG\tDM-008\t"));
    ASSERT_EQ(q.size(), 5);
    EXPECT_EQ(q[2], QStringLiteral("3"));
    EXPECT_EQ(q[3], QStringLiteral("資料夾\\r\\n") + folder() + QStringLiteral("/\\r\\n中沒有表格檔案，是否存入一套空白表格？"));
    QStringList dumps;
    for (const QString& l : r.output())
        dumps << l.section(QLatin1Char('='), 0, 0);
    QStringList expected;
    for (const char* ds : kSinglePages)
        expected << CatalogueFields(QString::fromLatin1(ds)).front().name;
    EXPECT_EQ(dumps, expected);  // one record per page, none in the lists
    EXPECT_TRUE(snapshot(folder()).isEmpty());
    EXPECT_EQ(registryValue(), folder() + QLatin1Char('/'));
}

TEST_F(QxFolderTest, SaveWritesTheTwentySevenFiles)
{
    const ToolRun r = onFolder(Words("open save"));
    EXPECT_EQ(r.status, 0);
    EXPECT_FALSE(r.lineStarting(QStringLiteral("MSG\tDM-010\t3\t")).isEmpty());
    const QStringList files = snapshot(folder()).keys();
    EXPECT_EQ(files.size(), 27);
    for (const char* name : {"Alert.xml", "Sys.xml", "PrnSetup.xml", "TaxMaxReintAmor.xml", "M3VCLF.xml", "M4P2.xml"})
        EXPECT_TRUE(files.contains(QString::fromLatin1(name))) << name;
}

TEST_F(QxFolderTest, ValuesReadBackIdenticalAfterCloseAndReopen)
{
    const QStringList sets = {
        QStringLiteral("cdsM1P1.Nome_Contribuinte_1=翠嶺建築置業有限公司"),
        QStringLiteral("cdsM1P1.Distico_Comercial=Construção & Cia \"São João\" <Lda> 'ã'"),
        QStringLiteral("cdsM1P1.Residencia_ou_Sede_1=Rua\\tA\\r\\nBloco \\\\ 3"),
        QStringLiteral("cdsM1P1.Periodo_de=01/02/2023"),
        QStringLiteral("cdsM1P1.No_Contribuinte=12345678"),
        QStringLiteral("cdsM1P1.Tipo_Contribuinte_Sociedade=TRUE"),
        QStringLiteral("cdsM1P1.Data_da_Constituicao="),
        QStringLiteral("cdsM1P2.R2_Mop=1234.5678"),
        QStringLiteral("cdsM1P2.R3_Mop=-0.0001"),
        QStringLiteral("cdsM1P2.R4_Mop=922337203685477.5807"),
        QStringLiteral("cdsM4P1.1_R1_Col1_Mop=3.1416"),
        QStringLiteral("cdsM4P1.1_R4_Desc_1=備用金"),
    };
    const QStringList dumpArgs = Words("dump cdsM1P1 Nome_Contribuinte_1 Distico_Comercial Residencia_ou_Sede_1 Periodo_de No_Contribuinte Tipo_Contribuinte_Sociedade Data_da_Constituicao dump cdsM1P2 R2_Mop R3_Mop R4_Mop dump cdsM4P1 1_R1_Col1_Mop 1_R4_Desc_1 dump cdsPrnSetup Update_Time");
    const QStringList expected = {
        QStringLiteral("Nome_Contribuinte_1=翠嶺建築置業有限公司\tDistico_Comercial=Construção & Cia \"São João\" <Lda> 'ã'\t"
                       "Residencia_ou_Sede_1=Rua\\tA\\r\\nBloco \\\\ 3\tPeriodo_de=01/02/2023\tNo_Contribuinte=12345678\t"
                       "Tipo_Contribuinte_Sociedade=TRUE\tData_da_Constituicao="),
        QStringLiteral("R2_Mop=1234.5678\tR3_Mop=-0.0001\tR4_Mop=922337203685477.5807"),
        QStringLiteral("1_R1_Col1_Mop=3.1416\t1_R4_Desc_1=備用金"),
        QStringLiteral("Update_Time=15/03/2024 00:00:00")};

    QStringList commands = Words("open");
    for (const QString& s : sets)
        commands << QStringLiteral("set") << s;
    commands << dumpArgs << QStringLiteral("save") << QStringLiteral("close") << QStringLiteral("open") << dumpArgs;
    const ToolRun first = onFolder(commands);
    ASSERT_EQ(first.status, 0) << qPrintable(first.lines.join(QLatin1Char('\n')));
    EXPECT_EQ(first.output(), expected + expected);

    // A new process reads the same from the files alone.
    const ToolRun second = onFolder(Words("open") + dumpArgs);
    ASSERT_EQ(second.status, 0);
    EXPECT_EQ(second.lines, expected);
}

TEST_F(QxFolderTest, ACorruptFileIsNamedAndLeftByteForByte)
{
    makeSavedFolder();
    const QString path = folder() + QStringLiteral("/AnexoBP1.xml");
    QByteArray corrupt = readBytes(path);
    corrupt.replace("<ROWDATA>", "<ROWDATA><ROW ");
    ASSERT_TRUE(writeBytes(path, corrupt));
    const ToolRun r = onFolder(Words("open close"));
    EXPECT_EQ(r.status, 1);
    const QStringList m = r.lineStarting(QStringLiteral("MSG\tDM-003\t1\t"));
    ASSERT_EQ(m.size(), 5);
    EXPECT_TRUE(m[3].startsWith(QStringLiteral("開啟資料表「附件B(正面)」(AnexoBP1.xml)時發生以下故障：\\r\\n"))) << qPrintable(m[3]);
    EXPECT_TRUE(r.lines.contains(QStringLiteral("FAILED\topen")));
    EXPECT_EQ(readBytes(path), corrupt);
}

TEST_F(QxFolderTest, AFolderMissingOnlyTheSettingsListsOnlyTheirTitles)
{
    makeSavedFolder();
    ASSERT_TRUE(QFile::remove(folder() + QStringLiteral("/Sys.xml")));
    const ToolRun r = onFolder(Words("open"), Words("--answer DM-009=no"));
    EXPECT_EQ(r.status, 1);
    const QStringList m = r.lineStarting(QStringLiteral("MSG\tDM-009\t3\t"));
    ASSERT_EQ(m.size(), 5);
    EXPECT_TRUE(m[3].endsWith(QStringLiteral("是否以空白表格補充？\\r\\n\\r\\n系統資料表"))) << qPrintable(m[3]);
    EXPECT_TRUE(m[4].endsWith(QStringLiteral("Quer adicionar ficheiros em branco?\\r\\n\\r\\nTabela de informações do sistema")))
        << qPrintable(m[4]);
    EXPECT_FALSE(QFile::exists(folder() + QStringLiteral("/Sys.xml")));
}

TEST_F(QxFolderTest, AFileOfTheFolderThatIsNoRegularFileRefusesTheOpenAndNothingChanges)
{
    makeSavedFolder();
    // A directory where M1P2.xml belongs: no save could replace it, so the folder is not opened.
    const QString m1p2 = folder() + QStringLiteral("/M1P2.xml");
    ASSERT_TRUE(QFile::remove(m1p2));
    ASSERT_TRUE(QDir().mkdir(m1p2));
    const QMap<QString, QByteArray> before = snapshot(folder());

    const ToolRun r = onFolder(Words("open set cdsM4P1.1_R1_Col1_Mop=5 save"));
    EXPECT_EQ(r.status, 1);
    const QStringList m = r.lineStarting(QStringLiteral("MSG\tDM-019\t1\t"));
    ASSERT_EQ(m.size(), 5) << qPrintable(r.lines.join(u'\n'));
    EXPECT_TRUE(m[3].startsWith(QStringLiteral("資料表「M/1表格(背面左頁)」(M1P2.xml)不是一個普通檔案"))) << qPrintable(m[3]);
    EXPECT_TRUE(m[4].startsWith(QStringLiteral("O ficheiro 'M1P2.xml' não é um ficheiro normal"))) << qPrintable(m[4]);
    EXPECT_TRUE(r.lines.contains(QStringLiteral("FAILED\topen")));
    EXPECT_EQ(snapshot(folder()), before);
    EXPECT_FALSE(QFile::exists(folder() + QLatin1Char('/') + FolderLock::kFileName)) << "a refused open keeps no lock";
}

TEST_F(QxFolderTest, AFolderThatCannotBeWrittenOpensReadOnlyAndKeepsEveryFile)
{
    makeSavedFolder();
    const QMap<QString, QByteArray> before = snapshot(folder());
    bool readOnly = false;
    if (geteuid() != 0)
        readOnly = QFile::setPermissions(folder(), QFile::ReadOwner | QFile::ExeOwner);
    else
        readOnly = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder()}) == 0;
    if (!readOnly)
        GTEST_SKIP() << "running as root without chattr: a read-only folder cannot be produced";

    const ToolRun r = onFolder(Words("open set cdsM1P2.R2_Mop=77 save dump cdsM1P2 R2_Mop"));
    if (geteuid() != 0)
        QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    else
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder()});

    // Said at the open and again at the save, which writes nothing.
    EXPECT_EQ(r.status, 1);
    const QStringList m = r.lineStarting(QStringLiteral("MSG\tDM-021\t2\t"));
    ASSERT_EQ(m.size(), 5) << qPrintable(r.lines.join(u'\n'));
    EXPECT_EQ(r.lines.filter(QStringLiteral("MSG\t")), QStringList(2, m.join(u'\t')));
    EXPECT_TRUE(r.lines.contains(QStringLiteral("FAILED\tsave")));
    EXPECT_TRUE(r.lines.contains(QStringLiteral("R2_Mop=77")));  // the change is kept in memory
    EXPECT_EQ(snapshot(folder()), before);
}

TEST_F(QxFolderTest, DecliningBlankFilesLeavesTheFolderEmptyAndTheRegistryAlone)
{
    QTemporaryDir earlier;
    ASSERT_EQ(run({earlier.path(), QStringLiteral("open")}).status, 0);
    const QString remembered = registryValue();
    ASSERT_EQ(remembered, earlier.path() + QLatin1Char('/'));

    const ToolRun r = onFolder(Words("open dump cdsM1P1"),
                           Words("--answer DM-008=no"));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.lines.contains(QStringLiteral("FAILED\topen")));
    EXPECT_TRUE(r.lines.contains(QStringLiteral("FAILED\tdump cdsM1P1")));  // later commands still run
    EXPECT_TRUE(snapshot(folder()).isEmpty());
    EXPECT_EQ(registryValue(), remembered);
}

TEST_F(QxFolderTest, ListCommandsAppendMoveAndDelete)
{
    const ToolRun r = onFolder(Words("open append cdsPrnSetup Rpt_ID=1011 Left_Margin=1.5 "
                                     "append cdsPrnSetup Rpt_ID=2011 row cdsPrnSetup 2 delete cdsPrnSetup "
                                     "row cdsPrnSetup 9 set cdsM1P1.No_Such_Field=1 "
                                     "dump cdsPrnSetup Rpt_ID Left_Margin"));
    EXPECT_EQ(r.status, 1);
    // The blank row of the open has no offsets: the printer table turns no null into 0.
    EXPECT_EQ(r.output(), (QStringList{QStringLiteral("FAILED\trow cdsPrnSetup 9"),
                                       QStringLiteral("FAILED\tset cdsM1P1.No_Such_Field=1"),
                                       QStringLiteral("Rpt_ID=\tLeft_Margin="), QStringLiteral("Rpt_ID=2011\tLeft_Margin=")}));
}

TEST_F(QxFolderTest, AlertsPrintSixColumns)
{
    const ToolRun r = onFolder(Words("open alerts"));
    EXPECT_EQ(r.status, 0);
    for (const QString& l : r.output())
        EXPECT_EQ(l.split(QLatin1Char('\t')).size(), 6) << qPrintable(l);
}

// A wrong call exits with 2 and the usage on standard error; --help with 0 and the usage on
// standard output, whatever follows it. Neither runs a command.
TEST_F(QxFolderTest, UsageErrorsExitWithTwoHelpWithZeroAndNeitherRunsAnything)
{
    for (const char* call : {"", "FOLDER", "FOLDER frobnicate", "FOLDER open set R2_Mop", "FOLDER row cdsM3VCLF",
                             "--today 15/03/2024 FOLDER open", "--answer DM-008=maybe FOLDER open", "--help",
                             "--today 2024-03-15 --help FOLDER open save"}) {
        const QStringList args = Words(call).replaceInStrings(QStringLiteral("FOLDER"), folder());
        const ToolRun r = run(args);
        const bool help = args.contains(QStringLiteral("--help"));
        EXPECT_EQ(r.status, help ? 0 : 2) << call;
        EXPECT_EQ(r.lines.join(u'\n').startsWith(QLatin1String("usage: qxfolder")), help) << call;
        EXPECT_EQ(r.err.contains(QLatin1String("usage: qxfolder")), !help) << call;
    }
    EXPECT_TRUE(snapshot(folder()).isEmpty());
}

}  // namespace

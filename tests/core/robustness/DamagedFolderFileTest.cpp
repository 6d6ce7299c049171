// Opening a folder in which one file is damaged: the open stops with DM-003 naming that file,
// no file of the folder changes and no dataset stays open. Another table's file under a file's
// name is refused when it holds a field that table lacks. And files written by another version
// (a field less) open and save cleanly.
#include "PacketDamage.h"
#include "SampleFolderSuite.h"
#include "core/catalogue/FieldCatalogue.h"
#include "core/folder/FolderFileTable.h"
#include "core/module/TdmMain.h"
#include "core/util/Clock.h"
#include "support/ProcessStatus.h"
#include "support/ScriptedMessages.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string_view>

namespace {

struct FileOfFolder {
    QString fileName;
    QString dataSet;
    QString titleChn;
};

// The files of the table but the alert list, which is never read, and the rate table, which is
// rebuilt whatever its file holds.
std::vector<FileOfFolder> readFiles()
{
    TdmMain dm;
    std::vector<FileOfFolder> files;
    for (const FolderFileSpec& spec : FolderFileSpecs())
        if (spec.objCode != kAlertListCode && spec.objCode != kRateTableCode)
            files.push_back({QString::fromUtf16(spec.fileName), (dm.*spec.dataSet).name(), QString::fromUtf16(spec.titleChn)});
    return files;
}

class DamagedFolderFileTest : public SampleFolderSuite {
protected:
    // A fresh copy of the sample folder.
    std::unique_ptr<QTemporaryDir> copyOfSample() const
    {
        auto dir = std::make_unique<QTemporaryDir>();
        EXPECT_TRUE(damage::copyFolder(sample_->path(), dir->path()));
        return dir;
    }

    // Damages `file` of a fresh copy with `bytes`, opens the folder and checks the refusal, which
    // names `detail` when given. With `peakKb`, the memory the open took at its peak.
    void expectRefused(const FileOfFolder& file, const QByteArray& bytes, const QString& detail = {},
                       qint64* peakKb = nullptr)
    {
        SCOPED_TRACE(qPrintable(file.fileName));
        const auto dir = copyOfSample();
        ASSERT_TRUE(damage::writeBytes(dir->path() + QLatin1Char('/') + file.fileName, bytes));
        const auto before = damage::snapshot(dir->path());

        ScriptedMessages messages;
        TdmMain dm;
        dmMain = &dm;
        const qint64 inUse = peakKb && ResetPeakResident() ? ProcessStatusKb("VmRSS") : -1;
        EXPECT_EQ(dm.ProcessFormFolder(dir->path(), ffOpen), TFolderResult::frFailed);
        if (peakKb)
            *peakKb = inUse < 0 ? -1 : ProcessStatusKb("VmHWM") - inUse;
        ASSERT_EQ(messages.codes(), QStringList{QStringLiteral("DM-003")});
        const ShownMessage& m = messages.shown.front();
        EXPECT_TRUE(m.chn.contains(detail) && m.por.contains(detail)) << qPrintable(m.por);
        EXPECT_EQ(m.dlgType, dtError);
        EXPECT_TRUE(m.chn.startsWith(QStringLiteral("開啟資料表「%1」(%2)時發生以下故障：\r\n").arg(file.titleChn, file.fileName)))
            << qPrintable(m.chn);
        EXPECT_TRUE(m.por.startsWith(
            QStringLiteral("Houve a seguinte falha quando abriu a tabela de informações '%1':\r\n").arg(file.fileName)))
            << qPrintable(m.por);
        EXPECT_GT(m.chn.size(), m.chn.indexOf(QStringLiteral("\r\n")) + 2) << "the fault is named";
        for (const qx::ClientDataSet* ds : dm.AllDataSets())
            EXPECT_FALSE(ds->active()) << qPrintable(ds->name()) << " stays open";
        EXPECT_EQ(damage::snapshot(dir->path()), before);
        dmMain = nullptr;
    }

    static QByteArray sampleBytes(const FileOfFolder& file)
    {
        return damage::readBytes(sample_->path() + QLatin1Char('/') + file.fileName);
    }

    static FileOfFolder fileNamed(const char* fileName)
    {
        for (const FileOfFolder& file : readFiles())
            if (file.fileName == QLatin1StringView(fileName))
                return file;
        ADD_FAILURE() << fileName;
        return {};
    }

};


TEST_F(DamagedFolderFileTest, TheSampleFolderItselfOpens)
{
    ScriptedMessages messages;
    const auto dir = copyOfSample();
    TdmMain dm;
    dmMain = &dm;
    ASSERT_EQ(dm.ProcessFormFolder(dir->path(), ffOpen), TFolderResult::frDone);
    EXPECT_TRUE(messages.codes().isEmpty()) << qPrintable(messages.codes().join(u' '));
    EXPECT_EQ(dm.cdsM3VCLF.recordCount(), kTypicalFolder.m3Rows);
    EXPECT_EQ(dm.cdsM3AAba.recordCount(), kTypicalFolder.m3aRows);
    dmMain = nullptr;
}

TEST_F(DamagedFolderFileTest, EveryFileDamagedInEveryWayStopsTheOpenWithItsTitle)
{
    for (const damage::Kind& kind : damage::kindsForEveryFile()) {
        SCOPED_TRACE(kind.name);
        for (const FileOfFolder& file : readFiles()) {
            const auto bytes = kind.apply(sampleBytes(file), CatalogueFields(file.dataSet));
            if (!bytes) {
                // Some annex pages hold amounts only.
                EXPECT_STREQ(kind.name, "text over its width") << "does not apply to " << qPrintable(file.fileName);
                continue;
            }
            expectRefused(file, *bytes);
        }
    }
}

// The names of the data fields of the dataset, in lower case: what its file's field list holds.
QSet<QString> fileFieldsOf(const QString& dataSet)
{
    QSet<QString> names;
    for (const qx::FieldDef& def : CatalogueFields(dataSet))
        if (def.kind == qx::FieldKind::Data)
            names.insert(def.name.toLower());
    return names;
}

// Every file of the folder copied over every other (702 pairs): one that holds a field the table
// of its new name lacks is refused, naming that field, and changes nothing; one whose field list is
// that table's own opens. Nothing under the names of the alert list (never read) and of the rate
// table (rebuilt at every open) stops the open.
TEST_F(DamagedFolderFileTest, AnotherTablesFileUnderAFilesNameIsRefusedWhenItHoldsAFieldThatTableLacks)
{
    const auto dir = copyOfSample();
    const QString folder = dir->path() + QLatin1Char('/');
    const auto original = damage::snapshot(dir->path());
    ScriptedMessages messages;
    TdmMain dm;
    dmMain = &dm;
    int pairs = 0, refused = 0, opened = 0;
    for (const FolderFileSpec& target : FolderFileSpecs()) {
        const QString targetName = QString::fromUtf16(target.fileName);
        const QSet<QString> targetFields = fileFieldsOf((dm.*target.dataSet).name());
        const bool neverRefused = target.objCode == kAlertListCode || target.objCode == kRateTableCode;
        for (const FolderFileSpec& source : FolderFileSpecs()) {
            if (&source == &target)
                continue;
            ++pairs;
            const QString sourceName = QString::fromUtf16(source.fileName);
            SCOPED_TRACE(qPrintable(sourceName + QStringLiteral(" as ") + targetName));
            const QSet<QString> sourceFields = fileFieldsOf((dm.*source.dataSet).name());
            const QStringList foreign = (QSet<QString>(sourceFields) - targetFields).values();
            ASSERT_TRUE(damage::writeBytes(folder + targetName, original.value(sourceName)));
            auto before = original;
            before[targetName] = original.value(sourceName);
            messages.clear();
            const TFolderResult result = dm.ProcessFormFolder(folder, ffOpen);
            if (!neverRefused && !foreign.isEmpty()) {
                ++refused;
                EXPECT_EQ(result, TFolderResult::frFailed);
                ASSERT_EQ(messages.codes(), QStringList{QStringLiteral("DM-003")});
                EXPECT_TRUE(messages.shown[0].por.contains(QLatin1Char('\'') + targetName + QLatin1Char('\'')));
                EXPECT_TRUE(std::any_of(foreign.begin(), foreign.end(), [&](const QString& field) {
                    return messages.shown[0].por.contains(QLatin1Char('"') + field + QStringLiteral("\", which this table does not have"),
                                                          Qt::CaseInsensitive);
                })) << qPrintable(messages.shown[0].por);
                EXPECT_EQ(damage::snapshot(dir->path()), before);
            } else if (neverRefused || sourceFields == targetFields) {
                ++opened;
                EXPECT_EQ(result, TFolderResult::frDone);
                EXPECT_TRUE(messages.codes().isEmpty()) << qPrintable(messages.codes().join(u' '));
            }
            if (result == TFolderResult::frDone) {
                ASSERT_EQ(dm.ProcessFormFolder(QString(), ffClose), TFolderResult::frDone);
            }
            EXPECT_FALSE(dm.cdsM1P1.active()) << "a refused open closes what it opened";
        }
        ASSERT_TRUE(damage::writeBytes(folder + targetName, original.value(targetName)));
    }
    EXPECT_EQ(pairs, 702);
    EXPECT_GT(refused, 600);
    EXPECT_GT(opened, 2 * 26);  // the alert list, the rate table and the pages of identical fields
    dmMain = nullptr;
}

TEST_F(DamagedFolderFileTest, SeveralRecordsInAOneRecordPageAreRefused)
{
    const QStringList onePage{"Sys.xml",           "M1P1.xml",         "M1P2.xml",         "M1P3.xml",
                              "AnexoAP1.xml",      "AnexoAP2.xml",     "AnexoASegP1.xml",  "AnexoASegP2.xml",
                              "AnexoABankP1.xml",  "AnexoABankP2.xml", "AnexoBP1.xml",     "AnexoBP2.xml",
                              "AnexoBSegP1.xml",   "AnexoBSegP2.xml",  "AnexoBBankP1.xml", "AnexoBBankP2.xml",
                              "M3P1.xml",          "M4P1.xml",         "M4P2.xml"};
    int checked = 0;
    for (const FileOfFolder& file : readFiles()) {
        if (!onePage.contains(file.fileName))
            continue;
        const auto bytes = damage::duplicateFirstRow(sampleBytes(file));
        ASSERT_TRUE(bytes.has_value()) << qPrintable(file.fileName);
        expectRefused(file, *bytes);
        ++checked;
    }
    EXPECT_EQ(checked, onePage.size());
}

TEST_F(DamagedFolderFileTest, AListRowWithoutItsNumberOrRepeatingOneIsRefused)
{
    const QStringList numbered{"M3VCLF.xml", "M3Obs.xml", "M3AAli.xml", "M3AAba.xml", "M3AObs.xml"};
    for (const FileOfFolder& file : readFiles()) {
        if (!numbered.contains(file.fileName))
            continue;
        const auto withoutKey = damage::dropAttribute(sampleBytes(file), QStringLiteral("Rec_AID"));
        ASSERT_TRUE(withoutKey.has_value()) << qPrintable(file.fileName);
        expectRefused(file, *withoutKey);
        const auto repeated = damage::duplicateFirstRow(sampleBytes(file));
        ASSERT_TRUE(repeated.has_value());
        expectRefused(file, *repeated);
    }
}

// The packet with its rows replaced by `count` rows, row i made by `row`.
QByteArray withRows(const QByteArray& packet, int count, const std::function<QByteArray(int)>& row)
{
    const qsizetype start = packet.indexOf("<ROWDATA>") + 9;
    QByteArray rows;
    for (int i = 1; i <= count; ++i)
        rows += row(i);
    return packet.left(start) + rows + packet.mid(packet.indexOf("</ROWDATA>"));
}

QByteArray numberedRow(int i) { return "<ROW Rec_AID=\"" + QByteArray::number(i) + "\"/>\n"; }

// Files no declaration can hold are refused naming the bound, and reading one takes little more
// than its size in memory: a value longer than any field, more observation records than their
// list has sheets, a list whose rows hold next to nothing (each would still take a whole row).
TEST_F(DamagedFolderFileTest, FilesNoDeclarationCanHoldAreRefusedWithinAMemoryCeiling)
{
    struct Case {
        const char* file;
        std::function<QByteArray(const QByteArray&)> damage;
        const char* detail;
        double timesTheFile;  // memory ceiling: this many times the file, and 32 MB
    } cases[] = {
        {"M1P1.xml", [](const QByteArray& p) { return *damage::setAttribute(p, QStringLiteral("Nome_Contribuinte_1"), QByteArray(64 << 20, 'A')); },
         "longer than any field can hold", 1.2},
        {"M3AObs.xml", [](const QByteArray& p) { return withRows(p, 2'000'000, numberedRow); },
         "more than 9999 records: one per printed M/3A page", 3.5},
        {"M3Obs.xml", [](const QByteArray& p) { return withRows(p, 10'000, numberedRow); },
         "more than 9999 records: one per printed M/3 sheet", 3.5},
        {"M3VCLF.xml", [](const QByteArray& p) { return withRows(p, 300'000, numberedRow); },
         "rows that hold almost no values", 3.5},
        // Elements opened and never closed: the text, and the open elements until they are refused.
        {"M1P2.xml",
         [](const QByteArray& p) {
             return QByteArray(p).insert(p.indexOf("</METADATA>"), "<PARAMS>" + QByteArray("<a>").repeated(22'000'000));
         },
         "elements nested", 5},
    };
    // The address sanitizer keeps memory of its own; there the refusals alone are checked.
    const bool measured = !kAddressSanitizer && ResetPeakResident();
    for (const Case& c : cases) {
        const FileOfFolder file = fileNamed(c.file);
        const QByteArray bytes = c.damage(sampleBytes(file));
        qint64 peakKb = -1;
        expectRefused(file, bytes, QString::fromLatin1(c.detail), &peakKb);
        if (measured) {
            EXPECT_LT(peakKb * 1024, c.timesTheFile * double(bytes.size()) + (32 << 20)) << c.file << ": " << bytes.size() << " bytes";
        }
    }
}

TEST_F(DamagedFolderFileTest, ListsAndObservationsWithSeveralRowsStillOpen)
{
    // The shape check must not refuse what the program writes: several numbered rows, printer
    // offsets for several pages, an observation record for each of the most pages a list can have.
    const auto dir = copyOfSample();
    const QString prn = dir->path() + QStringLiteral("/PrnSetup.xml");
    const auto twoOffsets = damage::duplicateFirstRow(damage::readBytes(prn));
    ASSERT_TRUE(twoOffsets.has_value());
    ASSERT_TRUE(damage::writeBytes(prn, *twoOffsets));
    const QString obs = dir->path() + QStringLiteral("/M3AObs.xml");
    ASSERT_TRUE(damage::writeBytes(obs, withRows(damage::readBytes(obs), 9999, numberedRow)));
    ScriptedMessages messages;
    TdmMain dm;
    dmMain = &dm;
    ASSERT_EQ(dm.ProcessFormFolder(dir->path(), ffOpen), TFolderResult::frDone);
    EXPECT_EQ(dm.cdsPrnSetup.recordCount(), 2);
    EXPECT_GT(dm.cdsM3Obs.recordCount(), 1);
    EXPECT_EQ(dm.cdsM3AObs.recordCount(), 9999);
    dmMain = nullptr;
}

// The alert list is never read and the rate table is rebuilt from the program's own rows at
// every open: damage to either stops nothing, and the next save writes them whole.
TEST_F(DamagedFolderFileTest, ADamagedAlertListOrRateTableOpensAndIsRewrittenByTheNextSave)
{
    for (const char* dataSet : {"cdsAlert", "cdsTaxMaxReintAmor"}) {
        for (const damage::Kind& kind : damage::kindsForEveryFile()) {
            SCOPED_TRACE(std::string(dataSet) + ": " + kind.name);
            const auto dir = copyOfSample();
            const QString file = dir->path() + (dataSet == std::string_view("cdsAlert") ? QStringLiteral("/Alert.xml")
                                                                                     : QStringLiteral("/TaxMaxReintAmor.xml"));
            const auto bytes = kind.apply(damage::readBytes(file), CatalogueFields(QString::fromLatin1(dataSet)));
            if (!bytes)
                continue;  // the sample declaration has no findings, so its alert list has no row
            ASSERT_TRUE(damage::writeBytes(file, *bytes));
            ScriptedMessages messages;
            TdmMain dm;
            dmMain = &dm;
            ASSERT_EQ(dm.ProcessFormFolder(dir->path(), ffOpen), TFolderResult::frDone);
            EXPECT_TRUE(messages.codes().isEmpty());
            EXPECT_EQ(damage::readBytes(file), *bytes) << "the open writes nothing";
            EXPECT_EQ(dm.cdsTaxMaxReintAmor.recordCount(), 64);
            dm.cdsAlert.append();  // a change, so the alert list is written
            dm.cdsAlert.fieldByName(u"Obj_Code").setAsInteger(1011);
            dm.cdsAlert.post();
            ASSERT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frDone);
            qx::ClientDataSet reread;
            reread.setFieldDefs(CatalogueFields(QString::fromLatin1(dataSet)));
            reread.setFileName(file);
            EXPECT_NO_THROW(reread.open());
            if (reread.active() && dataSet == std::string_view("cdsTaxMaxReintAmor")) {
                EXPECT_EQ(reread.recordCount(), 64);
            }
            dmMain = nullptr;
        }
    }
}

// Values of their field's type that typing would refuse open, and the validation reports them
// where a rule covers them: a tax number beyond eight digits (A-033), an amount with more than four
// decimals or in exponent form (read rounded, as the currency type rounds).
TEST_F(DamagedFolderFileTest, ValuesBeyondTheLimitsOfTypingOpenAndAreReported)
{
    const auto dir = copyOfSample();
    const QString m1p1 = dir->path() + QStringLiteral("/M1P1.xml");
    const QString m1p2 = dir->path() + QStringLiteral("/M1P2.xml");
    auto page1 = damage::setAttribute(damage::readBytes(m1p1), QStringLiteral("No_Contribuinte"), "123456789");
    auto page2 = damage::setAttribute(damage::readBytes(m1p2), QStringLiteral("R2_Mop"), "1234.56785");
    ASSERT_TRUE(page1 && page2);
    page2 = damage::setAttribute(*page2, QStringLiteral("R3_Mop"), "1.5E+3");
    ASSERT_TRUE(damage::writeBytes(m1p1, *page1) && damage::writeBytes(m1p2, *page2));

    ScriptedMessages messages;
    TdmMain dm;
    dmMain = &dm;
    ASSERT_EQ(dm.ProcessFormFolder(dir->path(), ffOpen), TFolderResult::frDone);
    EXPECT_TRUE(messages.codes().isEmpty()) << qPrintable(messages.codes().join(u' '));
    EXPECT_EQ(dm.cdsM1P1.fieldByName(u"No_Contribuinte").asInteger(), 123456789);
    EXPECT_EQ(dm.cdsM1P2.fieldByName(u"R2_Mop").asString(), QStringLiteral("1234.5679"));
    EXPECT_EQ(dm.cdsM1P2.fieldByName(u"R3_Mop").asString(), QStringLiteral("1500"));
    EXPECT_TRUE(dm.cdsAlert.locate(QStringLiteral("Obj_Code;Msg_Code"), {std::int32_t(1011), QStringLiteral("A-033")}));
    dmMain = nullptr;
}

// A file of an older version of the program, without a field this one expects: the file opens,
// the known values are kept, the missing one reads as empty (an amount becomes 0 at the page's next
// post), and the next save writes a file of this version that opens again. A field this version
// does not know is another table's: refused.
TEST_F(DamagedFolderFileTest, AFieldLessOpensAndTheNextSaveWritesEveryFieldAFieldMoreIsRefused)
{
    const QByteArray extraField = R"(<FIELD attrname="Campo_Novo" fieldtype="string" WIDTH="20"/>)";
    expectRefused(fileNamed("M1P2.xml"), damage::addUnknownField(sampleBytes(fileNamed("M1P2.xml")), extraField, R"(Campo_Novo="x")"),
                  QStringLiteral("\"Campo_Novo\", which this table does not have"));

    const auto dir = copyOfSample();
    const QString page = dir->path() + QStringLiteral("/M1P2.xml");
    const QString list = dir->path() + QStringLiteral("/M3VCLF.xml");
    ASSERT_TRUE(damage::writeBytes(page, damage::removeField(damage::readBytes(page), QStringLiteral("R3_Mop"))));
    ASSERT_TRUE(damage::writeBytes(list, damage::removeField(damage::readBytes(list), QStringLiteral("Col6_Mop"))));

    ScriptedMessages messages;
    QString r2Before;
    {
        TdmMain dm;
        dmMain = &dm;
        ASSERT_EQ(dm.ProcessFormFolder(dir->path(), ffOpen), TFolderResult::frDone);
        EXPECT_FALSE(messages.codes().contains(QStringLiteral("DM-003")));
        r2Before = dm.cdsM1P2.fieldByName(u"R2_Mop").asString();
        EXPECT_FALSE(r2Before.isEmpty());
        EXPECT_EQ(dm.cdsM3VCLF.recordCount(), kTypicalFolder.m3Rows);
        EXPECT_TRUE(dm.cdsM3VCLF.fieldByName(u"Col6_Mop").isNull());
        EXPECT_EQ(dm.cdsM3VCLF.fieldByName(u"Col1_Mop").asString(), QStringLiteral("10097"));

        dm.cdsM3VCLF.edit();
        dm.cdsM3VCLF.fieldByName(u"Tipo").setAsString(QStringLiteral("Mudado"));
        dm.cdsM3VCLF.post();
        EXPECT_EQ(dm.cdsM3VCLF.fieldByName(u"Col6_Mop").asString(), QStringLiteral("0"));  // zeroed by the row check
        dm.cdsM1P2.edit();
        dm.cdsM1P2.fieldByName(u"R2_Mop").setAsString(QStringLiteral("123"));
        dm.cdsM1P2.post();
        EXPECT_EQ(dm.cdsM1P2.fieldByName(u"R3_Mop").asString(), QStringLiteral("0"));
        ASSERT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frDone);
        ASSERT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffClose), TFolderResult::frDone);
        dmMain = nullptr;
    }
    EXPECT_TRUE(damage::readBytes(list).contains("Col6_Mop"));

    TdmMain dm;
    dmMain = &dm;
    messages.clear();
    ASSERT_EQ(dm.ProcessFormFolder(dir->path(), ffOpen), TFolderResult::frDone);
    EXPECT_FALSE(messages.codes().contains(QStringLiteral("DM-003")));
    EXPECT_EQ(dm.cdsM1P2.fieldByName(u"R2_Mop").asString(), QStringLiteral("123"));
    EXPECT_EQ(dm.cdsM3VCLF.fieldByName(u"Tipo").asString(), QStringLiteral("Mudado"));
    dmMain = nullptr;
}

}  // namespace

// Saving into a folder that refuses a file: each refused file is reported (DM-005) under its
// title, every file on disk stays whole, the refused dataset keeps its changes and the next save
// writes them once the folder takes them again.
#include "PacketDamage.h"
#include "SampleFolderSuite.h"
#include "core/catalogue/FieldCatalogue.h"
#include "core/folder/FolderFileTable.h"
#include "core/module/TdmMain.h"
#include "core/util/Clock.h"
#include "support/ScriptedMessages.h"

#include <QDir>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>

namespace {

// The value written into the changed field of each dataset.
const QString kChangedText = QStringLiteral("Mudado");
constexpr std::int64_t kChangedAmount = 4321;

// Changes one editable field of the dataset's first row: its last text field, or else its first
// amount. Returns the field's name; empty for the tables the open rebuilds.
QString changeFirstRow(qx::ClientDataSet& ds)
{
    if (ds.name() == u"cdsAlert" || ds.name() == u"cdsTaxMaxReintAmor")
        return {};
    const qx::FieldDef* text = nullptr;
    const qx::FieldDef* amount = nullptr;
    for (const qx::FieldDef& d : ds.fieldDefs()) {
        if (d.kind != qx::FieldKind::Data || d.readOnly)
            continue;
        if (d.type == qx::FieldType::String && d.size >= kChangedText.size())
            text = &d;
        else if (d.type == qx::FieldType::Currency && !amount)
            amount = &d;
    }
    ds.first();
    ds.edit();
    if (text)
        ds.fieldByName(text->name).setAsString(kChangedText);
    else
        ds.fieldByName(amount->name).setAsCurrency(qx::Currency::fromUnits(kChangedAmount));
    ds.post();
    return text ? text->name : amount->name;
}

// The first row's value of `field` in the file, or why it cannot be read.
QString valueInFile(const QString& path, const QString& dataSet, const QString& field)
{
    qx::ClientDataSet ds(dataSet);
    ds.setFieldDefs(CatalogueFields(dataSet));
    ds.setFileName(path);
    try {
        ds.open();
    } catch (const std::exception& e) {
        return QStringLiteral("unreadable: ") + QString::fromUtf8(e.what());
    }
    return ds.fieldByName(field).asString();
}

class FolderWriteFaultTest : public SampleFolderSuite {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(damage::copyFolder(sample_->path(), dir.path()));
        dmMain = &dm;
        ASSERT_EQ(dm.ProcessFormFolder(dir.path(), ffOpen), TFolderResult::frDone);
        messages.clear();
    }
    void TearDown() override { dmMain = nullptr; }

    QString path(const QString& fileName) const { return dir.path() + QLatin1Char('/') + fileName; }

    // Every file of the folder but `except` reads back as a packet of its dataset.
    void expectEveryFileWhole(const QString& except = {})
    {
        for (const FolderFileSpec& spec : FolderFileSpecs()) {
            const QString file = QString::fromUtf16(spec.fileName);
            if (file == except)
                continue;
            const QString name = (dm.*spec.dataSet).name();
            qx::ClientDataSet ds(name);
            ds.setFieldDefs(CatalogueFields(name));
            ds.setFileName(path(file));
            EXPECT_NO_THROW(ds.open()) << qPrintable(file);
        }
    }

    QTemporaryDir dir;
    ScriptedMessages messages;
    TdmMain dm;
};


TEST_F(FolderWriteFaultTest, EachFileReplacedByADirectoryIsReportedKeptAndSavedLater)
{
    for (const FolderFileSpec& spec : FolderFileSpecs()) {
        const QString file = QString::fromUtf16(spec.fileName);
        SCOPED_TRACE(qPrintable(file));
        qx::ClientDataSet& ds = dm.*spec.dataSet;
        const QString field = changeFirstRow(ds);
        ASSERT_TRUE(QFile::remove(path(file)));
        ASSERT_TRUE(QDir().mkdir(path(file)));
        messages.clear();

        EXPECT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frFailed);
        ASSERT_EQ(messages.codes(), (QStringList{QStringLiteral("DM-010"), QStringLiteral("DM-005")}));
        const ShownMessage& m = messages.shown.back();
        EXPECT_EQ(m.dlgType, dtError);
        EXPECT_TRUE(m.chn.startsWith(QStringLiteral("表格「%1」(%2)於儲存(至硬碟)時出現以下故障：\r\n")
                                         .arg(QString::fromUtf16(spec.titleChn), file)))
            << qPrintable(m.chn);
        EXPECT_TRUE(m.por.startsWith(QStringLiteral("Houve a seguinte falha quando armazenou o ficheiro '%1' no disco rígido:\r\n")
                                         .arg(QString::fromUtf16(spec.titleChn))))
            << qPrintable(m.por);
        if (!field.isEmpty()) {
            EXPECT_GT(ds.changeCount(), 0) << "the refused changes are kept";
        }
        expectEveryFileWhole(file);

        ASSERT_TRUE(QDir().rmdir(path(file)));
        messages.clear();
        EXPECT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frDone);
        EXPECT_FALSE(messages.codes().contains(QStringLiteral("DM-005")));
        EXPECT_EQ(ds.changeCount(), 0);
        if (!field.isEmpty()) {
            const QString expected = ds.fieldByName(field).asString();
            EXPECT_EQ(valueInFile(path(file), ds.name(), field), expected);
        }
    }
    expectEveryFileWhole();
}

// Sets a limit on the size of any file this process writes, as a full disk would; the limit
// signal is ignored so that the write itself fails. Undone by the destructor.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        made_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool made() const { return made_; }

private:
    rlimit old_{};
    void (*previousHandler_)(int) = nullptr;
    bool made_ = false;
};

TEST_F(FolderWriteFaultTest, ADiskThatFillsDuringTheSaveLeavesEveryOldFileWholeAndLosesNoChange)
{
    for (const FolderFileSpec& spec : FolderFileSpecs())
        changeFirstRow(dm.*spec.dataSet);
    const QString listBefore = damage::readBytes(path(QStringLiteral("M3VCLF.xml")));
    ASSERT_GT(listBefore.size(), 8000);
    messages.clear();
    {
        FileSizeLimit full(8000);  // room for a page, not for the M/3 list
        if (!full.made())
            GTEST_SKIP() << "the file size limit cannot be set here";
        EXPECT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frFailed);
    }
    EXPECT_TRUE(messages.codes().contains(QStringLiteral("DM-005")));
    EXPECT_EQ(damage::readBytes(path(QStringLiteral("M3VCLF.xml"))), listBefore);
    EXPECT_GT(dm.cdsM3VCLF.changeCount(), 0);
    expectEveryFileWhole();
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
        EXPECT_TRUE(name.endsWith(QStringLiteral(".xml"))) << "a temporary file stays behind: " << qPrintable(name);

    messages.clear();
    EXPECT_EQ(dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll), TFolderResult::frDone);
    EXPECT_FALSE(messages.codes().contains(QStringLiteral("DM-005")));
    EXPECT_EQ(valueInFile(path(QStringLiteral("M3VCLF.xml")), QStringLiteral("cdsM3VCLF"), QStringLiteral("Tipo")),
              kChangedText);
}

}  // namespace

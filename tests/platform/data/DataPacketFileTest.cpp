// Data packets of datasets in files: loading into a dataset (all or nothing), atomic saving.
#include "ClientDataSetTestSupport.h"
#include "platform/data/DataPacket.h"
#include "support/FileBytes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace qx;

namespace {

using qxtest::def;
using qxtest::readBytes;
using qxtest::Rows;
using qxtest::writeBytes;

std::vector<FieldDef> assetDefs()
{
    FieldDef calc = def("valor_calc", FieldType::Currency);
    calc.kind = FieldKind::Calculated;
    return {def("Id", FieldType::AutoInc),       def("Codigo", FieldType::String, 10),
            def("Desc_Chn", FieldType::String, 60), def("Desc_Por", FieldType::String, 60),
            def("Valor_Mop", FieldType::Currency), calc,
            def("Abatido", FieldType::Boolean),    def("Data_Aq", FieldType::Date)};
}

QString samplePath(const char* name)
{
    return QStringLiteral(QX_TEST_DATA_DIR "/packets/") + QString::fromLatin1(name);
}

std::string errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const DataPacketError& e) {
        return e.what();
    }
    ADD_FAILURE() << "no DataPacketError";
    return {};
}

class DataPacketFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        ds_.setFieldDefs(assetDefs());
    }

    QString path(const char* name) const { return QDir(dir_.path()).filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir_;
    ClientDataSet ds_{QStringLiteral("cdsM3VCLF")};
};

}  // namespace

TEST_F(DataPacketFile, OpensTheHandWrittenBig5Sample)
{
    ds_.setFileName(samplePath("asset-list-big5.xml"));
    ds_.open();
    ASSERT_EQ(ds_.state(), DataSetState::Browse);
    const Rows expected = {
        {std::int32_t(1), QStringLiteral("1.1"), QString::fromUtf8("辦公室設備（許功稅）"),
         QString::fromUtf8("Equipamento de escritório"), Currency::fromRaw(1250005000), false, QDate(2019, 3, 15)},
        {std::int32_t(2), QStringLiteral("2.10"), QString::fromUtf8("翠嶺大廈"),
         QString::fromUtf8("Edifício \"Conceição\"\r\nR/C"), Currency::fromRaw(-1), true, QDate(2000, 12, 31)},
        {std::int32_t(5), QStringLiteral("9"), {}, {}, Currency::max(), {}, {}},
    };
    EXPECT_EQ(ds_.dataRows(), expected);
    EXPECT_EQ(ds_.changeCount(), 0);
}

TEST_F(DataPacketFile, SaveThenLoadGivesTheSameRows)
{
    ds_.setFileName(samplePath("asset-list-big5.xml"));
    ds_.open();
    const Rows before = ds_.dataRows();
    const QString file = path("M3VCLF.xml");
    DataPacket::save(ds_, file);
    EXPECT_FALSE(readBytes(file).contains("RowState"));
    EXPECT_FALSE(readBytes(file).contains("valor_calc"));

    ClientDataSet other(QStringLiteral("copy"));
    other.setFieldDefs(assetDefs());
    DataPacket::load(other, file);
    EXPECT_EQ(other.dataRows(), before);
    // Auto-increment numbering continues above the largest loaded key.
    other.append();
    other.post();
    other.last();
    EXPECT_EQ(other.fieldByName(u"Id").asInteger(), 6);
    // Only temporary files of our own would be left beside it; none are.
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("M3VCLF.xml")});
}

TEST_F(DataPacketFile, BadFilesLeaveTheDatasetAsItWas)
{
    ds_.setFileName(samplePath("asset-list-big5.xml"));
    ds_.open();
    ds_.setRecNo(2);
    ds_.edit();
    ds_.fieldByName(u"Codigo").setAsString(QStringLiteral("edited"));
    const Rows before = ds_.dataRows();

    const QByteArray good = readBytes(samplePath("asset-list-big5.xml"));
    const QByteArray bad[] = {
        QByteArray(),
        good.left(good.size() / 2),                                       // truncated
        QByteArray("\x7f" "ELF\x02\x01\x01\x00\x00\x00", 10),            // binary
        QByteArray(good).replace("125000.5", "1.25E+15"),                 // outside the currency range
        QByteArray(good).replace("Id=\"5\"", "Id=\"2147483648\""),        // outside int32
        QByteArray(good).replace("20001231", "20001232"),                  // no such date
        QByteArray(good).replace("Codigo=\"9\"", "Codigo=\"12345678901\""), // over its width
        QByteArray(good).replace("fieldtype=\"boolean\"", "fieldtype=\"i4\""),  // type disagrees
        QByteArray(good).replace("fieldtype=\"date\"", "fieldtype=\"datum\""),  // unknown type
        QByteArray(good).replace("</ROWDATA>", "</ROWDATA"),              // malformed
    };
    int n = 0;
    for (const QByteArray& bytes : bad) {
        const QString file = path("bad.xml");
        ASSERT_TRUE(writeBytes(file, bytes));
        const std::string message = errorOf([&] { DataPacket::load(ds_, file); });
        EXPECT_NE(message.find(file.toStdString()), std::string::npos) << n << ": " << message;
        EXPECT_EQ(ds_.state(), DataSetState::Edit) << n;
        EXPECT_EQ(ds_.recNo(), 2) << n;
        EXPECT_EQ(ds_.fieldByName(u"Codigo").asString(), QStringLiteral("edited")) << n;
        EXPECT_EQ(ds_.dataRows(), before) << n;
        ++n;
    }

    // An inactive dataset stays inactive; a missing file names the file.
    ClientDataSet closed(QStringLiteral("closed"));
    closed.setFieldDefs(assetDefs());
    closed.setFileName(path("missing.xml"));
    EXPECT_NE(errorOf([&] { closed.open(); }).find("missing.xml"), std::string::npos);
    ASSERT_TRUE(writeBytes(path("bad.xml"), good.left(100)));
    EXPECT_THROW(DataPacket::load(closed, path("bad.xml")), DataPacketError);
    EXPECT_FALSE(closed.active());
}

TEST_F(DataPacketFile, FailedSaveKeepsTheOldFileWhole)
{
    ds_.setFileName(samplePath("asset-list-big5.xml"));
    ds_.open();
    const QString file = path("M3VCLF.xml");
    ASSERT_TRUE(writeBytes(file, "old contents"));

    // A write cut short (file size limit, as a full disk): the old file stays, the error says why.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 200;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string message = errorOf([&] { DataPacket::save(ds_, file); });
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_NE(message.find("Cannot write the file \"" + file.toStdString() + "\": "), std::string::npos) << message;
    EXPECT_EQ(readBytes(file), QByteArray("old contents"));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("M3VCLF.xml")});

    // A folder that does not exist.
    EXPECT_NE(errorOf([&] { DataPacket::save(ds_, path("no/such/M3VCLF.xml")); }).find("no/such/M3VCLF.xml"),
              std::string::npos);

    // A value that would not read back: nothing is written at all.
    ClientDataSet dates(QStringLiteral("dates"));
    dates.setFieldDefs({def("D", FieldType::Date)});
    dates.loadRows({{QDate(10000, 1, 1)}});
    EXPECT_NE(errorOf([&] { DataPacket::save(dates, file); }).find("outside the years 1 to 9999"), std::string::npos);
    EXPECT_EQ(readBytes(file), QByteArray("old contents"));
}

TEST_F(DataPacketFile, SaveIntoReadOnlyFolderFails)
{
    ds_.createDataSet();
    const QString folder = path("locked");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString file = folder + QStringLiteral("/M3VCLF.xml");
    ASSERT_TRUE(writeBytes(file, "old contents"));
    ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    // A privileged user writes anyway; then there is nothing to test.
    const bool writable = access(folder.toLocal8Bit().constData(), W_OK) == 0;
    if (!writable) {
        const std::string message = errorOf([&] { DataPacket::save(ds_, file); });
        EXPECT_NE(message.find(file.toStdString()), std::string::npos) << message;
        EXPECT_EQ(readBytes(file), QByteArray("old contents"));
    }
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (writable)
        GTEST_SKIP() << "running with the right to write into read-only folders";
}

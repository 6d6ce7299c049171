// Loading a folder file takes memory in proportion to the file, not to the largest file the
// reader accepts: a folder of 27 small files must open on a machine short of memory. And the
// memory of a closed folder goes back to the system.
#include "SampleFolder.h"
#include "core/catalogue/FieldCatalogue.h"
#include "core/util/FreeMemory.h"
#include "platform/data/ClientDataSet.h"
#include "platform/data/DataPacket.h"
#include "support/ProcessStatus.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

// The address space this process uses now, in bytes.
qint64 addressSpaceInUse()
{
    const qint64 kb = ProcessStatusKb("VmSize");
    return kb < 0 ? -1 : kb * 1024;
}

// Caps the address space of the process at what it uses plus `headroom`; undone when destroyed.
class AddressSpaceCap {
public:
    explicit AddressSpaceCap(qint64 headroom)
    {
        getrlimit(RLIMIT_AS, &old_);
        const qint64 inUse = addressSpaceInUse();
        rlimit cap = old_;
        cap.rlim_cur = rlim_t(inUse + headroom);
        made_ = inUse > 0 && setrlimit(RLIMIT_AS, &cap) == 0;
    }
    ~AddressSpaceCap() { setrlimit(RLIMIT_AS, &old_); }
    AddressSpaceCap(const AddressSpaceCap&) = delete;
    AddressSpaceCap& operator=(const AddressSpaceCap&) = delete;
    bool made() const { return made_; }

private:
    rlimit old_{};
    bool made_ = false;
};

TEST(PacketMemory, ASmallFileLoadsWithLittleMemoryToSpare)
{
    if (kAddressSanitizer)
        GTEST_SKIP() << "the address sanitizer reserves address space of its own";
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/M1P2.xml");
    qx::ClientDataSet page(QStringLiteral("cdsM1P2"));
    page.setFieldDefs(CatalogueFields(u"cdsM1P2"));
    page.createDataSet();
    page.append();
    page.fieldByName(u"R2_Mop").setAsString(QStringLiteral("1500"));
    page.post();
    qx::DataPacket::save(page, path);
    page.close();

    {
        AddressSpaceCap cap(64LL * 1024 * 1024);
        if (!cap.made())
            GTEST_SKIP() << "the address space cannot be capped here";
        for (int i = 0; i < 27; ++i) {
            EXPECT_NO_THROW(qx::DataPacket::load(page, path));
            page.close();
        }
    }
    qx::DataPacket::load(page, path);
    EXPECT_EQ(page.fieldByName(u"R2_Mop").asString(), QStringLiteral("1500"));
}

// A file of a million rows (6 to 16 MB) stays within a small memory ceiling: a one-record page
// is refused at its second row, a list at its first row without its number; rows that hold
// almost nothing, which still take a row in memory each (empty ones a little, others a whole
// row), are refused before they take many times the file's size.
TEST(PacketMemory, AMillionRowsStayWithinASmallCeiling)
{
    if (kAddressSanitizer)
        GTEST_SKIP() << "the address sanitizer reserves address space of its own";
    QTemporaryDir dir;
    struct Case {
        const char16_t* dataSet;
        qx::PacketShape shape;
        const char* row;
    } cases[] = {
        {u"cdsM1P2", {1, {}, {}}, "<ROW/>"},                           // one record, 75 fields
        {u"cdsM3VCLF", {-1, QStringLiteral("Rec_AID"), {}}, "<ROW/>"},  // a list
        {u"cdsPrnSetup", {}, "<ROW/>"},                                // rows of any number, but empty
        {u"cdsM1P2", {}, "<ROW R2_Mop=\"1\"/>"},                       // one value of 75
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.dataSet).toStdString() + " " + c.row);
        qx::ClientDataSet ds(QString::fromUtf16(c.dataSet));
        ds.setFieldDefs(CatalogueFields(c.dataSet));
        QByteArray bytes = qx::DataPacket::serialize(ds.fieldDefs(), {});
        QByteArray rows;
        for (int i = 0; i < 1'000'000; ++i)
            rows += c.row;
        bytes.insert(bytes.indexOf("</ROWDATA>"), rows);
        const QString path = dir.path() + QStringLiteral("/rows.xml");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        rows = QByteArray();
        bytes = QByteArray();

        AddressSpaceCap cap(256LL * 1024 * 1024);
        if (!cap.made())
            GTEST_SKIP() << "the address space cannot be capped here";
        EXPECT_THROW(qx::DataPacket::load(ds, path, c.shape), qx::DataPacketError);
        EXPECT_FALSE(ds.active());
    }
}

// A large declaration takes a hundred megabytes once open; after the close the program, idle
// until the next open, holds little more than before.
TEST(PacketMemory, ClosingAFolderGivesItsMemoryBack)
{
    if (kAddressSanitizer)
        GTEST_SKIP() << "the address sanitizer keeps freed memory in quarantine";
    const QString& folder = GeneratedSampleFolder({40000, 20000});
    sample_folder::YesToEverything yes;
    TdmMain dm;
    dmMain = &dm;
    ReturnFreeMemoryToSystem();
    const qint64 before = ProcessStatusKb("VmRSS");
    ASSERT_EQ(dm.ProcessFormFolder(folder, ffOpen), TFolderResult::frDone);
    const qint64 open = ProcessStatusKb("VmRSS");
    ASSERT_EQ(dm.ProcessFormFolder(folder, ffClose), TFolderResult::frDone);
    const qint64 closed = ProcessStatusKb("VmRSS");
    dmMain = nullptr;
    ASSERT_GT(open - before, 50 * 1024) << "the folder is too small to show anything";
    EXPECT_LT(closed - before, (open - before) / 10) << before << " kB before the open, " << open << " open, " << closed << " closed";
}

}  // namespace

#pragma once
// Deterministic form folders of the general sector for the robustness tests and the benchmarks:
// every input amount and text of the sector's pages filled, and the asset lists with as many
// rows as asked, each row one that passes its row checks. The pages are filled through the data
// module and saved by it; the lists are written as packets directly, since posting thousands of
// rows one by one would only measure the generator.

#include "core/catalogue/FieldCatalogue.h"
#include "core/module/TdmMain.h"
#include "core/util/Messages.h"
#include "platform/data/DataPacket.h"

#include <cstdlib>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <map>
#include <memory>
#include <stdexcept>
#include <vector>

struct SampleFolderSize {
    int m3Rows = 0;   // rows of the M/3 list
    int m3aRows = 0;  // rows of each M/3A list
};

inline constexpr SampleFolderSize kTypicalFolder{50, 20};
inline constexpr SampleFolderSize kLargeFolder{5000, 1000};

namespace sample_folder {

// Answers every question Yes and shows nothing, for as long as it lives.
class YesToEverything final : public MessagePresenter {
public:
    YesToEverything() : previous_(CurrentMessagePresenter()) { SetMessagePresenter(this); }
    ~YesToEverything() override { SetMessagePresenter(previous_); }
    YesToEverything(const YesToEverything&) = delete;
    YesToEverything& operator=(const YesToEverything&) = delete;
    int present(const QString&, const QString&, const QString&, std::uint8_t dlgType, const QString&) override
    {
        return dlgType == dtQuestion ? mrYes : mrOk;
    }

private:
    MessagePresenter* previous_;
};

inline qx::Currency money(std::int64_t whole) { return qx::Currency::fromUnits(whole); }

// A short text that fits the field (ASCII, so its width in bytes is its length).
inline QString textFor(const qx::FieldDef& def, int seed)
{
    return QStringLiteral("T%1 %2").arg(seed).arg(def.name).left(def.size);
}

// Fills every editable input amount and text of the page's one record and posts it.
inline void fillPage(qx::ClientDataSet& page, int pageNo)
{
    page.first();
    page.edit();
    const auto& defs = page.fieldDefs();
    for (int i = 0; i < int(defs.size()); ++i) {
        const qx::FieldDef& def = defs[std::size_t(i)];
        if (def.kind != qx::FieldKind::Data || def.readOnly)
            continue;
        if (def.type == qx::FieldType::Currency)
            page.field(i).setAsCurrency(money(1000 * ((i * 7 + pageNo * 13) % 97 + 1)));
        else if (def.type == qx::FieldType::String && def.size > 0 && page.field(i).asString().isEmpty())
            page.field(i).setAsString(textFor(def, pageNo * 100 + i));
    }
    page.post();
}

// One packet value per data field of `defs`, by name; null for the others.
class RowBuilder {
public:
    explicit RowBuilder(const std::vector<qx::FieldDef>& defs)
    {
        for (const qx::FieldDef& d : defs)
            if (d.kind == qx::FieldKind::Data)
                names_.push_back(d.name);
    }
    std::vector<qx::Value> row() const { return std::vector<qx::Value>(names_.size()); }
    void set(std::vector<qx::Value>& row, const char* name, qx::Value v) const
    {
        for (std::size_t i = 0; i < names_.size(); ++i)
            if (names_[i].compare(QLatin1StringView(name), Qt::CaseInsensitive) == 0) {
                row[i] = std::move(v);
                return;
            }
        throw std::logic_error(std::string("sample folder: no field ") + name);
    }

private:
    std::vector<QString> names_;
};

inline void writePacket(const QString& path, const char* dataSet, const std::vector<std::vector<qx::Value>>& rows)
{
    const QByteArray bytes = qx::DataPacket::serialize(CatalogueFields(QString::fromLatin1(dataSet)), rows);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("sample folder: cannot write " + path.toStdString());
}

// A fixed asset that passes the M/3 row checks: whole amounts, (4) + (5) within (1).
inline std::vector<std::vector<qx::Value>> m3Rows(int count)
{
    const auto defs = CatalogueFields(u"cdsM3VCLF");
    const RowBuilder b(defs);
    std::vector<std::vector<qx::Value>> rows;
    rows.reserve(std::size_t(count));
    for (int n = 1; n <= count; ++n) {
        auto r = b.row();
        const std::int64_t cost = 10000 + 97 * (n % 1000);
        b.set(r, "Rec_AID", std::int32_t(n));
        b.set(r, "Codigo", QStringLiteral("1.1"));
        b.set(r, "Tipo", QStringLiteral("Edificio %1").arg(n));
        b.set(r, "Ano_Aqu", QString::number(2000 + n % 20));
        b.set(r, "Mes_Ini_de_Util", QString::number(1 + n % 12));
        b.set(r, "Col1_Mop", money(cost));
        b.set(r, "Col2_Mop", money(0));
        b.set(r, "Col4_Mop", money(cost / 4));
        b.set(r, "DA_Taxas", money(5));
        b.set(r, "DA_Meses", std::int32_t(12));
        b.set(r, "Col5_Mop", money(cost / 20));
        b.set(r, "Col6_Mop", money(0));
        rows.push_back(std::move(r));
    }
    return rows;
}

inline std::vector<std::vector<qx::Value>> m3aRows(const char* dataSet, int count)
{
    const bool alienated = QLatin1StringView(dataSet) == QLatin1StringView("cdsM3AAli");
    const auto defs = CatalogueFields(QString::fromLatin1(dataSet));
    const RowBuilder b(defs);
    std::vector<std::vector<qx::Value>> rows;
    rows.reserve(std::size_t(count));
    for (int n = 1; n <= count; ++n) {
        auto r = b.row();
        const std::int64_t cost = 5000 + 31 * (n % 500);
        b.set(r, "Rec_AID", std::int32_t(n));
        b.set(r, "Codigo", QStringLiteral("1.1"));
        b.set(r, "Tipo", QStringLiteral("Viatura %1").arg(n));
        b.set(r, "Ano_Aqu", QString::number(2000 + n % 20));
        b.set(r, alienated ? "Mes_Venda" : "Mes_Abate", QString::number(1 + n % 12));
        b.set(r, "Col1_Mop", money(cost));
        b.set(r, "Col2_Mop", money(cost / 2));
        b.set(r, "Col3_Mop", money(cost));
        b.set(r, "Col4_Mop", money(cost / 2));
        if (alienated)
            b.set(r, "Col5_Mop", money(cost / 10));
        else
            b.set(r, "Motivo_Abate", QStringLiteral("Avaria"));
        rows.push_back(std::move(r));
    }
    return rows;
}

// Empty observation records, one per sheet or page.
inline std::vector<std::vector<qx::Value>> obsRows(const char* dataSet, int count)
{
    const RowBuilder b(CatalogueFields(QString::fromLatin1(dataSet)));
    std::vector<std::vector<qx::Value>> rows;
    for (int n = 1; n <= count; ++n) {
        auto r = b.row();
        b.set(r, "Rec_AID", std::int32_t(n));
        rows.push_back(std::move(r));
    }
    return rows;
}

inline int m3Sheets(int rows) { return rows <= 31 ? 1 : (rows - 32) / 38 + 2; }
inline int m3aPages(int rows) { return rows <= 20 ? 1 : (rows + 19) / 20; }

}  // namespace sample_folder

// Writes a complete folder (all files, the alert list included) into the existing, empty
// directory `folder`. Uses the data module `dm`, which ends with no folder open.
inline void WriteSampleFolder(TdmMain& dm, const QString& folder, SampleFolderSize size)
{
    using namespace sample_folder;
    YesToEverything yes;
    if (dm.ProcessFormFolder(folder, ffOpen) != TFolderResult::frDone)
        throw std::runtime_error("sample folder: the blank folder does not open");
    dm.cdsSys.edit();
    dm.cdsSys.fieldByName(u"Sector_ID").setAsInteger(0);
    dm.cdsSys.post();
    qx::ClientDataSet* pages[] = {&dm.cdsM1P1,     &dm.cdsM1P2,     &dm.cdsM1P3, &dm.cdsAnexoAP1, &dm.cdsAnexoAP2,
                                  &dm.cdsAnexoBP1, &dm.cdsAnexoBP2, &dm.cdsM3P1, &dm.cdsM4P1,     &dm.cdsM4P2};
    int pageNo = 0;
    for (qx::ClientDataSet* page : pages)
        fillPage(*page, ++pageNo);
    if (dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll) != TFolderResult::frDone
        || dm.ProcessFormFolder(dm.CurrentFormFolder, ffClose) != TFolderResult::frDone)
        throw std::runtime_error("sample folder: the filled pages cannot be saved");

    const QString dir = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    writePacket(dir + QStringLiteral("M3VCLF.xml"), "cdsM3VCLF", m3Rows(size.m3Rows));
    writePacket(dir + QStringLiteral("M3Obs.xml"), "cdsM3Obs", obsRows("cdsM3Obs", m3Sheets(size.m3Rows)));
    writePacket(dir + QStringLiteral("M3AAli.xml"), "cdsM3AAli", m3aRows("cdsM3AAli", size.m3aRows));
    writePacket(dir + QStringLiteral("M3AAba.xml"), "cdsM3AAba", m3aRows("cdsM3AAba", size.m3aRows));
    writePacket(dir + QStringLiteral("M3AObs.xml"), "cdsM3AObs", obsRows("cdsM3AObs", m3aPages(size.m3aRows)));
}

// The folder of `size`, written once per process into a temporary directory that goes at exit;
// with its trailing delimiter.
inline const QString& GeneratedSampleFolder(SampleFolderSize size)
{
    static std::map<int, std::pair<std::unique_ptr<QTemporaryDir>, QString>> folders;
    auto& [dir, path] = folders[size.m3Rows * 100000 + size.m3aRows];
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        TdmMain dm;
        TdmMain* const previous = dmMain;
        dmMain = &dm;
        WriteSampleFolder(dm, dir->path(), size);
        dmMain = previous;
        path = dir->path() + QLatin1Char('/');
    }
    return path;
}

// A data module (installed as dmMain) with the generated sample folder of `size` open, every
// question answered Yes; closed and uninstalled at the end.
class OpenedSampleFolder {
public:
    explicit OpenedSampleFolder(SampleFolderSize size)
    {
        dmMain = &dm;
        if (dm.ProcessFormFolder(GeneratedSampleFolder(size), ffOpen) != TFolderResult::frDone)
            std::abort();
    }
    ~OpenedSampleFolder()
    {
        dm.ProcessFormFolder(dm.CurrentFormFolder, ffClose);
        dmMain = nullptr;
    }
    OpenedSampleFolder(const OpenedSampleFolder&) = delete;
    OpenedSampleFolder& operator=(const OpenedSampleFolder&) = delete;
    TdmMain dm;

private:
    sample_folder::YesToEverything yes_;
};

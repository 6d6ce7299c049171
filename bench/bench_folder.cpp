// A whole declaration: opening a typical and a large folder, posting a page and a list row,
// saving every file, and the peak memory of a program that opens and saves the large folder.
//
// Typical folder: every page of the general sector filled, 50 M/3 rows, 20 rows in each M/3A
// list. Large folder: 5,000 M/3 rows and 1,000 rows in each M/3A list. Both are generated on
// first use, deterministically.
#include "core/module/TdmMain.h"
#include "core/robustness/SampleFolder.h"
#include "core/util/Clock.h"
#include "support/ProcessStatus.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>

namespace {

const QDateTime kNow(QDate(2024, 3, 15), QTime(10, 30, 0));

enum FolderKind { kTypical = 0, kLarge = 1 };

SampleFolderSize sizeOf(int kind) { return kind == kLarge ? kLargeFolder : kTypicalFolder; }
const char* nameOf(int kind) { return kind == kLarge ? "large" : "typical"; }

// The generated folder of each kind, written once per run; removed at exit.
const QString& sampleFolder(int kind) { return GeneratedSampleFolder(sizeOf(kind)); }

// The sample folder of `kind`, open in a data module of its own.
class OpenFolder : public OpenedSampleFolder {
public:
    explicit OpenFolder(int kind) : OpenedSampleFolder(sizeOf(kind)) {}
};

void BM_OpenFolder(benchmark::State& state)
{
    const int kind = int(state.range(0));
    const QString folder = sampleFolder(kind);
    sample_folder::YesToEverything yes;
    for (auto _ : state) {
        state.PauseTiming();
        auto dm = std::make_unique<TdmMain>();
        dmMain = dm.get();
        state.ResumeTiming();
        if (dm->ProcessFormFolder(folder, ffOpen) != TFolderResult::frDone
            || dm->cdsM3VCLF.recordCount() != sizeOf(kind).m3Rows)
            state.SkipWithError("the folder does not open");
        state.PauseTiming();
        dm->ProcessFormFolder(dm->CurrentFormFolder, ffClose);
        dmMain = nullptr;
        dm.reset();
        state.ResumeTiming();
    }
    state.SetLabel(nameOf(kind));
}

// The two later steps of the open on their own: the 21-page recalculation and the validation.
void BM_RecalcAllPages(benchmark::State& state)
{
    OpenFolder f(int(state.range(0)));
    qx::ClientDataSet* order[] = {&f.dm.cdsM4P1,         &f.dm.cdsM4P2,         &f.dm.cdsM3AAli,
                                  &f.dm.cdsM3AAba,       &f.dm.cdsM3P1,         &f.dm.cdsM3VCLF,
                                  &f.dm.cdsAnexoBP1,     &f.dm.cdsAnexoBP2,     &f.dm.cdsAnexoBBankP1,
                                  &f.dm.cdsAnexoBBankP2, &f.dm.cdsAnexoBSegP1,  &f.dm.cdsAnexoBSegP2,
                                  &f.dm.cdsAnexoAP1,     &f.dm.cdsAnexoAP2,     &f.dm.cdsAnexoABankP1,
                                  &f.dm.cdsAnexoABankP2, &f.dm.cdsAnexoASegP1,  &f.dm.cdsAnexoASegP2,
                                  &f.dm.cdsM1P1,         &f.dm.cdsM1P2,         &f.dm.cdsM1P3};
    for (auto _ : state) {
        for (qx::ClientDataSet* ds : order) {
            QString visited;
            f.dm.RecalcDataSet(*ds, visited);
        }
    }
    state.SetLabel(nameOf(int(state.range(0))));
}

void BM_CheckAllForms(benchmark::State& state)
{
    OpenFolder f(int(state.range(0)));
    for (auto _ : state)
        f.dm.CheckForms(nullptr);
    state.SetLabel(nameOf(int(state.range(0))));
}

// An amount typed on the M/1 back page: its post (with the page's validation) and the refresh
// the editor runs when it shows the page again.
[[gnu::noinline]] void postM1Page(TdmMain& dm, qx::ClientDataSet& page, qx::Field& amount, qx::Currency value)
{
    page.edit();
    amount.setAsCurrency(value);
    page.post();
    QString visited;
    dm.RecalcDataSet(page, visited);
}

void BM_PostM1Page(benchmark::State& state)
{
    OpenFolder f(int(state.range(0)));
    qx::ClientDataSet& page = f.dm.cdsM1P2;
    qx::Field& amount = page.fieldByName(u"R2_Mop");
    std::int64_t n = 0;
    for (auto _ : state)
        postM1Page(f.dm, page, amount, qx::Currency::fromUnits(1000 + (++n % 2)));
    state.SetLabel(nameOf(int(state.range(0))));
}

// An amount changed in an M/3 row in the middle of the list: its row checks, the upkeep of the
// observations, the refresh of the M/3 header page and its validation.
[[gnu::noinline]] void postListRow(qx::ClientDataSet& list, qx::Field& amount, qx::Currency value)
{
    list.edit();
    amount.setAsCurrency(value);
    list.post();
}

void BM_PostM3Row(benchmark::State& state)
{
    OpenFolder f(int(state.range(0)));
    qx::ClientDataSet& list = f.dm.cdsM3VCLF;
    list.setRecNo(list.recordCount() / 2);
    qx::Field& amount = list.fieldByName(u"Col6_Mop");
    std::int64_t n = 0;
    for (auto _ : state)
        postListRow(list, amount, qx::Currency::fromUnits(++n % 2));
    state.SetLabel(nameOf(int(state.range(0))));
}

// Every file of the folder written (each is missing, so each is saved), the alert list last.
void BM_SaveAll(benchmark::State& state)
{
    QTemporaryDir copy;
    const QString source = sampleFolder(int(state.range(0)));
    for (const QString& name : QDir(source).entryList(QDir::Files))
        QFile::copy(source + name, copy.path() + QLatin1Char('/') + name);
    sample_folder::YesToEverything yes;
    TdmMain dm;
    dmMain = &dm;
    if (dm.ProcessFormFolder(copy.path(), ffOpen) != TFolderResult::frDone)
        state.SkipWithError("the folder does not open");
    for (auto _ : state) {
        state.PauseTiming();
        for (const QString& name : QDir(copy.path()).entryList(QDir::Files))
            QFile::remove(copy.path() + QLatin1Char('/') + name);
        state.ResumeTiming();
        if (dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll) != TFolderResult::frDone)
            state.SkipWithError("the save failed");
    }
    dm.ProcessFormFolder(dm.CurrentFormFolder, ffClose);
    dmMain = nullptr;
    state.SetLabel(nameOf(int(state.range(0))));
}


// Run in a fresh process (see main): opens and saves the folder, prints the peak in kB.
int reportPeakMemory(const char* folder)
{
    sample_folder::YesToEverything yes;
    TdmMain dm;
    dmMain = &dm;
    const QString path = QString::fromLocal8Bit(folder);
    if (dm.ProcessFormFolder(path, ffOpen) != TFolderResult::frDone)
        return 1;
    for (const QString& name : QDir(path).entryList(QDir::Files))
        QFile::remove(path + QLatin1Char('/') + name);
    if (dm.ProcessFormFolder(dm.CurrentFormFolder, ffSaveAll) != TFolderResult::frDone)
        return 1;
    std::printf("%lld\n", ProcessStatusKb("VmHWM"));
    return 0;
}

// The peak resident memory of a program that opens the folder and writes it all back, measured
// in a process of its own so that nothing of the benchmark counts.
void BM_PeakMemory(benchmark::State& state)
{
    QTemporaryDir copy;
    const QString source = sampleFolder(int(state.range(0)));
    for (const QString& name : QDir(source).entryList(QDir::Files))
        QFile::copy(source + name, copy.path() + QLatin1Char('/') + name);
    long kb = -1;
    for (auto _ : state) {
        QProcess child;
        child.start(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget(),
                    {QStringLiteral("--peak-memory"), copy.path()});
        child.waitForFinished(-1);
        kb = QString::fromLatin1(child.readAllStandardOutput()).trimmed().toLong();
        if (child.exitCode() != 0 || kb <= 0)
            state.SkipWithError("the measuring process failed");
    }
    state.counters["peak_MB"] = double(kb) / 1024.0;
    state.SetLabel(nameOf(int(state.range(0))));
}

}  // namespace

BENCHMARK(BM_OpenFolder)->Arg(kTypical)->Arg(kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecalcAllPages)->Arg(kTypical)->Arg(kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckAllForms)->Arg(kTypical)->Arg(kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PostM1Page)->Arg(kTypical)->Arg(kLarge)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PostM3Row)->Arg(kTypical)->Arg(kLarge)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveAll)->Arg(kTypical)->Arg(kLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeakMemory)->Arg(kLarge)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // The open writes the last folder to the registry: keep the user's settings out of it.
    static QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    SetFixedNow(kNow);
    QCoreApplication app(argc, argv);  // the open reads the program file's version
    if (argc == 3 && std::strcmp(argv[1], "--peak-memory") == 0)
        return reportPeakMemory(argv[2]);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Printing the asset lists: the last face of a 5,000-row M/3 list (sheet 132's back, which
// carries the totals of the 4,981 rows before it) and the last M/3A page of two 1,000-row lists,
// each laid out and written to a PDF file. The large sample folder of bench_folder is generated
// once, opened, and printed from.
#include "core/module/TdmMain.h"
#include "core/robustness/SampleFolder.h"
#include "platform/report/ReportOutput.h"
#include "print/forms/TFormRpt_M3A.h"
#include "print/forms/TFormRpt_M3Cont.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

namespace {

// The large folder, open in a data module, answering every question Yes.
struct LargeFolder {
    LargeFolder()
    {
        dmMain = &dm;
        WriteSampleFolder(dm, dir.path(), kLargeFolder);
        if (dm.ProcessFormFolder(dir.path() + QLatin1Char('/'), ffOpen) != TFolderResult::frDone)
            std::abort();
    }
    ~LargeFolder()
    {
        dm.ProcessFormFolder(dm.CurrentFormFolder, ffClose);
        dmMain = nullptr;
    }
    sample_folder::YesToEverything yes;
    QTemporaryDir dir;
    TdmMain dm;
};

// Made in main, once the application stands, and closed before it goes.
std::unique_ptr<LargeFolder> gFolder;

LargeFolder& largeFolder()
{
    if (!gFolder)
        gFolder = std::make_unique<LargeFolder>();
    return *gFolder;
}

void printToPdf(benchmark::State& state, qx::report::ReportPage& page, const QString& pdf)
{
    for (auto _ : state) {
        bool printed = false;
        if (!qx::report::PrintToPdf(page, pdf, &printed) || !printed)
            state.SkipWithError("the face did not print");
    }
}

void BM_PrintLastM3Face(benchmark::State& state)
{
    LargeFolder& f = largeFolder();
    TFormRpt_M3Cont form(f.dm);
    form.PagNum = 132;  // 5,000 rows: the last on sheet 132's back
    printToPdf(state, form.QuickRepP2, f.dir.filePath(QStringLiteral("m3.pdf")));
}

void BM_PrintLastM3APage(benchmark::State& state)
{
    LargeFolder& f = largeFolder();
    TFormRpt_M3A form(f.dm);
    form.PagNum = 50;  // 1,000 rows in each list: 50 pages
    printToPdf(state, form.QuickRepP1, f.dir.filePath(QStringLiteral("m3a.pdf")));
}

}  // namespace

BENCHMARK(BM_PrintLastM3Face)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintLastM3APage)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // The open writes the last folder to the registry: keep the user's settings out of it.
    static QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts of the printed pages
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    gFolder.reset();
    return 0;
}

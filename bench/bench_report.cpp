// A report page of a filled folder printed into a PDF file: layout, painting and writing, for the
// heaviest pages (M/1 on A4 with its page picture, the A3 back sheet with 114 data texts, M/4).
#include "core/module/TdmMain.h"
#include "core/robustness/SampleFolder.h"
#include "core/util/Clock.h"
#include "platform/report/ReportOutput.h"
#include "print/binding/BindReportFields.h"
#include "print/forms/EditorBindings.h"
#include "print/forms/ReportForms.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include "bench/OffscreenMain.h"

namespace {

struct Page {
    const char* form;
    const char* page;
};
constexpr Page kPages[] = {
    {"FormRpt_M1_A4", "QuickRepP1"}, {"FormRpt_M1", "QuickRepP2P3"}, {"FormRpt_AnexoA", "QuickRepP2"}, {"FormRpt_M4", "QuickRepP1"}};

// The typical sample folder open, its report pages bound as the editors bind them.
struct PrintedFolder {
    QTemporaryDir dir;
    TdmMain dm;
    std::unique_ptr<ReportForms> forms;
    sample_folder::YesToEverything yes;
    PrintedFolder()
    {
        dmMain = &dm;
        WriteSampleFolder(dm, dir.path(), kTypicalFolder);
        if (dm.ProcessFormFolder(dir.path(), ffOpen) != TFolderResult::frDone)
            std::abort();
        forms = std::make_unique<ReportForms>(dm);
        SetAutoMapPresenter([] { std::abort(); });
        if (!BindReportPagesFromLayouts(*forms, dm))
            std::abort();
    }
};

PrintedFolder& folder()
{
    static PrintedFolder f;
    return f;
}

void BM_PrintPageToPdf(benchmark::State& state)
{
    const Page& p = kPages[state.range(0)];
    qx::report::ReportPage& page = *folder().forms->page(QString::fromLatin1(p.form), QString::fromLatin1(p.page));
    page.tag = 10;
    const QString out = folder().dir.filePath(QStringLiteral("page.pdf"));
    for (auto _ : state)
        if (!qx::report::PrintToPdf(page, out))
            state.SkipWithError("cannot write the PDF");
    state.SetLabel(std::string(p.form) + "." + p.page);
}

}  // namespace

BENCHMARK(BM_PrintPageToPdf)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    SetFixedNow(QDateTime(QDate(2024, 3, 15), QTime(10, 30, 0)));
    return RunOffscreenBenchmarks(argc, argv);
}

// The M/3 editor on the large folder (5,000 M/3 rows, 1,000 rows in each M/3A list), on the
// offscreen platform: opening it (its first show, and a later show, on the list page), paging the
// grid down a screen, and posting a row with the totals, the header page and the alert frames
// brought up to date. Each case includes the painting that follows it (CPU time).
#include "core/module/TdmMain.h"
#include "core/robustness/SampleFolder.h"
#include "platform/widgets/DataGrid.h"
#include "ui/editors/TFormFillM3.h"
#include "ui/editors/TListGridPage.h"
#include "ui/framework/EditorTabs.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <memory>
#include "bench/OffscreenMain.h"

namespace {

// The large folder, written once and opened in a data module that answers every question Yes.
// The large sample folder, open in a data module of its own.
class LargeFolder : public OpenedSampleFolder {
public:
    LargeFolder() : OpenedSampleFolder(kLargeFolder) {}
};

// Made in main and gone before it returns, while the core's caches still stand.
std::unique_ptr<LargeFolder> folder;

LargeFolder& Folder()
{
    if (!folder)
        folder = std::make_unique<LargeFolder>();
    return *folder;
}

void showPainted(QWidget& window)
{
    window.show();
    QApplication::processEvents();
}

void BM_M3EditorFirstShow(benchmark::State& state)
{
    TdmMain& dm = Folder().dm;
    for (auto _ : state) {
        state.PauseTiming();
        auto editor = std::make_unique<TFormFillM3>(dm);
        editor->resize(1280, 800);
        editor->PageControl->setCurrentIndex(int(state.range(0)));
        state.ResumeTiming();
        showPainted(*editor);
        state.PauseTiming();
        editor.reset();
        state.ResumeTiming();
    }
}

void BM_M3EditorLaterShow(benchmark::State& state)
{
    TFormFillM3 editor(Folder().dm);
    editor.resize(1280, 800);
    editor.PageControl->setCurrentIndex(int(state.range(0)));
    showPainted(editor);
    for (auto _ : state) {
        editor.hide();
        showPainted(editor);
    }
}

void BM_M3GridPageDown(benchmark::State& state)
{
    TFormFillM3 editor(Folder().dm);
    editor.resize(1280, 800);
    editor.PageControl->setCurrentIndex(1);
    showPainted(editor);
    DataGrid& grid = *editor.ListPage->DBGrid;
    grid.setFocus();
    qx::ClientDataSet& list = Folder().dm.cdsM3VCLF;
    list.first();
    QApplication::processEvents();
    for (auto _ : state) {
        if (list.recNo() > list.recordCount() - 100) {
            state.PauseTiming();
            list.first();
            QApplication::processEvents();
            state.ResumeTiming();
        }
        QKeyEvent key(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
        QApplication::sendEvent(&grid, &key);
        QApplication::processEvents();
    }
}

void BM_M3PostRow(benchmark::State& state)
{
    TFormFillM3 editor(Folder().dm);
    editor.resize(1280, 800);
    editor.PageControl->setCurrentIndex(1);
    showPainted(editor);
    qx::ClientDataSet& list = Folder().dm.cdsM3VCLF;
    list.setRecNo(2500);
    editor.ListPage->DBGrid->setFocus();
    QApplication::processEvents();
    std::int64_t value = 60000;  // passes the row checks of row 2500
    for (auto _ : state) {
        list.edit();
        list.fieldByName(u"Col1_Mop").setAsCurrency(qx::Currency::fromUnits(value ^= 1));
        editor.ListPage->DataSetPost->trigger();
        QApplication::processEvents();
    }
}

}  // namespace

BENCHMARK(BM_M3EditorFirstShow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_M3EditorLaterShow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_M3GridPageDown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_M3PostRow)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunOffscreenBenchmarks(argc, argv, {}, [] { folder.reset(); });
}

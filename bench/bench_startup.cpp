// Start-up of the program up to its main window shown and painted: every form it has made, the
// data module created, the splash shown and hidden. Offscreen, wall time.
#include "core/msgdlg/UtilityStartup.h"
#include "ui/mainwindow/ProgramForms.h"
#include "ui/mainwindow/TFormMain.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>
#include "bench/OffscreenMain.h"

namespace {

void BM_StartupToMainWindowShown(benchmark::State& state)
{
    for (auto _ : state) {
        auto forms = std::make_unique<ProgramForms>(QStringLiteral("1.0.0.0"));
        forms->CreateAll();
        forms->FormMain->showMaximized();
        while (forms->FormMain->FirstPaint)
            QCoreApplication::processEvents();
        state.PauseTiming();
        forms->FormMain->TimerAutoOpen.stop();
        forms.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToMainWindowShown)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

}  // namespace

int main(int argc, char** argv)
{
    return RunOffscreenBenchmarks(argc, argv, [] { InitializeUtilities(); });
}

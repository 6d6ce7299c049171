// The M/1 editor on the offscreen platform over a filled folder: its first show (the window built
// from the layouts of its three data pages and the picture page, about 200 boxes, the four page
// pictures decoded, shown and painted) and its later shows. CPU time; each case includes the
// painting that follows it.
#include "core/module/TdmMain.h"
#include "core/util/Messages.h"
#include "ui/editors/SampleValues.h"
#include "ui/editors/TFormFillM1.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>
#include "bench/OffscreenMain.h"

namespace {

class YesToAll final : public MessagePresenter {
public:
    int present(const QString&, const QString&, const QString&, std::uint8_t, const QString&) override { return mrYes; }
};

struct Fixture {
    Fixture()
    {
        SetMessagePresenter(&answers);
        dm = std::make_unique<TdmMain>();
        dmMain = dm.get();
        dm->ProcessFormFolder(dir.path(), ffOpen);
        FillPages(*dm);
    }
    ~Fixture()
    {
        dm.reset();
        dmMain = nullptr;
        SetMessagePresenter(nullptr);
    }
    YesToAll answers;
    QTemporaryDir dir;
    std::unique_ptr<TdmMain> dm;
};

void showAndPaint(QWidget& w)
{
    w.show();
    QApplication::processEvents();
    w.repaint();
}

void BM_M1EditorFirstShow(benchmark::State& state)
{
    Fixture f;
    for (auto _ : state) {
        auto editor = std::make_unique<TFormFillM1>(*f.dm);
        editor->resize(1280, 1000);
        showAndPaint(*editor);
        state.PauseTiming();
        editor.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_M1EditorLaterShow(benchmark::State& state)
{
    Fixture f;
    TFormFillM1 editor(*f.dm);
    editor.resize(1280, 1000);
    showAndPaint(editor);
    for (auto _ : state) {
        state.PauseTiming();
        editor.close();
        QApplication::processEvents();
        state.ResumeTiming();
        showAndPaint(editor);
    }
}

}  // namespace

BENCHMARK(BM_M1EditorFirstShow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_M1EditorLaterShow)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunOffscreenBenchmarks(argc, argv);
}

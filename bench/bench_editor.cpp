// The editor on the offscreen platform: a page of 200 boxes over a 950 x 1,400 picture (first
// show, later shows, Enter to the next box, a page post with its alert frame updated), and a
// grid over 5,000 rows painting one screen. Each case includes the painting that follows it
// (CPU time; the offscreen platform paints into memory).
#include "core/module/TdmMain.h"
#include "platform/widgets/DataEdit.h"
#include "platform/widgets/DataGrid.h"
#include "platform/widgets/DataSource.h"
#include "platform/widgets/DataText.h"
#include "ui/framework/TFormFill.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <memory>
#include "bench/OffscreenMain.h"

namespace {

constexpr int kBoxes = 200;
constexpr int kTexts = 20;  // of the 200, calculated-looking texts; the rest are edits

QString boxField(int i) { return QStringLiteral("F%1_Mop").arg(i, 3, 10, QLatin1Char('0')); }

std::unique_ptr<qx::ClientDataSet> pageDataSet(int fields, int rows)
{
    auto ds = std::make_unique<qx::ClientDataSet>(QStringLiteral("cdsBenchPage"));
    std::vector<qx::FieldDef> defs;
    for (int i = 0; i < fields; ++i) {
        qx::FieldDef d;
        d.name = boxField(i);
        d.type = qx::FieldType::Currency;
        d.displayFormat = QStringLiteral(",0;(,0)");
        d.alignment = qx::Alignment::Right;
        defs.push_back(d);
    }
    qx::FieldDef total;
    total.name = QStringLiteral("total_mop");
    total.type = qx::FieldType::Currency;
    total.kind = qx::FieldKind::Calculated;
    total.displayFormat = QStringLiteral(",0;(,0)");
    defs.push_back(total);
    ds->setFieldDefs(defs);
    ds->onCalcFields = [fields](qx::ClientDataSet& d) {
        qx::Currency sum;
        for (int i = 0; i < fields; ++i)
            sum += d.field(i).asCurrency();
        d.field(fields).setAsCurrency(sum);
    };
    std::vector<std::vector<qx::Value>> data;
    for (int r = 0; r < rows; ++r) {
        std::vector<qx::Value> row;
        for (int i = 0; i < fields; ++i)
            row.push_back(qx::Currency::fromUnits((r + 1) * 100 + i));
        data.push_back(std::move(row));
    }
    ds->loadRows(std::move(data));
    return ds;
}

QImage pagePicture()
{
    QImage picture(950, 1400, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    for (int y = 40; y < 1400; y += 26)
        p.drawLine(20, y, 930, y);
    return picture;
}

// One data page with 200 boxes in four columns, plus a second small page.
class BenchEditor : public TFormFill {
public:
    BenchEditor(qx::ClientDataSet& page, qx::ClientDataSet& other) : TFormFill(specOf(page, other))
    {
        for (int i = 0; i < kBoxes; ++i) {
            const QRect box(30 + (i / 50) * 230, 40 + (i % 50) * 26, 200, 20);
            if (i % (kBoxes / kTexts) == kBoxes / kTexts - 1)
                AddText(0, boxField(i), box);
            else
                edits.push_back(AddEdit(0, boxField(i), box));
        }
        AddEdit(1, boxField(0), {30, 40, 200, 20});
    }
    std::vector<DataEdit*> edits;

private:
    static EditorSpec specOf(qx::ClientDataSet& page, qx::ClientDataSet& other)
    {
        EditorSpec spec;
        spec.caption = QStringLiteral("Bench");
        spec.formCode = 2011;
        const QString last = boxField(kBoxes - 2);
        spec.pages.push_back({QStringLiteral("1"), &page, 2011, pagePicture(), Qt::white, boxField(0), last});
        spec.pages.push_back({QStringLiteral("2"), &other, 2012, pagePicture(), Qt::white, boxField(0), boxField(0)});
        return spec;
    }
};

struct Fixture {
    Fixture()
    {
        dm = std::make_unique<TdmMain>();
        dmMain = dm.get();
        dm->cdsAlert.createDataSet();
        dm->cdsAlert.setIndexFieldNames(QStringLiteral("OBJ_CODE"));
        page = pageDataSet(kBoxes, 1);
        other = pageDataSet(kBoxes, 1);
        // The page's validation, as the data module's page check does: its alerts replaced. One
        // alert stays, so the frame stays shown while its rows change.
        page->afterPost = [this](qx::ClientDataSet& d) {
            dm->DeleteAlertsOfObject(2011);
            dm->AddAlert(2011, boxField(0), 20, 1, QStringLiteral("提醒"), QStringLiteral("Aviso"));
            for (int i = 1; i < 3; ++i)
                if (d.field(i).asCurrency().isNegative())
                    dm->AddAlert(2011, boxField(i), 10, 12, QStringLiteral("溢位"), QStringLiteral("Excede"));
        };
    }
    ~Fixture()
    {
        page.reset();
        dmMain = nullptr;
    }
    std::unique_ptr<TdmMain> dm;
    std::unique_ptr<qx::ClientDataSet> page, other;
};

void showAndPaint(QWidget& w)
{
    w.show();
    QApplication::processEvents();
    w.repaint();
}

// The data, and the editor shown once over it.
struct ShownEditor : Fixture {
    ShownEditor() : editor(*page, *other)
    {
        editor.resize(1280, 1000);
        showAndPaint(editor);
    }
    BenchEditor editor;
};

void BM_EditorFirstShow(benchmark::State& state)
{
    Fixture f;
    for (auto _ : state) {
        BenchEditor editor(*f.page, *f.other);
        editor.resize(1280, 1000);
        showAndPaint(editor);
        state.PauseTiming();
        editor.hide();
        state.ResumeTiming();
    }
}

void BM_EditorLaterShow(benchmark::State& state)
{
    ShownEditor f;
    for (auto _ : state) {
        state.PauseTiming();
        f.editor.hide();
        QApplication::processEvents();
        state.ResumeTiming();
        showAndPaint(f.editor);
    }
}

void BM_EditorEnterToNextBox(benchmark::State& state)
{
    ShownEditor f;
    BenchEditor& editor = f.editor;
    editor.activateWindow();
    std::size_t i = 0;
    editor.edits[0]->setFocus();
    for (auto _ : state) {
        QWidget* focused = QApplication::focusWidget();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(focused, &press);
        QApplication::processEvents();
        if (++i == editor.edits.size() - 1) {
            state.PauseTiming();
            i = 0;
            editor.edits[0]->setFocus();
            QApplication::processEvents();
            state.ResumeTiming();
        }
    }
}

void BM_EditorPagePost(benchmark::State& state)
{
    ShownEditor f;
    bool negative = false;
    for (auto _ : state) {
        negative = !negative;
        f.page->edit();
        f.page->field(1).setAsCurrency(qx::Currency::fromUnits(negative ? -5 : 5));
        f.page->post();
        QApplication::processEvents();
    }
}

void BM_GridPaintScreen(benchmark::State& state)
{
    auto list = pageDataSet(12, 5000);
    DataSource source;
    source.setDataSet(list.get());
    DataGrid grid;
    grid.setDataSource(&source);
    std::vector<GridColumn> columns;
    for (int i = 0; i < 12; ++i)
        columns.push_back({boxField(i), {}, 90});
    columns.push_back({QStringLiteral("total_mop"), {}, 110});
    grid.setColumns(columns);
    grid.resize(1280, 800);
    showAndPaint(grid);
    const bool fresh = state.range(0) != 0;
    for (auto _ : state) {
        if (fresh)
            list->refresh();  // every row read again
        grid.viewport()->repaint();
    }
}

}  // namespace

BENCHMARK(BM_EditorFirstShow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditorLaterShow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditorEnterToNextBox)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EditorPagePost)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GridPaintScreen)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunOffscreenBenchmarks(argc, argv);
}

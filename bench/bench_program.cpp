// The program as a person feels it, offscreen, through its real main window and editors, with the
// typical and the large sample folder: opening a folder from the menu to the main window ready,
// the first and a later show of each editor, Enter to the next box, a page post with its alerts
// shown, and the program's memory after start-up, with every editor shown once and after the
// folder is closed.
// Wall time: what the person waits for. QT_QPA_PLATFORM=xcb measures under the X server of DISPLAY
// instead (scripts/bench does so for the memory, under Xvfb).
#include "core/msgdlg/UtilityStartup.h"
#include "core/robustness/SampleFolder.h"
#include "e2e/ProgramRun.h"
#include "support/ModalScript.h"
#include "support/ProcessStatus.h"
#include "platform/widgets/DataEdit.h"
#include "print/dialog/TFormPrnSetup.h"
#include "ui/framework/EditorTabs.h"
#include "ui/mainwindow/BrowseForFolder.h"
#include "ui/mainwindow/TFormMain.h"

#include <QAction>
#include <QDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

enum FolderKind { kTypical = 0, kLarge = 1 };
const char* nameOf(int kind) { return kind == kLarge ? "large" : "typical"; }

const QString& sampleFolder(int kind) { return GeneratedSampleFolder(kind == kLarge ? kLargeFolder : kTypicalFolder); }

void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// The program started with the folder of `kind` open from its menu.
struct OpenProgram {
    explicit OpenProgram(int kind)
    {
        const QString folder = sampleFolder(kind);
        SetFolderBrowser([folder](QWidget*, const QString&, const QString&) { return folder; });
        run.main().FirstPaint = false;
        run.main().show();
        run.main().ActionSelectFolder->trigger();
        settle();
    }
    ~OpenProgram() { SetFolderBrowser(nullptr); }
    sample_folder::YesToEverything yes;
    ProgramRun run{&yes};
};

const char* const kEditors[] = {"FormFillM1", "FormFillAnexoA", "FormFillAnexoB", "FormFillM3", "FormFillM3A", "FormFillM4"};

void showAndPaint(QWidget& w)
{
    w.show();
    settle();
    w.repaint();
}

void BM_OpenFolderFromMenu(benchmark::State& state)
{
    const int kind = int(state.range(0));
    const QString folder = sampleFolder(kind);
    sample_folder::YesToEverything yes;
    ProgramRun run(&yes);
    SetFolderBrowser([folder](QWidget*, const QString&, const QString&) { return folder; });
    run.main().FirstPaint = false;
    run.main().show();
    settle();
    for (auto _ : state) {
        run.main().ActionSelectFolder->trigger();
        settle();
        state.PauseTiming();
        if (!run.main().ActionFillM1->isEnabled())
            state.SkipWithError("the folder did not open");
        run.main().ActionSaveAndCloseAll->trigger();
        settle();
        state.ResumeTiming();
    }
    SetFolderBrowser(nullptr);
    state.SetLabel(nameOf(kind));
}

// range(0): folder kind; range(1): the editor.
void BM_EditorFirstShow(benchmark::State& state)
{
    const QString name = QString::fromLatin1(kEditors[state.range(1)]);
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<OpenProgram>(int(state.range(0)));
        TFormFill* editor = program->run.Editor(name);
        state.ResumeTiming();
        showAndPaint(*editor);
        state.PauseTiming();
        editor->close();
        program.reset();
        settle();
        state.ResumeTiming();
    }
    state.SetLabel(QStringLiteral("%1 %2").arg(name, QLatin1String(nameOf(int(state.range(0))))).toStdString());
}

// Shown modally and closed as the main window does, so that each show regrows the backing store a
// closed editor gives back.
void BM_EditorLaterShow(benchmark::State& state)
{
    const QString name = QString::fromLatin1(kEditors[state.range(1)]);
    OpenProgram program(int(state.range(0)));
    TFormFill* editor = program.run.Editor(name);
    bool timing = false;
    auto closeOncePainted = [&] {
        QTimer::singleShot(0, editor, [&] {
            settle();
            editor->repaint();
            if (timing)
                state.PauseTiming();
            editor->close();
        });
    };
    closeOncePainted();
    editor->ShowModal();
    timing = true;
    for (auto _ : state) {
        closeOncePainted();
        editor->ShowModal();
        settle();
        state.ResumeTiming();
    }
    state.SetLabel(QStringLiteral("%1 %2").arg(name, QLatin1String(nameOf(int(state.range(0))))).toStdString());
}

// The M/1 editor shown on its back page (income lines).
TFormFill& showM1BackPage(OpenProgram& program)
{
    TFormFill& editor = *program.run.Editor(QStringLiteral("FormFillM1"));
    showAndPaint(editor);
    editor.PageControl->setCurrentIndex(1);
    settle();
    return editor;
}

// Enter on an M/1 back-page amount to the next box, the painting included.
void BM_EnterToNextBox(benchmark::State& state)
{
    OpenProgram program(int(state.range(0)));
    TFormFill& editor = showM1BackPage(program);
    TFormFill::Page& page = editor.PageAt(1);
    for (auto _ : state) {
        state.PauseTiming();
        page.First->setFocus();
        settle();
        state.ResumeTiming();
        QTest::keyClick(page.First, Qt::Key_Return);
        settle();
    }
    editor.close();
    state.SetLabel(nameOf(int(state.range(0))));
}

// An amount typed on the M/1 back page and the page posted: validation, the alert frame filled
// and painted.
void BM_PagePostWithAlerts(benchmark::State& state)
{
    OpenProgram program(int(state.range(0)));
    TFormFill& editor = showM1BackPage(program);
    TFormFill::Page& page = editor.PageAt(1);
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        page.First->setFocus();
        page.First->selectAll();
        QTest::keyClicks(page.First, QString::number(1000 + (++n % 2)));
        state.ResumeTiming();
        page.DataSetPost->trigger();
        settle();
        editor.repaint();
    }
    editor.close();
    state.SetLabel(nameOf(int(state.range(0))));
}


// The program's memory as main() makes it (every window as large as the screen's available area),
// measured in a process of its own (--memory <folder>) so that neither the generation of the
// folder nor the other benchmarks count: resident after start-up with the folder opened from the
// menu; the peak once every editor of the sector was opened from the menu as a person does, each
// page of it shown; resident after the folder is closed again.
int reportMemory(const char* folder)
{
    sample_folder::YesToEverything yes;
    ProgramRun run(&yes);
    TFormMain& main = run.main();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        main.setGeometry(screen->availableGeometry());
        for (const char* name : kEditors)
            run.Editor(QString::fromLatin1(name))->setGeometry(screen->availableGeometry());
    }
    const QString path = QString::fromLocal8Bit(folder);
    SetFolderBrowser([path](QWidget*, const QString&, const QString&) { return path; });
    main.FirstPaint = false;
    main.show();
    settle();
    main.ActionSelectFolder->trigger();
    settle();
    if (!main.ActionFillM1->isEnabled())
        return 1;
    const qint64 startup = ProcessStatusKb("VmRSS");
    for (QAction* open : {main.ActionFillM1, main.ActionFillAnexoA, main.ActionFillAnexoB, main.ActionFillM3,
                          main.ActionFillM3A, main.ActionFillM4}) {
        ModalScript modals;
        modals.then([](QWidget& w) {
            auto& editor = static_cast<TFormFill&>(w);
            settle();
            for (int page = 1; page <= editor.PageCount(); ++page) {
                editor.PageControl->setCurrentIndex(page % editor.PageCount());
                settle();
            }
            editor.close();
        });
        open->trigger();
        if (!modals.done())
            return 1;
    }
    const qint64 peak = ProcessStatusKb("VmHWM");
    main.ActionSaveAndCloseAll->trigger();
    settle();
    std::printf("%lld %lld %lld\n", startup, peak, ProcessStatusKb("VmRSS"));
    return 0;
}

// range(0): the folder kind.
void BM_ProgramMemory(benchmark::State& state)
{
    const QString folder = sampleFolder(int(state.range(0)));
    QStringList kb;
    for (auto _ : state) {
        QProcess child;
        child.start(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget(), {QStringLiteral("--memory"), folder});
        child.waitForFinished(-1);
        kb = QString::fromLatin1(child.readAllStandardOutput()).trimmed().split(u' ');
        if (child.exitCode() != 0 || kb.size() != 3)
            state.SkipWithError("the measuring process failed");
    }
    if (kb.size() == 3) {
        state.counters["startup_MB"] = kb[0].toDouble() / 1024.0;
        state.counters["peak_MB"] = kb[1].toDouble() / 1024.0;
        state.counters["closed_MB"] = kb[2].toDouble() / 1024.0;
    }
    state.SetLabel(QStringLiteral("%1 %2").arg(nameOf(int(state.range(0))), QGuiApplication::platformName()).toStdString());
}

// M/1 page 1 printed as a test page into a PDF file through the print dialog's own print code
// (the file chosen once in the system's printer dialog).
void BM_PrintToPdfThroughDialog(benchmark::State& state)
{
    OpenProgram program(int(state.range(0)));
    TFormPrnSetup& dialog = *program.run.forms().FormPrnSetup;
    QTemporaryDir out;
    dialog.PageCode = 1011;
    dialog.M1OnA4 = true;
    dialog.show();
    settle();
    dialog.CheckListBoxRptPage->setCurrentRow(0);
    QTimer::singleShot(100, [&] {
        QWidget* w = QApplication::activeModalWidget();
        w->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(out.filePath(QStringLiteral("m1.pdf")));
        static_cast<QDialog*>(w)->accept();
    });
    dialog.btnSelectPrinter->click();
    for (auto _ : state) {
        dialog.btnPrintTestPage->click();
        settle();
    }
    if (QFileInfo(out.filePath(QStringLiteral("m1.pdf"))).size() == 0)
        state.SkipWithError("nothing printed");
    dialog.hide();
    state.SetLabel(nameOf(int(state.range(0))));
}

void editorArgs(benchmark::internal::Benchmark* b)
{
    for (int kind : {kTypical, kLarge})
        for (int e = 0; e < int(std::size(kEditors)); ++e)
            b->Args({kind, e});
}

}  // namespace

BENCHMARK(BM_OpenFolderFromMenu)->Arg(kTypical)->Arg(kLarge)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EditorFirstShow)->Apply(editorArgs)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_EditorLaterShow)->Apply(editorArgs)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EnterToNextBox)->Arg(kTypical)->Arg(kLarge)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PagePostWithAlerts)->Arg(kTypical)->Arg(kLarge)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PrintToPdfThroughDialog)->Arg(kTypical)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ProgramMemory)->Arg(kTypical)->Arg(kLarge)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Corvel"));
    QApplication::setApplicationName(QStringLiteral("QuendrixBench"));
    InitializeUtilities();
    if (argc == 3 && std::strcmp(argv[1], "--memory") == 0)
        return reportMemory(argv[2]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

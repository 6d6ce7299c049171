#pragma once
// The main of a benchmark of widgets or printed pages: the offscreen platform (unless one is
// set), the registry in a folder of its own (opening a folder writes the last folder there), an
// application object for the fonts and windows, then Google Benchmark. `started` runs once the
// application exists; `finishing` before it goes (for what must be released while it stands).

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <functional>

inline int RunOffscreenBenchmarks(int argc, char** argv, const std::function<void()>& started = {},
                                  const std::function<void()>& finishing = {})
{
    static QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (started)
        started();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (finishing)
        finishing();
    return 0;
}

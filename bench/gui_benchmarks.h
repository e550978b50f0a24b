// What the benchmarks that lay documents out or draw need before they run:
// a GUI application with the system's fonts, and no display.
#pragma once

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace tipolab::bench {

inline int runGuiBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace tipolab::bench

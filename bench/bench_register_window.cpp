// The register window over a large folder: the time from choosing the folder
// to the table filled (files found, read and evaluated off the interface
// thread, the model, the sort and the summary band), and the memory the
// process holds at its peak. The folder is TIPOLAB_REGISTER_FOLDER, or the
// sample copied `range` times.
#include "shell/document_desk.h"
#include "shell/modulo_tipolab.h"
#include "shell/qt_dialogs.h"
#include "windows/registro.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

// The process's peak resident memory, in MiB.
double peakMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    }
    return 0;
}

void waitFor(const tipolab::registro& window)
{
    while (window.loading())
        QTest::qWait(5);
}

// `rereading`: the folder read once, then read again with nothing changed,
// as when the window comes back to the front.
void registerWindow(benchmark::State& state, bool rereading)
{
    QTemporaryDir made;
    QString folder = qEnvironmentVariable("TIPOLAB_REGISTER_FOLDER");
    if (folder.isEmpty()) {
        folder = made.path();
        const QString sample = QStringLiteral(TIPOLAB_TEST_DATA_DIR "/Tipolab-dati-esempio");
        for (int i = 0; i < state.range(0); ++i)
            QFile::copy(sample, made.filePath(QStringLiteral("Tipolab-dati-%1").arg(i)));
    }
    tipolab::QtDialogs dialogs;
    tipolab::ModuloTipolab module(dialogs, {});
    const auto desk = tipolab::DocumentDesk::forDesktop(dialogs);
    tipolab::registro window(module, *desk);
    window.show();
    if (rereading) {
        window.leggi(folder);
        waitFor(window);
    }
    for (auto _ : state) {
        if (rereading)
            window.aggiorna();
        else
            window.leggi(folder);
        waitFor(window);
        benchmark::DoNotOptimize(window.model().rowCount());
    }
    state.counters["rows"] = window.model().rowCount();
    state.counters["peak_MiB"] = peakMiB();
}

void BM_RegisterWindowOfAFolder(benchmark::State& state)
{
    registerWindow(state, false);
}
BENCHMARK(BM_RegisterWindowOfAFolder)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RegisterWindowRereading(benchmark::State& state)
{
    registerWindow(state, true);
}
BENCHMARK(BM_RegisterWindowRereading)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

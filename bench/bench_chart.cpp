// Opening and printing charts in the chart window. Goals: a 20-item chart
// opens in under 50 ms and a 1,000-item chart in under 500 ms (ShowChart
// until the window has painted), and the 1,000-item chart grows the process
// by under 50 MiB, also after scrolling from its first row to its last.
// Counters:
//   rss_open_MiB      resident memory the open window added
//   rss_scrolled_MiB  the same after scrolling through every row
//   pages             pages printed

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>

#include "AppFonts.h"
#include "ChartCanvas.h"
#include "PrivateEnvironment.h"
#include "clsChart.h"
#include "frmChart.h"

namespace {

QTemporaryDir* gDir = nullptr;

// A chart of `count` items: chords, scale positions and note maps in turn.
QString chartFile(int count) {
    const QString path = gDir->filePath(QStringLiteral("bench%1.cht").arg(count));
    if (QFile::exists(path)) return path;
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("DESC:benchmark\r\n");
    const char* const lines[] = {
        "Chord: C Major (1)~0,6,3,3,2,2,0,0,1,1,0,0\r\n",
        "Chord: Bb7 (1)~6,1,8,3,6,1,7,2,6,1,6,1;6,6,1;\r\n",
        "Scale: A Minor (2)~6,5,1|6,7,3|6,8,4|5,5,1|5,7,3|5,8,4|4,5,1|4,7,3|3,4,1|3,5,2|3,7,4|2,5,1|2,6,2|1,5,1\r\n",
        "Map: E Major~E-G#-B~False\r\n",
        "Map: C Major~C-E-G~True\r\n",
    };
    for (int i = 0; i < count; ++i) file.write(lines[i % 5]);
    return path;
}

long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

void closeChart(QPointer<clsChart>& viewer) {
    if (viewer && viewer->ChartForm()) viewer->ChartForm()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_OpenChart(benchmark::State& state) {
    const QString path = chartFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QPointer<clsChart> viewer = new clsChart();
        viewer->ShowChart(path, QStringLiteral("Bench"));
        QCoreApplication::processEvents();  // the first paint
        state.PauseTiming();
        closeChart(viewer);
        state.ResumeTiming();
    }
}

void BM_ChartMemory(benchmark::State& state) {
    const QString path = chartFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        // A small chart first pays the one-time costs (fonts, styles).
        QPointer<clsChart> warmUp = new clsChart();
        warmUp->ShowChart(chartFile(20), QStringLiteral("Warm-up"));
        QCoreApplication::processEvents();
        closeChart(warmUp);
        const long before = residentKiB();
        QPointer<clsChart> viewer = new clsChart();
        viewer->ShowChart(path, QStringLiteral("Bench"));
        QCoreApplication::processEvents();
        const long opened = residentKiB();
        QScrollBar* bar = viewer->ChartForm()->VScroll1();
        for (int value = 0; value <= bar->maximum(); value += ChartCanvas::kRowPitch) {
            bar->setValue(value);
            QCoreApplication::processEvents();
        }
        const long scrolled = residentKiB();
        state.counters["rss_open_MiB"] = (opened - before) / 1024.0;
        state.counters["rss_scrolled_MiB"] = (scrolled - before) / 1024.0;
        closeChart(viewer);
    }
}

void BM_PrintChart(benchmark::State& state) {
    const QString path = chartFile(static_cast<int>(state.range(0)));
    QPointer<clsChart> viewer = new clsChart();
    viewer->ShowChart(path, QStringLiteral("Bench"));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(gDir->filePath(QStringLiteral("bench.pdf")));
        viewer->ChartForm()->PrintChart(printer);
    }
    state.counters["pages"] = (state.range(0) + 9) / 10;
    closeChart(viewer);
}

}  // namespace

int main(int argc, char** argv) {
    PrivateEnvironment environment;  // never the user's own settings or data
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    AppFonts::RegisterAppFonts();
    QTemporaryDir dir;
    gDir = &dir;

    // Memory first, in a process that has opened nothing big yet.
    benchmark::RegisterBenchmark("BM_ChartMemory", BM_ChartMemory)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_OpenChart", BM_OpenChart)->Arg(20)->Arg(1000)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_PrintChart", BM_PrintChart)->Arg(20)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_PrintChart", BM_PrintChart)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// A 1,000-item chart: reading the file, loading it into the chart manager
// panel (the host's item list and the code list), and a Move with the save
// it makes (written whole through a temporary file and synced to disk).
// Goal: loading and moving-and-saving each under 20 ms.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QPushButton>

#include "PrivateEnvironment.h"
#include "ChartFile.h"
#include "ctlChartControls.h"

namespace {

constexpr int kItems = 1000;

// Chords, scales and maps, as the main window appends them.
QByteArray bigChart() {
    QByteArray bytes = "DESC:A long set list\r\n";
    for (int i = 0; i < kItems; ++i) {
        switch (i % 3) {
            case 0: bytes += "Chord: A 13 (2)~5,1,7,3,5,7,6,2,7,4,7,4;5,6,1;7,2,1;\r\n"; break;
            case 1: bytes += "Scale: A Minor (2)~6,5,1|6,7,3|6,8,4|5,5,1|5,7,3|5,8,4|4,5,1|4,7,3\r\n"; break;
            default: bytes += "Map: C Major~C-E-G~True\r\n"; break;
        }
    }
    return bytes;
}

void writeChart(const QString& name) {
    const QString folder = ChartFile::ChartFolder();
    ChartFile::EnsureFolder(folder);
    ChartFile::WriteBytes(ChartFile::PathOf(folder, name), bigChart());
}

void BM_ReadFile(benchmark::State& state) {
    writeChart(QStringLiteral("Big"));
    const QString path = ChartFile::PathOf(ChartFile::ChartFolder(), QStringLiteral("Big"));
    for (auto _ : state) {
        ChartContent content;
        ChartFile::Read(path, &content);
        benchmark::DoNotOptimize(content.Items.size());
    }
}

// Choosing a chart in the panel: read, both lists emptied and filled.
void BM_PanelLoad(benchmark::State& state) {
    writeChart(QStringLiteral("Big"));
    writeChart(QStringLiteral("Big 2"));
    ctlChartControls panel;
    QListWidget items;
    panel.SetLstItems(&items);
    bool second = false;
    for (auto _ : state) {
        panel.SelectChart(second ? QStringLiteral("Big 2") : QStringLiteral("Big"));
        second = !second;
        if (panel.ItemCount() != kItems) state.SkipWithError("chart not loaded");
    }
}

// Move Down then Move Up in turn, each saving the whole chart.
void BM_PanelMoveAndSave(benchmark::State& state) {
    writeChart(QStringLiteral("Big"));
    ctlChartControls panel;
    QListWidget items;
    panel.SetLstItems(&items);
    panel.SelectChart(QStringLiteral("Big"));
    panel.SelectItem(kItems / 2);
    int button = 1;
    for (auto _ : state) {
        panel.cmdUpDown(button)->click();
        button = 1 - button;
    }
    if (panel.SelectedItem() != kItems / 2 && panel.SelectedItem() != kItems / 2 + 1)
        state.SkipWithError("item not moved");
}

BENCHMARK(BM_ReadFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PanelLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PanelMoveAndSave)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    PrivateEnvironment environment;  // never the user's own charts or settings
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

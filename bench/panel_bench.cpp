#include "panels/graph_panel.h"
#include "panels/qt_window_system.h"
#include "plot/graph_catalogue.h"
#include "plot/plot_run.h"
#include "winsys/runtime_error.h"

#include <QApplication>
#include <QImage>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <array>

namespace {

struct PanelSet
{
    QWidget window;
    panels::PanelArray panels = panels::createGraphPanels(&window);
    panels::QtWindowSystem windows{panels};
};

const plot::Graph& distanceGraph()
{
    return plot::graphForButton(plot::GraphButton::Command1);
}

// Paints panel 3 after the given number of accumulated s-graph runs with accelerations
// 1, 2, 3, ... (cycling through 1 to 40, so every run draws a full-length curve).
void BM_PaintPanelAfterRuns(benchmark::State& state)
{
    PanelSet set;
    for (int run = 0; run < state.range(0); ++run) {
        plot::plotRun(distanceGraph(), static_cast<std::int16_t>(1 + run % 40), set.windows);
    }
    panels::GraphPanel& panel = *set.panels[3];
    if (!panel.hasCurves()) {
        state.SkipWithError("the runs drew nothing");
        return;
    }
    QImage image(panel.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        panel.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintPanelAfterRuns)->Arg(1)->Arg(1000)->Unit(benchmark::kMicrosecond);

// One full plot run through the Qt seam (a = 0: 169 segments, all markers), without painting.
void BM_PlotRunThroughQtSeam(benchmark::State& state)
{
    PanelSet set;
    for (auto _ : state) {
        plot::plotRun(distanceGraph(), 0, set.windows);
    }
}
BENCHMARK(BM_PlotRunThroughQtSeam)->Unit(benchmark::kMicrosecond);

// Every 16th acceleration from -32768 on all four graphs, 16 384 runs onto the same panels,
// overflows included: the whole range takes 16 times as long.
void BM_AccelerationRangeThroughQtSeam(benchmark::State& state)
{
    PanelSet set;
    for (auto _ : state) {
        for (int a = -32768; a <= 32767; a += 16) {
            for (const plot::Graph& graph : plot::graphCatalogue) {
                try {
                    plot::plotRun(graph, static_cast<std::int16_t>(a), set.windows);
                } catch (const winsys::RuntimeError&) {
                }
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * 4096 * 4);
}
BENCHMARK(BM_AccelerationRangeThroughQtSeam)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

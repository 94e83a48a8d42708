// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/graph_panel.h"
#include "panels/panel_board.h"
#include "panels/worksheet_copy.h"
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
    panels::PanelBoard board{&window};
};

const plot::Graph& distanceGraph()
{
    return plot::graphForButton(plot::GraphButton::Command1);
}

// Paints panel 3 after the given number of accumulated s-graph runs, at the screen's device
// pixel ratio. The accelerations cycle down through 40 to 1, so that every run draws a
// full-length curve and the last run, whose dots and bars are painted, is always a = 1.
void BM_PaintPanelAfterRuns(benchmark::State& state)
{
    PanelSet set;
    const auto runs = static_cast<int>(state.range(0));
    for (int run = 0; run < runs; ++run) {
        const auto acceleration = static_cast<std::int16_t>(1 + (runs - 1 - run) % 40);
        plot::plotRun(distanceGraph(), acceleration, set.board);
    }
    panels::GraphPanel& panel = set.board.panel(3);
    if (!panel.hasCurves()) {
        state.SkipWithError("the runs drew nothing");
        return;
    }
    const qreal scale = panel.devicePixelRatioF();
    QImage image(panel.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    state.SetLabel("device pixel ratio " + QString::number(scale).toStdString());
    for (auto _ : state) {
        panel.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintPanelAfterRuns)->Arg(1)->Arg(1000)->Unit(benchmark::kMicrosecond);

// What Ctrl+C does with panel 3 after s-graph runs of the given number of distinct
// accelerations 1, 2, 3, ...: the picture at four times the size, every curve run again.
void BM_WorksheetCopyOfCurves(benchmark::State& state)
{
    PanelSet set;
    panels::GraphPanel& panel = set.board.panel(3);
    for (int run = 1; run <= state.range(0); ++run) {
        const auto acceleration = static_cast<std::int16_t>(run);
        plot::plotRun(distanceGraph(), acceleration, set.board);
        panel.addDrawnAcceleration(acceleration);
    }
    const auto curves = static_cast<std::size_t>(state.range(0));
    if (panel.drawnAccelerations().size() != curves ||
        panels::worksheetCopy(panel).width() != 4 * panel.width()) {
        state.SkipWithError("the panel does not hold the curves, or the copy is not 4 x");
        return;
    }
    for (auto _ : state) {
        const QImage copy = panels::worksheetCopy(panel);
        benchmark::DoNotOptimize(copy.constBits());
    }
}
BENCHMARK(BM_WorksheetCopyOfCurves)->Arg(1)->Arg(40)->Arg(1000)->Unit(benchmark::kMillisecond);

// One full plot run through the Qt seam (a = 0: 169 segments, all markers), without painting.
void BM_PlotRunThroughQtSeam(benchmark::State& state)
{
    PanelSet set;
    for (auto _ : state) {
        plot::plotRun(distanceGraph(), 0, set.board);
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
                    plot::plotRun(graph, static_cast<std::int16_t>(a), set.board);
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
#ifdef PANEL_BENCH_SCALE_FACTOR
    // The same benchmarks on a screen of higher density, unless the caller chose one.
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
        qputenv("QT_SCALE_FACTOR", PANEL_BENCH_SCALE_FACTOR);
    }
#endif
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

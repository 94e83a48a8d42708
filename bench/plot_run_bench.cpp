// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/graph_catalogue.h"
#include "plot/plot_run.h"
#include "winsys/recording_window_system.h"
#include "winsys/window_system.h"

#include <benchmark/benchmark.h>

namespace {

// Takes every operation and throws it away, keeping only a count so the work is not elided.
class DiscardingWindowSystem : public winsys::WindowSystem
{
public:
    void setPanelVisible(int, bool) override { ++m_count; }
    bool isPanelVisible(int) override { return false; }
    void setShapeVisible(winsys::Shape, int, bool) override { ++m_count; }
    void setShapeTop(winsys::Shape, int, float top) override { keep(top); }
    void setShapeLeft(winsys::Shape, int, float left) override { keep(left); }
    void setShapeHeight(winsys::Shape, int, float height) override { keep(height); }
    void drawSegment(int, float, float, float, float y2) override { keep(y2); }
    void clearPanel(int) override { ++m_count; }
    long count() const { return m_count; }

private:
    void keep(float value)
    {
        benchmark::DoNotOptimize(value);
        ++m_count;
    }
    long m_count = 0;
};

bool hasFullLength(const plot::Graph& graph, std::int16_t acceleration)
{
    winsys::RecordingWindowSystem recording;
    plot::plotRun(graph, acceleration, recording);
    std::size_t segments = 0;
    for (const auto& operation : recording.operations()) {
        segments += operation.kind == winsys::Operation::Kind::Segment ? 1U : 0U;
    }
    return acceleration != 0 || segments == 169;
}

// Arguments: index into the catalogue, acceleration.
void BM_PlotRun(benchmark::State& state)
{
    const plot::Graph& graph = plot::graphCatalogue.at(static_cast<std::size_t>(state.range(0)));
    const auto acceleration = static_cast<std::int16_t>(state.range(1));
    if (!hasFullLength(graph, acceleration)) {
        state.SkipWithError("a run at a = 0 must make 169 passes");
        return;
    }
    DiscardingWindowSystem sink;
    for (auto _ : state) {
        plot::plotRun(graph, acceleration, sink);
    }
    benchmark::DoNotOptimize(sink.count());
    state.SetLabel(std::string(graph.buttonCaption) + " a=" + std::to_string(acceleration));
}

BENCHMARK(BM_PlotRun)->ArgsProduct({{0, 1, 2, 3}, {0, 20}});

} // namespace

BENCHMARK_MAIN();

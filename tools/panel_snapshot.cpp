// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// panel-snapshot GRAPH ACCELERATION... OUT.png: runs the plot runs of one graph, in order, on
// its panel without a window, and writes the panel as the learner would see it.

#include "graph_names.h"
#include "panels/graph_panel.h"
#include "panels/panel_board.h"
#include "plot/graph_catalogue.h"
#include "winsys/runtime_error.h"
#include "winsys/text_to_int16.h"

#include <QApplication>
#include <QImage>

#include <array>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int usageError = 2;

int fail(const std::string& reason)
{
    std::cerr << "panel-snapshot: " << reason << "\n"
              << "usage: panel-snapshot GRAPH ACCELERATION... OUT.png\n"
              << "  GRAPH         s, ekin, v or p\n"
              << "  ACCELERATION  whole numbers from -32768 to 32767, plotted in this order\n";
    return usageError;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (argc < 4) {
        return fail("expected a graph, at least one acceleration and an output file");
    }
    const std::optional<plot::GraphButton> button = tools::buttonForName(argv[1]);
    if (!button) {
        return fail("unknown graph '" + std::string(argv[1]) + "'");
    }
    std::vector<std::int16_t> accelerations;
    for (int i = 2; i < argc - 1; ++i) {
        const std::optional<std::int16_t> acceleration = winsys::textToInt16(argv[i]);
        if (!acceleration) {
            return fail("'" + std::string(argv[i]) +
                        "' is not a whole number from -32768 to 32767");
        }
        accelerations.push_back(*acceleration);
    }
    const QString output = QString::fromLocal8Bit(argv[argc - 1]);
    if (!output.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        return fail("the output file must end in .png");
    }

    QApplication application(argc, argv);
    QWidget window;
    panels::PanelBoard board(&window);
    const plot::Graph& graph = plot::graphForButton(*button);
    for (std::int16_t acceleration : accelerations) {
        if (!board.plot(graph, acceleration)) {
            std::cerr << "panel-snapshot: a = " << acceleration << ": error "
                      << static_cast<int>(winsys::ErrorNumber::Overflow) << ", nothing drawn\n";
        }
    }

    panels::GraphPanel& panel = board.panel(graph.panel);
    const qreal scale = panel.devicePixelRatioF();
    QImage image(panel.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    panel.render(&image);
    if (!image.save(output)) {
        std::cerr << "panel-snapshot: cannot write " << argv[argc - 1] << "\n";
        return 1;
    }
    return 0;
}

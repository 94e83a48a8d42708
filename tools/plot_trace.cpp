// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// plot-trace GRAPH ACCELERATION: prints, one per line, the operations of one plot run.

#include "graph_names.h"
#include "plot/graph_catalogue.h"
#include "plot/plot_run.h"
#include "winsys/recording_window_system.h"
#include "winsys/runtime_error.h"
#include "winsys/text_to_int16.h"

#include <iostream>
#include <optional>
#include <string_view>

namespace {

constexpr int usageError = 2;

int fail(std::string_view reason)
{
    std::cerr << "plot-trace: " << reason << "\n"
              << "usage: plot-trace GRAPH ACCELERATION\n"
              << "  GRAPH         s, ekin, v or p\n"
              << "  ACCELERATION  a whole number from -32768 to 32767, as the acceleration box "
                 "reads it\n";
    return usageError;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        return fail("expected two arguments");
    }
    const std::optional<plot::GraphButton> button = tools::buttonForName(argv[1]);
    if (!button) {
        return fail("unknown graph '" + std::string(argv[1]) + "'");
    }
    const std::optional<std::int16_t> acceleration = winsys::textToInt16(argv[2]);
    if (!acceleration) {
        return fail("'" + std::string(argv[2]) + "' is not a whole number from -32768 to 32767");
    }

    winsys::RecordingWindowSystem recording;
    std::optional<winsys::ErrorNumber> error;
    try {
        plot::plotRun(plot::graphForButton(*button), *acceleration, recording);
    } catch (const winsys::RuntimeError& raised) {
        error = raised.number();
    }
    for (const winsys::Operation& operation : recording.operations()) {
        std::cout << operation << '\n';
    }
    if (error) {
        std::cout << "error " << static_cast<int>(*error) << '\n';
    }
    return 0;
}

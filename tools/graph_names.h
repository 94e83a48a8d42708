// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plot/graph_catalogue.h"

#include <optional>
#include <string_view>

namespace tools {

// The graph names the command-line tools take: s, ekin, v and p.
inline std::optional<plot::GraphButton> buttonForName(std::string_view name)
{
    if (name == "s") {
        return plot::GraphButton::Command1;
    }
    if (name == "ekin") {
        return plot::GraphButton::Command2;
    }
    if (name == "v") {
        return plot::GraphButton::Command3;
    }
    if (name == "p") {
        return plot::GraphButton::Command4;
    }
    return std::nullopt;
}

} // namespace tools

// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Helpers for the program's German texts, UTF-8.
namespace content {

// Four significant digits, decimal comma, no thousands separator and no exponent: 0,025 or
// 1638 or -286,7. The program shows magnitudes from 0,0001 to 1638.
std::string germanNumber(double value);

// The template with each "%1" .. "%9" replaced by the value of that number.
std::string fillIn(std::string_view pattern, std::initializer_list<std::string> values);

std::string join(const std::vector<std::string>& parts, std::string_view separator);

// Without blanks at either end, and each run of blanks inside as one blank.
std::string collapseBlanks(std::string_view text);

} // namespace content

// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <emscripten/val.h>

// The panels as JavaScript values for the page (web/src/page_core.d.ts gives their shape): the
// core's content, and the device pixels its rules give it at a scale.
namespace web {

// The static diagram of a panel: lines and bands as device pixels, labels in panel pixels.
emscripten::val panelScene(int panel, double scale);
emscripten::val markerStart(int panel, int shape);
bool isBar(int shape);
emscripten::val barPixels(int panel, int shape, float top, float height, double scale);
emscripten::val dotPixels(float left, float top, double scale);
// A dotted frame on the panel's outermost logical pixels, every other one, in the text colour.
emscripten::val focusMarkPixels(double scale);

} // namespace web

// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QStringList>

namespace panels {

// The family that draws the window's Arial: "Arial" where it is installed, else its metric
// twin "Liberation Sans" by name, else "Arial" for the font configuration to substitute.
// Naming an absent family makes Qt ask the font configuration for a whole fallback list the
// first time a font of it is used; naming the installed twin gives the same glyphs without it.
QString arialFamily(const QStringList& installedFamilies);

// Arial (or its twin) at a size in logical pixels.
QFont arialFont(int pixelSize, QFont::Weight weight = QFont::Normal);

} // namespace panels

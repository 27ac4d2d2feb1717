// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPalette>

namespace tavrin {

/// One of our single-colour pictures (an SVG in the resources) drawn in the palette's colour for the mode it is
/// drawn in: the text colour, a text colour that stands out on the highlight on a selected row, the disabled text
/// colour. The
/// colour is read from the application's palette when the picture is drawn, so a change of palette (dark, light)
/// shows at the next repaint.
QIcon paletteIcon(const QString &path);

/// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor &a, const QColor &b);

/// The colour a palette icon takes in a mode under a palette; on a selected row the one of the highlighted text and
/// the text colour that stands out more on the highlight.
QColor paletteIconColour(const QPalette &palette, QIcon::Mode mode);

}  // namespace tavrin

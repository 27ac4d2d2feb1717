#pragma once

#include <QIcon>
#include <QPalette>

namespace tavrin {

/// One of our single-colour pictures (an SVG in the resources) drawn in the palette's colour for the mode it is
/// drawn in: the text colour, the highlighted text colour on a selected row, the disabled text colour. The
/// colour is read from the application's palette when the picture is drawn, so a change of palette (dark, light)
/// shows at the next repaint.
QIcon paletteIcon(const QString &path);

/// The colour a palette icon takes in a mode under a palette.
QColor paletteIconColour(const QPalette &palette, QIcon::Mode mode);

}  // namespace tavrin

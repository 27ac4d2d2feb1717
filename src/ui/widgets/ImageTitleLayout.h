#pragma once

#include <QRectF>
#include <QSizeF>

#include <optional>

namespace tavrin {

// Where a button's image sits relative to its title; the values are the platform's image positions.
enum class ImagePosition {
    NoImage = 0,
    ImageOnly = 1,
    ImageLeft = 2,
    ImageRight = 3,
    ImageBelow = 4,
    ImageAbove = 5,
    ImageOverlaps = 6,
    ImageLeading = 7,
    ImageTrailing = 8,
};

// The rectangles of a button's image and title in its own coordinates (origin top left, y downward);
// a part the button does not draw has no rectangle.
struct ImageTitleLayout {
    std::optional<QRectF> image;
    std::optional<QRectF> title;
};

/// Places the image and title in a button of the given size. image or title is absent when the button
/// has none; spacing is the gap each part keeps from the edge or, with hug, from the middle.
ImageTitleLayout layoutImageAndTitle(QSizeF button, std::optional<QSizeF> image, std::optional<QSizeF> title,
                                     qreal spacing, ImagePosition position, bool hug);

}  // namespace tavrin

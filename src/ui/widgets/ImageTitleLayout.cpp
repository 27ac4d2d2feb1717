#include "ui/widgets/ImageTitleLayout.h"

#include <cmath>

namespace tavrin {

namespace {

enum class Part { Image, Title };

// The unrounded origin of one part; both parts use the other's size, so a missing part counts as 0 × 0.
QPointF origin(Part part, QSizeF button, QSizeF image, QSizeF title, qreal s, ImagePosition position, bool hug)
{
    const qreal W = button.width(), H = button.height();
    const qreal iw = image.width(), ih = image.height();
    const qreal tw = title.width(), th = title.height();
    const bool isImage = part == Part::Image;
    const qreal centredX = isImage ? (W - iw) / 2 : (W - tw) / 2;
    const qreal centredY = isImage ? (H - ih) / 2 : (H - th) / 2;

    switch (position) {
    case ImagePosition::ImageOnly:
    case ImagePosition::ImageOverlaps:
    case ImagePosition::NoImage: return {centredX, centredY};
    case ImagePosition::ImageLeft:
    case ImagePosition::ImageLeading:
        if (isImage)
            return {hug ? (W - iw - tw) / 2 - s : s, centredY};
        return {hug ? (iw + W - tw) / 2 + s : W - tw - s, centredY};
    case ImagePosition::ImageRight:
    case ImagePosition::ImageTrailing:
        if (isImage)
            return {hug ? (W - iw + tw) / 2 + s : W - iw - s, centredY};
        return {hug ? (W - iw - tw) / 2 - s : s, centredY};
    case ImagePosition::ImageBelow:
        if (isImage)
            return {centredX, hug ? (H - ih + th) / 2 + s : H - ih - s};
        return {centredX, hug ? (H - ih - th) / 2 - s : s};
    case ImagePosition::ImageAbove:
        if (isImage)
            return {centredX, hug ? (H - ih - th) / 2 - s : s};
        return {centredX, hug ? (H + ih - th) / 2 + s : H - th - s};
    }
    return {0, 0};
}

QPointF rounded(QPointF p)
{
    return {std::round(p.x()), std::round(p.y())};
}

}  // namespace

ImageTitleLayout layoutImageAndTitle(QSizeF button, std::optional<QSizeF> image, std::optional<QSizeF> title,
                                     qreal spacing, ImagePosition position, bool hug)
{
    const QSizeF imageSize = image.value_or(QSizeF(0, 0));
    const QSizeF titleSize = title.value_or(QSizeF(0, 0));
    ImageTitleLayout layout;
    if (image && position != ImagePosition::NoImage) {
        const QPointF at = origin(Part::Image, button, imageSize, titleSize, spacing, position, hug);
        layout.image = QRectF(rounded(at), imageSize);
    }
    if (title && position != ImagePosition::ImageOnly) {
        const QPointF at = origin(Part::Title, button, imageSize, titleSize, spacing, position, hug);
        layout.title = QRectF(rounded(at), QSizeF(std::ceil(titleSize.width()), std::ceil(titleSize.height())));
    }
    return layout;
}

}  // namespace tavrin

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QRect>

#include <cmath>

namespace tavrin::test {

/// The relative luminance of a colour, as the contrast ratio of the web's accessibility guidelines defines it.
inline double relativeLuminance(QRgb colour)
{
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) + 0.0722 * channel(qBlue(colour));
}

/// From 1 (the same) to 21 (black on white).
inline double contrastRatio(QRgb a, QRgb b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A picture in a grabbed image: its background is the colour most of the area's edge pixels have, and the picture is
// the pixels that differ from it; its contrast is that of its strongest pixel (the edges of a shape are blended).
struct IconContrast {
    QRgb background = 0;
    QRgb icon = 0;
    int iconPixels = 0;
    double ratio = 1;
};

inline IconContrast measureIcon(const QImage &grabbed, const QRect &area)
{
    const QImage image = grabbed.convertToFormat(QImage::Format_RGB32);
    const QRect box = area.intersected(image.rect());
    IconContrast result;
    if (box.isEmpty())
        return result;
    QHash<QRgb, int> edge;
    for (int x = box.left(); x <= box.right(); ++x) {
        ++edge[image.pixel(x, box.top())];
        ++edge[image.pixel(x, box.bottom())];
    }
    for (int y = box.top(); y <= box.bottom(); ++y) {
        ++edge[image.pixel(box.left(), y)];
        ++edge[image.pixel(box.right(), y)];
    }
    int most = 0;
    for (auto it = edge.cbegin(); it != edge.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            result.background = it.key();
        }
    }
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const double ratio = contrastRatio(pixel, result.background);
            if (ratio > 1.05)
                ++result.iconPixels;
            if (ratio > result.ratio) {
                result.ratio = ratio;
                result.icon = pixel;
            }
        }
    }
    return result;
}

}  // namespace tavrin::test

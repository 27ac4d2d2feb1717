// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/OverlayScrollBar.h"

#include <QPainter>
#include <QPainterPath>
#include <QProxyStyle>
#include <QStyleOptionSlider>

#include <algorithm>

namespace tavrin {

namespace {

// Lays a scroll bar out as a knob over its whole length, without arrow buttons, so that the parts
// a user can grab are exactly the drawn knob's row and the empty page areas around it.
class KnobOnlyStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_ScrollBarExtent) {
            const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
            const bool horizontal = bar && bar->orientation == Qt::Horizontal;
            return horizontal ? 28 : 15;  // room for the knob and a margin on each side
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget) const override
    {
        const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
        if (control != CC_ScrollBar || !bar)
            return QProxyStyle::subControlRect(control, option, part, widget);

        const QRect all = bar->rect;
        const bool vertical = bar->orientation == Qt::Vertical;
        const int length = vertical ? all.height() : all.width();
        const qint64 range = qint64(bar->maximum) - bar->minimum;
        int knobLength = length;
        if (range > 0) {
            const qint64 page = std::max(bar->pageStep, 1);
            knobLength = static_cast<int>(qint64(length) * page / (range + page));
        }
        const int minimum = std::min(length, proxy()->pixelMetric(PM_ScrollBarSliderMin, bar, widget));
        knobLength = std::clamp(knobLength, minimum, std::max(length, 0));
        const int start = sliderPositionFromValue(bar->minimum, bar->maximum, bar->sliderPosition, length - knobLength,
                                                  bar->upsideDown);

        auto along = [&](int from, int size) {
            const QRect r = vertical ? QRect(all.x(), all.y() + from, all.width(), size)
                                     : QRect(all.x() + from, all.y(), size, all.height());
            return visualRect(bar->direction, all, r);
        };
        switch (part) {
        case SC_ScrollBarGroove: return all;
        case SC_ScrollBarSlider: return along(start, knobLength);
        case SC_ScrollBarSubPage: return along(0, start);
        case SC_ScrollBarAddPage: return along(start + knobLength, length - start - knobLength);
        default: return {};
        }
    }
};

}  // namespace

OverlayScrollBar::OverlayScrollBar(Qt::Orientation orientation, QWidget *parent) : QScrollBar(orientation, parent)
{
    auto *knobOnly = new KnobOnlyStyle;
    knobOnly->setParent(this);
    setStyle(knobOnly);
    setAutoFillBackground(false);
}

QColor OverlayScrollBar::knobColor()
{
    static const QColor color = QColor::fromRgbF(0, 0, 0, 0.25f);
    return color;
}

QRect OverlayScrollBar::knobRect() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    QRect knob = style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    if (orientation() == Qt::Vertical) {
        knob.moveLeft(3);
        knob.setWidth(9);
    } else {
        knob.moveTop(4);
        knob.setHeight(20);
    }
    return knob;
}

void OverlayScrollBar::paintEvent(QPaintEvent *)
{
    // Nothing but the knob: whatever lies behind the bar shows through.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath knob;
    knob.addRoundedRect(QRectF(knobRect()), 5, 5);
    painter.fillPath(knob, knobColor());
}

}  // namespace tavrin

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollBar>

namespace tavrin {

// A thin overlay-style scroll bar: no track, no arrows, only a rounded translucent knob.
class OverlayScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit OverlayScrollBar(Qt::Orientation orientation, QWidget *parent = nullptr);
    explicit OverlayScrollBar(QWidget *parent = nullptr) : OverlayScrollBar(Qt::Vertical, parent) {}

    /// The rectangle the knob is drawn in: x 3 and width 9 when vertical, y 4 and height 20 when horizontal.
    QRect knobRect() const;
    /// The knob's fill, black at 25 % opacity.
    static QColor knobColor();

protected:
    void paintEvent(QPaintEvent *event) override;
};

}  // namespace tavrin

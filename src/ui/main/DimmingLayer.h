// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace tavrin {

// A translucent layer over the whole main window content, shown while a sheet is up: the window reads as waiting
// for the answer.
class DimmingLayer : public QWidget {
    Q_OBJECT
public:
    /// Covers parent and follows its size; hidden at first.
    explicit DimmingLayer(QWidget *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

}  // namespace tavrin

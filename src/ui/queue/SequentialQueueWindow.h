// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/SequentialWindow.h"

#include <QObject>

#include <memory>

class QWidget;

namespace tavrin {

class SequentialQueueView;

// The sequential queue window: a small frameless panel that floats above other windows, with the queue list as
// its content. Sequential mode is on exactly while it is visible; hiding the program leaves it shown.
class SequentialQueueWindow final : public QObject, public SequentialWindow {
    Q_OBJECT
public:
    /// The dynamic property that tells "hide the program" to leave a window shown.
    static constexpr const char *kKeepShownProperty = "tavrinKeepShownWhenHiding";

    /// Takes the view.
    explicit SequentialQueueWindow(SequentialQueueView *view, QObject *parent = nullptr);
    ~SequentialQueueWindow() override;

    bool isVisible() const override;
    void show(bool activate) override;
    void close() override;

    QWidget *window() const { return m_window.get(); }
    SequentialQueueView *view() const { return m_view; }

private:
    void placeOnFirstShowing();

    std::unique_ptr<QWidget> m_window;
    SequentialQueueView *m_view;
    bool m_placed = false;
};

}  // namespace tavrin

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavrin {

// The sequential queue window as sequential mode sees it: the mode is on exactly while it is visible.
class SequentialWindow {
public:
    SequentialWindow() = default;
    SequentialWindow(const SequentialWindow &) = delete;
    SequentialWindow &operator=(const SequentialWindow &) = delete;
    virtual ~SequentialWindow() = default;

    /// True while the window is on screen.
    virtual bool isVisible() const = 0;
    /// Shows the window; activate also brings the program to the front.
    virtual void show(bool activate) = 0;
    /// Closes the window.
    virtual void close() = 0;
};

}  // namespace tavrin

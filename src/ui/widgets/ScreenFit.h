// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tavrin {

/// Keeps a top-level window inside the free area of its screen (the screen without panels): at a large scale factor
/// or on a small screen the size it asks for may be bigger than that. Its minimum size and its size shrink to the
/// area, and it moves so that it lies wholly inside. Does nothing without a screen.
void fitInsideAvailableArea(QWidget *window);

}  // namespace tavrin

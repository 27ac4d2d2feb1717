// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavrin {

// The panes of the main window, by the index the rest of the program knows them by (currentPane).
enum class MainPane {
    clipboard = 0,
    group = 1,
    preferences = 2,
    about = 3,
    promotion = 4,
};

}  // namespace tavrin

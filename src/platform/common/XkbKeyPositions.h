// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/KeyPositions.h"
#include "platform/common/XkbKeymap.h"

#include <optional>

namespace tavrin {

// Key places as a US keyboard layout names them, by the keycodes X servers and Wayland compositors report (the
// kernel's input codes plus 8): the same physical key has the same number under every layout.
class XkbKeyPositions final : public KeyPositions {
public:
    /// Compiles the US layout of the system's keyboard descriptions; without them no place is known (logged).
    XkbKeyPositions();

    Qt::Key usLayoutKey(quint32 nativeScanCode) const override;

private:
    std::optional<XkbKeymap> m_usLayout;
};

}  // namespace tavrin

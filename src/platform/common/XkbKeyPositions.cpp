// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/XkbKeyPositions.h"

#include "platform/common/PlatformLog.h"
#include "platform/common/QtKeysyms.h"

namespace tavrin {

XkbKeyPositions::XkbKeyPositions() : m_usLayout(XkbKeymap::fromLayout("us"))
{
    if (!m_usLayout)
        qCWarning(lcPlatform, "the US keyboard layout cannot be compiled (is xkb-data installed?); Ctrl with a digit "
                              "picks a row only where the layout types the digit without Shift");
}

Qt::Key XkbKeyPositions::usLayoutKey(quint32 nativeScanCode) const
{
    if (!m_usLayout || nativeScanCode < 8)
        return Qt::Key_unknown;
    return keyForKeysym(m_usLayout->keysymAt(nativeScanCode));
}

}  // namespace tavrin

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/X11Accessibility.h"

#include "platform/x11/XcbSupport.h"

#include <xcb/xtest.h>

namespace tavrin {

X11Accessibility::X11Accessibility()
{
    const xcb::Connection x;
    if (!x.isValid())
        return;
    const xcb_query_extension_reply_t *xtest = xcb_get_extension_data(x.get(), &xcb_test_id);
    m_xtest = xtest && xtest->present;
}

bool X11Accessibility::isProcessTrusted(bool)
{
    // There is no system prompt to show; the permission guide explains a session without XTEST.
    return m_xtest;
}

}  // namespace tavrin

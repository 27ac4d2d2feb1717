// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavrin {

// Whether this process may post key events into other applications (a display with XTEST, a virtual keyboard).
class Accessibility {
public:
    Accessibility() = default;
    Accessibility(const Accessibility &) = delete;
    Accessibility &operator=(const Accessibility &) = delete;
    virtual ~Accessibility() = default;

    /// True when synthetic key events will reach other applications; prompt lets the system ask the user.
    virtual bool isProcessTrusted(bool prompt) = 0;
};

}  // namespace tavrin

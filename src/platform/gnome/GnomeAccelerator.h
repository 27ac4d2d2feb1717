// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyCombination>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace tavrin {

// A key combination as GNOME names it: modifiers and one keysym, written "<Control><Alt>v" in GSettings and to the
// Shell, "Ctrl+Alt+V" to the user. Letters are kept lower-case, as the Shell matches them.
struct GnomeAccelerator {
    enum Modifier : unsigned {
        Shift = 1,
        Control = 2,
        Alt = 4,
        Super = 8,
    };

    unsigned modifiers = 0;
    std::uint32_t keysym = 0;  // 0: no key

    bool isValid() const { return keysym != 0; }
    bool operator==(const GnomeAccelerator &) const = default;

    /// A Qt combination (Ctrl is Control, Meta is Super); invalid for keys without a keysym.
    static GnomeAccelerator fromKeyCombination(QKeyCombination keys);
    /// GTK's accelerator syntax as GSettings holds it ("<Primary><Shift>v", "<Super>Left"); nothing for text that
    /// names no key or a modifier GNOME shortcuts do not use.
    static std::optional<GnomeAccelerator> parse(const QString &text);

    /// The form the Shell grabs: "<Control><Alt>v".
    QString toString() const;
    /// As a user reads it: "Ctrl+Alt+V".
    QString label() const;
    /// The keys to press for it: the modifiers' left-hand keys, then the key itself.
    std::vector<std::uint32_t> keysyms() const;
};

}  // namespace tavrin

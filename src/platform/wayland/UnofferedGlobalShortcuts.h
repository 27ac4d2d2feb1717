// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GlobalShortcuts.h"

namespace tavrin {

// Global shortcuts on a desktop that lets no program take them (a Wayland compositor reached without a desktop
// service for shortcuts): every registration is refused at once with that reason; the user binds the program's
// commands in the desktop's own key settings instead.
class UnofferedGlobalShortcuts final : public GlobalShortcuts {
    Q_OBJECT

public:
    using GlobalShortcuts::GlobalShortcuts;

    ShortcutStatus registerShortcut(const QString &id, QKeyCombination keys, const QString &description) override;
    void unregisterShortcut(const QString &) override {}
    bool isOffered() const override { return false; }
};

}  // namespace tavrin

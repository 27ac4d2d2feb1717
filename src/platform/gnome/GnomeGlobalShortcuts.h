// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GlobalShortcuts.h"
#include "platform/gnome/GnomeAccelerator.h"
#include "platform/gnome/GnomeKeybindings.h"

#include <functional>
#include <map>
#include <optional>

namespace tavrin {

class GnomeShellLink;

// Global shortcuts on GNOME: the Shell extension grabs each combination as an accelerator of the Shell. A
// combination one of GNOME's own actions uses is refused with that action's name, before the Shell is asked; one
// held by another program is refused as taken. When the extension goes, every shortcut is reported lost; when it
// comes back they are grabbed again.
class GnomeGlobalShortcuts final : public GlobalShortcuts {
    Q_OBJECT
public:
    /// Who in GNOME holds a combination; by default GNOME's keybinding settings are read.
    using HolderLookup = std::function<std::optional<gnomeKeybindings::Binding>(const GnomeAccelerator &)>;

    explicit GnomeGlobalShortcuts(GnomeShellLink &link, HolderLookup gnomeHolder = gnomeKeybindings::holderOf,
                                  QObject *parent = nullptr);
    ~GnomeGlobalShortcuts() override;

    ShortcutStatus registerShortcut(const QString &id, QKeyCombination keys, const QString &description) override;
    /// The same for a combination already in GNOME's terms.
    ShortcutStatus registerAccelerator(const QString &id, const GnomeAccelerator &accelerator);
    void unregisterShortcut(const QString &id) override;
    bool isOffered() const override;

private:
    struct Shortcut {
        GnomeAccelerator accelerator;
        quint32 action = 0;  // the Shell's, 0 while not grabbed
        ShortcutStatus status;
    };

    ShortcutStatus grab(Shortcut &shortcut);
    void release(Shortcut &shortcut);
    void onActivated(quint32 action);
    void onAvailabilityChanged(bool available);

    GnomeShellLink &m_link;
    HolderLookup m_gnomeHolder;
    std::map<QString, Shortcut> m_shortcuts;
};

}  // namespace tavrin

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GlobalShortcuts.h"
#include "platform/x11/XcbSupport.h"

#include <QByteArray>

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

class QSocketNotifier;

namespace tavrin {

class X11Keymap;

// Global shortcuts as passive key grabs on the root window, over a connection of its own: its events are read on
// the thread that made it (the GUI thread) and never pass through the toolkit's key handling.
//
// Each combination is grabbed on every key that types it in the layout in use, for every state of Caps Lock and
// Num Lock, so it works whatever their state; a grab another client holds is a refusal. The grabs follow layout
// changes (a shortcut on "k" moves with the letter under dvorak). A held key fires once: the server's auto-repeat
// is not reported again.
class X11GlobalShortcuts final : public GlobalShortcuts {
    Q_OBJECT

public:
    /// Connects to the display named (DISPLAY when empty); without a display every registration is refused.
    explicit X11GlobalShortcuts(const QByteArray &displayName = QByteArray(), QObject *parent = nullptr);
    ~X11GlobalShortcuts() override;

    /// True when an X server answered.
    bool hasDisplay() const;
    /// True when shortcuts can be taken: an X server answered and its keyboard layout was read.
    bool isConnected() const;
    /// Repeated presses of a held key ignored so far.
    int autoRepeatsIgnored() const { return m_autoRepeatsIgnored; }

    ShortcutStatus registerShortcut(const QString &id, QKeyCombination keys, const QString &description) override;
    void unregisterShortcut(const QString &id) override;
    bool isOffered() const override { return isConnected(); }

private:
    struct KeyGrab {
        xcb_keycode_t keycode = 0;
        std::uint16_t modifiers = 0;  // with the lock bits of one variant
        bool operator==(const KeyGrab &) const = default;
    };
    struct Grab {
        QKeyCombination keys;
        std::uint16_t modifiers = 0;  // X modifier mask
        std::vector<KeyGrab> held;  // the grabs held now, in the current layout
        ShortcutStatus status;
        bool holds(xcb_keycode_t keycode) const
        {
            return std::any_of(held.begin(), held.end(), [keycode](const KeyGrab &g) { return g.keycode == keycode; });
        }
    };

    /// Brings the combination's grabs in line with the layout and lock masks; on a refusal nothing new is held.
    ShortcutStatus grab(Grab &grab);
    void ungrab(Grab &grab);
    void regrabAll();
    void updateLockMasks();
    std::vector<std::uint16_t> lockVariants() const;
    void scheduleRead();
    void readEvents();
    void handleEvent(const xcb_generic_event_t *event);

    xcb::Connection m_x;
    std::unique_ptr<X11Keymap> m_keymap;
    QSocketNotifier *m_notifier = nullptr;
    std::uint16_t m_numLockMask = 0;
    std::map<QString, Grab> m_grabs;
    std::map<xcb_keycode_t, QString> m_pressed;  // keys whose shortcut is down now
    int m_autoRepeatsIgnored = 0;
    bool m_readScheduled = false;
};

}  // namespace tavrin

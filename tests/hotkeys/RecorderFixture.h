// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hotkeys/AppShortcuts.h"
#include "hotkeys/ShortcutRecorder.h"
#include "platform/fake/FakeGlobalShortcuts.h"
#include "store/SettingsStore.h"

#include <QKeySequence>
#include <QList>
#include <QMap>

#include <array>
#include <functional>

namespace tavrin::test {

// Short names for the three shortcuts.
constexpr Shortcut quick = Shortcut::quickAccess;
constexpr Shortcut toggle = Shortcut::toggleSequentialMode;
constexpr Shortcut paste = Shortcut::sequentialPaste;

constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;
constexpr Qt::KeyboardModifiers kMeta = Qt::MetaModifier;

/// Labels as the desktop writes them; the modifiers alone for a key of 0.
inline QString keysText(QKeyCombination keys)
{
    if (keys.key() == Qt::Key(0))
        return QKeySequence(QKeyCombination(keys.keyboardModifiers(), Qt::Key_A)).toString().chopped(1);
    return QKeySequence(keys).toString();
}

// The Preferences rows and main window as a test sees them; alerts wait until the test answers them, or are
// answered at once when answerAlertsAtOnce is set.
class FakeRecorderView final : public ShortcutRecorderView {
public:
    void setShortcutLabel(Shortcut n, const QString &text) override { labels[n] = text; }
    void setClearButtonHidden(Shortcut n, bool hidden) override { clearHidden[n] = hidden; }
    void setRecorderBorder(Shortcut n, RecorderBorder border) override { borders[n] = border; }
    void setDimmingLayerHidden(bool hidden) override { dimmingHidden = hidden; }
    void showSheetAlert(const QString &message, std::function<void()> whenAnswered) override
    {
        alerts.append(message);
        if (answerAlertsAtOnce)
            whenAnswered();
        else
            pendingAnswer = std::move(whenAnswered);
    }
    int currentPane() const override { return pane; }

    /// Clicks "OK" on the alert shown.
    void answer() { std::exchange(pendingAnswer, nullptr)(); }

    QMap<Shortcut, QString> labels;
    QMap<Shortcut, bool> clearHidden;
    QMap<Shortcut, RecorderBorder> borders;
    bool dimmingHidden = true;
    QStringList alerts;
    std::function<void()> pendingAnswer;
    bool answerAlertsAtOnce = false;
    int pane = ShortcutRecorder::preferencesPane;
};

struct RecorderFixture {
    FakeGlobalShortcuts desktop;
    SettingsStore settings;
    AppShortcuts shortcuts{settings, desktop};
    ShortcutRecorder recorder{shortcuts, keysText};
    FakeRecorderView view;
    QList<bool> menuItemStates;
    std::array<int, 3> presses{};

    RecorderFixture()
    {
        recorder.setView(&view);
        recorder.setMenuItemsEnabled = [this](bool enabled) { menuItemStates.append(enabled); };
        QObject::connect(&shortcuts, &AppShortcuts::activated, &shortcuts,
                         [this](Shortcut n) { ++presses[shortcutIndex(n)]; });
    }
};

}  // namespace tavrin::test

#pragma once

#include "hotkeys/AppShortcuts.h"
#include "hotkeys/HotKey.h"
#include "hotkeys/HotKeysController.h"
#include "hotkeys/ShortcutRecorder.h"
#include "platform/fake/FakeHotKeyService.h"
#include "store/SettingsStore.h"

#include <QList>
#include <QMap>

#include <array>
#include <functional>

namespace tavrin::test {

// Short names for the three shortcuts.
constexpr Shortcut quick = Shortcut::quickAccess;
constexpr Shortcut toggle = Shortcut::toggleSequentialMode;
constexpr Shortcut paste = Shortcut::sequentialPaste;

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

// The three shortcut slots, with a key-down counter per slot.
class FakeHolder final : public ShortcutHotKeyHolder {
public:
    std::shared_ptr<HotKey> shortcutHotKey(Shortcut n) const override { return slots[shortcutIndex(n)]; }
    void setShortcutHotKey(Shortcut n, std::shared_ptr<HotKey> hotKey) override
    {
        if (hotKey)
            hotKey->setKeyDownHandler([this, n] { ++keyDowns[shortcutIndex(n)]; });
        slots[shortcutIndex(n)] = std::move(hotKey);
    }
    std::array<std::shared_ptr<HotKey>, 3> slots;
    std::array<int, 3> keyDowns{};
};

struct RecorderFixture {
    FakeHotKeyService service;
    SettingsStore settings;
    HotKeysController controller{service};
    FakeHolder holder;
    AppShortcuts shortcuts{settings, controller, holder};
    ShortcutRecorder recorder{shortcuts};
    FakeRecorderView view;
    QList<bool> menuItemStates;

    RecorderFixture()
    {
        recorder.setView(&view);
        recorder.setMenuItemsEnabled = [this](bool enabled) { menuItemStates.append(enabled); };
        controller.registrationFailedHook = [this] { recorder.shortcutRegistrationFailed(); };
    }
};

inline ShortcutKeyEvent keyEvent(const QString &characters, std::uint16_t keyCode, std::uint64_t flags)
{
    return ShortcutKeyEvent{characters, keyCode, ModifierFlags(flags)};
}

}  // namespace tavrin::test

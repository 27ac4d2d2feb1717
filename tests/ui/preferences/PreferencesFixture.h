// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../main/MainWindowFixture.h"
#include "platform/fake/FakeGlobalShortcuts.h"
#include "platform/fake/FakeLoginItems.h"
#include "ui/main/MainPane.h"
#include "ui/preferences/PreferencesPane.h"
#include "ui/preferences/ShortcutRecorderBox.h"

#include <QCheckBox>
#include <QComboBox>

namespace tavrin::test {

// The launched program with the main window on the Preferences pane.
struct PreferencesFixture : MainWindowFixture {
    FakeGlobalShortcuts &desktop;
    FakeLoginItems &loginItems;

    PreferencesFixture() : desktop(*platform->fakeGlobalShortcuts), loginItems(*platform->fakeLoginItems) {}

    void showPreferences()
    {
        showMain();
        content->showPane(MainPane::preferences);
        QVERIFY(pane());
        QVERIFY(pane()->isVisible());
    }
    PreferencesPane *pane() const { return qobject_cast<PreferencesPane *>(content->installedPane()); }
    ShortcutRecorderBox *box(Shortcut shortcut) const { return pane()->recorderBox(shortcut); }

    /// Clicks the shortcut's box, then types the combination in the main window.
    void record(Shortcut shortcut, Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QTest::mouseClick(box(shortcut), Qt::LeftButton);
        QTest::keyClick(box(shortcut), key, modifiers);
    }
    /// The same with the character the key types (with Shift, a capital).
    void record(Shortcut shortcut, char typed, Qt::KeyboardModifiers modifiers)
    {
        QTest::mouseClick(box(shortcut), Qt::LeftButton);
        QTest::keyClick(box(shortcut), typed, modifiers);
    }
    SettingsStore &settings() { return context.settings(); }
    std::optional<QString> storedKeyName(Shortcut shortcut)
    {
        return settings().string(AppShortcut::of(shortcut).keyNameKey);
    }
    std::optional<QList<std::int64_t>> storedModifiers(Shortcut shortcut)
    {
        return settings().integerArray(AppShortcut::of(shortcut).modifierKey);
    }
    bool isRegistered(Shortcut shortcut) { return context.shortcuts().registeredKeys(shortcut).has_value(); }
};

}  // namespace tavrin::test

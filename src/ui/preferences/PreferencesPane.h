// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "hotkeys/ShortcutRecorder.h"
#include "ui/ViewServices.h"
#include "ui/preferences/StartAtLoginSwitch.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QAbstractButton;

namespace tavrin {

class DesktopSupportView;
class DimmedSheets;
class RecorderKeyFilter;
class ShortcutRecorderBox;
class ShortcutStates;

// The Preferences pane of the main window: interaction sounds, starting at login, the sequential paste order and
// the three shortcut rows. It is the recorder's view: the rows show what the recorder says, and while the pane is
// on screen the window's keys go to the recorder when it records.
class PreferencesPane : public QWidget, public ShortcutRecorderView {
    Q_OBJECT
public:
    /// The two items of the paste order popup, in the order of their stored values.
    static QString firstToLastTitle();  // "Start pasting from first copied item to last"
    static QString lastToFirstTitle();  // "Start pasting from Last copied item to first"

    PreferencesPane(const ViewServices &services, ShortcutRecorder &recorder, DimmedSheets &sheets,
                    QWidget *parent = nullptr);
    ~PreferencesPane() override;

    QCheckBox *soundCheckBox() const { return m_sound; }
    QCheckBox *startAtLoginCheckBox() const { return m_startAtLogin; }
    QComboBox *pasteOrderPopup() const { return m_pasteOrder; }
    ShortcutRecorderBox *recorderBox(Shortcut shortcut) const { return m_rows[shortcutIndex(shortcut)].box; }
    QAbstractButton *clearButton(Shortcut shortcut) const { return m_rows[shortcutIndex(shortcut)].clear; }
    /// The line under a shortcut's box that says it does not work, and why; hidden while it works.
    QLabel *shortcutStateLabel(Shortcut shortcut) const { return m_rows[shortcutIndex(shortcut)].state; }
    DesktopSupportView *desktopSupport() const { return m_desktop; }

    /// What the desktop made of each shortcut; the rows and "This desktop" follow its changes.
    void setShortcutStates(ShortcutStates *states);

    // ShortcutRecorderView
    void setShortcutLabel(Shortcut shortcut, const QString &text) override;
    void setClearButtonHidden(Shortcut shortcut, bool hidden) override;
    void setRecorderBorder(Shortcut shortcut, RecorderBorder border) override;
    void setDimmingLayerHidden(bool hidden) override;
    void showSheetAlert(const QString &message, std::function<void()> whenAnswered) override;
    int currentPane() const override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    struct Row {
        ShortcutRecorderBox *box = nullptr;
        QAbstractButton *clear = nullptr;
        QLabel *state = nullptr;
    };

    void buildView();
    QWidget *shortcutRow(Shortcut shortcut, const QString &caption);
    void loadSettings();
    void startAtLoginToggled(bool on);
    /// The recording box holds the keyboard while nothing else needs it.
    void updateKeyboardGrab();
    void showShortcutState(Shortcut shortcut);

    ViewServices m_services;
    ShortcutRecorder &m_recorder;
    DimmedSheets &m_sheets;
    StartAtLoginSwitch m_loginSwitch;
    RecorderKeyFilter *m_keys = nullptr;
    QCheckBox *m_sound = nullptr;
    QCheckBox *m_startAtLogin = nullptr;
    QComboBox *m_pasteOrder = nullptr;
    std::array<Row, 3> m_rows{};
    DesktopSupportView *m_desktop = nullptr;
    ShortcutStates *m_states = nullptr;
};

}  // namespace tavrin

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tavrin {

class AlertPresenter;
struct ApplicationActions;
struct DesktopCapabilities;
class CaptureServices;
class Dispatcher;
class FileIcons;
class KeyPositions;
class LoginItems;
class HistoryStore;
class GroupStore;
class Scheduler;
class SettingsStore;
class SheetPresenter;
class SystemInfo;
class Workspace;

// What the views use of the layers below them. The window registry fills it in from the application context, so a
// view never reaches above its own layer; a test fills it from its own fixture.
struct ViewServices {
    HistoryStore &history;
    GroupStore &groups;
    SettingsStore &settings;
    /// The monitor, the paste engine, the sound and the sequential mode.
    CaptureServices &capture;
    AlertPresenter &alerts;
    /// The main window's sheets: alerts and the file chooser modal to their window only.
    SheetPresenter &sheets;
    Scheduler &scheduler;
    /// Background work (searches of long lists).
    Dispatcher &dispatcher;
    SystemInfo &system;
    Workspace &workspace;
    FileIcons &fileIcons;
    /// Where keys sit, whatever the layout prints on them.
    KeyPositions &keyPositions;
    /// Starting the program with the session; null where the desktop cannot.
    LoginItems *loginItems;
    /// What the running desktop lets the program do, and why not.
    const DesktopCapabilities &capabilities;
    /// The program's commands, shown in the views' menus.
    const ApplicationActions &actions;
};

}  // namespace tavrin

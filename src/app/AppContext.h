// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/ViewServices.h"

#include <memory>

namespace tavrin {

struct Platform;
class AlertPresenter;
class SheetPresenter;
class CaptureServices;
class CopyDroppedNotice;
class WindowRegistry;
class HistoryStore;
class HistoryPacker;
class AppShortcuts;
class ListFolder;
class GroupStore;
class SaveNotices;
class SettingsStore;

// The composition root: the one place that owns the process-wide objects. main builds one for the
// run; each test builds its own, so no test inherits another's state.
class AppContext {
public:
    AppContext(std::unique_ptr<Platform> platform, std::unique_ptr<SettingsStore> settings);
    AppContext(const AppContext &) = delete;
    AppContext &operator=(const AppContext &) = delete;
    ~AppContext();

    Platform &platform() { return *m_platform; }
    SettingsStore &settings() { return *m_settings; }
    HistoryStore &history() { return *m_history; }
    HistoryPacker &packer() { return *m_packer; }
    GroupStore &groups() { return *m_groups; }
    /// The folder of the history and group files.
    ListFolder &listFolder() { return *m_listFolder; }

    /// Writes whatever has not been saved yet and waits until it is on disk (a clean quit). What could not be saved
    /// is told on standard error with its path and reason; false then.
    bool saveBeforeQuit();
    /// Makes the data folder 0700 and the history, the groups, the settings and the lock 0600, each change logged;
    /// at every start, since other programs or an older Tavrin may have made them with other modes.
    void makeFilesPrivate();

    // The three global shortcuts with the desktop: stored form, registration, status and presses.
    AppShortcuts &shortcuts() { return *m_shortcuts; }
    // Capture and paste: the change count, the monitor, the paste engine and the sequential queue.
    CaptureServices &capture() { return *m_capture; }
    // Application-modal alerts: message boxes, or answers a test gives in advance.
    AlertPresenter &alerts() { return *m_alerts; }
    /// Replaces the alert presenter; only before a view uses it.
    void setAlertPresenter(std::unique_ptr<AlertPresenter> alerts);
    // The main window's sheets: window-modal alerts and file chooser, or answers a test gives in advance.
    SheetPresenter &sheets() { return *m_sheets; }
    /// Replaces the sheet presenter; only before a view uses it.
    void setSheetPresenter(std::unique_ptr<SheetPresenter> sheets);
    /// What the views use of the layers below; one fill for every view.
    ViewServices viewServices();
    // The program's windows and views, each created by its identifier on first use.
    WindowRegistry &windows() { return *m_windows; }

private:
    std::unique_ptr<Platform> m_platform;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<ListFolder> m_listFolder;
    std::unique_ptr<HistoryStore> m_history;
    std::unique_ptr<HistoryPacker> m_packer;
    std::unique_ptr<GroupStore> m_groups;
    std::unique_ptr<AppShortcuts> m_shortcuts;
    std::unique_ptr<CaptureServices> m_capture;
    std::unique_ptr<AlertPresenter> m_alerts;
    std::unique_ptr<SaveNotices> m_saveNotices;
    std::unique_ptr<CopyDroppedNotice> m_copyDroppedNotice;
    std::unique_ptr<SheetPresenter> m_sheets;
    std::unique_ptr<WindowRegistry> m_windows;
};

}  // namespace tavrin

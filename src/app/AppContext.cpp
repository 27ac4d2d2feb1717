// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppContext.h"
#include "app/AppActions.h"

#include "app/AppLog.h"
#include "app/CopyDroppedNotice.h"
#include "app/SaveNotices.h"
#include "app/WindowRegistry.h"
#include "capture/CaptureServices.h"
#include "hotkeys/AppShortcuts.h"
#include "platform/Platform.h"
#include "store/GroupStore.h"
#include "store/HistoryPacker.h"
#include "store/HistoryStore.h"
#include "store/PrivateFiles.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"
#include "ui/AlertPresenter.h"
#include "ui/SheetPresenter.h"

namespace tavrin {

AppContext::AppContext(std::unique_ptr<Platform> platform, std::unique_ptr<SettingsStore> settings)
    : m_platform(std::move(platform)),
      m_settings(std::move(settings)),
      m_listFolder(std::make_unique<ListFolder>(m_platform->locations->dataDirectory())),
      m_history(std::make_unique<HistoryStore>(*m_settings, *m_platform->scheduler, *m_listFolder)),
      m_packer(std::make_unique<HistoryPacker>(*m_history, *m_platform->dispatcher, *m_platform->scheduler)),
      m_groups(std::make_unique<GroupStore>(*m_settings, *m_listFolder)),
      m_shortcuts(std::make_unique<AppShortcuts>(*m_settings, *m_platform->globalShortcuts)),
      m_capture(std::make_unique<CaptureServices>(m_platform->core(), *m_settings, *m_history)),
      m_alerts(std::make_unique<MessageBoxAlertPresenter>()),
      m_saveNotices(
          std::make_unique<SaveNotices>(*m_platform->notifier, *m_settings, *m_listFolder, *m_history, *m_groups)),
      m_copyDroppedNotice(std::make_unique<CopyDroppedNotice>(*m_platform->notifier, m_capture->monitor())),
      m_sheets(std::make_unique<WindowModalSheetPresenter>()),
      m_windows(std::make_unique<WindowRegistry>(*this))
{
}

AppContext::~AppContext()
{
    // The views go before the objects they show, and objects that use the platform go before it.
    m_windows.reset();
    m_copyDroppedNotice.reset();
    m_saveNotices.reset();
    m_sheets.reset();
    m_alerts.reset();
    m_capture.reset();
    m_shortcuts.reset();
    m_groups.reset();
    m_packer.reset();
    m_history.reset();
}

ViewServices AppContext::viewServices()
{
    Platform &platform = *m_platform;
    return ViewServices{*m_history,
                        *m_groups,
                        *m_settings,
                        *m_capture,
                        *m_alerts,
                        *m_sheets,
                        *platform.scheduler,
                        *platform.dispatcher,
                        *platform.systemInfo,
                        *platform.workspace,
                        *platform.fileIcons,
                        *platform.keyPositions,
                        platform.canStartAtLogin() ? platform.loginItems.get() : nullptr,
                        platform.capabilities,
                        m_windows->actions().forViews()};
}

bool AppContext::saveBeforeQuit()
{
    QString historyError;
    QString settingsError;
    const bool history = m_history->flushPendingSave(&historyError);
    const bool settings = m_settings->flush(&settingsError);
    // Critical: the user loses what is named here.
    if (!history)
        qCCritical(lcApp, "Tavrin: the clipboard history could not be saved to %s", qPrintable(historyError));
    if (!settings)
        qCCritical(lcApp, "Tavrin: the settings could not be saved to %s", qPrintable(settingsError));
    return history && settings;
}

void AppContext::setSheetPresenter(std::unique_ptr<SheetPresenter> sheets)
{
    m_sheets = std::move(sheets);
}

void AppContext::setAlertPresenter(std::unique_ptr<AlertPresenter> alerts)
{
    m_alerts = std::move(alerts);
}

void AppContext::makeFilesPrivate()
{
    makeFolderPrivate(m_platform->locations->dataDirectory());
    makeFilePrivate(m_settings->path());
    // The history (and its journal beside it) may be at a remembered path outside the data folder.
    makeFilePrivate(m_history->currentPath());
    makeFilePrivate(m_history->journalPath());
}

}  // namespace tavrin

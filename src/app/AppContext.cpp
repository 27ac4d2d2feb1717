#include "app/AppContext.h"

#include "app/WindowRegistry.h"
#include "capture/CaptureServices.h"
#include "hotkeys/HotKeysController.h"
#include "platform/Platform.h"
#include "store/HistoryStore.h"
#include "store/PasteboardGroupStore.h"
#include "store/SettingsStore.h"
#include "ui/AlertPresenter.h"
#include "ui/SheetPresenter.h"

namespace tavrin {

AppContext::AppContext(std::unique_ptr<Platform> platform, std::unique_ptr<SettingsStore> settings)
    : m_platform(std::move(platform)),
      m_settings(std::move(settings)),
      m_history(std::make_unique<HistoryStore>(*m_settings, *m_platform->scheduler)),
      m_groups(std::make_unique<PasteboardGroupStore>(*m_settings)),
      m_hotKeysController(std::make_unique<HotKeysController>(*m_platform->hotKeyService)),
      m_capture(std::make_unique<CaptureServices>(m_platform->core(), *m_settings, *m_history)),
      m_alerts(std::make_unique<MessageBoxAlertPresenter>()),
      m_sheets(std::make_unique<WindowModalSheetPresenter>()),
      m_windows(std::make_unique<WindowRegistry>(*this))
{
}

AppContext::~AppContext()
{
    // The views go before the objects they show, and objects that use the platform go before it.
    m_windows.reset();
    m_sheets.reset();
    m_alerts.reset();
    m_capture.reset();
    m_hotKeysController.reset();
    m_groups.reset();
    m_history.reset();
}

ViewServices AppContext::viewServices()
{
    Platform &platform = *m_platform;
    return ViewServices{
        *m_history,         *m_groups,           *m_settings,          *m_capture,           *m_alerts,
        *m_sheets,          *platform.scheduler, *platform.dispatcher, *platform.systemInfo, *platform.workspace,
        *platform.fileIcons};
}

void AppContext::setSheetPresenter(std::unique_ptr<SheetPresenter> sheets)
{
    m_sheets = std::move(sheets);
}

void AppContext::setAlertPresenter(std::unique_ptr<AlertPresenter> alerts)
{
    m_alerts = std::move(alerts);
}

}  // namespace tavrin

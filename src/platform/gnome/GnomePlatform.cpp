// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gnome/GnomePlatform.h"

#include "platform/common/CanberraSoundPlayer.h"
#include "platform/common/XkbKeyPositions.h"
#include "platform/freedesktop/DBusNotificationCenter.h"
#include "platform/freedesktop/DBusNotifier.h"
#include "platform/freedesktop/XdgAutostartLoginItems.h"
#include "platform/freedesktop/XdgLocations.h"
#include "platform/gnome/GnomeCapabilities.h"
#include "platform/gnome/GnomeClipboard.h"
#include "platform/gnome/GnomeGlobalShortcuts.h"
#include "platform/gnome/GnomeKeyTyper.h"
#include "platform/gnome/GnomeShellLink.h"
#include "platform/gnome/GnomeWorkspace.h"
#include "platform/qt/DesktopSystemInfo.h"
#include "platform/qt/QtDispatcher.h"
#include "platform/qt/QtFileIcons.h"
#include "platform/qt/QtScheduler.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

namespace tavrin {

namespace {

// Keys can be typed exactly while the extension is there; there is no permission to ask for.
class ExtensionAccessibility final : public Accessibility {
public:
    explicit ExtensionAccessibility(const GnomeShellLink &link) : m_link(link) {}
    bool isProcessTrusted(bool) override { return m_link.isAvailable(); }

private:
    const GnomeShellLink &m_link;
};

// The services that reach the Shell share one link to its extension, which must outlive them all.
struct GnomePlatform final : Platform {
    ~GnomePlatform() override
    {
        dispatcher.reset();  // a background read may be using the link
        globalShortcuts.reset();
        keyEventPoster.reset();
        accessibility.reset();
        clipboard.reset();
        workspace.reset();
    }

    std::unique_ptr<GnomeShellLink> link;
};

bool trayHostRuns()
{
    const QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    return bus && bus->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher")).value();
}

}  // namespace

std::unique_ptr<Platform> createGnomePlatform()
{
    auto platform = std::make_unique<GnomePlatform>();
    platform->link = std::make_unique<GnomeShellLink>();
    GnomeShellLink &link = *platform->link;

    platform->scheduler = std::make_unique<QtScheduler>();
    platform->dispatcher = std::make_unique<QtDispatcher>();
    platform->systemInfo = std::make_unique<DesktopSystemInfo>();
    platform->fileIcons = std::make_unique<QtFileIcons>();
    platform->clipboard = std::make_unique<GnomeClipboard>(link);
    platform->keyEventPoster = std::make_unique<GnomeKeyTyper>(link);
    platform->accessibility = std::make_unique<ExtensionAccessibility>(link);
    platform->globalShortcuts = std::make_unique<GnomeGlobalShortcuts>(link);
    platform->keyPositions = std::make_unique<XkbKeyPositions>();  // Qt reports xkb keycodes here too
    platform->workspace = std::make_unique<GnomeWorkspace>(link);
    platform->soundPlayer = std::make_unique<CanberraSoundPlayer>();
    platform->locations = std::make_unique<XdgLocations>();
    platform->notificationCenter = std::make_unique<DBusNotificationCenter>(QDBusConnection::sessionBus());
    platform->notifier = std::make_unique<DBusNotifier>(QDBusConnection::sessionBus(), QStringLiteral("Tavrin"));

    auto loginItems = XdgAutostartLoginItems::forRunningProgram();
    platform->capabilities = describeGnomeSession(link, trayHostRuns());
    platform->capabilities.startAtLogin = loginItems->availability();
    platform->loginItems = std::move(loginItems);

    if (!link.isAvailable()) {
        const GnomeExtensionNotice notice = missingExtensionNotice();
        platform->notifier->notify(notice.summary, notice.body);
    }
    return platform;
}

}  // namespace tavrin

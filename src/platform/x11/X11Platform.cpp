#include "platform/x11/X11Platform.h"

#include "platform/freedesktop/DBusNotifier.h"
#include "platform/freedesktop/XdgLocations.h"
#include "platform/qt/DesktopSystemInfo.h"
#include "platform/qt/QtDispatcher.h"
#include "platform/qt/QtFileIcons.h"
#include "platform/qt/QtScheduler.h"
#include "platform/x11/CanberraSoundPlayer.h"
#include "platform/x11/X11Accessibility.h"
#include "platform/x11/X11HotKeyService.h"
#include "platform/x11/X11KeyEventPoster.h"
#include "platform/x11/X11Pasteboard.h"
#include "platform/x11/X11Workspace.h"

#include <QDBusConnection>
#include <QtGlobal>

namespace tavrin {

namespace {
Capability capability(bool available, const char *whyNot)
{
    return Capability{available, available ? QString() : QString::fromLatin1(whyNot)};
}
}  // namespace

std::unique_ptr<Platform> createX11Platform()
{
    auto platform = std::make_unique<Platform>();
    platform->scheduler = std::make_unique<QtScheduler>();
    platform->dispatcher = std::make_unique<QtDispatcher>();
    platform->systemInfo = std::make_unique<DesktopSystemInfo>();
    platform->fileIcons = std::make_unique<QtFileIcons>();

    auto hotKeys = std::make_unique<X11HotKeyService>();
    platform->capabilities.globalHotKeys = capability(hotKeys->isConnected(), "the X server could not be reached");
    platform->hotKeyService = std::move(hotKeys);

    auto pasteboard = std::make_unique<X11Pasteboard>();
    platform->capabilities.capture = capability(pasteboard->isValid(), "the display offers no XFixes extension");
    if (!pasteboard->isValid())
        qWarning("Tavrin: the display offers no usable clipboard (XFixes missing); copies will not be recorded");
    platform->pasteboard = std::move(pasteboard);

    auto keys = std::make_unique<X11KeyEventPoster>();
    platform->capabilities.postKeys = capability(keys->hasXTest(), "the display offers no XTEST extension");
    if (!keys->hasXTest())
        qWarning("Tavrin: the display offers no XTEST; entries are put on the clipboard but not pasted");
    platform->keyEventPoster = std::move(keys);

    platform->accessibility = std::make_unique<X11Accessibility>();
    platform->workspace = std::make_unique<X11Workspace>();
    platform->soundPlayer = std::make_unique<CanberraSoundPlayer>();
    platform->capabilities.startAtLogin = capability(false, "not available yet");
    platform->locations = std::make_unique<XdgLocations>();
    platform->notifier = std::make_unique<DBusNotifier>(QDBusConnection::sessionBus(), QStringLiteral("Tavrin"));
    return platform;
}

}  // namespace tavrin

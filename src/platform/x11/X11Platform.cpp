#include "platform/x11/X11Platform.h"

#include "platform/qt/DesktopSystemInfo.h"
#include "platform/qt/QtDispatcher.h"
#include "platform/qt/QtScheduler.h"
#include "platform/x11/X11HotKeyService.h"

namespace tavrin {

std::unique_ptr<Platform> createX11Platform()
{
    auto platform = std::make_unique<Platform>();
    platform->scheduler = std::make_unique<QtScheduler>();
    platform->dispatcher = std::make_unique<QtDispatcher>();
    platform->systemInfo = std::make_unique<DesktopSystemInfo>();
    platform->hotKeyService = std::make_unique<X11HotKeyService>();
    return platform;
}

}  // namespace tavrin

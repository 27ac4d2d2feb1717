// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Accessibility.h"
#include "platform/Clipboard.h"
#include "platform/CoreServices.h"
#include "platform/DesktopCapabilities.h"
#include "platform/DesktopNotifier.h"
#include "platform/Dispatcher.h"
#include "platform/FileIcons.h"
#include "platform/GlobalShortcuts.h"
#include "platform/KeyEventPoster.h"
#include "platform/KeyPositions.h"
#include "platform/LoginItems.h"
#include "platform/NotificationCenter.h"
#include "platform/Scheduler.h"
#include "platform/SoundPlayer.h"
#include "platform/StandardLocations.h"
#include "platform/SystemInfo.h"
#include "platform/Workspace.h"

#include <memory>

namespace tavrin {

// One backend's set of services; the application context owns it for the whole run.
struct Platform {
    Platform() = default;
    Platform(const Platform &) = delete;
    Platform &operator=(const Platform &) = delete;
    /// The background lanes stop first, before any service a job of theirs may still use.
    virtual ~Platform() { dispatcher.reset(); }

    std::unique_ptr<Scheduler> scheduler;
    std::unique_ptr<Dispatcher> dispatcher;
    std::unique_ptr<SystemInfo> systemInfo;
    std::unique_ptr<Clipboard> clipboard;
    std::unique_ptr<KeyEventPoster> keyEventPoster;
    std::unique_ptr<KeyPositions> keyPositions;
    std::unique_ptr<Accessibility> accessibility;
    std::unique_ptr<GlobalShortcuts> globalShortcuts;
    /// Null where the desktop has no way to start programs with the session.
    std::unique_ptr<LoginItems> loginItems;
    std::unique_ptr<Workspace> workspace;
    /// Null where the backend cannot reach other processes.
    std::unique_ptr<NotificationCenter> notificationCenter;
    std::unique_ptr<SoundPlayer> soundPlayer;
    std::unique_ptr<StandardLocations> locations;
    std::unique_ptr<DesktopNotifier> notifier;
    std::unique_ptr<FileIcons> fileIcons;
    /// What the running desktop lets the program do; the shell adapts to it instead of asking for the backend.
    DesktopCapabilities capabilities;

    bool canPostKeys() const { return capabilities.paste.available; }
    bool canStartAtLogin() const { return loginItems && capabilities.startAtLogin.available; }
    bool hasGlobalShortcuts() const { return capabilities.globalShortcuts.available; }

    /// The services the layers below the views use.
    CoreServices core() const
    {
        return CoreServices{*scheduler,     *dispatcher,      *clipboard, *keyEventPoster,
                            *accessibility, *globalShortcuts, *workspace, *soundPlayer};
    }
};

}  // namespace tavrin

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DefaultPlatform.h"

#include "platform/common/PlatformLog.h"
#include "platform/gnome/GnomePlatform.h"
#include "platform/select/BackendSelection.h"
#include "platform/wayland/WaylandCapabilities.h"
#include "platform/wayland/WaylandPlatform.h"
#include "platform/x11/X11Platform.h"

namespace tavrin {

namespace {

// Asks the compositor only when the choice depends on it: one connection and a round trip.
SessionFacts currentSession(BackendRequest request)
{
    SessionFacts facts;
    facts.waylandSession = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    facts.x11Display = !qEnvironmentVariableIsEmpty("DISPLAY");
    facts.gnomeDesktop = isGnomeDesktop(qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
    if (needsCompositorProbe(request, facts)) {
        const WaylandProtocols offered = probeWaylandProtocols();
        facts.waylandClipboard = QString::fromStdString(offered.dataControl);
        facts.waylandProblem = QString::fromStdString(offered.connectionProblem);
    }
    return facts;
}

}  // namespace

std::unique_ptr<Platform> createDefaultPlatform(BackendRequest request)
{
    const BackendSelection selection = selectBackend(request, currentSession(request));
    qCInfo(lcPlatform).noquote() << "backend:" << backendName(selection.kind) << "-" << selection.reason;
    switch (selection.kind) {
    case BackendKind::Wayland: return createWaylandPlatform();
    case BackendKind::Gnome: return createGnomePlatform();
    case BackendKind::X11: break;
    }
    return createX11Platform();
}

}  // namespace tavrin

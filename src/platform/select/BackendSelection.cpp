// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/select/BackendSelection.h"

#include <QStringList>

namespace tavrin {

bool needsCompositorProbe(BackendRequest request, const SessionFacts &facts)
{
    return request == BackendRequest::Automatic && facts.waylandSession;
}

BackendSelection selectBackend(BackendRequest request, const SessionFacts &facts)
{
    switch (request) {
    case BackendRequest::X11: return {BackendKind::X11, QStringLiteral("asked for (x11)")};
    case BackendRequest::Wayland: return {BackendKind::Wayland, QStringLiteral("asked for (wayland)")};
    case BackendRequest::Gnome: return {BackendKind::Gnome, QStringLiteral("asked for (gnome)")};
    case BackendRequest::Automatic: break;
    }
    if (!facts.waylandSession)
        return {BackendKind::X11, QStringLiteral("no Wayland compositor (WAYLAND_DISPLAY is not set)")};
    if (!facts.waylandClipboard.isEmpty())
        return {BackendKind::Wayland,
                QStringLiteral("the compositor lets programs follow the clipboard (%1)").arg(facts.waylandClipboard)};
    if (facts.gnomeDesktop && facts.waylandProblem.isEmpty())
        return {BackendKind::Gnome,
                QStringLiteral("GNOME Shell keeps the clipboard, typing and shortcuts to itself and "
                               "lends them to Tavrin's extension")};
    const QString missing = facts.waylandProblem.isEmpty()
                                ? QStringLiteral("the compositor offers no data-control")
                                : QStringLiteral("the compositor could not be reached (%1)").arg(facts.waylandProblem);
    if (facts.x11Display)
        return {BackendKind::X11,
                missing + QStringLiteral("; X11 through XWayland sees the clipboard only while an X11 window has the "
                                         "focus")};
    return {BackendKind::Wayland, missing + QStringLiteral(" and there is no X server")};
}

bool isGnomeDesktop(const QString &currentDesktop)
{
    return currentDesktop.split(QLatin1Char(':')).contains(QLatin1String("GNOME"), Qt::CaseInsensitive);
}

QString backendName(BackendKind kind)
{
    switch (kind) {
    case BackendKind::Wayland: return QStringLiteral("Wayland");
    case BackendKind::Gnome: return QStringLiteral("GNOME");
    case BackendKind::X11: break;
    }
    return QStringLiteral("X11");
}

}  // namespace tavrin

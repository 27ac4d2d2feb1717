// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace tavrin {

/// The backend the program is asked to run on (--backend, TAVRIN_BACKEND); automatic unless one is named.
enum class BackendRequest { Automatic, X11, Wayland, Gnome };

/// "auto", "x11", "wayland" or "gnome", in any case (empty means "auto"); nothing for another name.
inline std::optional<BackendRequest> parseBackendRequest(const QString &name)
{
    const QString key = name.trimmed().toLower();
    if (key.isEmpty() || key == QLatin1String("auto"))
        return BackendRequest::Automatic;
    if (key == QLatin1String("x11"))
        return BackendRequest::X11;
    if (key == QLatin1String("wayland"))
        return BackendRequest::Wayland;
    if (key == QLatin1String("gnome"))
        return BackendRequest::Gnome;
    return std::nullopt;
}

}  // namespace tavrin

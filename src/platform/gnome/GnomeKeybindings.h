// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/gnome/GnomeAccelerator.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tavrin {

// GNOME's own shortcuts, as its keybinding settings hold them: which action, if any, a combination belongs to.
namespace gnomeKeybindings {

/// One of GNOME's shortcuts.
struct Binding {
    GnomeAccelerator accelerator;
    QString schema;
    QString key;
    /// The action as GNOME's Keyboard settings name it, where known ("Minimize window"); else empty.
    QString name;
};

/// The schemas that hold GNOME's shortcuts: the window manager's, the Shell's, mutter's and the settings daemon's.
QStringList schemas();
/// The schema of the user's own shortcuts (their paths are listed under custom-keybindings of the media keys).
QString customSchema();

/// The bindings in the output of `gsettings list-recursively` ("schema key value" lines; GVariant values).
QList<Binding> parseListing(const QByteArray &listing);
/// The accelerator texts a GVariant text holds: "['<Super>h']", "@as []", "'<Primary>q'".
QStringList acceleratorTexts(const QString &value);
/// The custom shortcut at a path in the output of `gsettings list-recursively` of the custom schema: its binding
/// and its name.
std::optional<Binding> parseCustom(const QByteArray &listing, const QString &path);

/// The GNOME action that holds the combination now, read through `gsettings`; nothing when GNOME does not use it
/// or its settings cannot be read.
std::optional<Binding> holderOf(const GnomeAccelerator &accelerator);
/// Why a combination cannot be ours: "Super+H is GNOME's shortcut for …", one sentence for the user.
QString takenReason(const Binding &holder);

}  // namespace gnomeKeybindings

}  // namespace tavrin

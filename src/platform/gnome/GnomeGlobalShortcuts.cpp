// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gnome/GnomeGlobalShortcuts.h"

#include "platform/gnome/GnomeLog.h"
#include "platform/gnome/GnomeShellLink.h"

namespace tavrin {

namespace {
constexpr std::chrono::milliseconds kGrabTimeout{2000};
}

GnomeGlobalShortcuts::GnomeGlobalShortcuts(GnomeShellLink &link, HolderLookup gnomeHolder, QObject *parent)
    : GlobalShortcuts(parent), m_link(link), m_gnomeHolder(std::move(gnomeHolder))
{
    connect(&m_link, &GnomeShellLink::acceleratorActivated, this, &GnomeGlobalShortcuts::onActivated);
    connect(&m_link, &GnomeShellLink::availabilityChanged, this, &GnomeGlobalShortcuts::onAvailabilityChanged);
}

GnomeGlobalShortcuts::~GnomeGlobalShortcuts()
{
    for (auto &[id, shortcut] : m_shortcuts)
        release(shortcut);
}

bool GnomeGlobalShortcuts::isOffered() const
{
    return m_link.isAvailable();
}

ShortcutStatus GnomeGlobalShortcuts::registerShortcut(const QString &id, QKeyCombination keys, const QString &)
{
    return registerAccelerator(id, GnomeAccelerator::fromKeyCombination(keys));
}

ShortcutStatus GnomeGlobalShortcuts::registerAccelerator(const QString &id, const GnomeAccelerator &accelerator)
{
    if (const auto existing = m_shortcuts.find(id); existing != m_shortcuts.end()) {
        release(existing->second);
        m_shortcuts.erase(existing);
    }
    Shortcut shortcut{accelerator, 0, {}};
    ShortcutStatus status = grab(shortcut);
    m_shortcuts.emplace(id, shortcut);
    return status;
}

ShortcutStatus GnomeGlobalShortcuts::grab(Shortcut &shortcut)
{
    const GnomeAccelerator &accelerator = shortcut.accelerator;
    if (!accelerator.isValid())
        shortcut.status = ShortcutStatus::refused(
            QStringLiteral(QT_TRANSLATE_NOOP("DesktopReasons", "This key cannot be a shortcut on GNOME.")));
    else if (!m_link.isAvailable())
        shortcut.status = ShortcutStatus::refused(m_link.problem());
    else if (const auto holder = m_gnomeHolder(accelerator))
        shortcut.status = ShortcutStatus::refused(gnomeKeybindings::takenReason(*holder));
    else {
        const QDBusMessage reply =
            m_link.call(QStringLiteral("GrabAccelerator"), {accelerator.toString()}, kGrabTimeout);
        shortcut.action = reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
                              ? reply.arguments().constFirst().toUInt()
                              : 0;
        if (shortcut.action != 0)
            shortcut.status = ShortcutStatus::active();
        else if (reply.type() != QDBusMessage::ReplyMessage)
            shortcut.status = ShortcutStatus::refused(
                QStringLiteral("GNOME Shell did not take %1: %2").arg(accelerator.label(), reply.errorMessage()));
        else
            shortcut.status = ShortcutStatus::refused(
                QStringLiteral("%1 is taken by another program or by GNOME Shell.").arg(accelerator.label()));
    }
    if (!shortcut.status.isActive())
        qCInfo(lcGnome).noquote() << "shortcut" << accelerator.toString() << "refused:" << shortcut.status.reason;
    return shortcut.status;
}

void GnomeGlobalShortcuts::release(Shortcut &shortcut)
{
    if (shortcut.action == 0)
        return;
    if (m_link.isAvailable())
        m_link.call(QStringLiteral("UngrabAccelerator"), {shortcut.action}, kGrabTimeout);
    shortcut.action = 0;
}

void GnomeGlobalShortcuts::unregisterShortcut(const QString &id)
{
    const auto found = m_shortcuts.find(id);
    if (found == m_shortcuts.end())
        return;
    release(found->second);
    m_shortcuts.erase(found);
}

void GnomeGlobalShortcuts::onActivated(quint32 action)
{
    for (const auto &[id, shortcut] : m_shortcuts) {
        if (shortcut.action == action && action != 0) {
            const QString pressed = id;  // a receiver may unregister it
            Q_EMIT activated(pressed);
            return;
        }
    }
}

void GnomeGlobalShortcuts::onAvailabilityChanged(bool)
{
    // The Shell gave our grabs back when the extension went; grabbed again, each may come out differently.
    for (auto &[id, shortcut] : m_shortcuts) {
        shortcut.action = 0;
        const ShortcutStatus before = shortcut.status;
        if (grab(shortcut) != before)
            Q_EMIT statusChanged(id, shortcut.status);
    }
}

}  // namespace tavrin

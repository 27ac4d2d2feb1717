// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/gnome/GnomeKeyTyper.h"

#include "platform/gnome/GnomeLog.h"
#include "platform/gnome/GnomeShellLink.h"

#include <QDBusArgument>

namespace tavrin {

namespace {
constexpr std::chrono::milliseconds kTypeTimeout{1000};
}

bool GnomeKeyTyper::isAvailable() const
{
    return m_link.isAvailable();
}

bool GnomeKeyTyper::typeKeys(QKeyCombination keys)
{
    const GnomeAccelerator accelerator = GnomeAccelerator::fromKeyCombination(keys);
    if (!accelerator.isValid()) {
        qCWarning(lcGnome, "key %d has no keysym to type", int(keys.key()));
        return false;
    }
    return typeAccelerator(accelerator);
}

bool GnomeKeyTyper::typeAccelerator(const GnomeAccelerator &accelerator)
{
    QDBusArgument keyvals;
    keyvals.beginArray(QMetaType::fromType<uint>());
    for (const std::uint32_t keysym : accelerator.keysyms())
        keyvals << uint(keysym);
    keyvals.endArray();
    const QDBusMessage reply = m_link.call(QStringLiteral("TypeKeys"), {QVariant::fromValue(keyvals)}, kTypeTimeout);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        qCWarning(lcGnome).noquote() << accelerator.label() << "could not be typed:" << reply.errorMessage();
        return false;
    }
    return true;
}

}  // namespace tavrin

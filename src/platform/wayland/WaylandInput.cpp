// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wayland/WaylandInput.h"

#include "platform/kde/KGlobalAccelShortcuts.h"
#include "platform/portal/PortalBackends.h"
#include "platform/portal/PortalShortcuts.h"
#include "platform/portal/RemoteDesktopKeyboard.h"
#include "platform/wayland/InputWays.h"
#include "platform/wayland/WaylandKeyEventPoster.h"

namespace tavrin {

namespace {

// A portal interface is worth a session where a portal backend of this desktop implements it; only then is the
// portal asked (asking starts it, and it starts the backends it knows).
InputWay::Offer portalOffer(const QString &backendInterface, const std::function<bool(QString *)> &answers,
                            const QString &works)
{
    if (portal::sessionBackendsFor(backendInterface).isEmpty())
        return {false, QStringLiteral("no portal backend of this desktop offers it")};
    QString problem;
    if (!answers(&problem))
        return {false, problem};
    return {true, works};
}

}  // namespace

WaylandInput::WaylandInput() = default;
WaylandInput::WaylandInput(WaylandInput &&) noexcept = default;
WaylandInput &WaylandInput::operator=(WaylandInput &&) noexcept = default;
WaylandInput::~WaylandInput() = default;

WaylandInput chooseWaylandInput(const QDBusConnection &bus, const char *display)
{
    WaylandInput input;
    input.virtualKeyboard = std::make_unique<WaylandKeyEventPoster>(display);
    const WaylandKeyEventPoster &keyboard = *input.virtualKeyboard;

    const WayChoice keys = chooseWay(
        {{QStringLiteral("the compositor's virtual keyboard"),
          [&] {
              return InputWay::Offer{
                  keyboard.isValid(),
                  keyboard.isValid()
                      ? QStringLiteral(QT_TRANSLATE_NOOP("DesktopReasons",
                                                         "keys are typed through the compositor's virtual keyboard"))
                      : keyboard.problem()};
          }},
         {QStringLiteral("the desktop's RemoteDesktop portal"),
          [&] {
              return portalOffer(
                  QStringLiteral("org.freedesktop.impl.portal.RemoteDesktop"),
                  [&](QString *problem) { return RemoteDesktopKeyboard::isOffered(bus, problem); },
                  QStringLiteral(QT_TRANSLATE_NOOP("DesktopReasons",
                                                   "keys are typed through the desktop's RemoteDesktop portal")));
          }}},
        QStringLiteral(QT_TRANSLATE_NOOP("DesktopReasons", "this desktop does not let programs type keys; the "
                                                           "entry is put on the clipboard and Ctrl+V pastes it")));
    input.paste = keys.feature;
    if (keys.chosen == 1)
        input.portalKeyboard = std::make_unique<RemoteDesktopKeyboard>(bus);

    const WayChoice shortcuts = chooseWay(
        {{QStringLiteral("KDE's shortcut service"),
          [&] {
              const bool served = KGlobalAccelShortcuts::isServed(bus);
              return InputWay::Offer{
                  served, served ? QStringLiteral(QT_TRANSLATE_NOOP(
                                       "DesktopReasons",
                                       "KDE's shortcut service takes them; System Settings lists them under Tavrin"))
                                 : QStringLiteral(QT_TRANSLATE_NOOP("DesktopReasons",
                                                                    "it is not running (not a KDE Plasma session)"))};
          }},
         {QStringLiteral("the desktop's GlobalShortcuts portal"),
          [&] {
              return portalOffer(
                  QStringLiteral("org.freedesktop.impl.portal.GlobalShortcuts"),
                  [&](QString *problem) { return PortalShortcuts::isOffered(bus, problem); },
                  QStringLiteral(QT_TRANSLATE_NOOP(
                      "DesktopReasons",
                      "the desktop's GlobalShortcuts portal takes them, after asking in its own dialog")));
          }}},
        QStringLiteral(QT_TRANSLATE_NOOP("DesktopReasons",
                                         "this desktop does not let programs take shortcuts: bind Tavrin's commands "
                                         "in the desktop's own key settings")));
    input.globalShortcuts = shortcuts.feature;
    if (shortcuts.chosen == 0)
        input.shortcuts = std::make_unique<KGlobalAccelShortcuts>(bus);
    else if (shortcuts.chosen == 1)
        input.shortcuts = std::make_unique<PortalShortcuts>(bus);
    return input;
}

}  // namespace tavrin

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TrayIcon.h"

#include "app/AppLog.h"
#include "app/TrayMenuWindow.h"
#include "platform/Workspace.h"

#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWindow>

#include <algorithm>

// The tray image is compiled into this library; a static library's resources are registered only when asked for.
static void registerAppResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace tavrin {

namespace {

// On X11 Qt shows the item as a window of its own that stays unmapped until the tray embeds it; null elsewhere.
QWidget *iconWindow()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto icon = std::find_if(windows.cbegin(), windows.cend(),
                                   [](const QWidget *window) { return window->inherits("QSystemTrayIconSys"); });
    return icon == windows.cend() ? nullptr : *icon;
}

}  // namespace

TrayIcon::TrayIcon(Workspace *workspace, QObject *parent)
    : QObject(parent), m_workspace(workspace), m_tray(new QSystemTrayIcon(this)), m_menu(new QMenu)
{
    registerAppResources();
    m_menu->setAccessibleName(QStringLiteral("Tavrin"));
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        // A left click; the right click opens the menu, which the tray shows itself. A panel that shows no menus
        // (swaybar) only tells us of the right click, and the menu is not open then: our own window shows it.
        if (reason == QSystemTrayIcon::Trigger)
            Q_EMIT clicked();
        else if (reason == QSystemTrayIcon::Context && m_setUp && !m_menu->isVisible())
            openMenuWindow();
    });
    connect(m_menu, &QMenu::aboutToShow, this, &TrayIcon::refillMenu);
    m_dockCheck.setSingleShot(true);
    m_dockCheck.setInterval(kDockWaitMs);
    connect(&m_dockCheck, &QTimer::timeout, this, &TrayIcon::checkDocked);
}

TrayIcon::~TrayIcon()
{
    // The menu has no parent widget: the tray item only borrows it.
    m_tray->setContextMenu(nullptr);
    delete m_menu;
}

void TrayIcon::setup()
{
    showState();
    m_tray->setContextMenu(m_menu);
    m_tray->show();
    qCDebug(lcApp, "the icon is offered to the tray");
    m_setUp = true;
    watchIconWindow();
    m_dockCheck.start();
}

void TrayIcon::checkDocked()
{
    // A tray can drop the request: trayer ignores a window id it saw a moment before, which a restarted program gets
    // again when its previous run quit before the tray got round to it. A new window has a new id.
    const QWidget *icon = iconWindow();
    if (!icon || (icon->internalWinId() != 0 && icon->windowHandle() && icon->windowHandle()->isExposed()))
        return;
    offerAgain(QByteArrayLiteral("the tray did not take the icon within ") + QByteArray::number(kDockWaitMs) + " ms");
}

void TrayIcon::offerAgain(const QByteArray &why)
{
    // With no tray now (the panel restarts), Qt keeps the item and hands it to the next tray itself; a new item
    // would only be made while a tray is there.
    if (!hasTray()) {
        qCInfo(lcApp, "%s while no tray is running; the next tray gets the icon", why.constData());
        return;
    }
    if (m_redocks == kRedockTries) {
        qCWarning(lcApp, "%s and it was offered %d times; the list opens with its shortcut or by starting tavrin again",
                  why.constData(), m_redocks + 1);
        return;
    }
    ++m_redocks;
    qCInfo(lcApp, "%s; offering it again", why.constData());
    m_tray->hide();
    m_tray->show();
    watchIconWindow();
    m_dockCheck.start();
}

void TrayIcon::watchIconWindow()
{
    // The window can go while Qt goes on taking it as shown: a tray destroys it with the socket that held it, or Qt
    // gives it up itself while a stalled tray catches up (seen with trayer after a quick restart).
    QWidget *icon = iconWindow();
    if (!m_workspace || !icon)
        return;
    const WId window = icon->winId();
    const bool watched = m_workspace->watchForDestruction(window, this, [this, window] {
        const QWidget *current = iconWindow();
        // Our own hide() destroys the window too, with its widget; only the loss of the window still in use counts,
        // or of any window of the widget still in use.
        if (m_tray->isVisible() && current && (current->internalWinId() == window || current->internalWinId() == 0))
            offerAgain(QByteArrayLiteral("the icon's window was destroyed"));
    });
    qCDebug(lcApp, "the icon's window 0x%llx %s", static_cast<unsigned long long>(window),
            watched ? "is watched" : "cannot be watched");
}

void TrayIcon::refillMenu()
{
    m_menu->clear();
    Q_EMIT menuAboutToShow(m_menu);
}

void TrayIcon::openMenuWindow()
{
    refillMenu();
    if (!m_menuWindow)
        m_menuWindow = std::make_unique<TrayMenuWindow>();
    m_menuWindow->showMenu(m_menu);
}

void TrayIcon::setPaused(bool paused)
{
    m_paused = paused;
    showState();
}

void TrayIcon::showState()
{
    m_tray->setIcon(QIcon(QString::fromLatin1(m_paused ? kPausedImage : kImage)));
    m_tray->setToolTip(m_paused ? tr("Tavrin (recording paused)") : QStringLiteral("Tavrin"));
}

bool TrayIcon::hasTray()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

}  // namespace tavrin

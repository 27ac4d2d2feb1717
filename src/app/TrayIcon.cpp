// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TrayIcon.h"

#include "app/AppLog.h"
#include "app/TrayMenuWindow.h"

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

TrayIcon::TrayIcon(QObject *parent) : QObject(parent), m_tray(new QSystemTrayIcon(this)), m_menu(new QMenu)
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
    m_dockCheck.start();
}

void TrayIcon::checkDocked()
{
    // On X11 Qt shows the item as a window of its own that stays unmapped until the tray embeds it. A tray can drop
    // the request: trayer ignores a window id it saw a moment before, which a restarted program gets again when
    // its previous run quit before the tray got round to it. A new window has a new id.
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto icon = std::find_if(windows.cbegin(), windows.cend(),
                                   [](const QWidget *window) { return window->inherits("QSystemTrayIconSys"); });
    if (icon == windows.cend() || ((*icon)->windowHandle() && (*icon)->windowHandle()->isExposed()))
        return;
    if (m_redocks == kRedockTries) {
        qCWarning(lcApp,
                  "the tray did not take the icon after %d tries; the list opens with its shortcut or by "
                  "starting tavrin again",
                  m_redocks + 1);
        return;
    }
    ++m_redocks;
    qCInfo(lcApp, "the tray did not take the icon within %d ms; offering it again", kDockWaitMs);
    m_tray->hide();
    m_tray->show();
    m_dockCheck.start();
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

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

#include <memory>

class QMenu;
class QSystemTrayIcon;

namespace tavrin {

class TrayMenuWindow;
class Workspace;

// The program's item in the desktop's tray. It exists from the start but shows nothing until it is set up with its
// image and tool tip; from then on a left click on it emits clicked(), and a right click opens its menu, which is
// filled anew each time it opens (menuAboutToShow); where the tray shows no menus, the menu opens in a window of
// ours (TrayMenuWindow). While recording is paused it shows a second image and says so
// in its tool tip. An XEmbed tray that has not taken the item a while after it was offered, or whose item lost its
// window, is offered a new one.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    /// The image's resource name.
    static constexpr const char *kImage = ":/images/21.svg";
    static constexpr const char *kPausedImage = ":/images/21-paused.svg";

    /// The workspace, where given, tells when a tray destroys the item's window.
    explicit TrayIcon(Workspace *workspace = nullptr, QObject *parent = nullptr);
    ~TrayIcon() override;

    /// Gives the item its image "21" and the tool tip "Tavrin" and puts it into the tray.
    void setup();
    bool isSetUp() const { return m_setUp; }
    /// True when the desktop has a tray to show the item in now.
    static bool hasTray();

    QSystemTrayIcon *trayIcon() const { return m_tray; }
    QMenu *menu() const { return m_menu; }
    /// The window that shows the menu where the tray does not; null until it was needed.
    TrayMenuWindow *menuWindow() const { return m_menuWindow.get(); }

    /// How long an XEmbed tray has to take the item before it is offered again, and how often that is done.
    static constexpr int kDockWaitMs = 3000;
    static constexpr int kRedockTries = 2;

    /// Shows whether recording is paused.
    void setPaused(bool paused);
    bool showsPaused() const { return m_paused; }

Q_SIGNALS:
    /// The user clicked the item.
    void clicked();
    /// The menu is about to open, emptied: whoever handles this fills it.
    void menuAboutToShow(QMenu *menu);

private:
    void showState();
    void refillMenu();
    void openMenuWindow();
    void checkDocked();
    void offerAgain(const QByteArray &why);
    void watchIconWindow();

    Workspace *m_workspace;
    QSystemTrayIcon *m_tray;
    QMenu *m_menu;
    std::unique_ptr<TrayMenuWindow> m_menuWindow;
    QTimer m_dockCheck;
    int m_redocks = 0;
    bool m_setUp = false;
    bool m_paused = false;
};

}  // namespace tavrin

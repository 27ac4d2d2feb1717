#pragma once

#include <QObject>

class QSystemTrayIcon;

namespace tavrin {

// The program's item in the desktop's tray. It exists from the start but shows nothing until it is set up with its
// image and tool tip; from then on a click on it emits clicked().
class TrayIcon : public QObject {
    Q_OBJECT
public:
    /// The image's resource name.
    static constexpr const char *kImage = ":/images/21.svg";

    explicit TrayIcon(QObject *parent = nullptr);
    ~TrayIcon() override;

    /// Gives the item its image "21" and the tool tip "Tavrin" and puts it into the tray.
    void setup();
    bool isSetUp() const { return m_setUp; }
    /// True when the desktop has a tray to show the item in now.
    static bool hasTray();

    QSystemTrayIcon *trayIcon() const { return m_tray; }

Q_SIGNALS:
    /// The user clicked the item.
    void clicked();

private:
    QSystemTrayIcon *m_tray;
    bool m_setUp = false;
};

}  // namespace tavrin

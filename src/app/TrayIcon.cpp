#include "app/TrayIcon.h"

#include <QIcon>
#include <QSystemTrayIcon>

// The tray image is compiled into this library; a static library's resources are registered only when asked for.
static void registerAppResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace tavrin {

TrayIcon::TrayIcon(QObject *parent) : QObject(parent), m_tray(new QSystemTrayIcon(this))
{
    registerAppResources();
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        // A left click; the item has no menu of its own.
        if (reason == QSystemTrayIcon::Trigger)
            Q_EMIT clicked();
    });
}

TrayIcon::~TrayIcon() = default;

void TrayIcon::setup()
{
    m_tray->setIcon(QIcon(QString::fromLatin1(kImage)));
    m_tray->setToolTip(QStringLiteral("Tavrin"));
    m_tray->show();
    m_setUp = true;
}

bool TrayIcon::hasTray()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

}  // namespace tavrin

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/freedesktop/XdgAutostartLoginItems.h"

#include "platform/ApplicationId.h"
#include "platform/freedesktop/FreedesktopLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tavrin {

namespace {

LoginItems::Change failure(const QString &reason)
{
    return LoginItems::Change{false, reason};
}

}  // namespace

QString execArgument(const QString &argument)
{
    // Inside double quotes the Exec rules reserve ", `, $ and \ (each escaped with a backslash); a literal % is
    // always doubled. The value is then a desktop entry string, whose own escape doubles every backslash again.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = argument.isEmpty();
    QString quoted;
    for (const QChar c : argument) {
        if (reserved.contains(c))
            needsQuotes = true;
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    if (needsQuotes)
        quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    return desktopString(quoted);
}

QString desktopString(QString value)
{
    value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    value.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    value.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    value.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    return value;
}

XdgAutostartLoginItems::XdgAutostartLoginItems(const QString &autostartFolder, const QString &launcherPath)
    : m_folder(autostartFolder), m_launcher(launcherPath)
{
}

std::unique_ptr<XdgAutostartLoginItems> XdgAutostartLoginItems::forRunningProgram()
{
    return std::make_unique<XdgAutostartLoginItems>(defaultAutostartFolder(), launcherBesideProgram());
}

QString XdgAutostartLoginItems::defaultAutostartFolder()
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    // Relative values are invalid by the rules and ignored.
    const QString base = !config.isEmpty() && QDir::isAbsolutePath(config)
                             ? QDir::cleanPath(config)
                             : QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/autostart");
}

QString XdgAutostartLoginItems::launcherBesideProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/tavrin-launcher");
}

DesktopCapabilities::Feature XdgAutostartLoginItems::availability() const
{
    const QFileInfo launcher(m_launcher);
    if (launcher.isAbsolute() && launcher.isFile() && launcher.isExecutable())
        return {true, QStringLiteral(QT_TRANSLATE_NOOP("DesktopReasons",
                                                       "an autostart entry starts tavrin-launcher when you log in"))};
    return {false, QStringLiteral("the login launcher %1 is missing").arg(m_launcher)};
}

QString XdgAutostartLoginItems::entryPath(const QString &identifier) const
{
    return m_folder + QLatin1Char('/') + identifier + QStringLiteral(".desktop");
}

QByteArray XdgAutostartLoginItems::entryText() const
{
    // TryExec makes the session skip the entry once the launcher is uninstalled, instead of failing at each login.
    const QString text =
        QStringLiteral("[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Tavrin\n"
                       "Comment=Starts Tavrin when you log in\n"
                       "TryExec=%1\n"
                       "Exec=%2\n"
                       "Icon=%3\n"
                       "Terminal=false\n"
                       "NoDisplay=true\n"
                       "X-GNOME-Autostart-enabled=true\n")
            .arg(desktopString(m_launcher), execArgument(m_launcher), QString::fromLatin1(kApplicationId));
    return text.toUtf8();
}

LoginItems::Change XdgAutostartLoginItems::setLoginItemEnabled(const QString &identifier, bool enabled)
{
    const QString path = entryPath(identifier);
    Change change = enabled ? writeEntry(path) : removeEntry(path);
    if (!change.succeeded)
        qCWarning(lcFreedesktop).noquote() << "autostart entry" << path << "not changed:" << change.reason;
    return change;
}

LoginItems::Change XdgAutostartLoginItems::writeEntry(const QString &path) const
{
    if (const DesktopCapabilities::Feature launcher = availability(); !launcher.available)
        return failure(launcher.detail);
    if (!QDir().mkpath(m_folder))
        return failure(QStringLiteral("the folder %1 cannot be created").arg(m_folder));
    QSaveFile file(path);
    // A read-only folder refuses the temporary file a safe write needs; writing in place would not help either.
    if (!file.open(QIODevice::WriteOnly))
        return failure(QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString()));
    file.write(entryText());
    if (!file.commit())
        return failure(QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString()));
    return Change{true, {}};
}

LoginItems::Change XdgAutostartLoginItems::removeEntry(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return Change{true, {}};
    if (!file.remove())
        return failure(QStringLiteral("%1 cannot be removed: %2").arg(path, file.errorString()));
    return Change{true, {}};
}

}  // namespace tavrin

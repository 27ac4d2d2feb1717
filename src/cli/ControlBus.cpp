#include "cli/ControlBus.h"

#include <QRegularExpression>

namespace tavrin::bus {

namespace {

// Bus name elements allow letters, digits and '_' only (a '-' is discouraged).
QString busElement(const QString &text)
{
    QString element;
    for (const QChar c : text)
        element += (c.isLetterOrNumber() && c.unicode() < 128) ? c : QLatin1Char('_');
    return element;
}

}  // namespace

QString serviceName(const QString &display)
{
    // [host]:number[.screen]: the screen is part of the same display, so it is left out.
    static const QRegularExpression form(QStringLiteral("^(.*):(\\d+)(\\.\\d+)?$"));
    const QRegularExpressionMatch parts = form.match(display);
    QString suffix;
    if (parts.hasMatch()) {
        const QString host = parts.captured(1);
        suffix = QStringLiteral("display") + (host.isEmpty() ? QString() : QLatin1Char('_') + busElement(host)) +
                 QLatin1Char('_') + parts.captured(2);
    } else {
        suffix = QStringLiteral("display_") + busElement(display.isEmpty() ? QStringLiteral("none") : display);
    }
    return QString::fromLatin1(kServicePrefix) + QLatin1Char('.') + suffix;
}

QString currentDisplay()
{
    const QString x11 = qEnvironmentVariable("DISPLAY");
    return x11.isEmpty() ? qEnvironmentVariable("WAYLAND_DISPLAY") : x11;
}

}  // namespace tavrin::bus

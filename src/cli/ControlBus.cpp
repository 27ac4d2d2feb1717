// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ControlBus.h"

#include <QRegularExpression>

#include <QCoreApplication>
#include <limits>

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

qsizetype utf8Length(QStringView text)
{
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x80)
            bytes += 1;
        else if (c < 0x800)
            bytes += 2;
        else if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(text.at(i + 1).unicode()))
            bytes += 4, ++i;
        else
            bytes += 3;
    }
    return bytes;
}

QString noSuchEntryMessage(const QString &row, qsizetype count)
{
    if (count == 0)
        return QCoreApplication::translate("ControlBus", "there is no entry %1: the history is empty").arg(row);
    // English has its singular written out, as no English translation is loaded to choose it.
    if (count == 1)
        return QCoreApplication::translate("ControlBus",
                                           "there is no entry %1: the history has 1 entry, numbered from 1")
            .arg(row);
    const int entries = count > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : int(count);
    return QCoreApplication::translate(
               "ControlBus", "there is no entry %1: the history has %n entries, numbered from 1", nullptr, entries)
        .arg(row);
}

QString textTooLargeMessage(qsizetype bytes)
{
    return QCoreApplication::translate(
               "ControlBus", "the text is %1 bytes long in UTF-8; Tavrin adds texts of at most %2 bytes (%3 MiB)")
        .arg(bytes)
        .arg(kMaxAddedTextBytes)
        .arg(kMaxAddedTextBytes >> 20);
}

QString currentDisplay()
{
    const QString x11 = qEnvironmentVariable("DISPLAY");
    return x11.isEmpty() ? qEnvironmentVariable("WAYLAND_DISPLAY") : x11;
}

}  // namespace tavrin::bus

// SPDX-License-Identifier: GPL-3.0-or-later
#include "SampleHistory.h"

#include <QRandomGenerator>

#include <cmath>

namespace tavrin::bench {

namespace {

const QStringList kWords = {
    QStringLiteral("the"),
    QStringLiteral("clipboard"),
    QStringLiteral("function"),
    QStringLiteral("return"),
    QStringLiteral("meeting"),
    QStringLiteral("password"),
    QStringLiteral("https://example.org/path?q=1"),
    QStringLiteral("Straße"),
    QStringLiteral("données"),
    QStringLiteral("日本語"),
    QStringLiteral("value"),
    QStringLiteral("const"),
    QStringLiteral("int"),
    QStringLiteral("{"),
    QStringLiteral("}"),
    QStringLiteral("Hello,"),
    QStringLiteral("world."),
    QStringLiteral("äöü"),
    QStringLiteral("😀"),
    QStringLiteral("SELECT"),
    QStringLiteral("FROM"),
    QStringLiteral("WHERE"),
    QStringLiteral("&amp;"),
    QStringLiteral("<div>"),
    QStringLiteral("</div>"),
    QStringLiteral("tab\there"),
    QStringLiteral("42"),
};

}  // namespace

QStringList sampleHistory(int n, quint32 seed)
{
    QRandomGenerator rng(seed);
    QStringList entries;
    entries.reserve(n);
    for (int i = 0; i < n; ++i) {
        // Log-uniform length between 10 and 700 bytes (162 on average): most copies are short.
        const double t = rng.generateDouble();
        const int target = int(10.0 * std::pow(70.0, t));
        QString entry;
        if (rng.bounded(10) == 0) {
            entry = QStringLiteral("/home/user/Documents/project-%1/report %2.pdf").arg(rng.bounded(1000)).arg(i);
        } else {
            const bool multiLine = rng.bounded(4) == 0;
            while (entry.toUtf8().size() < target) {
                entry += kWords.at(int(rng.bounded(qsizetype(kWords.size()))));
                entry += (multiLine && rng.bounded(8) == 0) ? QStringLiteral("\n") : QStringLiteral(" ");
            }
        }
        entries.append(entry);
    }
    return entries;
}

qint64 utf8Size(const QStringList &entries)
{
    qint64 total = 0;
    for (const QString &e : entries)
        total += e.toUtf8().size();
    return total;
}

}  // namespace tavrin::bench

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

const QStringList kNonLatinWords = {
    QString::fromUtf8("привет"),  QString::fromUtf8("буфер"),    QString::fromUtf8("обмена"),
    QString::fromUtf8("встреча"), QString::fromUtf8("καλημέρα"), QString::fromUtf8("κόσμε"),
    QString::fromUtf8("مرحبا"),   QString::fromUtf8("بالعالم"),  QString::fromUtf8("नमस्ते"),
    QString::fromUtf8("दुनिया"),   QString::fromUtf8("日本語"),   QString::fromUtf8("クリップボード"),
    QString::fromUtf8("会議"),    QString::fromUtf8("剪贴板"),   QString::fromUtf8("你好世界"),
    QString::fromUtf8("2024"),    QString::fromUtf8("—"),        QString::fromUtf8("😀"),
};

QStringList sampleFrom(const QStringList &words, int n, quint32 seed)
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
                entry += words.at(int(rng.bounded(qsizetype(words.size()))));
                entry += (multiLine && rng.bounded(8) == 0) ? QStringLiteral("\n") : QStringLiteral(" ");
            }
        }
        entries.append(entry);
    }
    return entries;
}

}  // namespace

QStringList sampleHistory(int n, quint32 seed)
{
    return sampleFrom(kWords, n, seed);
}

QStringList nonLatinSampleHistory(int n, quint32 seed)
{
    return sampleFrom(kNonLatinWords, n, seed);
}

qint64 utf8Size(const QStringList &entries)
{
    qint64 total = 0;
    for (const QString &e : entries)
        total += e.toUtf8().size();
    return total;
}

}  // namespace tavrin::bench

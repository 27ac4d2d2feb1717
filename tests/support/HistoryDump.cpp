// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the history as a fresh launch would load it: {"pinCount": n, "items": [...]}.
#include "platform/fake/FakeScheduler.h"
#include "platform/freedesktop/XdgLocations.h"
#include "store/HistoryStore.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const tavrin::XdgLocations locations;
    tavrin::SettingsStore settings(tavrin::SettingsStore::pathIn(locations.configDirectory()));
    tavrin::FakeScheduler scheduler;
    tavrin::ListFolder folder(locations.dataDirectory());
    tavrin::HistoryStore history(settings, scheduler, folder);
    history.loadHistory();
    QJsonObject out;
    out.insert(QStringLiteral("pinCount"), qint64(history.pinCount()));
    out.insert(QStringLiteral("items"), QJsonArray::fromStringList(history.items().toStringList()));
    const QByteArray json = QJsonDocument(out).toJson(QJsonDocument::Compact);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}

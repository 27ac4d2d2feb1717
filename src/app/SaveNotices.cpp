// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SaveNotices.h"

#include "platform/DesktopNotifier.h"
#include "store/GroupStore.h"
#include "store/HistoryStore.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"

namespace tavrin {

SaveNotices::SaveNotices(DesktopNotifier &notifier, SettingsStore &settings, ListFolder &folder, HistoryStore &history,
                         GroupStore &groups, QObject *parent)
    : QObject(parent), m_notifier(notifier)
{
    // From the thread that wrote; the notice is shown from this one.
    connect(
        &folder, &ListFolder::keptAside, this, [this](const QString &path, const QString &aside, const QString &why) {
            m_notifier.notify(tr("Tavrin kept a damaged file aside"),
                              tr("%1 could not be read whole (%2). It is kept as %3, and Tavrin saves in its place.")
                                  .arg(path, why, aside));
        });
    connect(&history, &HistoryStore::pathReplaced, this,
            [this](const QString &from, const QString &to, const QString &why, bool readFrom) {
                QString body = tr("%1 cannot be used: %2. The history is saved to %3 from now on.").arg(from, why, to);
                if (readFrom)
                    body += QLatin1Char(' ') + tr("Its entries were read from %1, which is left as it is.").arg(from);
                m_notifier.notify(tr("Tavrin saves the clipboard history in another file"), body);
            });
    connect(&history, &HistoryStore::saveFailed, this, [this](const QString &path, const QString &reason) {
        m_notifier.notify(tr("Tavrin cannot save the clipboard history"),
                          tr("%1: %2. What you copy stays in memory, and Tavrin keeps trying.").arg(path, reason));
    });
    connect(&history, &HistoryStore::saveRecovered, this,
            [this](const QString &path) { m_notifier.notify(tr("Tavrin saves the clipboard history again"), path); });
    connect(&settings, &SettingsStore::saveFailed, this, [this](const QString &path, const QString &reason) {
        m_notifier.notify(tr("Tavrin cannot save its settings"), tr("%1: %2.").arg(path, reason));
    });
    connect(&settings, &SettingsStore::saveRecovered, this,
            [this](const QString &path) { m_notifier.notify(tr("Tavrin saves its settings again"), path); });
    connect(&groups, &GroupStore::saveFailed, this, [this](const QString &path, const QString &reason) {
        m_notifier.notify(tr("Tavrin cannot save a group"), tr("%1: %2.").arg(path, reason));
    });
    connect(&groups, &GroupStore::saveRecovered, this,
            [this](const QString &path) { m_notifier.notify(tr("Tavrin saves the group again"), path); });
}

}  // namespace tavrin

#include "app/SaveNotices.h"

#include "platform/DesktopNotifier.h"
#include "store/GroupStore.h"
#include "store/HistoryStore.h"
#include "store/SettingsStore.h"

namespace tavrin {

SaveNotices::SaveNotices(DesktopNotifier &notifier, SettingsStore &settings, HistoryStore &history, GroupStore &groups,
                         QObject *parent)
    : QObject(parent), m_notifier(notifier)
{
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

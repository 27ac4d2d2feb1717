// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/GroupStore.h"

#include "store/HistoryStore.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "store/StoreLog.h"
#include "store/StringListFiles.h"

#include <QDir>

#include <algorithm>

namespace tavrin {

const QString GroupStore::kDefaultName = QStringLiteral("My Clipboard");

namespace {
// The history file's base name in the same folder.
const QString kHistoryBaseName = QStringLiteral("myfile");
}  // namespace

GroupStore::GroupStore(SettingsStore &settings, ListFolder &folder, QObject *parent)
    : QObject(parent), m_settings(settings), m_folder(folder)
{
}

void GroupStore::loadGroupNames()
{
    if (const auto stored = m_settings.stringArray(keys::groupNames)) {
        m_groupNames = *stored;
    } else {
        // Lost or reset settings must not orphan the groups the user has: their files are still there.
        m_groupNames = groupNamesFromFiles();
        if (m_groupNames.isEmpty()) {
            m_settings.storeDefaultIfMissing(keys::groupNames);
            m_groupNames = m_settings.texts(keys::groupNames);
        } else {
            qCInfo(lcStore).noquote() << "no group list stored; rebuilt from the files in" << m_folder.directory()
                                      << ":" << m_groupNames.join(QStringLiteral(", "));
            saveGroupNames();
        }
    }
    Q_EMIT groupNamesChanged();
}

QStringList GroupStore::groupNamesFromFiles() const
{
    QStringList names;
    const QStringList files = m_folder.listNames();
    for (const QString &name : files) {
        if (isValidGroupName(name))
            names.append(name);
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        // The default group first, as it was created first; the others by name, case aside, then exactly.
        if ((a == kDefaultName) != (b == kDefaultName))
            return a == kDefaultName;
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return names;
}

void GroupStore::saveGroupNames()
{
    m_settings.setStringArray(keys::groupNames, m_groupNames);
}

int GroupStore::addGroup()
{
    QString candidate = kDefaultName;
    int n = 0;
    while (m_groupNames.contains(candidate)) {
        ++n;
        candidate = kDefaultName + QString::number(n);
    }
    m_groupNames.append(candidate);
    Q_EMIT groupNamesChanged();
    return int(m_groupNames.size()) - 1;
}

GroupStore::NameProblem GroupStore::nameProblem(const QString &name)
{
    if (name.contains(QLatin1Char('/')))
        return NameProblem::slash;
    if (name.contains(QChar(u'\0')))
        return NameProblem::nullCharacter;
    if (name == QStringLiteral(".") || name == QStringLiteral(".."))
        return NameProblem::dotName;
    if (name == kHistoryBaseName)
        return NameProblem::historyFileName;
    return NameProblem::none;
}

GroupStore::RenameOutcome GroupStore::renameGroup(int index, const QString &text)
{
    if (index < 0 || index >= m_groupNames.size())
        return RenameOutcome::unchanged;
    const QString stored = m_groupNames.at(index);
    if (stored.isEmpty() && text.isEmpty()) {
        m_groupNames.removeAt(index);
        saveGroupNames();
        Q_EMIT groupNamesChanged();
        return RenameOutcome::dropped;
    }
    if (text == stored) {
        saveGroupNames();
        return RenameOutcome::unchanged;
    }
    if (text.isEmpty()) {
        saveGroupNames();
        return RenameOutcome::restored;
    }
    for (int i = 0; i < m_groupNames.size(); ++i) {
        if (i != index && m_groupNames.at(i) == text)
            return RenameOutcome::duplicate;
    }
    if (!isValidGroupName(text))
        return RenameOutcome::invalidName;

    // New file first: the old one goes only once its items are safe under the new name. An old file that cannot be
    // read is moved aside rather than removed.
    const QString oldPath = isValidGroupName(stored) ? m_folder.pathFor(stored) : QString();
    const QStringList items = oldPath.isEmpty() ? QStringList() : m_folder.read(oldPath).strings.toStringList();
    if (!writeGroupItems(text, items))
        return RenameOutcome::writeFailed;
    if (!oldPath.isEmpty())
        m_folder.remove(oldPath);
    m_groupNames[index] = text;
    saveGroupNames();
    Q_EMIT groupRenamed(stored, text);
    Q_EMIT groupNamesChanged();
    return RenameOutcome::changed;
}

void GroupStore::deleteGroup(int index)
{
    if (index < 0 || index >= m_groupNames.size())
        return;
    const QString name = m_groupNames.at(index);
    if (isValidGroupName(name))
        m_folder.remove(m_folder.pathFor(name));
    m_groupNames.removeAt(index);
    saveGroupNames();
    Q_EMIT groupNamesChanged();
}

QStringList GroupStore::readGroupItems(const QString &name) const
{
    if (!isValidGroupName(name))
        return {};
    return m_folder.read(m_folder.pathFor(name)).strings.toStringList();
}

bool GroupStore::writeGroupItems(const QString &name, const QStringList &items)
{
    if (!isValidGroupName(name))
        return false;
    const QString path = m_folder.pathFor(name);
    QString error;
    if (m_folder.write(path, items, &error)) {
        if (m_failing.markSaved(path)) {
            qCInfo(lcStore).noquote() << "the group file" << path << "is saved again";
            Q_EMIT saveRecovered(path);
        }
        Q_EMIT groupItemsChanged(name, items);
        return true;
    }
    qCWarning(lcStore).noquote() << "cannot save the group file" << path << ":" << error;
    if (m_failing.markFailed(path))
        Q_EMIT saveFailed(path, error);
    return false;
}

void GroupStore::appendDroppedFiles(int index, const QList<QUrl> &urls)
{
    if (index < 0 || index >= m_groupNames.size())
        return;
    const QString name = m_groupNames.at(index);
    QStringList items = readGroupItems(name);
    for (const QUrl &url : urls) {
        if (!url.isLocalFile())
            continue;
        QString path = url.toLocalFile();
        // Folders arrive with a trailing slash; entries hold none, as captured paths do.
        while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
            path.chop(1);
        items.append(path);
    }
    writeGroupItems(name, items);
}

void GroupStore::appendHistoryRows(int index, const HistoryStore &history, const QList<int> &rows)
{
    if (index < 0 || index >= m_groupNames.size())
        return;
    const QString name = m_groupNames.at(index);
    QStringList items = readGroupItems(name);
    for (int row : rows) {
        // The history may have changed during the drag; rows that left it are skipped.
        if (row >= 0 && row < history.items().size())
            items.append(history.items().at(row));
    }
    writeGroupItems(name, items);
}

}  // namespace tavrin

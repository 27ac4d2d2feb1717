#include "store/PasteboardGroupStore.h"

#include "store/HistoryStore.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"

#include <QDir>
#include <QFile>

namespace tavrin {

const QString PasteboardGroupStore::kDefaultName = QStringLiteral("My Clipboard");

namespace {
// The history file's base name in the same folder.
const QString kHistoryBaseName = QStringLiteral("myfile");
}  // namespace

PasteboardGroupStore::PasteboardGroupStore(SettingsStore &settings, QObject *parent)
    : QObject(parent), m_settings(settings)
{
}

void PasteboardGroupStore::loadGroupNames()
{
    if (const auto stored = m_settings.stringArray(keys::groupNames)) {
        m_groupNames = *stored;
    } else {
        m_groupNames = QStringList{kDefaultName};
        saveGroupNames();
    }
    Q_EMIT groupNamesChanged();
}

void PasteboardGroupStore::saveGroupNames()
{
    m_settings.setStringArray(keys::groupNames, m_groupNames);
}

int PasteboardGroupStore::addGroup()
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

PasteboardGroupStore::NameProblem PasteboardGroupStore::nameProblem(const QString &name)
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

PasteboardGroupStore::RenameOutcome PasteboardGroupStore::renameGroup(int index, const QString &text)
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

    // New file first: the old one goes only once its items are safe under the new name.
    const QString oldPath = isValidGroupName(stored) ? listFilePath(stored) : QString();
    const bool hadFile = !oldPath.isEmpty() && QFile::exists(oldPath);
    const QStringList items = hadFile ? readStringListAtPath(oldPath) : QStringList();
    if (!writeGroupItems(text, items))
        return RenameOutcome::writeFailed;
    if (hadFile)
        QFile::remove(oldPath);
    m_groupNames[index] = text;
    saveGroupNames();
    Q_EMIT groupNamesChanged();
    return RenameOutcome::changed;
}

void PasteboardGroupStore::deleteGroup(int index)
{
    if (index < 0 || index >= m_groupNames.size())
        return;
    const QString name = m_groupNames.at(index);
    if (isValidGroupName(name))
        QFile::remove(listFilePath(name));
    m_groupNames.removeAt(index);
    saveGroupNames();
    Q_EMIT groupNamesChanged();
}

QStringList PasteboardGroupStore::readGroupItems(const QString &name) const
{
    if (!isValidGroupName(name))
        return {};
    return readStringList(name);
}

bool PasteboardGroupStore::writeGroupItems(const QString &name, const QStringList &items)
{
    if (!isValidGroupName(name))
        return false;
    return writeStringList(name, items);
}

void PasteboardGroupStore::appendDroppedFiles(int index, const QList<QUrl> &urls)
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

void PasteboardGroupStore::appendHistoryRows(int index, const HistoryStore &history)
{
    if (index < 0 || index >= m_groupNames.size())
        return;
    const QString name = m_groupNames.at(index);
    QStringList items = readGroupItems(name);
    for (int row : std::as_const(draggedHistoryRows)) {
        // The history may have changed during the drag; rows that left it are skipped.
        if (row >= 0 && row < history.items().size())
            items.append(history.items().at(row));
    }
    writeGroupItems(name, items);
}

}  // namespace tavrin

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/FailingFiles.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

namespace tavrin {

class HistoryStore;
class ListFolder;
class SettingsStore;

// The user's named groups of saved items: the ordered names in the settings, each group's items in a file of its own.
class GroupStore : public QObject {
    Q_OBJECT
public:
    enum class RenameOutcome {
        unchanged,  // same text: the list is saved, no file touched
        restored,  // empty text: the old name stays
        dropped,  // empty name left empty: the group is removed
        duplicate,  // another group has that name: nothing changes
        changed,  // renamed and the items moved to the new file
        invalidName,  // the name cannot be a file name, or is the history's: nothing changes
        writeFailed,  // the new file could not be written: the old name and file stay
    };

    static const QString kDefaultName;  // "My Clipboard"

    /// Each group's items are a file in folder.
    GroupStore(SettingsStore &settings, ListFolder &folder, QObject *parent = nullptr);

    const QStringList &groupNames() const { return m_groupNames; }

    /// Reads "pasteboardArr". When it is not an array of texts, the list is rebuilt from the group files in the folder
    /// ("My Clipboard" first, the rest by name), or is the default name when there are none; it is stored at once.
    void loadGroupNames();
    void saveGroupNames();
    /// Appends the first free name of My Clipboard, My Clipboard1, ...; returns its index. Saves nothing.
    int addGroup();
    RenameOutcome renameGroup(int index, const QString &text);
    /// Removes the name and its item file (an item file that cannot be read is moved aside instead).
    void deleteGroup(int index);

    /// Why a name cannot be a group's: it cannot be a file name here, or it would be the history's file.
    enum class NameProblem {
        none,
        slash,  // a path separator
        nullCharacter,
        dotName,  // "." or ".."
        historyFileName,  // the history's own file
    };
    static NameProblem nameProblem(const QString &name);
    /// False for names that cannot be a file name here or that would be the history's file.
    static bool isValidGroupName(const QString &name) { return nameProblem(name) == NameProblem::none; }

    QStringList readGroupItems(const QString &name) const;
    /// Writes a group's file; false when it cannot (the failure is also reported by saveFailed).
    bool writeGroupItems(const QString &name, const QStringList &items);
    /// Appends the paths of the local file URLs among urls, in order.
    void appendDroppedFiles(int index, const QList<QUrl> &urls);
    /// Appends the history entries at rows, in that order; the history is unchanged.
    void appendHistoryRows(int index, const HistoryStore &history, const QList<int> &rows);

Q_SIGNALS:
    void groupNamesChanged();
    /// A group's file now holds items (every view of the group shows them).
    void groupItemsChanged(const QString &name, const QStringList &items);
    /// A group was renamed, its items moved to the new name's file.
    void groupRenamed(const QString &oldName, const QString &newName);
    /// Writing a group's file started failing; said once until it recovers.
    void saveFailed(const QString &path, const QString &reason);
    /// Writing a group's file works again after a failure.
    void saveRecovered(const QString &path);

private:
    QStringList groupNamesFromFiles() const;

    SettingsStore &m_settings;
    ListFolder &m_folder;
    QStringList m_groupNames;
    FailingFiles m_failing;
};

}  // namespace tavrin

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>

namespace tavrin {

class FileEntries;
class FileIcons;
class SequentialMode;
class SequentialQueue;

// The rows of the sequential queue window: the queue itself, first copied at the top, numbered from 1. The entry
// the next paste takes is marked (bold, and said to screen readers). Follows the mode's changes.
class QueueListModel : public QAbstractListModel {
    Q_OBJECT
public:
    /// Spaces between the number and a file's name, where its icon is drawn.
    static constexpr int kIconRoom = 13;

    QueueListModel(SequentialMode &mode, const SequentialQueue &queue, const FileIcons &fileIcons, FileEntries &files,
                   QObject *parent = nullptr);

    /// "   1   ": three spaces, the row's number, three spaces.
    static QString rowPrefix(int row);

    /// Reads the queue anew (it changed, or the paste order did).
    void reload();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    const SequentialMode &m_mode;
    const SequentialQueue &m_queue;
    const FileIcons &m_fileIcons;
    FileEntries &m_files;
};

}  // namespace tavrin

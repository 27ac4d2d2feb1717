// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QMimeData;

namespace tavrin {

/// The drag type of history rows dragged out of the main window's clipboard list ("MoveRowsType").
inline const QString kHistoryRowsMimeType = QStringLiteral("application/x-tavrin-MoveRowsType");

/// The drag data of history rows: their positions in the history under our own type, and for other applications
/// the entries themselves: the texts as plain text, and the entries that are files or folders as file URLs too.
QMimeData *historyRowsMimeData(const QList<int> &positions, const QStringList &entries);
/// The history positions a drag carries; empty when it carries none.
QList<int> historyRowsFromMimeData(const QMimeData *data);

}  // namespace tavrin

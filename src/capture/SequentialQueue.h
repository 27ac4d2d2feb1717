// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tavrin {

// The entries copied while sequential mode is on, oldest first. In memory only; the GUI thread owns it.
class SequentialQueue {
public:
    const QStringList &items() const { return m_items; }
    bool isEmpty() const { return m_items.isEmpty(); }
    int size() const { return int(m_items.size()); }

    void append(const QString &entry) { m_items.append(entry); }
    /// Removes one entry; out-of-range indexes are ignored.
    void removeAt(int index)
    {
        if (index >= 0 && index < m_items.size())
            m_items.removeAt(index);
    }
    void clear() { m_items.clear(); }

private:
    QStringList m_items;
};

}  // namespace tavrin

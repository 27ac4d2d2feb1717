// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>

namespace tavrin {

// The files whose last save failed, so that a failing file is told about once, and once more when it recovers.
class FailingFiles {
public:
    /// Records a failed save; true when the file was not failing before.
    bool markFailed(const QString &path)
    {
        const auto before = m_failing.size();
        m_failing.insert(path);
        return m_failing.size() != before;
    }
    /// Records a successful save; true when the file was failing until now.
    bool markSaved(const QString &path) { return m_failing.remove(path); }
    bool isFailing(const QString &path) const { return m_failing.contains(path); }
    bool isEmpty() const { return m_failing.isEmpty(); }

private:
    QSet<QString> m_failing;
};

}  // namespace tavrin

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Scheduler.h"

#include <QObject>

#include <chrono>

class QAbstractItemView;
class QModelIndex;
class QRect;
class QWidget;

namespace tavrin {

class CopiedToast;

/// A row's rectangle on the screen; null when the row has no cell on screen.
QRect globalItemRect(const QAbstractItemView *view, const QModelIndex &index);

// The confirmation after a row was copied: the toast below the row, closed a second later (or at once by close).
class CopyConfirmation : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kShowTime{1000};

    CopyConfirmation(Scheduler &scheduler, QWidget *parent);
    ~CopyConfirmation() override;

    /// Shows the toast below the row of view (if it is on screen) and closes it after kShowTime; a newer
    /// confirmation gets its full time.
    void showForRow(const QAbstractItemView *view, const QModelIndex &index);
    void close();
    CopiedToast *toast() const { return m_toast; }

private:
    Scheduler &m_scheduler;
    CopiedToast *m_toast;
    Scheduler::TimerId m_timer = 0;
};

}  // namespace tavrin

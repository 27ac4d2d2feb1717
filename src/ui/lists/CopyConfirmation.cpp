// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lists/CopyConfirmation.h"

#include "ui/lists/CopiedToast.h"

#include <QAbstractItemView>

namespace tavrin {

QRect globalItemRect(const QAbstractItemView *view, const QModelIndex &index)
{
    const QRect cell = view->visualRect(index);
    if (!cell.isValid() || !view->viewport()->rect().intersects(cell))
        return {};
    return QRect(view->viewport()->mapToGlobal(cell.topLeft()), cell.size());
}

CopyConfirmation::CopyConfirmation(Scheduler &scheduler, QWidget *parent)
    : QObject(parent), m_scheduler(scheduler), m_toast(new CopiedToast(parent))
{
}

CopyConfirmation::~CopyConfirmation()
{
    m_scheduler.cancel(m_timer);
}

void CopyConfirmation::showForRow(const QAbstractItemView *view, const QModelIndex &index)
{
    const QRect anchor = globalItemRect(view, index);
    if (!anchor.isNull())
        m_toast->showBelow(anchor);
    m_scheduler.cancel(m_timer);
    m_timer = m_scheduler.scheduleOnce(kShowTime, this, [this] {
        m_timer = 0;
        close();
    });
}

void CopyConfirmation::close()
{
    m_scheduler.cancel(m_timer);
    m_timer = 0;
    m_toast->hide();
}

}  // namespace tavrin

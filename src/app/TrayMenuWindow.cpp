// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TrayMenuWindow.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace tavrin {

TrayMenuWindow::TrayMenuWindow(QWidget *parent) : QWidget(parent, Qt::Window), m_rows(new QVBoxLayout(this))
{
    setWindowTitle(tr("Tavrin Menu"));
    setAccessibleName(windowTitle());
    m_rows->setContentsMargins(4, 4, 4, 4);
    m_rows->setSpacing(0);
}

void TrayMenuWindow::showMenu(QMenu *menu)
{
    clearRows();
    for (QAction *action : menu->actions()) {
        if (!action->isVisible())
            continue;
        if (action->isSeparator()) {
            auto *line = new QFrame(this);
            line->setFrameShape(QFrame::HLine);
            line->setAccessibleName(tr("Separator"));
            m_rows->addWidget(line);
            continue;
        }
        const QString text = (action->isChecked() ? QStringLiteral("✓ ") : QString()) + action->text();
        auto *button = new QPushButton(text, this);
        button->setFlat(true);
        button->setStyleSheet(QStringLiteral("text-align: left; padding: 4px 12px;"));
        button->setEnabled(action->isEnabled());
        button->setToolTip(action->toolTip());
        button->setAccessibleName(QString(action->text()).remove(QRegularExpression(QStringLiteral("&(?!&)"))));
        // The window goes first, so that a paste reaches the window that had the focus before it.
        connect(button, &QPushButton::clicked, this, [this, guarded = QPointer<QAction>(action)] {
            hide();
            if (guarded)
                guarded->trigger();
        });
        m_rows->addWidget(button);
    }
    setFixedSize(sizeHint());
    show();
    raise();
    activateWindow();
}

void TrayMenuWindow::clearRows()
{
    while (QLayoutItem *item = m_rows->takeAt(0)) {
        delete item->widget();
        delete item;
    }
}

void TrayMenuWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Like a menu: clicking anywhere else closes it.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible())
        hide();
}

void TrayMenuWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        hide();
    else
        QWidget::keyPressEvent(event);
}

}  // namespace tavrin

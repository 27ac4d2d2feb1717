// SPDX-License-Identifier: GPL-3.0-or-later
// The tray item's menu where the panel shows no menus (swaybar): a right click opens it in a window of ours, whose
// rows run the menu's commands; where the tray shows the menu itself, no window opens.
#include "app/TrayIcon.h"
#include "app/TrayMenuWindow.h"

#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>

#include <algorithm>

using namespace tavrin;

namespace {

// A tray item whose menu holds an entry, a separator, a checked and a disabled command.
struct Tray {
    TrayIcon icon;
    int pasted = 0;

    Tray()
    {
        QObject::connect(&icon, &TrayIcon::menuAboutToShow, &icon, [this](QMenu *menu) {
            QObject::connect(menu->addAction(QStringLiteral("&1  first entry")), &QAction::triggered, menu,
                             [this] { ++pasted; });
            menu->addSeparator();
            QAction *tooltips = menu->addAction(QStringLiteral("Show Tooltip"));
            tooltips->setCheckable(true);
            tooltips->setChecked(true);
            menu->addAction(QStringLiteral("No Entries"))->setEnabled(false);
        });
    }

    void rightClickOnAPanelWithoutMenus() { Q_EMIT icon.trayIcon()->activated(QSystemTrayIcon::Context); }
};

QList<QPushButton *> rows(const TrayMenuWindow &window)
{
    return window.findChildren<QPushButton *>();
}

}  // namespace

class TestTrayMenuWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aRightClickOpensTheMenuInAWindowWhoseRowsRunItsCommands()
    {
        Tray tray;
        tray.icon.setup();
        tray.rightClickOnAPanelWithoutMenus();
        TrayMenuWindow *window = tray.icon.menuWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Tavrin Menu"));
        QCOMPARE(window->minimumSize(), window->maximumSize());  // a fixed size: tiling compositors float it
        const QList<QPushButton *> buttons = rows(*window);
        QCOMPARE(buttons.size(), 3);
        QCOMPARE(buttons.at(0)->accessibleName(), QStringLiteral("1  first entry"));
        QCOMPARE(buttons.at(1)->text(), QStringLiteral("✓ Show Tooltip"));
        QVERIFY(!buttons.at(2)->isEnabled());
        const QList<QFrame *> frames = window->findChildren<QFrame *>();
        QCOMPARE(std::count_if(frames.begin(), frames.end(),
                               [](const QFrame *frame) { return frame->frameShape() == QFrame::HLine; }),
                 1);  // the separator

        QTest::mouseClick(buttons.at(0), Qt::LeftButton);
        QCOMPARE(tray.pasted, 1);
        QVERIFY(!window->isVisible());

        // Opened again, it shows the menu as it is now, and Escape closes it without running anything.
        tray.rightClickOnAPanelWithoutMenus();
        QVERIFY(window->isVisible());
        QCOMPARE(rows(*window).size(), 3);
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        QCOMPARE(tray.pasted, 1);
    }

    void noWindowWhereTheTrayShowsTheMenuOrForALeftClick()
    {
        Tray tray;
        tray.rightClickOnAPanelWithoutMenus();  // not set up yet: nothing to show
        QVERIFY(!tray.icon.menuWindow());

        tray.icon.setup();
        QSignalSpy clicked(&tray.icon, &TrayIcon::clicked);
        Q_EMIT tray.icon.trayIcon()->activated(QSystemTrayIcon::Trigger);
        QCOMPARE(clicked.size(), 1);
        QVERIFY(!tray.icon.menuWindow());

        // An X11 tray opens the menu itself before it reports the right click.
        tray.icon.menu()->popup(QPoint(10, 10));
        QTRY_VERIFY(tray.icon.menu()->isVisible());
        tray.rightClickOnAPanelWithoutMenus();
        QVERIFY(!tray.icon.menuWindow());
        tray.icon.menu()->hide();
    }
};

QTEST_MAIN(TestTrayMenuWindow)
#include "tst_tray_menu_window.moc"

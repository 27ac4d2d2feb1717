// SPDX-License-Identifier: GPL-3.0-or-later
// Every window as a screen reader and a keyboard user meet it, in the light and the dark appearance: each focusable
// node has a name that says what it is, no name hides the text shown, and Tab reaches every control.
#include "../main/MainWindowFixture.h"
#include "AccessibilityWalk.h"
#include "Palettes.h"

#include "app/PasteAccessGuide.h"
#include "app/PasteAccessGuideWindow.h"
#include "ui/main/MainPane.h"
#include "ui/onboarding/WelcomePane.h"
#include "ui/queue/SequentialQueueWindow.h"

#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>

using namespace tavrin;
using namespace tavrin::test;

namespace {

void addAppearances()
{
    QTest::addColumn<QString>("appearance");
    QTest::newRow("light") << QStringLiteral("light");
    QTest::newRow("dark") << QStringLiteral("dark");
}

QString report(const AccessibilityWalk &walk)
{
    return walk.problems().join(QStringLiteral("\n"));
}

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theQuickList_data() { addAppearances(); }
    void theQuickList()
    {
        QFETCH(QString, appearance);
        useAppearance(appearance);
        ListFixture f({QStringLiteral("first entry"), QStringLiteral("second entry")});
        f.history().togglePin(1);
        f.show();
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        const AccessibilityWalk walk(&f.window);
        QVERIFY2(walk.problems().isEmpty(), qPrintable(report(walk)));
        // The group switcher and the gear are reached by Tab, and the switcher says which list is shown.
        QVERIFY(walk.reaches(f.vc->modeButton()));
        QVERIFY(walk.reaches(f.vc->settingsButton()));
        QVERIFY(walk.names().contains(QStringLiteral("Shown list: Clipboard")));
        QVERIFY(walk.names().contains(QStringLiteral("Clipboard history")));
    }

    void theMainWindowWithEachPane_data() { addAppearances(); }
    void theMainWindowWithEachPane()
    {
        QFETCH(QString, appearance);
        useAppearance(appearance);
        MainWindowFixture f({QStringLiteral("an entry")});
        f.addGroup(QStringLiteral("Work"), {QStringLiteral("a note")});
        f.showMain();
        f.mainWindow->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.mainWindow));
        const std::array<std::pair<const char *, std::function<void()>>, 4> panes{{
            {"clipboard", [&] { f.sidebar()->selectUpperRow(0); }},
            {"group", [&] { f.sidebar()->selectUpperRow(f.rowOf(QStringLiteral("Work"))); }},
            {"preferences", [&] { f.content->showPane(MainPane::preferences); }},
            {"about", [&] { f.content->showPane(MainPane::about); }},
        }};
        for (const auto &[pane, show] : panes) {
            show();
            f.mainWindow->setFocus();
            const AccessibilityWalk walk(f.mainWindow);
            QVERIFY2(walk.problems().isEmpty(),
                     qPrintable(QStringLiteral("%1 pane:\n").arg(QLatin1String(pane)) + report(walk)));
            // The sidebar's add button and each group's remove button are in the Tab order.
            QVERIFY2(walk.reaches(f.sidebar()->addButton()), pane);
            for (QToolButton *remove : f.upperList()->removeButtons())
                QVERIFY2(walk.reaches(remove), pane);
        }
    }

    void theQueueWindow_data() { addAppearances(); }
    void theQueueWindow()
    {
        QFETCH(QString, appearance);
        useAppearance(appearance);
        MainWindowFixture f({QStringLiteral("an entry")});
        SequentialQueueWindow *queue = f.context.windows().sequentialWindow();
        f.capture().sequentialMode().setWindow(queue);
        f.capture().queue().append(QStringLiteral("queued"));
        queue->show(true);
        QVERIFY(QTest::qWaitForWindowExposed(queue->window()));
        queue->window()->activateWindow();
        const AccessibilityWalk walk(queue->window());
        QVERIFY2(walk.problems().isEmpty(), qPrintable(report(walk)));
        queue->close();
    }

    void theWelcomeSteps_data() { addAppearances(); }
    void theWelcomeSteps()
    {
        QFETCH(QString, appearance);
        useAppearance(appearance);
        ListFixture f;
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(f.context.windows().welcomePane());
        window.resize(880, 560);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        const AccessibilityWalk walk(&window);
        QVERIFY2(walk.problems().isEmpty(), qPrintable(report(walk)));
    }

    void thePasteGuide_data() { addAppearances(); }
    void thePasteGuide()
    {
        QFETCH(QString, appearance);
        useAppearance(appearance);
        ListFixture f;
        PasteAccessGuideWindow *guide = f.context.windows().pasteAccessGuideWindow();
        guide->showGuide();
        QVERIFY(QTest::qWaitForWindowExposed(guide));
        const AccessibilityWalk walk(guide);
        QVERIFY2(walk.problems().isEmpty(), qPrintable(report(walk)));
        // The page dots are buttons the keyboard reaches: Space on the second shows its page.
        QVERIFY(walk.reaches(guide->content()->secondPageButton));
        guide->content()->secondPageButton->setFocus();
        QTest::keyClick(guide->content()->secondPageButton, Qt::Key_Space);
        QCOMPARE(guide->content()->currentPage(), 2);
        guide->close();
    }

    void theAlerts_data() { addAppearances(); }
    void theAlerts()
    {
        QFETCH(QString, appearance);
        useAppearance(appearance);
        QWidget window;
        window.resize(600, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        WindowModalSheetPresenter presenter;
        presenter.presentAlert(&window,
                               AlertRequest{1,
                                            QStringLiteral("Remove selected Item?"),
                                            QStringLiteral("Are you sure you want to remove the selected item?."),
                                            {QStringLiteral("Yes"), QStringLiteral("No")}},
                               nullptr);
        auto *box = window.findChild<QMessageBox *>();
        QVERIFY(box);
        QTRY_VERIFY(box->isVisible());
        box->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(box));
        const AccessibilityWalk walk(box);
        QVERIFY2(walk.problems().isEmpty(), qPrintable(report(walk)));
        QVERIFY(walk.names().contains(QStringLiteral("Yes")));
        box->reject();
    }

    void rowsSayTheirTextFirstThenPinnedAndTheirPasteKey()
    {
        ListFixture f({QStringLiteral("  first entry"), QStringLiteral("second entry")});
        f.history().togglePin(1);
        f.show();
        ShownListModel *model = f.vc->model();
        QCOMPARE(model->index(0).data(Qt::AccessibleTextRole).toString(), QStringLiteral("second entry"));
        QCOMPARE(model->index(0).data(Qt::AccessibleDescriptionRole).toString(), QStringLiteral("pinned, Ctrl+1"));
        QCOMPARE(model->index(1).data(Qt::AccessibleTextRole).toString(), QStringLiteral("first entry"));
        QCOMPARE(model->index(1).data(Qt::AccessibleDescriptionRole).toString(), QStringLiteral("Ctrl+2"));
        // Through Qt's accessibility: the row's name is its text, not "Ctrl+1 …".
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(f.vc->listView());
        QVERIFY(list);
        QAccessibleInterface *row = list->child(0);
        QVERIFY(row);
        QCOMPARE(row->text(QAccessible::Name), QStringLiteral("second entry"));
        QCOMPARE(row->text(QAccessible::Description), QStringLiteral("pinned, Ctrl+1"));
    }

    void theShownListIsNamedWithTheGroupShown()
    {
        ListFixture f({QStringLiteral("a")});
        f.context.groups().writeGroupItems(QStringLiteral("My Clipboard"), {QStringLiteral("kept")});
        f.show();
        QCOMPARE(f.vc->modeButton()->accessibleName(), QStringLiteral("Shown list: Clipboard"));
        f.vc->showGroup(QStringLiteral("My Clipboard"));
        QCOMPARE(f.vc->modeButton()->accessibleName(), QStringLiteral("Shown list: My Clipboard"));
        f.vc->showHistoryMode();
        QCOMPARE(f.vc->modeButton()->accessibleName(), QStringLiteral("Shown list: Clipboard"));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The windows and views created by identifier, and the list window that sizes itself from its content.
#include "TestDirs.h"
#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "app/PasteAccessGuide.h"
#include "app/PasteAccessGuideWindow.h"
#include "app/QuickListWindow.h"
#include "app/WindowRegistry.h"
#include "capture/CaptureServices.h"
#include "capture/ClipboardMonitor.h"
#include "platform/fake/FakePlatform.h"
#include "platform/fake/FakeScheduler.h"
#include "platform/fake/FakeWorkspace.h"
#include "store/HistoryStore.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"
#include "ui/lists/QuickListView.h"
#include "ui/lists/ShownListModel.h"
#include "ui/queue/SequentialQueueWindow.h"

#include <QFile>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QTest>

using namespace tavrin;

namespace {

struct Context {
    test::TestDirs dirs;
    AppContext context{std::make_unique<FakePlatform>(), std::make_unique<SettingsStore>()};
    WindowRegistry &windows = context.windows();
    FakeWorkspace &workspace = *static_cast<FakePlatform &>(context.platform()).fakeWorkspace;
    FakeScheduler &clock = *static_cast<FakePlatform &>(context.platform()).fakeScheduler;
};

// A list view as the popover window sees it: a wanted height that changes with its rows.
class ResizingList : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int viewHeight READ viewHeight NOTIFY viewHeightChanged)
public:
    int viewHeight() const { return m_height; }
    void setRows(int rows)
    {
        m_height = std::max(370, std::min(40 * rows + 130, 710));
        Q_EMIT viewHeightChanged();
    }
    QSize sizeHint() const override { return {420, 100}; }
Q_SIGNALS:
    void viewHeightChanged();

private:
    int m_height = 370;
};

// A list that tells its wanted height through its size hint and a signal, without a property.
class SignallingList : public QWidget {
    Q_OBJECT
public:
    QSize sizeHint() const override { return {400, m_height}; }
    void setHeight(int height)
    {
        m_height = height;
        Q_EMIT viewHeightChanged(height);
    }
Q_SIGNALS:
    void viewHeightChanged(int height);

private:
    int m_height = 370;
};

// A view that only has a size hint, wider than the window may be.
class WideView : public QWidget {
public:
    QSize sizeHint() const override { return {600, 250}; }
};

QRect freeArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

}  // namespace

class TestWindowRegistry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachIsCreatedOnceOnFirstUse()
    {
        Context c;
        QVERIFY(!c.windows.quickListView.exists());
        QVERIFY(!c.windows.quickListWindow.exists());
        QVERIFY(!c.windows.mainWindow.exists());
        QVERIFY(!c.windows.sequentialWindow.exists());
        QVERIFY(!c.windows.pasteAccessGuideWindow.exists());
        QVERIFY(!c.windows.pasteAccessGuide.exists());

        QuickListWindow *popover = c.windows.quickListWindow();
        QVERIFY(popover);
        QCOMPARE(c.windows.quickListWindow(), popover);
        QCOMPARE(c.windows.quickListWindow.ifExists(), popover);
        // The window asked for its content, which is the one list of the run.
        QVERIFY(c.windows.quickListView.exists());
        QCOMPARE(popover->content(), c.windows.quickListView());
        QVERIFY(qobject_cast<QuickListView *>(c.windows.quickListView()));

        PasteAccessGuideWindow *guide = c.windows.pasteAccessGuideWindow();
        QCOMPARE(guide->content(), c.windows.pasteAccessGuide());
        QVERIFY(!c.windows.mainWindow.exists());
    }

    void aFactorySetBeforeFirstUseMakesTheObject()
    {
        Context c;
        int made = 0;
        c.windows.quickListView.setFactory([&made] {
            ++made;
            return new ResizingList;
        });
        auto *list = qobject_cast<ResizingList *>(c.windows.quickListWindow()->content());
        QVERIFY(list);
        c.windows.quickListView();
        QCOMPARE(made, 1);
    }

    void everyObjectIsDeletedOnceWithTheAccessors()
    {
        QList<QString> destroyed;
        {
            Context c;
            auto watch = [&destroyed](QObject *object, const QString &name) {
                QObject::connect(object, &QObject::destroyed, [&destroyed, name] { destroyed.append(name); });
            };
            watch(c.windows.quickListWindow(), QStringLiteral("popover"));
            watch(c.windows.quickListView(), QStringLiteral("list"));
            watch(c.windows.pasteAccessGuideWindow(), QStringLiteral("guide window"));
            watch(c.windows.pasteAccessGuide(), QStringLiteral("guide"));
            watch(c.windows.sequentialWindow(), QStringLiteral("queue window"));
            watch(c.windows.mainWindow(), QStringLiteral("main window"));
            c.windows.quickListWindow()->showWindow();
            c.windows.pasteAccessGuideWindow()->showGuide();
        }
        // Newest first; a view goes with the window that holds it.
        QCOMPARE(destroyed, QList<QString>({QStringLiteral("main window"), QStringLiteral("queue window"),
                                            QStringLiteral("guide window"), QStringLiteral("guide"),
                                            QStringLiteral("popover"), QStringLiteral("list")}));
    }

    void everyWindowAsksTheDesktopForTheFocusOnceItIsOnScreen()
    {
        Context c;
        QList<Workspace::WindowId> expected;
        const QList<std::function<QWidget *()>> showings = {
            [&c] {
                c.windows.quickListWindow()->showWindow();
                return c.windows.quickListWindow();
            },
            [&c] {
                c.windows.mainWindow()->showWindow();
                return c.windows.mainWindow();
            },
            [&c] {
                c.windows.pasteAccessGuideWindow()->showGuide();
                return c.windows.pasteAccessGuideWindow();
            },
        };
        for (const auto &show : showings) {
            QWidget *window = show();
            show();  // again before it is on screen: still one request
            QVERIFY(QTest::qWaitForWindowExposed(window));
            expected.append(window->winId());
            QTRY_COMPARE(c.workspace.activations, expected);
            show();  // already on screen: asked at once
            expected.append(window->winId());
            QCOMPARE(c.workspace.activations, expected);
        }
    }

    void theListWindowOpensAtTheTopRightWithoutFrameAboveOtherWindows()
    {
        Context c;
        QuickListWindow *popover = c.windows.quickListWindow();
        QVERIFY(!popover->isPlaced());
        popover->showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(popover));
        const QRect free = freeArea();
        QCOMPARE(popover->pos(), QPoint(free.x() + free.width() - 450, free.y()));
        QCOMPARE(popover->size(), c.windows.quickListView()->sizeHint());
        const Qt::WindowFlags flags = popover->windowFlags();
        QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
        QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(popover->windowType(), Qt::Tool);
        QVERIFY(!popover->testAttribute(Qt::WA_QuitOnClose));

        // The place is chosen once: shown again, the window is where it was.
        popover->hide();
        popover->move(10, 20);
        popover->showWindow();
        QCOMPARE(popover->pos(), QPoint(10, 20));
    }

    void theWindowsHeightFollowsTheListUpToTheFreeHeight()
    {
        Context c;
        c.windows.quickListView.setFactory([] { return new ResizingList; });
        QuickListWindow *popover = c.windows.quickListWindow();
        auto *list = static_cast<ResizingList *>(c.windows.quickListView());
        popover->showWindow();
        QCOMPARE(popover->height(), 370);
        QCOMPARE(popover->width(), 420);
        list->setRows(10);
        QCOMPARE(popover->height(), 530);
        list->setRows(40);
        QCOMPARE(popover->height(), std::min(710, freeArea().height()));
        list->setRows(0);
        QCOMPARE(popover->height(), 370);
        const QPoint top = popover->pos();
        list->setRows(12);
        QCOMPARE(popover->pos(), top);

        // Without the property the size hint counts, and a signal of the same name resizes the window.
        QuickListWindow signalled;
        auto *signalling = new SignallingList;
        signalled.setContent(signalling);
        QCOMPARE(signalled.size(), QSize(400, 370));
        signalling->setHeight(450);
        QCOMPARE(signalled.size(), QSize(400, 450));

        // The window is never wider than its offset from the right edge.
        QuickListWindow plain;
        plain.setContent(new WideView);
        QCOMPARE(plain.size(), QSize(450, 250));
    }

    void theListsFirstShowingSavesTheHistoryAndStartsTheMonitorOnce()
    {
        Context c;
        c.context.history().insertCaptured(QStringLiteral("there at launch"));
        auto *list = qobject_cast<QuickListView *>(c.windows.quickListView());
        QCOMPARE(list->model()->rowCount(), 1);
        QVERIFY(!c.context.capture().monitor().isStarted());
        QVERIFY(!c.context.history().hasPendingSave());

        c.windows.quickListWindow()->showWindow();
        QVERIFY(c.context.capture().monitor().isStarted());
        QVERIFY(c.context.history().waitForWrites());
        const QString file = *c.context.settings().string(keys::historyPath);
        QCOMPARE(readStringListAtPath(file), QStringList{QStringLiteral("there at launch")});

        // Later showings save nothing; the list follows the history.
        QFile::remove(file);
        c.windows.quickListWindow()->hide();
        c.context.history().insertCaptured(QStringLiteral("copied later"));
        c.windows.quickListWindow()->showWindow();
        QVERIFY(c.context.history().waitForWrites());
        QVERIFY(!QFile::exists(file));
        QCOMPARE(list->model()->index(0).data(ShownListModel::EntryRole).toString(), QStringLiteral("copied later"));
    }

    void theListWindowHidesWhenTheProgramLosesTheFocusOrOnEscape()
    {
        Context c;
        QuickListWindow *popover = c.windows.quickListWindow();
        popover->showWindow();
        QVERIFY(QTest::qWaitForWindowActive(popover));
        QCOMPARE(QGuiApplication::applicationState(), Qt::ApplicationActive);
        // Another window of the program taking the focus keeps the program active, and the list shown.
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(popover->isVisible());

        // Escape, which the list leaves alone, closes the window.
        popover->showWindow();
        QVERIFY(QTest::qWaitForWindowActive(popover));
        QTest::keyClick(popover, Qt::Key_Escape, Qt::ShiftModifier);
        QVERIFY(popover->isVisible());
        QTest::keyClick(c.windows.quickListView(), Qt::Key_Escape);
        QVERIFY(!popover->isVisible());

        // The state the platform reports when another application takes the focus. (The offscreen platform keeps
        // the focus on a hidden window: the other window takes it first, so that the list's show moves it.)
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        popover->showWindow();
        QVERIFY(QTest::qWaitForWindowActive(popover));
        Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        QVERIFY(!popover->isVisible());
        QVERIFY(other.isVisible());
    }

    void aShownListWaitsForItsFocusBeforeALossOfTheFocusHidesIt()
    {
        Context c;
        QuickListWindow *popover = c.windows.quickListWindow();
        // The shortcut pressed just after another application took the focus: the report of that loss comes after
        // the show, before the window has the focus.
        popover->showWindow();
        QVERIFY(!popover->isActiveWindow());
        Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        QVERIFY(popover->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(popover));
        Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationActive);
        // Once it had the focus, a loss hides it at once.
        Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        QVERIFY(!popover->isVisible());

        // Likewise when the shortcut comes while the window is still on screen and the focus just went elsewhere.
        popover->showWindow();
        QVERIFY(QTest::qWaitForWindowActive(popover));
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        popover->showWindow();
        Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        QVERIFY(popover->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(popover));
        Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        QVERIFY(!popover->isVisible());

        // A show that never gets the focus (the desktop refused it) ends with the wait while the program is away;
        // shown again while it already has the focus, it hides at the end of the wait too.
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        popover->showWindow();
        Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
        c.clock.advance(QuickListWindow::kFocusWait - std::chrono::milliseconds(1));
        QVERIFY(popover->isVisible());
        c.clock.advance(std::chrono::milliseconds(1));
        QVERIFY(!popover->isVisible());
        popover->showWindow();
        QVERIFY(QTest::qWaitForWindowActive(popover));
        Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationActive);
        popover->showWindow();
        c.clock.advance(QuickListWindow::kFocusWait);
        QVERIFY(popover->isVisible());
    }
};

QTEST_MAIN(TestWindowRegistry)
#include "tst_window_registry.moc"

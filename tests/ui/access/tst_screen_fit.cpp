// SPDX-License-Identifier: GPL-3.0-or-later
// Every window opens inside the free area of the screen it is on, whatever the screen and the scale factor (ctest
// runs this on a 1440x900 screen at scale 1, 1.5 and 2, and on a 1280x800 one), and no pane needs a horizontal
// scroll bar.
#include "../main/MainWindowFixture.h"

#include "app/PasteAccessGuideWindow.h"
#include "app/QuickListWindow.h"
#include "ui/main/MainPane.h"
#include "ui/queue/SequentialQueueWindow.h"

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

using namespace tavrin;
using namespace tavrin::test;

namespace {

QString rectText(const QRect &rect)
{
    return QStringLiteral("%1,%2 %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

/// True, or a failure naming the window, when it lies wholly inside its screen's free area.
bool isInside(const char *what, const QWidget *window)
{
    const QRect area = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    if (area.contains(frame))
        return true;
    qWarning().noquote() << what << "at" << rectText(frame) << "is not inside" << rectText(area);
    return false;
}

/// Each scroll area in the widget that can scroll sideways (a hidden bar with room to scroll clips the content too).
QStringList sidewaysScrolling(const QWidget *widget)
{
    QStringList found;
    for (const QScrollArea *area : widget->findChildren<QScrollArea *>()) {
        if (area->isVisible() && area->horizontalScrollBar()->maximum() > 0)
            found << area->accessibleName();
    }
    return found;
}

}  // namespace

class TestScreenFit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        const QScreen *screen = QGuiApplication::primaryScreen();
        QVERIFY(screen);
        qInfo().noquote() << "screen" << rectText(screen->availableGeometry()) << "logical pixels, scale"
                          << qgetenv("QT_SCALE_FACTOR");
    }

    void theMainWindowAndItsPanes()
    {
        MainWindowFixture f({QStringLiteral("an entry")});
        f.addGroup(QStringLiteral("Work"), {QStringLiteral("a note")});
        // The size and place the program gives it, not the fixture's.
        f.mainWindow->setMinimumSize(640, 400);
        f.mainWindow->resize(880, 560);
        f.mainWindow->move(40, 40);
        f.showMain();
        QVERIFY(isInside("the main window", f.mainWindow));
        for (MainPane pane : {MainPane::clipboard, MainPane::preferences, MainPane::about}) {
            f.content->showPane(pane);
            QCoreApplication::processEvents();
            QVERIFY2(sidewaysScrolling(f.mainWindow).isEmpty(),
                     qPrintable(sidewaysScrolling(f.mainWindow).join(QStringLiteral(", "))));
        }
        f.sidebar()->selectUpperRow(f.rowOf(QStringLiteral("Work")));
        QCoreApplication::processEvents();
        QVERIFY(sidewaysScrolling(f.mainWindow).isEmpty());
        // Opened again after the user closed it, it is still inside.
        f.mainWindow->close();
        f.mainWindow->move(3000, 3000);
        f.mainWindow->showWindow();
        QVERIFY(isInside("the main window, opened again", f.mainWindow));
    }

    void theQuickListsWindow()
    {
        ListFixture f({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"),
                       QStringLiteral("e"), QStringLiteral("f"), QStringLiteral("g"), QStringLiteral("h"),
                       QStringLiteral("i"), QStringLiteral("j"), QStringLiteral("k"), QStringLiteral("l"),
                       QStringLiteral("m"), QStringLiteral("n")},
                      true);
        QuickListWindow *window = f.context.windows().quickListWindow();
        window->showWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(isInside("the quick-access list", window));
    }

    void theGuideAndTheQueue()
    {
        ListFixture f;
        PasteAccessGuideWindow *guide = f.context.windows().pasteAccessGuideWindow();
        guide->showGuide();
        QVERIFY(QTest::qWaitForWindowExposed(guide));
        QVERIFY(isInside("the paste guide", guide));
        guide->close();

        SequentialQueueWindow *queue = f.context.windows().sequentialWindow();
        for (int i = 0; i < 8; ++i)
            f.capture().queue().append(QStringLiteral("queued %1").arg(i));
        queue->show(false);
        QVERIFY(QTest::qWaitForWindowExposed(queue->window()));
        QVERIFY(isInside("the sequential queue", queue->window()));
        queue->close();
    }
};

QTEST_MAIN(TestScreenFit)
#include "tst_screen_fit.moc"

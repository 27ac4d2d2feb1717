// SPDX-License-Identifier: GPL-3.0-or-later
// The list search on its own, and the alert presenters.
#include "ListFixture.h"
#include "ui/lists/ListSearch.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

using namespace tavrin;

class TestListSearch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void narrowsOnlyResultsOfTheSameList()
    {
        FakeDispatcher dispatcher;
        ListSearch search(dispatcher);
        search.setBackgroundThreshold(2);
        const QStringList first = {"abc", "abd", "xyz", "ab"};
        search.search(first, QStringLiteral("ab"));
        QVERIFY(search.isPending());
        dispatcher.runAll();
        QCOMPARE(search.results(), QStringList({"abc", "abd", "ab"}));
        // "abc" narrows "ab" of the same list: three results to look at, more than the threshold.
        search.search(first, QStringLiteral("abc"));
        dispatcher.runAll();
        QCOMPARE(search.results(), QStringList({"abc"}));
        // Another list with the same texts is searched whole, even for a longer text.
        QStringList second = first;
        second.append(QStringLiteral("abcd"));
        search.search(second, QStringLiteral("abcd"));
        dispatcher.runAll();
        QCOMPARE(search.results(), QStringList({"abcd"}));
        // An empty text finds nothing, at once.
        search.search(second, QString());
        QVERIFY(!search.isPending());
        QVERIFY(search.results().isEmpty());
    }

    void aLargeListShowsItsNewestResultsFirstAndNeverNarrowsThem()
    {
        FakeDispatcher dispatcher;
        ListSearch search(dispatcher);
        QSignalSpy ready(&search, &ListSearch::resultsReady);
        search.setBackgroundThreshold(2);
        search.setFirstSlice(3);
        const QStringList list = {"ab1", "x", "ab2", "ab3", "y", "abc4"};
        search.search(list, QStringLiteral("ab"));
        // The first three entries' results are shown while the rest is still being filtered.
        dispatcher.runBackground();
        dispatcher.runMain();
        QCOMPARE(ready.count(), 1);
        QVERIFY(search.isPending());
        QCOMPARE(search.results(), QStringList({"ab1", "ab2"}));
        dispatcher.runAll();
        QCOMPARE(ready.count(), 2);
        QVERIFY(!search.isPending());
        QCOMPARE(search.results(), QStringList({"ab1", "ab2", "ab3", "abc4"}));

        // A longer text typed while only the first step is in: it searches the whole list, not those results.
        search.search(list, QStringLiteral("a"));
        dispatcher.runBackground();
        dispatcher.runMain();
        QCOMPARE(search.results(), QStringList({"ab1", "ab2"}));
        search.search(list, QStringLiteral("abc"));
        dispatcher.runAll();
        QCOMPARE(search.results(), QStringList({"abc4"}));

        // A first step without a match leaves the last results up until the rest is done.
        search.search(list, QStringLiteral("y"));
        dispatcher.runBackground();
        dispatcher.runMain();
        QCOMPARE(search.results(), QStringList({"abc4"}));
        dispatcher.runAll();
        QCOMPARE(search.results(), QStringList({"y"}));
    }

    void aNewerKeystrokeDropsTheOlderSearchBetweenItsSteps()
    {
        FakeDispatcher dispatcher;
        ListSearch search(dispatcher);
        search.setBackgroundThreshold(2);
        search.setFirstSlice(2);
        const QStringList list = {"a1", "b1", "a2", "b2"};
        search.search(list, QStringLiteral("a"));
        dispatcher.runBackground();
        // The first step's results arrive after the text changed: neither they nor a second step show.
        search.search(list, QStringLiteral("b"));
        dispatcher.runAll();
        QCOMPARE(search.results(), QStringList({"b1", "b2"}));
        QVERIFY(!search.isPending());
    }

    void resultsOutliveNothing()
    {
        FakeDispatcher dispatcher;
        {
            ListSearch search(dispatcher);
            search.setBackgroundThreshold(0);
            search.search({"a"}, QStringLiteral("a"));
            dispatcher.runBackground();
        }
        // The search is gone: its results are dropped without harm.
        QCOMPARE(dispatcher.runMain(), 1);
    }

    void aMessageBoxWithATimeoutClosesByItselfAsDismissed()
    {
        MessageBoxAlertPresenter presenter;
        AlertRequest request{1, QStringLiteral("Tavrin is already running"), QString(), {QStringLiteral("OK")}};
        request.timeout = std::chrono::milliseconds(50);
        // Nobody answers: it returns, with its dismissing button, and leaves no box behind.
        QCOMPARE(presenter.runAlert(request), 0);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        request.buttons = {QStringLiteral("Yes"), QStringLiteral("No")};
        QCOMPARE(presenter.runAlert(request), 1);
    }

    void messageBoxAnswersWithTheButtonPressed()
    {
        MessageBoxAlertPresenter presenter;
        const AlertRequest request{1,
                                   QStringLiteral("Remove All Item?"),
                                   QStringLiteral("Sure?"),
                                   {QStringLiteral("Yes"), QStringLiteral("No")}};
        for (const int pressed : {0, 1}) {
            QString seen;
            QTimer::singleShot(0, [&] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                QVERIFY(box);
                QCOMPARE(box->windowModality(), Qt::ApplicationModal);
                seen = box->text() + QLatin1Char('|') + box->informativeText();
                box->buttons();
                for (QAbstractButton *button : box->buttons()) {
                    if (button->text() == request.buttons.at(pressed))
                        button->click();
                }
            });
            QCOMPARE(presenter.runAlert(request), pressed);
            QCOMPARE(seen, QStringLiteral("Remove All Item?|Sure?"));
        }
    }

    void scriptedAlertsTakeTheirAnswersInOrder()
    {
        ScriptedAlertPresenter presenter;
        presenter.answerNext(0);
        const AlertRequest request{1, QStringLiteral("Q"), QString(), {QStringLiteral("Yes"), QStringLiteral("No")}};
        QCOMPARE(presenter.runAlert(request), 0);
        QCOMPARE(presenter.runAlert(request), 1);  // nothing scripted: the dismissing button
        QCOMPARE(presenter.unanswered, 1);
        QCOMPARE(presenter.shown.size(), 2);
    }
};

QTEST_MAIN(TestListSearch)
#include "tst_list_search.moc"

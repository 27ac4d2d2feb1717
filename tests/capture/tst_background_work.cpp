// SPDX-License-Identifier: GPL-3.0-or-later
// Captures and searches on the real dispatcher's threads, with shutdowns in between: nothing waits out a hung read,
// and nothing outlives what it uses (run under the address and undefined-behaviour sanitizers).
#include "TestDirs.h"
#include "capture/CaptureServices.h"
#include "capture/ClipboardMonitor.h"
#include "capture/LastChangeCount.h"
#include "platform/fake/FakeClipboard.h"
#include "platform/fake/FakePlatform.h"
#include "platform/qt/QtDispatcher.h"
#include "store/HistoryStore.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"
#include "ui/lists/ListSearch.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>

#include <condition_variable>
#include <mutex>

using namespace tavrin;

namespace {

// A clipboard owner that answers a read only once released; until then the read waits, unless it is stopped.
class HungOwner {
public:
    void waitInRead(const std::stop_token &stop)
    {
        std::unique_lock lock(m_mutex);
        ++m_reading;
        m_changed.notify_all();
        m_changed.wait(lock, stop, [this] { return m_released; });
        if (stop.stop_requested() && !m_released)
            ++m_stopped;
        --m_reading;
    }
    void release()
    {
        std::lock_guard lock(m_mutex);
        m_released = true;
        m_changed.notify_all();
    }
    int reading() const
    {
        std::lock_guard lock(m_mutex);
        return m_reading;
    }
    int stopped() const
    {
        std::lock_guard lock(m_mutex);
        return m_stopped;
    }

private:
    mutable std::mutex m_mutex;
    std::condition_variable_any m_changed;
    bool m_released = false;
    int m_reading = 0;
    int m_stopped = 0;
};

// The capture services and a search over the fake platform, with the real dispatcher in place of the fake one.
struct Program {
    test::TestDirs dirs;
    std::unique_ptr<FakePlatform> platform = std::make_unique<FakePlatform>();
    FakeClipboard &clipboard = *platform->fakeClipboard;
    QtDispatcher *dispatcher = nullptr;
    SettingsStore settings;
    ListFolder folder{dirs.documents()};
    std::unique_ptr<HistoryStore> history;
    std::unique_ptr<CaptureServices> capture;
    std::unique_ptr<ListSearch> search;

    Program()
    {
        auto real = std::make_unique<QtDispatcher>();
        dispatcher = real.get();
        platform->dispatcher = std::move(real);
        history = std::make_unique<HistoryStore>(settings, *platform->scheduler, folder);
        capture = std::make_unique<CaptureServices>(platform->core(), settings, *history);
        capture->recordChangeCount();
        capture->monitor().start();
        search = std::make_unique<ListSearch>(*dispatcher);
        search->setBackgroundThreshold(0);  // every search goes to its lane
    }
    ~Program()
    {
        // What uses the platform goes first; the search may go at any time.
        capture.reset();
        history.reset();
        platform.reset();
    }
    void copy(const QString &text)
    {
        clipboard.copyText(text);
        clipboard.notifyChange();
    }
};

QStringList manyEntries()
{
    QStringList entries;
    for (int i = 0; i < 20000; ++i)
        entries.append(QStringLiteral("entry %1 of a long history, with words to find").arg(i));
    return entries;
}

}  // namespace

class TestBackgroundWork : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aHungReadHoldsUpNoSearchAndIsStoppedWithItsMonitor()
    {
        // As on a one-core machine, where Qt's shared pool has a single thread.
        const int sharedThreads = QThreadPool::globalInstance()->maxThreadCount();
        QThreadPool::globalInstance()->setMaxThreadCount(1);
        HungOwner owner;
        {
            Program program;
            program.clipboard.duringRead = [&owner](const std::stop_token &stop) { owner.waitInRead(stop); };
            program.copy(QStringLiteral("from the hung owner"));
            QTRY_COMPARE(owner.reading(), 1);

            QSignalSpy ready(program.search.get(), &ListSearch::resultsReady);
            program.search->search(manyEntries(), QStringLiteral("entry 1999"));
            // First the newest entries' results, then all of them.
            QTRY_VERIFY(ready.count() >= 1 && !program.search->isPending());
            QCOMPARE(program.search->results().size(), 11);

            // The monitor goes while its read waits: the read is stopped instead of waited out.
            program.capture.reset();
            QCOMPARE(owner.stopped(), 1);
            QCOMPARE(owner.reading(), 0);
            QVERIFY(program.history->items().isEmpty());
        }
        QThreadPool::globalInstance()->setMaxThreadCount(sharedThreads);
    }

    void capturesSearchesAndShutdownsInterleaved()
    {
        const QStringList entries = manyEntries();
        const QStringList words = {QStringLiteral("entry"), QStringLiteral("1"), QStringLiteral("words 9"),
                                   QStringLiteral("nowhere"), QStringLiteral("of a")};
        QRandomGenerator random(20261207);
        int captured = 0;
        for (int round = 0; round < 60; ++round) {
            auto program = std::make_unique<Program>();
            HungOwner owner;
            int reads = 0;
            // Every third read hangs until released or stopped.
            program->clipboard.duringRead = [&owner, &reads](const std::stop_token &stop) {
                if (++reads % 3 == 0)
                    owner.waitInRead(stop);
            };
            QStringList copied;
            for (int step = 0; step < 12; ++step) {
                switch (random.bounded(5)) {
                case 0:
                    copied.append(QStringLiteral("copy %1.%2").arg(round).arg(step));
                    program->copy(copied.constLast());
                    break;
                case 1: program->search->search(entries, words.at(random.bounded(words.size()))); break;
                case 2: program->search->search(program->history->items(), QStringLiteral("copy")); break;
                case 3: QTest::qWait(int(random.bounded(3))); break;
                default: QCoreApplication::processEvents(); break;
                }
            }
            if (random.bounded(2))
                owner.release();
            // Whatever was recorded is what was copied, each copy at most once.
            const QStringList history = program->history->items().toStringList();
            for (const QString &entry : history) {
                QVERIFY2(copied.contains(entry), qPrintable(entry));
                QCOMPARE(history.count(entry), 1);
            }
            captured += int(history.size());
            // Shut down in one of the orders the program can meet: the search before, between or after the rest.
            switch (random.bounded(3)) {
            case 0: program->search.reset(); break;
            case 1:
                program->capture.reset();
                program->search.reset();
                break;
            default: break;
            }
            program.reset();
            QCOMPARE(owner.reading(), 0);
            QCoreApplication::processEvents();  // follow-ups of what is gone are dropped
        }
        QVERIFY(captured > 0);
    }
};

QTEST_MAIN(TestBackgroundWork)
#include "tst_background_work.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestDirs.h"
#include "platform/fake/FakeScheduler.h"
#include "store/HistoryJournal.h"
#include "store/HistoryStore.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTest>

#include <sys/stat.h>

using namespace tavrin;
using namespace std::chrono_literals;

namespace {

// One run of the program over folders that outlive it; ending it without flushPendingSave is a kill after the
// writes it started.
struct Run {
    explicit Run(const test::TestDirs &dirs)
        : settings(dirs.settingsPath()), folder(dirs.documents()), history(settings, clock, folder)
    {
        history.loadHistory();
    }
    /// Captures newest last, and waits until the journal has them.
    void capture(const QStringList &texts)
    {
        for (const QString &text : texts)
            history.insertCaptured(text);
        history.scheduleSave();
        clock.advance(HistoryStore::kSaveDelay);
        QVERIFY(history.waitForWrites());
    }
    SettingsStore settings;
    FakeScheduler clock;
    ListFolder folder;
    HistoryStore history;
};

QString historyPath(const test::TestDirs &dirs)
{
    return dirs.documents() + QStringLiteral("/myfile.plist");
}

QString journalPath(const test::TestDirs &dirs)
{
    return journalPathFor(historyPath(dirs));
}

QStringList aside(const test::TestDirs &dirs, const QString &label)
{
    return QDir(dirs.documents()).entryList({QStringLiteral("myfile.plist.journal.%1-*").arg(label)});
}

// Every file of the folder with its inode, size and change time: a write of any of them changes its line.
QStringList folderState(const QString &folder)
{
    QStringList state;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        struct stat st {};
        ::stat(QFile::encodeName(folder + QLatin1Char('/') + name).constData(), &st);
        state.append(QStringLiteral("%1 %2 %3 %4.%5")
                         .arg(name)
                         .arg(st.st_ino)
                         .arg(st.st_size)
                         .arg(st.st_mtim.tv_sec)
                         .arg(st.st_mtim.tv_nsec));
    }
    return state;
}

}  // namespace

class TestHistoryJournal : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void recordsKeepEveryTextAndField()
    {
        test::TestDirs dirs;
        const QString path = dirs.root() + QStringLiteral("/j");
        const QStringList texts = {QString(), QStringLiteral("two\nlines\r\n"), QStringLiteral("Ünïcödé ✓ 😀"),
                                   QString(QChar(0xD800)) + QStringLiteral("lone surrogate"),
                                   QStringLiteral("\x01\x1b[1m") + QChar(0xFDD0) + QChar(0xFFFE)};
        QByteArray bytes = encodeJournalHeader(42, JournalBase{123456789012, 0xCAFEF00Du});
        QList<JournalRecord> written;
        for (qsizetype i = 0; i < texts.size(); ++i) {
            const JournalRecord record{
                JournalRecord::Op(1 + i % 4), qint32(i),  -qint32(i), qint64(i) * 1000000000, quint64(7 + i),
                qint64(1700000000000 + i),    texts.at(i)};
            written.append(record);
            bytes += encodeJournalRecord(record);
        }
        test::writeFile(path, bytes);
        const JournalRead read = readJournal(path);
        QCOMPARE(read.status, JournalRead::Status::read);
        QCOMPARE(read.device, quint64(42));
        QCOMPARE(read.base, (JournalBase{123456789012, 0xCAFEF00Du}));
        QVERIFY(!read.tornTail);
        QVERIFY(read.damage.isEmpty());
        QCOMPARE(read.records.size(), written.size());
        for (qsizetype i = 0; i < written.size(); ++i) {
            const JournalRecord &a = read.records.at(i);
            const JournalRecord &b = written.at(i);
            QCOMPARE(a.op, b.op);
            QCOMPARE(a.a, b.a);
            QCOMPARE(a.b, b.b);
            QCOMPARE(a.pinCount, b.pinCount);
            QCOMPARE(a.device, b.device);
            QCOMPARE(a.time, b.time);
            QCOMPARE(a.text, b.text);
        }
        // The checksum is zlib's: other tools can check records with any CRC-32 library.
        QCOMPARE(crc32("123456789", 9), 0xCBF43926u);
        QCOMPARE(crc32("56789", 5, crc32("1234", 4)), 0xCBF43926u);
        QByteArray block;
        for (int i = 0; i < 1024; ++i)
            block.append(char(i % 256));
        QCOMPARE(crc32(block.constData(), block.size()), 0xB70B4C26u);  // Python's zlib.crc32(bytes(range(256)) * 4)
        QCOMPARE(crc32(block.constData() + 13, block.size() - 13, crc32(block.constData(), 13)), 0xB70B4C26u);
        // Pieces checked apart make the whole's checksum, whatever their lengths (odd and even, empty, long).
        for (const qsizetype cut :
             {qsizetype(0), qsizetype(1), qsizetype(13), qsizetype(512), qsizetype(1023), qsizetype(1024)}) {
            const quint32 first = crc32(block.constData(), cut);
            const quint32 second = crc32(block.constData() + cut, block.size() - cut);
            QCOMPARE(crc32Combine(first, second, block.size() - cut), 0xB70B4C26u);
        }
        const QByteArray longer = block.repeated(3000);
        QCOMPARE(crc32Combine(crc32(longer.constData(), 1000001),
                              crc32(longer.constData() + 1000001, 2072000 - 1000001), 2072000 - 1000001),
                 crc32(longer.constData(), 2072000));
    }

    void everyKindOfChangeIsReplayedOnce()
    {
        test::TestDirs dirs;
        QStringList items;
        std::int64_t pins = 0;
        {
            Run run(dirs);
            run.capture({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
            run.history.togglePin(2);  // b pinned
            run.history.togglePin(3);  // a pinned
            run.history.togglePin(0);  // b unpinned
            run.history.removeItem(3);  // c
            run.capture({QStringLiteral("e")});
            QVERIFY(run.history.waitForWrites());
            items = run.history.items().toStringList();
            pins = run.history.pinCount();
            QCOMPARE(items,
                     (QStringList{QStringLiteral("a"), QStringLiteral("e"), QStringLiteral("b"), QStringLiteral("d")}));
            QCOMPARE(pins, std::int64_t(1));
            // Killed here: only the journal holds the session.
            QVERIFY(!QFileInfo::exists(historyPath(dirs)));
        }
        {
            Run again(dirs);
            QCOMPARE(again.history.items(), items);
            QCOMPARE(again.history.pinCount(), pins);
            QVERIFY(again.history.waitForWrites());
            // Folded at the start: the history file holds everything, the journal nothing.
            QCOMPARE(readStringListAtPath(historyPath(dirs)), items);
            QCOMPARE(readJournal(journalPath(dirs)).records.size(), 0);
        }
        // A third start finds the same, once: nothing was applied twice.
        Run third(dirs);
        QCOMPARE(third.history.items(), items);
        QCOMPARE(third.history.pinCount(), pins);

        // A clear writes the file whole at once.
        third.history.clearAll();
        QVERIFY(third.history.waitForWrites());
        QCOMPARE(readStringListAtPath(historyPath(dirs)), QStringList());
        QCOMPARE(readJournal(journalPath(dirs)).records.size(), 0);
    }

    void aTornLastRecordIsLeftOutAndTheRestKept()
    {
        // The program killed in the middle of an append: any cut inside the last record.
        test::TestDirs probe;
        qint64 whole = 0;
        qint64 withoutLast = 0;
        {
            Run run(probe);
            run.capture({QStringLiteral("a"), QStringLiteral("b")});
            withoutLast = QFileInfo(journalPath(probe)).size();
            run.capture({QStringLiteral("the last one")});
            whole = QFileInfo(journalPath(probe)).size();
        }
        const QByteArray journal = test::readFile(journalPath(probe));
        for (qint64 cut = withoutLast + 1; cut < whole; ++cut) {
            test::TestDirs dirs;
            test::writeFile(journalPath(dirs), journal.left(cut));
            Run run(dirs);
            QCOMPARE(run.history.items(), (QStringList{QStringLiteral("b"), QStringLiteral("a")}));
            QVERIFY(run.history.waitForWrites());
            // Cut short by a crash is no damage: nothing is kept aside, and the fold drops the torn bytes.
            QVERIFY(aside(dirs, QStringLiteral("damaged")).isEmpty());
            QCOMPARE(readStringListAtPath(historyPath(dirs)), run.history.items());
            const JournalRead after = readJournal(journalPath(dirs));
            QVERIFY(!after.tornTail);
            QVERIFY(after.records.isEmpty());
        }
        // A journal whose header was being written when the program ended is no journal at all.
        test::TestDirs dirs;
        test::writeFile(journalPath(dirs), journal.left(10));
        Run run(dirs);
        QVERIFY(run.history.items().isEmpty());
        run.capture({QStringLiteral("new")});
        Run again(dirs);
        QCOMPARE(again.history.items(), QStringList{QStringLiteral("new")});
    }

    void aFlippedBitNeverBringsBackWhatWasNotWritten()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("tavrin.store.warning=false\ntavrin.store.info=false"));
        test::TestDirs probe;
        const QStringList base = {QStringLiteral("base")};
        QVERIFY(writeStringListAtPath(historyPath(probe), base));
        // The states after each change: whatever a damaged journal gives must be one of them.
        QList<QStringList> states = {base};
        {
            Run run(probe);
            for (const QString &text : {QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")}) {
                run.capture({text});
                states.append(run.history.items().toStringList());
            }
            run.history.removeItem(1);
            QVERIFY(run.history.waitForWrites());
            states.append(run.history.items().toStringList());
        }
        const QByteArray historyBytes = test::readFile(historyPath(probe));
        const QByteArray journal = test::readFile(journalPath(probe));
        for (qsizetype at = 0; at < journal.size(); ++at) {
            // One bit of each byte, a different one from byte to byte.
            const int bit = int(at % 8);
            test::TestDirs dirs;
            test::writeFile(historyPath(dirs), historyBytes);
            QByteArray flipped = journal;
            flipped[at] = char(flipped.at(at) ^ (1 << bit));
            test::writeFile(journalPath(dirs), flipped);
            Run run(dirs);
            const QString where = QStringLiteral("byte %1 bit %2").arg(at).arg(bit);
            QVERIFY2(states.contains(run.history.items()), qPrintable(where));
            QVERIFY(run.history.waitForWrites());
            // The history file always parses, and a damaged journal is kept for the user.
            QCOMPARE(readListFile(historyPath(dirs)).status, ListFileRead::Status::read);
            if (run.history.items() != states.last() && at >= kJournalHeaderSize)
                QVERIFY2(!aside(dirs, QStringLiteral("damaged")).isEmpty() ||
                             readJournal(journalPath(dirs)).records.isEmpty(),
                         qPrintable(where));
            if (at < kJournalHeaderSize)
                QVERIFY2(run.history.items() == base, qPrintable(where));
        }
        QLoggingCategory::setFilterRules(QString());
    }

    void aJournalWhoseHistoryFileChangedIsKeptAside()
    {
        // Another program rewrote the history file after the journal was written.
        {
            test::TestDirs dirs;
            QVERIFY(writeStringListAtPath(historyPath(dirs), {QStringLiteral("old")}));
            {
                Run run(dirs);
                run.capture({QStringLiteral("lost to the rewrite")});
            }
            QVERIFY(writeStringListAtPath(historyPath(dirs), {QStringLiteral("rewritten"), QStringLiteral("old")}));
            QTest::ignoreMessage(
                QtWarningMsg, QRegularExpression(QStringLiteral("the journal .* was written for another version.*")));
            Run run(dirs);
            QCOMPARE(run.history.items(), (QStringList{QStringLiteral("rewritten"), QStringLiteral("old")}));
            const QStringList kept = aside(dirs, QStringLiteral("unmatched"));
            QCOMPARE(kept.size(), 1);
            QCOMPARE(readJournal(dirs.documents() + QLatin1Char('/') + kept.first()).records.size(), 1);
            // Nothing was written at this start: the kept journal is gone from its place, no new one yet.
            QVERIFY(!QFileInfo::exists(journalPath(dirs)));
            run.capture({QStringLiteral("next")});
            Run again(dirs);
            QCOMPARE(again.history.items(),
                     (QStringList{QStringLiteral("next"), QStringLiteral("rewritten"), QStringLiteral("old")}));
        }
        // The history file deleted (or never there) while its journal was written against one.
        {
            test::TestDirs dirs;
            QVERIFY(writeStringListAtPath(historyPath(dirs), {QStringLiteral("old")}));
            {
                Run run(dirs);
                run.capture({QStringLiteral("new")});
            }
            QFile::remove(historyPath(dirs));
            QTest::ignoreMessage(
                QtWarningMsg, QRegularExpression(QStringLiteral("the journal .* was written for another version.*")));
            Run run(dirs);
            QVERIFY(run.history.items().isEmpty());
            QCOMPARE(aside(dirs, QStringLiteral("unmatched")).size(), 1);
        }
        // A journal started without a history file belongs to no file: it is replayed onto an empty history.
        {
            test::TestDirs dirs;
            {
                Run run(dirs);
                run.capture({QStringLiteral("first ever")});
            }
            QVERIFY(!QFileInfo::exists(historyPath(dirs)));
            Run run(dirs);
            QCOMPARE(run.history.items(), QStringList{QStringLiteral("first ever")});
        }
    }

    void aCrashBetweenTheRewriteAndTheNewJournalDuplicatesNothing()
    {
        test::TestDirs dirs;
        QStringList items;
        {
            Run run(dirs);
            run.capture({QStringLiteral("a"), QStringLiteral("b")});
            items = run.history.items().toStringList();
        }
        // The rewrite reached the disk, the program died before the journal was started over.
        QVERIFY(writeStringListAtPath(historyPath(dirs), items));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("the journal .* another version.*")));
        Run run(dirs);
        QCOMPARE(run.history.items(), items);
    }

    void aStartWithAnUnchangedHistoryWritesNothing()
    {
        test::TestDirs dirs;
        {
            Run run(dirs);
            run.capture({QStringLiteral("a"), QStringLiteral("b")});
            QVERIFY(run.history.flushPendingSave());
        }
        QVERIFY(QFileInfo::exists(journalPath(dirs)));
        const QStringList before = folderState(dirs.documents());
        {
            Run run(dirs);
            QCOMPARE(run.history.items(), (QStringList{QStringLiteral("b"), QStringLiteral("a")}));
            // What the first showing of the list and a clean quit ask for.
            run.history.saveHistory();
            run.history.scheduleSave();
            run.clock.advance(1s);
            QVERIFY(run.history.flushPendingSave());
        }
        QCOMPARE(folderState(dirs.documents()), before);
    }

    void recordsNameTheirDevice()
    {
        test::TestDirs dirs;
        const quint64 device = thisDeviceId(dirs.documents());
        QCOMPARE(thisDeviceId(dirs.documents()), device);
        QVERIFY(thisDeviceId(dirs.root()) != device);
        Run run(dirs);
        run.capture({QStringLiteral("a")});
        run.history.togglePin(0);
        QVERIFY(run.history.waitForWrites());
        const JournalRead read = readJournal(journalPath(dirs));
        QCOMPARE(read.device, device);
        QCOMPARE(read.records.size(), 2);
        for (const JournalRecord &record : read.records)
            QCOMPARE(record.device, device);
        QCOMPARE(read.records.at(1).op, JournalRecord::Op::move);
        QCOMPARE(read.records.at(1).pinCount, qint64(1));
        // Private like the history file.
        const QFileDevice::Permissions others =
            QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
        QVERIFY(!(QFileInfo(journalPath(dirs)).permissions() & others));
    }
};

QTEST_GUILESS_MAIN(TestHistoryJournal)
#include "tst_history_journal.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Which entries are files, found out on the files lane and never while a list draws.
#include "TestDirs.h"
#include "capture/FileEntries.h"
#include "platform/fake/FakeDispatcher.h"
#include "platform/fake/FakeScheduler.h"
#include "store/HistoryStore.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrin;
using namespace std::chrono_literals;

namespace {

struct Files {
    test::TestDirs dirs;
    FakeScheduler clock;
    FakeDispatcher dispatcher;
    SettingsStore settings;
    ListFolder listFolder{dirs.documents()};
    HistoryStore history{settings, clock, listFolder};
    FileEntries files{history, dispatcher, clock};
    QTemporaryDir folder;

    QString makeFile(const QString &name)
    {
        QString path = folder.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("%PDF-1.4\n");
        return path;
    }
    int filesJobs() const { return dispatcher.backgroundCount(Dispatcher::Lane::Files); }
};

}  // namespace

class TestFileEntries : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void anEntryIsATextUntilTheFilesLaneFindsAFile()
    {
        Files f;
        const QString pdf = f.makeFile(QStringLiteral("report.pdf"));
        QSignalSpy changed(&f.files, &FileEntries::changed);
        QVERIFY(!f.files.info(pdf).isFile);  // asking does not look: it queues a look
        QCOMPARE(f.filesJobs(), 1);
        QVERIFY(!f.files.info(pdf).isFile);
        QCOMPARE(f.filesJobs(), 1);  // one look at a time for an entry
        f.dispatcher.runAll();
        QCOMPARE(changed.count(), 1);
        const FileEntries::Info info = f.files.info(pdf);
        QVERIFY(info.isFile);
        QVERIFY(!info.isFolder);
        QCOMPARE(info.type, QStringLiteral("application/pdf"));
        QCOMPARE(f.filesJobs(), 0);  // a fresh answer is not looked at again

        const FileEntries::Info folder = [&] {
            f.files.info(f.folder.path());
            f.dispatcher.runAll();
            return f.files.info(f.folder.path());
        }();
        QVERIFY(folder.isFile && folder.isFolder);
        QCOMPARE(folder.type, QStringLiteral("inode/directory"));
    }

    void textsThatCannotBePathsAreNeverLookedAt()
    {
        Files f;
        for (const QString &text : {QStringLiteral("src"), QStringLiteral("relative/path"), QString(),
                                    QStringLiteral("/") + QString(5000, u'x')}) {
            QVERIFY(!f.files.info(text).isFile);
            QVERIFY(!FileEntries::couldBeFile(text));
        }
        QCOMPARE(f.filesJobs(), 0);
        // An absolute path where nothing is stays a text, and says nothing changed.
        QSignalSpy changed(&f.files, &FileEntries::changed);
        f.files.info(f.folder.filePath(QStringLiteral("missing")));
        f.dispatcher.runAll();
        QVERIFY(!f.files.info(f.folder.filePath(QStringLiteral("missing"))).isFile);
        QCOMPARE(changed.count(), 0);
    }

    void aFileDeletedLaterTurnsIntoATextOnceItsAnswerIsOld()
    {
        Files f;
        const QString file = f.makeFile(QStringLiteral("notes.txt"));
        f.files.info(file);
        f.dispatcher.runAll();
        QVERIFY(f.files.info(file).isFile);
        QFile::remove(file);
        f.clock.advance(FileEntries::kFreshFor - 1ms);
        QVERIFY(f.files.info(file).isFile);
        QCOMPARE(f.filesJobs(), 0);
        f.clock.advance(1ms);
        QVERIFY(f.files.info(file).isFile);  // the old answer until the new one comes
        QSignalSpy changed(&f.files, &FileEntries::changed);
        f.dispatcher.runAll();
        QCOMPARE(changed.count(), 1);
        QVERIFY(!f.files.info(file).isFile);
    }

    void capturedAndLoadedEntriesAreLookedAtUnasked()
    {
        Files f;
        const QString file = f.makeFile(QStringLiteral("captured.txt"));
        f.history.insertCaptured(QStringLiteral("a text"));
        f.history.insertCaptured(file);
        QCOMPARE(f.filesJobs(), 1);  // only the path
        f.dispatcher.runAll();
        QVERIFY(f.files.info(file).isFile);

        // A loaded history is looked at again, in pieces: one hung path holds back only its own piece.
        for (int i = 0; i < 600; ++i)
            f.history.insertCaptured(f.folder.filePath(QStringLiteral("entry %1").arg(i)));
        f.dispatcher.runAll();
        f.history.saveHistory();
        QVERIFY(f.history.waitForWrites());
        f.history.loadItems();
        QCOMPARE(f.filesJobs(), 1);  // the entries sifted off the GUI thread
        QCOMPARE(f.dispatcher.runBackground(), 1);
        QCOMPARE(f.dispatcher.runMain(), 1);
        QCOMPARE(f.filesJobs(), 3);  // 256 + 256 + 89 paths, the text left out
        f.dispatcher.runAll();
        QVERIFY(f.files.info(file).isFile);
        // What they found is fresh: asking about them starts nothing.
        for (int i = 0; i < 600; ++i)
            QVERIFY(!f.files.info(f.folder.filePath(QStringLiteral("entry %1").arg(i))).isFile);
        QCOMPARE(f.filesJobs(), 0);
    }
};

QTEST_GUILESS_MAIN(TestFileEntries)
#include "tst_file_entries.moc"

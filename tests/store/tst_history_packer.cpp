// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestDirs.h"
#include "platform/fake/FakeDispatcher.h"
#include "platform/fake/FakeScheduler.h"
#include "store/HistoryPacker.h"
#include "store/HistoryStore.h"
#include "store/PropertyListCodec.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

using namespace tavrin;

namespace {

// Entries of a few hundred bytes that pack as text does: the same words in other orders.
QStringList sentences(qsizetype n, qsizetype from = 0)
{
    static const QStringList words = {QStringLiteral("copy"),   QStringLiteral("the"),    QStringLiteral("Straße"),
                                      QStringLiteral("日本語"), QStringLiteral("window"), QStringLiteral("<a href>"),
                                      QStringLiteral("line\n"), QStringLiteral("paste"),  QStringLiteral("/usr/bin")};
    QStringList texts;
    for (qsizetype i = from; i < from + n; ++i) {
        QString text = QStringLiteral("entry %1:").arg(i);
        for (qsizetype w = 0; w < 20 + i % 40; ++w)
            text += QLatin1Char(' ') + words.at((i * 7 + w * w) % words.size());
        texts.append(text);
    }
    return texts;
}

struct Fixture {
    test::TestDirs dirs;
    SettingsStore settings{dirs.settingsPath()};
    FakeScheduler clock;
    FakeDispatcher dispatcher;
    ListFolder folder{dirs.documents()};
    HistoryStore history{settings, clock, folder};
    HistoryPacker packer{history, dispatcher, clock};

    QString historyPath() const { return dirs.documents() + QStringLiteral("/myfile.plist"); }
    void writeHistory(const QStringList &texts) const
    {
        QVERIFY(QDir().mkpath(dirs.documents()));
        QFile file(historyPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(plist::serializeStringArray(EntryList(texts)));
    }
    void runPacking()
    {
        while (packer.isPacking()) {
            dispatcher.runAll();
            clock.advance(HistoryPacker::kRetryDelay);
        }
    }
    /// Whether entry i is read where it was written, just after its length.
    bool isRaw(qsizetype i) const
    {
        const EntryList &items = history.items();
        const qsizetype offset = items.storedAt(i).data() - items.entryAddresses()[i];
        return offset >= 1 && offset <= 3;
    }
};

}  // namespace

class TestHistoryPacker : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aLongHistoryIsPackedButForItsNewestEntries()
    {
        Fixture f;
        const QStringList texts = sentences(40000);
        f.writeHistory(texts);
        QSignalSpy done(&f.packer, &HistoryPacker::done);
        f.history.loadItems();
        QVERIFY(f.packer.isPacking());
        const qsizetype raw = f.history.items().arenaCapacity();
        f.runPacking();
        QCOMPARE(done.size(), 1);

        const EntryList &items = f.history.items();
        QVERIFY(items.arena()->packedBlockCount() > 2);
        // Two fifths of the entries are among the newest, which stay raw.
        QVERIFY2(items.arenaCapacity() < raw * 3 / 4,
                 qPrintable(QStringLiteral("%1 of %2 bytes").arg(items.arenaCapacity()).arg(raw)));
        QCOMPARE(items, texts);
        QVERIFY(f.isRaw(0) && f.isRaw(HistoryPacker::kKeepRaw - 1));
        QVERIFY(!f.isRaw(items.size() - 1));

        // Edits and the file written from the packed entries keep every text.
        f.history.togglePin(30000);
        f.history.removeItem(39000);
        f.history.insertCaptured(QStringLiteral("new"));
        QStringList expected = texts;
        expected.move(30000, 0);
        expected.removeAt(39000);
        expected.insert(1, QStringLiteral("new"));
        QCOMPARE(f.history.items(), expected);
        f.history.saveHistory();
        QVERIFY(f.history.waitForWrites());
        QCOMPARE(readListFile(f.historyPath()).strings, expected);
    }

    void capturesArePackedTogetherAWhileLater()
    {
        Fixture f;
        f.history.loadItems();
        f.runPacking();
        const QStringList texts = sentences(30000);
        for (const QString &text : texts)
            f.history.insertCaptured(text);
        QVERIFY(!f.packer.isPacking());
        f.clock.advance(HistoryPacker::kAfterCaptures - std::chrono::milliseconds(1));
        QVERIFY(!f.packer.isPacking());
        f.clock.advance(std::chrono::milliseconds(1));
        QVERIFY(f.packer.isPacking());
        f.runPacking();
        QVERIFY(f.history.items().arena()->packedBlockCount() > 0);
        // The newest captures are the hot ones now; the first ones, at the end, were packed.
        QVERIFY(f.isRaw(0) && !f.isRaw(texts.size() - 1000));
        QStringList newestFirst = texts;
        std::reverse(newestFirst.begin(), newestFirst.end());
        QCOMPARE(f.history.items(), newestFirst);
    }

    void aClearWhilePackingStartsOverOnTheNewEntries()
    {
        Fixture f;
        f.writeHistory(sentences(40000));
        f.history.loadItems();
        // One block packed, then the history is cleared and filled again while the next is packed.
        f.dispatcher.runBackground();
        f.dispatcher.runMain();
        QVERIFY(f.packer.isPacking());
        f.history.clearAll();
        const QStringList texts = sentences(30000, 100000);
        for (const QString &text : texts)
            f.history.insertCaptured(text);
        f.runPacking();
        f.packer.packNow();
        f.runPacking();
        QVERIFY(f.history.items().arena()->packedBlockCount() > 0);
        QStringList newestFirst = texts;
        std::reverse(newestFirst.begin(), newestFirst.end());
        QCOMPARE(f.history.items(), newestFirst);
    }
};

QTEST_GUILESS_MAIN(TestHistoryPacker)
#include "tst_history_packer.moc"

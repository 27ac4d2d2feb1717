// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/EntryList.h"
#include "store/FastStringArrayReader.h"
#include "store/PropertyListCodec.h"

#include <QRandomGenerator>
#include <QTemporaryFile>
#include <QTest>

#include <atomic>
#include <thread>

using namespace tavrin;

namespace {

// Texts of the kinds a history holds, some longer than a run, some with what the stored form escapes.
QStringList historyLike(qsizetype n, quint32 seed)
{
    QRandomGenerator random(seed);
    const QStringList words = {
        QStringLiteral("clipboard"),           QStringLiteral("Straße"),    QStringLiteral("日本語"),
        QString::fromUtf8("\xF0\x9F\x98\x80"), QStringLiteral("<div>"),     QStringLiteral("&amp;"),
        QStringLiteral("line\nbreak"),         QString(QChar(char16_t(1))), QStringLiteral("/home/u")};
    QStringList texts;
    for (qsizetype i = 0; i < n; ++i) {
        QString text = QString::number(i) + QLatin1Char(' ');
        const int length = i % 997 == 0 ? 40000 : int(random.bounded(10, 700));
        while (text.size() < length)
            text += words.at(random.bounded(words.size())) + QLatin1Char(' ');
        texts.append(text);
    }
    texts.append(QString());
    return texts;
}

// Printable ASCII drawn at random: LZ4 finds nothing to share in it.
QStringList noise(qsizetype n, quint32 seed)
{
    QRandomGenerator random(seed);
    QStringList texts;
    for (qsizetype i = 0; i < n; ++i) {
        QString text(200, Qt::Uninitialized);
        for (QChar &c : text)
            c = QChar(char16_t(random.bounded(33, 127)));
        texts.append(text);
    }
    return texts;
}

// Packs every block the hot entries leave, on this thread; how many were packed.
qsizetype packAll(const EntryList &list, qsizetype hot = 0)
{
    EntryArena &arena = *list.arena();
    const std::vector<int> blocks = arena.blocksToPack(list.entryAddresses(), hot);
    for (const int block : blocks) {
        if (!arena.publish(block, arena.pack(block)))
            return -1;
    }
    return arena.packedBlockCount();
}

void compareAll(const EntryList &list, const QStringList &texts)
{
    QCOMPARE(list.size(), texts.size());
    for (qsizetype i = 0; i < texts.size(); ++i)
        QCOMPARE(list.at(i), texts.at(i));
}

}  // namespace

class TestEntryArena : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void packedTextsReadBackInAnyOrder()
    {
        const QStringList texts = historyLike(30000, 1);
        const EntryList list(texts);
        const qsizetype before = list.arenaCapacity();
        const QByteArray file = plist::serializeStringArray(list);

        QVERIFY(packAll(list) > 3);
        QVERIFY2(list.arenaCapacity() < before * 2 / 3,
                 qPrintable(QStringLiteral("%1 of %2 bytes").arg(list.arenaCapacity()).arg(before)));
        // Front to back, back to front, and at random: each reaches runs the per-thread cache no longer holds.
        compareAll(list, texts);
        for (qsizetype i = texts.size() - 1; i >= 0; --i)
            QCOMPARE(list.at(i), texts.at(i));
        QRandomGenerator random(2);
        for (int n = 0; n < 20000; ++n) {
            const auto i = qsizetype(random.bounded(int(texts.size())));
            QCOMPARE(list.at(i), texts.at(i));
        }
        QCOMPARE(list, texts);
        QCOMPARE(list.indexOf(texts.at(29000)), 29000);
        QCOMPARE(plist::serializeStringArray(list), file);
        // Two views at once, of texts in different runs, as comparisons take them.
        const QByteArrayView first = list.storedAt(0);
        const QByteArrayView last = list.storedAt(texts.size() - 2);
        QCOMPARE(first, EntryList::storedForm(texts.at(0)));
        QCOMPARE(last, EntryList::storedForm(texts.at(texts.size() - 2)));

        // Copies share the packed texts; the list grows on as before.
        EntryList grown = list;
        grown.insert(0, QStringLiteral("new"));
        grown.append(QStringLiteral("oldest"));
        QCOMPARE(grown.at(0), QStringLiteral("new"));
        QCOMPARE(grown.at(grown.size() - 1), QStringLiteral("oldest"));
        QCOMPARE(grown.mid(1, texts.size()), texts);
    }

    void theHotEntriesBlocksAndTheOpenOneStayRaw()
    {
        const QStringList texts = historyLike(20000, 3);
        const EntryList list(texts);
        const qsizetype hot = 5000;
        QVERIFY(packAll(list, hot) > 0);
        // A raw text is read where it was written: just after its length.
        for (qsizetype i = 0; i < hot; ++i) {
            const qsizetype offset = list.storedAt(i).data() - list.entryAddresses()[i];
            QVERIFY2(offset >= 1 && offset <= 3, qPrintable(QString::number(i)));
        }
        // Nothing is offered twice; without hot entries the rest goes, but for the block still being filled.
        QVERIFY(list.arena()->blocksToPack(list.entryAddresses(), hot).empty());
        QVERIFY(packAll(list) > 0);
        const qsizetype old = 10000;
        const qsizetype offset = list.storedAt(old).data() - list.entryAddresses()[old];
        QVERIFY(offset < 1 || offset > 3);
        const qsizetype newest = list.size() - 1;
        QCOMPARE(list.storedAt(newest).data() - list.entryAddresses()[newest], 1);
        compareAll(list, texts);
    }

    void textsThatDoNotPackStayAsTheyAre()
    {
        const QStringList texts = noise(20000, 4);
        const EntryList list(texts);
        const qsizetype before = list.arenaCapacity();
        QCOMPARE(packAll(list), 0);
        QCOMPARE(list.arenaCapacity(), before);
        QVERIFY(list.arena()->blocksToPack(nullptr, 0).empty());
        compareAll(list, texts);
    }

    void packingWaitsForReadersOnOtherThreads()
    {
        const QStringList texts = historyLike(20000, 5);
        const EntryList list(texts);
        EntryArena &arena = *list.arena();
        const std::vector<int> blocks = arena.blocksToPack(nullptr, 0);
        QVERIFY(blocks.size() > 3);

        // While a reader holds its lock, nothing is put in place.
        std::atomic<bool> locked{false};
        std::atomic<bool> release{false};
        std::thread holder([&] {
            const EntryList::ReadLock reading(list);
            locked = true;
            while (!release)
                std::this_thread::yield();
        });
        while (!locked)
            std::this_thread::yield();
        const std::shared_ptr<EntryArena::PackedBlock> packed = arena.pack(blocks.front());
        QVERIFY(!arena.publish(blocks.front(), packed));
        QCOMPARE(arena.packedBlockCount(), 0);
        release = true;
        holder.join();
        QVERIFY(arena.publish(blocks.front(), packed));
        QCOMPARE(arena.packedBlockCount(), 1);

        // Readers on other threads scanning the whole list while the rest is packed read every text right; with the
        // sanitizers on, a read of a page already given back would fail here.
        std::atomic<bool> stop{false};
        std::atomic<bool> wantIn{false};
        std::atomic<int> wrong{0};
        std::atomic<int> scans{0};
        const auto scan = [&](quint32 seed) {
            QRandomGenerator random(seed);
            while (!stop) {
                // Readers that never pause would keep the packing out for good; the app's come and go.
                while (wantIn && !stop)
                    std::this_thread::yield();
                const EntryList::ReadLock reading(list);
                for (int n = 0; n < 200; ++n) {
                    const auto i = qsizetype(random.bounded(int(texts.size())));
                    if (list.at(i) != texts.at(i))
                        ++wrong;
                }
                ++scans;
            }
        };
        std::thread a(scan, 6);
        std::thread b(scan, 7);
        for (size_t i = 1; i < blocks.size(); ++i) {
            const std::shared_ptr<EntryArena::PackedBlock> next = arena.pack(blocks[i]);
            while (!arena.publish(blocks[i], next))
                wantIn = true;
            wantIn = false;
        }
        const int scansThen = scans;
        while (scans < scansThen + 10)
            std::this_thread::yield();
        stop = true;
        a.join();
        b.join();
        QCOMPARE(wrong.load(), 0);
        QCOMPARE(arena.packedBlockCount(), qsizetype(blocks.size()));
        compareAll(list, texts);
    }

    void aLongListIsPackedAsItIsReadInPieces()
    {
        const QStringList texts = historyLike(60000, 20);
        const QByteArray file = plist::serializeStringArray(EntryList(texts));
        QTemporaryFile onDisk;
        QVERIFY(onDisk.open());
        QCOMPARE(onDisk.write(file), file.size());
        QVERIFY(onDisk.flush());

        for (const bool fromFile : {false, true}) {
            int pieces = 0;
            // Two pieces: each piece keeps its own first texts raw, and packs the rest as it goes.
            std::optional<EntryList> read =
                fromFile ? plist::readStringArrayFile(int(onDisk.handle()), file.size(), file.size() / 3, 2,
                                                      qsizetype(1) << 20, &pieces)
                         : plist::readStringArrayFast(file, file.size() / 3, 2, &pieces);
            QVERIFY(read);
            QCOMPARE(pieces, 2);
            EntryList &list = *read;
            const qsizetype packed = list.arena()->packedBlockCount();
            QVERIFY2(packed > 4, qPrintable(QString::number(packed)));
            compareAll(list, texts);
            const qsizetype newest = 100;
            const qsizetype offset = list.storedAt(newest).data() - list.entryAddresses()[newest];
            QVERIFY(offset >= 1 && offset <= 3);

            // Handed over, the list no longer packs on its own: that is the packing thread's to do.
            for (const QString &text : historyLike(8000, 21))
                list.append(text);
            QCOMPARE(list.arena()->packedBlockCount(), packed);
            QCOMPARE(list.mid(0, texts.size()), texts);
            // What the pieces left raw beyond their first texts is offered to the packing thread.
            QVERIFY(packAll(list, EntryArena::kHotEntries) > packed);
            compareAll(list.mid(0, texts.size()), texts);
        }
    }

    void anArenaGoneLeavesNothingBehindInTheCache()
    {
        // The per-thread cache knows runs by address; a later arena may be mapped at the addresses of one gone.
        for (quint32 round = 0; round < 6; ++round) {
            const QStringList texts = historyLike(8000, 10 + round);
            const EntryList list(texts);
            QVERIFY(packAll(list) > 0);
            compareAll(list, texts);
        }
    }
};

QTEST_GUILESS_MAIN(TestEntryArena)
#include "tst_entry_arena.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/EntryList.h"
#include "store/FastStringArrayReader.h"
#include "store/PropertyListCodec.h"

#include <QTest>

#include <thread>

using namespace tavrin;

namespace {

QStringList numbered(qsizetype n)
{
    QStringList texts;
    for (qsizetype i = 0; i < n; ++i)
        texts.append(QString::number(i));
    return texts;
}

// Texts that UTF-8 or XML cannot carry as they are, or that look like our escapes.
QStringList awkwardTexts()
{
    return {QString(),
            QStringLiteral("plain"),
            QStringLiteral("line\r\nbreaks\tand tabs"),
            QString(QChar(char16_t(1))) + QStringLiteral("control"),
            QStringLiteral("half ") + QChar(char16_t(0xD83D)) + QStringLiteral(" a pair"),
            QString(QChar(char16_t(0xDE00))) + QChar(char16_t(0xD83D)),
            QStringLiteral("mark ") + QChar(char16_t(0xFDD0)) + QStringLiteral(" itself"),
            QString(QChar(char16_t(0xFFFE))) + QChar(char16_t(0xFFFF)),
            QString::fromUtf8("emoji \xF0\x9F\x98\x80 and \xE6\x97\xA5\xE6\x9C\xAC"),
            QStringLiteral("<markup> & \"quotes\"")};
}

}  // namespace

class TestEntryList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyTextComesBackAsItWasGiven()
    {
        const QStringList texts = awkwardTexts();
        EntryList list(texts);
        QCOMPARE(list.toStringList(), texts);
        for (qsizetype i = 0; i < texts.size(); ++i) {
            QCOMPARE(list.at(i), texts.at(i));
            QVERIFY(list.isAt(i, texts.at(i)));
            QCOMPARE(list.indexOf(texts.at(i)), i);
            // The stored form is what the file holds, so a list read back from its bytes is the same.
            QVERIFY(plist::isStoredForm(list.storedAt(i).data(), list.storedAt(i).size()) ||
                    list.storedAt(i).contains(QByteArrayView("\xEF\xB7\x90")));
        }
        const QByteArray file = plist::serializeStringArray(list);
        QCOMPARE(plist::readStringArrayFast(file).value_or(EntryList()), texts);
        QCOMPARE(plist::parseStringArrayGeneral(file).value_or(QStringList()), texts);
        QCOMPARE(*plist::readStringArrayFast(file), list);
    }

    // Insertions and removals go through the nearer end; at every place of lists of every small length, including
    // lists that already have spare room at the front, the order is what a plain QStringList edit gives.
    void editsThroughEitherEndKeepTheOrder()
    {
        for (qsizetype length = 0; length <= 7; ++length) {
            const QStringList base = numbered(length);
            for (qsizetype at = 0; at <= length; ++at) {
                QStringList expected = base;
                expected.insert(at, QStringLiteral("new"));
                EntryList edited(base);
                edited.insert(0, QStringLiteral("spare"));
                edited.removeAt(0);  // leaves room at the front
                edited.insert(at, QStringLiteral("new"));
                QCOMPARE(edited, expected);
                edited.insert(at, QStringLiteral("again"));
                edited.removeAt(at);
                QCOMPARE(edited, expected);
            }
            for (qsizetype at = 0; at < length; ++at) {
                QStringList expected = base;
                expected.removeAt(at);
                EntryList edited(base);
                edited.removeAt(at);
                QCOMPARE(edited, expected);
                if (length > 1) {
                    expected.move(0, expected.size() - 1);
                    edited.move(0, edited.size() - 1);
                    QCOMPARE(edited, expected);
                }
            }
        }
    }

    // A copy is a snapshot: changes to either never show in the other, and the texts outlive the list they were
    // given to for as long as any copy or result holds them.
    void copiesAreSnapshotsThatKeepTheirTexts()
    {
        EntryList list(numbered(100));
        EntryList snapshot = list;
        QCOMPARE(snapshot.constData(), list.constData());
        list.insert(0, QStringLiteral("new"));
        list.removeAt(50);
        list.append(QStringLiteral("last"));
        QCOMPARE(snapshot, numbered(100));
        QCOMPARE(list.size(), 101);
        QCOMPARE(list.first(), QStringLiteral("new"));

        EntryList picked;
        picked.appendFrom(snapshot, 7);
        EntryList other(QStringList{QStringLiteral("other")});
        other.appendFrom(snapshot, 9);
        EntryList part = snapshot.mid(90, 5);
        list.clear();
        snapshot = EntryList();
        // Read after every list that made them is gone: ASan would report a block freed too early.
        QCOMPARE(picked, QStringList{QStringLiteral("7")});
        QCOMPARE(other, (QStringList{QStringLiteral("other"), QStringLiteral("9")}));
        QCOMPARE(part, numbered(95).mid(90));
        part.append(QStringLiteral("more"));
        QCOMPARE(part.last(), QStringLiteral("more"));
    }

    // The writer thread reads a snapshot while the GUI thread goes on capturing into the same list; a copy changed on
    // another thread appends to the same arena meanwhile.
    void copiesReadAndGrowOnOtherThreadsWhileTheListGrows()
    {
        EntryList list(numbered(2000));
        const EntryList snapshot = list;
        EntryList grownElsewhere = list;
        qsizetype readBytes = 0;
        std::thread reader([&snapshot, &readBytes] {
            for (int round = 0; round < 20; ++round) {
                for (qsizetype i = 0; i < snapshot.size(); ++i)
                    readBytes += snapshot.storedAt(i).size();
            }
        });
        std::thread writer([&grownElsewhere] {
            for (int i = 0; i < 20000; ++i)
                grownElsewhere.append(QStringLiteral("elsewhere %1").arg(i));
        });
        for (int i = 0; i < 20000; ++i)
            list.insert(0, QStringLiteral("capture %1").arg(i));
        reader.join();
        writer.join();
        QCOMPARE(snapshot, numbered(2000));
        QCOMPARE(list.size(), 22000);
        QCOMPARE(list.first(), QStringLiteral("capture 19999"));
        QCOMPARE(list.last(), QStringLiteral("1999"));
        QCOMPARE(grownElsewhere.size(), 22000);
        for (int i = 0; i < 20000; ++i) {
            QCOMPARE(list.at(19999 - i), QStringLiteral("capture %1").arg(i));
            QCOMPARE(grownElsewhere.at(2000 + i), QStringLiteral("elsewhere %1").arg(i));
        }
        QVERIFY(readBytes > 0);
    }

    // Pieces read side by side are joined without copying a text; texts of every size land whole.
    void joinedListsAndLongTextsKeepEveryByte()
    {
        const QString longText = QStringLiteral("x").repeated(700000) + QStringLiteral("end");
        EntryList first(QStringList{QStringLiteral("a"), longText});
        EntryList second(QStringList{QStringLiteral("b"), QString(), longText + QStringLiteral("2")});
        const EntryList secondHeld = second;  // shared: its texts are kept, not taken
        // Longer than a new list's first block, shorter than a block of its own.
        const QString medium = QStringLiteral("m").repeated(5000);
        EntryList third(QStringList{medium, QStringLiteral("c")});
        first.append(std::move(second));
        first.append(std::move(third));
        first.append(QStringLiteral("after"));
        QCOMPARE(first,
                 (QStringList{QStringLiteral("a"), longText, QStringLiteral("b"), QString(),
                              longText + QStringLiteral("2"), medium, QStringLiteral("c"), QStringLiteral("after")}));
        QCOMPARE(secondHeld.at(2), longText + QStringLiteral("2"));
    }

    // What the arena is for: a long list costs little more than its UTF-8.
    void aLongListTakesLittleMoreThanItsText()
    {
        EntryList list;
        qsizetype textBytes = 0;
        for (int i = 0; i < 100000; ++i) {
            const QString text = QStringLiteral("entry number %1 with some words").arg(i);
            textBytes += text.toUtf8().size();
            list.append(text);
        }
        // One length byte an entry and at most one block not yet full.
        QVERIFY2(list.arenaCapacity() <= textBytes + list.size() + (qsizetype(1) << 20),
                 qPrintable(QStringLiteral("%1 bytes for %2").arg(list.arenaCapacity()).arg(textBytes)));
    }
};

QTEST_GUILESS_MAIN(TestEntryList)
#include "tst_entry_list.moc"

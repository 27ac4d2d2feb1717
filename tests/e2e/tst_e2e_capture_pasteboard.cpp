// The X11 clipboard backend against real clients (xclip) on a private display.
#include "E2e.h"
#include "X11TestOwner.h"
#include "platform/x11/SelectionOwner.h"
#include "platform/x11/X11Pasteboard.h"

#include <QElapsedTimer>
#include <QTest>
#include <QUrl>

using namespace tavrin;
using namespace std::chrono_literals;

namespace {

// Waits, with the event loop running, until the count moved past `from`.
bool waitForCount(const X11Pasteboard &pasteboard, std::int64_t from, int timeoutMs = 3000)
{
    return QTest::qWaitFor([&] { return pasteboard.changeCount() > from; }, timeoutMs);
}

}  // namespace

class TestE2eCapturePasteboard : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void copiesOfOtherClientsMoveTheCountAndReadBack()
    {
        X11Pasteboard pasteboard;
        QVERIFY(pasteboard.isValid());
        int notices = 0;
        pasteboard.setChangeListener([&] { ++notices; });
        const std::int64_t before = pasteboard.changeCount();
        e2e::copyWithXclip(QStringLiteral("héllo wörld").toUtf8());
        QVERIFY(waitForCount(pasteboard, before));
        QTRY_COMPARE(notices, 1);
        const PasteboardContents contents = pasteboard.readContents();
        QCOMPARE(contents.string, std::optional<QString>(QStringLiteral("héllo wörld")));
        QVERIFY(contents.fileUrlItems.isEmpty());
        QVERIFY(!contents.concealed);

        e2e::copyWithXclip(QByteArray());  // an empty text is still a text
        QVERIFY(waitForCount(pasteboard, before + 1));
        QCOMPARE(pasteboard.readContents().string, std::optional<QString>(QString()));
    }

    void fileListsAreSplitIntoTheirUris()
    {
        X11Pasteboard pasteboard;
        std::int64_t count = pasteboard.changeCount();
        e2e::copyWithXclip("# copied by a test\r\nfile:///tmp/one\r\nfile:///tmp/with%20space\r\n",
                           QStringLiteral("text/uri-list"));
        QVERIFY(waitForCount(pasteboard, count));
        PasteboardContents contents = pasteboard.readContents();
        QCOMPARE(contents.fileUrlItems, QList<QByteArray>({"file:///tmp/one", "file:///tmp/with%20space"}));
        QCOMPARE(contents.string, std::nullopt);  // xclip offered only the list

        count = pasteboard.changeCount();
        e2e::copyWithXclip("cut\nfile:///tmp/gnome", QStringLiteral("x-special/gnome-copied-files"));
        QVERIFY(waitForCount(pasteboard, count));
        QCOMPARE(pasteboard.readContents().fileUrlItems, QList<QByteArray>({"file:///tmp/gnome"}));
    }

    void multiMegabyteTextsArriveWhole()
    {
        X11Pasteboard pasteboard;
        const QByteArray text = e2e::bigText(5 * 1024 * 1024);
        const std::int64_t count = pasteboard.changeCount();
        e2e::copyWithXclip(text);
        QVERIFY(waitForCount(pasteboard, count));
        const auto read = pasteboard.readContents().string;
        QVERIFY(read.has_value());
        QCOMPARE(read->size(), QString::fromUtf8(text).size());
        QVERIFY(*read == QString::fromUtf8(text));
    }

    void ourTextIsServedToOthersAndCountedOnce()
    {
        X11Pasteboard pasteboard;
        int notices = 0;
        pasteboard.setChangeListener([&] { ++notices; });
        const std::int64_t before = pasteboard.changeCount();
        pasteboard.writeString(QStringLiteral("from Tavrin ✓"));
        QCOMPARE(pasteboard.changeCount(), before + 1);  // at once, at the write
        QTRY_COMPARE(e2e::readWithXclip().out, QStringLiteral("from Tavrin ✓").toUtf8());
        const QByteArray targets = e2e::readWithXclip(QStringLiteral("TARGETS")).out;
        QVERIFY2(targets.contains("UTF8_STRING") && targets.contains("TIMESTAMP"), targets.constData());
        QVERIFY(!targets.contains("text/uri-list"));
        QTest::qWait(200);  // the notice of our own ownership has long arrived
        QCOMPARE(pasteboard.changeCount(), before + 1);
        QCOMPARE(notices, 0);
        QCOMPARE(pasteboard.readContents().string, std::optional<QString>(QStringLiteral("from Tavrin ✓")));

        // A large text of ours goes out in pieces and arrives whole.
        const QByteArray text = e2e::bigText(3 * 1024 * 1024);
        pasteboard.writeString(QString::fromUtf8(text));
        const e2e::ToolResult big = e2e::readWithXclip();
        QCOMPARE(big.out.size(), text.size());
        QVERIFY(big.out == text);
    }

    void ourFileIsOfferedAsAFileManagerOffersIt()
    {
        X11Pasteboard pasteboard;
        const QString path = QStringLiteral("/tmp/a folder/report #1.txt");
        const std::int64_t before = pasteboard.changeCount();
        pasteboard.writeFileUrl(path);
        QCOMPARE(pasteboard.changeCount(), before + 1);
        QTRY_VERIFY(e2e::readWithXclip(QStringLiteral("TARGETS")).out.contains("text/uri-list"));
        const QByteArray targets = e2e::readWithXclip(QStringLiteral("TARGETS")).out;
        QVERIFY(targets.contains("x-special/gnome-copied-files"));
        const QByteArray uri = QUrl::fromLocalFile(path).toEncoded();
        QCOMPARE(e2e::readWithXclip(QStringLiteral("text/uri-list")).out, uri + "\r\n");
        QCOMPARE(e2e::readWithXclip(QStringLiteral("x-special/gnome-copied-files")).out, "copy\n" + uri);
        QCOMPARE(e2e::readWithXclip().out, path.toUtf8());
        QTest::qWait(200);
        QCOMPARE(pasteboard.changeCount(), before + 1);
    }

    void anotherCopyEndsOurOwnershipAndCounts()
    {
        X11Pasteboard pasteboard;
        pasteboard.writeString(QStringLiteral("ours"));
        QTRY_COMPARE(e2e::readWithXclip().out, QByteArray("ours"));
        const std::int64_t count = pasteboard.changeCount();
        e2e::copyWithXclip("theirs");
        QVERIFY(waitForCount(pasteboard, count));
        QCOMPARE(pasteboard.readContents().string, std::optional<QString>(QStringLiteral("theirs")));
    }

    void aCopyMarkedSecretReadsAsConcealed()
    {
        // A secret-marked copy, made the way a password manager makes it.
        X11Pasteboard pasteboard;
        const std::int64_t count = pasteboard.changeCount();
        SelectionOwner manager({});
        SelectionOffer offer = SelectionOffer::forText(QStringLiteral("hunter2"));
        offer.formats.push_back({"x-kde-passwordManagerHint", "text/plain", "secret"});
        manager.own(offer);
        QVERIFY(waitForCount(pasteboard, count));
        const PasteboardContents contents = pasteboard.readContents();
        QVERIFY(contents.concealed);
        QCOMPARE(contents.string, std::nullopt);
    }

    void anOwnerThatNeverAnswersCostsOneTimeout()
    {
        X11Pasteboard pasteboard(500ms);
        const std::int64_t count = pasteboard.changeCount();
        e2e::SilentClipboardOwner silent;
        QVERIFY(silent.isOwner());
        QVERIFY(waitForCount(pasteboard, count));
        QElapsedTimer clock;
        clock.start();
        const PasteboardContents contents = pasteboard.readContents();
        QVERIFY(clock.elapsed() >= 450);
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(contents.string, std::nullopt);
        // The late answer of a silent owner never mixes into the next read.
        e2e::copyWithXclip("after the silent one");
        QVERIFY(waitForCount(pasteboard, count + 1));
        QCOMPARE(pasteboard.readContents().string, std::optional<QString>(QStringLiteral("after the silent one")));
    }
};

QTEST_GUILESS_MAIN(TestE2eCapturePasteboard)
#include "tst_e2e_capture_pasteboard.moc"

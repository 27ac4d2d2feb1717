// SPDX-License-Identifier: GPL-3.0-or-later
// The X11 clipboard backend against real clients (xclip) on a private display.
#include "E2e.h"
#include "ScriptedClipboardOwner.h"
#include "X11TestOwner.h"
#include "platform/x11/SelectionOwner.h"
#include "platform/x11/X11Clipboard.h"

#include <QElapsedTimer>
#include <QTest>
#include <QUrl>

#include <future>

using namespace tavrin;
using namespace std::chrono_literals;

namespace {

// Waits, with the event loop running, until the count moved past `from`.
bool waitForCount(const X11Clipboard &clipboard, std::int64_t from, int timeoutMs = 3000)
{
    return QTest::qWaitFor([&] { return clipboard.changeCount() > from; }, timeoutMs);
}

// An owner that announces a large transfer and then hands over one byte at a time, slowly.
e2e::ScriptedClipboardOwner::Script tricklingOwner()
{
    e2e::ScriptedClipboardOwner::Script script = e2e::ScriptedClipboardOwner::text(QByteArray(4096, 'x'));
    script.incrAnnounced = 10 * 1024 * 1024;
    script.incrChunk = 1;
    script.chunkInterval = 300ms;
    return script;
}

// A read on a thread of its own, so the test can look at the clipboard meanwhile.
std::future<ClipboardContents> readInBackground(X11Clipboard &clipboard, const std::stop_token &stop = {})
{
    return std::async(std::launch::async, [&clipboard, stop] { return clipboard.readContents(stop); });
}

bool isDone(const std::future<ClipboardContents> &read)
{
    return read.wait_for(0ms) == std::future_status::ready;
}

}  // namespace

class TestE2eCaptureClipboard : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void copiesOfOtherClientsMoveTheCountAndReadBack()
    {
        X11Clipboard clipboard;
        QVERIFY(clipboard.isValid());
        int notices = 0;
        clipboard.setChangeListener([&] { ++notices; });
        const std::int64_t before = clipboard.changeCount();
        e2e::copyWithXclip(QStringLiteral("héllo wörld").toUtf8());
        QVERIFY(waitForCount(clipboard, before));
        QTRY_COMPARE(notices, 1);
        const ClipboardContents contents = clipboard.readContents();
        QCOMPARE(contents.string, std::optional<QString>(QStringLiteral("héllo wörld")));
        QVERIFY(contents.fileUrlItems.isEmpty());
        QVERIFY(!contents.concealed);

        e2e::copyWithXclip(QByteArray());  // an empty text is still a text
        QVERIFY(waitForCount(clipboard, before + 1));
        QCOMPARE(clipboard.readContents().string, std::optional<QString>(QString()));
    }

    void fileListsAreSplitIntoTheirUris()
    {
        X11Clipboard clipboard;
        std::int64_t count = clipboard.changeCount();
        e2e::copyWithXclip("# copied by a test\r\nfile:///tmp/one\r\nfile:///tmp/with%20space\r\n",
                           QStringLiteral("text/uri-list"));
        QVERIFY(waitForCount(clipboard, count));
        ClipboardContents contents = clipboard.readContents();
        QCOMPARE(contents.fileUrlItems, QList<QByteArray>({"file:///tmp/one", "file:///tmp/with%20space"}));
        QCOMPARE(contents.string, std::nullopt);  // xclip offered only the list

        count = clipboard.changeCount();
        e2e::copyWithXclip("cut\nfile:///tmp/gnome", QStringLiteral("x-special/gnome-copied-files"));
        QVERIFY(waitForCount(clipboard, count));
        QCOMPARE(clipboard.readContents().fileUrlItems, QList<QByteArray>({"file:///tmp/gnome"}));
    }

    void multiMegabyteTextsArriveWhole()
    {
        X11Clipboard clipboard;
        const QByteArray text = e2e::bigText(5 * 1024 * 1024);
        const std::int64_t count = clipboard.changeCount();
        e2e::copyWithXclip(text);
        QVERIFY(waitForCount(clipboard, count));
        const auto read = clipboard.readContents().string;
        QVERIFY(read.has_value());
        QCOMPARE(read->size(), QString::fromUtf8(text).size());
        QVERIFY(*read == QString::fromUtf8(text));
    }

    void ourTextIsServedToOthersAndCountedOnce()
    {
        X11Clipboard clipboard;
        int notices = 0;
        int requests = 0;
        clipboard.setChangeListener([&] { ++notices; });
        clipboard.setDataRequestListener([&] { ++requests; });
        const std::int64_t before = clipboard.changeCount();
        clipboard.writeString(QStringLiteral("from Tavrin ✓"));
        QCOMPARE(clipboard.changeCount(), before + 1);  // at once, at the write
        QTRY_COMPARE(e2e::readWithXclip().out, QStringLiteral("from Tavrin ✓").toUtf8());
        // Each paste of the data is told; asking only which types there are is not.
        QTRY_VERIFY(requests > 0);
        requests = 0;
        QCOMPARE(e2e::readWithXclip().out, QStringLiteral("from Tavrin ✓").toUtf8());
        QTRY_COMPARE(requests, 1);
        const QByteArray targets = e2e::readWithXclip(QStringLiteral("TARGETS")).out;
        QVERIFY2(targets.contains("UTF8_STRING") && targets.contains("TIMESTAMP"), targets.constData());
        QTest::qWait(100);
        QCOMPARE(requests, 1);
        QVERIFY(!targets.contains("text/uri-list"));
        QTest::qWait(200);  // the notice of our own ownership has long arrived
        QCOMPARE(clipboard.changeCount(), before + 1);
        QCOMPARE(notices, 0);
        QCOMPARE(clipboard.readContents().string, std::optional<QString>(QStringLiteral("from Tavrin ✓")));

        // A large text of ours goes out in pieces and arrives whole.
        const QByteArray text = e2e::bigText(3 * 1024 * 1024);
        clipboard.writeString(QString::fromUtf8(text));
        const e2e::ToolResult big = e2e::readWithXclip();
        QCOMPARE(big.out.size(), text.size());
        QVERIFY(big.out == text);
    }

    void ourFileIsOfferedAsAFileManagerOffersIt()
    {
        X11Clipboard clipboard;
        const QString path = QStringLiteral("/tmp/a folder/report #1.txt");
        const std::int64_t before = clipboard.changeCount();
        clipboard.writeFileUrl(path);
        QCOMPARE(clipboard.changeCount(), before + 1);
        QTRY_VERIFY(e2e::readWithXclip(QStringLiteral("TARGETS")).out.contains("text/uri-list"));
        const QByteArray targets = e2e::readWithXclip(QStringLiteral("TARGETS")).out;
        QVERIFY(targets.contains("x-special/gnome-copied-files"));
        const QByteArray uri = QUrl::fromLocalFile(path).toEncoded();
        QCOMPARE(e2e::readWithXclip(QStringLiteral("text/uri-list")).out, uri + "\r\n");
        QCOMPARE(e2e::readWithXclip(QStringLiteral("x-special/gnome-copied-files")).out, "copy\n" + uri);
        QCOMPARE(e2e::readWithXclip().out, path.toUtf8());
        QTest::qWait(200);
        QCOMPARE(clipboard.changeCount(), before + 1);
    }

    void anotherCopyEndsOurOwnershipAndCounts()
    {
        X11Clipboard clipboard;
        clipboard.writeString(QStringLiteral("ours"));
        QTRY_COMPARE(e2e::readWithXclip().out, QByteArray("ours"));
        const std::int64_t count = clipboard.changeCount();
        e2e::copyWithXclip("theirs");
        QVERIFY(waitForCount(clipboard, count));
        QCOMPARE(clipboard.readContents().string, std::optional<QString>(QStringLiteral("theirs")));
    }

    void aCopyMarkedSecretReadsAsConcealed()
    {
        // A secret-marked copy, made the way a password manager makes it.
        X11Clipboard clipboard;
        const std::int64_t count = clipboard.changeCount();
        SelectionOwner manager({});
        SelectionOffer offer = SelectionOffer::forText(QStringLiteral("hunter2"));
        offer.formats.push_back({"x-kde-passwordManagerHint", "text/plain", "secret"});
        manager.own(offer);
        QVERIFY(waitForCount(clipboard, count));
        const ClipboardContents contents = clipboard.readContents();
        QVERIFY(contents.concealed);
        QCOMPARE(contents.string, std::nullopt);
    }

    void anOwnerThatNeverAnswersCostsOneTimeout()
    {
        X11Clipboard clipboard;
        clipboard.setReadTimeout(500ms);
        const std::int64_t count = clipboard.changeCount();
        e2e::SilentClipboardOwner silent;
        QVERIFY(silent.isOwner());
        QVERIFY(waitForCount(clipboard, count));
        QElapsedTimer clock;
        clock.start();
        const ClipboardContents contents = clipboard.readContents();
        QVERIFY(clock.elapsed() >= 450);
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(contents.string, std::nullopt);
        // Told apart from a clipboard without text: the copy was lost to a slow owner, which has no class to name.
        QVERIFY(contents.ownerTooSlow);
        QCOMPARE(contents.ownerName, QString());
        // The late answer of a silent owner never mixes into the next read.
        e2e::copyWithXclip("after the silent one");
        QVERIFY(waitForCount(clipboard, count + 1));
        QCOMPARE(clipboard.readContents().string, std::optional<QString>(QStringLiteral("after the silent one")));
    }

    void aSlowOwnerIsNamedByItsWindowClass()
    {
        X11Clipboard clipboard;
        clipboard.setReadTimeout(300ms);
        for (const bool onLeader : {false, true}) {
            const std::int64_t count = clipboard.changeCount();
            e2e::ScriptedClipboardOwner::Script script = e2e::ScriptedClipboardOwner::text("held");
            script.holdUntilReleased = true;
            script.windowClass = onLeader ? "LeaderClass" : "OwnerClass";
            script.classOnClientLeader = onLeader;
            e2e::ScriptedClipboardOwner slow(script);
            QVERIFY(slow.isOwner());
            QVERIFY(waitForCount(clipboard, count));
            const ClipboardContents contents = clipboard.readContents();
            QVERIFY(contents.ownerTooSlow);
            QCOMPARE(contents.ownerName, QString::fromLatin1(script.windowClass));
            QCOMPARE(contents.string, std::nullopt);
        }
    }

    void onlyEightBitTextCountsAsText()
    {
        X11Clipboard clipboard;
        const std::int64_t count = clipboard.changeCount();
        // Offered as UTF8_STRING, delivered as a list of atoms: four bytes each, mostly zeros.
        e2e::ScriptedClipboardOwner::Script script;
        script.type = "ATOM";
        script.format = 32;
        const std::uint32_t atoms[] = {XCB_ATOM_STRING, XCB_ATOM_INTEGER};
        script.data = QByteArray(reinterpret_cast<const char *>(atoms), sizeof atoms);
        e2e::ScriptedClipboardOwner atomsAsText(script);
        QVERIFY(atomsAsText.isOwner());
        QVERIFY(waitForCount(clipboard, count));
        QCOMPARE(clipboard.readContents().string, std::nullopt);
        QCOMPARE(atomsAsText.requests(), 1);

        script.type = "INTEGER";
        e2e::ScriptedClipboardOwner integersAsText(script);
        QVERIFY(waitForCount(clipboard, count + 1));
        QCOMPARE(clipboard.readContents().string, std::nullopt);

        // Text typed as the target it was asked for is text.
        script.type = "UTF8_STRING";
        script.format = 8;
        script.data = "typed right";
        e2e::ScriptedClipboardOwner text(script);
        QVERIFY(waitForCount(clipboard, count + 2));
        QCOMPARE(clipboard.readContents().string, std::optional<QString>(QStringLiteral("typed right")));
    }

    void aTricklingTransferEndsAtTheReadsDeadline()
    {
        X11Clipboard clipboard(1000ms);
        const std::int64_t count = clipboard.changeCount();
        e2e::ScriptedClipboardOwner trickling(tricklingOwner());
        QVERIFY(waitForCount(clipboard, count));
        auto read = readInBackground(clipboard);
        // Each byte comes well within the per-request timeout; only the read's own deadline ends the transfer: its
        // timeout plus a few microseconds for the bytes received.
        QTRY_VERIFY_WITH_TIMEOUT(isDone(read), 10000);
        QCOMPARE(read.get().string, std::nullopt);
        QVERIFY(trickling.bytesSent() >= 1);
        QVERIFY(trickling.bytesSent() < 4096);
    }

    void aReadGivesUpWhenAnotherClientCopies()
    {
        X11Clipboard clipboard(60000ms);  // no deadline within the test
        const std::int64_t count = clipboard.changeCount();
        {
            e2e::ScriptedClipboardOwner trickling(tricklingOwner());
            QVERIFY(waitForCount(clipboard, count));
            auto read = readInBackground(clipboard);
            QTRY_VERIFY(trickling.bytesSent() >= 1);
            QVERIFY(!isDone(read));
            e2e::copyWithXclip("the newer copy");
            QTRY_VERIFY_WITH_TIMEOUT(isDone(read), 10000);
            QCOMPARE(read.get().string, std::nullopt);  // the old content was never complete
        }
        QCOMPARE(clipboard.readContents().string, std::optional<QString>(QStringLiteral("the newer copy")));

        // An owner that goes away mid-transfer ends the read as well.
        const std::int64_t before = clipboard.changeCount();
        auto trickling = std::make_unique<e2e::ScriptedClipboardOwner>(tricklingOwner());
        QVERIFY(waitForCount(clipboard, before));
        auto read = readInBackground(clipboard);
        QTRY_VERIFY(trickling->bytesSent() >= 1);
        trickling.reset();
        QTRY_VERIFY_WITH_TIMEOUT(isDone(read), 10000);
        QCOMPARE(read.get().string, std::nullopt);
    }

    void aStoppedReadEndsAtOnce()
    {
        X11Clipboard clipboard(60000ms);
        const std::int64_t count = clipboard.changeCount();
        e2e::ScriptedClipboardOwner::Script script = e2e::ScriptedClipboardOwner::text("never handed over");
        script.holdUntilReleased = true;
        e2e::ScriptedClipboardOwner holding(script);
        QVERIFY(waitForCount(clipboard, count));
        std::stop_source stop;
        auto read = readInBackground(clipboard, stop.get_token());
        QTRY_COMPARE(holding.requests(), 1);  // the read waits for the owner
        stop.request_stop();
        QTRY_VERIFY_WITH_TIMEOUT(isDone(read), 10000);
        QCOMPARE(read.get().string, std::nullopt);
        // The next read is not affected by the stop of the last one.
        e2e::copyWithXclip("read after a stop");
        QVERIFY(waitForCount(clipboard, count + 1));
        QCOMPARE(clipboard.readContents().string, std::optional<QString>(QStringLiteral("read after a stop")));
    }
};

QTEST_GUILESS_MAIN(TestE2eCaptureClipboard)
#include "tst_e2e_capture_clipboard.moc"

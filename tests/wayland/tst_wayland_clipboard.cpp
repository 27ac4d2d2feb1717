// SPDX-License-Identifier: GPL-3.0-or-later
// The Wayland clipboard backend against a real compositor (headless sway) and real clients (wl-copy, wl-paste).
// Qt itself runs offscreen here: the backend has a connection of its own.
#include "E2e.h"
#include "WaylandTools.h"
#include "platform/wayland/WaylandClipboard.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>

#include <csignal>

using namespace tavrin;
using namespace tavrin::wayland;
using namespace std::chrono_literals;

namespace {

// Waits, with the event loop running, until the count moved past `from`.
bool waitForCount(const WaylandClipboard &clipboard, std::int64_t from, int timeoutMs = 3000)
{
    return QTest::qWaitFor([&] { return clipboard.changeCount() > from; }, timeoutMs);
}

}  // namespace

class TestWaylandClipboard : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        // A warning of the backend is a fault here.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    }

    void theCompositorOffersDataControl()
    {
        WaylandClipboard clipboard;
        QVERIFY2(clipboard.isValid(), qPrintable(clipboard.problem()));
        QCOMPARE(clipboard.protocolName(), QStringLiteral("zwlr_data_control_manager_v1"));
        QVERIFY(clipboard.hasPrimarySelection());
        QVERIFY(clipboard.problem().isEmpty());
    }

    void copiesOfOtherProgramsMoveTheCountAtOnceAndReadBack()
    {
        WaylandClipboard clipboard;
        int notices = 0;
        clipboard.setChangeListener([&] { ++notices; });
        const std::int64_t before = clipboard.changeCount();
        QElapsedTimer clock;
        clock.start();
        copyWithWlCopy(QStringLiteral("héllo wörld").toUtf8());
        QVERIFY(waitForCount(clipboard, before));
        QVERIFY2(clock.elapsed() < 1100, qPrintable(QString::number(clock.elapsed())));
        QTRY_COMPARE(notices, 1);
        QCOMPARE(clipboard.changeCount(), before + 1);
        const ClipboardContents contents = clipboard.readContents();
        QCOMPARE(contents.string, std::optional<QString>(QStringLiteral("héllo wörld")));
        QVERIFY(contents.fileUrlItems.isEmpty());
        QVERIFY(!contents.concealed);
    }

    void fileListsAreSplitIntoTheirUris()
    {
        WaylandClipboard clipboard;
        std::int64_t count = clipboard.changeCount();
        copyWithWlCopy("# copied by a test\r\nfile:///tmp/one\r\nfile:///tmp/with%20space\r\n",
                       QStringLiteral("text/uri-list"));
        QVERIFY(waitForCount(clipboard, count));
        ClipboardContents contents = clipboard.readContents();
        QCOMPARE(contents.fileUrlItems, QList<QByteArray>({"file:///tmp/one", "file:///tmp/with%20space"}));

        count = clipboard.changeCount();
        copyWithWlCopy("cut\nfile:///tmp/gnome", QStringLiteral("x-special/gnome-copied-files"));
        QVERIFY(waitForCount(clipboard, count));
        QCOMPARE(clipboard.readContents().fileUrlItems, QList<QByteArray>({"file:///tmp/gnome"}));
    }

    void multiMegabyteTextsArriveWhole()
    {
        WaylandClipboard clipboard;
        const QByteArray text = e2e::bigText(5 * 1024 * 1024);
        const std::int64_t count = clipboard.changeCount();
        copyWithWlCopy(text);
        QVERIFY(waitForCount(clipboard, count));
        const auto read = clipboard.readContents().string;
        QVERIFY(read.has_value());
        QCOMPARE(read->size(), QString::fromUtf8(text).size());
        QVERIFY(*read == QString::fromUtf8(text));
    }

    void ourTextIsServedToOthersAndNeverCountedAgain()
    {
        WaylandClipboard clipboard;
        int notices = 0;
        int requests = 0;
        clipboard.setChangeListener([&] { ++notices; });
        clipboard.setDataRequestListener([&] { ++requests; });
        const std::int64_t before = clipboard.changeCount();
        clipboard.writeString(QStringLiteral("from Tavrin ✓"));
        QCOMPARE(clipboard.changeCount(), before + 1);  // at once, at the write
        QTRY_COMPARE(pasteWithWlPaste(), QStringLiteral("from Tavrin ✓").toUtf8());
        // Each paste of the data is told; asking only which types there are is not.
        QTRY_VERIFY(requests > 0);
        requests = 0;
        QCOMPARE(pasteWithWlPaste(), QStringLiteral("from Tavrin ✓").toUtf8());
        QTRY_COMPARE(requests, 1);
        const QStringList types = clipboardTypes();
        // Another paste after it: the program is told of each request before it serves the data, so once that paste
        // has its data every request before it has been told too.
        QCOMPARE(pasteWithWlPaste(), QStringLiteral("from Tavrin ✓").toUtf8());
        QCoreApplication::processEvents();
        QCOMPARE(requests, 2);
        QVERIFY2(types.contains(QStringLiteral("text/plain;charset=utf-8")), qPrintable(types.join(' ')));
        QVERIFY(types.contains(QStringLiteral("UTF8_STRING")));
        QVERIFY(!types.contains(QStringLiteral("text/uri-list")));
        QCOMPARE(clipboard.readContents().string, std::optional<QString>(QStringLiteral("from Tavrin ✓")));

        // Events reach us in order: once another program's copy is counted, the echo of ours came before it.
        copyWithWlCopy("theirs");
        QVERIFY(waitForCount(clipboard, before + 1));
        QCOMPARE(clipboard.readContents().string, std::optional<QString>(QStringLiteral("theirs")));
        QCOMPARE(clipboard.changeCount(), before + 2);
        QTRY_COMPARE(notices, 1);

        // A large text of ours is written in pieces as the reader takes them and arrives whole.
        const QByteArray text = e2e::bigText(3 * 1024 * 1024);
        clipboard.writeString(QString::fromUtf8(text));
        const QByteArray pasted = pasteWithWlPaste();
        QCOMPARE(pasted.size(), QString::fromUtf8(text).toUtf8().size());
        QVERIFY(pasted == QString::fromUtf8(text).toUtf8());
    }

    void ourFileIsOfferedAsAFileManagerOffersIt()
    {
        WaylandClipboard clipboard;
        const QString path = QStringLiteral("/tmp/a folder/report #1.txt");
        const std::int64_t before = clipboard.changeCount();
        clipboard.writeFileUrl(path);
        QCOMPARE(clipboard.changeCount(), before + 1);
        QTRY_VERIFY(clipboardTypes().contains(QStringLiteral("text/uri-list")));
        QVERIFY(clipboardTypes().contains(QStringLiteral("x-special/gnome-copied-files")));
        const QByteArray uri = QUrl::fromLocalFile(path).toEncoded();
        QCOMPARE(pasteWithWlPaste(QStringLiteral("text/uri-list")), uri + "\r\n");
        QCOMPARE(pasteWithWlPaste(QStringLiteral("x-special/gnome-copied-files")), "copy\n" + uri);
        QCOMPARE(pasteWithWlPaste(QStringLiteral("text/plain;charset=utf-8")), path.toUtf8());
        const ClipboardContents contents = clipboard.readContents();
        QCOMPARE(contents.fileUrlItems, QList<QByteArray>({uri}));
    }

    void anotherInstancesWritesAreForeignAndASecretIsConcealed()
    {
        // A copy marked secret, made the way a password manager makes it, by another program.
        WaylandClipboard clipboard;
        WaylandClipboard passwordManager;
        const std::int64_t count = clipboard.changeCount();
        SelectionOffer offer = SelectionOffer::forText(QStringLiteral("hunter2"));
        offer.formats.push_back({"x-kde-passwordManagerHint", {}, "secret"});
        passwordManager.writeOffer(offer);
        QVERIFY(waitForCount(clipboard, count));
        const ClipboardContents contents = clipboard.readContents();
        QVERIFY(contents.concealed);
        QCOMPARE(contents.string, std::nullopt);

        // A hint that says anything else is an ordinary copy.
        offer = SelectionOffer::forText(QStringLiteral("not secret"));
        offer.formats.push_back({"x-kde-passwordManagerHint", {}, "public"});
        passwordManager.writeOffer(offer);
        QVERIFY(waitForCount(clipboard, count + 1));
        QCOMPARE(clipboard.readContents().string, std::optional<QString>(QStringLiteral("not secret")));
    }

    void theClipboardKeepsItsContentWhenTheCopyingProgramQuits()
    {
        WaylandClipboard clipboard;
        const std::int64_t count = clipboard.changeCount();
        const auto owner = startForegroundCopy("kept after its owner quit");
        QVERIFY(owner);
        QVERIFY(waitForCount(clipboard, count));
        QCOMPARE(clipboard.readContents().string, std::optional<QString>(QStringLiteral("kept after its owner quit")));
        owner->terminate();
        QVERIFY(owner->waitForFinished(5000));
        // For a moment nothing is selected; then our offer of the same content stands in.
        QTRY_VERIFY(clipboardTypes().contains(QStringLiteral("text/plain;charset=utf-8")));
        QCOMPARE(pasteWithWlPaste(), QByteArray("kept after its owner quit"));
        QCOMPARE(clipboard.changeCount(), count + 1);  // the history already has it: no new change
        QCOMPARE(clipboard.readContents().string, std::optional<QString>(QStringLiteral("kept after its owner quit")));

        // A copy whose content was never read is not brought back: nobody knows it.
        const auto unread = startForegroundCopy("never read");
        QVERIFY(waitForCount(clipboard, count + 1));
        unread->terminate();
        QVERIFY(unread->waitForFinished(5000));
        QVERIFY(waitForCount(clipboard, count + 2));
        QTRY_VERIFY(clipboardTypes().isEmpty());
        QCOMPARE(clipboard.readContents().string, std::nullopt);
    }

    void theLastWriteIsOfferedAsThePrimarySelection()
    {
        WaylandClipboard clipboard;
        clipboard.writeString(QStringLiteral("for the middle button"));
        const std::int64_t count = clipboard.changeCount();
        clipboard.offerAsPrimarySelection();
        // Offered once it returns: no waiting here.
        QCOMPARE(pasteWithWlPaste(QString(), true), QByteArray("for the middle button"));
        QCOMPARE(clipboard.changeCount(), count);
    }

    void anOwnerThatNeverAnswersCostsOneDeadline()
    {
        WaylandClipboard clipboard;
        clipboard.setReadTimeout(300ms);
        const std::int64_t count = clipboard.changeCount();
        const auto owner = startForegroundCopy("frozen");
        QVERIFY(owner);
        QVERIFY(waitForCount(clipboard, count));
        ::kill(pid_t(owner->processId()), SIGSTOP);
        QElapsedTimer clock;
        clock.start();
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("the clipboard's owner did not hand over .* within 300 "
                                                               "ms; the copy is not recorded")));
        const ClipboardContents contents = clipboard.readContents();
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(contents.string, std::nullopt);
        // Told apart from a clipboard without text: the copy was lost to a slow owner.
        QVERIFY(contents.ownerTooSlow);
        ::kill(pid_t(owner->processId()), SIGCONT);
        owner->kill();
        QVERIFY(owner->waitForFinished(5000));
    }
};

QTEST_GUILESS_MAIN(TestWaylandClipboard)
#include "tst_wayland_clipboard.moc"

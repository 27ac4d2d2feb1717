// SPDX-License-Identifier: GPL-3.0-or-later
// The Wayland backend's logic that needs no compositor: clipboard types and our mark, the ledger of our own
// writes, pipe transfers and the two protocol families.
#include "platform/common/SelectionOffer.h"
#include "platform/wayland/ClipboardTypes.h"
#include "platform/wayland/DataControlProtocol.h"
#include "platform/wayland/PipeIo.h"
#include "platform/wayland/SelectionLedger.h"

#include <wayland-util.h>

#include <QElapsedTimer>
#include <QTest>

#include <csignal>
#include <thread>
#include <unistd.h>

using namespace tavrin;
using namespace std::chrono_literals;
using Verdict = SelectionLedger::Verdict;

class TestWaylandFormats : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ourMarkNamesTheInstanceAndTheWrite()
    {
        const clipboardTypes::OwnMark mark{0xfedcba9876543210ull, 42};
        const std::string type = clipboardTypes::ownMarkType(mark);
        QCOMPARE(clipboardTypes::findOwnMark({"text/plain", type}), std::optional(mark));
        QCOMPARE(clipboardTypes::findOwnMark({"text/plain", "UTF8_STRING"}), std::nullopt);
        QCOMPARE(clipboardTypes::findOwnMark({"application/x-tavrin-offer;instance=zz;serial=1"}), std::nullopt);
        QCOMPARE(clipboardTypes::findOwnMark({"application/x-tavrin-offer;instance=12"}), std::nullopt);
        QCOMPARE(clipboardTypes::findOwnMark({"application/x-tavrin-offer;instance=;serial=1"}), std::nullopt);
    }

    void textIsReadFromTheBestTypeInTheOwnersSpelling()
    {
        using clipboardTypes::preferredTextType;
        QCOMPARE(preferredTextType({"STRING", "text/plain", "text/plain;charset=utf-8", "UTF8_STRING"}),
                 std::string("text/plain;charset=utf-8"));
        QCOMPARE(preferredTextType({"text/plain; charset=UTF-8", "TEXT"}), std::string("text/plain; charset=UTF-8"));
        QCOMPARE(preferredTextType({"STRING", "TEXT"}), std::string("TEXT"));
        QCOMPARE(preferredTextType({"image/png", "text/uri-list"}), std::string());
        QCOMPARE(clipboardTypes::preferredFileListType({"x-special/gnome-copied-files", "text/uri-list"}),
                 std::string("text/uri-list"));
        QCOMPARE(clipboardTypes::preferredFileListType({"text/plain"}), std::string());
        QCOMPARE(clipboardTypes::decodeText("STRING", "caf\xe9"), QStringLiteral("café"));
        QCOMPARE(clipboardTypes::decodeText("text/plain", "caf\xc3\xa9"), QStringLiteral("café"));
    }

    void contentReadFromAnotherProgramIsOfferedAgainWhole()
    {
        ClipboardContents contents;
        contents.fileUrlItems = {"file:///a", "file:///b%20c"};
        contents.string = QStringLiteral("/a");
        const SelectionOffer offer = SelectionOffer::forContents(contents);
        QCOMPARE(offer.formats.at(0).target, std::string("text/uri-list"));
        QCOMPARE(offer.formats.at(0).data, QByteArray("file:///a\r\nfile:///b%20c\r\n"));
        QCOMPARE(offer.formats.at(1).data, QByteArray("copy\nfile:///a\nfile:///b%20c"));
        QCOMPARE(offer.contents.fileUrlItems, contents.fileUrlItems);
        QCOMPARE(offer.contents.string, contents.string);

        ClipboardContents text;
        text.string = QStringLiteral("just text");
        QCOMPARE(SelectionOffer::forContents(text).formats.size(), SelectionOffer::forText(QString()).formats.size());
    }

    void theLedgerTellsOurEchoesFromOtherProgramsCopies()
    {
        SelectionLedger ledger;
        QCOMPARE(ledger.classify(false, std::nullopt), Verdict::Foreign);
        QCOMPARE(ledger.classify(true, std::nullopt), Verdict::Emptied);

        // A copy announced between our write and its echo was replaced by our write before anyone read it.
        const std::uint64_t first = ledger.beginWrite();
        QVERIFY(ledger.awaitingWrite());
        QCOMPARE(ledger.classify(false, std::nullopt), Verdict::Superseded);
        QCOMPARE(ledger.classify(true, std::nullopt), Verdict::Superseded);
        QCOMPARE(ledger.classify(false, first), Verdict::Ours);
        QVERIFY(!ledger.awaitingWrite());
        QCOMPARE(ledger.classify(false, std::nullopt), Verdict::Foreign);

        // Echoes come in order: the last one settles the earlier writes too.
        ledger.beginWrite();
        const std::uint64_t third = ledger.beginWrite();
        QCOMPARE(ledger.classify(false, third), Verdict::Ours);
        QCOMPARE(ledger.classify(false, std::nullopt), Verdict::Foreign);

        // A write that will never be announced stops being awaited.
        const std::uint64_t lost = ledger.beginWrite();
        ledger.settle(lost);
        QCOMPARE(ledger.classify(false, std::nullopt), Verdict::Foreign);
        // An old echo arriving late changes nothing for what follows.
        QCOMPARE(ledger.classify(false, first), Verdict::Ours);
        QCOMPARE(ledger.classify(false, std::nullopt), Verdict::Foreign);
    }

    void aPipeIsReadUntilItsWriterClosesIt()
    {
        const auto [readEnd, writeEnd] = pipeIo::openPipe();
        QVERIFY(readEnd >= 0);
        const QByteArray data(300 * 1024, 'x');
        std::thread writer([fd = writeEnd, &data] {
            [[maybe_unused]] const ssize_t n = ::write(fd, data.constData(), std::size_t(data.size()));
            ::close(fd);
        });
        const auto read = pipeIo::readAll(readEnd, 2000ms, 1024 * 1024);
        writer.join();
        QCOMPARE(read, std::optional(data));
    }

    void aStalledOrOversizedWriterGivesNothing()
    {
        auto [readEnd, writeEnd] = pipeIo::openPipe();
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(pipeIo::readAll(readEnd, 100ms, 1024), std::nullopt);
        QVERIFY(clock.elapsed() >= 100);
        QVERIFY(clock.elapsed() < 2000);
        ::close(writeEnd);

        std::tie(readEnd, writeEnd) = pipeIo::openPipe();
        [[maybe_unused]] const ssize_t n = ::write(writeEnd, "0123456789", 10);
        ::close(writeEnd);
        QCOMPARE(pipeIo::readAll(readEnd, 100ms, 9), std::nullopt);
        QCOMPARE(pipeIo::readAll(-1, 100ms, 9), std::nullopt);
    }

    void aWriterSendsAsTheReaderTakesAndSurvivesAReaderThatLeaves()
    {
        // The client's thread blocks SIGPIPE; so does this one.
        sigset_t pipeSignal;
        sigemptyset(&pipeSignal);
        sigaddset(&pipeSignal, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);

        auto [readEnd, writeEnd] = pipeIo::openPipe();
        const QByteArray data(1024 * 1024, 'y');
        std::optional<QByteArray> received;
        std::thread reader([&, fd = readEnd] { received = pipeIo::readAll(fd, 2000ms, 4 * 1024 * 1024); });
        {
            pipeIo::Writer writer(writeEnd, data);
            while (writer.writeSome())
                std::this_thread::sleep_for(1ms);
        }
        reader.join();
        QCOMPARE(received, std::optional(data));

        std::tie(readEnd, writeEnd) = pipeIo::openPipe();
        pipeIo::Writer writer(writeEnd, data);
        QVERIFY(writer.writeSome());  // the pipe is full
        ::close(readEnd);
        QVERIFY(!writer.writeSome());  // the reader left: the transfer ends, the program goes on
    }

    void bothProtocolFamiliesHaveTheSameMessages()
    {
        const dataControl::Family &ext = dataControl::extFamily();
        const dataControl::Family &wlr = dataControl::wlrFamily();
        const std::pair<const wl_interface *, const wl_interface *> pairs[] = {
            {ext.manager, wlr.manager}, {ext.device, wlr.device}, {ext.source, wlr.source}, {ext.offer, wlr.offer}};
        for (const auto &[a, b] : pairs) {
            QCOMPARE(a->method_count, b->method_count);
            QCOMPARE(a->event_count, b->event_count);
            for (int i = 0; i < a->method_count; ++i) {
                QCOMPARE(a->methods[i].name, b->methods[i].name);
                // wlroots marks its version 2 messages with a leading "2"; the arguments are the same.
                QCOMPARE(QByteArray(a->methods[i].signature).replace("2", ""),
                         QByteArray(b->methods[i].signature).replace("2", ""));
            }
            for (int i = 0; i < a->event_count; ++i) {
                QCOMPARE(a->events[i].name, b->events[i].name);
                QCOMPARE(QByteArray(a->events[i].signature).replace("2", ""),
                         QByteArray(b->events[i].signature).replace("2", ""));
            }
        }
        QCOMPARE(wlr.primarySince, 2u);
        QCOMPARE(ext.primarySince, 1u);
    }
};

QTEST_GUILESS_MAIN(TestWaylandFormats)
#include "tst_wayland_formats.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The X11 backend's file lists and sound files, without a display.
#include "CapturedOutput.h"
#include "platform/common/CanberraSoundPlayer.h"
#include "platform/common/UriList.h"
#include "platform/x11/SelectionOwner.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrin;

namespace {

QStringList g_messages;
void collectMessage(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    if (QByteArray(context.category) == "tavrin.platform")
        g_messages.append(message);
}

}  // namespace

class TestX11Formats : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void uriListsDropCommentsBlankLinesAndLineEnds()
    {
        QCOMPARE(splitUriList("# a comment\r\nfile:///a\r\n\r\nfile:///b%20c\nhttps://x.example/\r\n"),
                 QList<QByteArray>({"file:///a", "file:///b%20c", "https://x.example/"}));
        QCOMPARE(splitUriList(""), QList<QByteArray>());
        QCOMPARE(splitGnomeCopiedFiles("copy\nfile:///a\nfile:///b"), QList<QByteArray>({"file:///a", "file:///b"}));
        QCOMPARE(splitGnomeCopiedFiles("cut\r\nfile:///a\r\n"), QList<QByteArray>({"file:///a"}));
        QCOMPARE(splitGnomeCopiedFiles("copy"), QList<QByteArray>());
    }

    void aFileIsOfferedLikeAFileManagerOffersIt()
    {
        QCOMPARE(uriListForPath(QStringLiteral("/tmp/a b/ü#1")), QByteArray("file:///tmp/a%20b/%C3%BC%231\r\n"));
        QCOMPARE(gnomeCopiedFilesForPath(QStringLiteral("/tmp/x")), QByteArray("copy\nfile:///tmp/x"));
        const SelectionOffer offer = SelectionOffer::forFile(QStringLiteral("/tmp/x"));
        QStringList targets;
        for (const auto &format : offer.formats)
            targets << QString::fromStdString(format.target);
        QVERIFY(targets.startsWith(QStringLiteral("text/uri-list")));
        QVERIFY(targets.contains(QStringLiteral("x-special/gnome-copied-files")));
        QVERIFY(targets.contains(QStringLiteral("UTF8_STRING")));
        QCOMPARE(offer.contents.string, std::optional<QString>(QStringLiteral("/tmp/x")));
        QCOMPARE(SelectionOffer::forText(QStringLiteral("€")).formats.at(2).data,
                 QByteArray("?"));  // STRING is Latin-1
    }

    void theThreeSoundsAreShortWavFiles()
    {
        CanberraSoundPlayer player(QStringLiteral(TAVRIN_SOUNDS_DIR));
        for (const QString &name : {QStringLiteral("Frog"), QStringLiteral("Ping"), QStringLiteral("Pop")}) {
            QFile file(player.fileFor(name));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
            const QByteArray bytes = file.readAll();
            QVERIFY(bytes.startsWith("RIFF") && bytes.mid(8, 8) == "WAVEfmt ");
            const double seconds = double(bytes.size() - 44) / (44100 * 2);
            QVERIFY2(seconds > 0.03 && seconds < 0.6, qPrintable(QString::number(seconds)));
        }
        QVERIFY(player.fileFor(QStringLiteral("Basso")).isEmpty());
    }

    void theSoundsAreFoundInTheBuildTreeAndUnderThePrefix()
    {
        QTemporaryDir prefix;
        const QString bin = prefix.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));
        // Installed: share/ under the program's own prefix, never the user's data folder.
        QCOMPARE(CanberraSoundPlayer::soundsFolderFor(bin),
                 prefix.filePath(QStringLiteral("share/sounds/io.tavrin.Tavrin")));
        // In the build tree the sounds lie beside the program.
        QVERIFY(QDir().mkpath(bin + QStringLiteral("/sounds")));
        QCOMPARE(CanberraSoundPlayer::soundsFolderFor(bin), bin + QStringLiteral("/sounds"));

        // A folder without them is said once, naming each missing file; the program goes on silently.
        QTest::ignoreMessage(
            QtWarningMsg, QRegularExpression(QStringLiteral("feedback sounds missing.*frog.wav.*ping.wav.*pop.wav")));
        CanberraSoundPlayer silent(prefix.filePath(QStringLiteral("none")));
        QVERIFY(silent.fileFor(QStringLiteral("Ping")).isEmpty());
        silent.play(QStringLiteral("Ping"));
        silent.waitUntilIdle();
        QCOMPARE(silent.handedOver(), 0);
    }

    void playingNeverWaitsForTheDevice()
    {
        // With or without a sound device (CI has none) play() only queues: the thread hands each known sound over.
        CanberraSoundPlayer player(QStringLiteral(TAVRIN_SOUNDS_DIR));
        player.play(QStringLiteral("Unknown"));
        player.play(QStringLiteral("Frog"));
        player.play(QStringLiteral("Ping"));
        player.play(QStringLiteral("Pop"));
        player.waitUntilIdle();
        QCOMPARE(player.handedOver(), 3);
    }

    void aMachineWithoutSoundSaysSoInOneLine()
    {
        g_messages.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collectMessage);
        test::CapturedOutput standardError(stderr);
        {
            CanberraSoundPlayer player(QStringLiteral(TAVRIN_SOUNDS_DIR));
            for (int i = 0; i < 3; ++i) {
                player.play(QStringLiteral("Frog"));
                player.waitUntilIdle();
            }
            // Where sounds work, nothing at all is said.
            QCOMPARE(g_messages.size(), player.refused() > 0 ? 1 : 0);
        }
        qInstallMessageHandler(previous);
        const QByteArray written = standardError.text();
        QVERIFY2(!written.contains("ALSA"), written.constData());
        if (!g_messages.isEmpty())
            QVERIFY2(g_messages.constFirst().startsWith(QStringLiteral("sounds cannot be played")),
                     qPrintable(g_messages.constFirst()));
    }
};

QTEST_GUILESS_MAIN(TestX11Formats)
#include "tst_x11_formats.moc"

// The real binary records what other clients copy, and keeps it across a clean quit.
#include "E2e.h"
#include "X11TestOwner.h"
#include "platform/x11/SelectionOwner.h"
#include "store/StringListFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrin;

namespace {

QStringList historyOnDisk()
{
    if (!QFileInfo::exists(e2e::historyPath()))
        return {};
    return readStringListAtPath(e2e::historyPath());
}

}  // namespace

class TestE2eCapture : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        e2e::forgetStoredState();
        e2e::clearClipboard();
    }

    void aCopyIsInTheHistoryWithinASecondAndSurvivesAQuitBeforeTheSave()
    {
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.startAndWaitForMonitor());
        QElapsedTimer clock;
        clock.start();
        e2e::copyWithXclip("copied in another application");
        // A quit at 1.1 s, long before the 5 s save: the entry must already be in the history, and the quit
        // writes it.
        QTest::qWait(int(std::max<qint64>(0, 1100 - clock.elapsed())));
        QVERIFY(tavrin.terminate());
        QCOMPARE(tavrin.exitCode(), 0);
        QCOMPARE(historyOnDisk(), QStringList({QStringLiteral("copied in another application")}));
    }

    void theHistoryFileIsWrittenFiveSecondsAfterTheCopy()
    {
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.startAndWaitForMonitor());
        QElapsedTimer clock;
        clock.start();
        e2e::copyWithXclip("saved later");
        QTest::qWait(3500);
        QVERIFY(historyOnDisk().isEmpty());
        QVERIFY(QTest::qWaitFor([] { return !historyOnDisk().isEmpty(); }, 5000));
        QVERIFY2(clock.elapsed() >= 4900, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(historyOnDisk(), QStringList({QStringLiteral("saved later")}));
    }

    void filesAndQuickSuccessiveCopiesAreEachRecorded()
    {
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.startAndWaitForMonitor());
        e2e::copyWithXclip("file:///tmp/some%20folder/a%20file.txt\r\n", QStringLiteral("text/uri-list"));
        QTest::qWait(300);
        e2e::copyWithXclip("first of two");
        QTest::qWait(200);
        e2e::copyWithXclip("second of two");
        // The save five seconds after the last copy shows what was recorded, without guessing how long it took.
        QTRY_COMPARE_WITH_TIMEOUT(historyOnDisk(),
                                  QStringList({QStringLiteral("second of two"), QStringLiteral("first of two"),
                                               QStringLiteral("/tmp/some folder/a file.txt")}),
                                  10000);
    }

    void aCopyMarkedSecretIsNotRecorded()
    {
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.startAndWaitForMonitor());
        {
            SelectionOwner passwordManager({});
            SelectionOffer offer = SelectionOffer::forText(QStringLiteral("hunter2"));
            offer.formats.push_back({"x-kde-passwordManagerHint", "text/plain", "secret"});
            passwordManager.own(offer);
            QTRY_COMPARE(e2e::readWithXclip().out, QByteArray("hunter2"));
            QTest::qWait(1200);
        }
        e2e::copyWithXclip("after the password");
        QTRY_COMPARE_WITH_TIMEOUT(historyOnDisk(), QStringList({QStringLiteral("after the password")}), 10000);
    }

    void theTextOnTheClipboardAtLaunchIsRecordedOnce()
    {
        e2e::copyWithXclip("there before the launch");
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.startAndWaitForMonitor());
        QCOMPARE(historyOnDisk(), QStringList({QStringLiteral("there before the launch")}));
        QTest::qWait(1200);  // the first tick finds no new change
        QVERIFY(tavrin.terminate());
        QCOMPARE(historyOnDisk(), QStringList({QStringLiteral("there before the launch")}));
    }
};

QTEST_GUILESS_MAIN(TestE2eCapture)
#include "tst_e2e_capture.moc"

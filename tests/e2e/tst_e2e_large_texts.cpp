// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of any size given to the real program, through the command line and straight over the bus: up to the
// documented limit they are added, beyond it refused with the limit named, and whatever came, the program still
// answers every command and ends on SIGTERM with its history saved.
#include "E2e.h"
#include "store/StringListFiles.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QTest>

using namespace tavrin;

namespace {

constexpr qint64 kMegabyte = 1000 * 1000;
// The documented limit: 48 MiB of UTF-8.
constexpr qint64 kLimit = qint64(48) << 20;

// ASCII lines, so that the size in UTF-8 is the size in bytes: one block of numbered lines, repeated.
QByteArray asciiText(qint64 bytes)
{
    QByteArray block;
    for (int i = 0; block.size() < 1000 * 1000; ++i)
        block += "line " + QByteArray::number(i) + " of a large text\n";
    QByteArray text = block.repeated(int(bytes / block.size()) + 1);
    text.truncate(bytes);
    return text;
}

// The first bytes of text, without a copy.
QByteArray first(const QByteArray &text, qint64 bytes)
{
    return QByteArray::fromRawData(text.constData(), bytes);
}

QDBusMessage callControl(const QString &method, const QVariantList &arguments = {})
{
    const QString service = QStringLiteral("io.tavrin.Tavrin.display_") + qEnvironmentVariable("DISPLAY").mid(1);
    QDBusMessage call = QDBusMessage::createMethodCall(service, QStringLiteral("/io/tavrin/Tavrin/Control"),
                                                       QStringLiteral("io.tavrin.Tavrin.Control"), method);
    call.setArguments(arguments);
    return QDBusConnection::sessionBus().call(call, QDBus::Block, 60000);
}

}  // namespace

class TestE2eLargeTexts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { e2e::forgetStoredState(); }

    void textsOfAnySizeLeaveTheProgramAnswering()
    {
        e2e::TavrinProcess tavrin;
        QVERIFY(tavrin.startAndWaitForMonitor());

        const QByteArray text = asciiText(200 * kMegabyte);
        const QByteArray megabyte = first(text, kMegabyte);
        const e2e::ToolResult added = e2e::tavrinCommand({QStringLiteral("add"), QStringLiteral("-")}, megabyte, 60000);
        QCOMPARE(added.exitCode, 0);

        // Beyond the limit the command line refuses before anything is sent, and says how much it takes.
        for (const qint64 size : {60 * kMegabyte, 70 * kMegabyte, 200 * kMegabyte}) {
            const e2e::ToolResult refused =
                e2e::tavrinCommand({QStringLiteral("add"), QStringLiteral("-")}, first(text, size), 60000);
            QCOMPARE(refused.exitCode, 1);
            QVERIFY2(refused.err.contains(QByteArray("more than ") + QByteArray::number(kLimit) + " bytes (48 MiB)"),
                     refused.err.constData());
        }

        // The program refuses as well, whatever client calls it: 60 MB, and 70 MB, more than libdbus holds before it
        // pauses reading a connection (which once left the program deaf to every later call).
        for (const qint64 size : {60 * kMegabyte, 70 * kMegabyte}) {
            const QDBusMessage reply = callControl(QStringLiteral("Add"), {QString::fromLatin1(first(text, size))});
            QCOMPARE(reply.type(), QDBusMessage::ErrorMessage);
            QCOMPARE(reply.errorName(), QStringLiteral("io.tavrin.Tavrin.Error.TooLarge"));
            QVERIFY2(reply.errorMessage().contains(QStringLiteral("at most %1 bytes").arg(kLimit)),
                     qPrintable(reply.errorMessage()));
            // Still answering, at once.
            QCOMPARE(callControl(QStringLiteral("IsPaused")).type(), QDBusMessage::ReplyMessage);
        }
        // Just within the limit, straight over the bus: added.
        const QByteArray largest = first(text, kLimit);
        QCOMPARE(callControl(QStringLiteral("Add"), {QString::fromLatin1(largest)}).type(), QDBusMessage::ReplyMessage);

        const e2e::ToolResult listed =
            e2e::tavrinCommand({QStringLiteral("list"), QStringLiteral("--limit"), QStringLiteral("2"),
                                QStringLiteral("--width"), QStringLiteral("12")});
        QCOMPARE(listed.exitCode, 0);
        QCOMPARE(listed.out.count('\n'), 2);
        QVERIFY2(listed.out.startsWith("1\tline 0 of a") && listed.out.contains("\n2\tline 0 of a"),
                 listed.out.constData());

        // SIGTERM ends it, with both texts saved.
        QVERIFY(tavrin.terminate(60000));
        QCOMPARE(tavrin.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tavrin.exitCode(), 0);
        const QStringList saved = readStringListAtPath(e2e::historyPath());
        QVERIFY(saved.size() >= 2);
        QCOMPARE(saved.at(0).size(), largest.size());
        QCOMPARE(saved.at(1), QString::fromLatin1(megabyte));
    }
};

QTEST_GUILESS_MAIN(TestE2eLargeTexts)
#include "tst_e2e_large_texts.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The Wayland clipboard over the ext family of the clipboard-manager protocol, against a compositor written for the
// test that offers only that family (no compositor on this system does yet).
#include "ExtDataControlServer.h"
#include "platform/wayland/WaylandCapabilities.h"
#include "platform/wayland/WaylandClipboard.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrin;
using namespace std::chrono_literals;

namespace {

constexpr const char *kUtf8Text = "text/plain;charset=utf-8";

}  // namespace

class TestExtDataControl : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    }

    void init()
    {
        // A warning of the backend is a fault here.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        m_server = std::make_unique<test::ExtDataControlServer>();
        QVERIFY(!m_server->socketName().empty());
    }

    void cleanup() { m_server.reset(); }

    void theProbeAndTheClipboardChooseTheExtFamily()
    {
        const WaylandProtocols offered = probeWaylandProtocols(m_server->socketName().c_str());
        QCOMPARE(offered.dataControl, std::string("ext_data_control_manager_v1"));
        QVERIFY(offered.primarySelection);
        QVERIFY(offered.supportsClipboard());
        QVERIFY(!offered.virtualKeyboard);

        WaylandClipboard clipboard(1s, m_server->socketName().c_str());
        QVERIFY2(clipboard.isValid(), qPrintable(clipboard.problem()));
        QCOMPARE(clipboard.protocolName(), QStringLiteral("ext_data_control_manager_v1"));
        QVERIFY(clipboard.hasPrimarySelection());
        QTRY_COMPARE(m_server->deviceCount(), 1);
    }

    void aCopyTheCompositorAnnouncesIsCountedAndRead()
    {
        WaylandClipboard clipboard(1s, m_server->socketName().c_str());
        QVERIFY(clipboard.isValid());
        int notices = 0;
        clipboard.setChangeListener([&] { ++notices; });
        const std::int64_t before = clipboard.changeCount();

        m_server->copy({{kUtf8Text, QByteArray("copied through ext ✓")}, {"text/html", QByteArray("<b>x</b>")}});
        QTRY_COMPARE(notices, 1);
        QCOMPARE(clipboard.changeCount(), before + 1);
        const ClipboardContents contents = clipboard.readContents();
        QCOMPARE(contents.string, std::optional<QString>(QStringLiteral("copied through ext ✓")));
        QVERIFY(contents.fileUrlItems.isEmpty());

        m_server->copy({{"text/uri-list", QByteArray("file:///tmp/a%20b\r\nfile:///tmp/c\r\n")}});
        QTRY_COMPARE(notices, 2);
        QCOMPARE(clipboard.readContents().fileUrlItems,
                 QList<QByteArray>({QByteArray("file:///tmp/a%20b"), QByteArray("file:///tmp/c")}));
    }

    void whatTheProgramWritesIsTheSeatsClipboardAndIsServedToOthers()
    {
        WaylandClipboard clipboard(1s, m_server->socketName().c_str());
        QVERIFY(clipboard.isValid());
        int notices = 0;
        int requests = 0;
        clipboard.setChangeListener([&] { ++notices; });
        clipboard.setDataRequestListener([&] { ++requests; });
        const std::int64_t before = clipboard.changeCount();

        clipboard.writeString(QStringLiteral("written by us ✓"));
        QCOMPARE(clipboard.changeCount(), before + 1);
        const std::vector<std::string> types = m_server->clipboardTypes();
        QVERIFY(std::find(types.begin(), types.end(), kUtf8Text) != types.end());
        QCOMPARE(m_server->paste(kUtf8Text), QStringLiteral("written by us ✓").toUtf8());
        QTRY_COMPARE(requests, 1);
        QCOMPARE(notices, 0);
        QCOMPARE(clipboard.changeCount(), before + 1);

        // The primary selection, for windows that paste from it.
        clipboard.offerAsPrimarySelection();
        QCOMPARE(m_server->paste(kUtf8Text, true), QStringLiteral("written by us ✓").toUtf8());

        // A later copy of another program cancels our offer and is recorded.
        m_server->copy({{kUtf8Text, QByteArray("theirs")}});
        QTRY_VERIFY(notices >= 1);
        QCOMPARE(clipboard.readContents().string, std::optional<QString>(QStringLiteral("theirs")));
        // Everything the compositor said before that copy has been told by now: our own write was no copy of
        // another program.
        QCoreApplication::processEvents();
        QCOMPARE(notices, 1);
        QCOMPARE(clipboard.changeCount(), before + 2);
    }

    void aClipboardEmptiedByItsOwnerIsFilledAgain()
    {
        WaylandClipboard clipboard(1s, m_server->socketName().c_str());
        QVERIFY(clipboard.isValid());
        int notices = 0;
        clipboard.setChangeListener([&] { ++notices; });
        m_server->copy({{kUtf8Text, QByteArray("kept")}});
        QTRY_COMPARE(notices, 1);
        QCOMPARE(clipboard.readContents().string, std::optional<QString>(QStringLiteral("kept")));

        m_server->clear();
        QTRY_COMPARE(m_server->paste(kUtf8Text), QByteArray("kept"));
        QCOMPARE(notices, 1);
    }

private:
    QTemporaryDir m_runtime;
    std::unique_ptr<test::ExtDataControlServer> m_server;
};

QTEST_GUILESS_MAIN(TestExtDataControl)
#include "tst_ext_data_control.moc"

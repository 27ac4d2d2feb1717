// SPDX-License-Identifier: GPL-3.0-or-later
// Pasting through the virtual keyboard into a Qt window running on the compositor (headless sway), with the entry
// put on the clipboard by the Wayland clipboard, as the paste engine does it.
#include "WaylandTools.h"
#include "platform/wayland/WaylandClipboard.h"
#include "platform/wayland/WaylandKeyEventPoster.h"
#include "platform/wayland/WaylandWorkspace.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrin;
using namespace tavrin::wayland;

namespace {

QByteArray fileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void type(KeyEventPoster &keys, Qt::KeyboardModifiers modifiers, Qt::Key key)
{
    QVERIFY(keys.typeKeys(QKeyCombination(modifiers, key)));
}

}  // namespace

class TestWaylandPaste : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("TAVRIN_PASTE_TARGET"), "TAVRIN_PASTE_TARGET names the test window");
    }

    void init()
    {
        // A warning of the backend is a fault here.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        QVERIFY(m_dir.isValid());
        m_output = m_dir.filePath(QStringLiteral("pasted.txt"));
        QFile::remove(m_output);
        m_target = startPasteTarget(m_output);
        QVERIFY(m_target);
    }

    void cleanup()
    {
        m_target->terminate();
        m_target->waitForFinished(5000);
        m_target.reset();
    }

    void everyPasteOfTenArrivesInTheFocusedWindow()
    {
        WaylandClipboard clipboard;
        WaylandKeyEventPoster keys;
        QVERIFY2(keys.isValid(), qPrintable(keys.problem()));
        QTRY_COMPARE_WITH_TIMEOUT(focusedWindowTitle(), QStringLiteral("Paste target"), 10000);

        QByteArray expected;
        int arrived = 0;
        for (int i = 1; i <= 10; ++i) {
            const QString entry = QStringLiteral("entry %1 ✓ ").arg(i);
            clipboard.writeString(entry);
            type(keys, Qt::ControlModifier, Qt::Key_V);
            expected += entry.toUtf8();
            if (QTest::qWaitFor([&] { return fileText(m_output) == expected; }, 5000))
                ++arrived;
            else {
                qWarning("paste %d did not arrive: the window holds \"%s\"", i, fileText(m_output).constData());
                expected = fileText(m_output);
            }
        }
        QCOMPARE(arrived, 10);
    }

    void keysCarryExactlyTheModifiersAskedFor()
    {
        WaylandKeyEventPoster keys;
        QTRY_COMPARE_WITH_TIMEOUT(focusedWindowTitle(), QStringLiteral("Paste target"), 10000);
        type(keys, Qt::NoModifier, Qt::Key_A);
        QTRY_COMPARE(fileText(m_output), QByteArray("a"));
        type(keys, Qt::ShiftModifier, Qt::Key_A);
        QTRY_COMPARE(fileText(m_output), QByteArray("aA"));
        // Ctrl+A selects everything, and the next letter replaces it.
        type(keys, Qt::ControlModifier, Qt::Key_A);
        type(keys, Qt::NoModifier, Qt::Key_B);
        QTRY_COMPARE(fileText(m_output), QByteArray("b"));
        // A character on an upper level gets its Shift.
        type(keys, Qt::NoModifier, Qt::Key_Exclam);
        QTRY_COMPARE(fileText(m_output), QByteArray("b!"));
        QVERIFY(!keys.typeKeys(QKeyCombination(Qt::NoModifier, Qt::Key_LaunchMail)));  // no key types it
        QVERIFY(!keys.typeKeys(QKeyCombination(Qt::ControlModifier, Qt::Key(0x41b))));  // not on a US layout
    }

    void theWindowInFrontIsKnownByItsApplicationIdAndGetsTheFocusBack()
    {
        WaylandWorkspace workspace;
        QTRY_COMPARE_WITH_TIMEOUT(focusedWindowTitle(), QStringLiteral("Paste target"), 10000);
        QTRY_VERIFY(workspace.activeWindow() != 0);
        const Workspace::WindowId first = workspace.activeWindow();
        QCOMPARE(workspace.windowClass(first), QStringLiteral("tavrin-paste-target"));
        QCOMPARE(workspace.lastForeignActiveWindow(), first);

        // A second window takes the focus; the first one gets it back on request, as after the list closes.
        const Program second = startPasteTarget(m_dir.filePath(QStringLiteral("second.txt")));
        QVERIFY(second);
        QTRY_VERIFY_WITH_TIMEOUT(workspace.activeWindow() != first && workspace.activeWindow() != 0, 10000);
        const Workspace::WindowId other = workspace.activeWindow();
        QCOMPARE(workspace.lastForeignActiveWindow(), other);
        QVERIFY(workspace.activateWindow(first));
        QTRY_COMPARE(workspace.activeWindow(), first);
        QVERIFY(!workspace.activateWindow(987654));
        second->terminate();
        QVERIFY(second->waitForFinished(5000));
        QTRY_COMPARE(workspace.windowClass(other), QString());  // closed windows are forgotten
    }

private:
    QTemporaryDir m_dir;
    QString m_output;
    Program m_target;
};

QTEST_MAIN(TestWaylandPaste)
#include "tst_wayland_paste.moc"

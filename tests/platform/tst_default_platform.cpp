// SPDX-License-Identifier: GPL-3.0-or-later
// The program's entry to the platform with the real backends, where no desktop answers: each backend says in its
// capabilities that nothing works and why, instead of failing or pretending.
#include "platform/DefaultPlatform.h"

#include <QRegularExpression>
#include <QTest>

using namespace tavrin;

class TestDefaultPlatform : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        // No X server and no compositor, whatever the machine running the test has.
        qputenv("DISPLAY", ":987");
        qputenv("WAYLAND_DISPLAY", "");
    }

    void withoutAnyDesktopTheX11BackendSaysThatNoServerAnswers()
    {
        QTest::ignoreMessage(
            QtInfoMsg, QRegularExpression(
                           QStringLiteral("^backend: X11 - no Wayland compositor \\(WAYLAND_DISPLAY is not set\\)$")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^no X server could be reached")));
        const auto platform = createDefaultPlatform();
        QCOMPARE(platform->capabilities.backend, QStringLiteral("X11"));
        for (const DesktopCapabilities::Feature &feature :
             {platform->capabilities.capture, platform->capabilities.paste, platform->capabilities.globalShortcuts}) {
            QVERIFY(!feature.available);
            QCOMPARE(feature.detail, QStringLiteral("no X server could be reached"));
        }
        QVERIFY(!platform->canPostKeys());
    }

    void aForcedWaylandBackendWithoutCompositorSaysWhy()
    {
        qputenv("WAYLAND_DISPLAY", "tavrin-no-such-compositor");
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression(QStringLiteral("^backend: Wayland - asked for")));
        const auto platform = createDefaultPlatform(BackendRequest::Wayland);
        QCOMPARE(platform->capabilities.backend, QStringLiteral("Wayland"));
        QVERIFY(!platform->capabilities.capture.available);
        QVERIFY2(platform->capabilities.capture.detail.startsWith(
                     QStringLiteral("this desktop does not let programs watch the clipboard")),
                 qPrintable(platform->capabilities.capture.detail));
        QVERIFY(!platform->capabilities.paste.available);
        QVERIFY(!platform->keyEventPoster->typeKeys(QKeyCombination(Qt::ControlModifier, Qt::Key_V)));
    }
};

QTEST_MAIN(TestDefaultPlatform)
#include "tst_default_platform.moc"

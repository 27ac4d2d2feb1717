// SPDX-License-Identifier: GPL-3.0-or-later
// The "This desktop" section: what works in the session and why not, and the commands to bind where the program
// cannot take shortcuts, each copied by its button.
#include "ui/preferences/DesktopSupportView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

using namespace tavrin;

namespace {

DesktopCapabilities::Feature works(const char *how)
{
    return {true, QString::fromLatin1(how), {}};
}

DesktopCapabilities::Feature fails(const char *why)
{
    return {false, QString::fromLatin1(why), {}};
}

// A Wayland session as on sway: no shortcuts for programs, and no reason given for start at login.
DesktopCapabilities swaySession()
{
    DesktopCapabilities capabilities;
    capabilities.backend = QStringLiteral("Wayland");
    capabilities.capture = works("the compositor reports every copy");
    capabilities.paste = works("keys are typed through the compositor's virtual keyboard");
    capabilities.globalShortcuts = fails("this desktop does not let programs take shortcuts");
    capabilities.tray = fails("no panel on this desktop shows status icons");
    capabilities.startAtLogin = {false, QString(), {}};
    return capabilities;
}

QString stateOf(const DesktopSupportView &view, const char *feature)
{
    const auto *label = view.findChild<QLabel *>(QString::fromLatin1(feature));
    return label ? label->text() : QStringLiteral("(no row)");
}

QStringList labelTexts(const DesktopSupportView &view)
{
    QStringList texts;
    for (const QLabel *label : view.findChildren<QLabel *>())
        texts.append(label->text());
    return texts;
}

QList<QAbstractButton *> copyButtons(const DesktopSupportView &view)
{
    return view.findChildren<QAbstractButton *>();
}

}  // namespace

class TestDesktopSupportView : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachFeatureSaysWhetherItWorksAndWhyNot()
    {
        const DesktopSupportView view(swaySession());
        QCOMPARE(view.title(), QStringLiteral("This desktop"));
        QCOMPARE(stateOf(view, "Capture"), QStringLiteral("Works"));
        QCOMPARE(stateOf(view, "Paste"), QStringLiteral("Works"));
        QCOMPARE(stateOf(view, "Global shortcuts"), QStringLiteral("Does not work"));
        QCOMPARE(stateOf(view, "Tray icon"), QStringLiteral("Does not work"));
        QCOMPARE(stateOf(view, "Start at login"), QStringLiteral("Does not work"));
        const QStringList texts = labelTexts(view);
        QVERIFY(texts.contains(QStringLiteral("Session: Wayland")));
        QVERIFY(texts.contains(QStringLiteral("no panel on this desktop shows status icons")));
        QVERIFY(texts.contains(QStringLiteral("the compositor reports every copy")));
        // A feature without a reason gets no empty explanation.
        QVERIFY(!texts.contains(QString()));
    }

    void withoutGlobalShortcutsTheCommandsToBindAreShownAndCopied()
    {
        DesktopSupportView view(swaySession());
        QStringList shown;
        for (const QLineEdit *field : view.findChildren<QLineEdit *>()) {
            QVERIFY(field->isReadOnly());
            shown.append(field->text());
        }
        QCOMPARE(shown, QStringList({QStringLiteral("tavrin show"), QStringLiteral("tavrin toggle-sequential"),
                                     QStringLiteral("tavrin paste-next")}));
        QCOMPARE(DesktopSupportView::shortcutCommands(), shown);

        QSignalSpy copied(&view, &DesktopSupportView::commandCopied);
        const QList<QAbstractButton *> buttons = copyButtons(view);
        QCOMPARE(buttons.size(), 3);
        for (int i = 0; i < buttons.size(); ++i) {
            QCOMPARE(buttons.at(i)->accessibleName(), QStringLiteral("Copy \"%1\"").arg(shown.at(i)));
            QTest::mouseClick(buttons.at(i), Qt::LeftButton);
            QCOMPARE(QGuiApplication::clipboard()->text(), shown.at(i));
            QCOMPARE(copied.size(), i + 1);
            QCOMPARE(copied.constLast().constFirst().toString(), shown.at(i));
        }
    }

    void whereShortcutsWorkNoCommandsAreOffered()
    {
        DesktopCapabilities x11 = swaySession();
        x11.backend = QStringLiteral("X11");
        x11.globalShortcuts = works("key grabs on the X server");
        const DesktopSupportView view(x11);
        QCOMPARE(stateOf(view, "Global shortcuts"), QStringLiteral("Works"));
        QVERIFY(view.findChildren<QLineEdit *>().isEmpty());
        QVERIFY(copyButtons(view).isEmpty());
    }

    void theWayInUseIsShownWithWhyTheOthersAreNot()
    {
        DesktopCapabilities kde = swaySession();
        kde.paste = works("keys are typed through the desktop's RemoteDesktop portal");
        kde.paste.otherWays = {QStringLiteral("the compositor's virtual keyboard: the compositor offers none")};
        kde.globalShortcuts = works("KDE's shortcut service takes them");
        kde.globalShortcuts.otherWays = {QStringLiteral("the desktop's GlobalShortcuts portal: not needed")};
        const DesktopSupportView view(kde);
        const QStringList texts = labelTexts(view);
        QVERIFY(texts.contains(QStringLiteral("keys are typed through the desktop's RemoteDesktop portal")));
        QVERIFY(
            texts.contains(QStringLiteral("Not used: the compositor's virtual keyboard: the compositor offers none.")));
        const QList<QLabel *> others = view.findChildren<QLabel *>();
        const bool named = std::any_of(others.begin(), others.end(), [](const QLabel *label) {
            return label->accessibleName() == QStringLiteral("Global shortcuts other ways");
        });
        QVERIFY(named);
        // A single way has no such line.
        QCOMPARE(texts.filter(QStringLiteral("Not used")).size(), 2);
        QStringList lines = kde.logLines();
        QCOMPARE(lines.at(1),
                 QStringLiteral("paste works: keys are typed through the desktop's RemoteDesktop portal (not "
                                "used: the compositor's virtual keyboard: the compositor offers none)"));
        QCOMPARE(lines.at(0), QStringLiteral("capture works: the compositor reports every copy"));
    }

    void everyControlHasAnAccessibleName()
    {
        const DesktopSupportView view(swaySession());
        QVERIFY(!view.accessibleName().isEmpty());
        const QList<QWidget *> controls = view.findChildren<QWidget *>();
        QVERIFY(controls.size() > 10);
        for (const QWidget *control : controls)
            QVERIFY2(!control->accessibleName().isEmpty(), control->metaObject()->className());
    }
};

QTEST_MAIN(TestDesktopSupportView)
#include "tst_desktop_support_view.moc"

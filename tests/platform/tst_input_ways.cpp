// SPDX-License-Identifier: GPL-3.0-or-later
// The choice among the ways a Wayland session lets the program type keys or take shortcuts.
#include "platform/wayland/InputWays.h"

#include <QTest>

using namespace tavrin;

namespace {

// A way that answers as given and counts how often it was asked.
InputWay way(const char *name, bool offered, const char *detail, int *asked)
{
    return {QString::fromLatin1(name), [=] {
                ++*asked;
                return InputWay::Offer{offered, QString::fromLatin1(detail)};
            }};
}

}  // namespace

class TestInputWays : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theFirstOfferedWayIsUsedAndTheOthersSayWhyNot()
    {
        int keyboard = 0;
        int portal = 0;
        int spare = 0;
        const WayChoice choice =
            chooseWay({way("the compositor's virtual keyboard", false, "the compositor offers none", &keyboard),
                       way("the RemoteDesktop portal", true, "keys go through the portal", &portal),
                       way("a later way", true, "unused", &spare)},
                      QStringLiteral("no way"));
        QCOMPARE(choice.chosen, 1);
        QVERIFY(choice.feature.available);
        QCOMPARE(choice.feature.detail, QStringLiteral("keys go through the portal"));
        QCOMPARE(choice.feature.otherWays,
                 QStringList({QStringLiteral("the compositor's virtual keyboard: the compositor offers none"),
                              QStringLiteral("a later way: not needed")}));
        // A way not needed is never asked (asking may start a service).
        QCOMPARE(keyboard, 1);
        QCOMPARE(portal, 1);
        QCOMPARE(spare, 0);
    }

    void theFirstWayOfferedLeavesTheRestUnasked()
    {
        int keyboard = 0;
        int portal = 0;
        const WayChoice choice =
            chooseWay({way("keyboard", true, "typed", &keyboard), way("portal", true, "", &portal)}, QString());
        QCOMPARE(choice.chosen, 0);
        QCOMPARE(choice.feature.otherWays, QStringList({QStringLiteral("portal: not needed")}));
        QCOMPARE(portal, 0);
    }

    void withoutAnyWayTheFeatureSaysWhatToDoAndWhyEachFailed()
    {
        int asked = 0;
        const WayChoice choice = chooseWay({way("keyboard", false, "none offered", &asked),
                                            way("portal", false, "no desktop portal is installed", &asked)},
                                           QStringLiteral("press Ctrl+V"));
        QCOMPARE(choice.chosen, -1);
        QVERIFY(!choice.feature.available);
        QCOMPARE(choice.feature.detail, QStringLiteral("press Ctrl+V"));
        QCOMPARE(choice.feature.otherWays, QStringList({QStringLiteral("keyboard: none offered"),
                                                        QStringLiteral("portal: no desktop portal is installed")}));
        QCOMPARE(asked, 2);
        QCOMPARE(chooseWay({}, QStringLiteral("nothing")).chosen, -1);
    }
};

QTEST_GUILESS_MAIN(TestInputWays)
#include "tst_input_ways.moc"

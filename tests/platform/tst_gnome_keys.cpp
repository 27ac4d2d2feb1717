// SPDX-License-Identifier: GPL-3.0-or-later
// Key combinations in GNOME's terms: Qt combinations become the accelerators the Shell grabs and the keys its
// virtual keyboard types; GNOME's own shortcuts are read from its settings' text to name the
// action that holds a combination.
#include "platform/gnome/GnomeAccelerator.h"
#include "platform/gnome/GnomeKeybindings.h"

#include <QTest>

using namespace tavrin;
using Accelerator = GnomeAccelerator;

namespace {
constexpr std::uint32_t kControlL = 0xffe3;
constexpr std::uint32_t kShiftL = 0xffe1;
constexpr std::uint32_t kAltL = 0xffe9;
constexpr std::uint32_t kSuperL = 0xffeb;
}  // namespace

class TestGnomeKeys : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void qtCombinationsBecomeShellAccelerators_data()
    {
        QTest::addColumn<QKeyCombination>("keys");
        QTest::addColumn<QString>("accelerator");
        QTest::addColumn<QString>("label");
        QTest::newRow("letter") << (Qt::CTRL | Qt::ALT | Qt::Key_V) << "<Control><Alt>v"
                                << "Ctrl+Alt+V";
        QTest::newRow("shifted letter stays lower-case") << (Qt::CTRL | Qt::SHIFT | Qt::Key_V) << "<Control><Shift>v"
                                                         << "Ctrl+Shift+V";
        QTest::newRow("meta is super") << (Qt::META | Qt::Key_H) << "<Super>h"
                                       << "Super+H";
        QTest::newRow("digit") << (Qt::CTRL | Qt::Key_1) << "<Control>1"
                               << "Ctrl+1";
        QTest::newRow("function key") << (Qt::ALT | Qt::Key_F7) << "<Alt>F7"
                                      << "Alt+F7";
        QTest::newRow("insert") << (Qt::SHIFT | Qt::Key_Insert) << "<Shift>Insert"
                                << "Shift+Insert";
        QTest::newRow("space") << (Qt::CTRL | Qt::Key_Space) << "<Control>space"
                               << "Ctrl+space";
        QTest::newRow("delete is no character") << (Qt::CTRL | Qt::Key_Delete) << "<Control>Delete"
                                                << "Ctrl+Delete";
        QTest::newRow("latin-1 letter") << (Qt::CTRL | Qt::Key_Eacute) << "<Control>eacute"
                                        << "Ctrl+É";
        QTest::newRow("cyrillic letter") << QKeyCombination(Qt::CTRL, Qt::Key(0x0416)) << "<Control>Cyrillic_zhe"
                                         << "Ctrl+Ж";
    }

    void qtCombinationsBecomeShellAccelerators()
    {
        QFETCH(QKeyCombination, keys);
        QFETCH(QString, accelerator);
        QFETCH(QString, label);
        const Accelerator made = Accelerator::fromKeyCombination(keys);
        QVERIFY(made.isValid());
        QCOMPARE(made.toString(), accelerator);
        QCOMPARE(made.label(), label);
        // What the Shell is told reads back as the same combination, as GNOME's settings would hold it.
        QCOMPARE(Accelerator::parse(accelerator), made);
    }

    void keysWithoutKeysymsAreNoAccelerator()
    {
        QVERIFY(!Accelerator::fromKeyCombination(QKeyCombination(Qt::CTRL, Qt::Key_unknown)).isValid());
        QVERIFY(!Accelerator::fromKeyCombination(QKeyCombination(Qt::CTRL, Qt::Key_Control)).isValid());
        QVERIFY(!Accelerator::fromKeyCombination(QKeyCombination(Qt::CTRL, Qt::Key_LaunchMail)).isValid());
    }

    void theKeysToTypeAreTheModifiersThenTheKey()
    {
        const auto expect = [](const Accelerator &accelerator, const std::vector<std::uint32_t> &keys) {
            return accelerator.keysyms() == keys;
        };
        // The paste keys: Ctrl+V, Ctrl+Shift+V, Shift+Insert.
        QVERIFY(expect(Accelerator::fromKeyCombination(Qt::CTRL | Qt::Key_V), {kControlL, 'v'}));
        QVERIFY(expect(Accelerator::fromKeyCombination(Qt::CTRL | Qt::SHIFT | Qt::Key_V), {kControlL, kShiftL, 'v'}));
        QVERIFY(expect(Accelerator::fromKeyCombination(Qt::SHIFT | Qt::Key_Insert), {kShiftL, 0xff63}));
        // Meta is Super.
        QVERIFY(expect(Accelerator::fromKeyCombination(Qt::ALT | Qt::META | Qt::Key_A), {kAltL, kSuperL, 'a'}));
        // The keypad's keys are its own.
        QVERIFY(expect(
            Accelerator::fromKeyCombination(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_1)),
            {kControlL, 0xffb1}));
        QVERIFY(expect(Accelerator::fromKeyCombination(Qt::CTRL | Qt::SHIFT | Qt::ALT | Qt::META | Qt::Key_Z),
                       {kControlL, kShiftL, kAltL, kSuperL, 'z'}));
    }

    void gnomeSpellingsOfModifiersAreUnderstood()
    {
        const Accelerator controlAltT = Accelerator::fromKeyCombination(Qt::CTRL | Qt::ALT | Qt::Key_T);
        QCOMPARE(Accelerator::parse(QStringLiteral("<Primary><Alt>t")), controlAltT);
        QCOMPARE(Accelerator::parse(QStringLiteral("<Ctrl><Mod1>T")), controlAltT);
        QCOMPARE(Accelerator::parse(QStringLiteral(" <Alt><Control>t ")), controlAltT);
        QCOMPARE(Accelerator::parse(QStringLiteral("<Super>Left")),
                 Accelerator::fromKeyCombination(Qt::META | Qt::Key_Left));
        QCOMPARE(Accelerator::parse(QStringLiteral("XF86Display"))->modifiers, 0u);
        for (const char *text : {"", "<Super>", "<Hyper>a", "<Super>NoSuchKey", "Above_Tab<"})
            QVERIFY2(!Accelerator::parse(QString::fromLatin1(text)), text);
    }

    void gsettingsListingsGiveEveryBoundCombination()
    {
        const QByteArray listing = "org.gnome.desktop.wm.keybindings minimize ['<Super>h']\n"
                                   "org.gnome.desktop.wm.keybindings always-on-top @as []\n"
                                   "org.gnome.mutter.keybindings switch-monitor ['<Super>p', 'XF86Display']\n"
                                   "org.gnome.settings-daemon.plugins.media-keys battery-status ['']\n"
                                   "org.gnome.settings-daemon.plugins.media-keys screensaver '<Super>l'\n"
                                   "org.gnome.settings-daemon.plugins.media-keys custom-keybindings "
                                   "['/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/custom0/']\n"
                                   "garbage\n";
        const QList<gnomeKeybindings::Binding> bindings = gnomeKeybindings::parseListing(listing);
        QStringList found;
        for (const auto &binding : bindings)
            found.append(binding.key + QLatin1Char('=') + binding.accelerator.toString());
        QCOMPARE(found,
                 (QStringList{QStringLiteral("minimize=<Super>h"), QStringLiteral("switch-monitor=<Super>p"),
                              QStringLiteral("switch-monitor=XF86Display"), QStringLiteral("screensaver=<Super>l")}));
        QCOMPARE(bindings.constFirst().schema, QStringLiteral("org.gnome.desktop.wm.keybindings"));
        QCOMPARE(gnomeKeybindings::acceleratorTexts(QStringLiteral(R"(['<Alt>\'x', ''])")),
                 QStringList{QStringLiteral("<Alt>'x")});
    }

    void customShortcutsAreNamedByTheUser()
    {
        const QString path =
            QStringLiteral("/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/custom0/");
        const QByteArray listing = "org.gnome.settings-daemon.plugins.media-keys.custom-keybinding binding '<Super>t'\n"
                                   "org.gnome.settings-daemon.plugins.media-keys.custom-keybinding command 'foot'\n"
                                   "org.gnome.settings-daemon.plugins.media-keys.custom-keybinding name 'Terminal'\n";
        const auto binding = gnomeKeybindings::parseCustom(listing, path);
        QVERIFY(binding);
        QCOMPARE(binding->accelerator, Accelerator::fromKeyCombination(Qt::META | Qt::Key_T));
        QCOMPARE(binding->name, QStringLiteral("Terminal"));
        QVERIFY(binding->schema.endsWith(path));
        QVERIFY(!gnomeKeybindings::parseCustom("x.custom-keybinding binding ''\n", path));
    }

    void aTakenCombinationNamesGnomesAction()
    {
        gnomeKeybindings::Binding holder{Accelerator::fromKeyCombination(Qt::META | Qt::Key_H),
                                         QStringLiteral("org.gnome.desktop.wm.keybindings"), QStringLiteral("minimize"),
                                         QStringLiteral("Minimize window")};
        QCOMPARE(gnomeKeybindings::takenReason(holder),
                 QStringLiteral("Super+H is GNOME's shortcut for \"Minimize window\" (org.gnome.desktop.wm.keybindings "
                                "minimize): choose another, or change GNOME's in Settings → Keyboard."));
        // A long description gives way to the setting's own name.
        holder.name = QStringLiteral("Keybinding to toggle the visibility of the notification list, which is long.");
        QVERIFY(gnomeKeybindings::takenReason(holder).startsWith(
            QStringLiteral("Super+H is GNOME's shortcut for minimize (")));
    }
};

QTEST_GUILESS_MAIN(TestGnomeKeys)
#include "tst_gnome_keys.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileSizeLimit.h"
#include "TestDirs.h"
#include "platform/fake/FakeScheduler.h"
#include "store/GroupStore.h"
#include "store/HistoryStore.h"
#include "store/SettingsKeys.h"
#include "store/SettingsStore.h"
#include "store/StringListFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace tavrin;
using Outcome = GroupStore::RenameOutcome;

namespace {

struct Fixture {
    test::TestDirs dirs;
    SettingsStore settings{dirs.settingsPath()};
    ListFolder folder{dirs.documents()};
    GroupStore groups{settings, folder};

    QString file(const QString &name) const
    {
        return dirs.documents() + QLatin1Char('/') + name + QStringLiteral(".plist");
    }
    QStringList stored() const
    {
        return settings.stringArray(keys::groupNames).value_or(QStringList{QStringLiteral("<none>")});
    }
};

}  // namespace

class TestGroupStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void defaultsAndTheStoredList()
    {
        Fixture f;
        f.groups.loadGroupNames();
        QCOMPARE(f.groups.groupNames(), QStringList{QStringLiteral("My Clipboard")});
        QCOMPARE(f.stored(), QStringList{QStringLiteral("My Clipboard")});

        // A stored empty list stays empty; a value of another type falls back to the default.
        f.settings.setStringArray(keys::groupNames, {});
        f.groups.loadGroupNames();
        QVERIFY(f.groups.groupNames().isEmpty());
        f.settings.setIntegerArray(keys::groupNames, {1});
        f.groups.loadGroupNames();
        QCOMPARE(f.groups.groupNames(), QStringList{QStringLiteral("My Clipboard")});
    }

    void newGroupsTakeTheFirstFreeNumber()
    {
        Fixture f;
        f.groups.loadGroupNames();
        QCOMPARE(f.groups.addGroup(), 1);
        QCOMPARE(f.groups.addGroup(), 2);
        QCOMPARE(f.groups.groupNames(), (QStringList{QStringLiteral("My Clipboard"), QStringLiteral("My Clipboard1"),
                                                     QStringLiteral("My Clipboard2")}));
        // Adding saves nothing: the name edit that follows does.
        QCOMPARE(f.stored(), QStringList{QStringLiteral("My Clipboard")});

        f.settings.setStringArray(keys::groupNames, {QStringLiteral("My Clipboard"), QStringLiteral("My Clipboard2"),
                                                     QStringLiteral("My Clipboard1")});
        f.groups.loadGroupNames();
        f.groups.addGroup();
        QCOMPARE(f.groups.groupNames().last(), QStringLiteral("My Clipboard3"));

        // Once the default name is renamed away it is the next one handed out again.
        QCOMPARE(f.groups.renameGroup(0, QStringLiteral("Work")), Outcome::changed);
        f.groups.addGroup();
        QCOMPARE(f.groups.groupNames().last(), QStringLiteral("My Clipboard"));
        // Case and spaces make different names.
        QCOMPARE(f.groups.renameGroup(1, QStringLiteral("work")), Outcome::changed);
        QCOMPARE(f.groups.renameGroup(2, QStringLiteral("   ")), Outcome::changed);
    }

    void renameOutcomesAndTheirFiles()
    {
        Fixture f;
        f.groups.loadGroupNames();
        f.groups.addGroup();  // My Clipboard1, held in memory only
        QVERIFY(f.groups.writeGroupItems(QStringLiteral("My Clipboard"),
                                         {QStringLiteral("/tmp/a"), QStringLiteral("note")}));

        QCOMPARE(f.groups.renameGroup(0, QStringLiteral("My Clipboard")), Outcome::unchanged);
        QCOMPARE(f.stored().size(), 2);  // the unchanged edit saved the added name
        QCOMPARE(f.groups.renameGroup(0, QString()), Outcome::restored);
        QCOMPARE(f.groups.renameGroup(0, QStringLiteral("My Clipboard1")), Outcome::duplicate);
        QVERIFY(QFileInfo::exists(f.file(QStringLiteral("My Clipboard"))));
        QCOMPARE(f.groups.groupNames().first(), QStringLiteral("My Clipboard"));

        QCOMPARE(f.groups.renameGroup(0, QStringLiteral("Project")), Outcome::changed);
        QVERIFY(!QFileInfo::exists(f.file(QStringLiteral("My Clipboard"))));
        QCOMPARE(readStringListAtPath(f.file(QStringLiteral("Project"))),
                 (QStringList{QStringLiteral("/tmp/a"), QStringLiteral("note")}));
        QCOMPARE(f.stored(), (QStringList{QStringLiteral("Project"), QStringLiteral("My Clipboard1")}));

        // A group that never had items gets an empty file under its new name.
        QCOMPARE(f.groups.renameGroup(1, QStringLiteral("Fresh")), Outcome::changed);
        QVERIFY(QFileInfo::exists(f.file(QStringLiteral("Fresh"))));
        QCOMPARE(readStringListAtPath(f.file(QStringLiteral("Fresh"))), QStringList());

        // An empty name left empty removes the entry.
        f.settings.setStringArray(keys::groupNames, {QString(), QStringLiteral("Project")});
        f.groups.loadGroupNames();
        QCOMPARE(f.groups.renameGroup(0, QString()), Outcome::dropped);
        QCOMPARE(f.stored(), QStringList{QStringLiteral("Project")});
    }

    void namesThatCannotBeFilesAreRefused()
    {
        Fixture f;
        f.groups.loadGroupNames();
        QVERIFY(
            writeStringListAtPath(f.dirs.documents() + QStringLiteral("/myfile.plist"), {QStringLiteral("history")}));
        const QStringList refused = {QStringLiteral("a/b"),    QStringLiteral("../escape"),
                                     QStringLiteral("."),      QStringLiteral(".."),
                                     QStringLiteral("myfile"), QStringLiteral("nul") + QChar(u'\0')};
        for (const QString &name : refused) {
            QCOMPARE(f.groups.renameGroup(0, name), Outcome::invalidName);
            QCOMPARE(f.groups.groupNames(), QStringList{QStringLiteral("My Clipboard")});
            QVERIFY(!f.groups.writeGroupItems(name, {QStringLiteral("x")}));
        }
        QCOMPARE(readStringListAtPath(f.dirs.documents() + QStringLiteral("/myfile.plist")),
                 QStringList{QStringLiteral("history")});
        QCOMPARE(QDir(f.dirs.root()).entryList({QStringLiteral("escape*")}), QStringList());
    }

    void aRenameThatCannotWriteKeepsTheOldGroup()
    {
        Fixture f;
        f.groups.loadGroupNames();
        QVERIFY(f.groups.writeGroupItems(QStringLiteral("My Clipboard"), {QStringLiteral("keep me")}));
        // A name too long for the file system cannot be written whoever runs the test.
        const QString tooLong(300, QChar(u'n'));
        QCOMPARE(f.groups.renameGroup(0, tooLong), Outcome::writeFailed);
        QCOMPARE(f.groups.groupNames(), QStringList{QStringLiteral("My Clipboard")});
        QCOMPARE(f.groups.readGroupItems(QStringLiteral("My Clipboard")), QStringList{QStringLiteral("keep me")});
    }

    void deletingGroups()
    {
        Fixture f;
        f.groups.loadGroupNames();
        f.groups.addGroup();
        QVERIFY(f.groups.writeGroupItems(QStringLiteral("My Clipboard1"), {QStringLiteral("x")}));
        f.groups.deleteGroup(1);
        QVERIFY(!QFileInfo::exists(f.file(QStringLiteral("My Clipboard1"))));
        f.groups.deleteGroup(0);  // never had a file
        QCOMPARE(f.stored(), QStringList());
        f.groups.loadGroupNames();  // the next launch keeps the empty list
        QVERIFY(f.groups.groupNames().isEmpty());
    }

    void lostGroupNamesAreFoundAgainInTheirFiles()
    {
        Fixture f;
        for (const QString &name : {QStringLiteral("work"), QStringLiteral("My Clipboard"), QStringLiteral("Alpha"),
                                    QStringLiteral("zeta"), QStringLiteral("Work")})
            QVERIFY(writeStringListAtPath(f.file(name), {name}));
        // Neither the history nor what the program keeps aside is a group.
        QVERIFY(writeStringListAtPath(f.file(QStringLiteral("myfile")), {QStringLiteral("history")}));
        test::writeFile(f.file(QStringLiteral("old")) + QStringLiteral(".damaged-20240101-000000"), "kept");
        f.groups.loadGroupNames();
        const QStringList found = {QStringLiteral("My Clipboard"), QStringLiteral("Alpha"), QStringLiteral("Work"),
                                   QStringLiteral("work"), QStringLiteral("zeta")};
        QCOMPARE(f.groups.groupNames(), found);
        QCOMPARE(f.stored(), found);
        QCOMPARE(f.groups.readGroupItems(QStringLiteral("zeta")), QStringList{QStringLiteral("zeta")});

        // Without "My Clipboard" among them none is made up; a stored list, even an empty one, is kept as it is.
        Fixture g;
        QVERIFY(writeStringListAtPath(g.file(QStringLiteral("Notes")), {}));
        g.groups.loadGroupNames();
        QCOMPARE(g.groups.groupNames(), QStringList{QStringLiteral("Notes")});
        g.settings.setStringArray(keys::groupNames, {});
        g.groups.loadGroupNames();
        QVERIFY(g.groups.groupNames().isEmpty());
    }

    void aGroupFileThatCannotBeReadIsNeverRemoved()
    {
        const QByteArray damaged("<?xml version=\"1.0\"?><plist version=\"1.0\"><array><string>half a li");
        Fixture f;
        f.settings.setStringArray(keys::groupNames, {QStringLiteral("Broken"), QStringLiteral("Gone")});
        f.groups.loadGroupNames();
        test::writeFile(f.file(QStringLiteral("Broken")), damaged);
        test::writeFile(f.file(QStringLiteral("Gone")), damaged);
        auto aside = [&f](const QString &name) {
            const QStringList found = QDir(f.dirs.documents()).entryList({name + QStringLiteral(".plist.damaged-*")});
            return found.size() == 1 ? test::readFile(f.dirs.documents() + QLatin1Char('/') + found.first())
                                     : QByteArray("<none>");
        };

        // Renamed: the new name starts empty, the old file is kept aside.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot read .*Broken.plist.*")));
        QCOMPARE(f.groups.renameGroup(0, QStringLiteral("Fixed")), Outcome::changed);
        QCOMPARE(f.groups.readGroupItems(QStringLiteral("Fixed")), QStringList());
        QVERIFY(!QFileInfo::exists(f.file(QStringLiteral("Broken"))));
        QCOMPARE(aside(QStringLiteral("Broken")), damaged);

        // Deleted without having been read: it is read first, found damaged and kept aside.
        f.groups.deleteGroup(1);
        QVERIFY(!QFileInfo::exists(f.file(QStringLiteral("Gone"))));
        QCOMPARE(aside(QStringLiteral("Gone")), damaged);
        QCOMPARE(f.stored(), QStringList{QStringLiteral("Fixed")});
    }

    void aFileInTheWayOfARenameIsKept()
    {
        Fixture f;
        f.groups.loadGroupNames();
        QVERIFY(f.groups.writeGroupItems(QStringLiteral("My Clipboard"), {QStringLiteral("mine")}));
        // Not a group of the list, but something the user may want: it is set aside, not overwritten.
        QVERIFY(writeStringListAtPath(f.file(QStringLiteral("Work")), {QStringLiteral("stranger")}));
        QCOMPARE(f.groups.renameGroup(0, QStringLiteral("Work")), Outcome::changed);
        QCOMPARE(f.groups.readGroupItems(QStringLiteral("Work")), QStringList{QStringLiteral("mine")});
        const QStringList kept = QDir(f.dirs.documents()).entryList({QStringLiteral("Work.plist.replaced-*")});
        QCOMPARE(kept.size(), 1);
        QCOMPARE(readStringListAtPath(f.dirs.documents() + QLatin1Char('/') + kept.first()),
                 QStringList{QStringLiteral("stranger")});
    }

    void aGroupThatCannotBeSavedIsToldOnce()
    {
        Fixture f;
        f.groups.loadGroupNames();
        QSignalSpy failed(&f.groups, &GroupStore::saveFailed);
        QSignalSpy recovered(&f.groups, &GroupStore::saveRecovered);
        const QStringList large{QString(8192, QLatin1Char('x'))};
        auto full = std::make_unique<test::FileSizeLimit>(4096);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot save the group file .*")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot save the group file .*")));
        QVERIFY(!f.groups.writeGroupItems(QStringLiteral("My Clipboard"), large));
        QVERIFY(!f.groups.writeGroupItems(QStringLiteral("My Clipboard"), large));
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed.first().at(0).toString(), f.file(QStringLiteral("My Clipboard")));
        QCOMPARE(failed.first().at(1).toString(), QStringLiteral("File too large"));
        full.reset();
        QVERIFY(f.groups.writeGroupItems(QStringLiteral("My Clipboard"), large));
        QVERIFY(f.groups.writeGroupItems(QStringLiteral("My Clipboard"), {QStringLiteral("b")}));
        QCOMPARE(recovered.size(), 1);
    }

    void aFolderInAGroupFilesPlaceIsKeptAside()
    {
        Fixture f;
        f.groups.loadGroupNames();
        QVERIFY(QDir().mkpath(f.file(QStringLiteral("My Clipboard"))));
        test::writeFile(f.file(QStringLiteral("My Clipboard")) + QStringLiteral("/inside"), "kept");
        QSignalSpy keptAside(&f.folder, &ListFolder::keptAside);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot read .*it is a folder.*")));
        QCOMPARE(f.groups.readGroupItems(QStringLiteral("My Clipboard")), QStringList());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("kept .* before replacing it")));
        QVERIFY(f.groups.writeGroupItems(QStringLiteral("My Clipboard"), {QStringLiteral("a")}));
        QCOMPARE(f.groups.readGroupItems(QStringLiteral("My Clipboard")), QStringList{QStringLiteral("a")});
        QCOMPARE(keptAside.size(), 1);
        QCOMPARE(test::readFile(keptAside.first().at(1).toString() + QStringLiteral("/inside")), QByteArray("kept"));
    }

    void droppingFilesAndHistoryRows()
    {
        Fixture f;
        f.groups.loadGroupNames();
        const QList<QUrl> drop = {QUrl::fromLocalFile(QStringLiteral("/tmp/with space/a.txt")),
                                  QUrl(QStringLiteral("https://example.com/not-a-file")),
                                  QUrl(QStringLiteral("file:///tmp/folder/"))};
        f.groups.appendDroppedFiles(0, drop);
        f.groups.appendDroppedFiles(0, drop.mid(0, 1));
        QCOMPARE(f.groups.readGroupItems(QStringLiteral("My Clipboard")),
                 (QStringList{QStringLiteral("/tmp/with space/a.txt"), QStringLiteral("/tmp/folder"),
                              QStringLiteral("/tmp/with space/a.txt")}));

        FakeScheduler clock;
        HistoryStore history(f.settings, clock, f.folder);
        for (const QString &s : {QStringLiteral("c"), QStringLiteral("b"), QStringLiteral("a")})
            history.insertCaptured(s);
        f.groups.appendHistoryRows(0, history, {2, 0, 7});
        QCOMPARE(f.groups.readGroupItems(QStringLiteral("My Clipboard")).mid(3),
                 (QStringList{QStringLiteral("c"), QStringLiteral("a")}));
        QCOMPARE(history.items().size(), 3);
    }

    void writtenItemsAndRenamesAreAnnounced()
    {
        Fixture f;
        f.groups.loadGroupNames();
        QSignalSpy items(&f.groups, &GroupStore::groupItemsChanged);
        QSignalSpy renamed(&f.groups, &GroupStore::groupRenamed);
        QVERIFY(f.groups.writeGroupItems(QStringLiteral("My Clipboard"), {QStringLiteral("a")}));
        f.groups.appendDroppedFiles(0, {QUrl::fromLocalFile(QStringLiteral("/tmp/b"))});
        QCOMPARE(items.size(), 2);
        QCOMPARE(items.at(1).at(0).toString(), QStringLiteral("My Clipboard"));
        QCOMPARE(items.at(1).at(1).toStringList(), (QStringList{QStringLiteral("a"), QStringLiteral("/tmp/b")}));

        // A rename writes the items under the new name first, then says so.
        QCOMPARE(f.groups.renameGroup(0, QStringLiteral("Work")), GroupStore::RenameOutcome::changed);
        QCOMPARE(renamed.size(), 1);
        QCOMPARE(renamed.constFirst(), (QList<QVariant>{QStringLiteral("My Clipboard"), QStringLiteral("Work")}));
        QCOMPARE(items.size(), 3);
        QCOMPARE(items.at(2).at(0).toString(), QStringLiteral("Work"));
        // Refused names change nothing and say nothing.
        QCOMPARE(f.groups.renameGroup(0, QStringLiteral("a/b")), GroupStore::RenameOutcome::invalidName);
        QVERIFY(!f.groups.writeGroupItems(QStringLiteral(".."), {}));
        QCOMPARE(renamed.size(), 1);
        QCOMPARE(items.size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestGroupStore)
#include "tst_group_store.moc"

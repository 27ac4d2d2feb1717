// SPDX-License-Identifier: GPL-3.0-or-later
// The files that hold the history are made private at every start, whatever made them and with whatever mode.
#include "TestDirs.h"
#include "store/PrivateFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <sys/stat.h>

using namespace tavrin;

namespace {

mode_t modeOf(const QString &path)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return 0;
    return status.st_mode & 07777;
}

void setMode(const QString &path, mode_t mode)
{
    QVERIFY2(::chmod(QFile::encodeName(path).constData(), mode) == 0, qPrintable(path));
}

}  // namespace

class TestPrivateFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aFolderOthersCouldReadBecomesTheUsersAlone()
    {
        test::TestDirs dirs;
        const QString folder = dirs.documents();
        const QString history = folder + QStringLiteral("/myfile.plist");
        const QString group = folder + QStringLiteral("/Work.plist");
        const QString lock = folder + QStringLiteral("/tavrin.lock");
        const QString hidden = folder + QStringLiteral("/.myfile.plist.damaged-20260101-000000");
        test::writeFile(history, "h");
        test::writeFile(group, "g");
        test::writeFile(lock, "1\ntavrin\nhost\n");
        test::writeFile(hidden, "d");
        setMode(folder, 0755);
        setMode(history, 0644);
        setMode(group, 0664);
        setMode(lock, 0644);
        setMode(hidden, 0755);
        // Left as they are: a file that is private already, a subfolder, and a link with the file it points to.
        const QString privateAlready = folder + QStringLiteral("/Private.plist");
        test::writeFile(privateAlready, "p");
        setMode(privateAlready, 0600);
        const QString subfolder = folder + QStringLiteral("/help");
        QVERIFY(QDir().mkpath(subfolder));
        setMode(subfolder, 0755);
        const QString outside = dirs.root() + QStringLiteral("/shared.txt");
        test::writeFile(outside, "s");
        setMode(outside, 0644);
        const QString link = folder + QStringLiteral("/Linked.plist");
        QVERIFY(QFile::link(outside, link));

        // Each change is said with its path.
        for (const QString &path : {folder, history, group, lock, hidden}) {
            QTest::ignoreMessage(QtInfoMsg, QRegularExpression(QRegularExpression::escape(path) +
                                                               QStringLiteral(" had mode 0[0-7]{3} and is now")));
        }
        const QStringList changed = makeFolderPrivate(folder);
        QCOMPARE(QSet<QString>(changed.cbegin(), changed.cend()),
                 (QSet<QString>{folder, history, group, lock, hidden}));
        QCOMPARE(changed.first(), folder);
        QCOMPARE(modeOf(folder), mode_t(0700));
        for (const QString &path : {history, group, lock, hidden, privateAlready})
            QCOMPARE(modeOf(path), mode_t(0600));
        QCOMPARE(modeOf(subfolder), mode_t(0755));
        QCOMPARE(modeOf(outside), mode_t(0644));

        // A second start finds nothing to change and says nothing.
        QVERIFY(makeFolderPrivate(folder).isEmpty());
    }

    void aSingleFileIsMadePrivateButNotThroughALink()
    {
        test::TestDirs dirs;
        const QString settings = dirs.settingsPath();
        test::writeFile(settings, "<plist/>");
        setMode(settings, 0666);
        QTest::ignoreMessage(QtInfoMsg,
                             QRegularExpression(QStringLiteral(".*settings.plist had mode 0666 and is now 0600")));
        QVERIFY(makeFilePrivate(settings));
        QCOMPARE(modeOf(settings), mode_t(0600));
        QVERIFY(!makeFilePrivate(settings));

        const QString link = dirs.root() + QStringLiteral("/link.plist");
        const QString target = dirs.root() + QStringLiteral("/target");
        test::writeFile(target, "t");
        setMode(target, 0644);
        QVERIFY(QFile::link(target, link));
        QVERIFY(!makeFilePrivate(link));
        QCOMPARE(modeOf(target), mode_t(0644));
    }

    void whatIsMissingIsLeftAlone()
    {
        test::TestDirs dirs;
        QVERIFY(makeFolderPrivate(dirs.root() + QStringLiteral("/none")).isEmpty());
        QVERIFY(!QFileInfo::exists(dirs.root() + QStringLiteral("/none")));
        QVERIFY(!makeFilePrivate(dirs.root() + QStringLiteral("/none.plist")));
        QVERIFY(!makeFilePrivate(QString()));
        QVERIFY(makeFolderPrivate(QString()).isEmpty());
    }
};

QTEST_MAIN(TestPrivateFiles)
#include "tst_private_files.moc"

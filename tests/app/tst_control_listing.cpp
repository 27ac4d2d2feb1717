// SPDX-License-Identifier: GPL-3.0-or-later
// The listings of `tavrin list` and `tavrin search` from the control service: the rows that a search and a limit
// choose, in the history's order, with the kinds of the files and folders among them; and a listing whose program
// ends before it is written, which still closes its channel.
#include "FakeAppContext.h"
#include "TestDirs.h"
#include "app/AppShell.h"
#include "app/ControlService.h"
#include "platform/fake/FakeDispatcher.h"
#include "platform/fake/FakePlatform.h"
#include "store/HistoryStore.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <poll.h>
#include <unistd.h>

using namespace tavrin;

namespace {

const QVariantMap kJson = {{QStringLiteral("format"), QStringLiteral("json")}};

// Everything written to the channel until it is closed; none when it stays open for a second.
std::optional<QByteArray> readAll(const QDBusUnixFileDescriptor &channel)
{
    QByteArray out;
    char buffer[4096];
    for (;;) {
        pollfd ready{channel.fileDescriptor(), POLLIN, 0};
        if (::poll(&ready, 1, 1000) != 1)
            return std::nullopt;
        const ssize_t got = ::read(channel.fileDescriptor(), buffer, sizeof buffer);
        if (got <= 0)
            return got == 0 ? std::optional<QByteArray>(out) : std::nullopt;
        out.append(buffer, got);
    }
}

struct App : test::FakeAppContext {
    test::TestDirs dirs;
    std::unique_ptr<AppShell> shell;
    std::unique_ptr<ControlService> control;

    App()
    {
        shell = std::make_unique<AppShell>(*context);
        control = std::make_unique<ControlService>(*context, *shell);
    }
    ~App()
    {
        control.reset();
        shell.reset();
        context.reset();
    }
    /// What a listing writes once every step of it ran.
    std::optional<QByteArray> written(const QDBusUnixFileDescriptor &channel)
    {
        platform->fakeDispatcher->runAll();
        return readAll(channel);
    }
};

// The rows of a JSON listing as "index kind text".
QStringList rowsOf(const QByteArray &json)
{
    QStringList rows;
    for (const QJsonValue &row : QJsonDocument::fromJson(json).array()) {
        const QJsonObject object = row.toObject();
        rows.append(
            QStringLiteral("%1 %2 %3")
                .arg(object.value(QStringLiteral("index")).toInt())
                .arg(object.value(QStringLiteral("kind")).toString(), object.value(QStringLiteral("text")).toString()));
    }
    return rows;
}

}  // namespace

class TestControlListing : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aSearchAndALimitChooseTheRowsAndTheirKinds()
    {
        App app;
        const QString folder = app.dirs.documents();
        const QString file = folder + QStringLiteral("/report.txt");
        test::writeFile(file, "report");
        HistoryStore &history = app.context->history();
        // Newest first: the file, a text naming the report, the folder, a path that is no file.
        for (const QString &entry : {folder + QStringLiteral("/gone.txt"), folder, QStringLiteral("the report"), file})
            history.insertCaptured(entry);
        // The captures' file tests.
        app.platform->fakeDispatcher->runAll();

        const std::optional<QByteArray> all = app.written(app.control->List(kJson));
        QVERIFY(all);
        QCOMPARE(rowsOf(*all), (QStringList{QStringLiteral("1 file ") + file, QStringLiteral("2 text the report"),
                                            QStringLiteral("3 folder ") + folder,
                                            QStringLiteral("4 text ") + folder + QStringLiteral("/gone.txt")}));

        const std::optional<QByteArray> found = app.written(app.control->Search(QStringLiteral("REPORT"), kJson));
        QVERIFY(found);
        QCOMPARE(rowsOf(*found), (QStringList{QStringLiteral("1 file ") + file, QStringLiteral("2 text the report")}));

        QVariantMap limited = kJson;
        limited.insert(QStringLiteral("limit"), 2u);
        const std::optional<QByteArray> firstTwo = app.written(app.control->Search(QDir::separator(), limited));
        QVERIFY(firstTwo);
        QCOMPARE(rowsOf(*firstTwo),
                 (QStringList{QStringLiteral("1 file ") + file, QStringLiteral("3 folder ") + folder}));
        const std::optional<QByteArray> none =
            app.written(app.control->Search(QStringLiteral("no entry holds this"), kJson));
        QVERIFY(none);
        QCOMPARE(rowsOf(*none), QStringList());
    }

    void aListingLeftUnwrittenWhenTheProgramEndsClosesItsChannel()
    {
        App app;
        app.context->history().insertCaptured(app.dirs.documents());
        const QDBusUnixFileDescriptor channel = app.control->List(kJson);
        // The rows chosen, the kinds not yet looked up: the program ends.
        QVERIFY(app.platform->fakeDispatcher->runBackground() > 0);
        app.control.reset();
        app.platform->fakeDispatcher->runAll();
        QCOMPARE(readAll(channel), std::optional<QByteArray>(QByteArray()));
    }
};

QTEST_MAIN(TestControlListing)
#include "tst_control_listing.moc"

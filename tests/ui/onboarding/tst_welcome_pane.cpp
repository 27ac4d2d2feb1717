// SPDX-License-Identifier: GPL-3.0-or-later
// The welcome steps on the fake platform: the e-mail checks, the newsletter request against a loopback HTTP server
// run by the test (every answer, no answer, no server), the alerts and the field they empty, and the start-at-login
// choice.
#include "FakeAppContext.h"
#include "platform/fake/FakeLoginItems.h"
#include "platform/fake/FakeScheduler.h"
#include "store/SettingsKeys.h"
#include "ui/SheetPresenter.h"
#include "ui/onboarding/NewsletterClient.h"
#include "ui/onboarding/NewsletterForm.h"
#include "ui/onboarding/NewsletterRequest.h"
#include "ui/onboarding/WelcomePane.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using namespace tavrin;

namespace {

// A list key whose Base64 form holds "+" and "/".
const QString kListKey = QStringLiteral("ab>cd?ef~g");

// An HTTP server on 127.0.0.1 that records each request line and answers with a set body (or holds the request
// open when told to stay silent).
class LoopbackServer : public QObject {
public:
    LoopbackServer()
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        QObject::connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                socket->setParent(this);
                QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
            }
        });
    }

    QString endpoint() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }

    /// The body of the next answers; none: the request is held without an answer.
    std::optional<QByteArray> body = QByteArray("0");
    /// "GET /path?query HTTP/1.1" of each request.
    QList<QByteArray> requestLines;

private:
    void read(QTcpSocket *socket)
    {
        QByteArray &buffer = m_buffers[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n"))
            return;
        requestLines.append(buffer.left(buffer.indexOf("\r\n")));
        buffer.clear();
        if (!body)
            return;
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nConnection: close\r\nContent-Length: " +
                      QByteArray::number(body->size()) + "\r\n\r\n" + *body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};

// The welcome pane of a first run over the fake platform, its sheets answered by the test.
struct Welcome : test::FakeAppContext {
    ScriptedSheetPresenter *sheets = nullptr;
    std::unique_ptr<WelcomePane> pane;

    explicit Welcome(const QString &endpoint = {}, bool withLoginItems = true)
    {
        auto scripted = std::make_unique<ScriptedSheetPresenter>();
        sheets = scripted.get();
        context->setSheetPresenter(std::move(scripted));
        if (!withLoginItems)
            platform->loginItems.reset();
        if (!endpoint.isEmpty()) {
            settings->setString(keys::newsletterEndpoint, endpoint);
            settings->setString(keys::newsletterListKey, kListKey);
        }
        pane = std::make_unique<WelcomePane>(context->viewServices());
    }
    ~Welcome() { pane.reset(); }

    NewsletterForm &form() { return *pane->newsletterForm(); }
    QLineEdit &field() { return *form().emailField(); }
    /// Types an address and presses the button.
    void subscribe(const QString &address)
    {
        field().setText(address);
        form().subscribeButton()->click();
    }
    /// The alert shown last as "title | text".
    QString lastAlert() const
    {
        if (sheets->shown.isEmpty())
            return {};
        const AlertRequest &alert = sheets->shown.constLast();
        return alert.messageText + QStringLiteral(" | ") + alert.informativeText;
    }
    /// Waits until the form's requests have been answered or given up.
    bool waitForReplies()
    {
        return QTest::qWaitFor([this] { return form().client().pendingRequests() == 0; });
    }
};

QByteArray base64Query(const QString &value)
{
    return QUrl::toPercentEncoding(QString::fromLatin1(value.toUtf8().toBase64()));
}

}  // namespace

class TestWelcomePane : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theAddressMustMatchAsAWhole_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("valid");
        QTest::newRow("two-letter top level") << QStringLiteral("maria@example.de") << true;
        QTest::newRow("long top level") << QStringLiteral("maria.keller+news@mail.example.org") << true;
        QTest::newRow("single-letter top level") << QStringLiteral("maria@example.d") << false;
        QTest::newRow("digits as top level") << QStringLiteral("maria@example.12") << false;
        QTest::newRow("leading space") << QStringLiteral(" maria@example.org") << false;
        QTest::newRow("trailing space") << QStringLiteral("maria@example.org ") << false;
        QTest::newRow("no at sign") << QStringLiteral("maria.example.org") << false;
        QTest::newRow("two addresses") << QStringLiteral("a@example.org b@example.org") << false;
        QTest::newRow("line break after") << QStringLiteral("maria@example.org\n") << false;
        QTest::newRow("non-ASCII name") << QStringLiteral("märia@example.org") << false;
    }
    void theAddressMustMatchAsAWhole()
    {
        QFETCH(QString, address);
        QFETCH(bool, valid);
        QCOMPARE(newsletter::isValidEmailAddress(address), valid);
    }

    void onlyHttpsOrALoopbackServerIsUsed()
    {
        QVERIFY(newsletter::isUsableEndpoint(QStringLiteral("https://news.example.org")));
        QVERIFY(newsletter::isUsableEndpoint(QStringLiteral("http://127.0.0.1:8080")));
        QVERIFY(newsletter::isUsableEndpoint(QStringLiteral("http://localhost/base/")));
        QVERIFY(newsletter::isUsableEndpoint(QStringLiteral("http://[::1]:81")));
        QString why;
        QVERIFY(!newsletter::isUsableEndpoint(QStringLiteral("http://news.example.org"), &why));
        QVERIFY(why.contains(QStringLiteral("HTTPS")));
        QVERIFY(!newsletter::isUsableEndpoint(QStringLiteral("http://127.0.0.1.example.org")));
        QVERIFY(!newsletter::isUsableEndpoint(QStringLiteral("ftp://127.0.0.1")));
        QVERIFY(!newsletter::isUsableEndpoint(QStringLiteral("news.example.org")));
        QVERIFY(!newsletter::isUsableEndpoint(QString()));
        QVERIFY(!newsletter::subscriptionUrl(QStringLiteral("http://news.example.org"), QStringLiteral("key"),
                                             QStringLiteral("a@example.org")));

        // Without a usable service the form is not there at all.
        QVERIFY(!Welcome().pane->newsletterForm());
        QTest::ignoreMessage(QtWarningMsg, "no newsletter form: \"http://news.example.org\" is not an HTTPS address");
        QVERIFY(!Welcome(QStringLiteral("http://news.example.org")).pane->newsletterForm());
        QVERIFY(Welcome(QStringLiteral("https://news.example.org")).pane->newsletterForm());
    }

    void blankAndInvalidAddressesAreRefusedBeforeAnythingIsSent()
    {
        LoopbackServer server;
        Welcome welcome(server.endpoint());
        welcome.sheets->answerNext(0);
        welcome.subscribe(QString());
        QCOMPARE(welcome.lastAlert(), QStringLiteral("Email cannot be blank | Please enter a valid Email address"));
        QCOMPARE(welcome.sheets->shown.constLast().style, 0);
        QCOMPARE(welcome.sheets->shown.constLast().buttons, QStringList{QStringLiteral("OK")});
        QCOMPARE(welcome.sheets->alertWindows.constLast().data(), welcome.pane->window());

        // The alert stays until it is answered; answering it empties the field.
        welcome.subscribe(QStringLiteral("maria@example.d"));
        QVERIFY(welcome.sheets->hasOpenAlert());
        QCOMPARE(welcome.lastAlert(), QStringLiteral("Invalid Email | Please enter a valid Email address"));
        QCOMPARE(welcome.field().text(), QStringLiteral("maria@example.d"));
        QVERIFY(welcome.sheets->answerOpenAlert(0));
        QVERIFY(welcome.field().text().isEmpty());

        welcome.sheets->answerNext(0);
        welcome.subscribe(QStringLiteral(" maria@example.org"));
        QCOMPARE(welcome.lastAlert(), QStringLiteral("Invalid Email | Please enter a valid Email address"));
        QVERIFY(welcome.field().text().isEmpty());
        QCOMPARE(welcome.form().client().pendingRequests(), 0);
        QCoreApplication::processEvents();
        QVERIFY(server.requestLines.isEmpty());
    }

    void theRequestCarriesTheEncodedValuesExactly()
    {
        LoopbackServer server;
        Welcome welcome(server.endpoint() + QStringLiteral("/"));
        welcome.sheets->answerNext(0);
        welcome.subscribe(QStringLiteral("maria@example.org"));
        QVERIFY(welcome.waitForReplies());
        QCOMPARE(server.requestLines.size(), 1);
        QCOMPARE(server.requestLines.constFirst(),
                 "GET /wp-content/plugins/newsletter-api/add.php/?nl=3&nk=" + base64Query(kListKey) +
                     "&ne=" + base64Query(QStringLiteral("maria@example.org")) + "&nn= HTTP/1.1");
        // The list key's Base64 form holds "+" and "/": they arrive encoded, not as a space or a path separator.
        QVERIFY(server.requestLines.constFirst().contains("%2B") && server.requestLines.constFirst().contains("%2F"));
    }

    void anyAddressArrivesExactlyAsItsBase64Form()
    {
        // Not one the form lets through, but the request must carry whatever it is given: its Base64 form holds
        // "+", "/" and "=".
        const QString address = QStringLiteral("ab>cd?@example.org");
        QVERIFY(QByteArray(address.toUtf8().toBase64()).contains('+'));
        QVERIFY(QByteArray(address.toUtf8().toBase64()).contains('/'));
        LoopbackServer server;
        test::FakeAppContext app;
        NewsletterClient client(*app.platform->fakeScheduler);
        const std::optional<QUrl> url = newsletter::subscriptionUrl(server.endpoint(), kListKey, address);
        QVERIFY(url);
        client.send(*url);
        QVERIFY(QTest::qWaitFor([&] { return client.pendingRequests() == 0; }));
        QCOMPARE(server.requestLines.size(), 1);
        // What the server decodes is the address itself.
        const QByteArray line = server.requestLines.constFirst();
        const qsizetype from = line.indexOf("&ne=") + 4;
        const QByteArray sent = line.mid(from, line.indexOf("&nn=") - from);
        QCOMPARE(sent, base64Query(address));
        QCOMPARE(QByteArray::fromBase64(QByteArray::fromPercentEncoding(sent)), address.toUtf8());
    }

    void eachReplyGetsItsAlert_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("alert");
        QTest::newRow("0") << QByteArray("0")
                           << QStringLiteral("Successfully Subscribed | You have Successfully Subscribed for our "
                                             "Newslatter.");
        QTest::newRow("1 with white space")
            << QByteArray(" 1\n")
            << QStringLiteral("Already Subscribed | The email address \"maria@example.org\" already has an Active "
                              "Subscription.");
        QTest::newRow("2") << QByteArray("2")
                           << QStringLiteral("Unknown error | There was an error in processing your request. Please "
                                             "try again later.");
        QTest::newRow("other number") << QByteArray("3") << QString();
        QTest::newRow("fraction") << QByteArray("0.5") << QString();
        QTest::newRow("number in an array") << QByteArray("[0]") << QString();
        QTest::newRow("string") << QByteArray("\"0\"") << QString();
        QTest::newRow("not JSON") << QByteArray("<html>0</html>") << QString();
        QTest::newRow("empty") << QByteArray() << QString();
    }
    void eachReplyGetsItsAlert()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, alert);
        LoopbackServer server;
        server.body = body;
        Welcome welcome(server.endpoint());
        welcome.subscribe(QStringLiteral("maria@example.org"));
        QVERIFY(welcome.waitForReplies());
        QCOMPARE(server.requestLines.size(), 1);
        QCOMPARE(welcome.lastAlert(), alert);
        if (alert.isEmpty()) {
            QCOMPARE(welcome.field().text(), QStringLiteral("maria@example.org"));
            return;
        }
        QCOMPARE(welcome.sheets->shown.constLast().style, 0);
        QVERIFY(welcome.sheets->answerOpenAlert(0));
        QVERIFY(welcome.field().text().isEmpty());
    }

    void theAlreadySubscribedAlertNamesTheFieldAsItIsWhenTheReplyComes()
    {
        LoopbackServer server;
        server.body = QByteArray("1");
        Welcome welcome(server.endpoint());
        welcome.subscribe(QStringLiteral("maria@example.org"));
        welcome.field().setText(QStringLiteral("typed meanwhile"));
        QVERIFY(welcome.waitForReplies());
        QVERIFY(welcome.lastAlert().contains(QStringLiteral("\"typed meanwhile\" already has")));
    }

    void noReplyInTimeIsGivenUpSilentlyOnTheClock()
    {
        LoopbackServer server;
        server.body.reset();
        Welcome welcome(server.endpoint());
        QSignalSpy replies(&welcome.form().client(), &NewsletterClient::replied);
        welcome.subscribe(QStringLiteral("maria@example.org"));
        QVERIFY(QTest::qWaitFor([&] { return server.requestLines.size() == 1; }));
        // Nothing ends the wait before its time.
        welcome.platform->fakeScheduler->advance(NewsletterClient::kTimeout - std::chrono::milliseconds(1));
        QCoreApplication::processEvents();
        QCOMPARE(welcome.form().client().pendingRequests(), 1);
        welcome.platform->fakeScheduler->advance(std::chrono::milliseconds(1));
        QVERIFY(welcome.waitForReplies());
        QCOMPARE(replies.size(), 1);
        QCOMPARE(replies.constFirst().constFirst().value<newsletter::Reply>(), newsletter::Reply::ignored);
        QVERIFY(welcome.sheets->shown.isEmpty());
        QCOMPARE(welcome.field().text(), QStringLiteral("maria@example.org"));
    }

    void aRefusedConnectionShowsNothing()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();
        Welcome welcome(QStringLiteral("http://127.0.0.1:%1").arg(port));
        welcome.subscribe(QStringLiteral("maria@example.org"));
        QVERIFY(welcome.waitForReplies());
        QVERIFY(welcome.sheets->shown.isEmpty());
        QCOMPARE(welcome.field().text(), QStringLiteral("maria@example.org"));
    }

    void finishingStoresTheFirstRunAndTheLoginChoiceOnce()
    {
        Welcome welcome;
        QVERIFY(welcome.pane->startAtLoginBox()->isEnabled());
        QVERIFY(welcome.pane->startAtLoginBox()->isChecked());
        welcome.pane->startAtLoginBox()->setChecked(false);
        QSignalSpy finished(welcome.pane.get(), &WelcomePane::finished);
        welcome.pane->getStartedButton()->click();
        QCOMPARE(finished.size(), 1);
        QCOMPARE(welcome.settings->integer(keys::firstRun), std::optional<std::int64_t>(1));
        QCOMPARE(welcome.platform->fakeLoginItems->requests,
                 (QList<QPair<QString, bool>>{{QString::fromLatin1(LoginItems::kLauncherIdentifier), false}}));
        QCOMPARE(welcome.settings->boolValue(keys::startAtLogin), std::optional<bool>(false));
        QVERIFY(welcome.sheets->shown.isEmpty());
        // A second press (or a close right after) changes nothing more.
        welcome.pane->finish();
        QCOMPARE(finished.size(), 1);
        QCOMPARE(welcome.platform->fakeLoginItems->requests.size(), 1);
    }

    void aStoredChoiceIsShownAndAnExistingFirstRunValueKept()
    {
        test::FakeAppContext app;
        app.settings->setBool(keys::startAtLogin, false);
        app.settings->setInteger(keys::firstRun, 7);
        WelcomePane pane(app.context->viewServices());
        QVERIFY(!pane.startAtLoginBox()->isChecked());
        pane.finish();
        QCOMPARE(app.settings->integer(keys::firstRun), std::optional<std::int64_t>(7));
    }

    void aLoginItemThatFailsIsToldOnceAndTheStepsStillEnd()
    {
        Welcome welcome;
        welcome.platform->fakeLoginItems->succeeds = false;
        QTest::ignoreMessage(QtWarningMsg, "Failed to add login item. the autostart folder is read-only");
        QSignalSpy finished(welcome.pane.get(), &WelcomePane::finished);
        welcome.pane->finish();
        QCOMPARE(finished.size(), 1);
        QCOMPARE(welcome.settings->integer(keys::firstRun), std::optional<std::int64_t>(1));
        QCOMPARE(welcome.settings->boolValue(keys::startAtLogin), std::nullopt);
        QCOMPARE(welcome.sheets->shown.size(), 1);
        QCOMPARE(welcome.lastAlert(), QStringLiteral("Tavrin will not start at login | the autostart folder is "
                                                     "read-only. You can try again in Preferences."));
    }

    void aDesktopThatCannotStartProgramsDisablesTheBox()
    {
        Welcome welcome({}, false);
        QCheckBox *box = welcome.pane->startAtLoginBox();
        QVERIFY(!box->isEnabled());
        QVERIFY(!box->isChecked());
        const QList<QLabel *> labels = welcome.pane->findChildren<QLabel *>();
        QVERIFY(std::any_of(labels.begin(), labels.end(), [](QLabel *label) {
            return label->text() == QStringLiteral("This desktop cannot start programs when you log in.");
        }));
        welcome.pane->finish();
        QVERIFY(welcome.sheets->shown.isEmpty());
        QCOMPARE(welcome.settings->integer(keys::firstRun), std::optional<std::int64_t>(1));
    }

    void everyControlHasAnAccessibleName()
    {
        Welcome welcome(QStringLiteral("https://news.example.org"));
        const QList<QWidget *> controls = welcome.pane->findChildren<QWidget *>();
        int named = 0;
        for (QWidget *control : controls) {
            if (qobject_cast<QAbstractButton *>(control) || qobject_cast<QLineEdit *>(control)) {
                QVERIFY2(!control->accessibleName().isEmpty(), control->metaObject()->className());
                ++named;
            }
        }
        QCOMPARE(named, 4);
    }
};

QTEST_MAIN(TestWelcomePane)
#include "tst_welcome_pane.moc"

#include "check_for_software_updates.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <QtTest>

namespace {
const QString upToDate =
    QStringLiteral("No newer updates are available. You are using the latest version.");
const QString unableTo = QStringLiteral("Error: Unable to retrieve latest version information. ");

// An update server on 127.0.0.1: answers every GET of a path with what was set for it.
class LocalHttpServer : public QObject {
public:
    struct Answer {
        QByteArray status = "200 OK";
        QByteArray body;
        bool announceLength = true;
    };

    LocalHttpServer() {
        if (!server.listen(QHostAddress(QStringLiteral("127.0.0.1")), 0))
            qFatal("cannot listen on 127.0.0.1");
        connect(&server, &QTcpServer::newConnection, this, &LocalHttpServer::accept);
    }
    QString url(const QByteArray& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server.serverPort()).arg(path.data());
    }
    void set(const QByteArray& path, const Answer& answer) { answers[path] = answer; }
    int requests = 0;

private:
    void accept() {
        while (QTcpSocket* socket = server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    }
    void serve(QTcpSocket* socket) {
        QByteArray& request = pending[socket];
        request += socket->readAll();
        if (!request.contains("\r\n\r\n"))
            return;
        ++requests;
        const QByteArray path = request.split(' ').value(1);
        const Answer answer = answers.value(path, Answer{"404 Not Found", "no such file", true});
        QByteArray head = "HTTP/1.1 " + answer.status + "\r\nContent-Type: text/plain\r\n";
        if (answer.announceLength)
            head += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
        socket->write(head + "Connection: close\r\n\r\n" + answer.body);
        socket->disconnectFromHost();
    }

    QTcpServer server;
    QHash<QByteArray, Answer> answers;
    QHash<QTcpSocket*, QByteArray> pending;
};

update_init_info initFor(const QStringList& urls) {
    update_init_info init = checkForSoftwareUpdates::programInitInfo();
    init.urls = urls;
    return init;
}

struct Answer {
    QString message;
    int type = 0;
};

Answer check(const QStringList& urls) {
    checkForSoftwareUpdates checker;
    QSignalSpy done(&checker, &checkForSoftwareUpdates::completion_message);
    checker.execute(initFor(urls));
    if (!done.wait(10000))
        return {};
    QTest::qWait(50); // a second answer would come now
    if (done.size() != 1)
        return {};
    return {done[0][0].toString(), done[0][1].toInt()};
}

QString newer(const QString& version, const QString& url, const QString& readme,
              const QString& changes) {
    const QString block =
        changes.isEmpty() ? QString()
                          : "<br>The following changes have been made in this version:<br><br>" +
                                changes + "<br>";
    return "<html>A newer version " + version + " is <a href=\"" + url +
           "\">available for download</a>. " + block + "See the <a href=\"" + readme +
           "\">README file</a> for more information.</html>";
}
} // namespace

class UpdateCheckTest : public QObject {
    Q_OBJECT

private slots:
    void programAsksItsOwnServer() {
        const update_init_info init = checkForSoftwareUpdates::programInitInfo();
        QCOMPARE(init.current_build, 180105);
        QCOMPARE(init.urls.size(), 2);
        for (const QString& text : init.urls) {
            const QUrl url(text);
            QCOMPARE(url.path(), QStringLiteral("/qvtools/updates.txt"));
            // A name under the reserved .example domain never resolves to a real server.
            QVERIFY(url.host().endsWith(QLatin1String(".example")));
        }
    }

    void answers_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("message");
        const QByteArray windows = "PLATFORM=WINDOWS\r\nVERSION=1.5.00.0\r\n"
                                   "URL=http://example.com/get\r\nREADME=https://example.com/r\r\n";
        QTest::newRow("newer, one change above our build")
            << windows + "BUILD=180106\r\nCHANGES=180106=Faster search\r\n"
                         "CHANGES=180100=An old fix\r\n"
            << 1
            << newer("1.5.00.0", "http://example.com/get", "https://example.com/r",
                     "1. Faster search<br>");
        QTest::newRow("newer, no changes")
            << windows + "BUILD=180106\n"
            << 1 << newer("1.5.00.0", "http://example.com/get", "https://example.com/r", "");
        QTest::newRow("equal build") << windows + "BUILD=180105\n" << 2 << upToDate;
        QTest::newRow("older build") << windows + "  BUILD=170000  \n" << 2 << upToDate;
        QTest::newRow("MAC block before")
            << "PLATFORM=MAC\nBUILD=999999\n" + windows + "BUILD=180105\n"
            << 2 << upToDate;
        QTest::newRow("MAC block after") << windows + "BUILD=180105\nPLATFORM=MAC\nBUILD=999999\n"
                                         << 2 << upToDate;
        QTest::newRow("keys outside any block") << QByteArray("BUILD=999999\n") << 3
                                                << unableTo + "The update information names no "
                                                              "release for this program.";
        QTest::newRow("build not a number") << windows + "BUILD=18O106\n"
                                            << 3
                                            << unableTo + "The update information names no "
                                                          "release for this program.";
        const QString noRelease =
            unableTo + "The update information names no release for this program.";
        const QString plainNewer =
            newer("1.5.00.0", "http://example.com/get", "https://example.com/r", "");
        QTest::newRow("build of 9 digits, the widest") << windows + "BUILD=999999999\n"
                                                       << 1 << plainNewer;
        QTest::newRow("build with leading zeros") << windows + "BUILD=000180106\n"
                                                  << 1 << plainNewer;
        QTest::newRow("build with leading zeros, equal") << windows + "BUILD=000180105\n"
                                                         << 2 << upToDate;
        QTest::newRow("build 0") << windows + "BUILD=0\n" << 2 << upToDate;
        QTest::newRow("build of 10 digits") << windows + "BUILD=1000000000\n" << 3 << noRelease;
        QTest::newRow("build of 10 digits, leading zero") << windows + "BUILD=0000180106\n"
                                                          << 3 << noRelease;
        QTest::newRow("build with a sign") << windows + "BUILD=+180106\n" << 3 << noRelease;
        QTest::newRow("key in lower case")
            << QByteArray("PLATFORM=WINDOWS\nbuild=180106\n") << 3 << noRelease;
        QTest::newRow("platform in lower case")
            << QByteArray("PLATFORM=windows\nBUILD=180106\n") << 3 << noRelease;
        QTest::newRow("changes of our build and the next, leading zeros")
            << windows + "BUILD=180106\nCHANGES=180105=Ours\nCHANGES=0180106=Next\n"
                         "CHANGES=1000000000=Too wide\n"
            << 1
            << newer("1.5.00.0", "http://example.com/get", "https://example.com/r", "1. Next<br>");
        QTest::newRow("garbage") << QByteArray("\x89PNG\r\n\x1a\n\0\0=BUILD=1", 16) << 3
                                 << unableTo + "The update information names no release for "
                                               "this program.";

        // Server text never becomes markup, a placeholder in it is not filled, a key inside
        // another line's text is no key, and only web links are offered.
        QTest::newRow("hostile text")
            << QByteArray("PLATFORM=WINDOWS\nBUILD=180106\nVERSION=<b>2</b> %2 & %4\n"
                          "URL=https://example.com/get?a=1&b=\"2\"\nREADME=file:///etc/passwd\n"
                          "CHANGES=180106=<img src=x> URL=http://evil.example/\n")
            << 1
            << newer("&lt;b&gt;2&lt;/b&gt; %2 &amp; %4",
                     "https://example.com/get?a=1&amp;b=%222%22", "",
                     "1. &lt;img src=x&gt; URL=http://evil.example/<br>");

        QByteArray many = windows + "BUILD=180200\n";
        QString listed;
        for (int i = 1; i <= 20; ++i) {
            many += "CHANGES=1801" + QByteArray::number(i + 10) + "=Change " +
                    QByteArray::number(i) + "\n";
            if (i <= 15)
                listed += QStringLiteral("%1. Change %1<br>").arg(i);
        }
        QTest::newRow("20 changes, 15 listed")
            << many << 1
            << newer("1.5.00.0", "http://example.com/get", "https://example.com/r", listed);
    }
    void answers() {
        QFETCH(QByteArray, body);
        QFETCH(int, type);
        QFETCH(QString, message);
        LocalHttpServer server;
        server.set("/qvtools/updates.txt", {"200 OK", body, true});
        const QString url = server.url("/qvtools/updates.txt");
        const Answer answer = check({url, url});
        QCOMPARE(answer.message, message);
        QCOMPARE(answer.type, type);
        QCOMPARE(server.requests, 2);
    }

    void failures_data() {
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("announceLength");
        QTest::addColumn<QString>("reason");
        const QByteArray large(8 * 1024 * 1024, 'A');
        QTest::newRow("404") << QByteArray("404 Not Found") << QByteArray("gone") << true
                             << "The update server answered with HTTP status 404";
        QTest::newRow("closed port")
            << QByteArray() << QByteArray() << true << "The update server could not be reached";
        QTest::newRow("8 MB announced") << QByteArray("200 OK") << large << true
                                        << "The update information is larger than expected";
        QTest::newRow("8 MB unannounced") << QByteArray("200 OK") << large << false
                                          << "The update information is larger than expected";
    }
    void failures() {
        QFETCH(QByteArray, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, announceLength);
        QFETCH(QString, reason);
        LocalHttpServer server;
        QString url = server.url("/qvtools/updates.txt");
        if (status.isEmpty()) {
            QTcpServer closed;
            QVERIFY(closed.listen(QHostAddress(QStringLiteral("127.0.0.1")), 0));
            url =
                QStringLiteral("http://127.0.0.1:%1/qvtools/updates.txt").arg(closed.serverPort());
        } else {
            server.set("/qvtools/updates.txt", {status, body, announceLength});
        }
        QElapsedTimer t;
        t.start();
        const Answer answer = check({url, url});
        QCOMPARE(answer.message, unableTo + reason + ".");
        QCOMPARE(answer.type, 3);
        QVERIFY(t.elapsed() < 5000);
    }

    // The best answer wins whichever request comes back first.
    void oneFailsOneSucceeds_data() {
        QTest::addColumn<bool>("failingFirst");
        QTest::newRow("failing first") << true;
        QTest::newRow("failing second") << false;
    }
    void oneFailsOneSucceeds() {
        QFETCH(bool, failingFirst);
        LocalHttpServer server;
        server.set("/qvtools/updates.txt", {"200 OK", "PLATFORM=WINDOWS\nBUILD=170000\n", true});
        const QString good = server.url("/qvtools/updates.txt");
        const QString bad = server.url("/missing.txt");
        const Answer answer = check(failingFirst ? QStringList{bad, good} : QStringList{good, bad});
        QCOMPARE(answer.message, upToDate);
        QCOMPARE(answer.type, 2);
    }
};

QTEST_GUILESS_MAIN(UpdateCheckTest)
#include "tst_update_check.moc"

#include "display_model.h"
#include "fake_display.h"
#include "test_files.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// Loopback addresses 127.0.14.20 to 127.0.14.29 belong to this test; nothing listens on .29.

namespace {
// A display on a loopback address, answering the core commands.
struct Display {
    explicit Display(const char* address) : fake(FakeDisplay::Link::Tcp, QLatin1String(address)) {
        fake.setHandler(model.handler());
    }
    DisplayModel model;
    FakeDisplay fake;
};
} // namespace

// The program as a user starts it: one copy at a time, also after a copy crashed; scripts named
// on its command line, run unattended, with an exit code that says how they went.
class ProgramTest : public QObject {
    Q_OBJECT

    // The user's home of these runs: their own settings and lock, apart from any copy the user
    // or another test runs.
    QTemporaryDir home;
    QTemporaryDir runtime;

    // Without a platform given and without a desktop, the program has to choose one itself.
    void prepare(QProcess& p, const QString& tmpdir, bool platformGiven = true) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (platformGiven) {
            env.insert("QT_QPA_PLATFORM", "offscreen");
        } else {
            for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
                env.remove(name);
        }
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.path() + "/config");
        // Qt makes its runtime folder in the temp folder when none is given.
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("TMPDIR", tmpdir);
        p.setProcessEnvironment(env);
        p.setProgram(QStringLiteral(ZQV_PROGRAM));
    }
    bool waitForLock() {
        for (int i = 0; i < 200; ++i) {
            QDirIterator it(home.path() + "/config", {"*.lock"}, QDir::Files,
                            QDirIterator::Subdirectories);
            if (it.hasNext())
                return true;
            QTest::qWait(50);
        }
        return false;
    }
    static void stop(QProcess& p) {
        p.kill();
        p.waitForFinished(5000);
    }
    // Script files of one test, by name.
    static QStringList writeScripts(const QTemporaryDir& dir,
                                    const QMap<QString, QByteArray>& files) {
        QStringList paths;
        for (auto it = files.begin(); it != files.end(); ++it)
            paths << writeTestFile(dir, it.key(), it.value());
        return paths;
    }
    QString settingsFile() const {
        return home.path() + "/config/ZET DISPLAY SOLUTIONS/ZET QV Comms Tool.conf";
    }

private slots:
    // A second copy exits at once, whatever temp folder either copy was given. Started for a
    // script, it does not run it, says so and exits non-zero, so that its caller knows.
    void secondCopyExitsAtOnce() {
        Display display("127.0.14.22");
        QTemporaryDir tmpA, tmpB, scripts;
        QProcess first;
        prepare(first, tmpA.path());
        first.start();
        QVERIFY(first.waitForStarted());
        QVERIFY(waitForLock());

        QProcess second;
        prepare(second, tmpB.path());
        second.start();
        QVERIFY(
            second.waitForFinished(30000)); // a loaded machine starts an instrumented build slowly
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);

        const QStringList script =
            writeScripts(scripts, {{"site.txt", "SETPORT 127.0.14.22\nSETPOWER OFF\n"}});
        second.setArguments(script);
        second.start();
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 3);
        const QString errors = QString::fromLocal8Bit(second.readAllStandardError());
        QVERIFY2(
            errors.contains("Another copy of the program is running; not run: " + script.first()),
            qPrintable(errors));
        QCOMPARE(display.fake.connectionCount(), 0);
        QCOMPARE(first.state(), QProcess::Running);

        // A copy that crashed leaves its lock behind; the next copy starts all the same.
        stop(first);
        QProcess third;
        prepare(third, tmpB.path());
        third.start();
        QVERIFY(third.waitForStarted());
        QVERIFY(!third.waitForFinished(2000)); // still running: it took the lock over
        stop(third);
        QVERIFY(QDir(tmpA.path()).isEmpty());
        QVERIFY(QDir(tmpB.path()).isEmpty());
    }

    // One script named on the command line runs unattended against the display and the program
    // closes, saving its settings; the exit code and standard error say how the run went, or
    // that the named file is missing.
    void commandLineRun_data() {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("errors");   // expected among the lines on standard error
        QTest::addColumn<QStringList>("requests"); // what the display saw
        QTest::newRow("every command succeeds")
            << QByteArray("SETPORT 127.0.14.20\nSETOPCODE 10 TO 50\nSETPOWER OFF\n") << 0
            << QStringList{} << QStringList{"E 00100032", "A C203D60004"};
        QTest::newRow("an op code the display does not know")
            << QByteArray("SETPORT 127.0.14.20\nSETOPCODE 11 TO 5\nSETPOWER OFF\n") << 1
            << QStringList{"Failed: 2. Set OP Code 0x0011 to 5"}
            << QStringList{"E 00110005", "A C203D60004"};
        QTest::newRow("a display that does not answer")
            << QByteArray("SETPORT 127.0.14.20\nSETPOWER OFF\nSETPORT 127.0.14.29\n"
                          "SETPOWER ON\n")
            << 1
            << QStringList{"Error: Connection refused by remote IP address",
                           "Failed: 3. Set Port to 127.0.14.29", "Failed: 4. Set Power On"}
            << QStringList{"A C203D60004"};
        QTest::newRow("a script that does not parse")
            << QByteArray("SETPORT 127.0.14.20\n\nSETPOWER OFF\nSETOPCODE 10 TO\n") << 2
            << QStringList{"Error: Incorrect number of parameters at line 3 in file "
                           "\"site.txt\""}
            << QStringList{};
        QTest::newRow("a file that does not exist")
            << QByteArray() << 2 << QStringList{"No such script file: site.txt"} << QStringList{};
    }
    void commandLineRun() {
        QFETCH(QByteArray, script);
        QFETCH(int, exitCode);
        QFETCH(QStringList, errors);
        QFETCH(QStringList, requests);
        Display display("127.0.14.20");
        display.model.setParameter(0x10, 0, 100);
        QTemporaryDir tmp, scripts;
        QFile::remove(settingsFile());
        QProcess p;
        prepare(p, tmp.path(), false);
        // Named as a user in the script's folder names it; a null script is not written.
        if (!script.isNull())
            writeScripts(scripts, {{"site.txt", script}});
        p.setWorkingDirectory(scripts.path());
        p.setArguments({"site.txt"});
        p.start();
        QVERIFY(p.waitForFinished(60000));
        const QStringList lines = QString::fromLocal8Bit(p.readAllStandardError()).split('\n');
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QVERIFY2(p.exitCode() == exitCode, qPrintable(lines.join('\n')));
        for (const QString& error : errors)
            QVERIFY2(lines.contains(error), qPrintable(lines.join('\n')));
        QStringList seen;
        for (const QByteArray& r : display.fake.requests())
            seen << QStringLiteral("%1 %2").arg(QChar(FakeDisplay::typeOf(r)),
                                                QString::fromLatin1(FakeDisplay::bodyOf(r)));
        QCOMPARE(seen, requests);
        QVERIFY(QSettings(settingsFile(), QSettings::IniFormat).contains("m_monitor_id"));
    }

    // With two scripts both are listed and the window stays open without running either; a
    // file that does not exist is said to be missing.
    void twoScriptsAreListedNotRun() {
        Display display("127.0.14.21");
        QTemporaryDir tmp, scripts;
        QProcess p;
        prepare(p, tmp.path());
        const QByteArray power = "SETPORT 127.0.14.21\nSETPOWER OFF\n";
        p.setArguments(writeScripts(scripts, {{"a.txt", power}, {"b.txt", power}})
                       << scripts.filePath("missing.txt"));
        p.start();
        QVERIFY(p.waitForStarted());
        // Once the program has said it runs neither, it stays open without sending anything.
        QString errors;
        QTRY_VERIFY_WITH_TIMEOUT((errors += QString::fromLocal8Bit(p.readAllStandardError()))
                                     .contains("2 scripts are listed"),
                                 60000);
        QVERIFY(!p.waitForFinished(1000));
        QCOMPARE(display.fake.connectionCount(), 0);
        stop(p);
        QVERIFY2(errors.contains("No such script file: " + scripts.filePath("missing.txt")),
                 qPrintable(errors));
    }

    // Without a usable temp folder the program starts and writes nothing where it was started.
    void noTempFolder_data() {
        QTest::addColumn<QString>("tmpdir");
        QTest::newRow("empty") << "";
        QTest::newRow("missing") << "/nonexistent-zqv-tmp";
    }
    void noTempFolder() {
        QFETCH(QString, tmpdir);
        QTemporaryDir work;
        QProcess p;
        prepare(p, tmpdir);
        p.setWorkingDirectory(work.path());
        p.start();
        QVERIFY(p.waitForStarted());
        QVERIFY(waitForLock());
        QVERIFY(!p.waitForFinished(500));
        stop(p);
        QVERIFY(QDir(work.path()).isEmpty());
    }

    // Help > User's Guide opens the guide beside the program.
    void usersGuideLiesBesideTheProgram() {
        QFile guide(QFileInfo(QStringLiteral(ZQV_PROGRAM)).dir().filePath("Users Guide.pdf"));
        QVERIFY(guide.open(QIODevice::ReadOnly));
        const QByteArray pdf = guide.readAll();
        QVERIFY(pdf.startsWith("%PDF-"));
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));
        QVERIFY(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") >= 2);
    }
};

QTEST_GUILESS_MAIN(ProgramTest)
#include "tst_program.moc"

#include "display_families.h"
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
// A display on a loopback address, answering the core commands and the command families.
struct Display {
    explicit Display(const char* address) : fake(FakeDisplay::Link::Tcp, QLatin1String(address)) {
        fake.setHandler(model.handler());
    }
    DisplayModel model;
    DisplayFamilies families{model};
    FakeDisplay fake;
};

// What Qt's platform layer says of itself, which a run from the command line keeps off
// standard error.
bool isPlatformChatter(const QString& line) {
    return line.startsWith(QLatin1String("This plugin does not support")) ||
           line.startsWith(QLatin1String("QStandardPaths:"));
}
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
    // that the named file is missing. Every failure line names the address and the result
    // code; a run that printed an error never exits 0; names reach the display as Latin-1
    // bytes, and a name Latin-1 cannot hold is refused before anything is sent. Standard error
    // redirected holds those lines and nothing else of ours: no progress line, none of Qt's
    // platform notices. The window's own interface (the stored settings) is 127.0.14.29,
    // where nothing listens.
    void commandLineRun_data() {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("errors");   // expected among the lines on standard error
        QTest::addColumn<QStringList>("requests"); // what the display saw
        const QString refusedWindow =
            "Failed: connection to 127.0.14.29: Connection refused by remote IP address (-3005)";
        QTest::newRow("every command succeeds")
            << QByteArray("SETPORT 127.0.14.20\nSETOPCODE 10 TO 50\nSETPOWER OFF\n") << 0
            << QStringList{} << QStringList{"E 00100032", "A C203D60004"};
        QTest::newRow("an op code the display does not know")
            << QByteArray("SETPORT 127.0.14.20\nSETOPCODE 11 TO 5\nSETPOWER OFF\n") << 1
            << QStringList{"Failed: 2. Set OP Code 0x0011 to 5 at 127.0.14.20: The display does "
                           "not support the necessary commands (-1027)"}
            << QStringList{"E 00110005", "A C203D60004"};
        QTest::newRow("a display that does not answer")
            << QByteArray("SETPORT 127.0.14.20\nSETPOWER OFF\nSETPORT 127.0.14.29\n"
                          "SETPOWER ON\nWAIT 1\n")
            << 1
            << QStringList{"Failed: 3. Set Port to 127.0.14.29: Connection refused by remote IP "
                           "address (-3005)",
                           "Failed: 4. Set Power On at 127.0.14.29: not sent, there is no "
                           "connection (1)"}
            << QStringList{"A C203D60004"};
        QTest::newRow("an empty loop after a failed opening connection")
            << QByteArray("FOREACHPORT 127.0.14.20 TO 127.0.14.21\nENDFOREACHPORT\n") << 1
            << QStringList{refusedWindow} << QStringList{};
        QTest::newRow("a WAIT alone after a failed opening connection")
            << QByteArray("WAIT 1\n") << 1 << QStringList{refusedWindow} << QStringList{};
        QTest::newRow("a mode change the display refuses")
            << QByteArray("SETPORT 127.0.14.20\nSETOPERATINGMODE EXPERT\n"
                          "SETOPERATINGMODE FACTORY\n")
            << 1
            << QStringList{"Failed: 3. Set Operating Mode to \"3\" at 127.0.14.20: Reply Error "
                           "Status code indicated erorr (-5008)"}
            << QStringList{"A C01102", "A C01103"};
        QTest::newRow("a name in Latin-1")
            << QByteArray("SETPORT 127.0.14.20\nSETINPUTNAME \"Caf\xC3\xA9\"\n") << 0
            << QStringList{} << QStringList{"A CA0401436166E9"};
        QTest::newRow("a name Latin-1 cannot hold")
            << QByteArray("SETPORT 127.0.14.20\nSETINPUTNAME \"Caf\xC3\xA9 \xC5\x91\"\n") << 2
            << QStringList{QStringLiteral(
                   "Line 2 in file \"site.txt\": The input name holds \"\u0151\" (U+0151), a "
                   "character that Latin-1, the displays' character set, does not have. (-2105)")}
            << QStringList{};
        QTest::newRow("a script that does not parse")
            << QByteArray("SETPORT 127.0.14.20\n\nSETPOWER OFF\nSETOPCODE 10 TO\n") << 2
            << QStringList{"Error: Incorrect number of parameters at line 3 in file "
                           "\"site.txt\""}
            << QStringList{};
        QTest::newRow("a file that does not exist")
            << QByteArray() << 2 << QStringList{"No such script file: site.txt (-1500)"}
            << QStringList{};
    }
    void commandLineRun() {
        QFETCH(QByteArray, script);
        QFETCH(int, exitCode);
        QFETCH(QStringList, errors);
        QFETCH(QStringList, requests);
        Display display("127.0.14.20");
        display.model.setParameter(0x10, 0, 100);
        display.model.refuseMode(3); // a display without a factory mode
        QTemporaryDir tmp, scripts;
        QFile::remove(settingsFile());
        {
            QSettings settings(settingsFile(), QSettings::IniFormat);
            settings.setValue("communicationsInterfaceType", 1);
            settings.setValue("s_communicationsInterfacePortName", "127.0.14.29");
        }
        QProcess p;
        prepare(p, tmp.path(), false);
        // Qt's notice of a missing runtime folder is one of those kept off standard error.
        QProcessEnvironment env = p.processEnvironment();
        env.remove("XDG_RUNTIME_DIR");
        p.setProcessEnvironment(env);
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
        for (const QString& line : lines)
            QVERIFY2(!isPlatformChatter(line) && !line.contains('\r'), qPrintable(line));
        QStringList seen;
        for (const QByteArray& r : display.fake.requests())
            seen << QStringLiteral("%1 %2").arg(QChar(FakeDisplay::typeOf(r)),
                                                QString::fromLatin1(FakeDisplay::bodyOf(r)));
        QCOMPARE(seen, requests);
        QVERIFY(QSettings(settingsFile(), QSettings::IniFormat).contains("m_monitor_id"));
    }

    // On a terminal, a run shows one progress line, rewritten in place, between the failure
    // lines; at the end it is gone.
    void progressLineOnATerminal() {
        QTemporaryDir tmp, scripts;
        QProcess p;
        prepare(p, tmp.path(), false);
        const QStringList script =
            writeScripts(scripts, {{"site.txt", "SETPORT 127.0.14.29\nSETPOWER ON\nWAIT 300\n"}});
        // util-linux's script gives the program a terminal of its own and passes its exit code.
        p.setProgram(QStringLiteral("script"));
        p.setArguments(
            {"-qefc", QStringLiteral("'%1' '%2'").arg(QStringLiteral(ZQV_PROGRAM), script.first()),
             "/dev/null"});
        p.start();
        QVERIFY(p.waitForFinished(60000));
        const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
        QCOMPARE(p.exitCode(), 1);
        QVERIFY2(out.contains("Failed: 2. Set Power On at 127.0.14.29: not sent, there is no "
                              "connection (1)"),
                 qPrintable(out));
        QVERIFY2(out.contains("\r[3/3] 127.0.14.29"), qPrintable(out));
        // The last progress line is blanked out before the program ends.
        const QString last = QStringLiteral("[3/3] 127.0.14.29");
        QVERIFY2(out.indexOf(QString(last.size(), QLatin1Char(' ')) + QLatin1Char('\r'),
                             out.lastIndexOf(last)) > 0,
                 qPrintable(out));
    }

    // With two scripts and no desktop nobody can choose one: the program says so and exits 2
    // without running either; a file that does not exist is said to be missing.
    void twoScriptsWithoutADesktop() {
        Display display("127.0.14.21");
        QTemporaryDir tmp, scripts;
        QProcess p;
        prepare(p, tmp.path(), false);
        const QByteArray power = "SETPORT 127.0.14.21\nSETPOWER OFF\n";
        p.setArguments(writeScripts(scripts, {{"a.txt", power}, {"b.txt", power}})
                       << scripts.filePath("missing.txt"));
        p.start();
        QVERIFY(p.waitForFinished(60000));
        const QString errors = QString::fromLocal8Bit(p.readAllStandardError());
        QCOMPARE(p.exitCode(), 2);
        QVERIFY2(errors.contains("2 scripts were named; without a desktop session nobody can "
                                 "choose one, so none was run."),
                 qPrintable(errors));
        QVERIFY2(errors.contains("No such script file: " + scripts.filePath("missing.txt")),
                 qPrintable(errors));
        QCOMPARE(display.fake.connectionCount(), 0);
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

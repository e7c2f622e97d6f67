#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The program as a user starts it: one copy at a time, also after a copy crashed.
class ProgramTest : public QObject {
    Q_OBJECT

    // The user's home of these runs: their own settings and lock, apart from any copy the user
    // or another test runs.
    QTemporaryDir home;
    QTemporaryDir runtime;

    void prepare(QProcess& p, const QString& tmpdir) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
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

private slots:
    // A second copy exits at once, whatever temp folder either copy was given.
    void secondCopyExitsAtOnce() {
        QTemporaryDir tmpA, tmpB;
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

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The program as a user starts it: one copy at a time, also after a copy crashed.
class ProgramTest : public QObject {
    Q_OBJECT

    QTemporaryDir home;

    void prepare(QProcess& p) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        // Its own settings and lock place, apart from any copy the user runs.
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.path() + "/config");
        env.insert("TMPDIR", home.path());
        p.setProcessEnvironment(env);
        p.setProgram(QStringLiteral(ZQV_PROGRAM));
    }
    bool waitForLock() {
        for (int i = 0; i < 200; ++i) {
            if (!QDir(home.path()).entryList({"*.lock"}, QDir::Files).isEmpty())
                return true;
            QTest::qWait(50);
        }
        return false;
    }

private slots:
    void secondCopyExitsAtOnce() {
        QProcess first;
        prepare(first);
        first.start();
        QVERIFY(first.waitForStarted());
        QVERIFY(waitForLock());

        QProcess second;
        prepare(second);
        second.start();
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);

        // A copy that crashed leaves its lock behind; the next copy starts all the same.
        first.kill();
        QVERIFY(first.waitForFinished(5000));
        QProcess third;
        prepare(third);
        third.start();
        QVERIFY(third.waitForStarted());
        QVERIFY(!third.waitForFinished(2000)); // still running: it took the lock over
        third.kill();
        third.waitForFinished(5000);
    }
};

QTEST_GUILESS_MAIN(ProgramTest)
#include "tst_program.moc"

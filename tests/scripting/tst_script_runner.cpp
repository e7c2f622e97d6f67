#include "display_families.h"
#include "monitor_rig.h"
#include "result_codes.h"
#include "script_description.h"
#include "script_expansion.h"
#include "script_host.h"
#include "script_runner.h"
#include "script_test_support.h"

#include <functional>

// Loopback addresses 127.0.0.160 to 127.0.0.169 belong to this test; nothing listens on .161.

namespace {
const char* const kSilent = "127.0.0.161";

// A display behind a fake display: core commands, the command families and the long transfers.
// It answers as whatever monitor ID it is addressed as.
struct Display {
    explicit Display(const QString& address) : fake(FakeDisplay::Link::Tcp, address) { serve(); }
    Display() : fake(FakeDisplay::Link::Pty) { serve(); }
    void serve() {
        transfers.attach(model);
        fake.setHandler([this](const QByteArray& request) {
            model.address = FakeDisplay::destinationOf(request);
            return model.answer(request);
        });
    }
    // "E>A 00100032": message type, destination and body of each request.
    QStringList requests() const {
        QStringList out;
        for (const QByteArray& r : fake.requests())
            out << QStringLiteral("%1>%2 %3")
                       .arg(QLatin1Char(FakeDisplay::typeOf(r)))
                       .arg(QLatin1Char(FakeDisplay::destinationOf(r)))
                       .arg(QString::fromLatin1(FakeDisplay::bodyOf(r)));
        return out;
    }

    DisplayModel model;
    DisplayFamilies families{model};
    TransferDisplay transfers;
    FakeDisplay fake;
};

// What the page shows for the run's copy of the list: every line described again.
QStringList wholeDescription(const ScriptCommandList& commands) {
    QStringList lines = describeScriptCommands(commands, builtInDefinitions());
    for (int i = 0; i < lines.size(); ++i)
        lines[i] = numberedScriptLine(i + 1, lines[i]);
    return lines;
}

// The window's side of a run, recorded: the open step, status-bar reports and log lines in
// `events`, the progress values, each command as the runner reports it, and the description
// as the page would show it, one line marked per command.
class RecordingHost : public ScriptHost {
public:
    void beginProgress(int count) override { progress << QStringLiteral("begin %1").arg(count); }
    void setProgress(int value) override { progress << QString::number(value); }
    bool abortRequested() override { return abortAt >= 0 && abortCalls++ >= abortAt; }
    void endProgress() override { progress << QStringLiteral("end"); }
    void processEvents() override { duringRun(); }
    bool openForCommand() override {
        events << QStringLiteral("open");
        return open();
    }
    bool retryOption() override {
        events << QStringLiteral("retry");
        return false;
    }
    void showErrorStatus(int code) override { events << QStringLiteral("status %1").arg(code); }
    QString errorText(int code) override { return QStringLiteral("error <%1>").arg(code); }
    void appendLog(const QString& html) override { events << QStringLiteral("log ") + html; }
    void runStarted(const ScriptCommandList& commands) override {
        description = wholeDescription(commands);
    }
    // "2 -3005 at 127.0.0.161", with " (own)" for a result the command made itself and
    // " (not sent)" for one that needed a connection it did not have.
    void commandDone(const ScriptStep& step) override {
        QString report =
            QStringLiteral("%1 %2 at %3").arg(step.line).arg(step.result).arg(step.port);
        if (step.ownResult)
            report += QStringLiteral(" (own)");
        if (!step.sent)
            report += QStringLiteral(" (not sent)");
        reports << report;
        if (step.line > 0)
            description[step.line - 1] = numberedScriptLine(
                step.line, describeScriptCommand(*step.command, builtInDefinitions()));
    }

    std::function<bool()> open = [] { return false; };
    std::function<void()> duringRun = [] {};
    int abortAt = -1; // abortRequested answers true from this call on, counting from 0
    int abortCalls = 0;
    QStringList events;
    QStringList progress;
    QStringList reports;
    QStringList description;
};

// The red log line of a port that does not open.
QString portFailure(int code) {
    return QStringLiteral("log <font COLOR=red><b>error &lt;%1&gt;</b></font><br>").arg(code);
}

ScriptCommandList script(const QByteArray& text) {
    int line = 0;
    ScriptCommandList commands;
    if (parseText(text, &line, &commands) != 0)
        qFatal("script did not parse: %s", text.constData());
    return expandScriptLoops(commands);
}

QList<int> statuses(const ScriptCommandList& commands) {
    QList<int> out;
    for (const ScriptCommand& c : commands)
        out << c.status;
    return out;
}

// A monitor whose pauses go into a log instead of taking time, and a runner on it.
struct Rig {
    Rig() : monitor(log), runner(monitor, host) {}
    int run(const QByteArray& text) { return runner.run(script(text)); }
    QList<int> statuses() const { return ::statuses(runner.commands()); }
    bool openAt(const QString& address) {
        monitor_data data;
        data.m_monitor_id = 'A';
        data.communicationsInterfaceType = InterfaceType::Lan;
        data.s_communicationsInterfacePortName = address;
        return monitor.set_interface_info(data) == 0;
    }

    EventLog log;
    RecordingMonitor monitor;
    RecordingHost host;
    ScriptRunner runner;
};
} // namespace

class ScriptRunnerTest : public QObject {
    Q_OBJECT

private slots:
    // An empty script, or one started while the runner runs, shows nothing and sends nothing.
    void refusedRuns() {
        Rig rig;
        QCOMPARE(rig.runner.run({}), ScriptRunner::EmptyScript);
        QVERIFY(rig.host.progress.isEmpty());
        QVERIFY(rig.host.events.isEmpty());

        int nested = 0;
        rig.host.open = [] { return true; };
        rig.host.duringRun = [&] { nested = rig.runner.run(script("WAIT 7")); };
        QCOMPARE(rig.run("WAIT 1\nWAIT 2"), 0);
        QCOMPARE(nested, ScriptRunner::EmptyScript);
        QCOMPARE(rig.log.take(), (QStringList{"pause 1", "pause 2"}));
        QCOMPARE(rig.statuses(), (QList<int>{1, 1}));
    }

    // The second display does not answer: its port fails and is logged, its commands fail
    // without traffic, and the third port connects again. Each command is reported with the
    // address it went to; the run leaves no connection open.
    void rangeWithASilentDisplay() {
        Display first(QStringLiteral("127.0.0.160"));
        Display third(QStringLiteral("127.0.0.162"));
        for (Display* display : {&first, &third})
            display->model.setParameter(0x10, 0, 100);
        Rig rig;
        const int result = rig.run("FOREACHPORT 127.0.0.160 TO 127.0.0.162\nSETOPCODE 10 TO 50\n"
                                   "SETPOWER ON\nENDFOREACHPORT");
        QCOMPARE(result, 0);
        QCOMPARE(rig.statuses(), (QList<int>{1, 1, 1, -1, -1, -1, 1, 1, 1}));
        const QList<QByteArray> frames{FakeDisplay::frame('E', "00100032", '0', 'A'),
                                       FakeDisplay::frame('A', "C203D60001", '0', 'A')};
        QCOMPARE(first.fake.requests(), frames);
        QCOMPARE(third.fake.requests(), frames);
        QCOMPARE(first.fake.connectionCount(), 2); // the leading port opens twice
        QCOMPARE(third.fake.connectionCount(), 1);
        QCOMPARE(rig.host.events, (QStringList{"retry", "status 0", "status 0", "status 0",
                                               portFailure(ResultCode::ConnectionRefused),
                                               "status 0", "status 0", "status 0"}));
        QCOMPARE(rig.host.progress,
                 (QStringList{"begin 9", "0", "1", "2", "3", "4", "5", "6", "7", "8", "end"}));
        QCOMPARE(rig.host.description, wholeDescription(rig.runner.commands()));
        QVERIFY(rig.host.description[3].contains(QLatin1String("COLOR=red")));
        QVERIFY(!rig.runner.allSucceeded());
        const QString refused = QString::number(ResultCode::ConnectionRefused);
        QCOMPARE(rig.host.reports,
                 (QStringList{"1 0 at 127.0.0.160 (own)", "2 0 at 127.0.0.160 (own)",
                              "3 0 at 127.0.0.160 (own)", "4 " + refused + " at 127.0.0.161 (own)",
                              "5 1 at 127.0.0.161 (not sent)", "6 1 at 127.0.0.161 (not sent)",
                              "7 0 at 127.0.0.162 (own)", "8 0 at 127.0.0.162 (own)",
                              "9 0 at 127.0.0.162 (own)"}));
        QCOMPARE(rig.runner.ranCount(), 9);
        QCOMPARE(rig.runner.failedCount(), 3);
        QCOMPARE(rig.monitor.interface_type(), 0); // the unopened link of the close request
    }

    // A script without a leading port uses the window's open step once; when that fails, or a
    // leading port fails in the preamble and again as the first command, the commands that
    // need a display fail with result 1 and send nothing, while WAIT still waits. A run that
    // could not open its first connection is no success, even when nothing in it needs one.
    void openStepOfTheWindow_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QList<int>>("statuses");
        QTest::addColumn<QStringList>("requests");
        QTest::addColumn<QStringList>("pauses");
        QTest::newRow("no port: the window's interface")
            << QByteArray("SETPOWER OFF\nWAIT 5\nSETMONITORID 5\nSETOPCODE 10 TO 7") << true
            << QStringList{"open", "status 0", "status 0", "status 0", "status 0"}
            << QList<int>{1, 1, 1, 1} << QStringList{"A>A C203D60004", "E>E 00100007"}
            << QStringList{"pause 5"};
        QTest::newRow("no port, and the window's interface fails")
            << QByteArray("SETPOWER OFF\nWAIT 5\nSETOPCODE 10 TO 7") << false << QStringList{"open"}
            << QList<int>{-1, -1, -1} << QStringList{} << QStringList{"pause 5"};
        QTest::newRow("only a WAIT, and the window's interface fails")
            << QByteArray("WAIT 5") << false << QStringList{"open"} << QList<int>{-1}
            << QStringList{} << QStringList{"pause 5"};
        QTest::newRow("an empty loop, and the window's interface fails")
            << QByteArray("FOREACHPORT 127.0.0.160 TO 127.0.0.161\nENDFOREACHPORT") << false
            << QStringList{"open"} << QList<int>{-1} << QStringList{} << QStringList{};
        QTest::newRow("leading port fails")
            << QByteArray("SETPORT ") + kSilent +
                   "\nSETPOWER OFF\nSETPORT 127.0.0.166\n"
                   "SETPOWER ON"
            << true
            << QStringList{"retry", "open", portFailure(ResultCode::ConnectionRefused), "status 0",
                           "status 0"}
            << QList<int>{-1, -1, 1, 1} << QStringList{"A>A C203D60001"} << QStringList{};
    }
    void openStepOfTheWindow() {
        QFETCH(QByteArray, text);
        QFETCH(bool, opens);
        QFETCH(QStringList, events);
        QFETCH(QList<int>, statuses);
        QFETCH(QStringList, requests);
        QFETCH(QStringList, pauses);
        Display display(QStringLiteral("127.0.0.166"));
        display.model.setParameter(0x10, 0, 100);
        Rig rig;
        rig.host.open = [&] { return opens && rig.openAt(QStringLiteral("127.0.0.166")); };
        rig.run(text);
        QCOMPARE(rig.host.events, events);
        QCOMPARE(rig.statuses(), statuses);
        QCOMPARE(display.requests(), requests);
        QCOMPARE(rig.log.take(), pauses);
        QCOMPARE(rig.runner.allSucceeded(), !statuses.contains(-1));
    }

    // The percent of the display's maximum, rounded half up; nothing is set when the maximum
    // cannot be read.
    void percentOfTheMaximum_data() {
        QTest::addColumn<int>("maximum"); // -1: the display does not know the op code
        QTest::addColumn<QByteArray>("percent");
        QTest::addColumn<QStringList>("requests");
        QTest::addColumn<int>("status");
        QTest::newRow("50% of 255")
            << 255 << QByteArray("50%") << QStringList{"C>A 0010", "E>A 00100080"} << 1;
        QTest::newRow("50% of 100")
            << 100 << QByteArray("50%") << QStringList{"C>A 0010", "E>A 00100032"} << 1;
        QTest::newRow("50% of 1") << 1 << QByteArray("50%")
                                  << QStringList{"C>A 0010", "E>A 00100001"} << 1;
        QTest::newRow("100% of 65535")
            << 65535 << QByteArray("100%") << QStringList{"C>A 0010", "E>A 0010FFFF"} << 1;
        QTest::newRow("0%") << 7 << QByteArray("0%") << QStringList{"C>A 0010", "E>A 00100000"}
                            << 1;
        QTest::newRow("unknown op code")
            << -1 << QByteArray("50%") << QStringList{"C>A 0010"} << -1;
    }
    void percentOfTheMaximum() {
        QFETCH(int, maximum);
        QFETCH(QByteArray, percent);
        QFETCH(QStringList, requests);
        QFETCH(int, status);
        Display display(QStringLiteral("127.0.0.163"));
        if (maximum >= 0)
            display.model.setParameter(0x10, 3, static_cast<unsigned short>(maximum));
        Rig rig;
        rig.run("SETPORT 127.0.0.163\nSETOPCODE 10 TO " + percent);
        QCOMPARE(display.requests(), requests);
        QCOMPARE(rig.statuses(), (QList<int>{1, status}));
        QCOMPARE(rig.host.events.last(),
                 QStringLiteral("status %1").arg(status == 1 ? 0 : ResultCode::Unsupported));
    }

    // Only what the command gives changes in the program read from the display; nothing is
    // written when the read fails.
    void scheduleMerge() {
        Display display(QStringLiteral("127.0.0.164"));
        // on 07:00, off 22:30, input 11h, every weekday, every day and enabled, picture mode 4
        const QByteArray stored = "0700161E117F0504"
                                  "01020304050607";
        display.families.extendedSchedules.insert(2, stored);
        const QByteArray text =
            "SETPORT 127.0.0.164\nSCHEDULE 3 ONTIME 8:15 MONDAY CLEAR DISABLE EVERYWEEK SET";
        Rig rig;
        rig.run(text);
        QCOMPARE(rig.statuses(), (QList<int>{1, 1}));
        QCOMPARE(display.families.extendedSchedules.keys(), QList<int>{2});
        QCOMPARE(display.families.extendedSchedules.value(2), QByteArray("080F161E117E0304"
                                                                         "01020304050607"));

        display.fake.clearRequests();
        display.model.failNext(100);
        rig.run(text);
        QCOMPARE(rig.statuses(), (QList<int>{1, -1}));
        for (const QString& request : display.requests())
            QVERIFY2(!request.contains(QLatin1String("C222")) &&
                         !request.contains(QLatin1String("C214")),
                     qPrintable(request));
        QCOMPARE(display.families.extendedSchedules.value(2), QByteArray("080F161E117E0304"
                                                                         "01020304050607"));
    }

    // WAIT sleeps in slices of at most a second and asks for an abort after each; an abort
    // still marks the WAIT and runs nothing after it.
    void waitAndAbort_data() {
        QTest::addColumn<int>("abortAt");
        QTest::addColumn<QStringList>("pauses");
        QTest::addColumn<QList<int>>("statuses");
        QTest::addColumn<QStringList>("progress");
        QTest::newRow("no abort") << -1
                                  << QStringList{"pause 1000", "pause 1000", "pause 500", "pause 1"}
                                  << QList<int>{1, 1} << QStringList{"begin 2", "0", "1", "end"};
        QTest::newRow("abort in the second slice")
            << 2 << QStringList{"pause 1000", "pause 1000"} << QList<int>{1, 0}
            << QStringList{"begin 2", "0", "1", "end"};
        QTest::newRow("abort before the first command")
            << 0 << QStringList{} << QList<int>{0, 0} << QStringList{"begin 2", "0", "end"};
    }
    void waitAndAbort() {
        QFETCH(int, abortAt);
        QFETCH(QStringList, pauses);
        QFETCH(QList<int>, statuses);
        QFETCH(QStringList, progress);
        Rig rig;
        rig.host.open = [] { return true; };
        rig.host.abortAt = abortAt;
        rig.run("WAIT 2500\nWAIT 1");
        QCOMPARE(rig.log.take(), pauses);
        QCOMPARE(rig.statuses(), statuses);
        QCOMPARE(rig.host.progress, progress);
        QCOMPARE(rig.runner.aborted(), abortAt >= 0);
        QCOMPARE(rig.host.description, wholeDescription(rig.runner.commands()));
    }

    // A device path is a serial port.
    void serialDevicePath() {
        Display display;
        QVERIFY(display.fake.isListening());
        Rig rig;
        QCOMPARE(rig.run("SETPORT " + display.fake.portName().toLatin1() + "\nSETPOWER ON"), 0);
        QCOMPARE(rig.statuses(), (QList<int>{1, 1}));
        QCOMPARE(display.requests(), QStringList{"A>A C203D60001"});
    }

    // Every keyword against one display: what it sent and what the display then holds.
    void everyKeyword() {
        Display display(QStringLiteral("127.0.0.165"));
        display.model.setParameter(0x10, 0, 100);
        display.families.password = "1234";
        Rig rig;
        const int result = rig.run("SETPORT 127.0.0.165\n"
                                   "SETOPCODE \"Brightness\" TO 7\n"
                                   "SENDIR 3 0 1F\n"
                                   "SETPOWER STANDBY\n"
                                   "SETASSETTAG \"Hall 2\"\n"
                                   "SETTVCHANNEL 5-2\n"
                                   "SETOPERATINGMODE EXPERT\n"
                                   "SETINPUTNAME Lobby\n"
                                   "SETINPUTNAMEBYINPUT HDMI Stage\n"
                                   "SETINPUTNAMEBYINPUT DisplayPort\n"
                                   "SETSECURITY ENABLE \"1234\"\n"
                                   "SETDATETIME\n"
                                   "SAVESETTINGS\n"
                                   "SETMONITORID ALL\n"
                                   "SETINPUTNAME\n");
        QCOMPARE(result, 0);
        QVERIFY(rig.runner.allSucceeded());
        QStringList requests = display.requests();
        QVERIFY(requests.value(12).startsWith(QLatin1String("A>A C212"))); // the computer's clock
        requests[12] = QStringLiteral("clock");
        // (the asset chunks shown up to their first zero byte)
        QCOMPARE(
            requests,
            (QStringList{"E>A 00100007", "A>A C210000303", "A>A C210001F03", "A>A C203D60004",
                         "A>A C00E00Hall 2", "A>A C00E20", "A>A C22D000000050002", "A>A C01102",
                         "A>A CA04014C6F626279", "A>A CA0404115374616765", "A>A CA04050F",
                         "A>A CA0C0101003331333233333334", "clock", "A>A 0C", "A>* CA0402"}));
        QCOMPARE(display.model.parameter(0x10).current, 7);
        QCOMPARE(display.model.irCodes, (QList<unsigned short>{3, 0x1F}));
        QCOMPARE(display.model.powerMode, 4);
        QCOMPARE(display.transfers.asset.left(7), QByteArray("Hall 2\0", 7));
        QCOMPARE(display.families.tvMajor, 5u);
        QCOMPARE(display.families.tvMinor, 2);
        QCOMPARE(display.families.inputName, QByteArray());
        QCOMPARE(display.families.terminalNames.value(17), QByteArray("Stage"));
        QCOMPARE(display.families.securityEnabled, 1);
        QCOMPARE(display.model.saves, 1);
        // after each IR code, for code 0, after the save
        QCOMPARE(rig.log.take(),
                 (QStringList{"pause 200", "pause 1000", "pause 200", "pause 1000"}));
    }

    // A display that refuses an input name or a password fails the command with result 1; one
    // that refuses a mode change (a result byte, or another mode echoed) with the refusal's code.
    void displayRefusals() {
        Display display(QStringLiteral("127.0.0.167"));
        display.families.password = "9999";
        display.model.addCommand('A', "CA0401", [](const QByteArray&) { return "CB040101"; });
        display.model.refuseMode(3);
        display.model.refuseMode(2, 0);
        Rig rig;
        rig.run("SETPORT 127.0.0.167\nSETSECURITY ENABLE \"1234\"\nSETINPUTNAME Lobby\n"
                "SETMONITORID 2\nSETPORT 127.0.0.167\nSETOPERATINGMODE FACTORY\n"
                "SETOPERATINGMODE NORMAL\nSETOPERATINGMODE EXPERT\n");
        QCOMPARE(rig.statuses(), (QList<int>{1, -1, -1, -1, 1, -1, 1, -1}));
        QCOMPARE(rig.host.events,
                 (QStringList{"retry", "status 0", "status 1", "status 1", "status 1", "status 0",
                              "status -5008", "status 0", "status -5008"}));
        QCOMPARE(int(display.model.inputMode), 0);
    }
};

QTEST_GUILESS_MAIN(ScriptRunnerTest)
#include "tst_script_runner.moc"

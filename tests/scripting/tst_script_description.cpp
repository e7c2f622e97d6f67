#include "script_description.h"
#include "script_test_support.h"

#include <QBuffer>

namespace {
// The first command of a script, with a status.
ScriptCommand command(const QByteArray& text, int status = ScriptCommand::NotRun) {
    int line = 0;
    ScriptCommandList commands;
    if (parseText(text, &line, &commands) != 0 || commands.isEmpty())
        qFatal("script did not parse: %s", text.constData());
    commands.first().status = status;
    return commands.first();
}

QString black(const QString& text) {
    return QStringLiteral("<font COLOR=black>") + text + QStringLiteral("</font>");
}
} // namespace

class ScriptDescriptionTest : public QObject {
    Q_OBJECT

private slots:
    void lines_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("line"); // black: not run
        QTest::newRow("port") << QByteArray("SETPORT 10.0.0.1") << black("Set Port to 10.0.0.1");
        QTest::newRow("monitor ID")
            << QByteArray("SETMONITORID \"Group B\"") << black("Set Monitor ID to Group B");
        QTest::newRow("range without labels")
            << QByteArray("SETOPCODE 10 TO 50") << black("Set OP Code 0x0010 (Brightness) to 50");
        QTest::newRow("value with its label")
            << QByteArray("SETOPCODE 14 TO 11")
            << black("Set OP Code 0x0014 (Select Color Preset) to 11 (User 1)");
        QTest::newRow("op code in lower case")
            << QByteArray("SETOPCODE 21A TO 1")
            << black("Set OP Code 0x021a (Picture Mode) to 1 (sRGB)");
        QTest::newRow("unknown op code")
            << QByteArray("SETOPCODE 1234 TO 7") << black("Set OP Code 0x1234 to 7");
        QTest::newRow("percent") << QByteArray("SETOPCODE 12 TO 75%")
                                 << black("Set OP Code 0x0012 (Contrast) to 75%");
        QTest::newRow("wait") << QByteArray("WAIT 500") << black("Wait 500ms");
        QTest::newRow("IR codes") << QByteArray("SENDIR A 1F") << black("Send IR Code: 0A 1F ");
        QTest::newRow("power on") << QByteArray("SETPOWER ON") << black("Set Power On");
        QTest::newRow("standby") << QByteArray("SETPOWER OFF") << black("Set Standby");
        QTest::newRow("range of addresses")
            << QByteArray("FOREACHPORT 192.168.0.10 TO 192.168.0.20\nENDFOREACHPORT")
            << black("FOR EACH IP FROM 192.168.0.10 TO 192.168.0.20 (11 addresses)");
        QTest::newRow("schedule") << QByteArray("SCHEDULE 2 ONTIME 7:05 MONDAY SET ENABLE")
                                  << black("Set Schedule #2 Enable MONDAY=Set ONTIME=07:05");
        QTest::newRow("schedule time cleared")
            << QByteArray("SCHEDULE 2 ENABLE MONDAY SET ONTIME Clear")
            << black("Set Schedule #2 Enable MONDAY=Set ONTIME=Cleared");
        QTest::newRow("schedule input without a label")
            << QByteArray("SCHEDULE 1 PICTUREMODE 1 INPUT 0")
            << black("Set Schedule #1 Input= (0) PictureMode=sRGB (1)");
        QTest::newRow("schedule in its fixed order")
            << QByteArray("SCHEDULE 3 OFFTIME 23:05 INPUT HDMI SUNDAY CLEAR EVERYWEEK SET "
                          "EVERYDAY CLEAR DISABLE")
            << black("Set Schedule #3 Disable EVERYDAY=Cleared EVERYWEEK=Set SUNDAY=Cleared "
                     "Input=HDMI (17) OFFTIME=23:05");
        QTest::newRow("date and time")
            << QByteArray("SETDATETIME") << black("Set Time and Date to system time.");
        QTest::newRow("save") << QByteArray("SAVESETTINGS") << black("Save Settings");
        QTest::newRow("asset tag is escaped") << QByteArray("SETASSETTAG \"Hall <b>&\"")
                                              << black("Set Asset Tag to \"Hall &lt;b&gt;&amp;\"");
        QTest::newRow("TV channel")
            << QByteArray("SETTVCHANNEL 5-2") << black("Set TV Channel to 5-2");
        QTest::newRow("operating mode")
            << QByteArray("SETOPERATINGMODE FACTORY") << black("Set Operating Mode to \"3\"");
        QTest::newRow("input name reset")
            << QByteArray("SETINPUTNAME") << black("Reset input name");
        QTest::newRow("input name with a placeholder")
            << QByteArray("SETINPUTNAME \"%1 %2\"") << black("Set current input name to \"%1 %2\"");
        QTest::newRow("security on") << QByteArray("SETSECURITY ENABLE \"1234\"")
                                     << black("Enable Security with password \"1234\"");
        QTest::newRow("security off") << QByteArray("SETSECURITY DISABLE \"1234\"")
                                      << black("Disable Security with password \"1234\"");
        QTest::newRow("name of an input") << QByteArray("SETINPUTNAMEBYINPUT HDMI Lobby")
                                          << black("Set name of input \"HDMI\" to \"Lobby\"");
        QTest::newRow("name of an input with a placeholder")
            << QByteArray("SETINPUTNAMEBYINPUT HDMI \"%2\"")
            << black("Set name of input \"HDMI\" to \"%2\"");
        QTest::newRow("name of an input reset")
            << QByteArray("SETINPUTNAMEBYINPUT HDMI") << black("Reset name of input \"HDMI\"");
    }
    void lines() {
        QFETCH(QByteArray, text);
        QFETCH(QString, line);
        QCOMPARE(describeScriptCommand(command(text), builtInDefinitions()), line);
    }

    void colours() {
        QCOMPARE(describeScriptCommand(command("SAVESETTINGS", ScriptCommand::Failed),
                                       builtInDefinitions()),
                 QStringLiteral("<font COLOR=red>Save Settings</font>"));
        QCOMPARE(describeScriptCommand(command("SAVESETTINGS", ScriptCommand::Succeeded),
                                       builtInDefinitions()),
                 QStringLiteral("<font COLOR=green>Save Settings</font>"));
    }

    // Names and labels come from a definitions file the user may replace.
    void definitionsTextIsEscaped() {
        ControlDefinitions definitions;
        QByteArray text = "0010,\"Picture|Level <A&B>\",1,1,\"<on>\"\n";
        QBuffer file(&text);
        QVERIFY(file.open(QIODevice::ReadOnly));
        int line = 0;
        QCOMPARE(definitions.read(file, &line), 0);
        QCOMPARE(describeScriptCommand(command("SETOPCODE 10 TO 1"), definitions),
                 black("Set OP Code 0x0010 (Level &lt;A&amp;B&gt;) to 1 (&lt;on&gt;)"));
    }

    // ENDFOREACHPORT and unassigned types have no line.
    void commandsWithoutLines() {
        ScriptCommandList list{command("SAVESETTINGS"), command("SETDATETIME")};
        for (int type : {int(ScriptCommand::EndForEachPort), 18, 19}) {
            ScriptCommand c;
            c.type = type;
            list.insert(1, c);
        }
        QCOMPARE(describeScriptCommands(list, builtInDefinitions()),
                 (QStringList{black("Save Settings"), black("Set Time and Date to system time.")}));
    }

    // Whether a command has a line is known from its type alone, as the description has it: a
    // view numbers the lines of a long script without describing them.
    void linesByType() {
        for (int type = -1; type <= ScriptCommand::SetInputNameByInput + 1; ++type) {
            ScriptCommand c;
            c.type = type;
            QCOMPARE(hasScriptLine(type),
                     !describeScriptCommand(c, builtInDefinitions()).isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(ScriptDescriptionTest)
#include "tst_script_description.moc"

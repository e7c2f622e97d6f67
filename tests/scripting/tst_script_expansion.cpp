#include "script_expansion.h"
#include "script_test_support.h"

using Records = QStringList;

namespace {
QString port(const char* address) {
    return QStringLiteral("1 text=%1 port=1").arg(QLatin1String(address));
}

ScriptCommandList parsed(const QByteArray& text) {
    int line = 0;
    ScriptCommandList commands;
    if (parseText(text, &line, &commands) != 0)
        qFatal("script did not parse: %s", text.constData());
    return commands;
}

ScriptCommand record(int type, const char* text = "", const char* text2 = "") {
    ScriptCommand c;
    c.type = type;
    c.text = QLatin1String(text);
    c.text2 = QLatin1String(text2);
    return c;
}
} // namespace

class ScriptExpansionTest : public QObject {
    Q_OBJECT

private slots:
    void expansion_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Records>("records");
        QTest::newRow("one command per address")
            << QByteArray("FOREACHPORT 192.168.0.10 TO 192.168.0.12\nWAIT 5\nENDFOREACHPORT")
            << Records{port("192.168.0.10"), "5 value=5",          port("192.168.0.11"),
                       "5 value=5",          port("192.168.0.12"), "5 value=5"};
        QTest::newRow("commands around two blocks keep their places")
            << QByteArray("SETPOWER ON\nFOREACHPORT 10.0.0.1 TO 10.0.0.2\nSETMONITORID 2\n"
                          "SETOPCODE 10 TO 5\nENDFOREACHPORT\nWAIT 1\n"
                          "FOREACHPORT 10.0.0.9 TO 10.0.0.10\nSAVESETTINGS\nENDFOREACHPORT\n"
                          "WAIT 2")
            << Records{"7 value=1",
                       port("10.0.0.1"),
                       "2 text=2",
                       "3 value=5 opcode=0010",
                       port("10.0.0.2"),
                       "2 text=2",
                       "3 value=5 opcode=0010",
                       "5 value=1",
                       port("10.0.0.9"),
                       "12",
                       port("10.0.0.10"),
                       "12",
                       "5 value=2"};
        QTest::newRow("octet carry")
            << QByteArray("FOREACHPORT 10.0.0.254 TO 10.0.1.1\nSAVESETTINGS\nENDFOREACHPORT")
            << Records{port("10.0.0.254"), "12", port("10.0.0.255"), "12",
                       port("10.0.1.0"),   "12", port("10.0.1.1"),   "12"};
        QTest::newRow("range ending at the last address")
            << QByteArray("FOREACHPORT 255.255.255.254 TO 255.255.255.255\nSAVESETTINGS\n"
                          "ENDFOREACHPORT\nWAIT 3")
            << Records{port("255.255.255.254"), "12", port("255.255.255.255"), "12", "5 value=3"};
        QTest::newRow("block without commands leaves its end")
            << QByteArray("WAIT 1\nFOREACHPORT 10.0.0.1 TO 10.0.0.3\nENDFOREACHPORT\nWAIT 2")
            << Records{"5 value=1", "9", "5 value=2"};
        QTest::newRow("no block: an equal copy")
            << QByteArray("SETPORT COM2\nSENDIR 1 2\nSCHEDULE 2 INPUT 17")
            << Records{"1 text=COM2 port=2", "6 ir=01,02",
                       "10 number=2 flags=00 weekdays=00 input=17"};
    }
    void expansion() {
        QFETCH(QByteArray, text);
        QFETCH(Records, records);
        const ScriptCommandList commands = parsed(text);
        const Records before = recordTexts(commands);
        QCOMPARE(recordTexts(expandScriptLoops(commands)), records);
        QCOMPARE(recordTexts(commands), before);
    }

    // Lists the parser never makes: a block without its end, a range that runs backwards.
    void listsOutsideTheParser() {
        const ScriptCommandList unclosed{record(ScriptCommand::ForEachPort, "10.0.0.1", "10.0.0.2"),
                                         record(ScriptCommand::SaveSettings)};
        QCOMPARE(recordTexts(expandScriptLoops(unclosed)), QStringList{"12"});
        const ScriptCommandList backwards{
            record(ScriptCommand::ForEachPort, "10.0.0.2", "10.0.0.1"),
            record(ScriptCommand::SaveSettings), record(ScriptCommand::EndForEachPort),
            record(ScriptCommand::SetDateTime)};
        QCOMPARE(recordTexts(expandScriptLoops(backwards)), QStringList{"11"});
    }

    // The widest range the parser takes, every address once, in order.
    void widestRange() {
        const ScriptCommandList out = expandScriptLoops(
            parsed("FOREACHPORT 10.0.0.0 TO 10.0.255.255\nSETPOWER ON\nWAIT 5\nSAVESETTINGS\n"
                   "ENDFOREACHPORT"));
        const int perAddress = 4;
        QCOMPARE(out.size(), 65536 * perAddress);
        for (int i = 0; i < out.size(); i += perAddress) {
            if (out[i].text !=
                QStringLiteral("10.0.%1.%2").arg(i / perAddress >> 8).arg(i / perAddress & 0xFF))
                QFAIL(qPrintable(
                    QStringLiteral("address %1 is %2").arg(i / perAddress).arg(out[i].text)));
        }
        QCOMPARE(recordText(out.constLast()), QStringLiteral("12"));
    }
};

QTEST_GUILESS_MAIN(ScriptExpansionTest)
#include "tst_script_expansion.moc"

#include "result_codes.h"
#include "script_test_support.h"
#include "script_tokenizer.h"

#include <QTemporaryDir>
#include <QTextCodec>

using Records = QStringList;

class ScriptParserTest : public QObject {
    Q_OBJECT

    // Columns of the tables of one result code: the file's text and the line it names.
    static void faultColumns() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("line");
    }
    // Rows of one-line files, each faulty on line 1.
    static void firstLineRows(std::initializer_list<const char*> lines) {
        faultColumns();
        for (const char* line : lines)
            QTest::newRow(line) << QByteArray(line) << 1;
    }
    static void checkFault(int code) {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        int lineNumber = -7;
        ScriptCommandList commands;
        QCOMPARE(parseText(text, &lineNumber, &commands), code);
        QCOMPARE(lineNumber, line);
    }

private slots:
    void initTestCase() {
        // Script files are read in the local 8-bit encoding; make it the usual one here.
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    }

    void tokens_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("tokens");
        QTest::newRow("words") << "SETPORT  192.168.0.10 "
                               << QStringList{"SETPORT", "192.168.0.10"};
        QTest::newRow("only spaces") << "   " << QStringList{};
        QTest::newRow("a tab is no separator") << "WAIT\t5 x" << QStringList{"WAIT\t5", "x"};
        QTest::newRow("quoted phrase")
            << "SETASSETTAG \"Main  hall\"" << QStringList{"SETASSETTAG", "\"Main  hall\""};
        QTest::newRow("adjacent quotes") << "a \"\" b" << QStringList{"a", "\"\"", "b"};
        QTest::newRow("unclosed quote") << "a \"b c" << QStringList{"a", "\"b c\""};
        QTest::newRow("quotes split a word") << "ab\"c d\"e" << QStringList{"ab", "\"c d\"", "e"};
        QTest::newRow("hash is a token") << "WAIT 5 # x" << QStringList{"WAIT", "5", "#", "x"};
    }
    void tokens() {
        QFETCH(QString, line);
        QFETCH(QStringList, tokens);
        QCOMPARE(tokenizeScriptLine(line), tokens);
    }

    void accepted_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Records>("records");
        QTest::newRow("empty file") << QByteArray() << Records{};
        QTest::newRow("comments and empty lines") << QByteArray("# a\r\n\r\n\n#b") << Records{};
        QTest::newRow("serial port in lower case")
            << QByteArray("setport com3") << Records{"1 text=com3 port=2"};
        QTest::newRow("serial device path")
            << QByteArray("SETPORT /dev/ttyUSB0") << Records{"1 text=/dev/ttyUSB0 port=2"};
        QTest::newRow("address, third token ignored")
            << QByteArray("SETPORT 192.168.0.10 #x") << Records{"1 text=192.168.0.10 port=1"};
        QTest::newRow("four parts that are no numbers")
            << QByteArray("SETPORT a.b.c.d") << Records{"1 text=a.b.c.d port=1"};
        QTest::newRow("monitor IDs")
            << QByteArray("SETMONITORID \"Group A\"\nSETMONITORID all\nSETMONITORID 100")
            << Records{"2 text=Group A", "2 text=all", "2 text=100"};
        QTest::newRow("op code by number and percent")
            << QByteArray("SETOPCODE 10 to 100%\nSETOPCODE 12 TO 0%")
            << Records{"4 value=100 opcode=0010", "4 opcode=0012"};
        QTest::newRow("op code and value by name")
            << QByteArray("SETOPCODE \"brightness\" TO 50\nSETOPCODE 14 TO \"User 1\"")
            << Records{"3 value=50 opcode=0010", "3 value=11 opcode=0014"};
        QTest::newRow("largest op code and value")
            << QByteArray("SETOPCODE FFFF TO 65535") << Records{"3 value=65535 opcode=ffff"};
        QTest::newRow("op code hex digits in either case")
            << QByteArray("SETOPCODE aB TO 5\nSETOPCODE Ff TO 5")
            << Records{"3 value=5 opcode=00ab", "3 value=5 opcode=00ff"};
        QTest::newRow("lowest op code and value") << QByteArray("SETOPCODE 0 TO 0") << Records{"3"};
        QTest::newRow("decimal values with leading zeros")
            << QByteArray("SETOPCODE 0010 TO 0050\nSETOPCODE 10 TO 0100%\nWAIT 0001\n"
                          "SETOPCODE 10 TO 065535")
            << Records{"3 value=50 opcode=0010", "4 value=100 opcode=0010", "5 value=1",
                       "3 value=65535 opcode=0010"};
        QTest::newRow("shortest wait") << QByteArray("WAIT 1") << Records{"5 value=1"};
        QTest::newRow("longest wait")
            << QByteArray("WAIT 2147483647") << Records{"5 value=2147483647"};
        QTest::newRow("IR codes keep their low byte")
            << QByteArray("SENDIR 3 1FF 0") << Records{"6 ir=03,ff,00"};
        QTest::newRow("IR codes in either case, widest")
            << QByteArray("SENDIR ff FF FFFFFFFF 0") << Records{"6 ir=ff,ff,ff,00"};
        QTest::newRow("power modes") << QByteArray("SETPOWER on\nSETPOWER OFF\nSETPOWER Standby")
                                     << Records{"7 value=1", "7 value=4", "7 value=4"};
        QTest::newRow("further tokens ignored")
            << QByteArray("SETDATETIME now\nSAVESETTINGS all") << Records{"11", "12"};
        QTest::newRow("asset tag")
            << QByteArray("SETASSETTAG \"Main hall\"") << Records{"13 text=Main hall"};
        QTest::newRow("TV channel") << QByteArray("SETTVCHANNEL 5-02") << Records{"14 tv=5-2"};
        QTest::newRow("TV channel, widest")
            << QByteArray("SETTVCHANNEL 2147483647-65535") << Records{"14 tv=2147483647-65535"};
        QTest::newRow("monitor IDs with leading zeros")
            << QByteArray("SETMONITORID 01\nSETMONITORID 0100")
            << Records{"2 text=01", "2 text=0100"};
        QTest::newRow("operating mode")
            << QByteArray("SETOPERATINGMODE expert") << Records{"15 value=2"};
        QTest::newRow("input names") << QByteArray("SETINPUTNAME\nSETINPUTNAME \"12345678901234\"")
                                     << Records{"16", "16 text=12345678901234"};
        QTest::newRow("names and tags that Latin-1 holds stay as written")
            << QByteArray("SETINPUTNAME caf\xC3\xA9\nSETINPUTNAMEBYINPUT HDMI \"\xC3\x86r\xC3\xB8 "
                          "\xC2\xBD\xC3\xBF\"\nSETASSETTAG \"Salle \xC3\xA0 manger\"")
            << Records{QStringLiteral("16 text=caf\u00E9"),
                       QStringLiteral("20 text=\u00C6r\u00F8 \u00BD\u00FF value=17"),
                       QStringLiteral("13 text=Salle \u00E0 manger")};
        QTest::newRow("input names by input")
            << QByteArray("SETINPUTNAMEBYINPUT hdmi\nSETINPUTNAMEBYINPUT \"HDMI\" Lobby")
            << Records{"20 value=17", "20 text=Lobby value=17"};
        QTest::newRow("security") << QByteArray("SETSECURITY disable \"0042\"")
                                  << Records{"17 text=0042"};
        QTest::newRow("worked example")
            << QByteArray("# site\n\nSETMONITORID ALL\nFOREACHPORT 192.168.0.10 TO 192.168.0.12\n"
                          "setopcode 10 to 50%\nWAIT 500\nENDFOREACHPORT\n"
                          "SCHEDULE 2 ENABLE MONDAY SET SUNDAY CLEAR ONTIME 8:15 OFFTIME Clear "
                          "INPUT HDMI\nSENDIR 3\n")
            << Records{"2 text=ALL",
                       "8 text=192.168.0.10 text2=192.168.0.12 port=1",
                       "4 value=50 opcode=0010",
                       "5 value=500",
                       "9",
                       "10 number=2 flags=04 weekdays=01 on=8:15 off=24:60 input=17 "
                       "given=enable,monday,sunday",
                       "6 ir=03"};
        QTest::newRow("two blocks, the widest range")
            << QByteArray("FOREACHPORT 10.0.0.0 TO 10.0.255.255\nENDFOREACHPORT\n"
                          "FOREACHPORT 10.0.0.1 TO 10.0.0.2\nENDFOREACHPORT")
            << Records{"8 text=10.0.0.0 text2=10.0.255.255 port=1", "9",
                       "8 text=10.0.0.1 text2=10.0.0.2 port=1", "9"};
        QTest::newRow("lowest and highest ranges")
            << QByteArray("FOREACHPORT 0.0.0.1 TO 0.0.0.2\nENDFOREACHPORT\n"
                          "FOREACHPORT 255.255.255.254 TO 255.255.255.255\nENDFOREACHPORT")
            << Records{"8 text=0.0.0.1 text2=0.0.0.2 port=1", "9",
                       "8 text=255.255.255.254 text2=255.255.255.255 port=1", "9"};
        QTest::newRow("range with leading zeros, kept as written")
            << QByteArray("FOREACHPORT 010.0.0.1 TO 10.0.0.002\nENDFOREACHPORT")
            << Records{"8 text=010.0.0.1 text2=10.0.0.002 port=1", "9"};
    }
    void accepted() {
        QFETCH(QByteArray, text);
        QFETCH(Records, records);
        int line = -7;
        ScriptCommandList commands;
        QCOMPARE(parseText(text, &line, &commands), 0);
        QCOMPARE(line, 0);
        QCOMPARE(recordTexts(commands), records);
    }

    void unknownCommand_data() {
        faultColumns();
        QTest::newRow("no keyword") << QByteArray("WAIT 5\nBOGUS 1") << 2;
        QTest::newRow("only spaces") << QByteArray("   ") << 1;
        QTest::newRow("only spaces inside a block")
            << QByteArray("FOREACHPORT 10.0.0.1 TO 10.0.0.2\n \nENDFOREACHPORT") << 2;
        QTest::newRow("space before hash") << QByteArray(" # note") << 1;
        QTest::newRow("quoted keyword") << QByteArray("\"WAIT\" 5") << 1;
        QTest::newRow("FROM in place of TO")
            << QByteArray("FOREACHPORT 10.0.0.1 FROM 10.0.0.2") << 1;
        QTest::newRow("comment counts, empty lines do not")
            << QByteArray("\n\n# note\r\nWAIT 5\r\n\r\nBOGUS") << 3;
    }
    void unknownCommand() { checkFault(ResultCode::ScriptUnknownCommand); }

    void invalidCommand_data() {
        faultColumns();
        const QByteArray block = "FOREACHPORT 10.0.0.1 TO 10.0.0.3\n";
        QTest::newRow("block in a block") << block + "FOREACHPORT 10.0.0.5 TO 10.0.0.6" << 2;
        QTest::newRow("FROM in a block") << block + "FOREACHPORT 10.0.0.5 FROM 10.0.0.6" << 2;
        QTest::newRow("port in a block") << block + "SETPORT COM1" << 2;
        QTest::newRow("port without its address in a block") << block + "SETPORT" << 2;
        QTest::newRow("no keyword in a block") << block + "BOGUS" << 2;
        QTest::newRow("end without a block") << QByteArray("ENDFOREACHPORT") << 1;
        QTest::newRow("second end") << block + "ENDFOREACHPORT\nENDFOREACHPORT" << 3;
    }
    void invalidCommand() { checkFault(ResultCode::ScriptInvalidCommand); }

    void parameterCount_data() {
        firstLineRows({"SETPORT",
                       "SETPORT 192.168.0",
                       "SETPORT \"COM1\"",
                       "WAIT",
                       "WAIT 5 #",
                       "SENDIR",
                       "SCHEDULE 1",
                       "SETTVCHANNEL 5",
                       "SETTVCHANNEL 5-x",
                       "SETTVCHANNEL 5-2-1",
                       "SETTVCHANNEL 5 2",
                       "SETPOWER ON OFF",
                       "SETSECURITY ENABLE",
                       "SETOPCODE 10 TO",
                       "SETINPUTNAME a b",
                       "SETINPUTNAMEBYINPUT",
                       "SETINPUTNAMEBYINPUT HDMI a b",
                       "SETASSETTAG",
                       "SETMONITORID",
                       "SETOPERATINGMODE",
                       "ENDFOREACHPORT x",
                       "FOREACHPORT 10.0.0.1 TO"});
    }
    void parameterCount() { checkFault(ResultCode::ScriptParameterCount); }

    void ipRange_data() {
        firstLineRows({"FOREACHPORT 10.0.0.5 TO 10.0.0.5", "FOREACHPORT 10.0.0.5 TO 10.0.0.4",
                       "FOREACHPORT 0.0.0.0 TO 10.0.0.4", "FOREACHPORT 10.0.0.256 TO 10.0.1.4",
                       "FOREACHPORT 10.0.0 TO 10.0.1.4", "FOREACHPORT 10.0.0.1 TO x",
                       // at most 65,536 addresses
                       "FOREACHPORT 10.0.0.0 TO 10.1.0.0", "FOREACHPORT 0.0.0.1 TO 255.255.255.255",
                       "FOREACHPORT 0.0.0.0 TO 0.0.0.1", "FOREACHPORT 10.0.0.1 TO 10.0.0.0256",
                       "FOREACHPORT 255.255.255.255 TO 255.255.255.255"});
    }
    void ipRange() { checkFault(ResultCode::ScriptInvalidIpRange); }

    void invalidParameter_data() {
        firstLineRows(
            {"SETOPCODE 10 FROM 5", "SETOPCODE 10 TO 101%", "SETOPCODE 10 TO 5%%x",
             "SETOPCODE 10 TO x", "SETOPCODE 10 TO -1", "SETOPCODE 1G TO 5",
             "SETOPCODE \"NoSuchControl\" TO 5", "SETOPCODE 14 TO \"No such label\"",
             "SETOPCODE 10000 TO 5", "SETOPCODE 10 TO 65536", "WAIT 0", "WAIT -5", "WAIT 5s",
             "WAIT +5", "SETOPCODE 0x10 TO 5", "WAIT 2147483648", "WAIT 4294967296", "SENDIR 3 G",
             "SENDIR 100000000", "SETPOWER MAYBE", "SETPOWER \"ON\"", "SETSECURITY ENABLE 1234",
             "SETSECURITY ENABLE \"123\"", "SETSECURITY ENABLE \"12345\"",
             "SETSECURITY ON \"1234\"", "SETOPERATINGMODE TURBO", "SETINPUTNAME 123456789012345",
             "SETINPUTNAMEBYINPUT NOSUCH", "SETINPUTNAMEBYINPUT HDMI \"123456789012345\"",
             "SETMONITORID 0", "SETMONITORID 101", "SETMONITORID \"Group K\"", "SETMONITORID 1a",
             "SETMONITORID \"\"", "SETMONITORID 00", "SETMONITORID 0101", "SETOPCODE 10 TO 0101%",
             "SETOPCODE 010000 TO 5", "SETOPCODE 10 TO 0065536", "WAIT 00", "SENDIR 1FFFFFFFF",
             // characters that Latin-1 has no byte for
             "SETINPUTNAME \"\xE2\x82\xAC"
             "5\"",
             "SETINPUTNAMEBYINPUT HDMI caf\xC5\x91", "SETASSETTAG \xF0\x9F\x98\x80"});
        QTest::newRow("on a later line") << QByteArray("WAIT 5\n\nWAIT 0") << 2;
    }
    void invalidParameter() { checkFault(ResultCode::ScriptInvalidParameter); }

    // Where the code's own text would mislead, the parser says why in a sentence of its own:
    // the character of a name that Latin-1 lacks, a range too wide; none for the other faults.
    void faultSentences_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("input name")
            << QByteArray("WAIT 5\nSETINPUTNAME \"Caf\xC3\xA9 \xC5\x91\"")
            << ResultCode::ScriptInvalidParameter << 2
            << QStringLiteral("The input name holds \"\u0151\" (U+0151), a character that "
                              "Latin-1, the displays' character set, does not have.");
        QTest::newRow("a character of two halves")
            << QByteArray("SETASSETTAG x\xF0\x9F\x98\x80") << ResultCode::ScriptInvalidParameter
            << 1
            << QStringLiteral("The asset tag holds \"\U0001F600\" (U+1F600), a character that "
                              "Latin-1, the displays' character set, does not have.");
        QTest::newRow("range too wide")
            << QByteArray("FOREACHPORT 10.0.0.0 TO 10.1.0.0") << ResultCode::ScriptInvalidIpRange
            << 1 << QStringLiteral("A range holds at most 65,536 addresses.");
        QTest::newRow("range the wrong way round")
            << QByteArray("FOREACHPORT 10.0.0.5 TO 10.0.0.4") << ResultCode::ScriptInvalidIpRange
            << 1 << QString();
        QTest::newRow("a name too long") << QByteArray("SETINPUTNAME 123456789012345")
                                         << ResultCode::ScriptInvalidParameter << 1 << QString();
    }
    void faultSentences() {
        QFETCH(QByteArray, text);
        QFETCH(int, code);
        QFETCH(int, line);
        QFETCH(QString, sentence);
        int lineNumber = 0;
        ScriptCommandList commands;
        QString said = QStringLiteral("left from before");
        QCOMPARE(parseScriptText(text, &lineNumber, &commands, builtInDefinitions(), &said), code);
        QCOMPARE(lineNumber, line);
        QCOMPARE(said, sentence);
    }

    void unclosedBlock_data() {
        faultColumns();
        QTest::newRow("last line a command")
            << QByteArray("FOREACHPORT 10.0.0.1 TO 10.0.0.3\nWAIT 5\n") << 2;
        QTest::newRow("last line a comment")
            << QByteArray("FOREACHPORT 10.0.0.1 TO 10.0.0.3\nWAIT 5\n# end\n\n") << 3;
    }
    void unclosedBlock() { checkFault(ScriptUnclosedBlock); }

    void scheduleOptions_data() {
        QTest::addColumn<QByteArray>("options");
        QTest::addColumn<QString>("record"); // empty: refused
        const QString empty;
        QTest::newRow("every bit option")
            << QByteArray("EVERYDAY set EVERYWEEK CLEAR MONDAY SET TUESDAY SET WEDNESDAY CLEAR "
                          "THURSDAY SET FRIDAY SET SATURDAY CLEAR SUNDAY SET DISABLE")
            << "10 number=1 flags=01 weekdays=5b given=enable,everyday,everyweek,monday,"
               "tuesday,wednesday,thursday,friday,saturday,sunday";
        QTest::newRow("last time counts") << QByteArray("ONTIME 8:15 ONTIME 9:30 OFFTIME 23:59")
                                          << "10 number=1 flags=00 weekdays=00 on=9:30 off=23:59";
        QTest::newRow("clear in any case")
            << QByteArray("OFFTIME clear") << "10 number=1 flags=00 weekdays=00 off=24:60";
        QTest::newRow("input number keeps its low byte, names in any case")
            << QByteArray("INPUT 300 PICTUREMODE isf-day")
            << "10 number=1 flags=00 weekdays=00 input=44 picture=6";
        QTest::newRow("input and picture names")
            << QByteArray("INPUT DisplayPort3 PICTUREMODE LASTSETTING")
            << "10 number=1 flags=00 weekdays=00 input=128 picture=0";
        QTest::newRow("lowest times, leading zeros")
            << QByteArray("ONTIME 00:00 OFFTIME 023:059")
            << "10 number=1 flags=00 weekdays=00 on=0:0 off=23:59";
        QTest::newRow("input and picture mode 255, a leading zero")
            << QByteArray("INPUT 255 PICTUREMODE 0255")
            << "10 number=1 flags=00 weekdays=00 input=255 picture=255";
        QTest::newRow("hour 024") << QByteArray("ONTIME 024:00") << empty;
        QTest::newRow("minute 060") << QByteArray("OFFTIME 0:060") << empty;
        QTest::newRow("signed hour") << QByteArray("ONTIME +8:00") << empty;
        QTest::newRow("day without SET or CLEAR") << QByteArray("MONDAY") << empty;
        QTest::newRow("day with another word") << QByteArray("MONDAY ON") << empty;
        QTest::newRow("day twice") << QByteArray("MONDAY SET MONDAY CLEAR") << empty;
        QTest::newRow("enable and disable") << QByteArray("ENABLE DISABLE") << empty;
        QTest::newRow("value missing at the end") << QByteArray("ENABLE INPUT") << empty;
        QTest::newRow("hour 24") << QByteArray("ONTIME 24:00") << empty;
        QTest::newRow("minute 60") << QByteArray("ONTIME 8:60") << empty;
        QTest::newRow("no colon") << QByteArray("ONTIME 8") << empty;
        QTest::newRow("no hour") << QByteArray("ONTIME :5") << empty;
        QTest::newRow("unknown input") << QByteArray("INPUT HDMI9") << empty;
        QTest::newRow("unknown option") << QByteArray("HOLIDAY SET") << empty;
        QTest::newRow("quoted option") << QByteArray("\"ENABLE\"") << empty;
    }
    void scheduleOptions() {
        QFETCH(QByteArray, options);
        QFETCH(QString, record);
        int line = 0;
        ScriptCommandList commands;
        const int code = parseText("SCHEDULE 1 " + options, &line, &commands);
        if (record.isEmpty()) {
            QCOMPARE(code, ResultCode::ScriptInvalidParameter);
            return;
        }
        QCOMPARE(code, 0);
        QCOMPARE(recordTexts(commands), QStringList{record});
    }

    void scheduleNumber() {
        int line = 0;
        ScriptCommandList commands;
        for (const char* number : {"0", "8", "x", "00", "08"})
            QCOMPARE(parseText(QByteArray("SCHEDULE ") + number + " ENABLE", &line, &commands),
                     ResultCode::ScriptInvalidParameter);
        QCOMPARE(parseText("SCHEDULE 01 FRIDAY set", &line, &commands), 0);
        QCOMPARE(parseText("SCHEDULE 07 FRIDAY set", &line, &commands), 0);
        QCOMPARE(parseText("SCHEDULE 7 FRIDAY set", &line, &commands), 0);
        QCOMPARE(recordTexts(commands),
                 QStringList{"10 number=7 flags=00 weekdays=10 given=friday"});
    }

    // The minor channel travels in 16 bits, the major as a signed 32-bit number: a wider one
    // would go out cut to its field (5-65536 as 5-0), so it is refused as the page refuses it.
    void tvChannelWiderThanItsField_data() {
        firstLineRows(
            {"SETTVCHANNEL 5-65536", "SETTVCHANNEL 5-4294967295", "SETTVCHANNEL 2147483648-1"});
    }
    void tvChannelWiderThanItsField() { checkFault(ResultCode::ScriptInvalidParameter); }

    // A fault keeps the records of the lines before it; the file is read as the text is.
    void fileAndEarlierRecords() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("site.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("SETPOWER ON\r\nWAIT 5\r\nSETPOWER LATER\r\nWAIT 6\r\n");
        file.close();
        int line = 0;
        ScriptCommandList commands;
        QCOMPARE(parseScriptFile(path, &line, &commands, builtInDefinitions()),
                 ResultCode::ScriptInvalidParameter);
        QCOMPARE(line, 3);
        QCOMPARE(recordTexts(commands), (QStringList{"7 value=1", "5 value=5"}));

        QCOMPARE(parseScriptFile(dir.filePath(QStringLiteral("none.txt")), &line, &commands,
                                 builtInDefinitions()),
                 ResultCode::FileOpenFailed);
        QCOMPARE(line, 0);
        QVERIFY(commands.isEmpty());

        // A folder named as a script says so, with the code of a file that cannot be opened.
        QString sentence;
        QCOMPARE(parseScriptFile(dir.path(), &line, &commands, builtInDefinitions(), &sentence),
                 ResultCode::FileOpenFailed);
        QCOMPARE(line, 0);
        QCOMPARE(sentence, dir.path() + QStringLiteral(" is a folder, not a script file."));
    }
};

QTEST_GUILESS_MAIN(ScriptParserTest)
#include "tst_script_parser.moc"

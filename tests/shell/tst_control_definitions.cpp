#include "controldefinitions.h"
#include "result_codes.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QtTest>

static const QString kBuiltIn = QStringLiteral(":/text/Resources/controls.txt");

// Writes the text to a file of its own and loads it.
static int loadText(ControlDefinitions& store, const QByteArray& text, int* line_no) {
    QTemporaryFile file;
    if (!file.open() || file.write(text) != text.size() || !file.flush())
        return 1;
    return store.load(file.fileName(), line_no);
}

// "value=label;" for each item, to compare a definition's items in one go.
static QString itemsText(const ControlDefinition& def) {
    QString text;
    for (const ControlValueItem& item : def.items)
        text += QStringLiteral("%1=%2;").arg(item.value).arg(item.label);
    return text;
}

class ControlDefinitionsTest : public QObject {
    Q_OBJECT

private slots:
    void fileResult_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("count");
        // Lines that are ignored: a file of nothing else defines nothing, and is not taken.
        const int nothing = ControlDefinitions::NoDefinitions;
        QTest::newRow("op code above 11FF") << QByteArray("1200,\"X\",0") << -3 << 1 << 0;
        QTest::newRow("op code 11FF") << QByteArray("11FF,\"X\",0") << 0 << 0 << 1;
        QTest::newRow("op code 11ff") << QByteArray("11ff,\"X\",0") << 0 << 0 << 1;
        QTest::newRow("op code 1200 with leading zeros")
            << QByteArray("0001200,\"X\",0") << -3 << 1 << 0;
        QTest::newRow("op code 0") << QByteArray("0,\"X\",0") << 0 << 0 << 1;
        QTest::newRow("value above int")
            << QByteArray("0100,\"X\",1,2147483648,\"A\"") << -1 << 1 << 0;
        QTest::newRow("type 1 with leading zeros")
            << QByteArray("0100,\"X\",001,1,\"A\"") << 0 << 0 << 1;
        QTest::newRow("negative op code") << QByteArray("-1,\"X\",0") << -3 << 1 << 0;
        QTest::newRow("op code not hex") << QByteArray("12G0,\"X\",0") << -4 << 1 << 0;
        QTest::newRow("op code too long for int")
            << QByteArray("FFFFFFFFF,\"X\",0") << -4 << 1 << 0;
        QTest::newRow("op code checked before the type")
            << QByteArray("12G0,\"X\",9") << -4 << 1 << 0;
        QTest::newRow("set of 4 fields") << QByteArray("0100,\"X\",1,1") << -2 << 1 << 0;
        QTest::newRow("bad value") << QByteArray("0100,\"X\",1,a,\"A\"") << -1 << 1 << 0;
        QTest::newRow("bad value after a good pair")
            << QByteArray("0100,\"X\",1,2,\"B\",a,\"A\"") << -1 << 1 << 0;
        QTest::newRow("bad value then a good pair")
            << QByteArray("0100,\"X\",1,a,\"A\",2,\"B\"") << 0 << 0 << 1;
        QTest::newRow("bad value then an unlabelled pair")
            << QByteArray("0100,\"X\",1,a,\"A\",2,\"\"") << -1 << 1 << 0;
        QTest::newRow("set without a labelled pair")
            << QByteArray("0100,\"X\",1,1,\"\",2") << nothing << 0 << 0;
        QTest::newRow("fewer than 3 fields") << QByteArray("12G0,\"X\"") << nothing << 0 << 0;
        QTest::newRow("unknown type") << QByteArray("0100,\"X\",2,1,\"A\"") << nothing << 0 << 0;
        QTest::newRow("type not a number") << QByteArray("0100,\"X\",z") << nothing << 0 << 0;
        QTest::newRow("comment") << QByteArray("#12G0,\"X\",0") << nothing << 0 << 0;
        QTest::newRow("only comments and empty lines")
            << QByteArray("# one\r\n\r\n#two\n\n") << nothing << 0 << 0;
        QTest::newRow("empty file") << QByteArray() << nothing << 0 << 0;
        QTest::newRow("fifth non-empty line after two empty lines")
            << QByteArray("# c\n\n0010,\"A\",0\n\n0012,\"B\",0\n# d\n1200,\"X\",0\n0014,\"C\",0\n")
            << -3 << 5 << 0;
        QTest::newRow("CR LF ends, error on the third line")
            << QByteArray("0010,\"A\",0\r\n\r\n0012,\"B\",0\r\n0100,\"X\",1,1\r\n") << -2 << 3 << 0;
        QTest::newRow("last line without an end")
            << QByteArray("0010,\"A\",0\r\n0012,\"B\",0") << 0 << 0 << 2;
    }
    void fileResult() {
        QFETCH(QByteArray, text);
        QFETCH(int, result);
        QFETCH(int, line);
        QFETCH(int, count);
        ControlDefinitions store;
        int line_no = -99;
        QCOMPARE(loadText(store, text, &line_no), result);
        QCOMPARE(line_no, line);
        QCOMPARE(store.list.size(), count);
        QCOMPARE(store.index.size(), count);
    }

    void lineContent_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("opcode");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("low");
        QTest::addColumn<QString>("high");
        QTest::addColumn<QString>("items");
        QTest::newRow("range without labels") << QByteArray("0010,\"Picture|Brightness\",0") << 0x10
                                              << "Picture|Brightness" << 0 << "Min"
                                              << "Max"
                                              << "";
        QTest::newRow("range of 4 fields keeps the defaults")
            << QByteArray("0010,\"A\",0,\"Low\"") << 0x10 << "A" << 0 << "Min"
            << "Max"
            << "";
        QTest::newRow("range with labels")
            << QByteArray("0012,\"Picture|Contrast\",0,\"Low\",\"High\"") << 0x12
            << "Picture|Contrast" << 0 << "Low"
            << "High"
            << "";
        QTest::newRow("empty low label")
            << QByteArray("00FC,\"OSD|OSD Turn Off Delay\",0,\"\",\"x5 sec\"") << 0xFC
            << "OSD|OSD Turn Off Delay" << 0 << ""
            << "x5 sec"
            << "";
        QTest::newRow("unquoted high label, later fields ignored")
            << QByteArray("022B,\"Off Timer (hours)\",0,\"Off\",24,\"24 Hours\"") << 0x22B
            << "Off Timer (hours)" << 0 << "Off"
            << ""
            << "";
        QTest::newRow("unquoted name")
            << QByteArray("0010,Brightness,0") << 0x10 << "" << 0 << "Min"
            << "Max"
            << "";
        QTest::newRow("text outside the quotes")
            << QByteArray("0010, \"Bright\"ness ,0") << 0x10 << "Bright" << 0 << "Min"
            << "Max"
            << "";
        QTest::newRow("one item") << QByteArray("0004,\"Reset|Factory Reset\",1,1,\"Execute\"")
                                  << 0x4 << "Reset|Factory Reset" << 1 << "Min"
                                  << "Max"
                                  << "1=Execute;";
        QTest::newRow("values in file order, not sorted")
            << QByteArray(
                   "0014,\"Picture|Color|Select Color Preset\",1,9,\"10000K\",11,\"User 1\",2,"
                   "\"Native\"")
            << 0x14 << "Picture|Color|Select Color Preset" << 1 << "Min"
            << "Max"
            << "9=10000K;11=User 1;2=Native;";
        QTest::newRow("bad value then a good pair")
            << QByteArray("0100,\"X\",1,a,\"A\",2,\"B\"") << 0x100 << "X" << 1 << "Min"
            << "Max"
            << "2=B;";
        QTest::newRow("op code in lower case")
            << QByteArray("11ff,\"X\",0") << 0x11FF << "X" << 0 << "Min"
            << "Max"
            << "";
        QTest::newRow("op code 0") << QByteArray("0000,\"X\",0") << 0 << "X" << 0 << "Min"
                                   << "Max"
                                   << "";
        QTest::newRow("values with leading zeros are decimal")
            << QByteArray("0100,\"X\",01,08,\"Eight\",010,\"Ten\",-0009,\"Minus\"") << 0x100 << "X"
            << 1 << "Min"
            << "Max"
            << "8=Eight;10=Ten;-9=Minus;";
        QTest::newRow("lowest and highest values")
            << QByteArray("0100,\"X\",1,-2147483648,\"Low\",2147483647,\"High\"") << 0x100 << "X"
            << 1 << "Min"
            << "Max"
            << "-2147483648=Low;2147483647=High;";
        QTest::newRow("unlabelled pairs skipped")
            << QByteArray("0100,\"X\",1,1,\"\",2,\"Two\",3,4,-5,\"Minus\",6") << 0x100 << "X" << 1
            << "Min"
            << "Max"
            << "2=Two;-5=Minus;";
    }
    void lineContent() {
        QFETCH(QByteArray, line);
        QFETCH(int, opcode);
        QFETCH(QString, name);
        QFETCH(int, type);
        QFETCH(QString, low);
        QFETCH(QString, high);
        QFETCH(QString, items);
        ControlDefinitions store;
        int line_no = -99;
        QCOMPARE(loadText(store, line + "\r\n", &line_no), 0);
        QCOMPARE(store.list.size(), 1);
        const ControlDefinition& def = store.list.first();
        QCOMPARE(def.opcode, opcode);
        QCOMPARE(def.name, name);
        QCOMPARE(def.type, type);
        QCOMPARE(def.low_label, low);
        QCOMPARE(def.high_label, high);
        QCOMPARE(itemsText(def), items);
        QCOMPARE(store.find(opcode), &store.list.first());
    }

    // The first definition of an op code answers names, the last one is indexed, and value
    // lookups go through every definition of the op code in file order.
    void duplicateOpcode() {
        ControlDefinitions store;
        int line_no = -99;
        QCOMPARE(loadText(store,
                          "0100,\"A|First\",1,1,\"One\"\n0200,\"Other\",1,2,\"Two\"\n"
                          "0100,\"B|Second\",1,1,\"Uno\",2,\"Two\"\n",
                          &line_no),
                 0);
        QCOMPARE(store.list.size(), 3);
        QCOMPARE(store.index.size(), 2);
        QCOMPARE(store.find(0x100)->name, QStringLiteral("B|Second"));
        QCOMPARE(store.opcodeName(0x100, false), QStringLiteral("A|First"));
        QCOMPARE(store.opcodeName(0x100, true), QStringLiteral("First"));
        QCOMPARE(store.valueLabel(0x100, 1), QStringLiteral("One"));
        QCOMPARE(store.valueLabel(0x100, 2), QStringLiteral("Two"));
        QCOMPARE(store.valueForLabel(0x100, QStringLiteral("uno")), 1);
        QCOMPARE(store.valueForLabel(0x100, QStringLiteral("two")), 2);
        QCOMPARE(store.opcodeForShortName(QStringLiteral("second")), 0x100);
        QCOMPARE(store.opcodeForName(QStringLiteral("other")), 0x200);
        QCOMPARE(store.opcodeForName(QStringLiteral("First")), -1);
    }

    // A file that cannot be opened, has a bad line or defines nothing leaves the loaded
    // definitions in place.
    void failedLoadKeepsDefinitions_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("missing");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("line");
        QTest::newRow("bad line after good ones")
            << QByteArray("0300,\"New\",0\r\n0301,\"Newer\",0\r\n12G0,\"X\",0\r\n") << false << -4
            << 3;
        QTest::newRow("no definition: a script")
            << QByteArray("# site\r\nSETPORT 192.168.0.10\r\nSETOPCODE 0010 5\r\n") << false
            << int(ControlDefinitions::NoDefinitions) << 0;
        QTest::newRow("file missing")
            << QByteArray() << true << int(ResultCode::FileOpenFailed) << 0;
    }
    void failedLoadKeepsDefinitions() {
        QFETCH(QByteArray, text);
        QFETCH(bool, missing);
        QFETCH(int, result);
        QFETCH(int, line);
        ControlDefinitions store;
        int line_no = -99;
        QCOMPARE(loadText(store, "0010,\"Picture|Brightness\",0\n0014,\"Preset\",1,11,\"User 1\"\n",
                          &line_no),
                 0);
        const ControlDefinition* brightness = store.find(0x10);
        QVERIFY(brightness);

        line_no = -99;
        if (missing)
            QCOMPARE(store.load(QStringLiteral("/nonexistent/controls.txt"), &line_no), result);
        else
            QCOMPARE(loadText(store, text, &line_no), result);
        QCOMPARE(line_no, line);
        QCOMPARE(store.list.size(), 2);
        QCOMPARE(store.find(0x10), brightness);
        QCOMPARE(store.find(0x10)->name, QStringLiteral("Picture|Brightness"));
        QCOMPARE(store.valueLabel(0x14, 11), QStringLiteral("User 1"));
        QCOMPARE(store.opcodeForName(QStringLiteral("new")), -1);
        QVERIFY(!store.find(0x300));
    }

    // A good load replaces everything, and the index follows the new list.
    void reloadReplaces() {
        ControlDefinitions store;
        int line_no = -99;
        QCOMPARE(loadText(store, "0010,\"Old\",0\n0012,\"Gone\",0\n", &line_no), 0);
        QCOMPARE(loadText(store, "0010,\"New\",1,1,\"One\"\n", &line_no), 0);
        QCOMPARE(store.list.size(), 1);
        QCOMPARE(store.index.size(), 1);
        QCOMPARE(store.find(0x10)->name, QStringLiteral("New"));
        QCOMPARE(store.find(0x10)->items.size(), 1);
        QVERIFY(!store.find(0x12));
        QCOMPARE(store.opcodeName(0x12, false), QString());
    }

    // The file carried in the program: its shape survives checkout and resource compilation.
    void builtInFileShape() {
        QFile file(kBuiltIn);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.count("\r\n"), 415);
        QCOMPARE(bytes.count('\n'), 415);
        QVERIFY(bytes.endsWith("\r\n"));
        int revisions = 0;
        int retired = 0;
        for (const QByteArray& line : bytes.split('\n')) {
            if (!line.startsWith('#'))
                continue;
            revisions += line.contains("20180118");
            retired += QRegularExpression(QStringLiteral("^#[0-9A-F]{4},"))
                           .match(QString::fromLatin1(line))
                           .hasMatch();
        }
        QCOMPARE(revisions, 1);
        QCOMPARE(retired, 1);
    }

    void builtInFileContent() {
        ControlDefinitions store;
        int line_no = -99;
        QCOMPARE(store.load(kBuiltIn, &line_no), 0);
        QCOMPARE(line_no, 0);
        QCOMPARE(store.list.size(), 379);
        int ranges = 0;
        int twice = 0;
        for (const ControlDefinition& def : store.list) {
            ranges += def.type == ControlDefinition::Range;
            twice += def.opcode == 0x10CB;
        }
        QCOMPARE(ranges, 146);
        QCOMPARE(store.list.size() - ranges, 233);
        QCOMPARE(twice, 2);
        QCOMPARE(store.index.size(), 378);
        QCOMPARE(store.list.first().opcode, 0x0004);
        QCOMPARE(store.list.last().opcode, 0x11FF);

        QCOMPARE(store.find(0x10CB)->name, QStringLiteral("Model ID"));
        QCOMPARE(store.opcodeName(0x10CB, false), QStringLiteral("Audio|Audio Delay"));
        QCOMPARE(store.opcodeName(0x0016, true), QStringLiteral("Red Gain"));
        QCOMPARE(store.opcodeName(0x0016, false), QStringLiteral("Picture|Color|Gain|Red Gain"));
        QCOMPARE(store.opcodeName(0x0001, false), QString());
        QVERIFY(!store.find(0x0001));
        QCOMPARE(store.opcodeForShortName(QStringLiteral("red gain")), 0x16);
        QCOMPARE(store.opcodeForName(QStringLiteral("picture|contrast")), 0x12);
        QCOMPARE(store.opcodeForName(QStringLiteral("contrast")), -1);
        QCOMPARE(store.opcodeForShortName(QStringLiteral("no such control")), -1);
        QCOMPARE(store.valueForLabel(0x008D, QStringLiteral("MUTE")), 1);
        QCOMPARE(store.valueForLabel(0x008D, QStringLiteral("Loud")), -1);
        QCOMPARE(store.valueLabel(0x0014, 11), QStringLiteral("User 1"));
        QCOMPARE(store.valueLabel(0x0010, 5), QString());
        // Texts built from these labels elsewhere expect them.
        QCOMPARE(store.valueLabel(0x021A, 1), QStringLiteral("sRGB"));
        QCOMPARE(store.valueLabel(0x0060, 0), QString());
        QCOMPARE(store.valueLabel(0x0060, 17), QStringLiteral("HDMI"));
        QCOMPARE(store.find(0x022B)->low_label, QStringLiteral("Off"));
        QCOMPARE(store.find(0x022B)->high_label, QString());
    }

    void emptyStoreLookups() {
        ControlDefinitions store;
        int line_no = -99;
        QCOMPARE(store.load(QStringLiteral("/nonexistent/controls.txt"), &line_no),
                 int(ResultCode::FileOpenFailed));
        QVERIFY(store.list.isEmpty());
        QCOMPARE(store.opcodeName(0x10, false), QString());
        QCOMPARE(store.opcodeForShortName(QStringLiteral("Brightness")), -1);
        QCOMPARE(store.opcodeForName(QStringLiteral("Picture|Brightness")), -1);
        QVERIFY(!store.find(0x10));
        QCOMPARE(store.valueForLabel(0x8D, QStringLiteral("Mute")), -1);
        QCOMPARE(store.valueLabel(0x14, 11), QString());
    }
};

QTEST_GUILESS_MAIN(ControlDefinitionsTest)
#include "tst_control_definitions.moc"

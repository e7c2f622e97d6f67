#include "display_capabilities.h"

#include <QtTest>

namespace {
// A string as one of our displays reports itself.
const char* const kFullString =
    "(prot(monitor)type(lcd)model(ZQ-5500X)mccs_ver(2.2)mpu_ver(R1.204)chassis(slim 55)"
    "asset_eep(40)c_tmp_ofst(5)gamma_table(size(300) r_ofs(0) g_ofs(400) b_ofs(800))"
    "cmds(01 02 03 07 0C E3 F3)cmds_c2(03 10 11 16 17)cmds_ca(02)"
    "vcp(02 04 05 08 10 12 14(01 02 04 05 06 08 0B) 16 18 1A 60(01 03 04 11 12 0F) 62 8D(01 02)"
    " D6(01 04) DF)vcp_p02(68(01 06) C3(01 02) F8 F9)vcp_p10(3A 3B 3C)vcp_p11(FA FB FE FF))";

// "10 14[1,2] C217": codes in hexadecimal, their values in brackets.
QString describe(const QList<DisplayCapabilities::VcpEntry>& list) {
    QStringList parts;
    for (const auto& e : list) {
        QString part = QString::number(e.code, 16).toUpper();
        if (!e.values.isEmpty()) {
            QStringList values;
            for (unsigned int v : e.values)
                values << QString::number(v, 16).toUpper();
            part += QLatin1Char('[') + values.join(QLatin1Char(',')) + QLatin1Char(']');
        }
        parts << part;
    }
    return parts.join(QLatin1Char(' '));
}

QString field(const DisplayCapabilities& c, const QString& name) {
    const QMap<QString, QString> fields = {
        {"valid", QString::number(c.valid)},
        {"kind", QString::number(c.display_kind)},
        {"asset_eep", QString::number(c.asset_eep)},
        {"c_tmp_ofst", QString::number(c.c_tmp_ofst)},
        {"gamma", QStringLiteral("%1 %2 %3 %4 %5")
                      .arg(c.has_gamma_table)
                      .arg(c.gamma_table_size, 0, 16)
                      .arg(c.gamma_r_ofs, 0, 16)
                      .arg(c.gamma_g_ofs, 0, 16)
                      .arg(c.gamma_b_ofs, 0, 16)},
        {"model", QString::fromLatin1(c.model)},
        {"mccs_ver", QString::fromLatin1(c.mccs_ver)},
        {"mpu_ver", QString::fromLatin1(c.mpuVersion())},
        {"type", QString::fromLatin1(c.type)},
        {"chassis", QString::fromLatin1(c.chassis)},
        {"commands", describe(c.commands)},
        {"vcp", describe(c.vcp_codes)},
    };
    return fields.value(name, QStringLiteral("?"));
}
} // namespace

class CapabilityParserTest : public QObject {
    Q_OBJECT

private slots:
    void fields_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");

        const QByteArray full = kFullString;
        auto row = [](const char* title, const QByteArray& text, int result, const char* name,
                      const QString& expected) {
            QTest::newRow(title) << text << result << QString::fromLatin1(name) << expected;
        };
        row("full: valid", full, 0, "valid", "1");
        row("full: kind", full, 0, "kind", "2");
        row("full: model", full, 0, "model", "ZQ-5500X");
        row("full: mccs", full, 0, "mccs_ver", "2.2");
        row("full: mpu", full, 0, "mpu_ver", "R1.204");
        row("full: chassis keeps its space", full, 0, "chassis", "slim 55");
        row("full: asset", full, 0, "asset_eep", "64");
        row("full: colour offset", full, 0, "c_tmp_ofst", "5");
        row("full: gamma", full, 0, "gamma", "1 300 0 400 800");
        row("full: commands", full, 0, "commands", "1 2 3 7 C E3 F3 C203 C210 C211 C216 C217 CA02");
        row("full: vcp", full, 0, "vcp",
            "2 4 5 8 10 12 14[1,2,4,5,6,8,B] 16 18 1A 60[1,3,4,11,12,F] 62 8D[1,2] D6[1,4] DF "
            "268[1,6] 2C3[1,2] 2F8 2F9 103A 103B 103C 11FA 11FB 11FE 11FF");

        row("empty string", "", -1, "valid", "0");
        row("empty string: lists", "", -1, "vcp", "");
        row("extra open parenthesis", "vcp(10)(", -2, "vcp", "10");
        row("extra open parenthesis: not valid", "vcp(10)(", -2, "valid", "0");
        row("extra close parenthesis", "vcp(10))", -2, "vcp", "10");
        row("no op code, other fields kept", "model(X1)cmds(01)", -1, "model", "X1");
        row("unclosed vcp group is absent", "vcp(10 12", -1, "vcp", "");

        row("type lower case", "type(lcd)", -1, "type", "LCD");
        row("type lcd kind", "type(lcd)", -1, "kind", "2");
        row("type crt", "type(Crt)", -1, "kind", "1");
        row("type crt_ag", "type(CRT_AG)", -1, "kind", "1");
        row("type other", "type(plasma)", -1, "kind", "0");
        row("type non-ASCII stays", "type(l\xE9)", -1, "type", QString::fromLatin1("L\xE9"));

        row("asset 64", "asset_eep(64)", -1, "asset_eep", "64");
        row("asset 32", "asset_eep(32)", -1, "asset_eep", "32");
        row("asset 40", "asset_eep(40)", -1, "asset_eep", "64");
        row("asset 20", "asset_eep(20)", -1, "asset_eep", "32");
        row("asset unreadable", "asset_eep(zz)", -1, "asset_eep", "0");
        row("asset leading space", "asset_eep( 80)", -1, "asset_eep", "128");
        row("asset overflow", "asset_eep(123456789)", -1, "asset_eep", "0");
        // Digits after the overflow must not start a new number.
        row("asset overflow, more digits", "asset_eep(100000000040)", -1, "asset_eep", "0");
        row("asset negative is unreadable", "asset_eep(-40)", -1, "asset_eep", "0");
        row("asset in lower case", "asset_eep(4a)", -1, "asset_eep", "74");
        row("asset largest int", "asset_eep(7FFFFFFF)", -1, "asset_eep", "2147483647");
        row("asset above int", "asset_eep(80000000)", -1, "asset_eep", "0");
        row("asset leading zeros", "asset_eep(000000000040)", -1, "asset_eep", "64");

        row("colour offset negative", "c_tmp_ofst(-3)", -1, "c_tmp_ofst", "-3");
        row("colour offset overflow", "c_tmp_ofst(FFFFFFFFF)", -1, "c_tmp_ofst", "0");
        row("colour offset overflow, more digits", "c_tmp_ofst(1000000003)", -1, "c_tmp_ofst", "0");
        row("colour offset lowest int", "c_tmp_ofst(-80000000)", -1, "c_tmp_ofst", "-2147483648");
        row("colour offset largest int", "c_tmp_ofst(7fffffff)", -1, "c_tmp_ofst", "2147483647");
        row("colour offset 33 bits", "c_tmp_ofst(-100000000)", -1, "c_tmp_ofst", "0");
        row("colour offset plus sign", "c_tmp_ofst(+a)", -1, "c_tmp_ofst", "10");
        row("gamma partial", "gamma_table(size(100) r_ofs(zz) g_ofs(5))", -1, "gamma",
            "1 100 0 0 0");
        row("gamma without closing of a number", "gamma_table(size(100 r_ofs(4)))", -1, "gamma",
            "1 100 0 0 0");
        row("gamma empty", "gamma_table()", -1, "gamma", "1 0 0 0 0");
        row("gamma absent", "vcp(10)", 0, "gamma", "0 0 0 0 0");
        row("gamma in lower case", "gamma_table(size(c00) r_ofs(0) g_ofs(c00) b_ofs(1800))", -1,
            "gamma", "1 c00 0 c00 1800");
        row("gamma largest size", "gamma_table(size(FFFFFFFF) r_ofs(1))", -1, "gamma",
            "1 ffffffff 1 0 0");
        row("gamma size above 32 bits", "gamma_table(size(100000000) r_ofs(1))", -1, "gamma",
            "1 0 0 0 0");

        row("key twice, first counts", "model(A1)model(B2)vcp(10)", 0, "model", "A1");
        row("key found anywhere", "xmodel(A1)vcp(10)", 0, "model", "A1");
        row("nested group in a text", "model(A(1)B)vcp(10)", 0, "model", "A(1)B");

        row("values then next code", "vcp(14(1 2 3) 16)", 0, "vcp", "14[1,2,3] 16");
        row("codes with a value list", "vcp(10 12 14(01 02 03) 16)", 0, "vcp",
            "10 12 14[1,2,3] 16");
        row("any whitespace separates", "vcp(10\t12\n14\r\n(01\v02)\f16)", 0, "vcp",
            "10 12 14[1,2] 16");
        row("run of digits in pairs", "vcp(0102 123)", 0, "vcp", "1 2 12 3");
        row("no sign or prefix", "vcp(-1 +2 0x10)", 0, "vcp", "1 2 0 10");
        row("hex digits in either case", "vcp(aa AF fA ff 9a Ab(0a Ff))", 0, "vcp",
            "AA AF FA FF 9A AB[A,FF]");
        row("characters beside the digits only separate", "vcp(/1 :2 @3 G4 `5 g6)", 0, "vcp",
            "1 2 3 4 5 6");
        row("lowest and highest codes", "vcp(00 FF)vcp_pFF(00 FF)", 0, "vcp", "0 FF FF00 FFFF");
        row("deeper groups ignored", "vcp(60(01(AA BB) 03) 62)", 0, "vcp", "60[1,3] 62");
        row("values before any code", "vcp((05) 10)", 0, "vcp", "10");
        row("duplicates kept", "vcp(10 10(1) 10)", 0, "vcp", "10 10[1] 10");
        row("page keys", "vcp_p10(03)vcp_pFF(01)vcp_p02(68)", 0, "vcp", "268 1003 FF01");
        row("page key lower case is not a key", "vcp_pff(01)vcp(10)", 0, "vcp", "10");
        row("page 01 is not a key", "vcp_p01(05)vcp(10)", 0, "vcp", "10");
        row("command pages", "cmds_c2(17)cmds_ca(02)cmds(F3)vcp(10)", 0, "commands",
            "F3 C217 CA02");
        row("commands alone are not op codes", "cmds(01 02)", -1, "commands", "1 2");
    }
    void fields() {
        QFETCH(QByteArray, text);
        QFETCH(int, result);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        DisplayCapabilities caps;
        QCOMPARE(caps.parse(text.constData()), result);
        QCOMPARE(caps.valid, result == 0);
        QCOMPARE(field(caps, name), expected);
    }

    void queries() {
        DisplayCapabilities caps;
        QCOMPARE(caps.parse(kFullString), 0);
        QVERIFY(caps.hasVcpCode(0x10));
        QVERIFY(caps.hasVcpCode(0x11FF));
        QVERIFY(!caps.hasVcpCode(0xC217)); // a command, not an op code
        QVERIFY(!caps.hasVcpCode(0x11));
        QVERIFY(caps.hasVcpValueList(0x60));
        QVERIFY(!caps.hasVcpValueList(0x10));
        QVERIFY(!caps.hasVcpValueList(0x99));
        QVERIFY(caps.hasVcpValue(0x60, 0x11));
        QVERIFY(caps.hasVcpValue(0x268, 6));
        QVERIFY(!caps.hasVcpValue(0x60, 0x02));
        QVERIFY(!caps.hasVcpValue(0x10, 0));

        // One of several entries of a code is enough.
        QCOMPARE(caps.parse("vcp(14 14(05))"), 0);
        QVERIFY(caps.hasVcpValueList(0x14));
        QVERIFY(caps.hasVcpValue(0x14, 5));
    }

    void parseStartsAfresh() {
        DisplayCapabilities caps;
        QCOMPARE(caps.parse(kFullString), 0);
        QCOMPARE(caps.parse("model(Other)"), -1);
        QVERIFY(!caps.valid);
        QCOMPARE(caps.model, QByteArray("Other"));
        QVERIFY(caps.vcp_codes.isEmpty() && caps.commands.isEmpty());
        QCOMPARE(caps.asset_eep, 0);
        QVERIFY(!caps.has_gamma_table);
        QCOMPARE(caps.parse(nullptr), -1);
        QVERIFY(caps.model.isEmpty());

        caps.parse(kFullString);
        caps.clear();
        QCOMPARE(field(caps, "gamma"), QStringLiteral("0 0 0 0 0"));
        QVERIFY(caps.mpuVersion().isEmpty() && caps.type.isEmpty() && caps.chassis.isEmpty());
        QCOMPARE(caps.display_kind, 0);
        QCOMPARE(caps.c_tmp_ofst, 0);
    }
};

QTEST_GUILESS_MAIN(CapabilityParserTest)
#include "tst_capability_parser.moc"

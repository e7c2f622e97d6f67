#include "capability_filter.h"
#include "controldefinitions.h"
#include "opcode_info_html.h"
#include "opcode_scan.h"
#include "opcodes.h"

#include <QBuffer>
#include <QtTest>

namespace {
ControlDefinitions* load(const QByteArray& text) {
    static ControlDefinitions store;
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    int line_no = 0;
    return store.read(buffer, &line_no) == 0 ? &store : nullptr;
}

QString row(const QString& name, const QString& hex, const QString& values) {
    return QStringLiteral("<tr><td align=\"center\">\"%1\"</td><td align=\"center\">%2</td>"
                          "<td>%3</td></tr>")
        .arg(name, hex, values);
}

// A pass that read each op code from first to last with the value value(opcode).
OpcodeScanPass pass(std::function<uint(uint)> value, uint skipFrom = 0x1200) {
    OpcodeScanPass p;
    for (const auto& range : OpCode::ScannedPages)
        for (uint op = range.first; op <= range.last && op < skipFrom; ++op) {
            p.opcodes << op;
            p.values << value(op);
        }
    return p;
}
} // namespace

class OpcodeReportsTest : public QObject {
    Q_OBJECT

private slots:
    // The rows of the op-code reference, filtered or not.
    void infoRows_data() {
        QTest::addColumn<QByteArray>("capability"); // empty: no filter
        QTest::addColumn<QStringList>("rows");
        const QString inputs = "\"HDMI\", \"DVI\", \"VGA\"";
        QTest::newRow("all") << QByteArray()
                             << QStringList{
                                    row("Brightness", "0010", ""), row("Input", "0060", inputs),
                                    row("Mode &lt;b&gt;", "021A", "\"Std\"\"A&amp;B\", \"Std\"")};
        QTest::newRow("filtered") << QByteArray("(vcp(10 60(11 12) vcp_p02(1A(01))))")
                                  << QStringList{row("Brightness", "0010", ""),
                                                 row("Input", "0060", "\"HDMI\", \"DVI\""),
                                                 row("Mode &lt;b&gt;", "021A", "\"Std\"\"Std\"")};
        QTest::newRow("listed without values")
            << QByteArray("(vcp(60))") << QStringList{row("Input", "0060", inputs)};
    }
    void infoRows() {
        QFETCH(QByteArray, capability);
        QFETCH(QStringList, rows);
        // A short name with "read only" in any case gives no row; a list whose last value also
        // stands earlier gets no ", " after that earlier label.
        const ControlDefinitions* store =
            load("0010,\"Picture|Brightness\",0\n"
                 "00B6,\"Monitor Type (READ ONLY)\",1,1,\"CRT\",2,\"LCD\"\n"
                 "0060,\"Input\",1,17,\"HDMI\",18,\"DVI\",1,\"VGA\"\n"
                 "021A,\"Picture|Mode <b>\",1,1,\"Std\",2,\"A&B\",1,\"Std\"\n");
        QVERIFY(store);
        const auto filter = CapabilityFilter::parse(QString::fromLatin1(capability));
        QCOMPARE(filter.has_value(), !capability.isEmpty());
        const QString html = opcode_info_html(store->list, filter);
        const QString header =
            "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">  <tr><th>OpCode "
            "Name</th><th>OpCode HEX value</th><th>Discrete Value Names</th></tr>";
        QVERIFY(html.startsWith(filter ? "<h3>OpCodes Names and Values (filtered by current "
                                         "monitor support)</h3>The following table"
                                       : "<h3>OpCodes Names and Values</h3>The following table"));
        QVERIFY(html.endsWith(header + rows.join("") + "</table>"));
    }

    void infoOfAnEmptyStore() {
        const QString html = opcode_info_html({}, std::nullopt);
        QVERIFY(html.contains("\"SETOPCODE\" command"));
        QVERIFY(html.endsWith("<th>Discrete Value Names</th></tr></table>"));
    }

    // The scanner's report: one line per op code read on both passes whose value changed.
    void scanReport_data() {
        QTest::addColumn<uint>("changed");  // the op code whose value differs on pass 2
        QTest::addColumn<uint>("brokenAt"); // pass 2 read nothing from this op code on
        QTest::addColumn<QString>("report");
        QTest::newRow("no change")
            << 0u << 0x1200u << "No changes to any Op Code values were found.";
        QTest::newRow("named values")
            << 0x0060u << 0x1200u
            << "The following Op Codes have changed:<br>Op Code 0060 (Input &amp; more) was "
               "value 17 [HDMI]  and is now 18 [&lt;DVI&gt;] <br>";
        QTest::newRow("range") << 0x0010u << 0x1200u
                               << "The following Op Codes have changed:<br>Op Code 0010 "
                                  "(Brightness) was value 17 and is now 18<br>";
        QTest::newRow("no definition") << 0x10A5u << 0x1200u
                                       << "The following Op Codes have changed:<br>Op Code 10a5 "
                                          "was value 17 and is now 18<br>";
        // Range 4 broke off on pass 2: the change there is not seen, and the report says how
        // much was not compared.
        QTest::newRow("not read on pass 2")
            << 0x11FEu << 0x11F0u
            << "No changes to any Op Code values were found.<br>16 Op Code(s) could not be read "
               "on one or both passes.";
    }
    void scanReport() {
        QFETCH(uint, changed);
        QFETCH(uint, brokenAt);
        const ControlDefinitions* store =
            load("0010,\"Picture|Brightness\",0\n"
                 "0060,\"Input & more\",1,17,\"HDMI\",18,\"<DVI>\"\n");
        QVERIFY(store);
        const OpcodeScanPass first = pass([](uint) { return 17u; });
        const OpcodeScanPass second =
            pass([changed](uint op) { return op == changed ? 18u : 17u; }, brokenAt);
        QTEST(opcode_scan_report(first, second, *store), "report");
    }
};

QTEST_MAIN(OpcodeReportsTest)
#include "tst_opcode_reports.moc"

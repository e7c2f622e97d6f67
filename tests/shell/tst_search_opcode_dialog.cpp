#include "controldefinitions.h"
#include "program_globals.h"
#include "search_opcode_dialog.h"

#include <QAbstractItemModel>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class SearchOpcodeDialogTest : public QObject {
    Q_OBJECT

    static QLineEdit* line(search_opcode_dialog& d) { return d.findChild<QLineEdit*>("lineEdit"); }
    static bool okEnabled(search_opcode_dialog& d) {
        return d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled();
    }
    // What the completer offers for text typed into the line.
    static QStringList offered(search_opcode_dialog& d, const QString& typed) {
        QTest::keyClicks(line(d), typed);
        const QAbstractItemModel* m = line(d)->completer()->completionModel();
        QStringList out;
        for (int row = 0; row < m->rowCount(); ++row)
            out << m->index(row, 0).data().toString();
        return out;
    }

private slots:
    void init() {
        int line_no = 0;
        QCOMPARE(controlDefinitions().load(":/text/Resources/controls.txt", &line_no), 0);
    }

    void completesAnywhereInTheNameIgnoringCase() {
        search_opcode_dialog d;
        const QStringList names = offered(d, "gain");
        QVERIFY(names.contains("Picture|Color|Gain|Red Gain"));
        for (const QString& name : names)
            QVERIFY2(name.contains("gain", Qt::CaseInsensitive), qPrintable(name));
        QVERIFY(!okEnabled(d)); // "gain" is no whole name
    }

    void okOnlyForAWholeName_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("opcode");
        QTest::newRow("whole name, other case") << "picture|contrast" << 0x12;
        QTest::newRow("whole name") << "Picture|Contrast" << 0x12;
        QTest::newRow("short name only") << "Contrast" << -1;
        QTest::newRow("part of a name") << "Picture|Contr" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void okOnlyForAWholeName() {
        QFETCH(QString, text);
        QFETCH(int, opcode);
        search_opcode_dialog d;
        line(d)->setText("x"); // a change to the text, so that even "" is looked at
        line(d)->setText(text);
        QCOMPARE(d.selected_opcode(), opcode);
        QCOMPARE(okEnabled(d), opcode >= 0);
    }

    // The store as the built-in file leaves it when it does not load: empty.
    void emptyStoreOffersNothing() {
        controlDefinitions().index.clear();
        controlDefinitions().list.clear();
        search_opcode_dialog d;
        QVERIFY(offered(d, "a").isEmpty());
        QVERIFY(!okEnabled(d));
        line(d)->setText("Picture|Contrast");
        QVERIFY(!okEnabled(d));
        QCOMPARE(d.selected_opcode(), -1);
    }
};

QTEST_MAIN(SearchOpcodeDialogTest)
#include "tst_search_opcode_dialog.moc"

#include "display_list.h"
#include "display_list_panel.h"
#include "lm_communications_interface_configure_widget.h"
#include "test_files.h"

#include <QMessageBox>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

Q_DECLARE_METATYPE(DisplayListRow)

namespace {
// A serial port named the way of this platform.
#ifdef Q_OS_WIN
const QString ownPort = QStringLiteral("COM3");
#else
const QString ownPort = QStringLiteral("/dev/ttyUSB0");
#endif

monitor_data display(int type, const QString& port, int id) {
    return {0x40 + id, QString::number(id), type, port};
}

// The bottom bar's display list, as the main window lays it out.
struct Panel {
    QWidget window;
    QTableView* view = new QTableView(&window);
    QPushButton* add = new QPushButton(&window);
    QPushButton* remove = new QPushButton(&window);
    QPushButton* open = new QPushButton(&window);
    QPushButton* save = new QPushButton(&window);
    LM_communications_interface_configure_widget* interface =
        new LM_communications_interface_configure_widget(&window);
    std::unique_ptr<DisplayListPanel> panel;
    std::unique_ptr<QSignalSpy> chosen;

    Panel() {
        auto* layout = new QVBoxLayout(&window);
        for (QWidget* w : std::initializer_list<QWidget*>{view, add, remove, open, save, interface})
            layout->addWidget(w);
        auto* model = new QStandardItemModel(0, 3, &window);
        view->setModel(model);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->hideColumn(0);
        remove->setEnabled(false);
        save->setEnabled(false);
        panel.reset(new DisplayListPanel({view, add, remove, open, save, interface}, nullptr));
        chosen.reset(new QSignalSpy(panel.get(), &DisplayListPanel::display_chosen));
    }
    void addCurrent(const monitor_data& d) {
        interface->set_interface_info(d);
        add->click();
    }
    QString address() { return interface->get_interface_info().s_communicationsInterfacePortName; }
    void clickRow(int row) {
        const QRect cell = view->visualRect(view->model()->index(row, 1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    }
    int currentRow() { return view->selectionModel()->currentIndex().row(); }
};
} // namespace

class DisplayListTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QStringList boxTexts; // texts of the modal boxes that were shown and closed
    QTimer boxCloser;

    QString writeFile(const QString& name, const QByteArray& bytes) {
        return writeTestFile(dir, name, bytes);
    }

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        connect(&boxCloser, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxTexts << box->text();
                box->done(0);
            }
        });
        boxCloser.start(20);
    }
    void init() { boxTexts.clear(); }

    void lines_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("code");
        QTest::addColumn<DisplayListRow>("row");
        const DisplayListRow none;
        QTest::newRow("LAN") << "TYPE=1,PORT=192.168.0.10,ID=1" << 0
                             << DisplayListRow{1, "192.168.0.10", "1"};
        QTest::newRow("serial, this platform's port")
            << "TYPE=2,PORT=" + ownPort + ",ID=100" << 0 << DisplayListRow{2, ownPort, "100"};
#ifndef Q_OS_WIN
        QTest::newRow("serial, a name as the port list shows it")
            << "TYPE=2,PORT=ttyS0,ID=2" << 0 << DisplayListRow{2, "ttyS0", "2"};
#endif
        QTest::newRow("dummy drops its port")
            << "TYPE=3,PORT=10.0.0.1,ID=ALL" << 0 << DisplayListRow{3, "", "ALL"};
        QTest::newRow("group, CR LF") << "TYPE=1,PORT=10.0.0.1,ID=Group J\r\n"
                                      << 0 << DisplayListRow{1, "10.0.0.1", "Group J"};
        QTest::newRow("empty") << "" << -1 << none;
        QTest::newRow("fourth field") << "TYPE=1,PORT=10.0.0.1,ID=1,X" << -1 << none;
        QTest::newRow("no TYPE") << "KIND=1,PORT=10.0.0.1,ID=1" << -3 << none;
        QTest::newRow("no PORT") << "TYPE=1,ADDR=10.0.0.1,ID=1" << -4 << none;
        QTest::newRow("no ID") << "TYPE=1,PORT=10.0.0.1,MONITOR=1" << -5 << none;
        QTest::newRow("type 4, checked before port and ID") << "TYPE=4,PORT=x,ID=0" << -2 << none;
        QTest::newRow("type 0") << "TYPE=0,PORT=10.0.0.1,ID=1" << -2 << none;
        QTest::newRow("type with a leading zero")
            << "TYPE=01,PORT=10.0.0.1,ID=1" << 0 << DisplayListRow{1, "10.0.0.1", "1"};
        QTest::newRow("ID with a leading zero")
            << "TYPE=1,PORT=10.0.0.1,ID=01" << 0 << DisplayListRow{1, "10.0.0.1", "01"};
        QTest::newRow("ID 100 with a leading zero")
            << "TYPE=3,PORT=,ID=0100" << 0 << DisplayListRow{3, "", "0100"};
        QTest::newRow("lowest address")
            << "TYPE=1,PORT=0.0.0.0,ID=1" << 0 << DisplayListRow{1, "0.0.0.0", "1"};
        QTest::newRow("highest address")
            << "TYPE=1,PORT=255.255.255.255,ID=1" << 0 << DisplayListRow{1, "255.255.255.255", "1"};
        QTest::newRow("address with leading zeros, kept as written")
            << "TYPE=1,PORT=010.000.000.001,ID=1" << 0 << DisplayListRow{1, "010.000.000.001", "1"};
        QTest::newRow("address 256 with a leading zero")
            << "TYPE=1,PORT=10.0.0.0256,ID=1" << -7 << none;
        QTest::newRow("lower-case prefixes are not read")
            << "type=1,port=10.0.0.1,id=1" << -2 << none;
        QTest::newRow("COM on every platform")
            << "TYPE=2,PORT=com7,ID=1" << 0 << DisplayListRow{2, "com7", "1"};
        QTest::newRow("not a serial port") << "TYPE=2,PORT=LPT1,ID=1" << -6 << none;
        QTest::newRow("incomplete address") << "TYPE=1,PORT=192.168.0.,ID=1" << -7 << none;
        QTest::newRow("address above 255") << "TYPE=1,PORT=192.168.0.256,ID=1" << -7 << none;
        QTest::newRow("ID 0") << "TYPE=1,PORT=10.0.0.1,ID=0" << -8 << none;
        QTest::newRow("ID 101") << "TYPE=1,PORT=10.0.0.1,ID=101" << -8 << none;
        QTest::newRow("group K") << "TYPE=1,PORT=10.0.0.1,ID=Group K" << -8 << none;
        QTest::newRow("letters") << "TYPE=3,PORT=,ID=abc" << -8 << none;
        QTest::newRow("negative") << "TYPE=3,PORT=,ID=-1" << -8 << none;
    }
    void lines() {
        QFETCH(QString, line);
        QFETCH(int, code);
        QFETCH(DisplayListRow, row);
        DisplayListRow parsed;
        QCOMPARE(parse_display_list_line(line, &parsed), code);
        QCOMPARE(parsed, row);
    }

    // The interface's masked line keeps three digits of each part: a line with a part of four
    // digits must be refused, or choosing 10.0.0.0123 would talk to 10.0.0.12.
    void addressPartOfFourDigits() {
        DisplayListRow row;
        const int code = parse_display_list_line("TYPE=1,PORT=10.0.0.0123,ID=1", &row);
        QString reached;
        if (code == 0) {
            Panel p;
            p.interface->set_interface_info(display(row.type, row.port, 1));
            reached = p.address();
        }
        QVERIFY2(code == DisplayListLine::NotIPv4 || reached == QLatin1String("10.0.0.123"),
                 qPrintable(reached));
    }

    void files_data() {
        QTest::addColumn<QByteArray>("lineEnd");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR LF") << QByteArray("\r\n");
    }
    void files() {
        QFETCH(QByteArray, lineEnd);
        const QByteArray text = "TYPE=1,PORT=10.0.0.1,ID=1" + lineEnd + lineEnd +
                                "TYPE=2,PORT=LPT1,ID=2" + lineEnd + "TYPE=1,PORT=10.0.0.2,ID=0" +
                                lineEnd + "   " + lineEnd +
                                "TYPE=3,PORT=,ID=Group A"; // no line end at the end
        const DisplayListFile file = read_display_list(writeFile("list.txt", text));
        QCOMPARE(file.result, 0);
        QCOMPARE(file.rows, (QList<DisplayListRow>{{1, "10.0.0.1", "1"}, {3, "", "Group A"}}));
        QCOMPARE(file.refused.size(), 2); // empty lines are not refusals
        QCOMPARE(file.refused[0].line, 3);
        QCOMPARE(file.refused[0].code, -6);
        QCOMPARE(file.refused[1].line, 4);
        QCOMPARE(file.refused[1].code, -8);
    }

    void writeThenRead() {
        const QList<DisplayListRow> rows{{1, "192.168.0.10", "7"},
                                         {2, ownPort, "All"},
                                         {3, "", "Group C"},
                                         {1, "10.0.0.1", "7"}};
        const QString path = dir.filePath("written.txt");
        QCOMPARE(write_display_list(path, rows), 0);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly | QIODevice::Text));
        QCOMPARE(f.readLine(), QByteArray("TYPE=1,PORT=192.168.0.10,ID=7\n"));
        QCOMPARE(read_display_list(path).rows, rows);
        QCOMPARE(read_display_list(dir.filePath("missing.txt")).result, -1500);
        QCOMPARE(write_display_list(dir.filePath("no/such/folder/x.txt"), rows), -1505);
    }

    void addingCurrentDisplay() {
        Panel p;
        p.addCurrent(display(1, "127.0.0.185", 7));
        QCOMPARE(p.panel->rows(), (QList<DisplayListRow>{{1, "127.0.0.185", "7"}}));
        QCOMPARE(p.currentRow(), 0);
        QVERIFY(p.save->isEnabled() && p.remove->isEnabled());
        p.addCurrent(display(1, "127.0.0.186", 8));
        QCOMPARE(p.currentRow(), 1);
        QCOMPARE(p.chosen->size(), 0); // the interface already names the added display

        // The same display again selects its row; dummy and incomplete addresses add nothing.
        p.addCurrent(display(1, "127.0.0.185", 7));
        QCOMPARE(p.currentRow(), 0);
        p.addCurrent(display(3, "", 1));
        p.addCurrent(display(1, "192.168", 1));
        QCOMPARE(p.panel->rows().size(), 2);
        QCOMPARE(p.chosen->size(), 0);
    }

    void choosingRowsSwitchesDisplay() {
        Panel p;
        p.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p.window));
        p.addCurrent(display(1, "127.0.0.185", 7));
        p.addCurrent(display(2, ownPort, 9));
        p.clickRow(0);
        QCOMPARE(p.address(), QStringLiteral("127.0.0.185"));
        QCOMPARE(p.interface->get_interface_info().m_monitor_id, 0x47);
        QCOMPARE(p.chosen->size(), 1);
        p.clickRow(1);
        const monitor_data serial = p.interface->get_interface_info();
        QCOMPARE(serial.communicationsInterfaceType, 2);
        QCOMPARE(serial.s_communicationsInterfacePortName, ownPort);
        QCOMPARE(serial.m_monitor_id_string, QStringLiteral("9"));
        QCOMPARE(p.chosen->size(), 2);

        // Choosing the current row again applies it when the interface was changed meanwhile,
        // the only row of a list included, and does nothing when it already matches.
        p.interface->set_interface_info(display(3, "", 1));
        p.clickRow(1);
        QCOMPARE(p.interface->get_interface_info().s_communicationsInterfacePortName, ownPort);
        QCOMPARE(p.chosen->size(), 3);
        p.clickRow(1);
        QCOMPARE(p.chosen->size(), 3);
    }

    void deletingRows() {
        Panel p;
        for (int id : {1, 2, 3})
            p.addCurrent(display(1, "127.0.0.185", id));
        p.view->selectRow(1);
        QCOMPARE(p.chosen->size(), 1);
        p.remove->click();
        QCOMPARE(p.panel->rows(),
                 (QList<DisplayListRow>{{1, "127.0.0.185", "1"}, {1, "127.0.0.185", "3"}}));
        // The row that becomes current is applied, and is the one the next Delete removes.
        QCOMPARE(p.interface->get_interface_info().m_monitor_id_string, QStringLiteral("3"));
        QCOMPARE(p.chosen->size(), 2);
        p.remove->click();
        p.remove->click();
        QCOMPARE(p.panel->rows().size(), 0);
        QVERIFY(!p.remove->isEnabled() && !p.save->isEnabled());
    }

    void saveThenOpen() {
        Panel first;
        first.addCurrent(display(1, "127.0.0.185", 7));
        first.addCurrent(display(2, ownPort, 100));
        first.panel->save_file(dir.filePath("sites"));
        QCOMPARE(first.panel->folder(), dir.filePath("sites.txt")); // ".txt" added
        QVERIFY(QFileInfo::exists(dir.filePath("sites.txt")));

        // Opened elsewhere, row 0 becomes the current display at once.
        Panel second;
        second.interface->set_interface_info(display(3, "", 1));
        second.panel->open_file(dir.filePath("sites.txt"));
        QCOMPARE(second.panel->rows(), first.panel->rows());
        QCOMPARE(second.currentRow(), 0);
        QCOMPARE(second.address(), QStringLiteral("127.0.0.185"));
        QCOMPARE(second.chosen->size(), 1);
        QVERIFY(second.save->isEnabled() && second.remove->isEnabled());
        QCOMPARE(second.panel->folder(), dir.filePath("sites.txt"));
        // Opened where row 0 is the current display already: no new connection.
        second.panel->open_file(dir.filePath("sites.txt"));
        QCOMPARE(second.chosen->size(), 1);
        QVERIFY(boxTexts.isEmpty());
    }

    void openAndSaveFailures() {
        Panel p;
        p.addCurrent(display(1, "127.0.0.185", 7));
        const QString folder = p.panel->folder();
        p.panel->open_file(dir.filePath("missing.txt")); // no such file: nothing happens
        p.panel->open_file(dir.path());                  // a folder cannot be read
        p.panel->save_file(dir.filePath("no/such/folder/list"));
        QCOMPARE(boxTexts,
                 (QStringList{"Error: Unable to open file.", "Error: Unable to save file."}));
        QCOMPARE(p.panel->rows().size(), 1);
        QCOMPARE(p.panel->folder(), folder);
    }

    void refusedLinesAreNamed() {
        Panel p;
        QByteArray text = "TYPE=1,PORT=127.0.0.185,ID=1\nTYPE=1,PORT=127.0.0.185,ID=101\n\n"
                          "TYPE=5,PORT=,ID=1\n";
        for (int i = 0; i < 11; ++i)
            text += "garbage\n";
        p.panel->open_file(writeFile("refused.txt", text));
        QCOMPARE(p.panel->rows().size(), 1);
        QCOMPARE(boxTexts.size(), 1);
        const QStringList lines = boxTexts.first().split('\n');
        QCOMPARE(lines.size(), 1 + 10 + 1);
        QCOMPARE(lines[1], QStringLiteral("Line 2: ID is not 1 to 100, ALL or Group A to Group J"));
        QCOMPARE(lines[2], QStringLiteral("Line 4: TYPE is not 1, 2 or 3"));
        QCOMPARE(lines[3], QStringLiteral("Line 5: not three fields"));
        QCOMPARE(lines.last(), QStringLiteral("and 3 more"));
    }
};

QTEST_MAIN(DisplayListTest)
#include "tst_display_list.moc"

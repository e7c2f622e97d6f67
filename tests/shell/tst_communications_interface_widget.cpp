#include "com_port_entries.h"
#include "lm_communications_interface_configure_widget.h"
#include "serial_port_watcher.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using Widget = LM_communications_interface_configure_widget;

namespace {
const QString greenPath = QStringLiteral(":/images/Resources/green circle icon.png");
const QString redPath = QStringLiteral(":/images/Resources/red circle icon.png");
const QString failPath = QStringLiteral(":/images/Resources/alerts_red_icon_20.png");

SerialPortInfo port(const QString& name, int vendor = 0) {
    SerialPortInfo p;
    p.portName = name;
    p.physName = QStringLiteral("/dev/") + name;
    p.vendorID = vendor;
    return p;
}

// The status images come with the program's resources; a program built without any skips the
// checks that compare them, but one built with them must have each.
bool haveImages(const QStringList& paths) {
    if (!QDir(QStringLiteral(":/images/Resources")).exists())
        return false;
    for (const QString& p : paths)
        if (QImage(p).isNull())
            qFatal("missing image %s", qPrintable(p));
    return true;
}

QImage iconImage(const QIcon& icon) {
    return icon.pixmap(16, 16).toImage();
}

// Which of the given resource images the icon shows; empty for none.
QString iconPath(const QIcon& icon, const QStringList& paths) {
    if (icon.isNull())
        return QString();
    for (const QString& p : paths)
        if (iconImage(icon) == iconImage(QIcon(p)))
            return p;
    return QStringLiteral("?");
}

template <class T> T* child(QWidget& w, const char* name) {
    T* c = w.findChild<T*>(QLatin1String(name));
    if (!c)
        qFatal("no child %s", name);
    return c;
}

QStringList itemTexts(QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

// The widget with the port list under the test's control.
struct Fixture {
    Widget w;
    QList<SerialPortInfo> ports;
    Fixture() {
        w.port_watcher()->setSource([this] { return ports; });
        // Forget the machine's ports, chosen one included.
        w.set_interface_info({0x41, "1", 2, QString()});
        w.port_watcher()->poll();
    }
    void setPorts(const QList<SerialPortInfo>& p) {
        ports = p;
        w.port_watcher()->poll();
    }
    QComboBox* comList() { return child<QComboBox>(w, "com_port_comboBox"); }
    QString comIcon(int index) {
        return iconPath(comList()->itemIcon(index), {greenPath, redPath});
    }
};
} // namespace

Q_DECLARE_METATYPE(QValidator::State)

class TestCommunicationsInterfaceWidget : public QObject {
    Q_OBJECT
private slots:
    void validator_data();
    void validator();
    void typedAddressWithLeadingZeros();
    void typedAddressAbove255();
    void formTexts_data();
    void formTexts();
    void initialState();
    void monitorIdEntries();
    void roundTrip_data();
    void roundTrip();
    void unknownMonitorIdSelectsNothing();
    void completerReplacedOnEverySet();
    void enabledStates_data();
    void enabledStates();
    void buttonsEmit();
    void testResultIcon_data();
    void testResultIcon();
    void browsedAddress();
    void watcherReportsDifferences();
    void comPortEntries_data();
    void comPortEntries();
    void portsReadOnceTheEventLoopRuns();
    void portsAppearAndDisappear();
    void handTypedPortSurvivesRebuild();
    void grab();
};

void TestCommunicationsInterfaceWidget::validator_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QValidator::State>("state");
    QTest::newRow("address") << "192.168.0.10" << QValidator::Acceptable;
    QTest::newRow("extremes low") << "0.0.0.0" << QValidator::Acceptable;
    QTest::newRow("extremes high") << "255.255.255.255" << QValidator::Acceptable;
    QTest::newRow("leading zeros") << "192.168.000.010" << QValidator::Acceptable;
    QTest::newRow("trailing dot") << "192.168.0." << QValidator::Intermediate;
    QTest::newRow("two parts") << "192.168" << QValidator::Intermediate;
    QTest::newRow("empty") << "" << QValidator::Intermediate;
    QTest::newRow("empty inner part") << "1..2.3" << QValidator::Intermediate;
    QTest::newRow("not a number") << "192.168.x.1" << QValidator::Intermediate;
    QTest::newRow("letter before too big") << "x.300.1.1" << QValidator::Intermediate;
    // Above 255 the text stays as typed but is no address.
    QTest::newRow("too big before letter") << "300.x.1.1" << QValidator::Intermediate;
    QTest::newRow("256") << "192.168.0.256" << QValidator::Intermediate;
    QTest::newRow("negative") << "-1.0.0.0" << QValidator::Invalid;
    QTest::newRow("five parts") << "1.2.3.4.5" << QValidator::Invalid;
    QTest::newRow("four parts and a dot") << "1.2.3.4." << QValidator::Invalid;
}

void TestCommunicationsInterfaceWidget::validator() {
    QFETCH(QString, input);
    QFETCH(QValidator::State, state);
    IP4Validator v;
    int pos = 0;
    QCOMPARE(v.validate(input, pos), state);
}

// What the user fills into the masked line is stored and connected to in its decimal reading.
void TestCommunicationsInterfaceWidget::typedAddressWithLeadingZeros() {
    Widget w;
    child<QRadioButton>(w, "lan_radioButton")->setChecked(true);
    QLineEdit* line = child<QLineEdit>(w, "ip_address_lineEdit");
    line->setFocus();
    line->home(false);
    QTest::keyClicks(line, QStringLiteral("192168000010"));
    QCOMPARE(line->text(), QStringLiteral("192.168.000.010"));
    QVERIFY(line->hasAcceptableInput());
    const monitor_data d = w.get_interface_info();
    QCOMPARE(d.communicationsInterfaceType, 1);
    QCOMPARE(d.s_communicationsInterfacePortName, QStringLiteral("192.168.0.10"));

    line->clear();
    line->home(false);
    QTest::keyClicks(line, QStringLiteral("10.1"));
    QVERIFY(!line->hasAcceptableInput());
}

// A part above 255 stays as typed, is drawn in red and reaches the commands as it stands, so
// that they report it instead of talking to another address.
void TestCommunicationsInterfaceWidget::typedAddressAbove255() {
    Widget w;
    child<QRadioButton>(w, "lan_radioButton")->setChecked(true);
    QLineEdit* line = child<QLineEdit>(w, "ip_address_lineEdit");
    line->clear();
    line->home(false);
    QTest::keyClicks(line, QStringLiteral("999.1.1.1"));
    QCOMPARE(line->text(), QStringLiteral("999.1.1.1"));
    QVERIFY(!line->hasAcceptableInput());
    QCOMPARE(line->palette().color(QPalette::Text), QColor(Qt::red));
    QCOMPARE(w.get_interface_info().s_communicationsInterfacePortName, QStringLiteral("999.1.1.1"));

    line->clear();
    line->home(false);
    QTest::keyClicks(line, QStringLiteral("192.168.0.10"));
    QVERIFY(line->hasAcceptableInput());
    QCOMPARE(line->palette().color(QPalette::Text),
             QApplication::palette(line).color(QPalette::Text));
}

void TestCommunicationsInterfaceWidget::formTexts_data() {
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    const auto row = [](const char* object, const char* property, const QVariant& value) {
        QTest::addRow("%s.%s", object, property) << object << property << value;
    };
    row("groupBox", "title", "Communications Interface");
    row("rs232_radioButton", "text", "RS232");
    row("com_port_label", "text", "COM Port:");
    row("lan_radioButton", "text", "LAN");
    row("ip_address_label", "text", "IP address:");
    row("ip_address_lineEdit", "inputMask", "000.000.000.000");
    row("search_pushButton", "text", "Search...");
    row("dummy_interface_radioButton", "text", "Dummy Interface (send only)");
    row("groupBox_2", "title", "Monitor ID");
    row("auto_detect_monitor_ID_pushButton", "text", "Auto Detect");
    row("auto_detect_monitor_ID_pushButton", "toolTip",
        "<html><head/><body><p>Detects the Monitor ID of a display by querying the "
        "&quot;Monitor ID&quot; (OpCode 0x023E) using the ID=&quot;All&quot;.</p></body></html>");
    row("verify_pushButton", "text", "Test");
    row("verify_pushButton", "toolTip",
        "<html><head/><body><p>Tests communications to the display by querying an "
        "OpCode.</p></body></html>");
}

void TestCommunicationsInterfaceWidget::formTexts() {
    QFETCH(QString, object);
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    Widget w;
    QObject* o = w.findChild<QObject*>(object);
    QVERIFY(o);
    QCOMPARE(o->property(property.toLatin1()).toString(), value.toString());
}

void TestCommunicationsInterfaceWidget::initialState() {
    Widget w;
    QCOMPARE(w.size(), QSize(389, 162));
    QCOMPARE(w.findChild<QWidget*>("LM_communications_interface_configure_widgetClass"), nullptr);
    QCOMPARE(w.objectName(), QStringLiteral("LM_communications_interface_configure_widgetClass"));
    QVERIFY(child<QRadioButton>(w, "dummy_interface_radioButton")->isChecked());
    QVERIFY(
        qobject_cast<const IP4Validator*>(child<QLineEdit>(w, "ip_address_lineEdit")->validator()));
    QVERIFY(w.port_watcher()->isEnabled());
    if (haveImages({":/images/Resources/search 16.png"}))
        QVERIFY(!iconImage(child<QPushButton>(w, "search_pushButton")->icon()).isNull());
    const monitor_data d = w.get_interface_info();
    QCOMPARE(d.communicationsInterfaceType, 3);
    QCOMPARE(d.m_monitor_id, 0x41);
    QCOMPARE(d.m_monitor_id_string, QStringLiteral("1"));
    QCOMPARE(d.s_communicationsInterfacePortName, QString());
}

void TestCommunicationsInterfaceWidget::monitorIdEntries() {
    Widget w;
    QComboBox* ids = child<QComboBox>(w, "display_ID_comboBox");
    QCOMPARE(ids->count(), 111);
    for (int n = 1; n <= 100; ++n) {
        QCOMPARE(ids->itemText(n - 1), QString::number(n));
        QCOMPARE(ids->itemData(n - 1), QVariant(0x40 + n));
    }
    QCOMPARE(ids->itemText(100), QStringLiteral("All"));
    QCOMPARE(ids->itemData(100), QVariant(0x2A));
    for (int g = 0; g < 10; ++g) {
        QCOMPARE(ids->itemText(101 + g), QStringLiteral("Group ") + QChar('A' + g));
        QCOMPARE(ids->itemData(101 + g), QVariant(0x31 + g));
    }
}

void TestCommunicationsInterfaceWidget::roundTrip_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("outType");
    QTest::addColumn<QString>("outName");
    QTest::addColumn<QString>("idText");
    QTest::addColumn<QString>("addressLine");
    struct Row {
        const char* tag;
        int type;
        const char* name;
        int id;
        int outType;
        const char* outName;
        const char* idText;
        const char* addressLine; // the masked line reads "..." when blank
    };
    const Row rows[] = {
        {"LAN", 1, "192.168.0.10", 0x41, 1, "192.168.0.10", "1", "192.168.0.10"},
        {"LAN leading zeros", 1, "192.168.000.010", 0xA4, 1, "192.168.0.10", "100", "192.168.0.10"},
        {"LAN all", 1, "10.0.0.1", 0x2A, 1, "10.0.0.1", "All", "10.0.0.1"},
        {"RS-232 present port", 2, "ttyUSB0", 0x3A, 2, "ttyUSB0", "Group J", "..."},
        {"RS-232 path typed by hand", 2, "/dev/ttyACM7", 0x31, 2, "/dev/ttyACM7", "Group A", "..."},
        {"RS-232 no port", 2, "", 0x42, 2, "", "2", "..."},
        {"other type means RS-232", 0, "ttyS0", 0x41, 2, "ttyS0", "1", "..."},
        {"dummy", 3, "", 0x2A, 3, "", "All", "..."},
        {"dummy keeps address line", 3, "192.168.001.002", 0x41, 3, "", "1", "192.168.1.2"},
    };
    for (const Row& r : rows)
        QTest::newRow(r.tag) << r.type << r.name << r.id << r.outType << r.outName << r.idText
                             << r.addressLine;
}

void TestCommunicationsInterfaceWidget::roundTrip() {
    QFETCH(int, type);
    QFETCH(QString, name);
    QFETCH(int, id);
    QFETCH(int, outType);
    QFETCH(QString, outName);
    QFETCH(QString, idText);
    QFETCH(QString, addressLine);
    Fixture f;
    f.setPorts({port("ttyS0"), port("ttyUSB0")});
    // Start from another choice so that every field has to change.
    f.w.set_interface_info({0x35, "Group E", 1, "172.16.5.4"});
    f.w.set_interface_info({id, QString(), type, name});
    const monitor_data d = f.w.get_interface_info();
    QCOMPARE(d.communicationsInterfaceType, outType);
    QCOMPARE(d.s_communicationsInterfacePortName, outName);
    QCOMPARE(d.m_monitor_id, id);
    QCOMPARE(d.m_monitor_id_string, idText);
    QCOMPARE(child<QLineEdit>(f.w, "ip_address_lineEdit")->text(), addressLine);
    // Feeding the result back changes nothing.
    f.w.set_interface_info(d);
    const monitor_data again = f.w.get_interface_info();
    QCOMPARE(again.communicationsInterfaceType, d.communicationsInterfaceType);
    QCOMPARE(again.s_communicationsInterfacePortName, d.s_communicationsInterfacePortName);
    QCOMPARE(again.m_monitor_id, d.m_monitor_id);
}

void TestCommunicationsInterfaceWidget::unknownMonitorIdSelectsNothing() {
    Widget w;
    w.set_interface_info({0x40, QString(), 3, QString()});
    QCOMPARE(child<QComboBox>(w, "display_ID_comboBox")->currentIndex(), -1);
    const monitor_data d = w.get_interface_info();
    QCOMPARE(d.m_monitor_id, 0);
    QCOMPARE(d.m_monitor_id_string, QString());
}

void TestCommunicationsInterfaceWidget::completerReplacedOnEverySet() {
    Widget w;
    QLineEdit* line = child<QLineEdit>(w, "ip_address_lineEdit");
    QCOMPARE(line->completer(), nullptr);
    w.set_interface_info({0x41, "1", 1, "192.168.0.10"});
    QPointer<QCompleter> first = line->completer();
    QVERIFY(first);
    QCOMPARE(first->caseSensitivity(), Qt::CaseInsensitive);
    QCOMPARE(first->completionMode(), QCompleter::UnfilteredPopupCompletion);
    QCOMPARE(first->model()->rowCount(), 1);
    QCOMPARE(first->model()->index(0, 0).data().toString(), QStringLiteral("192.168.0.10"));
    w.set_interface_info({0x41, "1", 1, "192.168.0.11"});
    QVERIFY(!first);
    QVERIFY(line->completer());
}

void TestCommunicationsInterfaceWidget::enabledStates_data() {
    QTest::addColumn<QString>("choice");
    QTest::addColumn<bool>("com");
    QTest::addColumn<bool>("lan");
    QTest::addColumn<bool>("talk");
    QTest::newRow("RS-232") << "rs232_radioButton" << true << false << true;
    QTest::newRow("LAN") << "lan_radioButton" << false << true << true;
    QTest::newRow("dummy") << "dummy_interface_radioButton" << false << false << false;
}

void TestCommunicationsInterfaceWidget::enabledStates() {
    QFETCH(QString, choice);
    QFETCH(bool, com);
    QFETCH(bool, lan);
    QFETCH(bool, talk);
    Widget w;
    // From each other choice, so that the toggle itself has to update the state.
    for (const char* from :
         {"rs232_radioButton", "lan_radioButton", "dummy_interface_radioButton"}) {
        if (choice == QLatin1String(from))
            continue;
        child<QRadioButton>(w, from)->setChecked(true);
        w.communications_test_result(1);
        w.findChild<QRadioButton*>(choice)->setChecked(true);
        QCOMPARE(child<QComboBox>(w, "com_port_comboBox")->isEnabled(), com);
        QCOMPARE(child<QLabel>(w, "com_port_label")->isEnabled(), com);
        QCOMPARE(child<QLineEdit>(w, "ip_address_lineEdit")->isEnabled(), lan);
        QCOMPARE(child<QLabel>(w, "ip_address_label")->isEnabled(), lan);
        QCOMPARE(child<QPushButton>(w, "search_pushButton")->isEnabled(), lan);
        QCOMPARE(child<QPushButton>(w, "auto_detect_monitor_ID_pushButton")->isEnabled(), talk);
        QCOMPARE(child<QPushButton>(w, "verify_pushButton")->isEnabled(), talk);
        QVERIFY(child<QPushButton>(w, "verify_pushButton")->icon().isNull());
    }
}

void TestCommunicationsInterfaceWidget::buttonsEmit() {
    Widget w;
    int verify = 0, detect = 0, other = 0;
    connect(&w, &Widget::verify2, [&] { ++verify; });
    connect(&w, &Widget::auto_detect_monitor_ID, [&] { ++detect; });
    connect(&w, &Widget::status_message, [&] { ++other; });
    connect(&w, &Widget::record_updated, [&] { ++other; });
    w.set_interface_info({0x41, "1", 1, "192.168.0.10"});
    QPushButton* test = child<QPushButton>(w, "verify_pushButton");
    w.communications_test_result(2);
    QVERIFY(!test->icon().isNull());
    QTest::mouseClick(test, Qt::LeftButton);
    QCOMPARE(verify, 1);
    QVERIFY(test->icon().isNull());
    QTest::mouseClick(child<QPushButton>(w, "auto_detect_monitor_ID_pushButton"), Qt::LeftButton);
    QCOMPARE(detect, 1);
    QCOMPARE(verify, 1);
    QCOMPARE(other, 0);
}

void TestCommunicationsInterfaceWidget::testResultIcon_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("icon");
    QTest::newRow("passed") << 1 << greenPath;
    QTest::newRow("failed") << 2 << failPath;
    QTest::newRow("none") << 0 << "";
    QTest::newRow("other") << 3 << "";
}

void TestCommunicationsInterfaceWidget::testResultIcon() {
    QFETCH(int, value);
    QFETCH(QString, icon);
    if (!haveImages({greenPath, failPath}))
        QSKIP("no resource images in this build");
    Widget w;
    w.set_interface_info({0x41, "1", 1, "192.168.0.10"});
    w.communications_test_result(1);
    w.communications_test_result(value);
    QCOMPARE(iconPath(child<QPushButton>(w, "verify_pushButton")->icon(), {greenPath, failPath}),
             icon);
}

void TestCommunicationsInterfaceWidget::browsedAddress() {
    Widget w;
    w.set_interface_info({0x41, "1", 1, "192.168.0.10"});
    int detect = 0;
    QString seen;
    connect(&w, &Widget::auto_detect_monitor_ID, [&] {
        ++detect;
        seen = w.get_interface_info().s_communicationsInterfacePortName;
    });
    w.use_browsed_address(QStringLiteral("010.000.000.001"));
    QCOMPARE(detect, 1);
    QCOMPARE(seen, QStringLiteral("10.0.0.1"));
    QCOMPARE(child<QLineEdit>(w, "ip_address_lineEdit")->text(), QStringLiteral("10.0.0.1"));
}

void TestCommunicationsInterfaceWidget::watcherReportsDifferences() {
    QList<SerialPortInfo> ports{port("ttyS0"), port("ttyUSB0", 0x0403)};
    SerialPortWatcher watcher;
    watcher.setSource([&] { return ports; });
    watcher.poll();
    QStringList events;
    connect(&watcher, &SerialPortWatcher::deviceDiscovered,
            [&](const SerialPortInfo& p) { events << "+" + p.portName; });
    connect(&watcher, &SerialPortWatcher::deviceRemoved,
            [&](const SerialPortInfo& p) { events << "-" + p.portName; });

    watcher.poll();
    QCOMPARE(events, QStringList());
    ports = {port("ttyUSB0", 0x0403), port("ttyACM0"), port("ttyS0")};
    watcher.poll();
    QCOMPARE(events, QStringList{"+ttyACM0"});
    events.clear();
    // Another adapter on the same name is a removal and a discovery.
    ports = {port("ttyUSB0", 0x067B), port("ttyS0")};
    watcher.poll();
    QCOMPARE(events, (QStringList{"-ttyUSB0", "-ttyACM0", "+ttyUSB0"}));
    QCOMPARE(watcher.ports().size(), 2);

    // The timer polls by itself.
    events.clear();
    ports.clear();
    watcher.setEnabled(true);
    QTRY_COMPARE_WITH_TIMEOUT(events, (QStringList{"-ttyUSB0", "-ttyS0"}), 5000);
    watcher.setEnabled(false);
    QVERIFY(!watcher.isEnabled());
}

void TestCommunicationsInterfaceWidget::comPortEntries_data() {
    QTest::addColumn<QStringList>("fixed");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("keep");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<bool>>("marks");
    const QStringList com{"COM1", "COM2", "COM3"};
    QTest::newRow("fixed, none present")
        << com << QStringList() << "" << com << QList<bool>{false, false, false};
    QTest::newRow("fixed, exact name only") << com << QStringList{"COM3", "com1", "COM17"} << "COM9"
                                            << com << QList<bool>{false, false, true};
    QTest::newRow("present ports") << QStringList() << QStringList{"ttyS0", "ttyUSB0"} << ""
                                   << QStringList{"ttyS0", "ttyUSB0"} << QList<bool>{true, true};
    QTest::newRow("present ports, choice present")
        << QStringList() << QStringList{"ttyS0", "ttyUSB0"} << "ttyUSB0"
        << QStringList{"ttyS0", "ttyUSB0"} << QList<bool>{true, true};
    QTest::newRow("present ports, choice absent")
        << QStringList() << QStringList{"ttyS0"} << "/dev/ttyACM0"
        << QStringList{"ttyS0", "/dev/ttyACM0"} << QList<bool>{true, false};
    QTest::newRow("no ports") << QStringList() << QStringList() << "" << QStringList()
                              << QList<bool>();
}

void TestCommunicationsInterfaceWidget::comPortEntries() {
    QFETCH(QStringList, fixed);
    QFETCH(QStringList, present);
    QFETCH(QString, keep);
    QFETCH(QStringList, names);
    QFETCH(QList<bool>, marks);
    QList<SerialPortInfo> ports;
    for (const QString& n : present)
        ports << port(n);
    QList<ComPortEntry> expected;
    for (int i = 0; i < names.size(); ++i)
        expected.append({names[i], marks[i]});
    QCOMPARE(::comPortEntries(fixed, ports, keep), expected);
}

// The system's ports are first read once the event loop runs, not while the window that
// holds the widget is being built; then they show without waiting for the periodic poll.
void TestCommunicationsInterfaceWidget::portsReadOnceTheEventLoopRuns() {
    int reads = 0;
    Widget w;
    w.port_watcher()->setSource([&] {
        ++reads;
        return QList<SerialPortInfo>{port("ttyUSB0")};
    });
    QCOMPARE(reads, 0);
    QTRY_COMPARE(itemTexts(child<QComboBox>(w, "com_port_comboBox")), QStringList{"ttyUSB0"});
}

void TestCommunicationsInterfaceWidget::portsAppearAndDisappear() {
    const bool images = haveImages({greenPath, redPath});
    Fixture f;
    QComboBox* list = f.comList();
    QCOMPARE(list->count(), 0);
    QVERIFY(list->isEditable());

    f.setPorts({port("ttyUSB0")});
    QCOMPARE(itemTexts(list), QStringList{"ttyUSB0"});
    if (images)
        QCOMPARE(f.comIcon(0), greenPath);
    f.w.set_interface_info({0x41, "1", 2, "ttyUSB0"});

    int changes = 0;
    connect(list, qOverload<int>(&QComboBox::currentIndexChanged), [&] { ++changes; });
    f.setPorts({port("ttyS0"), port("ttyUSB0")});
    QCOMPARE(itemTexts(list), (QStringList{"ttyS0", "ttyUSB0"}));
    QCOMPARE(list->currentText(), QStringLiteral("ttyUSB0"));

    // The chosen port is unplugged: it stays chosen, marked absent.
    f.setPorts({port("ttyS0")});
    QCOMPARE(itemTexts(list), (QStringList{"ttyS0", "ttyUSB0"}));
    if (images) {
        QCOMPARE(f.comIcon(0), greenPath);
        QCOMPARE(f.comIcon(1), redPath);
    }
    QCOMPARE(f.w.get_interface_info().s_communicationsInterfacePortName, QStringLiteral("ttyUSB0"));

    // Plugged in again it turns green, still chosen.
    f.setPorts({port("ttyS0"), port("ttyUSB0")});
    if (images)
        QCOMPARE(f.comIcon(1), greenPath);
    QCOMPARE(list->currentText(), QStringLiteral("ttyUSB0"));
    QCOMPARE(changes, 0);

    // An unplugged port that is not chosen leaves the list.
    list->setCurrentIndex(0);
    f.setPorts({port("ttyS0")});
    QCOMPARE(itemTexts(list), QStringList{"ttyS0"});
    QCOMPARE(list->currentText(), QStringLiteral("ttyS0"));
}

void TestCommunicationsInterfaceWidget::handTypedPortSurvivesRebuild() {
    Fixture f;
    f.setPorts({port("ttyS0")});
    child<QRadioButton>(f.w, "rs232_radioButton")->setChecked(true);
    QComboBox* list = f.comList();
    list->lineEdit()->selectAll();
    QTest::keyClicks(list->lineEdit(), QStringLiteral("/dev/ttyAMA0"));
    f.setPorts({port("ttyS0"), port("ttyUSB1")});
    QCOMPARE(itemTexts(list), (QStringList{"ttyS0", "ttyUSB1", "/dev/ttyAMA0"}));
    QCOMPARE(f.w.get_interface_info().s_communicationsInterfacePortName,
             QStringLiteral("/dev/ttyAMA0"));
}

// Leaves a picture of the widget for review.
void TestCommunicationsInterfaceWidget::grab() {
    Fixture f;
    f.setPorts({port("ttyS0"), port("ttyUSB0")});
    f.w.set_interface_info({0x2A, "All", 1, "192.168.0.10"});
    f.w.communications_test_result(1);
    f.w.show();
    const QImage image = f.w.grab().toImage();
    QVERIFY(!image.isNull());
    const QString path = QDir::temp().filePath("communications_interface_widget.png");
    QVERIFY(image.save(path));
    qInfo("saved %s", qPrintable(path));
}

QTEST_MAIN(TestCommunicationsInterfaceWidget)
#include "tst_communications_interface_widget.moc"

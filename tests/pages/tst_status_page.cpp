#include "app_helpers.h"
#include "control_state.h"
#include "status_display.h"
#include "status_page.h"
#include "window_rig.h"

#include <QClipboard>
#include <QLineEdit>
#include <QLocale>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

namespace {
const QString kDegree(QChar(0x00B0));
constexpr int kStatusPage = 10;

QString temperature(const char* celsius, const char* fahrenheit) {
    return QString("%1%3C (%2%3F)").arg(celsius, fahrenheit, kDegree);
}

// The page's value widgets in the order of the copy text, the MAC address first.
const QStringList kValues = {"status_mac_address_label",
                             "status_model_name_label",
                             "status_serial_number_label",
                             "status_DOM_label",
                             "status_power_state_label",
                             "status_operating_hours_label",
                             "status_total_operating_hours_label",
                             "status_firmware_version_label",
                             "status_firmware2_version_label",
                             "status_firmware3_version_label",
                             "status_firmware4_version_label",
                             "status_fan1_label",
                             "status_fan2_label",
                             "status_fan3_label",
                             "status_temp_sensor1_label",
                             "status_temp_sensor2_label",
                             "status_temp_sensor3_label",
                             "status_diagnostics_label",
                             "status_h_freq_label",
                             "status_v_freq_label",
                             "status_sync_status_label",
                             "status_asset_tag_lineEdit"};

QString manufactured() {
    return QLocale::system().toString(manufactureDateFromSerial("5X1234567"), "MMMM yyyy");
}

// What the page shows of the display below, which answers everything.
QMap<QString, QString> golden() {
    const QStringList texts = {
        "00-11-22-33-44-AA",
        "ZQ-<b>5500</b>",
        "5X1234567",
        manufactured(),
        "Standby",
        "10.5",
        "1092.3",
        "R1.204",
        "B2",
        "C3",
        "D4",
        "Off",
        "On",
        "Error",
        temperature("25.5", "77.9"),
        temperature("0.0", "32.0"),
        temperature("50.0", "122.0"),
        "Cooling fan-1 abnormality. Temperature abnormality - half brightness. ",
        "67.50 kHz",
        "60.00 Hz",
        "+V Sync. +H Sync. Unstable Sync. Sync out of range. ",
        "Lobby <i>wall</i>"};
    QMap<QString, QString> map;
    for (int i = 0; i < kValues.size(); ++i)
        map[kValues[i]] = texts[i];
    return map;
}

// The window on a display that answers every read of the status page.
struct StatusRig : WindowRig {
    StatusDisplay display{model};

    explicit StatusRig(const char* address) : WindowRig(address) {}
    QString shown(const QString& object) const {
        if (auto* edit = w.findChild<QLineEdit*>(object))
            return edit->text();
        return w.findChild<QLabel*>(object)->text();
    }
    // Shows the status page, which reads it within the page switch's frame; with cancelAt,
    // Cancel is pressed once the display has seen that many requests.
    void readOut(int cancelAt = 0) {
        const auto cancel = QObject::connect(g_basic_monitor, &basic_monitor::transfer_data_out, &w,
                                             [this, cancelAt] {
                                                 if (cancelAt && fake.requests().size() >= cancelAt)
                                                     if (auto* p = w.findChild<QProgressDialog*>())
                                                         p->cancel();
                                             });
        w.ui.main_groupBox->setTitle("Status");
        w.ui.stackedWidget->setCurrentIndex(kStatusPage);
        QObject::disconnect(cancel);
    }
};
} // namespace

// Loopback addresses 127.0.13.20 to 127.0.13.39 and 127.0.20.50 to 127.0.20.59 belong to this
// test.
class StatusPageTest : public QObject {
    Q_OBJECT

    WindowTestEnvironment env;

private slots:
    void initTestCase() { QVERIFY(env.isValid()); }
    void init() { env.reset(); }

    // Everything answers: every value as the display gave it, plain text, and the copy text.
    void goldenReadOut() {
        StatusRig rig("127.0.13.20");
        rig.readOut();
        const QMap<QString, QString> expected = golden();
        for (const QString& object : kValues)
            QCOMPARE(rig.shown(object), expected[object]);
        QVERIFY(rig.w.ui.statusBar->currentMessage().isEmpty());
        QCOMPARE(rig.fake.connectionCount(), 1);
        // Markup from the display stays text.
        QCOMPARE(rig.w.ui.status_model_name_label->textFormat(), Qt::PlainText);
        QVERIFY(!rig.w.ui.status_asset_tag_lineEdit->isReadOnly());
        QVERIFY(rig.w.ui.status_asset_update_pushButton->isEnabled());
        QVERIFY(!rig.w.findChild<QProgressDialog*>());
        QVERIFY(!QApplication::overrideCursor());
        rig.saveShot("status_golden");

        rig.page<StatusPage>().on_copy_status_pushButton_clicked();
        const QStringList lines = {
            "IP Address: 127.0.13.20",
            "MAC Address: 00-11-22-33-44-AA",
            "Monitor ID: 1",
            "Model Name: ZQ-<b>5500</b>",
            "Serial Number: 5X1234567",
            "Date of Manufacture: " + manufactured(),
            "Power State: Standby",
            "Operating Hours On: 10.5",
            "Total Operating Hours: 1092.3",
            "Firmware version: R1.204",
            "Firmware 2 version: B2",
            "Firmware 3 version: C3",
            "Firmware 4 version: D4",
            "Fan 1: Off",
            "Fan 2: On",
            "Fan 3: Error",
            "Temperature Sensor 1: " + temperature("25.5", "77.9"),
            "Sensor 2: " + temperature("0.0", "32.0"),
            "Sensor 3: " + temperature("50.0", "122.0"),
            "Diagnostics: Cooling fan-1 abnormality. Temperature abnormality - half brightness. ",
            "Horizontal Video Frequency: 67.50 kHz",
            "Vertical Video Frequency: 60.00 Hz",
            "Video Sync Status: +V Sync. +H Sync. Unstable Sync. Sync out of range. ",
            "Asset Data Tag: Lobby <i>wall</i>"};
        QCOMPARE(QGuiApplication::clipboard()->text(), lines.join("\r\n") + "\r\n");
        QCOMPARE(rig.w.ui.statusBar->currentMessage(), QString("Status copied to clipboard"));
    }

    // What a display leaves out or answers otherwise, against the golden read-out: a value the
    // display lacks stays empty with the reason in its tool tip and no error.
    void variants_data() {
        QTest::addColumn<QStringList>("changed"); // "object=text"; "*=" empties every value
        QTest::addColumn<bool>("error");
        QTest::addColumn<QStringList>("unsupported"); // values whose tool tip gives the reason
        QTest::newRow("no minute counters")
            << QStringList{"status_operating_hours_label=11.5",
                           "status_total_operating_hours_label=20.5"}
            << false << QStringList();
        QTest::newRow("hour reads broken") << QStringList{"*="} << true << QStringList();
        QTest::newRow("no hour counters") << QStringList{"status_operating_hours_label=",
                                                         "status_total_operating_hours_label=20.5"}
                                          << false << QStringList{"status_operating_hours_label"};
        QTest::newRow("display unreachable") << QStringList{"*="} << true << QStringList();
        QTest::newRow("no sensors")
            << QStringList{"status_temp_sensor1_label=", "status_temp_sensor2_label=",
                           "status_temp_sensor3_label="}
            << false
            << QStringList{"status_temp_sensor1_label", "status_temp_sensor2_label",
                           "status_temp_sensor3_label"};
        QTest::newRow("two sensors") << QStringList{"status_temp_sensor3_label="} << false
                                     << QStringList{"status_temp_sensor3_label"};
        QTest::newRow("five sensors") << QStringList() << false << QStringList();
        QTest::newRow("fan state 3") << QStringList{"status_fan3_label="} << false << QStringList();
        QTest::newRow("diagnostic 05")
            << QStringList{"status_diagnostics_label=Unknown error code 05. "} << false
            << QStringList();
        QTest::newRow("diagnostic ff")
            << QStringList{"status_diagnostics_label=Unknown error code ff. "} << false
            << QStringList();
        QTest::newRow("timing 00")
            << QStringList{"status_sync_status_label=-V Sync. -H Sync. "} << false << QStringList();
        QTest::newRow("dummy interface") << QStringList{"*="} << false << QStringList();
    }
    void variants() {
        QFETCH(QStringList, changed);
        QFETCH(bool, error);
        const QString variant = QTest::currentDataTag();
        StatusRig rig("127.0.13.21");
        DisplayModel& model = rig.model;
        const QMap<QString, std::function<void()>> change = {
            {"no minute counters", [&] { model.removeParameter(0x11FE); }},
            {"hour reads broken",
             [&] {
                 model.failReads(0x11FE);
                 model.failReads(0x00FF);
             }},
            {"no hour counters",
             [&] {
                 model.removeParameter(0x11FE);
                 model.removeParameter(0x00FF);
             }},
            {"display unreachable",
             [&] {
                 // Read once; then the display is gone, and its values with it.
                 rig.readOut();
                 rig.w.ui.communications_interface_widget->set_interface_info(
                     lanInterface("127.0.20.50"));
                 rig.w.ui.reload_settings_pushButton->click();
             }},
            {"no sensors", [&] { model.setParameter(0x0278, 0, 0); }},
            {"two sensors", [&] { model.setParameter(0x0278, 0, 2); }},
            {"five sensors", [&] { model.setParameter(0x0278, 0, 5); }},
            {"fan state 3",
             [&] {
                 model.setSelectedParameter(0x027B, 0x027A, {0, 1, 3});
             }},
            {"diagnostic 05", [&] { model.diagnostics = {0x05}; }},
            {"diagnostic ff", [&] { model.diagnostics = {0xFF}; }},
            {"timing 00", [&] { model.timingStatus = 0x00; }},
            {"dummy interface", [&] {
                 rig.w.ui.communications_interface_widget->set_interface_info(dummyInterface());
             }}};
        change[variant]();
        rig.readOut();
        QMap<QString, QString> expected = golden();
        for (const QString& change : changed) {
            const QString object = change.section('=', 0, 0), text = change.section('=', 1);
            for (const QString& o : kValues)
                if (o == object || object == "*")
                    expected[o] = text;
        }
        for (const QString& object : kValues)
            QCOMPARE(rig.shown(object), expected[object]);
        QCOMPARE(!rig.w.ui.statusBar->currentMessage().isEmpty(), error);
        QFETCH(QStringList, unsupported);
        for (const QString& object : kValues)
            QCOMPARE(rig.w.findChild<QWidget*>(object)->toolTip() ==
                         ControlState::unsupported_tip(),
                     unsupported.contains(object));
        const bool dummy = variant == "dummy interface";
        // The asset tag can be written after a successful read, or on the dummy interface.
        QCOMPARE(rig.w.ui.status_asset_update_pushButton->isEnabled(), !error);
        QCOMPARE(rig.w.ui.status_asset_tag_lineEdit->isReadOnly(), error);
        if (dummy) {
            QVERIFY(rig.fake.requests().isEmpty());
            rig.page<StatusPage>().on_copy_status_pushButton_clicked();
            const QStringList lines = QGuiApplication::clipboard()->text().split("\r\n");
            QVERIFY(lines[0].startsWith("COM Port: "));
            QCOMPARE(lines[1], QString("Monitor ID: 1"));
            QCOMPARE(lines[2], QString("Model Name: "));
        }
        if (variant == "hour reads broken")
            QCOMPARE(rig.fake.requests().size(), 2); // both hour reads, nothing after
        if (variant == "two sensors")
            rig.saveShot("status_two_sensors");
        if (variant == "five sensors") // three sensors read, then the first one's selection
            QCOMPARE(rig.seen().filter("set 0278"),
                     QStringList({"set 0278=1", "set 0278=2", "set 0278=3", "set 0278=0"}));
        if (variant == "no minute counters") {
            // The total comes from the half-hour counter alone, without trying the minutes.
            int totalMinuteReads = 0;
            for (const QByteArray& r : rig.fake.requests())
                totalMinuteReads += FakeDisplay::bodyOf(r).startsWith("11FA");
            QCOMPARE(totalMinuteReads, 0);
        }
    }

    // Diagnostic texts: two fit as they are; more than the page has room for scroll, every
    // text there to scroll to, and the rows below stay on the page.
    void diagnosticsFitOrScroll_data() {
        QTest::addColumn<int>("codes");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("two") << 2 << false;
        QTest::newRow("thirty") << 30 << true;
    }
    void diagnosticsFitOrScroll() {
        QFETCH(int, codes);
        StatusRig rig("127.0.13.23");
        rig.model.diagnostics.clear();
        for (int i = 0; i < codes; ++i)
            rig.model.diagnostics << 0x80;
        rig.w.resize(941, 990);
        rig.w.show();
        rig.readOut();
        QApplication::processEvents();
        QLabel* label = rig.w.ui.status_diagnostics_label;
        QCOMPARE(label->text(), QString("Cooling fan-1 abnormality. ").repeated(codes));
        QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                 qPrintable(QString("%1 < %2")
                                .arg(label->height())
                                .arg(label->heightForWidth(label->width()))));
        QTEST(rig.w.ui.status->findChild<QScrollArea*>()->verticalScrollBar()->isVisible(),
              "scrolls");
        const QPushButton* copy = rig.w.ui.copy_status_pushButton;
        QVERIFY(copy->mapTo(rig.w.ui.status, QPoint(0, copy->height())).y() <=
                rig.w.ui.status->height());
        rig.saveShot(QString("status_diagnostics_") + QTest::currentDataTag());
    }

    // Reading the page leaves the display's sensor and fan selections as they were, whether
    // the read-out ran through, a read in between failed or the user cancelled it.
    void selectionsAreSetBack_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("cancelAt"); // the request during which Cancel is pressed; 0: none
        QTest::newRow("all answered") << "" << 0;
        QTest::newRow("temperatures fail") << "temperatures" << 0;
        QTest::newRow("fan 2 has no state") << "fan 2" << 0;
        QTest::newRow("cancel during sensor 1") << "" << 11;
    }
    void selectionsAreSetBack() {
        QFETCH(QString, fault);
        QFETCH(int, cancelAt);
        StatusRig rig("127.0.13.24");
        DisplayModel& model = rig.model;
        model.setParameter(0x0278, 2, 3);
        model.setParameter(0x027A, 3, 3);
        if (fault == "temperatures")
            model.failReads(0x0279);
        else if (fault == "fan 2")
            model.setSelectedParameter(0x027B, 0x027A, {0});
        rig.readOut(cancelAt);
        QCOMPARE(int(model.parameter(0x0278).current), 2);
        QCOMPARE(int(model.parameter(0x027A).current), 3);
        // What was read is shown as the display gave it.
        QCOMPARE(rig.shown("status_temp_sensor1_label"),
                 fault == "temperatures" ? QString() : golden()["status_temp_sensor1_label"]);
        if (!cancelAt)
            QCOMPARE(rig.shown("status_fan2_label"),
                     fault == "fan 2" ? QString() : golden()["status_fan2_label"]);
    }

    // Cancel during a read: that read ends, and the display sees nothing more than the sensor
    // it had selected selected again.
    void cancelStopsBetweenReads_data() {
        QTest::addColumn<int>("cancelAt"); // the request during which Cancel is pressed
        QTest::addColumn<int>("requests");
        QTest::addColumn<QString>("lastShown");
        QTest::addColumn<QString>("firstEmpty");
        QTest::newRow("during the hours") << 1 << 2 << "status_operating_hours_label"
                                          << "status_total_operating_hours_label";
        // The sensor's read, then the selection set back.
        QTest::newRow("during sensor 1") << 11 << 13 << "status_temp_sensor1_label"
                                         << "status_temp_sensor2_label";
        QTest::newRow("during the timing") << 26 << 26 << "status_sync_status_label"
                                           << "status_asset_tag_lineEdit";
    }
    void cancelStopsBetweenReads() {
        QFETCH(int, cancelAt);
        StatusRig rig("127.0.13.22");
        rig.readOut(cancelAt);
        QTEST(int(rig.fake.requests().size()), "requests");
        QFETCH(QString, lastShown);
        QFETCH(QString, firstEmpty);
        QCOMPARE(rig.shown(lastShown), golden()[lastShown]);
        QVERIFY(rig.shown(firstEmpty).isEmpty());
        QVERIFY(rig.shown("status_firmware_version_label").isEmpty());
        QVERIFY(!rig.w.findChild<QProgressDialog*>());
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(StatusPageTest)
#include "tst_status_page.moc"

#include "control_state.h"
#include "controldefinitions.h"
#include "lm_information_dialog.h"
#include "monitor_address.h"
#include "window_rig.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

// Loopback addresses 127.0.0.130 to 127.0.0.149, 127.0.20.70 to 127.0.20.79, 127.0.23.1 to
// 127.0.23.9, 127.0.26.1, 127.0.26.2 and 127.0.31.1 belong to this test; nothing listens on
// 127.0.23.3.
class MainWindowTest : public QObject {
    Q_OBJECT

    WindowTestEnvironment env;

private slots:
    void initTestCase() { QVERIFY(env.isValid()); }
    void init() { env.reset(); }

    void settingsDefaultsAndRoundTrip() {
        {
            ZETQVToolMainWindow w;
            QVERIFY(!w.ui.increased_lan_timeout_checkBox->isChecked());
            QVERIFY(!w.ui.communications_retry_checkBox->isChecked());
            QVERIFY(w.ui.categories_checkBox->isChecked());
            const monitor_data d = w.ui.communications_interface_widget->get_interface_info();
            QCOMPARE(d.communicationsInterfaceType, 1);
            QCOMPARE(d.m_monitor_id, 65);
            QCOMPARE(d.m_monitor_id_string, QStringLiteral("1"));
            QCOMPARE(d.s_communicationsInterfacePortName, QStringLiteral("192.168.0.10"));
            w.ui.communications_retry_checkBox->setChecked(true);
            w.ui.communications_interface_widget->set_interface_info(
                lanInterface("127.0.0.130", 7));
        }
        QSettings s;
        QCOMPARE(s.value("communications_retry").toBool(), true);
        QCOMPARE(s.value("m_monitor_id").toInt(), 0x47);
        QCOMPARE(s.value("m_monitor_id_string").toString(), QStringLiteral("7"));
        QCOMPARE(s.value("scan_ip_address_from").toString(), QStringLiteral("192.168.0.10"));
        QCOMPARE(s.value("scan_ip_address_to").toString(), QStringLiteral("192.168.0.20"));
        ZETQVToolMainWindow again;
        QVERIFY(again.ui.communications_retry_checkBox->isChecked());
        QCOMPARE(again.ui.communications_interface_widget->get_interface_info()
                     .s_communicationsInterfacePortName,
                 QStringLiteral("127.0.0.130"));
    }

    void emptyOrMaskOnlyAddressIsRepaired_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("mask only") << "...";
        QTest::newRow("empty") << "";
    }
    void emptyOrMaskOnlyAddressIsRepaired() {
        QFETCH(QString, stored);
        QSettings().setValue("s_communicationsInterfacePortName", stored);
        ZETQVToolMainWindow w;
        QCOMPARE(w.ui.communications_interface_widget->get_interface_info()
                     .s_communicationsInterfacePortName,
                 QStringLiteral("192.168.0.10"));
    }

    void communicationsTestOpensSendsReportsCloses() {
        WindowRig rig("127.0.0.131");
        auto& [fake, model, w] = rig;
        model.setParameter(0x0010, 50, 100);
        QSignalSpy results(&w, &ZETQVToolMainWindow::communications_test_result);
        w.communications_interface_verify();
        QCOMPARE(results.size(), 2);
        QCOMPARE(results[0][0].toInt(), 0);
        QCOMPARE(results[1][0].toInt(), 1);
        QCOMPARE(w.ui.statusBar->currentMessage(),
                 QStringLiteral("Communications with display successful"));
        QCOMPARE(fake.connectionCount(), 1);
        QCOMPARE(fake.requests().size(), 1);
        QCOMPARE(FakeDisplay::bodyOf(fake.requests().first()), QByteArray("0010"));
        QVERIFY(!g_basic_monitor->is_connected() || g_basic_monitor->interface_type() != 1);
        // A second action opens its own connection.
        w.communications_interface_verify();
        QTRY_COMPARE(fake.connectionCount(), 2);
    }

    // A failed open: its sentence and code in red on the status bar, in a box and in the log;
    // an address left empty is asked for.
    void failedOpenIsReportedInRed_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<int>("code");
        QTest::newRow("refused") << "127.0.0.132"
                                 << "Error: Connection refused by remote IP address" << -3005;
        QTest::newRow("empty") << ""
                               << "Enter the display's IP address." << -3006;
        QTest::newRow("empty mask") << " . . . "
                                    << "Enter the display's IP address." << -3006;
        QTest::newRow("partly typed") << "10.0. . "
                                      << "Enter the display's IP address." << -3006;
        // No address, so no host name to look for either.
        QTest::newRow("part above 255") << "10.0.0.256"
                                        << "Enter the display's IP address." << -3006;
    }
    void failedOpenIsReportedInRed() {
        QFETCH(QString, address);
        QFETCH(QString, sentence);
        QFETCH(int, code);
        ZETQVToolMainWindow w;
        LM_Information_Dialog log(&w);
        g_information_dialog = &log;
        w.ui.communications_interface_widget->set_interface_info(lanInterface(address));
        QSignalSpy results(&w, &ZETQVToolMainWindow::communications_test_result);
        w.communications_interface_verify();
        g_information_dialog = nullptr;
        QCOMPARE(results.last()[0].toInt(), 2);
        QCOMPARE(w.ui.statusBar->currentMessage(),
                 QStringLiteral("%1 (%2)").arg(sentence).arg(code));
        QVERIFY(w.ui.statusBar->styleSheet().contains("color:red;font-weight:bold;"));
        QCOMPARE(env.boxTexts, QStringList{sentence});
        QVERIFY(log.ui.data_textEdit->toPlainText().contains(sentence));
        // Cleared on success, but the red style stays until a communications test succeeds.
        w.show_error_status(0);
        QCOMPARE(w.ui.statusBar->currentMessage(), QString());
        QVERIFY(!w.ui.statusBar->styleSheet().isEmpty());
    }

    void sliderQueueWritesOnceAfterTheLastChange() {
        WindowRig rig("127.0.0.133");
        auto& [fake, model, w] = rig;
        model.setParameter(0x0010, 10, 100);
        model.setParameter(0x0012, 10, 100);
        QSignalSpy dirty(&w, &ZETQVToolMainWindow::settings_dirty);
        QSlider brightness, contrast;
        brightness.setRange(0, 100);
        contrast.setRange(0, 100);
        QElapsedTimer t;
        t.start();
        for (int v : {20, 30, 40}) {
            brightness.setValue(v);
            w.queue_slider_change(&brightness, 0x0010);
            QTest::qWait(100);
        }
        contrast.setValue(70);
        w.queue_slider_change(&contrast, 0x0012);
        const qint64 lastChange = t.elapsed();
        brightness.setValue(45);
        QTest::qWait(1200);
        QCOMPARE(rig.setRequests("0010") + rig.setRequests("0012"), 0);
        QTRY_COMPARE_WITH_TIMEOUT(rig.setRequests("0012"), 1, 2000);
        QVERIFY(t.elapsed() - lastChange >= 1500);
        QCOMPARE(rig.setRequests("0010"), 1);
        QCOMPARE(model.parameter(0x0010).current, 45); // the latest position
        QCOMPARE(model.parameter(0x0012).current, 70);
        QCOMPARE(fake.connectionCount(), 2); // one connection each, brightness first
        QCOMPARE(FakeDisplay::bodyOf(fake.requests().first()).left(4), QByteArray("0010"));
        QVERIFY(dirty.size() >= 1 && dirty.first()[0].toBool());
    }

    void displayThatClipsMovesTheSlider() {
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.134"));
        DisplayModel model;
        model.setParameter(0x0010, 10, 60); // the display keeps at most 60
        fake.setHandler([&model](const QByteArray& request) {
            FakeReply r = model.answer(request);
            if (model.parameter(0x0010).current > 60)
                model.setParameter(0x0010, 60, 60);
            return r;
        });
        ZETQVToolMainWindow w;
        w.ui.communications_interface_widget->set_interface_info(lanInterface(fake.address()));
        QSlider slider;
        slider.setRange(0, 100);
        slider.setValue(90);
        w.queue_slider_change(&slider, 0x0010);
        QTRY_COMPARE_WITH_TIMEOUT(slider.value(), 60, 3000);
    }

    void queuedWriteWaitsForTheRunningCommand() {
        WindowRig rig("127.0.0.135");
        auto& [fake, model, w] = rig;
        model.setParameter(0x0010, 10, 100);
        QSpinBox spin;
        spin.setRange(0, 100);
        spin.setValue(33);
        w.queue_spinbox_change(&spin, 0x0010);
        QVERIFY(w.open_for_command()); // a command in progress
        QTest::qWait(1700);            // the queue's time comes inside it
        QCOMPARE(rig.setRequests("0010"), 0);
        QCOMPARE(fake.connectionCount(), 1);
        w.close_after_command();
        QTRY_COMPARE(rig.setRequests("0010"), 1);
        QCOMPARE(model.parameter(0x0010).current, 33);
    }

    // Either queue, changes of one key only: each restarts the wait, one write sends the last
    // value; a widget deleted while its write waited is not written.
    void queuesThroughTheWindow_data() {
        QTest::addColumn<bool>("spinbox");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("slider, one key") << false << false;
        QTest::newRow("spin box, one key") << true << false;
        QTest::newRow("slider, widget deleted") << false << true;
        QTest::newRow("spin box, widget deleted") << true << true;
    }
    void queuesThroughTheWindow() {
        QFETCH(bool, spinbox);
        QFETCH(bool, deleted);
        WindowRig rig(spinbox ? "127.0.26.1" : "127.0.26.2");
        auto& [fake, model, w] = rig;
        model.setParameter(0x0010, 10, 100);
        auto slider = std::make_unique<QSlider>();
        auto spin = std::make_unique<QSpinBox>();
        slider->setRange(0, 100);
        spin->setRange(0, 100);
        QElapsedTimer sinceLastChange;
        for (int v : {20, 30, 40}) {
            if (spinbox) {
                spin->setValue(v);
                w.queue_spinbox_change(spin.get(), 0x0010);
            } else {
                slider->setValue(v);
                w.queue_slider_change(slider.get(), 0x0010);
            }
            sinceLastChange.start();
            QTest::qWait(400);
        }
        if (deleted) {
            slider.reset();
            spin.reset();
            QTest::qWait(WriteBehindQueue::WaitMs + 300);
            QVERIFY(fake.requests().isEmpty());
            return;
        }
        // 300 ms past the first change's wait, 500 ms before the last change's: room for a slow
        // machine either way.
        QTest::qWait(WriteBehindQueue::WaitMs - 900);
        QCOMPARE(rig.setRequests("0010"), 0);
        QTRY_COMPARE_WITH_TIMEOUT(rig.setRequests("0010"), 1, 2000);
        QVERIFY(sinceLastChange.elapsed() >= WriteBehindQueue::WaitMs * 9 / 10);
        QCOMPARE(model.parameter(0x0010).current, 40);
        QTest::qWait(300);
        QCOMPARE(rig.setRequests("0010"), 1);
    }

    // A queued write that fails puts its widget back to the value the display confirmed; one
    // the display does not support also disables it, quietly.
    void failedQueuedWriteGoesBack_data() {
        QTest::addColumn<bool>("spin");
        QTest::addColumn<bool>("supported");
        QTest::newRow("slider, broken reply") << false << true;
        QTest::newRow("spin box, not supported") << true << false;
    }
    void failedQueuedWriteGoesBack() {
        QFETCH(bool, spin);
        QFETCH(bool, supported);
        WindowRig rig("127.0.20.70");
        auto& [fake, model, w] = rig;
        if (supported) {
            model.setParameter(0x0010, 10, 100);
            model.failNext(1);
        }
        QSlider slider;
        QSpinBox box;
        QWidget* widget = spin ? static_cast<QWidget*>(&box) : &slider;
        slider.setRange(0, 100);
        box.setRange(0, 100);
        slider.setValue(10);
        box.setValue(10);
        ControlState::confirm({widget}); // as a read of the display would
        slider.setValue(60);
        box.setValue(60);
        if (spin)
            w.queue_spinbox_change(&box, 0x0010);
        else
            w.queue_slider_change(&slider, 0x0010);
        QTRY_COMPARE_WITH_TIMEOUT(spin ? box.value() : slider.value(), 10, 3000);
        QCOMPARE(widget->isEnabled(), supported);
        QCOMPARE(widget->toolTip() == ControlState::unsupported_tip(), !supported);
        QCOMPARE(w.ui.statusBar->currentMessage().isEmpty(), !supported);
        QCOMPARE(rig.setRequests("0010"), 1);
    }

    void autoDetect_data() {
        QTest::addColumn<int>("reported");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<int>("selected");
        QTest::newRow("display 12") << 12 << false << 0x40 + 12;
        QTest::newRow("refused: keeps the chosen ID") << 12 << true << 0x40 + 3;
        QTest::newRow("ID 0: keeps") << 0 << false << 0x40 + 3;
        QTest::newRow("ID 101: keeps") << 101 << false << 0x40 + 3;
    }
    void autoDetect() {
        QFETCH(int, reported);
        QFETCH(bool, refused);
        QFETCH(int, selected);
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.136"));
        DisplayModel model;
        if (!refused)
            model.setParameter(0x023E, static_cast<unsigned short>(reported), 100);
        fake.setHandler(model.handler());
        ZETQVToolMainWindow w;
        w.ui.communications_interface_widget->set_interface_info(lanInterface(fake.address(), 3));
        w.auto_detect_monitor_ID();
        QCOMPARE(FakeDisplay::destinationOf(fake.requests().first()), '*');
        QCOMPARE(w.ui.communications_interface_widget->get_interface_info().m_monitor_id, selected);
        QCOMPARE(w.ui.statusBar->currentMessage().isEmpty(), selected != 0x40 + 3);
    }

    // An ID that names no display: no action opens the link or sends a byte, and the status
    // bar says why, in red. Auto-detect asks all displays and so still goes out.
    void monitorIdThatNamesNoDisplayIsRefused_data() {
        QTest::addColumn<int>("action");
        QTest::newRow("communications test") << 0;
        QTest::newRow("save settings") << 1;
        QTest::newRow("written op code") << 2;
    }
    void monitorIdThatNamesNoDisplayIsRefused() {
        QFETCH(int, action);
        WindowRig rig("127.0.0.142");
        auto& [fake, model, w] = rig;
        model.setParameter(0x023E, 9, 100);
        w.ui.communications_interface_widget->set_interface_info(lanInterface(fake.address(), 101));
        QSignalSpy results(&w, &ZETQVToolMainWindow::communications_test_result);
        uint value = 5;
        switch (action) {
        case 0:
            w.communications_interface_verify();
            QCOMPARE(results.last()[0].toInt(), 2);
            break;
        case 1:
            w.ui.save_settings_pushButton->click();
            break;
        default:
            w.update_vcp(0x0010, value);
            QCOMPARE(value, 5u);
        }
        QCOMPARE(fake.connectionCount(), 0);
        QVERIFY(w.ui.statusBar->currentMessage().contains("monitor ID names no display"));
        QVERIFY(w.ui.statusBar->styleSheet().contains("color:red;font-weight:bold;"));
        QCOMPARE(env.boxTexts, QStringList());
        w.auto_detect_monitor_ID();
        QCOMPARE(rig.seen(), QStringList{"get 023E"});
        QCOMPARE(FakeDisplay::destinationOf(fake.requests().first()), '*');
        QCOMPARE(w.ui.communications_interface_widget->get_interface_info().m_monitor_id_string,
                 QStringLiteral("9"));
    }

    // A stored ID that names no display is replaced by 1, which the box shows and the next
    // command uses, and the status bar says so; a stored group stays as it is.
    void storedMonitorIdThatNamesNoDisplay_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        const QString replaced = QStringLiteral("The stored monitor ID %1names no display; it "
                                                "was replaced by 1.");
        QTest::newRow("101") << 0xA5 << "101"
                             << "1" << replaced.arg("101 ");
        QTest::newRow("0") << 0x40 << "0"
                           << "1" << replaced.arg("0 ");
        QTest::newRow("Group K") << 0x3B << "Group K"
                                 << "1" << replaced.arg("Group K ");
        QTest::newRow("byte of none, text of 5") << 0 << "5"
                                                 << "1" << replaced.arg("");
        QTest::newRow("Group J stays") << 0x3A << "Group J"
                                       << "Group J"
                                       << "";
    }
    void storedMonitorIdThatNamesNoDisplay() {
        QFETCH(int, byte);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.143"));
        DisplayModel model;
        model.setParameter(0x0010, 50, 100);
        fake.setHandler(model.handler());
        {
            QSettings s;
            s.setValue("m_monitor_id", byte);
            s.setValue("m_monitor_id_string", text);
            s.setValue("s_communicationsInterfacePortName", fake.address());
        }
        ZETQVToolMainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.ui.communications_interface_widget->get_interface_info().m_monitor_id_string,
                 shown);
        QCOMPARE(w.ui.statusBar->currentMessage(), message);
        w.communications_interface_verify();
        QCOMPARE(fake.requests().size(), 1);
        QCOMPARE(FakeDisplay::destinationOf(fake.requests().first()),
                 char(monitor_id_to_address(shown)));
    }

    void navigationTreeShowsEveryPage() {
        ZETQVToolMainWindow w;
        QCOMPARE(w.ui.stackedWidget->currentIndex(), 1);
        QCOMPARE(w.ui.main_groupBox->title(), QStringLiteral("By OpCode"));
        for (const auto& row : ZETQVToolMainWindow::pagePaths()) {
            if (!row.path)
                continue;
            QTreeWidgetItem* item = w.ui.treeWidget->invisibleRootItem();
            for (const QString& part : QString(row.path).split('/')) {
                QTreeWidgetItem* next = nullptr;
                for (int i = 0; i < item->childCount() && !next; ++i)
                    if (item->child(i)->text(0) == part)
                        next = item->child(i);
                QVERIFY2(next, row.path);
                item = next;
            }
            QCOMPARE(item->data(0, Qt::UserRole).toInt(), row.page);
        }
        QCOMPARE(w.ui.treeWidget->topLevelItemCount(), 6);
    }

    void choosingItemsSwitchesPages_data() {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("title");
        QTest::newRow("group item") << QStringList{"Controls"} << 0 << "Controls";
        QTest::newRow("ampersand")
            << QStringList{"Controls", "Video & Color"} << 4 << "Video && Color";
        QTest::newRow("group that is a page")
            << QStringList{"Commands", "Schedule (Advanced)"} << 15 << "Schedule (Advanced)";
        QTest::newRow("its child")
            << QStringList{"Commands", "Schedule (Advanced)", "Weekend"} << 17 << "Weekend";
        QTest::newRow("IP scan") << QStringList{"Advanced", "IP Scan"} << 32 << "IP Scan";
    }
    void choosingItemsSwitchesPages() {
        QFETCH(QStringList, path);
        QFETCH(int, page);
        QFETCH(QString, title);
        ZETQVToolMainWindow w; // the default interface is an unreachable LAN address
        w.ui.communications_interface_widget->set_interface_info(monitor_data{0x41, "1", 3, ""});
        w.timeout1();
        QTreeWidgetItem* item = w.ui.treeWidget->invisibleRootItem();
        for (const QString& part : path)
            for (int i = 0; i < item->childCount(); ++i)
                if (item->child(i)->text(0) == part) {
                    item = item->child(i);
                    break;
                }
        w.ui.treeWidget->setCurrentItem(item);
        QCOMPARE(w.ui.stackedWidget->currentIndex(), page);
        QCOMPARE(w.ui.main_groupBox->title(), title);
        QCOMPARE(w.ui.reload_settings_pushButton->isEnabled(), page != 0 && page != 32);
    }

    // Every item of the tree against a display: a page that reads it opens one connection and
    // sends on it, a read of the page's own (a button's frame) included; a page that shows
    // nothing of the display, and a group item, opens none.
    void pageSwitchOpensAConnectionOnlyToSend() {
        WindowRig rig("127.0.23.1");
        auto& w = rig.w;
        QString events; // "O" a connection opened, "F" a frame sent on it
        connect(g_basic_monitor, &basic_monitor::comment_text_out, &w, [&events](QString text) {
            if (text.startsWith(QLatin1String("Connecting to TCP/IP")))
                events += 'O';
        });
        connect(g_basic_monitor, &basic_monitor::transfer_data_out, &w,
                [&events](QList<unsigned char>, int type) {
                    if (type == QVCommProtocol::TrafficSent)
                        events += 'F';
                });
        w.timeout1();
        int reading = 0;
        for (QTreeWidgetItemIterator it(w.ui.treeWidget); *it; ++it) {
            events.clear();
            w.ui.treeWidget->setCurrentItem(*it);
            const QString name = (*it)->text(0);
            QVERIFY2(events.isEmpty() || QRegularExpression("^OF+$").match(events).hasMatch(),
                     qPrintable(name + ": " + events));
            QCOMPARE(w.ui.reload_settings_pushButton->isEnabled(), !events.isEmpty());
            reading += !events.isEmpty();
        }
        QCOMPARE(reading, 25); // pages 1 to 22, 24, 35 and 36
    }

    // A refresh whose link does not open, by a page switch or by Reload Settings, leaves no
    // answer from before beside the controls it could not read: every line of a page that shows
    // an answer or a value of the display is empty.
    void unreachableRefreshLeavesNoEarlierAnswer() {
        constexpr int kWeekendPage = 17;
        WindowRig rig("127.0.23.2");
        auto& w = rig.w;
        w.ui.communications_interface_widget->set_interface_info(lanInterface("127.0.23.3"));
        w.timeout1();
        int pages = 0;
        for (const ZETQVToolMainWindow::PagePath& path : ZETQVToolMainWindow::pagePaths()) {
            if (!path.reads)
                continue;
            QList<QLineEdit*> lines;
            for (QLineEdit* line :
                 w.ui.stackedWidget->widget(path.page)->findChildren<QLineEdit*>())
                if (line->isReadOnly() && !qobject_cast<QAbstractSpinBox*>(line->parentWidget()))
                    lines << line;
            for (const bool reload : {false, true}) {
                for (QLineEdit* line : lines)
                    line->setText(QStringLiteral("0 (OK)"));
                if (reload)
                    w.on_reload_settings_pushButton_clicked();
                else
                    rig.showPage(path.page);
                QCOMPARE(w.ui.stackedWidget->currentIndex(), path.page);
                for (QLineEdit* line : lines)
                    QVERIFY2(line->text().isEmpty(), qPrintable(line->objectName()));
            }
            if (path.page == kWeekendPage)
                rig.saveShot(QStringLiteral("weekend_unreachable"));
            pages += !lines.isEmpty();
        }
        QCOMPARE(pages, 11);
    }

    // A display-list row, chosen again after the interface changed, reads the page from its
    // display.
    void displayListRowReadsThePageFromItsDisplay() {
        WindowRig rig("127.0.0.141");
        auto& [fake, model, w] = rig;
        model.setParameter(0x107F, 0x001, 0x3FF);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.ui.display_list_add_current_pushButton->click();
        w.ui.communications_interface_widget->set_interface_info(monitor_data{0x41, "1", 3, ""});
        w.ui.stackedWidget->setCurrentIndex(6);
        QCOMPARE(fake.connectionCount(), 0);
        QTableView* list = w.ui.display_list_tableView;
        const QRect row = list->visualRect(list->model()->index(0, 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(fake.connectionCount(), 1);
        QVERIFY(w.ui.group_ID_a_checkBox->isChecked());
        QCOMPARE(w.ui.communications_interface_widget->get_interface_info()
                     .s_communicationsInterfacePortName,
                 fake.address());
    }

    void settingsDirtyNotice() {
        ZETQVToolMainWindow w;
        w.setting_dirty_changed(true);
        QVERIFY(w.ui.save_settings_pushButton->toolTip().contains("Unsaved changes"));
        w.setting_dirty_changed(false);
        QCOMPARE(w.ui.save_settings_pushButton->toolTip(), QString());
    }

    // Save All Settings keeps the window waiting over a second (the display's reply, then a
    // second's pause): under the progress dialog, and then the status bar says that the
    // settings were saved, or shows the failure with the notice of unsaved changes kept.
    void saveAllSettings_data() {
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("status");
        QTest::newRow("saved") << false << "All settings saved in the display.";
        QTest::newRow("a broken reply") << true << "(-5004)";
    }
    void saveAllSettings() {
        QFETCH(bool, refused);
        QFETCH(QString, status);
        WindowRig rig("127.0.31.1");
        auto& [fake, model, w] = rig;
        emit w.settings_dirty(true);
        if (refused)
            model.failNext(1);
        ShownProgress shown(refused ? QString() : QStringLiteral("save_settings_progress"));
        w.ui.save_settings_pushButton->click();
        QCOMPARE(model.saves, 1); // with a broken reply, whether it saved is not known
        QCOMPARE(shown.label, QStringLiteral("Saving all settings in the display..."));
        QCOMPARE(shown.steps(), 1000); // the pause, filled by its time
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY2(w.ui.statusBar->currentMessage().endsWith(status),
                 qPrintable(w.ui.statusBar->currentMessage()));
        QCOMPARE(w.ui.statusBar->styleSheet().contains("color:red"), refused);
        QCOMPARE(w.ui.save_settings_pushButton->toolTip().contains("Unsaved changes"), refused);
        QCOMPARE(fake.connectionCount(), 1);
        if (!refused)
            rig.saveShot(QStringLiteral("save_settings_done"));
    }

    void logLinesFromTheMonitor() {
        ZETQVToolMainWindow w;
        LM_Information_Dialog log(&w);
        g_information_dialog = &log;
        log.ui.show_message_decoding_checkBox->setChecked(true);
        w.ui.communications_interface_widget->set_interface_info(lanInterface("127.0.0.139"));
        emit g_basic_monitor->comment_text_out(QStringLiteral("Model <b>X</b>"), 3);
        emit g_basic_monitor->transfer_data_out(
            {0x01, 0x30, 0x41, 0x30, 0x41, 0x30, 0x32, 0x02, 0x03, 0x03, 0x0D}, 2);
        const QString html = log.ui.data_textEdit->toHtml();
        QVERIFY(html.contains("Model &lt;b&gt;X&lt;/b&gt;"));
        QVERIFY(html.contains("Sent 11 bytes:"));
        QVERIFY(html.contains("Delimiter")); // the frame table follows at decoding level
        // A plain-text command is no frame: no table, and no empty line in its place.
        emit g_basic_monitor->transfer_data_out({'0', '0', 'v', 'P', 0x0D}, 1);
        g_information_dialog = nullptr;
        const QString text = log.ui.data_textEdit->toPlainText();
        QCOMPARE(text.count("Delimiter"), 1);
        QVERIFY2(text.endsWith(QLatin1String("30 30 76 50 0D \n")), qPrintable(text.right(40)));
    }

    // A name from a definitions file of the user's own shows in the log as it was written.
    void opcodeNameFromAUserFileIsEscaped() {
        QTemporaryDir dir;
        QFile file(dir.filePath("mine.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("0010,\"Picture|<i>Bright</i> & >dim\",0\r\n");
        file.close();
        ZETQVToolMainWindow w; // loads the built-in definitions; the user's replace them
        int line = 0;
        QCOMPARE(controlDefinitions().load(file.fileName(), &line), 0);
        LM_Information_Dialog log(&w);
        g_information_dialog = &log;
        emit g_basic_monitor->comment_text_out(QStringLiteral("10"), 4);
        g_information_dialog = nullptr;
        QCOMPARE(controlDefinitions().load(QStringLiteral(":/text/Resources/controls.txt"), &line),
                 0);
        QCOMPARE(log.ui.data_textEdit->toPlainText(),
                 QStringLiteral("OP Code Control Name: <i>Bright</i> & >dim"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"

#include "control_state.h"
#include "controldefinitions.h"
#include "monitor_rig.h"
#include "opcode_pages.h"
#include "search_opcode_dialog.h"
#include "transfer_display.h"
#include "window_rig.h"

#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryFile>
#include <QTextDocumentFragment>
#include <QTreeWidgetItemIterator>
#include <QtTest>

namespace {
// Loaded over the built-in definitions. File order differs from tree order, a name equals a
// category, one op code has two definitions (discrete, then range) and one op-code item is
// also a category.
const QByteArray kFixture = "0010,\"Picture|Brightness\",0,\"Dark\",\"Bright\"\n"
                            "0012,\"Picture|Contrast\",0\n"
                            "0020,\"Picture\",0\n"
                            "0030,\"Audio|Sound Mode\",1,1,\"Stereo\",2,\"Mono\"\n"
                            "0030,\"Audio|Mode\",0,\"Lo\",\"Hi\"\n"
                            "0040,\"Input\",1,1,\"HDMI\",2,\"DVI\"\n"
                            "0041,\"Input|Level\",0\n";

// "text(data){children}" in tree order; op codes in hexadecimal.
QString dump(const QTreeWidgetItem* item) {
    const int data = item->data(0, Qt::UserRole).toInt();
    QString out =
        item->text(0) + '(' + (data < 0 ? QString::number(data) : QString::number(data, 16)) + ')';
    QStringList children;
    for (int i = 0; i < item->childCount(); ++i)
        children << dump(item->child(i));
    return children.isEmpty() ? out : out + '{' + children.join(',') + '}';
}

QStringList comboTexts(const QComboBox* combo) {
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

// The requests as "get 0010", "set 0010=40", "cmd F3000000".
QStringList frames(const FakeDisplay& fake) {
    QStringList out;
    for (const QByteArray& r : fake.requests())
        out << EventLog::describe(r);
    return out;
}

// An address of this test on which nothing listens.
const QString kUnanswered = QStringLiteral("127.0.13.17");

} // namespace

// Loopback addresses 127.0.13.1 to 127.0.13.19 and 127.0.23.10 to 127.0.23.19 belong to this
// test.
class OpcodePagesTest : public QObject {
    Q_OBJECT

    WindowTestEnvironment env;

    // Puts the fixture into the store as File > Open does.
    static void loadFixture(OpcodePages& page) {
        QBuffer buffer;
        buffer.setData(kFixture);
        buffer.open(QIODevice::ReadOnly);
        int line_no = 0;
        QCOMPARE(controlDefinitions().read(buffer, &line_no), 0);
        page.definitions_loaded();
    }

private slots:
    void initTestCase() { QVERIFY(env.isValid()); }
    void init() { env.reset(); }

    // Get and Set against each kind of display: the widgets' state and the frames it saw.
    void getAndSet_data() {
        QTest::addColumn<bool>("set");
        QTest::addColumn<QString>("display");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QString>("supported");
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("groupEnabled");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<bool>("error");
        QTest::addColumn<int>("dirty");
        const QStringList get{"get 0010"}, set{"set 0010=40"};
        QTest::newRow("get supported") << false << "supported" << 30 << "100"
                                       << "Yes"
                                       << "Set Parameter" << true << get << false << 0;
        QTest::newRow("get momentary") << false << "momentary" << 30 << "100"
                                       << "Yes"
                                       << "Momentary" << true << get << false << 0;
        // Unread, the value stays only as a greyed hint; what the display lacks is no error.
        QTest::newRow("get unsupported") << false << "unsupported" << 40 << ""
                                         << "No"
                                         << "" << false << get << false << 0;
        QTest::newRow("get failing") << false << "failing" << 40 << ""
                                     << ""
                                     << "" << false << get << true << 0;
        QTest::newRow("get dummy") << false << "dummy" << 0 << "65535"
                                   << "Yes"
                                   << "Set Parameter" << true << QStringList() << true << 0;
        QTest::newRow("set supported") << true << "supported" << 40 << "100"
                                       << "Yes"
                                       << "Set Parameter" << true << set << false << 1;
        QTest::newRow("set unsupported") << true << "unsupported" << 40 << ""
                                         << "No"
                                         << "" << false << set << false << 0;
        // The user's value stays, and nothing claims the write went through.
        QTest::newRow("set failing") << true << "failing" << 40 << ""
                                     << ""
                                     << "" << true << set << true << 0;
        QTest::newRow("set dummy") << true << "dummy" << 40 << "65535"
                                   << "Yes"
                                   << "Set Parameter" << true << QStringList() << true << 0;
    }
    void getAndSet() {
        QFETCH(bool, set);
        QFETCH(QString, display);
        WindowRig rig("127.0.13.1");
        auto& [fake, model, w] = rig;
        OpcodePages& page = rig.page<OpcodePages>();
        if (display != "unsupported")
            model.setParameter(0x0010, 30, 100, display == "momentary" ? 1 : 0);
        if (display == "failing")
            model.failNext(1);
        if (display == "dummy")
            w.ui.communications_interface_widget->set_interface_info(dummyInterface());
        QSignalSpy dirty(&w, &ZETQVToolMainWindow::settings_dirty);
        w.ui.vcp_value_spinBox->setValue(40);
        set ? page.on_set_vcp_pushButton_clicked() : page.on_get_vcp_pushButton_clicked();
        QTEST(w.ui.vcp_value_spinBox->value(), "value");
        QTEST(w.ui.control_horizontalSlider->value(), "value");
        QTEST(w.ui.vcp_maximum_label->text(), "maximum");
        QFETCH(QString, supported);
        QVERIFY2(supported.isEmpty()
                     ? w.ui.vcp_supported_label->text().isEmpty()
                     : w.ui.vcp_supported_label->text().contains(">" + supported + "<"),
                 qPrintable(w.ui.vcp_supported_label->text()));
        QTEST(w.ui.vcp_type_label->text(), "type");
        QTEST(w.ui.value_group_widget->isEnabled(), "groupEnabled");
        QTEST(w.ui.vcp_value_spinBox->isEnabled(), "groupEnabled");
        QCOMPARE(w.ui.value_group_widget->toolTip() == ControlState::unsupported_tip(),
                 display == "unsupported");
        QTEST(frames(fake), "sent");
        QTEST(!w.ui.statusBar->currentMessage().isEmpty(), "error");
        QTEST(int(dirty.size()), "dirty");
        QVERIFY(!page.vcp_timer->isActive());
    }

    // After a failed Set the value goes back to the one the display confirmed, and the move
    // back writes nothing.
    void failedSetGoesBackToTheConfirmedValue() {
        WindowRig rig("127.0.13.2");
        auto& [fake, model, w] = rig;
        OpcodePages& page = rig.page<OpcodePages>();
        model.setParameter(0x0010, 30, 100);
        page.on_get_vcp_pushButton_clicked();
        w.ui.control_horizontalSlider->setValue(70);
        model.failNext(1);
        page.on_set_vcp_pushButton_clicked();
        QCOMPARE(w.ui.control_horizontalSlider->value(), 30);
        QCOMPARE(w.ui.vcp_value_spinBox->value(), 30);
        QCOMPARE(w.ui.vcp_value_spinBox->maximum(), 100);
        QVERIFY(!page.vcp_timer->isActive());
        QVERIFY(w.ui.statusBar->currentMessage().endsWith("(-5004)"));
        QCOMPARE(frames(fake), (QStringList{"get 0010", "set 0010=70"}));
        w.ui.stackedWidget->setCurrentIndex(1);
        rig.saveShot(QStringLiteral("opcode_failed_set"));
    }

    // Without "Automatically set when changed" the value is entered and sent by Set: a Set
    // that fails keeps the spin box, the slider and the value list as entered, and the next Set
    // sends it. With it they write as they change, and go back to the value read.
    void failedSetSettlesTheValueByKind_data() {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<WriteFault>("fault");
        QTest::addColumn<QString>("status"); // as statusMismatch takes it
        for (const bool automatic : {false, true}) {
            const char* kind = automatic ? "automatic" : "by Set";
            QTest::addRow("%s, link refused", kind)
                << automatic << WriteFault::LinkDown << "(-3005)";
            QTest::addRow("%s, no reply", kind) << automatic << WriteFault::NoReply << "(-3003)";
            QTest::addRow("%s, wrong reply", kind) << automatic << WriteFault::Refused << "(-5002)";
        }
    }
    void failedSetSettlesTheValueByKind() {
        QFETCH(bool, automatic);
        QFETCH(WriteFault, fault);
        WindowRig rig("127.0.13.5");
        auto& [fake, model, w] = rig;
        OpcodePages& page = rig.page<OpcodePages>();
        loadFixture(page);
        model.setParameter(0x0030, 1, 2);
        // Off first: an automatic row then shows the kind following the box back.
        w.ui.update_on_change_checkBox->setChecked(false);
        w.ui.update_on_change_checkBox->setChecked(automatic);
        w.ui.vcp_spinBox->setValue(0x30);
        page.on_get_vcp_pushButton_clicked();
        w.ui.control_horizontalSlider->setValue(2);
        QCOMPARE(w.ui.control_value_comboBox->currentText(), QStringLiteral("2. Mono"));

        // The wrong reply is one too short to hold the value.
        rig.failWrites(fault, kUnanswered, "0030", [](const QByteArray&) { return "00"; });
        w.ui.set_vcp_pushButton->click();
        QFETCH(QString, status);
        QCOMPARE(statusMismatch(w.ui.statusBar->currentMessage(), status), QString());
        const int shown = automatic ? 1 : 2;
        QCOMPARE(w.ui.vcp_value_spinBox->value(), shown);
        QCOMPARE(w.ui.control_horizontalSlider->value(), shown);
        QCOMPARE(w.ui.control_value_comboBox->currentIndex(), shown);
        QVERIFY(!page.vcp_timer->isActive());
        QCOMPARE(model.parameter(0x0030).current, 1);

        rig.answerAgain();
        const int from = fake.requests().size();
        w.ui.set_vcp_pushButton->click();
        QCOMPARE(rig.seen(from), QStringList{QStringLiteral("set 0030=%1").arg(shown)});
        QCOMPARE(model.parameter(0x0030).current, shown);
    }

    // A burst of slider moves sends one Set of the last value, 1500 ms after the last move;
    // without "Automatically set when changed" nothing waits.
    void writeBehindAfterABurst() {
        WindowRig rig("127.0.13.3");
        auto& [fake, model, w] = rig;
        OpcodePages& page = rig.page<OpcodePages>();
        model.setParameter(0x0010, 30, 100);
        page.on_get_vcp_pushButton_clicked();
        fake.clearRequests();
        QElapsedTimer clock;
        clock.start();
        for (int v : {31, 45, 60}) {
            w.ui.control_horizontalSlider->setValue(v);
            QTest::qWait(200);
        }
        QTRY_COMPARE_WITH_TIMEOUT(fake.requests().size(), 1, 3000);
        // A coarse timer may fire up to 5% early.
        QVERIFY2(clock.elapsed() >= 400 + OpcodePages::WriteBehindMs * 95 / 100,
                 qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(frames(fake), QStringList{"set 0010=60"});
        w.ui.update_on_change_checkBox->setChecked(false);
        w.ui.control_horizontalSlider->setValue(20);
        QVERIFY(!page.vcp_timer->isActive());
    }

    // Whatever ends a pending write-behind: nothing is written for it afterwards, to the op
    // code it was entered for or to another.
    void pendingWriteBehindEnds_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("after"); // ms after the move
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("get") << "get" << 0 << QStringList{"get 0010"};
        QTest::newRow("set") << "set" << 0 << QStringList{"set 0010=60"};
        // The value that waited for 0010 equals 0012's: it is not written to 0012.
        QTest::newRow("another op code, same value") << "opcode" << 0 << QStringList{"get 0012"};
        // About 1.3 s: the write would come due 200 ms later, before the new op code is read
        // (300 ms).
        QTest::newRow("another op code, shortly before the write")
            << "opcode" << OpcodePages::WriteBehindMs - OpcodePages::TypingPauseMs + 100
            << QStringList{"get 0012"};
    }
    void pendingWriteBehindEnds() {
        QFETCH(QString, action);
        QFETCH(int, after);
        WindowRig rig("127.0.13.4");
        auto& [fake, model, w] = rig;
        OpcodePages& page = rig.page<OpcodePages>();
        model.setParameter(0x0010, 30, 100);
        model.setParameter(0x0012, 60, 100);
        page.on_get_vcp_pushButton_clicked();
        fake.clearRequests();
        w.ui.control_horizontalSlider->setValue(60);
        if (after)
            QTest::qWait(after);
        QVERIFY(page.vcp_timer->isActive()); // still waiting
        if (action == "get")
            page.on_get_vcp_pushButton_clicked();
        else if (action == "set")
            page.on_set_vcp_pushButton_clicked();
        else
            w.ui.vcp_spinBox->setValue(0x12);
        QTest::qWait(OpcodePages::WriteBehindMs + 300);
        QTEST(frames(fake), "sent");
        if (action == "opcode") {
            QCOMPARE(model.parameter(0x0010).current, 30);
            QCOMPARE(model.parameter(0x0012).current, 60);
        }
    }

    // Typing an op code reads it once, when the typing pauses, on one connection; a value that
    // waited for the op code shown before is not written to the typed one.
    void typedOpcodeIsReadOncePaused() {
        WindowRig rig("127.0.23.10");
        auto& [fake, model, w] = rig;
        model.setParameter(0x0012, 60, 100);
        w.ui.control_horizontalSlider->setValue(40);
        QVERIFY(rig.page<OpcodePages>().vcp_timer->isActive());
        QTest::keyClick(w.ui.vcp_spinBox, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w.ui.vcp_spinBox, "12");
        QCOMPARE(w.ui.vcp_spinBox->value(), 0x12);
        QCOMPARE(w.ui.control_list_treeWidget->currentItem()->text(0), QString("Contrast"));
        QVERIFY(fake.requests().isEmpty());
        QTest::qWait(OpcodePages::WriteBehindMs + 300);
        QCOMPARE(frames(fake), QStringList{"get 0012"});
        QCOMPARE(fake.connectionCount(), 1);
        QCOMPARE(w.ui.vcp_value_spinBox->value(), 60);
    }

    // An op code typed key by key, with the event loop running between the keys, is read once,
    // when the typing has paused: the op code typed, never the one on the way to it.
    void opcodeTypedKeyByKeyIsReadOnce() {
        WindowRig rig("127.0.23.11");
        auto& [fake, model, w] = rig;
        model.setParameter(0x0001, 5, 100);
        model.setParameter(0x0012, 60, 100);
        QTest::keyClick(w.ui.vcp_spinBox, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(w.ui.vcp_spinBox, Qt::Key_1);
        QTest::qWait(OpcodePages::TypingPauseMs / 2);
        QTest::keyClick(w.ui.vcp_spinBox, Qt::Key_2);
        QElapsedTimer sinceLastKey;
        sinceLastKey.start();
        QTest::qWait(OpcodePages::TypingPauseMs / 2);
        QVERIFY(fake.requests().isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(fake.requests().size(), 1, 1000);
        // A coarse timer may fire up to 5% early.
        QVERIFY2(sinceLastKey.elapsed() >= OpcodePages::TypingPauseMs * 95 / 100,
                 qPrintable(QString::number(sinceLastKey.elapsed())));
        QTest::qWait(OpcodePages::TypingPauseMs * 2);
        QCOMPARE(frames(fake), QStringList{"get 0012"});
        QCOMPARE(w.ui.vcp_value_spinBox->value(), 60);
    }

    // A write that comes due while another command's connection is open waits for it to close.
    void writeBehindWaitsForARunningCommand() {
        WindowRig rig("127.0.13.6");
        auto& [fake, model, w] = rig;
        OpcodePages& page = rig.page<OpcodePages>();
        model.setParameter(0x0010, 30, 100);
        w.ui.control_horizontalSlider->setValue(50);
        QVERIFY(w.open_for_command());
        QTest::qWait(OpcodePages::WriteBehindMs + 300);
        QVERIFY(fake.requests().isEmpty());
        QVERIFY(g_basic_monitor->is_connected());
        w.close_after_command();
        QTRY_COMPARE_WITH_TIMEOUT(frames(fake), QStringList{"set 0010=50"}, 1000);
        QCOMPARE(fake.connectionCount(), 2);
        QVERIFY(!page.vcp_timer->isActive());
    }

    void treeByCategoryAndFlat() {
        WindowRig rig("127.0.13.7");
        auto& w = rig.w;
        OpcodePages& page = rig.page<OpcodePages>();
        QVERIFY(w.ui.categories_checkBox->isChecked());
        loadFixture(page);
        QTreeWidget* tree = w.ui.control_list_treeWidget;
        QCOMPARE(tree->topLevelItemCount(), 1);
        // "Picture" (0020) reuses the category; "Input" (0040) keeps its op code as a parent.
        QCOMPARE(dump(tree->topLevelItem(0)),
                 QString("Unknown(-1){Audio(-2){Mode(30),Sound Mode(30)},Input(40){Level(41)},"
                         "Picture(-2){Brightness(10),Contrast(12)}}"));
        QVERIFY(!tree->currentItem()); // a fill selects nothing
        const QSignalBlocker blocker(tree);
        w.ui.categories_checkBox->setChecked(false);
        QCOMPARE(dump(tree->topLevelItem(0)),
                 QString("Unknown(-1){Brightness(10),Contrast(12),Input(40),Level(41),Mode(30),"
                         "Picture(20),Sound Mode(30)}"));
        QCOMPARE(tree->topLevelItem(0)->child(0)->toolTip(0), QString("Picture\u2192Brightness"));
        QCOMPARE(tree->topLevelItem(0)->child(5)->toolTip(0), QString("Picture"));
        // A click on the header reverses the order; the next fill sorts ascending again.
        tree->sortByColumn(0, Qt::DescendingOrder);
        QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QString("Sound Mode"));
        page.fill_control_tree();
        QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QString("Brightness"));
    }

    // Selection by op code and the value widgets that the definitions call for.
    void opcodeSelectsItemAndValueWidgets_data() {
        QTest::addColumn<int>("opcode");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<bool>("range");
        QTest::addColumn<QString>("low");
        QTest::addColumn<QString>("high");
        QTest::newRow("range") << 0x10 << "Brightness" << QStringList{"Unknown"} << true << "Dark"
                               << "Bright";
        QTest::newRow("discrete") << 0x40 << "Input" << QStringList{"Unknown", "1. HDMI", "2. DVI"}
                                  << false << "Min"
                                  << "Max";
        // Two definitions: the first item in tree order, the values of both, the labels of the
        // last, range mode since one of them is a range.
        QTest::newRow("two definitions")
            << 0x30 << "Mode" << QStringList{"Unknown", "1. Stereo", "2. Mono"} << true << "Lo"
            << "Hi";
        QTest::newRow("name equals a category")
            << 0x20 << "Unknown" << QStringList{"Unknown"} << true << "Min"
            << "Max";
        QTest::newRow("no definition")
            << 0x99 << "Unknown" << QStringList{"Unknown"} << true << "Min"
            << "Max";
    }
    void opcodeSelectsItemAndValueWidgets() {
        QFETCH(int, opcode);
        QFETCH(bool, range);
        WindowRig rig("127.0.13.8");
        auto& [fake, model, w] = rig;
        loadFixture(rig.page<OpcodePages>());
        model.setParameter(uint(opcode), 2, 10);
        {
            const QSignalBlocker blocker(w.ui.vcp_spinBox);
            w.ui.vcp_spinBox->setValue(0);
        }
        w.ui.vcp_spinBox->setValue(opcode);
        QTRY_COMPARE(frames(fake), QStringList{QString("get %1").arg(opcode, 4, 16, QChar('0'))});
        QTEST(w.ui.control_list_treeWidget->currentItem()->text(0), "item");
        QTEST(comboTexts(w.ui.control_value_comboBox), "values");
        QCOMPARE(w.ui.control_value_comboBox->isEnabled(), !range);
        QCOMPARE(w.ui.control_horizontalSlider->isEnabled(), range);
        QCOMPARE(w.ui.value_min_label->isEnabled(), range);
        QTEST(w.ui.value_min_label->text(), "low");
        QTEST(w.ui.value_max_label->text(), "high");
        QCOMPARE(w.ui.vcp_value_spinBox->value(), 2);
    }

    // The list follows the value; picking "Unknown" changes nothing.
    void valueListFollowsTheValue() {
        WindowRig rig("127.0.13.9");
        auto& [fake, model, w] = rig;
        OpcodePages& page = rig.page<OpcodePages>();
        loadFixture(page);
        model.setParameter(0x0040, 5, 10);
        w.ui.vcp_spinBox->setValue(0x40);
        QTRY_COMPARE(frames(fake), QStringList{"get 0040"});
        QCOMPARE(w.ui.control_value_comboBox->currentText(), QString("Unknown"));
        page.on_control_value_comboBox_activated(2);
        QCOMPARE(w.ui.vcp_value_spinBox->value(), 2);
        QCOMPARE(w.ui.control_value_comboBox->currentText(), QString("2. DVI"));
        page.on_control_value_comboBox_activated(0);
        QCOMPARE(w.ui.vcp_value_spinBox->value(), 2);
        w.ui.vcp_value_spinBox->setValue(1);
        QCOMPARE(w.ui.control_value_comboBox->currentText(), QString("1. HDMI"));
        rig.saveShot("opcode_discrete");
    }

    // A pick in the tree reads the op code; categories and "Unknown" read nothing; switching
    // the listing reselects the op code, which reads it again.
    void treePickAndListing() {
        WindowRig rig("127.0.13.10");
        auto& [fake, model, w] = rig;
        loadFixture(rig.page<OpcodePages>());
        model.setParameter(0x0041, 7, 9);
        QTreeWidget* tree = w.ui.control_list_treeWidget;
        const auto find = [tree](const QString& text) {
            return tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive).value(0);
        };
        tree->setCurrentItem(find("Level"));
        QCOMPARE(w.ui.vcp_spinBox->value(), 0x41);
        QCOMPARE(w.ui.vcp_value_spinBox->value(), 7);
        tree->setCurrentItem(find("Audio"));
        tree->setCurrentItem(find("Unknown"));
        QCOMPARE(w.ui.vcp_spinBox->value(), 0x41);
        QCOMPARE(frames(fake), QStringList{"get 0041"});
        w.ui.categories_checkBox->setChecked(false);
        QCOMPARE(tree->currentItem()->text(0), QString("Level"));
        QCOMPARE(frames(fake), (QStringList{"get 0041", "get 0041"}));
    }

    // The search hands a found op code to the page, which reads it; Cancel changes nothing.
    void searchHandsTheOpcodeOver() {
        WindowRig rig("127.0.13.11");
        auto& [fake, model, w] = rig;
        OpcodePages& page = rig.page<OpcodePages>();
        model.setParameter(0x0012, 3, 100);
        whenModal<search_opcode_dialog>([](search_opcode_dialog* d) {
            d->findChild<QLineEdit*>("lineEdit")->setText("picture|contrast");
            d->accept();
        });
        page.on_search_opcode_pushButton_clicked();
        QCOMPARE(w.ui.vcp_spinBox->value(), 0x12);
        QCOMPARE(w.ui.control_list_treeWidget->currentItem()->text(0), QString("Contrast"));
        QCOMPARE(frames(fake), QStringList{"get 0012"});
        whenModal<search_opcode_dialog>([](search_opcode_dialog* d) {
            d->findChild<QLineEdit*>("lineEdit")->setText("Picture|Brightness");
            d->reject();
        });
        page.on_search_opcode_pushButton_clicked();
        QCOMPARE(w.ui.vcp_spinBox->value(), 0x12);
        QCOMPARE(fake.requests().size(), 1);
    }

    // File > Open rebuilds the tree from the new file; the value widgets keep what they showed.
    // A file that is not taken (no definition in it, a bad line) keeps the tree and the store,
    // and a message names the file, the line and why.
    void fileOpen_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message"); // empty: taken
        QTest::newRow("definitions") << kFixture << QString();
        QTest::newRow("a script: no definition")
            << QByteArray("# site\nSETPORT 192.168.0.10\nSETOPCODE 0010 5\n")
            << "No line of it defines an op code; it is not a definitions file. (Parse error -5)";
        QTest::newRow("bad line after good ones")
            << QByteArray("0010,\"A\",0\n\n12G0,\"X\",0\n")
            << "Line 2: the op code is not a hexadecimal number. (Parse error -4 at line 2)";
    }
    void fileOpen() {
        QFETCH(QByteArray, text);
        QFETCH(QString, message);
        WindowRig rig("127.0.13.12");
        auto& w = rig.w;
        QTemporaryFile file(QDir::tempPath() + "/XXXXXX.txt");
        QVERIFY(file.open());
        file.write(text);
        file.close();
        QTreeWidget* tree = w.ui.control_list_treeWidget;
        const QString before = dump(tree->topLevelItem(0));
        const QStringList values = comboTexts(w.ui.control_value_comboBox);
        whenModal<QFileDialog>([&file](QFileDialog* d) {
            d->selectFile(file.fileName());
            QMetaObject::invokeMethod(d, "accept");
        });
        env.answers << WindowTestEnvironment::Answer{
            QMessageBox::Ok, [] {
                WindowRig::saveShot(QApplication::activeModalWidget(),
                                    QString("definitions_refused_") + QTest::currentDataTag());
            }};
        w.on_actionOpen_triggered();
        if (message.isEmpty()) {
            QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QString("Audio"));
            QVERIFY(!tree->currentItem());
            QVERIFY(env.boxTexts.isEmpty());
        } else {
            QCOMPARE(dump(tree->topLevelItem(0)), before);
            QCOMPARE(controlDefinitions().list.size(), 379);
            QCOMPARE(env.boxTexts.size(), 1);
            const QString shown =
                QTextDocumentFragment::fromHtml(env.boxTexts.first()).toPlainText();
            QVERIFY2(shown.contains(QDir::toNativeSeparators(file.fileName())), qPrintable(shown));
            QVERIFY2(shown.contains(message), qPrintable(shown));
            QVERIFY(shown.contains("the definitions in use stay"));
        }
        QCOMPARE(comboTexts(w.ui.control_value_comboBox), values);
        // The reference keeps the definitions it was built from until the filter is toggled.
        QVERIFY(w.ui.scripting_info_textEdit->toPlainText().contains("\"Red Gain\""));
    }

    // "Copy" puts the whole reference on the clipboard.
    void referenceIsCopied() {
        WindowRig rig("127.0.13.16");
        rig.w.ui.stackedWidget->setCurrentIndex(31);
        rig.w.ui.main_groupBox->setTitle("OpCode Info");
        rig.saveShot("opcode_info");
        QGuiApplication::clipboard()->clear();
        rig.page<OpcodePages>().on_scripting_info_copy_pushButton_clicked();
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY(copied.startsWith("OpCodes Names and Values"));
        QVERIFY(copied.contains("\"Red Gain\""));
        QVERIFY(copied.contains("0016"));
        QVERIFY(!copied.contains("Operating Time On")); // read only
    }

    // Switching the filter on: the display's string read and parsed, a read that fails, and a
    // string that does not parse. Either way the lists are rebuilt and the current op code
    // read again on a connection of its own.
    void capabilityFilterOn_data() {
        QTest::addColumn<QByteArray>("capability"); // empty: the display knows no such command
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("tree");
        QTest::addColumn<QStringList>("values"); // of op code 0030
        QTest::addColumn<QString>("message");
        const QString all = "Unknown(-1){Audio(-2){Mode(30),Sound Mode(30)},Input(40){Level(41)},"
                            "Picture(-2){Brightness(10),Contrast(12)}}";
        const QStringList allValues{"Unknown", "1. Stereo", "2. Mono"};
        QTest::newRow("parses") << QByteArray("(prot(monitor)vcp(10 30(01) 40))") << true
                                << "Unknown(-1){Audio(-2){Mode(30),Sound Mode(30)},Input(40),"
                                   "Picture(-2){Brightness(10)}}"
                                << QStringList{"Unknown", "1. Stereo"} << "";
        QTest::newRow("read fails") << QByteArray() << false << all << allValues << "(-";
        QTest::newRow("does not parse")
            << QByteArray("(prot(monitor)vcp(10 30(01) 40)") << false << all << allValues
            << "Error determining monitor capabilities";
    }
    void capabilityFilterOn() {
        QFETCH(QByteArray, capability);
        QFETCH(bool, on);
        WindowRig rig("127.0.13.13");
        auto& [fake, model, w] = rig;
        TransferDisplay transfers;
        if (!capability.isEmpty()) {
            transfers.capability = capability;
            transfers.attach(model);
        }
        OpcodePages& page = rig.page<OpcodePages>();
        loadFixture(page);
        model.setParameter(0x0010, 5, 10);
        model.setParameter(0x0030, 1, 2);
        w.ui.opcode_list_filter_by_capability_checkBox->setChecked(true);
        QTEST(w.ui.opcode_list_filter_by_capability_checkBox->isChecked(), "on");
        QCOMPARE(page.filter_capability_string.isEmpty(), !on);
        QTEST(dump(w.ui.control_list_treeWidget->topLevelItem(0)), "tree");
        QFETCH(QString, message);
        const QString shown = w.ui.statusBar->currentMessage();
        QVERIFY2(message.isEmpty() ? shown.isEmpty() : shown.contains(message), qPrintable(shown));
        QCOMPARE(fake.connectionCount(), 2);
        QCOMPARE(frames(fake).last(), QString("get 0010"));
        // The reference page follows the filter, and its box shows the same state.
        QCOMPARE(w.ui.scripting_info_show_only_supported_controls_checkBox->isChecked(), on);
        const QString info = w.ui.scripting_info_textEdit->toPlainText();
        QCOMPARE(info.contains("(filtered by current monitor support)"), on);
        QCOMPARE(info.contains("\"Contrast\""), !on);
        QVERIFY(info.contains("\"Brightness\""));
        rig.saveShot(QString("opcode_filter_") + QTest::currentDataTag());
        w.ui.stackedWidget->setCurrentIndex(31);
        rig.saveShot(QString("opcode_info_filter_") + QTest::currentDataTag());
        w.ui.vcp_spinBox->setValue(0x30);
        QTEST(comboTexts(w.ui.control_value_comboBox), "values");
        // Listed without values: all of them. Not listed: "Unknown" in the tree, all values.
        w.ui.vcp_spinBox->setValue(0x40);
        QCOMPARE(w.ui.control_value_comboBox->count(), 3);
        w.ui.vcp_spinBox->setValue(0x12);
        QCOMPARE(w.ui.control_list_treeWidget->currentItem()->text(0),
                 QString(on ? "Unknown" : "Contrast"));
    }

    // Switching off reads no capability; a filter whose interface cannot open stays off and
    // rebuilds nothing.
    void capabilityFilterOffAndUnopened() {
        WindowRig rig("127.0.13.14");
        auto& [fake, model, w] = rig;
        TransferDisplay transfers;
        transfers.capability = "(vcp(10))";
        transfers.attach(model);
        OpcodePages& page = rig.page<OpcodePages>();
        loadFixture(page);
        model.setParameter(0x0010, 5, 10);
        QCheckBox* box = w.ui.opcode_list_filter_by_capability_checkBox;
        box->setChecked(true);
        QCOMPARE(w.ui.control_list_treeWidget->topLevelItem(0)->childCount(), 1);
        fake.clearRequests();
        // Off from the reference page's box: both boxes follow.
        QCheckBox* infoBox = w.ui.scripting_info_show_only_supported_controls_checkBox;
        QVERIFY(infoBox->isChecked());
        infoBox->setChecked(false);
        QVERIFY(!box->isChecked());
        QCOMPARE(frames(fake), QStringList{"get 0010"});
        QCOMPARE(w.ui.control_list_treeWidget->topLevelItem(0)->childCount(), 3);
        w.ui.communications_interface_widget->set_interface_info(lanInterface("127.0.13.15"));
        const QSignalBlocker tree(w.ui.control_list_treeWidget);
        w.ui.control_list_treeWidget->clear();
        infoBox->setChecked(true);
        QVERIFY(!box->isChecked());
        QVERIFY(!infoBox->isChecked());
        QVERIFY(page.filter_capability_string.isEmpty());
        QCOMPARE(w.ui.control_list_treeWidget->topLevelItemCount(), 0);
        QCOMPARE(env.boxTexts.size(), 1);
    }
};

QTEST_MAIN(OpcodePagesTest)
#include "tst_opcode_pages.moc"

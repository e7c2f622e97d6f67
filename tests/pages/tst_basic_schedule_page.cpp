#include "basic_schedule_page.h"
#include "display_families.h"
#include "result_codes.h"
#include "window_rig.h"

#include <QtTest>

// Loopback addresses 127.0.14.40 to 127.0.14.49 belong to this test; nothing listens on .49.

namespace {
constexpr int kBasicSchedulePage = 14;

// A stored program as the display keeps it: on and off time, input, weekdays, flags, picture
// mode, then seven bytes the page leaves alone.
QByteArray stored(const char* fields) {
    return QByteArray(fields) + QByteArray(14, '0');
}

// Routes both forms of the schedule write to a display that refuses them (result byte 01,
// nothing stored), every other request to the rig's model; setting the rig's handler again ends
// it.
void refuseScheduleWrites(WindowRig& rig, DisplayModel& refusing) {
    for (const char* code : {"C222", "C214"})
        refusing.addCommand('A', code, [](const QByteArray& body) {
            return (DisplayModel::hex4(DisplayModel::field(body, 0, 4) + 0x0100) + "01" +
                    body.mid(4))
                .leftJustified(38, '0');
        });
    rig.fake.setHandler([&rig, &refusing](const QByteArray& request) {
        const QByteArray body = FakeDisplay::bodyOf(request);
        return body.startsWith("C222") || body.startsWith("C214") ? refusing.answer(request)
                                                                  : rig.model.answer(request);
    });
}

// What the page shows, in one line per widget group.
QStringList pageState(const Ui::ZETQVToolMainWindowClass& ui) {
    auto time = [](const QCheckBox* box, const QTimeEdit* edit) {
        return QStringLiteral("%1 %2 %3")
            .arg(box->isChecked() ? "set" : "unset", edit->time().toString("HH:mm"),
                 edit->isEnabled() ? "editable" : "disabled");
    };
    QStringList days;
    for (const QCheckBox* box :
         {ui.schedule_monday_checkBox, ui.schedule_tuesday_checkBox, ui.schedule_wednesday_checkBox,
          ui.schedule_thursday_checkBox, ui.schedule_friday_checkBox, ui.schedule_saturday_checkBox,
          ui.schedule_sunday_checkBox})
        if (box->isChecked())
            days << box->text().left(3);
    return {QStringLiteral("enabled %1").arg(ui.schedule_enable_groupBox->isChecked()),
            QStringLiteral("on ") +
                time(ui.schedule_on_time_enable_checkBox, ui.schedule_on_time_timeEdit),
            QStringLiteral("off ") +
                time(ui.schedule_off_time_enable_checkBox, ui.schedule_off_time_timeEdit),
            QStringLiteral("input ") + ui.schedule_input_comboBox->currentText(),
            QStringLiteral("picture ") + ui.schedule_picture_mode_comboBox->currentText(),
            QStringLiteral("days ") + days.join(QLatin1Char(',')),
            QStringLiteral("every day %1, every week %2")
                .arg(ui.schedule_every_day_checkBox->isChecked())
                .arg(ui.schedule_every_week_checkBox->isChecked()),
            QStringLiteral("days editable %1").arg(ui.schedule_monday_checkBox->isEnabled())};
}
} // namespace

class BasicSchedulePageTest : public QObject {
    Q_OBJECT

    WindowTestEnvironment env;

private slots:
    void initTestCase() { QVERIFY(env.isValid()); }
    void init() { env.reset(); }

    // Showing the page reads the program picked; picking another reads that one.
    void readShowsTheProgram_data() {
        QTest::addColumn<QByteArray>("fields");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("every field set")
            << stored("0705161E11150604") << QStringList{"enabled 1",
                                                         "on set 07:05 editable",
                                                         "off set 22:30 editable",
                                                         "input HDMI",
                                                         "picture Cinema",
                                                         "days Mon,Wed,Fri",
                                                         "every day 0, every week 1",
                                                         "days editable 1"};
        QTest::newRow("times not set: 24:00 and 23:60, every day")
            << stored("1800173C00000100")
            << QStringList{"enabled 0",
                           "on unset 00:00 disabled",
                           "off unset 00:00 disabled",
                           "input Last Input",
                           "picture Last Setting",
                           "days ",
                           "every day 1, every week 0",
                           "days editable 0"};
        QTest::newRow("codes no item carries") << stored("00000000FE7F04FE")
                                               << QStringList{"enabled 1",
                                                              "on set 00:00 editable",
                                                              "off set 00:00 editable",
                                                              "input ",
                                                              "picture ",
                                                              "days Mon,Tue,Wed,Thu,Fri,Sat,Sun",
                                                              "every day 0, every week 0",
                                                              "days editable 1"};
    }
    void readShowsTheProgram() {
        QFETCH(QByteArray, fields);
        QFETCH(QStringList, shown);
        WindowRig rig("127.0.14.40");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.extendedSchedules.insert(0, stored("0800090001010504"));
        families.extendedSchedules.insert(4, fields);
        w.ui.stackedWidget->setCurrentIndex(kBasicSchedulePage);
        QCOMPARE(pageState(w.ui).at(1), QStringLiteral("on set 08:00 editable"));
        w.ui.schedule_number_comboBox->setCurrentIndex(4);
        QCOMPARE(pageState(w.ui), shown);
        QVERIFY(w.ui.schedule_groupBox->isEnabled());
        QVERIFY(w.ui.schedule_update_pushButton->isEnabled());
        QVERIFY(w.ui.statusBar->currentMessage().isEmpty());
        if (QTest::currentDataTag() == QLatin1String("every field set")) {
            w.show_page(kBasicSchedulePage);
            rig.saveShot(QStringLiteral("schedule_after_read"));
        }
    }

    // Update writes what the page shows: a time left unchecked as 24:60, days that "Every Day"
    // disabled with their checked states; the page then shows the display's echo, and the
    // status bar that it was written.
    void updateWritesThePage() {
        WindowRig rig("127.0.14.41");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        w.ui.stackedWidget->setCurrentIndex(kBasicSchedulePage);
        w.ui.schedule_number_comboBox->setCurrentIndex(2);
        w.ui.schedule_enable_groupBox->setChecked(true);
        w.ui.schedule_on_time_enable_checkBox->setChecked(true);
        w.ui.schedule_on_time_timeEdit->setTime(QTime(6, 45));
        w.ui.schedule_on_time_enable_checkBox->setChecked(false);
        QVERIFY(!w.ui.schedule_on_time_timeEdit->isEnabled());
        w.ui.schedule_off_time_enable_checkBox->setChecked(true);
        QVERIFY(w.ui.schedule_off_time_timeEdit->isEnabled());
        w.ui.schedule_off_time_timeEdit->setTime(QTime(21, 15));
        w.ui.schedule_input_comboBox->setCurrentText(QStringLiteral("DisplayPort"));
        w.ui.schedule_picture_mode_comboBox->setCurrentText(QStringLiteral("sRGB"));
        w.ui.schedule_monday_checkBox->setChecked(true);
        w.ui.schedule_sunday_checkBox->setChecked(true);
        w.ui.schedule_every_day_checkBox->setChecked(true);
        QVERIFY(!w.ui.schedule_sunday_checkBox->isEnabled());
        QVERIFY(!w.ui.schedule_every_week_checkBox->isEnabled());
        fake.clearRequests();
        rig.page<BasicSchedulePage>().on_schedule_update_pushButton_clicked();
        QCOMPARE(families.extendedSchedules.value(2), stored("183C150F0F410501"));
        QCOMPARE(pageState(w.ui),
                 (QStringList{"enabled 1", "on unset 00:00 disabled", "off set 21:15 editable",
                              "input DisplayPort", "picture sRGB", "days Mon,Sun",
                              "every day 1, every week 0", "days editable 0"}));
        // The page looks as before the write: the status bar says it went through.
        QCOMPARE(w.ui.statusBar->currentMessage(),
                 QStringLiteral("Schedule 3 written to the display."));
        rig.saveShot(QStringLiteral("schedule_after_update"));
    }

    // A write the display refuses is reported, and the page keeps the program as composed:
    // neither what the display holds (changed meanwhile) nor, when that cannot be read either,
    // what it reported before. The next Update sends it.
    void refusedWriteKeepsTheComposedProgram_data() {
        QTest::addColumn<bool>("readBackFails");
        QTest::newRow("the display's program readable") << false;
        QTest::newRow("the display's program unreadable") << true;
    }
    void refusedWriteKeepsTheComposedProgram() {
        QFETCH(bool, readBackFails);
        DisplayModel refusing; // outlives the rig whose display may route to it
        WindowRig rig("127.0.14.42");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.extendedSchedules.insert(0, stored("0700170001010504"));
        w.ui.stackedWidget->setCurrentIndex(kBasicSchedulePage);
        w.ui.schedule_on_time_timeEdit->setTime(QTime(9, 30));
        w.ui.schedule_tuesday_checkBox->setChecked(true);
        // Meanwhile the program was changed at the display.
        families.extendedSchedules.insert(0, stored("080F170001010504"));
        if (readBackFails)
            for (const char* code : {"C221", "C213"})
                model.addCommand('A', code, [](const QByteArray&) { return QByteArray("C3"); });
        // The display refuses the write in either form: result byte 01, nothing stored.
        refuseScheduleWrites(rig, refusing);
        rig.page<BasicSchedulePage>().on_schedule_update_pushButton_clicked();
        QCOMPARE(families.extendedSchedules.value(0), stored("080F170001010504"));
        QCOMPARE(pageState(w.ui).at(1), QStringLiteral("on set 09:30 editable"));
        QCOMPARE(pageState(w.ui).at(5), QStringLiteral("days Mon,Tue"));
        QVERIFY(w.ui.schedule_update_pushButton->isEnabled());
        QVERIFY(w.ui.statusBar->currentMessage().endsWith(
            QStringLiteral("(%1)").arg(ResultCode::ReplyError)));

        fake.setHandler(model.handler());
        rig.page<BasicSchedulePage>().on_schedule_update_pushButton_clicked();
        QCOMPARE(families.extendedSchedules.value(0), stored("091E170001030504"));
    }

    // Update sends a form: when the link does not open (a display switched off), the display
    // does not answer or it refuses, the error is shown and every field keeps what was entered,
    // never what the display reported before; the next Update sends it.
    void failedUpdateKeepsTheComposedProgram_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("statusBar"); // as statusMismatch expects it
        QTest::newRow("link does not open")
            << "link" << QStringLiteral("(%1)").arg(ResultCode::ConnectionRefused);
        QTest::newRow("no reply") << "silence" << QStringLiteral("(%1)").arg(ResultCode::NoReply);
        QTest::newRow("refused") << "refused" << QStringLiteral("(%1)").arg(ResultCode::ReplyError);
    }
    void failedUpdateKeepsTheComposedProgram() {
        QFETCH(QString, fault);
        QFETCH(QString, statusBar);
        DisplayModel refusing; // outlives the rig whose display may route to it
        WindowRig rig("127.0.14.45");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        // Program 4 switches on at 8:00 and off at 23:00 every day.
        const QByteArray held = stored("0800170011010504");
        families.extendedSchedules.insert(3, held);
        w.ui.stackedWidget->setCurrentIndex(kBasicSchedulePage);
        w.ui.schedule_number_comboBox->setCurrentIndex(3);
        const QStringList reported = pageState(w.ui);
        // Composed: on at 7:15, Tuesday only, every week.
        w.ui.schedule_on_time_timeEdit->setTime(QTime(7, 15));
        w.ui.schedule_every_day_checkBox->setChecked(false);
        w.ui.schedule_every_week_checkBox->setChecked(true);
        w.ui.schedule_monday_checkBox->setChecked(false);
        w.ui.schedule_tuesday_checkBox->setChecked(true);
        const QStringList composed{"enabled 1",
                                   "on set 07:15 editable",
                                   "off set 23:00 editable",
                                   "input HDMI",
                                   "picture Cinema",
                                   "days Tue",
                                   "every day 0, every week 1",
                                   "days editable 1"};
        QCOMPARE(pageState(w.ui), composed);
        QVERIFY(reported != composed);

        if (fault == QLatin1String("link"))
            w.ui.communications_interface_widget->set_interface_info(lanInterface("127.0.14.49"));
        else if (fault == QLatin1String("silence"))
            fake.setHandler([](const QByteArray&) { return FakeReply::silence(); });
        else
            refuseScheduleWrites(rig, refusing);
        rig.page<BasicSchedulePage>().on_schedule_update_pushButton_clicked();
        QCOMPARE(pageState(w.ui), composed);
        QVERIFY(w.ui.schedule_update_pushButton->isEnabled());
        QCOMPARE(statusMismatch(w.ui.statusBar->currentMessage(), statusBar), QString());
        QCOMPARE(env.boxTexts.size(), fault == QLatin1String("link") ? 1 : 0);
        QCOMPARE(families.extendedSchedules.value(3), held);
        rig.saveShot(QStringLiteral("schedule_update_failed_") + QTest::currentDataTag());

        // The display answers again: the next Update sends the program as composed.
        w.ui.communications_interface_widget->set_interface_info(lanInterface(fake.address()));
        fake.setHandler(model.handler());
        const int from = fake.requests().size();
        rig.page<BasicSchedulePage>().on_schedule_update_pushButton_clicked();
        const QByteArray sent = "C22203" + stored("070F170011020604");
        QVERIFY2(rig.seen(from).contains(QLatin1Char('A') + QString::fromLatin1(sent)),
                 qPrintable(rig.seen(from).join(QLatin1String(", "))));
        QCOMPARE(families.extendedSchedules.value(3), stored("070F170011020604"));
        QCOMPARE(w.ui.statusBar->currentMessage(),
                 QStringLiteral("Schedule 4 written to the display."));
    }

    // A program that cannot be read shows nothing of the program before it and cannot be
    // written as if it had been read; the next read that works brings the page back.
    void failedReadShowsNoOtherProgram() {
        WindowRig rig("127.0.14.43");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.extendedSchedules.insert(0, stored("0705161E11150604"));
        families.extendedSchedules.insert(2, stored("0800090001010504"));
        w.ui.stackedWidget->setCurrentIndex(kBasicSchedulePage);
        const QStringList unread{"enabled 0",
                                 "on unset 00:00 disabled",
                                 "off unset 00:00 disabled",
                                 "input Last Input",
                                 "picture Last Setting",
                                 "days ",
                                 "every day 0, every week 0",
                                 "days editable 0"};

        model.failNext(3); // the model-name check, the read and its older form
        w.ui.schedule_number_comboBox->setCurrentIndex(1);
        QCOMPARE(pageState(w.ui), unread);
        QCOMPARE(unreadShownAsCurrent(w.ui.schedule, {w.ui.schedule_number_comboBox}), QString());
        QVERIFY(!w.ui.schedule_enable_groupBox->isEnabled());
        QVERIFY(!w.ui.schedule_update_pushButton->isEnabled());
        QVERIFY(w.ui.schedule_number_comboBox->isEnabled());
        QVERIFY(w.ui.statusBar->currentMessage().endsWith(
            QStringLiteral("(%1)").arg(ResultCode::BadChecksum)));

        w.ui.schedule_number_comboBox->setCurrentIndex(2);
        QCOMPARE(pageState(w.ui).at(1), QStringLiteral("on set 08:00 editable"));
        QVERIFY(w.ui.schedule_enable_groupBox->isEnabled());
        QVERIFY(w.ui.schedule_update_pushButton->isEnabled());

        // The interface does not open: nothing is read, nothing stays.
        w.ui.communications_interface_widget->set_interface_info(lanInterface("127.0.14.49"));
        w.ui.schedule_number_comboBox->setCurrentIndex(0);
        QCOMPARE(pageState(w.ui), unread);
        QCOMPARE(env.boxTexts.size(), 1);
    }

    // A display without the schedule commands answers with a null message: the whole page is
    // disabled until a read gets another answer.
    void unsupportedScheduleDisablesThePage() {
        WindowRig rig("127.0.14.44");
        auto& [fake, model, w] = rig;
        w.ui.stackedWidget->setCurrentIndex(kBasicSchedulePage);
        QVERIFY(!w.ui.schedule_groupBox->isEnabled());
        DisplayFamilies families(model);
        rig.page<BasicSchedulePage>().refresh(w.ui.schedule);
        QVERIFY(w.ui.schedule_groupBox->isEnabled());
        QVERIFY(w.ui.schedule_update_pushButton->isEnabled());
    }
};

QTEST_MAIN(BasicSchedulePageTest)
#include "tst_basic_schedule_page.moc"

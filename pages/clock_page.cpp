#include "clock_page.h"

#include "basic_monitor.h"
#include "command_scope.h"

#include <QDateTime>

namespace {
using Form = Ui::ZETQVToolMainWindowClass;

// The rule's bytes and the widgets that show them; the combo boxes carry the
// bytes as data.
struct RuleCombo {
    unsigned char daylight_saving_rule::*field;
    QComboBox* Form::*combo;
};
const RuleCombo kRuleCombos[] = {
    {&daylight_saving_rule::begin_day1, &Form::daylight_savings_begin_day1_comboBox},
    {&daylight_saving_rule::begin_day2, &Form::daylight_savings_begin_day2_comboBox},
    {&daylight_saving_rule::end_day1, &Form::daylight_savings_end_day1_comboBox},
    {&daylight_saving_rule::end_day2, &Form::daylight_savings_end_day2_comboBox},
    {&daylight_saving_rule::time_difference, &Form::daylight_savings_time_difference_comboBox},
    {&daylight_saving_rule::begin_month, &Form::daylight_savings_begin_month_comboBox},
    {&daylight_saving_rule::end_month, &Form::daylight_savings_end_month_comboBox},
};

struct RuleTime {
    unsigned char daylight_saving_rule::*hour;
    unsigned char daylight_saving_rule::*minute;
    QTimeEdit* Form::*edit;
};
const RuleTime kRuleTimes[] = {
    {&daylight_saving_rule::begin_hour, &daylight_saving_rule::begin_minute,
     &Form::daylight_savings_begin_time_timeEdit},
    {&daylight_saving_rule::end_hour, &daylight_saving_rule::end_minute,
     &Form::daylight_savings_end_time_timeEdit},
};
} // namespace

ClockPage::ClockPage(const PageContext& context, QObject* parent)
    : PageController(context, parent) {}

QList<QWidget*> ClockPage::pages() const {
    return {ui.clock, ui.daylight_savings};
}

void ClockPage::refresh(QWidget* page) {
    if (page == ui.clock)
        on_read_clock_pushButton_clicked();
    else if (page == ui.daylight_savings)
        on_daylight_savings_read_pushButton_clicked();
}

void ClockPage::show_clock(const QDateTime& when, unsigned char daylight_saving) {
    ui.clock_get_time_dateTimeEdit->setDateTime(when);
    ui.daylight_savings_checkBox->setChecked(daylight_saving != 0);
}

void ClockPage::on_read_clock_pushButton_clicked() {
    CommandScope frame(host);
    if (!frame)
        return;
    QDateTime when;
    unsigned char daylight_saving = 0;
    if (frame.report(monitor->date_time_read(when, &daylight_saving)) == 0)
        show_clock(when, daylight_saving);
}

void ClockPage::write_clock(CommandScope& frame) {
    unsigned char daylight_saving = ui.daylight_savings_checkBox->isChecked() ? 1 : 0;
    QDateTime when = ui.clock_set_time_dateTimeEdit->dateTime();
    if (frame.report(monitor->date_time_write(when, &daylight_saving)) != 0)
        return;
    // What the display took, until the read-back shows its clock.
    show_clock(when, daylight_saving);
    ui.clock_set_time_dateTimeEdit->setDateTime(when);
    if (frame.report(monitor->date_time_read(when, &daylight_saving)) == 0)
        show_clock(when, daylight_saving);
}

void ClockPage::on_set_to_custom_date_pushButton_clicked() {
    CommandScope frame(host);
    if (frame)
        write_clock(frame);
}

void ClockPage::on_set_to_system_date_pushButton_clicked() {
    CommandScope frame(host);
    if (!frame)
        return;
    ui.clock_set_time_dateTimeEdit->setDateTime(QDateTime::currentDateTime());
    write_clock(frame);
}

void ClockPage::on_daylight_savings_enable_checkBox_clicked() {
    CommandScope frame(host);
    if (!frame)
        return;
    ui.daylight_savings_lineEdit->clear();
    int result = 0;
    const unsigned char on = ui.daylight_savings_enable_checkBox->isChecked() ? 1 : 0;
    if (frame.report(monitor->daylight_saving_onoff_write(on, &result)) == 0)
        ui.daylight_savings_lineEdit->setText(reply_status_text(result));
}

daylight_saving_rule ClockPage::daylight_saving_from_ui() const {
    daylight_saving_rule rule;
    for (const RuleCombo& c : kRuleCombos)
        rule.*c.field = static_cast<unsigned char>((ui.*c.combo)->currentData().toInt());
    for (const RuleTime& t : kRuleTimes) {
        const QTime time = (ui.*t.edit)->time();
        rule.*t.hour = static_cast<unsigned char>(time.hour());
        rule.*t.minute = static_cast<unsigned char>(time.minute());
    }
    return rule;
}

void ClockPage::on_daylight_savings_read_pushButton_clicked() {
    CommandScope frame(host);
    if (!frame)
        return;
    ui.daylight_savings_lineEdit->clear();
    daylight_saving_rule rule;
    int result = 0;
    if (frame.report(monitor->daylight_saving_read(&rule, &result)) != 0)
        return;
    for (const RuleCombo& c : kRuleCombos)
        select_by_data(ui.*c.combo, rule.*c.field);
    for (const RuleTime& t : kRuleTimes)
        (ui.*t.edit)->setTime(QTime(rule.*t.hour, rule.*t.minute));
    ui.daylight_savings_lineEdit->setText(reply_status_text(result));
    unsigned char on = 0;
    const int read = frame.report(monitor->daylight_saving_onoff_read(&on, &result));
    if (read == 0 && result == 0)
        ui.daylight_savings_enable_checkBox->setChecked(on != 0);
}

void ClockPage::on_daylight_savings_write_pushButton_clicked() {
    daylight_saving_rule rule = daylight_saving_from_ui();
    CommandScope frame(host);
    if (!frame)
        return;
    ui.daylight_savings_lineEdit->clear();
    int result = 0;
    if (frame.report(monitor->daylight_saving_write(&rule, &result)) == 0)
        ui.daylight_savings_lineEdit->setText(reply_status_text(result));
}

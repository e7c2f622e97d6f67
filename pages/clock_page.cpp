#include "clock_page.h"

#include "basic_monitor.h"
#include "command_scope.h"
#include "page_lists.h"
#include "string_resource.h"

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

constexpr int kWeekdays = 7;
constexpr int kWeeks = 5;
} // namespace

ClockPage::ClockPage(const PageContext& context, QObject* parent)
    : PageController(context, parent) {
    using namespace PageLists;
    const Items months = PageLists::months();
    const Items weeks = resource_range(StringId::Weeks, kWeeks);
    const Items weekdays = resource_range(StringId::Weekdays, kWeekdays);
    fill({
        {ui.daylight_savings_begin_month_comboBox, months},
        {ui.daylight_savings_end_month_comboBox, months},
        {ui.daylight_savings_begin_day1_comboBox, weeks},
        {ui.daylight_savings_end_day1_comboBox, weeks},
        {ui.daylight_savings_begin_day2_comboBox, weekdays},
        {ui.daylight_savings_end_day2_comboBox, weekdays},
        {ui.daylight_savings_time_difference_comboBox,
         {{"+1:00", 0}, {"+0:30", 1}, {"-0:30", 2}, {"-1:00", 3}}},
    });
}

QList<QWidget*> ClockPage::pages() const {
    return {ui.clock, ui.daylight_savings};
}

void ClockPage::refresh(QWidget* page) {
    if (page == ui.clock)
        on_read_clock_pushButton_clicked();
    else if (page == ui.daylight_savings)
        on_daylight_savings_read_pushButton_clicked();
}

QList<QWidget*> ClockPage::read_controls(QWidget* page) const {
    // The clock's flag goes out with a clock set: neither is sent before it was read.
    if (page == ui.clock)
        return {ui.clock_get_time_dateTimeEdit, ui.daylight_savings_checkBox,
                ui.set_to_custom_date_pushButton, ui.set_to_system_date_pushButton};
    if (page == ui.daylight_savings)
        return rule_controls() << ui.daylight_savings_enable_checkBox;
    return {};
}

// The clock's flag goes out with Set, the rule with Write; the daylight-saving switch writes as
// it is clicked.
QList<QWidget*> ClockPage::form_fields() const {
    return rule_fields() << ui.clock_set_time_dateTimeEdit << ui.daylight_savings_checkBox;
}

QList<QLineEdit*> ClockPage::result_lines(QWidget* page) const {
    if (page == ui.daylight_savings)
        return {ui.daylight_savings_lineEdit};
    return {};
}

QList<QWidget*> ClockPage::rule_fields() const {
    QList<QWidget*> fields;
    for (const RuleCombo& c : kRuleCombos)
        fields << ui.*c.combo;
    for (const RuleTime& t : kRuleTimes)
        fields << ui.*t.edit;
    return fields;
}

QList<QWidget*> ClockPage::rule_controls() const {
    return rule_fields() << ui.daylight_savings_write_pushButton;
}

void ClockPage::show_clock(const QDateTime& when, unsigned char daylight_saving) {
    ui.clock_get_time_dateTimeEdit->setDateTime(when);
    ui.daylight_savings_checkBox->setChecked(daylight_saving != 0);
}

void ClockPage::on_read_clock_pushButton_clicked() {
    read_in_frame(ui.clock, [this](CommandScope& frame) {
        QDateTime when;
        unsigned char daylight_saving = 0;
        const int result = frame.report(monitor->date_time_read(when, &daylight_saving));
        PageRead pass(read_controls(ui.clock));
        pass.read(result, read_controls(ui.clock),
                  [this, &when, daylight_saving] { show_clock(when, daylight_saving); });
    });
}

int ClockPage::write_clock(CommandScope& frame) {
    unsigned char daylight_saving = ui.daylight_savings_checkBox->isChecked() ? 1 : 0;
    QDateTime when = ui.clock_set_time_dateTimeEdit->dateTime();
    const int written = frame.report(monitor->date_time_write(when, &daylight_saving));
    if (written != 0)
        return written;
    // What the display took, until the read-back shows its clock.
    show_clock(when, daylight_saving);
    ui.clock_set_time_dateTimeEdit->setDateTime(when);
    if (frame.report(monitor->date_time_read(when, &daylight_saving)) == 0)
        show_clock(when, daylight_saving);
    return written;
}

void ClockPage::on_set_to_custom_date_pushButton_clicked() {
    write_in_frame({ui.daylight_savings_checkBox},
                   [this](CommandScope& frame) { return write_clock(frame); });
}

void ClockPage::on_set_to_system_date_pushButton_clicked() {
    write_in_frame({ui.daylight_savings_checkBox}, [this](CommandScope& frame) {
        ui.clock_set_time_dateTimeEdit->setDateTime(QDateTime::currentDateTime());
        return write_clock(frame);
    });
}

void ClockPage::on_daylight_savings_enable_checkBox_clicked() {
    write_in_frame({ui.daylight_savings_enable_checkBox}, ui.daylight_savings_lineEdit,
                   [this](CommandScope& frame) {
                       int result = 0;
                       const unsigned char on =
                           ui.daylight_savings_enable_checkBox->isChecked() ? 1 : 0;
                       const int written =
                           frame.report(monitor->daylight_saving_onoff_write(on, &result));
                       return show_answer(ui.daylight_savings_lineEdit, written, result);
                   });
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
    QLineEdit* line = ui.daylight_savings_lineEdit;
    read_in_frame(ui.daylight_savings, line, [this, line](CommandScope& frame) {
        PageRead pass(read_controls(ui.daylight_savings));
        daylight_saving_rule rule;
        int rule_status = 0;
        const int read = frame.report(monitor->daylight_saving_read(&rule, &rule_status));
        pass.read(command_result(read, rule_status), rule_controls(), [this, &rule] {
            for (const RuleCombo& c : kRuleCombos)
                select_by_data(ui.*c.combo, rule.*c.field);
            for (const RuleTime& t : kRuleTimes)
                (ui.*t.edit)->setTime(QTime(rule.*t.hour, rule.*t.minute));
        });
        if (read != 0)
            return;
        unsigned char on = 0;
        int switch_status = 0;
        const int switch_read =
            frame.report(monitor->daylight_saving_onoff_read(&on, &switch_status));
        pass.read(command_result(switch_read, switch_status), {ui.daylight_savings_enable_checkBox},
                  [this, on] { ui.daylight_savings_enable_checkBox->setChecked(on != 0); });
        // The line answers for both reads: OK only when both were; a refusal shows its status,
        // a switch that could not be read leaves the line empty, as any read that failed.
        if (rule_status != 0)
            line->setText(reply_status_text(rule_status));
        else if (switch_read == 0)
            line->setText(reply_status_text(switch_status));
    });
}

void ClockPage::on_daylight_savings_write_pushButton_clicked() {
    daylight_saving_rule rule = daylight_saving_from_ui();
    write_in_frame(
        rule_controls(), ui.daylight_savings_lineEdit, [this, &rule](CommandScope& frame) {
            int result = 0;
            const int written = frame.report(monitor->daylight_saving_write(&rule, &result));
            return show_answer(ui.daylight_savings_lineEdit, written, result);
        });
}

#include "schedule_pages.h"

#include "basic_monitor.h"
#include "command_scope.h"
#include "holiday_description.h"
#include "page_lists.h"
#include "result_codes.h"
#include "string_resource.h"

#include <QTime>

namespace {
constexpr unsigned char SwitchOn = 1; // advanced event type; 2 switches off

constexpr int MonthDays = 31;

// What clearing writes into every advanced program: switch on at no time, every
// day, disabled.
schedule_entry cleared_program() {
    schedule_entry e;
    e.type = SwitchOn;
    e.on_hour = NoHour;
    e.on_minute = NoMinute;
    e.flags = ScheduleFlag::EveryDay;
    return e;
}

// What clearing writes into every holiday: a day in every year, month and day.
holiday_entry disabled_holiday() {
    holiday_entry h;
    h.type = HolidayType::Date;
    return h;
}

uint data_of(const QComboBox* combo) {
    return combo->currentData().toUInt();
}

unsigned char byte_of(const QComboBox* combo) {
    return static_cast<unsigned char>(data_of(combo));
}
} // namespace

SchedulePages::SchedulePages(const PageContext& context, QObject* parent)
    : PageController(context, parent) {
    fill_lists();
    // The choices the page starts with, and the widgets they enable.
    ui.advanced_schedule_date_radioButton->setChecked(true);
    on_advanced_schedule_enable_groupBox_toggled(true);
    ui.holiday_day_radioButton->setChecked(true);
    on_holiday_day_radioButton_toggled(true);
    on_holiday_week_radioButton_toggled(false);
    // Any change of the holiday's values describes it again.
    for (QComboBox* combo :
         {ui.holiday_year_comboBox, ui.holiday_month_comboBox, ui.holiday_day_comboBox,
          ui.holiday_week_nth_comboBox, ui.holiday_week_weekday_comboBox,
          ui.holiday_end_day_month_comboBox, ui.holiday_end_day_day_comboBox})
        connect(combo, qOverload<int>(&QComboBox::currentIndexChanged), this,
                &SchedulePages::update_holiday_description);
}

void SchedulePages::fill_lists() {
    using namespace PageLists;
    const Items days = numbered(1, MonthDays);
    fill({
        {ui.advanced_schedule_number_comboBox, numbered(1, AdvancedPrograms, -1),
         Fill::SignalsBlocked},
        {ui.holiday_program_comboBox, numbered(1, Holidays), Fill::SignalsBlocked},
        {ui.advanced_schedule_on_off_type_comboBox, {{"On (1)", 1}, {"Off (2)", 2}}},
        {ui.advanced_schedule_date_year_comboBox, years("Every (100)", 100)},
        {ui.advanced_schedule_date_month_comboBox, Items{{"Every (13)", 13}} + months()},
        {ui.advanced_schedule_date_day_comboBox, Items{{"Every (32)", 32}} + days},
        {ui.holiday_year_comboBox, years("Every (0)", 0)},
        {ui.holiday_month_comboBox, Items{{"Every (0)", 0}} + months()},
        {ui.holiday_day_comboBox, Items{{"Every (0)", 0}} + days},
        {ui.holiday_end_day_day_comboBox, days},
        {ui.holiday_week_nth_comboBox, resource_range(StringId::HolidayWeeks, HolidayWeekNumbers)},
        {ui.holiday_week_weekday_comboBox, weekdays()},
        {ui.holiday_end_day_month_comboBox, months()},
        // Video input string ids with the input codes they stand for.
        {ui.advanced_schedule_input_comboBox,
         resources({{1900, 0},  {1217, 17}, {1218, 18},  {1223, 130}, {1224, 131},
                    {1215, 15}, {1216, 16}, {1221, 128}, {1228, 135}, {1229, 136},
                    {1201, 1},  {1202, 2},  {1203, 3},   {1205, 5},   {1206, 6},
                    {1207, 7},  {1210, 10}, {1212, 12},  {1213, 13},  {1214, 14}})},
        {ui.advanced_schedule_picture_mode_comboBox, schedule_picture_modes()},
    });
}

QList<QWidget*> SchedulePages::pages() const {
    return {ui.advanced_schedule, ui.holiday, ui.weekend};
}

void SchedulePages::refresh(QWidget* page) {
    if (page == ui.advanced_schedule)
        on_advanced_schedule_read_pushButton_clicked();
    else if (page == ui.holiday)
        on_holiday_read_pushButton_clicked();
    else if (page == ui.weekend)
        on_weekend_read_pushButton_clicked();
}

QList<QWidget*> SchedulePages::read_controls(QWidget* page) const {
    if (page == ui.advanced_schedule)
        return {ui.advanced_schedule_enable_checkBox, ui.advanced_schedule_enable_groupBox,
                ui.advanced_schedule_write_pushButton};
    if (page == ui.holiday)
        return holiday_fields() << ui.holiday_description_label << ui.holiday_write_pushButton;
    if (page == ui.weekend)
        return weekend_controls();
    return {};
}

// Every field of the three pages goes out with its page's Write.
QList<QWidget*> SchedulePages::form_fields() const {
    QList<QWidget*> fields = holiday_fields();
    fields << ui.advanced_schedule_enable_checkBox << ui.advanced_schedule_enable_groupBox;
    for (QCheckBox* box : weekend_days())
        fields << box;
    return fields;
}

QList<QLineEdit*> SchedulePages::result_lines(QWidget* page) const {
    if (page == ui.advanced_schedule)
        return {ui.advanced_schedule_status_lineEdit};
    if (page == ui.holiday)
        return {ui.holiday_status_lineEdit};
    if (page == ui.weekend)
        return {ui.weekend_status_lineEdit};
    return {};
}

QList<QWidget*> SchedulePages::holiday_fields() const {
    return {ui.holiday_year_comboBox,          ui.holiday_month_comboBox,
            ui.holiday_day_radioButton,        ui.holiday_day_comboBox,
            ui.holiday_week_radioButton,       ui.holiday_week_nth_comboBox,
            ui.holiday_week_weekday_comboBox,  ui.holiday_end_day_checkBox,
            ui.holiday_end_day_month_comboBox, ui.holiday_end_day_day_comboBox};
}

void SchedulePages::show_unread(QWidget* page) {
    PageController::show_unread(page);
    if (page == ui.advanced_schedule)
        advanced_shown = -1;
    else if (page == ui.holiday)
        holiday_shown = -1;
}

SchedulePages::EntryPage SchedulePages::advanced_page() {
    return {read_controls(ui.advanced_schedule), [this] { advanced_rules(); }, advanced_shown,
            ui.advanced_schedule_number_comboBox->currentData().toInt()};
}

SchedulePages::EntryPage SchedulePages::holiday_page() {
    return {read_controls(ui.holiday), [this] { holiday_rules(); }, holiday_shown,
            int(data_of(ui.holiday_program_comboBox))};
}

void SchedulePages::take_entry(const EntryPage& page, int result, bool written,
                               const std::function<void()>& show) {
    // A write that failed leaves the entry as the user composed it, to be sent again.
    if (written && result != 0)
        return;
    page.shown = result == 0 ? page.selected : -1;
    PageRead pass(page.controls);
    pass.read(result, page.controls, [&] {
        show();
        page.rules();
    });
}

WeekdayBoxes SchedulePages::advanced_days() const {
    return {ui.advanced_schedule_monday_checkBox,    ui.advanced_schedule_tuesday_checkBox,
            ui.advanced_schedule_wednesday_checkBox, ui.advanced_schedule_thursday_checkBox,
            ui.advanced_schedule_friday_checkBox,    ui.advanced_schedule_saturday_checkBox,
            ui.advanced_schedule_sunday_checkBox};
}

WeekdayBoxes SchedulePages::weekend_days() const {
    return {ui.weekend_monday_checkBox,    ui.weekend_tuesday_checkBox,
            ui.weekend_wednesday_checkBox, ui.weekend_thursday_checkBox,
            ui.weekend_friday_checkBox,    ui.weekend_saturday_checkBox,
            ui.weekend_sunday_checkBox};
}

QList<QWidget*> SchedulePages::weekend_controls() const {
    QList<QWidget*> controls{ui.weekend_write_pushButton};
    for (QCheckBox* box : weekend_days())
        controls << box;
    return controls;
}

SchedulePages::DayChoices SchedulePages::day_choices() const {
    return {{{ui.advanced_schedule_every_day_radioButton, ScheduleFlag::EveryDay},
             {ui.advanced_schedule_every_week_radioButton, ScheduleFlag::EveryWeek},
             {ui.advanced_schedule_weekday_radioButton, ScheduleFlag::OnWeekdays},
             {ui.advanced_schedule_weekend_radioButton, ScheduleFlag::OnWeekend},
             {ui.advanced_schedule_holiday_radioButton, ScheduleFlag::OnHolidays},
             {ui.advanced_schedule_date_radioButton, ScheduleFlag::OnDate}}};
}

// Advanced schedule

schedule_entry SchedulePages::advanced_schedule_from_ui() const {
    schedule_entry e;
    if (ui.advanced_schedule_enable_checkBox->isChecked())
        e.flags |= ScheduleFlag::Enabled;
    e.input = byte_of(ui.advanced_schedule_input_comboBox);
    e.picture_mode = byte_of(ui.advanced_schedule_picture_mode_comboBox);
    e.type = byte_of(ui.advanced_schedule_on_off_type_comboBox);
    for (const DayChoice& choice : day_choices())
        if (choice.first->isChecked())
            e.flags |= choice.second;
    e.weekdays = checked_days(advanced_days());
    const QTime time = ui.advanced_schedule_timeEdit->time();
    if (e.type == SwitchOn) {
        e.on_hour = unsigned(time.hour());
        e.on_minute = static_cast<unsigned char>(time.minute());
    } else {
        e.off_hour = unsigned(time.hour());
        e.off_minute = static_cast<unsigned char>(time.minute());
    }
    if (e.flags & ScheduleFlag::OnDate) {
        e.year = byte_of(ui.advanced_schedule_date_year_comboBox);
        e.month = byte_of(ui.advanced_schedule_date_month_comboBox);
        e.day = byte_of(ui.advanced_schedule_date_day_comboBox);
    }
    return e;
}

// The rules below, for values put in with the widgets' signals blocked.
void SchedulePages::advanced_rules() {
    on_advanced_schedule_enable_groupBox_toggled(true);
}

void SchedulePages::show_advanced_schedule(const schedule_entry& e) {
    ui.advanced_schedule_enable_checkBox->setChecked(e.flags & ScheduleFlag::Enabled);
    select_by_data(ui.advanced_schedule_input_comboBox, e.input);
    select_by_data(ui.advanced_schedule_picture_mode_comboBox, e.picture_mode);
    select_by_data(ui.advanced_schedule_on_off_type_comboBox, e.type);
    // The buttons are exclusive: the one whose bit is set stays checked; with
    // none set the choice stays as it was.
    for (const DayChoice& choice : day_choices())
        choice.first->setChecked(e.flags & choice.second);
    check_days(advanced_days(), e.weekdays);
    const QTime time = e.type == SwitchOn ? QTime(int(e.on_hour), e.on_minute)
                                          : QTime(int(e.off_hour), e.off_minute);
    ui.advanced_schedule_timeEdit->setTime(time.isValid() ? time : QTime(0, 0));
    if (e.flags & ScheduleFlag::OnDate) {
        select_by_data(ui.advanced_schedule_date_year_comboBox, e.year);
        select_by_data(ui.advanced_schedule_date_month_comboBox, e.month);
        select_by_data(ui.advanced_schedule_date_day_comboBox, e.day);
    }
}

void SchedulePages::on_advanced_schedule_read_pushButton_clicked() {
    const int program = ui.advanced_schedule_number_comboBox->currentData().toInt();
    read_in_frame(ui.advanced_schedule, ui.advanced_schedule_status_lineEdit,
                  [this, program](CommandScope& frame) {
                      schedule_entry e;
                      const int result = frame.report(monitor->advanced_schedule_read(program, &e));
                      if (result == 0)
                          ui.advanced_schedule_status_lineEdit->setText(reply_status_text(0));
                      take_entry(advanced_page(), result, false,
                                 [this, &e] { show_advanced_schedule(e); });
                  });
}

void SchedulePages::on_advanced_schedule_write_pushButton_clicked() {
    const int program = ui.advanced_schedule_number_comboBox->currentData().toInt();
    write_in_frame(advanced_page().controls, ui.advanced_schedule_status_lineEdit,
                   [this, program](CommandScope& frame) {
                       return write_advanced_schedule(frame, program, advanced_schedule_from_ui());
                   });
}

int SchedulePages::write_advanced_schedule(CommandScope& frame, int program, schedule_entry e) {
    const int result = frame.report(monitor->advanced_schedule_write(program, &e));
    if (result == 0 || result == ResultCode::ReplyError)
        ui.advanced_schedule_status_lineEdit->setText(reply_status_text(result));
    // The program on the page is now what the display took, or still what it held.
    const EntryPage page = advanced_page();
    if (program == page.selected)
        take_entry(page, result, true, [this, &e] { show_advanced_schedule(e); });
    return result;
}

void SchedulePages::clear_all(int question, QLineEdit* status_line, int first, int last,
                              const std::function<int(CommandScope&, int)>& clear_one,
                              const std::function<void()>& read_again) {
    if (!confirm_warning(StringResource(question)))
        return;
    // Emptied first: the answer to an earlier command does not stand for this one.
    status_line->clear();
    {
        CommandScope frame(host);
        if (!frame)
            return;
        for (int n = first; n <= last; ++n)
            if (clear_one(frame, n) != 0)
                return;
    }
    read_again();
}

void SchedulePages::on_advanced_schedule_clear_all_pushButton_clicked() {
    clear_all(
        StringId::ClearAllSchedulesQuestion, ui.advanced_schedule_status_lineEdit, 0,
        AdvancedPrograms - 1,
        [this](CommandScope& frame, int program) {
            return write_advanced_schedule(frame, program, cleared_program());
        },
        [this] { on_advanced_schedule_read_pushButton_clicked(); });
}

void SchedulePages::on_advanced_schedule_number_comboBox_currentIndexChanged(int) {
    on_advanced_schedule_read_pushButton_clicked();
}

void SchedulePages::on_advanced_schedule_date_radioButton_toggled(bool checked) {
    for (QComboBox* combo :
         {ui.advanced_schedule_date_year_comboBox, ui.advanced_schedule_date_month_comboBox,
          ui.advanced_schedule_date_day_comboBox})
        combo->setEnabled(checked);
}

void SchedulePages::on_advanced_schedule_every_week_radioButton_toggled(bool checked) {
    enable_days(advanced_days(), checked);
}

void SchedulePages::on_advanced_schedule_enable_groupBox_toggled(bool on) {
    on_advanced_schedule_date_radioButton_toggled(
        on && ui.advanced_schedule_date_radioButton->isChecked());
    on_advanced_schedule_every_week_radioButton_toggled(
        on && ui.advanced_schedule_every_week_radioButton->isChecked());
}

// Holidays

holiday_entry SchedulePages::holiday_from_ui() const {
    holiday_entry h;
    const bool by_day = ui.holiday_day_radioButton->isChecked();
    // An end day belongs to a day: a holiday by week never carries one.
    if (by_day && ui.holiday_end_day_checkBox->isChecked())
        h.type |= HolidayType::EndDay;
    if (by_day)
        h.type |= HolidayType::Date;
    if (ui.holiday_week_radioButton->isChecked())
        h.type |= HolidayType::Week;
    h.year = int(data_of(ui.holiday_year_comboBox));
    h.month = byte_of(ui.holiday_month_comboBox);
    h.end_month = byte_of(ui.holiday_end_day_month_comboBox);
    h.end_day = byte_of(ui.holiday_end_day_day_comboBox);
    h.day = byte_of(ui.holiday_day_comboBox);
    h.dayofweek = byte_of(ui.holiday_week_weekday_comboBox);
    h.weekofmonth = byte_of(ui.holiday_week_nth_comboBox);
    return h;
}

void SchedulePages::update_holiday_description() {
    const holiday_entry h = holiday_from_ui();
    const QString text = holiday_description(h);
    const bool disabled = holiday_is_disabled(h);
    const bool read = holiday_shown == int(data_of(ui.holiday_program_comboBox));
    ui.holiday_write_pushButton->setEnabled(read && (!text.isEmpty() || disabled));
    if (disabled)
        ui.holiday_description_label->setText(tr("Disabled", "disabled holiday"));
    else if (!text.isEmpty())
        ui.holiday_description_label->setText(text);
    else
        ui.holiday_description_label->setText(tr("Invalid", "invalid holiday"));
}

void SchedulePages::holiday_rules() {
    on_holiday_day_radioButton_toggled(ui.holiday_day_radioButton->isChecked());
    on_holiday_week_radioButton_toggled(ui.holiday_week_radioButton->isChecked());
}

void SchedulePages::show_holiday(const holiday_entry& h) {
    ui.holiday_end_day_checkBox->setChecked(h.type & HolidayType::EndDay);
    ui.holiday_day_radioButton->setChecked(h.type & HolidayType::Date);
    ui.holiday_week_radioButton->setChecked(h.type & HolidayType::Week);
    select_by_data(ui.holiday_year_comboBox, uint(h.year));
    select_by_data(ui.holiday_month_comboBox, h.month);
    if (h.type & HolidayType::Date) {
        select_by_data(ui.holiday_day_comboBox, h.day);
        if (h.type & HolidayType::EndDay) {
            select_by_data(ui.holiday_end_day_month_comboBox, h.end_month);
            select_by_data(ui.holiday_end_day_day_comboBox, h.end_day);
        }
    }
    if (h.type & HolidayType::Week) {
        select_by_data(ui.holiday_week_weekday_comboBox, h.dayofweek);
        select_by_data(ui.holiday_week_nth_comboBox, h.weekofmonth);
    }
}

void SchedulePages::on_holiday_read_pushButton_clicked() {
    const int number = int(data_of(ui.holiday_program_comboBox));
    read_in_frame(ui.holiday, ui.holiday_status_lineEdit, [this, number](CommandScope& frame) {
        int status = 0;
        holiday_entry h;
        const int result =
            frame.report(monitor->holiday_read(static_cast<unsigned char>(number), &status, &h));
        if (result == 0)
            ui.holiday_status_lineEdit->setText(reply_status_text(status));
        take_entry(holiday_page(), result, false, [this, &h] { show_holiday(h); });
    });
}

void SchedulePages::on_holiday_write_pushButton_clicked() {
    const int number = int(data_of(ui.holiday_program_comboBox));
    write_in_frame(holiday_fields() << ui.holiday_write_pushButton, ui.holiday_status_lineEdit,
                   [this, number](CommandScope& frame) {
                       return write_holiday(frame, number, holiday_from_ui());
                   });
}

int SchedulePages::write_holiday(CommandScope& frame, int number, holiday_entry h) {
    int status = 0;
    const int result =
        frame.report(monitor->holiday_write(static_cast<unsigned char>(number), &status, &h));
    if (result == 0)
        ui.holiday_status_lineEdit->setText(reply_status_text(status));
    // The holiday on the page is now what the display took, or still what it held.
    const EntryPage page = holiday_page();
    if (number == page.selected)
        take_entry(page, result, true, [this, &h] { show_holiday(h); });
    return result;
}

void SchedulePages::on_holiday_clear_all_pushButton_clicked() {
    clear_all(
        StringId::ClearAllHolidaysQuestion, ui.holiday_status_lineEdit, 1, Holidays,
        [this](CommandScope& frame, int number) {
            return write_holiday(frame, number, disabled_holiday());
        },
        [this] { on_holiday_read_pushButton_clicked(); });
}

void SchedulePages::on_holiday_program_comboBox_currentIndexChanged(int) {
    on_holiday_read_pushButton_clicked();
}

void SchedulePages::on_holiday_day_radioButton_toggled(bool checked) {
    ui.holiday_end_day_checkBox->setEnabled(checked);
    ui.holiday_day_comboBox->setEnabled(checked);
    on_holiday_end_day_checkBox_toggled(ui.holiday_end_day_checkBox->isChecked());
}

void SchedulePages::on_holiday_end_day_checkBox_toggled(bool checked) {
    const bool enabled = checked && ui.holiday_end_day_checkBox->isEnabled();
    ui.holiday_end_day_month_comboBox->setEnabled(enabled);
    ui.holiday_end_day_day_comboBox->setEnabled(enabled);
    update_holiday_description();
}

void SchedulePages::on_holiday_week_radioButton_toggled(bool checked) {
    ui.holiday_week_nth_comboBox->setEnabled(checked);
    ui.holiday_week_weekday_comboBox->setEnabled(checked);
    update_holiday_description();
}

// Weekend

void SchedulePages::on_weekend_read_pushButton_clicked() {
    read_in_frame(ui.weekend, ui.weekend_status_lineEdit, [this](CommandScope& frame) {
        unsigned char days = 0;
        int status = 0;
        const int result = frame.report(monitor->weekend_read(&days, &status));
        const int took = show_answer(ui.weekend_status_lineEdit, result, status);
        PageRead pass(weekend_controls());
        pass.read(took, weekend_controls(), [this, days] { check_days(weekend_days(), days); });
    });
}

void SchedulePages::on_weekend_write_pushButton_clicked() {
    write_in_frame(weekend_controls(), ui.weekend_status_lineEdit, [this](CommandScope& frame) {
        unsigned char days = checked_days(weekend_days());
        int status = 0;
        const int result = frame.report(monitor->weekend_write(&days, &status));
        const int took = show_answer(ui.weekend_status_lineEdit, result, status);
        // The days the display took.
        if (took == 0)
            check_days(weekend_days(), days);
        return took;
    });
}

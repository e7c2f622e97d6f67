#include "basic_schedule_page.h"

#include "basic_monitor.h"
#include "command_scope.h"
#include "page_lists.h"
#include "result_codes.h"
#include "wait_progress.h"

#include <QCheckBox>
#include <QLocale>
#include <QTimeEdit>

namespace {
constexpr int kPrograms = 7;

// A time edit shows a set time, or midnight and is disabled.
void show_time(QCheckBox* enable, QTimeEdit* edit, unsigned int hour, unsigned char minute) {
    const bool set = scheduleTimeSet(hour, minute);
    enable->setChecked(set);
    edit->setTime(set ? QTime(int(hour), minute) : QTime(0, 0));
    edit->setEnabled(set);
}

// The time of an edit when its box is checked, else no time.
void take_time(const QCheckBox* enable, const QTimeEdit* edit, unsigned int& hour,
               unsigned char& minute) {
    if (enable->isChecked()) {
        hour = unsigned(edit->time().hour());
        minute = static_cast<unsigned char>(edit->time().minute());
    } else {
        hour = NoHour;
        minute = NoMinute;
    }
}
} // namespace

BasicSchedulePage::BasicSchedulePage(const PageContext& context, QObject* parent)
    : PageController(context, parent) {
    using namespace PageLists;
    // Programs are shown from 1 and sent from 0; inputs are string ids with their input codes.
    fill({
        {ui.schedule_number_comboBox, numbered(1, kPrograms, -1)},
        {ui.schedule_input_comboBox,
         resources({{1900, 0},  {1217, 17},  {1218, 18},  {1223, 130}, {1224, 131}, {1215, 15},
                    {1216, 16}, {1221, 128}, {1201, 1},   {1202, 2},   {1203, 3},   {1205, 5},
                    {1206, 6},  {1207, 7},   {1209, 9},   {1210, 10},  {1212, 12},  {1214, 14},
                    {1213, 13}, {1225, 132}, {1226, 133}, {1227, 134}})},
        {ui.schedule_picture_mode_comboBox, schedule_picture_modes()},
    });
    // The user's own way of writing a time; a program keeps no seconds, so none are shown.
    QString format = QLocale::system().timeFormat(QLocale::ShortFormat);
    format.remove(QLatin1String(":ss"));
    for (QTimeEdit* edit : {ui.schedule_on_time_timeEdit, ui.schedule_off_time_timeEdit})
        edit->setDisplayFormat(format);
    connect(ui.schedule_number_comboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &BasicSchedulePage::onSchedule_numer_comboBoxChanged);
}

QList<QWidget*> BasicSchedulePage::pages() const {
    return {ui.schedule};
}

void BasicSchedulePage::refresh(QWidget*) {
    onSchedule_numer_comboBoxChanged(ui.schedule_number_comboBox->currentIndex());
}

WeekdayBoxes BasicSchedulePage::days() const {
    return {ui.schedule_monday_checkBox,    ui.schedule_tuesday_checkBox,
            ui.schedule_wednesday_checkBox, ui.schedule_thursday_checkBox,
            ui.schedule_friday_checkBox,    ui.schedule_saturday_checkBox,
            ui.schedule_sunday_checkBox};
}

QList<QWidget*> BasicSchedulePage::form_fields() const {
    QList<QWidget*> fields{ui.schedule_enable_groupBox,       ui.schedule_on_time_enable_checkBox,
                           ui.schedule_on_time_timeEdit,      ui.schedule_off_time_enable_checkBox,
                           ui.schedule_off_time_timeEdit,     ui.schedule_input_comboBox,
                           ui.schedule_picture_mode_comboBox, ui.schedule_every_day_checkBox,
                           ui.schedule_every_week_checkBox};
    for (QCheckBox* box : days())
        fields << box;
    return fields;
}

void BasicSchedulePage::set_writable(bool writable) {
    ui.schedule_enable_groupBox->setEnabled(writable);
    ui.schedule_update_pushButton->setEnabled(writable);
}

void BasicSchedulePage::show_unread(QWidget*) {
    schedule_entry none;
    none.on_hour = none.off_hour = NoHour;
    none.on_minute = none.off_minute = NoMinute;
    update_schedule_tab(none);
    set_writable(false);
}

void BasicSchedulePage::onSchedule_numer_comboBoxChanged(int index) {
    const int program = ui.schedule_number_comboBox->itemData(index).toInt();
    read_in_frame(ui.schedule, [this, program](CommandScope& frame) {
        schedule_entry entry;
        const int result = monitor->read_schedule(program, &entry);
        // A display that answers with a null message has no such command: nothing to edit.
        ui.schedule_groupBox->setEnabled(result != ResultCode::NullMessage);
        if (result != 0) {
            show_unread(ui.schedule);
            frame.report(result);
            return;
        }
        set_writable(true);
        update_schedule_tab(entry);
    });
}

schedule_entry BasicSchedulePage::page_entry() const {
    schedule_entry entry;
    take_time(ui.schedule_on_time_enable_checkBox, ui.schedule_on_time_timeEdit, entry.on_hour,
              entry.on_minute);
    take_time(ui.schedule_off_time_enable_checkBox, ui.schedule_off_time_timeEdit, entry.off_hour,
              entry.off_minute);
    entry.input = static_cast<unsigned char>(ui.schedule_input_comboBox->currentData().toInt());
    entry.picture_mode =
        static_cast<unsigned char>(ui.schedule_picture_mode_comboBox->currentData().toInt());
    if (ui.schedule_every_day_checkBox->isChecked())
        entry.flags |= ScheduleFlag::EveryDay;
    if (ui.schedule_every_week_checkBox->isChecked())
        entry.flags |= ScheduleFlag::EveryWeek;
    if (ui.schedule_enable_groupBox->isChecked())
        entry.flags |= ScheduleFlag::Enabled;
    // Days count whether or not "Every Day" has disabled their boxes.
    entry.weekdays = checked_days(days());
    return entry;
}

// The program is a form: when the link does not open or the display does not take it, the page
// keeps what the user composed, to be sent again.
void BasicSchedulePage::on_schedule_update_pushButton_clicked() {
    const int program = ui.schedule_number_comboBox->currentData().toInt();
    schedule_entry entry = page_entry();
    LongAction action(host, *monitor, ui.statusBar, QString(), false);
    if (!action)
        return;
    const int result = monitor->write_schedule(program, &entry);
    // The page looks as it did before: only these words say the display took it.
    if (action.finish(result, tr("Schedule %1 written to the display.")
                                  .arg(ui.schedule_number_comboBox->currentText())) == 0)
        update_schedule_tab(entry);
}

void BasicSchedulePage::update_schedule_tab(const schedule_entry& entry) {
    {
        const QSignalBlocker everyDayBlocker(ui.schedule_every_day_checkBox);
        const QSignalBlocker onTimeBlocker(ui.schedule_on_time_enable_checkBox);
        const QSignalBlocker offTimeBlocker(ui.schedule_off_time_enable_checkBox);
        // Checked the other way first, so that the box toggles its content on every refresh.
        ui.schedule_enable_groupBox->setChecked(!(entry.flags & ScheduleFlag::Enabled));
        const bool everyDay = entry.flags & ScheduleFlag::EveryDay;
        ui.schedule_every_day_checkBox->setChecked(everyDay);
        ui.schedule_every_week_checkBox->setChecked(entry.flags & ScheduleFlag::EveryWeek);
        check_days(days(), entry.weekdays);
        select_by_data(ui.schedule_input_comboBox, entry.input);
        select_by_data(ui.schedule_picture_mode_comboBox, entry.picture_mode);
        ui.schedule_every_week_checkBox->setEnabled(!everyDay);
        enable_days(days(), !everyDay);
        show_time(ui.schedule_off_time_enable_checkBox, ui.schedule_off_time_timeEdit,
                  entry.off_hour, entry.off_minute);
        show_time(ui.schedule_on_time_enable_checkBox, ui.schedule_on_time_timeEdit, entry.on_hour,
                  entry.on_minute);
    }
    ui.schedule_enable_groupBox->setChecked(entry.flags & ScheduleFlag::Enabled);
}

void BasicSchedulePage::on_schedule_every_day_checkBox_stateChanged(int state) {
    const bool free = state == Qt::Unchecked;
    ui.schedule_every_week_checkBox->setEnabled(free);
    enable_days(days(), free);
}

void BasicSchedulePage::on_schedule_on_time_enable_checkBox_stateChanged(int state) {
    ui.schedule_on_time_timeEdit->setEnabled(state != Qt::Unchecked);
}

void BasicSchedulePage::on_schedule_off_time_enable_checkBox_stateChanged(int state) {
    ui.schedule_off_time_timeEdit->setEnabled(state != Qt::Unchecked);
}

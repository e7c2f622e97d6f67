#pragma once

#include "display_records.h"
#include "page_controller.h"
#include "weekday_boxes.h"

#include <array>
#include <functional>
#include <utility>

class CommandScope;
class QLineEdit;
class QRadioButton;

// The advanced schedule page (30 one-event programs), the holiday page (50
// entries, with the sentence that describes the entry being edited) and the
// weekend page.
class SchedulePages : public PageController {
    Q_OBJECT

public:
    static constexpr int AdvancedPrograms = 30; // shown from 1, sent from 0
    static constexpr int Holidays = 50;         // shown and sent from 1

    explicit SchedulePages(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;
    void refresh(QWidget* page) override;
    QList<QWidget*> read_controls(QWidget* page) const override;
    QList<QWidget*> form_fields() const override;
    QList<QLineEdit*> result_lines(QWidget* page) const override;
    void show_unread(QWidget* page) override;

    // The advanced program that the page shows.
    schedule_entry advanced_schedule_from_ui() const;
    // The holiday entry that the page shows (without its number).
    holiday_entry holiday_from_ui() const;
    // The description label and the write button follow the holiday being edited.
    void update_holiday_description();

public slots:
    void on_advanced_schedule_read_pushButton_clicked();
    void on_advanced_schedule_write_pushButton_clicked();
    void on_advanced_schedule_clear_all_pushButton_clicked();
    void on_advanced_schedule_number_comboBox_currentIndexChanged(int index);
    void on_advanced_schedule_date_radioButton_toggled(bool checked);
    void on_advanced_schedule_every_week_radioButton_toggled(bool checked);
    void on_advanced_schedule_enable_groupBox_toggled(bool on);

    void on_holiday_read_pushButton_clicked();
    void on_holiday_write_pushButton_clicked();
    void on_holiday_clear_all_pushButton_clicked();
    void on_holiday_program_comboBox_currentIndexChanged(int index);
    void on_holiday_day_radioButton_toggled(bool checked);
    void on_holiday_week_radioButton_toggled(bool checked);
    void on_holiday_end_day_checkBox_toggled(bool checked);

    void on_weekend_read_pushButton_clicked();
    void on_weekend_write_pushButton_clicked();

private:
    void fill_lists();
    // A radio button of the advanced program's days, with its flag.
    using DayChoice = std::pair<QRadioButton*, unsigned char>;
    using DayChoices = std::array<DayChoice, 6>;

    // A page that shows one numbered entry of the display: an advanced program or a holiday.
    struct EntryPage {
        QList<QWidget*> controls;    // what a read fills, Write included
        std::function<void()> rules; // the enabled states and text that follow the values
        int& shown;                  // the number whose entry the page shows; -1: none
        int selected;                // the number chosen now
    };
    EntryPage advanced_page();
    EntryPage holiday_page();
    // The display's answer about the chosen entry, read or written: on success the page shows
    // it (show) and Write may send it back; after a failed read nothing stands for it and Write
    // stays off until a read of that number succeeds; after a failed write the page keeps what
    // the user composed.
    void take_entry(const EntryPage& page, int result, bool written,
                    const std::function<void()>& show);

    DayChoices day_choices() const;
    WeekdayBoxes advanced_days() const;
    WeekdayBoxes weekend_days() const;
    QList<QWidget*> weekend_controls() const;
    QList<QWidget*> holiday_fields() const;
    void show_advanced_schedule(const schedule_entry& e);
    void show_holiday(const holiday_entry& h);
    void advanced_rules();
    void holiday_rules();
    // One write in the frame; the status line shows what the display answered.
    int write_advanced_schedule(CommandScope& frame, int program, schedule_entry e);
    int write_holiday(CommandScope& frame, int number, holiday_entry h);
    // Asks with the question (a string id), then clears the entries first to last in one frame,
    // stopping at the first that fails; when all went through, reads the chosen one again.
    void clear_all(int question, QLineEdit* status_line, int first, int last,
                   const std::function<int(CommandScope&, int)>& clear_one,
                   const std::function<void()>& read_again);

    // The program and holiday whose values the page shows as the display reported them (-1:
    // none), so that Write cannot send values that were not read, nor those of one number
    // under another.
    int advanced_shown = -1;
    int holiday_shown = -1;
};

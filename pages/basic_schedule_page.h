#pragma once

#include "display_records.h"
#include "page_controller.h"
#include "weekday_boxes.h"

// The basic schedule page: one of the display's seven schedule programs, read when the page is
// shown or another program is picked, and written back with Update.
class BasicSchedulePage : public PageController {
    Q_OBJECT

public:
    explicit BasicSchedulePage(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;
    void refresh(QWidget* page) override;
    // After a read that failed nothing of another program may stay on the page, nor be
    // written back as if it had been read: the page shows no program and cannot write one.
    void show_unread(QWidget* page) override;
    QList<QWidget*> form_fields() const override;

    // Shows a program in the page's widgets.
    void update_schedule_tab(const schedule_entry& entry);
    // The program as the page shows it, on a blank record.
    schedule_entry page_entry() const;

public slots:
    void onSchedule_numer_comboBoxChanged(int index);
    void on_schedule_update_pushButton_clicked();
    void on_schedule_every_day_checkBox_stateChanged(int state);
    void on_schedule_on_time_enable_checkBox_stateChanged(int state);
    void on_schedule_off_time_enable_checkBox_stateChanged(int state);

private:
    WeekdayBoxes days() const;
    void set_writable(bool writable);
};

#pragma once

#include "display_records.h"
#include "page_controller.h"

class CommandScope;

// The clock page (the display's clock and its daylight-saving flag, read and
// set) and the daylight-saving page (the rule and its on/off switch).
class ClockPage : public PageController {
    Q_OBJECT

public:
    explicit ClockPage(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;
    void refresh(QWidget* page) override;
    QList<QWidget*> read_controls(QWidget* page) const override;
    QList<QWidget*> form_fields() const override;
    QList<QLineEdit*> result_lines(QWidget* page) const override;

    // The rule that the daylight-saving page shows.
    daylight_saving_rule daylight_saving_from_ui() const;

public slots:
    void on_read_clock_pushButton_clicked();
    void on_set_to_custom_date_pushButton_clicked();
    void on_set_to_system_date_pushButton_clicked();
    void on_daylight_savings_enable_checkBox_clicked();
    void on_daylight_savings_read_pushButton_clicked();
    void on_daylight_savings_write_pushButton_clicked();

private:
    // Sends the date and time of the set field, shows what the display took, and
    // reads the clock back. Returns the write's result.
    int write_clock(CommandScope& frame);
    void show_clock(const QDateTime& when, unsigned char daylight_saving);
    // The rule's fields and Write, which sends them.
    QList<QWidget*> rule_controls() const;
    QList<QWidget*> rule_fields() const;
};

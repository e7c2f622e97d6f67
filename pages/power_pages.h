#pragma once

#include "page_controller.h"

class QSpinBox;
class QWidget;

// The power page (on, off, state, power-on delay) and the power-save page (modes and times).
class PowerPages : public PageController {
    Q_OBJECT

public:
    // Keys of the spin-box queue for the two times, which have writes of their own.
    static constexpr uint PowerSaveTimeKey = 0xFFF0;
    static constexpr uint StandbyTimeKey = 0xFFF1;

    explicit PowerPages(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;
    void refresh(QWidget* page) override;
    QList<QWidget*> read_controls(QWidget* page) const override;
    QList<QLineEdit*> result_lines(QWidget* page) const override;

    // The refreshes, on a connection the caller opened; each returns its first failure.
    int update_power_tab(bool dummy);
    int update_power_save_tab(bool dummy);
    void update_power_status(int value);
    void update_power_on_delay_label(int value);

public slots:
    void on_power_on_pushButton_clicked();
    void on_power_off_pushButton_clicked();
    void on_power_on_delay_horizontalSlider_valueChanged(int value);
    void on_power_save_mode_comboBox_currentIndexChanged(int index);
    void on_power_save_time_spinBox_valueChanged(int value);
    void on_standby_time_spinBox_valueChanged(int value);
    void on_power_saving_mode_enable_radioButton_toggled(bool on);
    void on_power_saving_mode_disable_radioButton_toggled(bool on);
    // The two time writes; the spin-box queue runs them for their keys.
    void power_save_time_write();
    void standby_time_write_pushButton();

private:
    void power_control(unsigned char mode);
    void show_power_saving(uint value);
    void write_power_saving(uint value);
    // Writes the time of one of the two spin boxes.
    void write_time(QSpinBox* spin);
};

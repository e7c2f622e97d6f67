#pragma once

#include "opcodes.h"
#include "page_controller.h"

class QSlider;
class QSpinBox;

// The monitor group page (ten group check boxes) and the cooling-fan page (sensors, speed,
// mode and the sensors' set temperatures).
class GroupFanPages : public PageController {
    Q_OBJECT

public:
    // The op codes of the sensors' set temperatures: writing one re-reads the page.
    static constexpr uint FanSetTemperatures[] = {OpCode::FanSensor1Temperature,
                                                  OpCode::FanSensor2Temperature,
                                                  OpCode::FanSensor3Temperature};

    explicit GroupFanPages(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;
    void refresh(QWidget* page) override;
    QList<QWidget*> read_controls(QWidget* page) const override;

    // The refreshes, on a connection the caller opened; each returns its first failure.
    int update_group_ID_ui();
    int update_cooling_fans_tab(bool dummy);
    // Queues the write of a sensor's set temperature; after it the page is read again.
    void queue_fan_temperature(QSlider* slider, uint opcode);

public slots:
    // Writes the group mask of the ten check boxes.
    void update_monitor_group_ID_from_ui();
    void onCooling_fan_sensor_comboBoxChanged(int index);
    void onCooling_fan_mode_comboBoxChanged(int index);
    void onCooling_fan_speed_comboBoxChanged(int index);

private:
    // A sensor's set temperature: its slider and spin box.
    struct Sensor {
        QSlider* slider;
        QSpinBox* spin;
    };
    QList<QCheckBox*> group_boxes() const;
    // The sensor and speed lists, which stay usable on the dummy interface.
    QList<QWidget*> fan_lists() const;
    // The fan mode and the sensors' set temperatures, which the dummy interface leaves unread.
    QList<QWidget*> fan_controls() const;
    QList<Sensor> sensors() const;
    // Reads fan_controls().
    int read_fan_controls(PageRead& pass);
    // Writes a fan list's choice; with refresh the page is read again on the same connection.
    void write_fan_choice(QComboBox* combo, int index, uint opcode, bool refresh);
};

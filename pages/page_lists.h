#pragma once

#include <QList>
#include <QString>

#include <initializer_list>
#include <utility>

class QComboBox;
class QSlider;
class QSpinBox;

// What the page controllers put into their fixed lists and slider/spin-box pairs. Each
// controller fills its own widgets; the item tables that several pages share are here.
namespace PageLists {

// A list item: its text and the protocol value it stands for, which the combo box carries as
// unsigned int item data.
struct Item {
    QString text;
    int data;
};
using Items = QList<Item>;

enum class Fill {
    Plain,
    SignalsBlocked, // nothing hears the items arrive
    Sorted,         // then sorted by text, ascending
};

// A page's list and its items.
struct List {
    QComboBox* combo;
    Items items;
    Fill how = Fill::Plain;
};

// Appends the items to each list.
void fill(std::initializer_list<List> lists);

// The texts of the string ids, each with its data.
Items resources(std::initializer_list<std::pair<int, int>> id_and_data);
// The texts of string ids id_base + 1 to id_base + last, each with its value n = id - id_base.
Items resource_range(int id_base, int last);
// "first" to "last", each with its number plus data_offset.
Items numbered(int first, int last, int data_offset = 0);
// "January (1)" to "December (12)" in the locale's month names, data 1 to 12.
Items months();
// "Monday (1)" to "Sunday (7)" in the locale's day names, data 1 to 7.
Items weekdays();
// every (with every_data), then "2015" to "2099" with data 15 to 99.
Items years(const QString& every, int every_data);
// Every value label of the op code's definition, in stored order; none without a definition.
Items opcode_labels(uint opcode);
// The video inputs of the definitions.
Items video_inputs();
// The schedules' picture modes: "Last Setting" (0), then those of the definitions.
Items schedule_picture_modes();

// A slider and its spin box show one value: each follows the other, and ControlState's rule
// treats them as one.
void pair(QSlider* slider, QSpinBox* spin);

} // namespace PageLists

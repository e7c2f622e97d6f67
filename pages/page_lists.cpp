#include "page_lists.h"

#include "control_state.h"
#include "controldefinitions.h"
#include "opcodes.h"
#include "program_globals.h"
#include "string_resource.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLocale>
#include <QSlider>
#include <QSpinBox>

namespace {
constexpr int kMonths = 12;
constexpr int kWeekdays = 7;
constexpr int kFirstYear = 15; // 2015
constexpr int kLastYear = 99;  // 2099
constexpr int kCentury = 2000;

// "<name> (<n>)" for n = 1 to count.
PageLists::Items named(int count, QString (QLocale::*name)(int, QLocale::FormatType) const) {
    PageLists::Items items;
    const QLocale locale;
    for (int n = 1; n <= count; ++n)
        items.append(
            {QStringLiteral("%1 (%2)").arg((locale.*name)(n, QLocale::LongFormat)).arg(n), n});
    return items;
}
} // namespace

namespace PageLists {

void fill(std::initializer_list<List> lists) {
    for (const List& list : lists) {
        const QSignalBlocker blocker(list.how == Fill::SignalsBlocked ? list.combo : nullptr);
        for (const Item& i : list.items)
            list.combo->addItem(i.text, uint(i.data));
        if (list.how == Fill::Sorted)
            list.combo->model()->sort(0, Qt::AscendingOrder);
    }
}

Items resources(std::initializer_list<std::pair<int, int>> id_and_data) {
    Items items;
    for (const auto& p : id_and_data)
        items.append({StringResource(p.first), p.second});
    return items;
}

Items resource_range(int id_base, int last) {
    Items items;
    for (int n = 1; n <= last; ++n)
        items.append({StringResource(id_base + n), n});
    return items;
}

Items numbered(int first, int last, int data_offset) {
    Items items;
    for (int n = first; n <= last; ++n)
        items.append({QString::number(n), n + data_offset});
    return items;
}

Items months() {
    return named(kMonths, &QLocale::monthName);
}

Items weekdays() {
    return named(kWeekdays, &QLocale::dayName);
}

Items years(const QString& every, int every_data) {
    Items items{{every, every_data}};
    for (int n = kFirstYear; n <= kLastYear; ++n)
        items.append({QString::number(kCentury + n), n});
    return items;
}

Items opcode_labels(uint opcode) {
    Items items;
    if (const ControlDefinition* d = controlDefinitions().find(int(opcode)))
        for (const ControlValueItem& v : d->items)
            items.append({v.label, v.value});
    return items;
}

Items video_inputs() {
    return opcode_labels(OpCode::VideoInput);
}

Items schedule_picture_modes() {
    return resources({{StringId::LastSetting, 0}}) + opcode_labels(OpCode::PictureMode);
}

void pair(QSlider* slider, QSpinBox* spin) {
    QObject::connect(slider, &QSlider::valueChanged, spin, &QSpinBox::setValue);
    QObject::connect(spin, qOverload<int>(&QSpinBox::valueChanged), slider, &QSlider::setValue);
    ControlState::pair(slider, spin);
}

} // namespace PageLists

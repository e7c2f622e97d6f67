#include "control_state.h"

#include "result_codes.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVariant>

namespace {
// Kept on the widget itself, so that pages and the window share them without an owner.
const char kOwnToolTip[] = "zqvOwnToolTip";
const char kConfirmed[] = "zqvConfirmed";
const char kPartner[] = "zqvPartner";
const char kFormField[] = "zqvFormField";

bool reverting_now = false;

bool isValueWidget(const QWidget* w) {
    if (qobject_cast<const QAbstractSlider*>(w) || qobject_cast<const QSpinBox*>(w) ||
        qobject_cast<const QDoubleSpinBox*>(w) || qobject_cast<const QDateTimeEdit*>(w) ||
        qobject_cast<const QComboBox*>(w))
        return true;
    // A text the user types and the display stores (a name, a channel); not a result line, nor
    // the edit inside a spin box or combo box.
    if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        return !edit->isReadOnly() && !qobject_cast<const QAbstractSpinBox*>(w->parent()) &&
               !qobject_cast<const QComboBox*>(w->parent());
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->isCheckable();
    if (const auto* group = qobject_cast<const QGroupBox*>(w))
        return group->isCheckable();
    return false;
}

QVariant valueOf(const QWidget* w) {
    if (const auto* slider = qobject_cast<const QAbstractSlider*>(w))
        return slider->value();
    if (const auto* spin = qobject_cast<const QSpinBox*>(w))
        return spin->value();
    if (const auto* spin = qobject_cast<const QDoubleSpinBox*>(w))
        return spin->value();
    if (const auto* edit = qobject_cast<const QDateTimeEdit*>(w))
        return edit->dateTime();
    if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(w))
        return combo->currentIndex();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->isChecked();
    if (const auto* group = qobject_cast<const QGroupBox*>(w))
        return group->isChecked();
    return {};
}

// Sets a button's tick as given, also unticking the last radio button of its group (its
// parent's or a button group's).
void setTick(QAbstractButton* button, bool checked) {
    QButtonGroup* group = button->group();
    const bool groupExclusive = group && group->exclusive();
    if (groupExclusive)
        group->setExclusive(false);
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(exclusive);
    if (groupExclusive)
        group->setExclusive(true);
}

void setValue(QWidget* w, const QVariant& value) {
    if (auto* slider = qobject_cast<QAbstractSlider*>(w)) {
        slider->setValue(value.toInt());
        return;
    }
    if (auto* spin = qobject_cast<QSpinBox*>(w)) {
        spin->setValue(value.toInt());
        return;
    }
    const QSignalBlocker blocker(w);
    if (auto* spin = qobject_cast<QDoubleSpinBox*>(w))
        spin->setValue(value.toDouble());
    else if (auto* edit = qobject_cast<QDateTimeEdit*>(w))
        edit->setDateTime(value.toDateTime());
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(value.toString());
    else if (auto* combo = qobject_cast<QComboBox*>(w))
        combo->setCurrentIndex(value.toInt());
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        setTick(button, value.toBool());
    else if (auto* group = qobject_cast<QGroupBox*>(w))
        group->setChecked(value.toBool());
}

// Nothing read: no text, nothing confirmed, and no tick unless the control stays usable or is
// a form field that keeps what the user entered (keep_form).
void clearState(QWidget* control, bool keep_enabled, bool keep_form = false) {
    const auto kept = [keep_form](const QWidget* w) {
        return keep_form && ControlState::is_form_field(w);
    };
    if (auto* label = qobject_cast<QLabel*>(control))
        label->clear();
    else if (auto* edit = qobject_cast<QLineEdit*>(control); edit && !kept(edit))
        edit->clear();
    for (QWidget* w : ControlState::value_widgets(control)) {
        w->setProperty(kConfirmed, QVariant());
        if (keep_enabled || kept(w))
            continue;
        const QSignalBlocker blocker(w);
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            setTick(button, false);
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            group->setChecked(false);
    }
}

// The controls with the partners they are paired with.
QList<QWidget*> withPartners(const QList<QWidget*>& controls) {
    QList<QWidget*> all = controls;
    for (QWidget* control : controls) {
        auto* partner = control->property(kPartner).value<QWidget*>();
        if (partner && !all.contains(partner))
            all << partner;
    }
    return all;
}

void setToolTip(QWidget* control, bool unsupported) {
    if (!control->property(kOwnToolTip).isValid())
        control->setProperty(kOwnToolTip, control->toolTip());
    control->setToolTip(unsupported ? ControlState::unsupported_tip()
                                    : control->property(kOwnToolTip).toString());
}

void declareKind(const QList<QWidget*>& controls, bool form) {
    for (QWidget* control : withPartners(controls)) {
        // The control itself as well: a line edit that is read-only until read is still one.
        control->setProperty(kFormField, form);
        for (QWidget* w : ControlState::value_widgets(control))
            w->setProperty(kFormField, form);
    }
}

// A result on its controls as a read takes it; keep_form: form fields keep their values.
void applyResult(int result, const QList<QWidget*>& controls, bool keep_enabled, bool keep_form) {
    for (QWidget* control : withPartners(controls)) {
        const bool unsupported = result == ResultCode::Unsupported && !keep_enabled;
        control->setEnabled(result == 0 || keep_enabled);
        setToolTip(control, unsupported);
        if (result != 0)
            clearState(control, keep_enabled, keep_form);
    }
}
} // namespace

namespace ControlState {

QString unsupported_tip() {
    return QObject::tr("Not supported by this display.");
}

int status_code(int result) {
    return result == ResultCode::Unsupported ? 0 : result;
}

QList<QWidget*> value_widgets(QWidget* control) {
    if (isValueWidget(control))
        return {control};
    QList<QWidget*> found;
    for (QWidget* child : control->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        found += value_widgets(child);
    return found;
}

void pair(QWidget* a, QWidget* b) {
    a->setProperty(kPartner, QVariant::fromValue(b));
    b->setProperty(kPartner, QVariant::fromValue(a));
}

void declare_form(const QList<QWidget*>& controls) {
    declareKind(controls, true);
}

void declare_live(const QList<QWidget*>& controls) {
    declareKind(controls, false);
}

bool is_form_field(const QWidget* w) {
    return w->property(kFormField).toBool();
}

void apply_read(int result, const QList<QWidget*>& controls, bool keep_enabled) {
    applyResult(result, controls, keep_enabled, false);
}

void show_unread(const QList<QWidget*>& controls, bool keep_enabled) {
    for (QWidget* control : withPartners(controls)) {
        control->setEnabled(keep_enabled);
        setToolTip(control, false);
        clearState(control, keep_enabled);
    }
}

void confirm(const QList<QWidget*>& controls) {
    for (QWidget* control : withPartners(controls))
        for (QWidget* w : value_widgets(control))
            w->setProperty(kConfirmed, valueOf(w));
}

void revert(const QList<QWidget*>& controls) {
    const bool outer = reverting_now;
    reverting_now = true;
    for (QWidget* control : withPartners(controls))
        for (QWidget* w : value_widgets(control)) {
            const QVariant value = w->property(kConfirmed);
            if (value.isValid() && !is_form_field(w))
                setValue(w, value);
        }
    reverting_now = outer;
}

int apply_write(int result, const QList<QWidget*>& controls) {
    if (result == 0) {
        confirm(controls);
        return 0;
    }
    revert(controls);
    if (result == ResultCode::Unsupported)
        applyResult(result, controls, false, true);
    return status_code(result);
}

bool reverting() {
    return reverting_now;
}

} // namespace ControlState

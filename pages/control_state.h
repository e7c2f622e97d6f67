#pragma once

#include <QList>
#include <QString>

class QWidget;

// What a control shows is what the display said: a value the display reported in this
// refresh, or one the user has just set and is about to send. The one rule for every page and
// for the window's write path:
// - A read (or a write with its read-back) that succeeded enables its controls with their own
//   tool tips, and what they then show becomes their confirmed value.
// - Unsupported (-1027): the controls are disabled with the tool tip "Not supported by this
//   display."; nothing goes to the status bar (status_code gives 0 for it).
// - Any other failure of a read, and a read that never took place (a refresh that ended early
//   or could not open the link): disabled with their own tool tips, values kept greyed only as
//   a hint, no tick in a check box or radio button, labels and line edits emptied, nothing
//   confirmed any more.
// - A failed write (or one whose link did not open) depends on the kind of control:
//   - live (every control unless declared otherwise) writes as it changes: it goes back to
//     its confirmed value;
//   - a form field is sent with others by a button (Write, Set, Update, Save, Lock): it keeps
//     what the user entered, so that the next press sends it again. Only a read replaces it.
//   Either way nothing is confirmed.
// With keep_enabled (a page that stays usable on the dummy interface) failed controls stay
// enabled and keep their ticks, but nothing is confirmed.
//
// A control is a value widget (slider, spin box, date or time edit, combo box, checkable button
// or group box, a line edit the user types into), a label or read-only line edit that shows a
// value, or a container that stands for the value widgets inside it (a group of check boxes or
// radio buttons). A push button among the controls only follows the enabled state: an action
// that sends what the page shows is off while the page shows nothing read.
namespace ControlState {

QString unsupported_tip();
// The result as the status bar shows it: unsupported is said on the control, not there.
int status_code(int result);
// Applies a read's result to its controls; on success the caller then shows the values and
// calls confirm.
void apply_read(int result, const QList<QWidget*>& controls, bool keep_enabled = false);
// The controls were not read: shown as after a failed read.
void show_unread(const QList<QWidget*>& controls, bool keep_enabled = false);
// Declares the value widgets that the controls stand for as form fields (see above).
void declare_form(const QList<QWidget*>& controls);
// Declares them live again: for a page whose kinds follow a setting of its own.
void declare_live(const QList<QWidget*>& controls);
bool is_form_field(const QWidget* w);
// Records what the controls show now as the display's confirmed values.
void confirm(const QList<QWidget*>& controls);
// Two controls that show one value (a slider and its spin box): what the rule does to one it
// does to the other.
void pair(QWidget* a, QWidget* b);
// Puts the confirmed values back; a control without one, and a form field, keeps what it
// shows. Choices (combo boxes, check boxes, radio buttons, group boxes, double spin boxes, date
// and time edits, line edits) are set with their signals blocked; sliders and spin boxes move
// with theirs, so that their partners and labels follow, while reverting() keeps the
// write-behind from taking the move as a change.
void revert(const QList<QWidget*>& controls);
// A write's result on its controls, once any read-back is shown: success confirms them,
// failure reverts the live ones, unsupported also disables them as a read would (a form field
// keeps its value). Returns status_code(result).
int apply_write(int result, const QList<QWidget*>& controls);
// True while revert moves sliders and spin boxes.
bool reverting();
// The value widgets that a control stands for.
QList<QWidget*> value_widgets(QWidget* control);

} // namespace ControlState

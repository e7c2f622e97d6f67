#pragma once

#include <QStringList>

class QObject;

// Connects each slot of receiver named on_<object>_<signal> to the signal of that name of the
// object below root (or root itself) of that object name, as Qt does for a window's own
// slots. Returns the slots that found no such object or no compatible signal, as
// "Class::slot(args)"; each one is also warned about.
QStringList bind_slots_by_name(QObject* receiver, QObject* root);

#pragma once

#include "log_line_formatter.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class basic_monitor;

// The one sink of the communications log: the monitor's traffic and comments, and the
// window's own error lines, are formatted here and appended to the log window, each at its
// level. A line that the log would not show is not built.
class CommunicationsLog : public QObject {
    Q_OBJECT

public:
    // dummy_interface: whether the dummy link is the chosen interface (it never answers, so its
    // missing replies are not logged).
    CommunicationsLog(LogLineFormatter::ControlNameLookup control_name,
                      std::function<bool()> dummy_interface, QObject* parent = nullptr);

    // Connects the monitor's two log signals here.
    void observe(basic_monitor* monitor);
    // A line of the kinds of LogKinds.
    void traffic(const QList<unsigned char>& bytes, int type);
    void comment(const QString& text, int type);
    // A failure of the window's own, shown at every level.
    void failure(const QString& text);
    // While set, the window keeps painting after each logged message.
    void set_process_events(bool on) { process_events = on; }
    // While cleared, nothing is logged (nobody will see the log).
    void set_kept(bool on) { kept = on; }

private:
    bool keeps() const;

    LogLineFormatter formatter;
    std::function<bool()> dummy_interface;
    bool process_events = false;
    bool kept = true;
};

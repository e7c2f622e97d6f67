#include "communications_log.h"

#include "basic_monitor.h"
#include "lm_information_dialog.h"
#include "program_globals.h"

#include <QCoreApplication>

namespace {
// The longest the log lets the event loop run after a message.
constexpr int kProcessEventsMs = 1000;
} // namespace

CommunicationsLog::CommunicationsLog(LogLineFormatter::ControlNameLookup control_name,
                                     std::function<bool()> dummy_interface, QObject* parent)
    : QObject(parent), formatter(std::move(control_name)),
      dummy_interface(std::move(dummy_interface)) {}

bool CommunicationsLog::keeps() const {
    return kept && g_information_dialog;
}

void CommunicationsLog::observe(basic_monitor* monitor) {
    connect(monitor, &basic_monitor::transfer_data_out, this, &CommunicationsLog::traffic);
    connect(monitor, &basic_monitor::comment_text_out, this, &CommunicationsLog::comment);
}

void CommunicationsLog::comment(const QString& text, int type) {
    // Lines that the log would drop (decoding detail while it is not shown) are not built.
    if (!keeps() || !g_information_dialog->shows(LogLineFormatter::commentLevel(type)))
        return;
    const LogLine line = formatter.comment(text, type);
    g_information_dialog->append(line.html, line.level);
}

void CommunicationsLog::traffic(const QList<unsigned char>& bytes, int type) {
    if (!keeps())
        return;
    const LogLine line = formatter.traffic(bytes, type, dummy_interface && dummy_interface());
    if (line.level < 0)
        return;
    g_information_dialog->append(line.html, line.level);
    // A message that is no whole frame (a plain-text command, a cut-off reply) has no table.
    if (LogLineFormatter::hasFrameTable(type) &&
        g_information_dialog->shows(LogLineFormatter::DecodingLevel)) {
        const QString table = LogLineFormatter::bytes_to_html_table(bytes);
        if (!table.isEmpty())
            g_information_dialog->append(table, LogLineFormatter::DecodingLevel);
    }
    if (process_events)
        QCoreApplication::processEvents(QEventLoop::AllEvents, kProcessEventsMs);
}

void CommunicationsLog::failure(const QString& text) {
    if (!keeps())
        return;
    const LogLine line = LogLineFormatter::failure(text);
    g_information_dialog->append(line.html, line.level);
}

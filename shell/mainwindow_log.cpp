// The window's side of the communications log: protocol signals become coloured lines.
#include "zetqvtoolmainwindow.h"

#include "lm_information_dialog.h"
#include "program_globals.h"

void ZETQVToolMainWindow::log_comment(const QString& text, int type) {
    comment_text_in(text, type);
}

bool ZETQVToolMainWindow::keeps_log() const {
    // An unattended run closes the program at its end, log unseen: standard error has its
    // failures, and a long run would only fill memory with lines.
    return g_information_dialog && !unattended;
}

void ZETQVToolMainWindow::comment_text_in(QString comment_string, int type) {
    // Lines that the log would drop (decoding detail while it is not shown) are not built.
    if (!keeps_log() || !g_information_dialog->shows(LogLineFormatter::commentLevel(type)))
        return;
    const LogLine line = log_formatter.comment(comment_string, type);
    g_information_dialog->append(line.html, line.level);
}

void ZETQVToolMainWindow::transfer_data_in(QList<unsigned char> output_buffer, int type) {
    if (!keeps_log())
        return;
    const LogLine line = log_formatter.traffic(output_buffer, type, interface_info().isDummy());
    if (line.level < 0)
        return;
    g_information_dialog->append(line.html, line.level);
    // A message that is no whole frame (a plain-text command, a cut-off reply) has no table.
    if ((type == 1 || type == 2) && g_information_dialog->shows(1)) {
        const QString table = LogLineFormatter::bytes_to_html_table(output_buffer);
        if (!table.isEmpty())
            g_information_dialog->append(table, 1);
    }
    if (process_events_while_logging)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1000);
}

void ZETQVToolMainWindow::show_information_dialog() {
    if (!g_information_dialog)
        return;
    if (g_information_dialog->isVisible()) {
        g_information_dialog->close();
    } else {
        g_information_dialog->show();
        g_information_dialog->activateWindow();
    }
}

void ZETQVToolMainWindow::itemMenuAboutToShow() {
    ui.action_Information_Window->setChecked(g_information_dialog &&
                                             g_information_dialog->isVisible());
}

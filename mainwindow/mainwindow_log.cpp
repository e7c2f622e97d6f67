// The window's side of the communications log: its menu entry, and the slots that hand lines
// to the log's sink.
#include "zetqvtoolmainwindow.h"

#include "lm_information_dialog.h"
#include "program_globals.h"

void ZETQVToolMainWindow::comment_text_in(QString comment_string, int type) {
    communications_log.comment(comment_string, type);
}

void ZETQVToolMainWindow::transfer_data_in(QList<unsigned char> output_buffer, int type) {
    communications_log.traffic(output_buffer, type);
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

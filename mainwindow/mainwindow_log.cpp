// The window's side of the communications log: its menu entry.
#include "zetqvtoolmainwindow.h"

#include "lm_information_dialog.h"
#include "program_globals.h"

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

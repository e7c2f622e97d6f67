#pragma once

#include <QProgressDialog>

// Makes a long page operation's progress dialog window-modal over the main window, titled with
// its title and without the context-help button, at value 0, and shows it.
void show_progress_dialog(QProgressDialog& dialog, QWidget* window);

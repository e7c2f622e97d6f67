#include "progress_dialog.h"

void show_progress_dialog(QProgressDialog& dialog, QWidget* window) {
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setWindowTitle(window->windowTitle());
    dialog.setValue(0);
    dialog.setWindowFlags(dialog.windowFlags() & ~Qt::WindowContextHelpButtonHint);
    dialog.show();
}

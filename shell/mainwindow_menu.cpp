// The File and Help menu actions that do not talk to a display.
#include "zetqvtoolmainwindow.h"

#include "check_for_software_updates.h"
#include "controldefinitions.h"
#include "lm_about_dialog.h"
#include "page_set.h"
#include "program_globals.h"
#include "string_resource.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

void ZETQVToolMainWindow::on_actionAbout_triggered() {
    LM_About_Dialog dialog(this);
    dialog.exec();
}

void ZETQVToolMainWindow::on_actionCheck_for_updates_triggered() {
    if (!update_checker) {
        update_checker = new checkForSoftwareUpdates(this);
        connect(update_checker, &checkForSoftwareUpdates::completion_message, this,
                &ZETQVToolMainWindow::check_for_update_reply);
    }
    update_checker->execute(checkForSoftwareUpdates::programInitInfo());
}

void ZETQVToolMainWindow::check_for_update_reply(QString message, int) {
    showMessageBox(this, message, MessageIcon::Information);
}

void ZETQVToolMainWindow::on_actionUser_s_Guide_triggered() {
    const QString guide =
        QCoreApplication::applicationDirPath() + QStringLiteral("/Users Guide.pdf");
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(guide)))
        showMessageBox(this,
                       tr("Unable to open Help file.<br><br>Unable to find the file, or the system "
                          "does not recognize the .pdf file extension."),
                       MessageIcon::Critical);
}

void ZETQVToolMainWindow::on_actionOpen_triggered() {
    QFileDialog dialog(this, tr("Open control definitions file"), QString(),
                       tr("Text files (*.txt)"));
    dialog.setViewMode(QFileDialog::Detail);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    int line = 0;
    // A bad file leaves the definitions that were working in place.
    const int result = controlDefinitions().load(dialog.selectedFiles().first(), &line);
    if (result == 0) {
        page_set->definitions_loaded();
        return;
    }
    const QString text = line > 0
                             ? QStringLiteral("Parse error %1 at line %2").arg(result).arg(line)
                             : QStringLiteral("Parse error %1").arg(result);
    showMessageBox(this, text, MessageIcon::Critical);
}

void ZETQVToolMainWindow::on_actionExit_triggered() {
    close();
}

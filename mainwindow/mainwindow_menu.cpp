// The File and Help menu actions that do not talk to a display.
#include "zetqvtoolmainwindow.h"

#include "check_for_software_updates.h"
#include "controldefinitions.h"
#include "lm_about_dialog.h"
#include "page_set.h"
#include "program_globals.h"
#include "result_codes.h"
#include "string_resource.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
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

namespace {
// Why a definitions file was not taken, by the store's result.
QString definitionsRefusal(int result) {
    switch (result) {
    case ResultCode::FileOpenFailed:
        return QObject::tr("the file cannot be opened for reading");
    case ControlDefinitions::NoDefinitions:
        return QObject::tr("no line of it defines an op code; it is not a definitions file");
    case ControlDefinitions::OpcodeNotHex:
        return QObject::tr("the op code is not a hexadecimal number");
    case ControlDefinitions::OpcodeOutOfRange:
        return QObject::tr("the op code is above %1").arg(ControlDefinitions::MaxOpcode, 0, 16);
    case ControlDefinitions::TooFewFields:
        return QObject::tr("a value set needs at least one value and its label");
    case ControlDefinitions::BadValue:
        return QObject::tr("a value of the value set is not a decimal number");
    default:
        return QObject::tr("it could not be read");
    }
}
} // namespace

void ZETQVToolMainWindow::on_actionOpen_triggered() {
    QFileDialog dialog(this, tr("Open control definitions file"), QString(),
                       tr("Text files (*.txt)"));
    dialog.setViewMode(QFileDialog::Detail);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    int line = 0;
    // A file that is not taken leaves the definitions that were working in place.
    const int result = controlDefinitions().load(path, &line);
    if (result == 0) {
        page_set->definitions_loaded();
        return;
    }
    QString where = definitionsRefusal(result) + QLatin1Char('.');
    if (line > 0)
        where = tr("Line %1: %2").arg(line).arg(where);
    else
        where[0] = where[0].toUpper();
    const QString code = line > 0
                             ? QStringLiteral("Parse error %1 at line %2").arg(result).arg(line)
                             : QStringLiteral("Parse error %1").arg(result);
    showMessageBox(
        this,
        tr("The op-code definitions file was not taken; the definitions in use stay.")
                .toHtmlEscaped() +
            QStringLiteral("<br><br><b>%1</b><br>%2 (%3)")
                .arg(QDir::toNativeSeparators(path).toHtmlEscaped(), where.toHtmlEscaped(), code),
        MessageIcon::Critical);
}

void ZETQVToolMainWindow::on_actionExit_triggered() {
    close();
}

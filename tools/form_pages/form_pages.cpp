// Saves a PNG of every page of the main window's form, and of the shell's dialogs, for review:
//   form_pages [output folder]
// Runs offscreen unless a platform is chosen with QT_QPA_PLATFORM.
#include "check_for_software_updates.h"
#include "cprojectorbrowsedlg.h"
#include "string_resource.h"
#include "zetqvtoolmainwindow_ui.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QScrollArea>
#include <QTextStream>

namespace {
bool save(QWidget* widget, const QString& file) {
    if (widget->grab().save(file))
        return true;
    QTextStream(stderr) << "cannot write " << file << "\n";
    return false;
}

bool show_and_save(QWidget* widget, const QString& file) {
    widget->show();
    QApplication::processEvents();
    return save(widget, file);
}

// The LAN browse dialog, offered two made-up adapters so that no search starts by itself, and
// the update check's answer for a newer release with two changes.
bool saveDialogs(const QString& folder) {
    const QHostAddress mask(QStringLiteral("255.255.255.0"));
    CProjectorBrowseDlg browse(
        nullptr, CProjectorBrowseDlg::ModeDisplays,
        {{QStringLiteral("Ethernet"), QHostAddress(QStringLiteral("192.0.2.5")), mask,
          QHostAddress(QStringLiteral("192.0.2.255"))},
         {QStringLiteral("Wi-Fi"), QHostAddress(QStringLiteral("198.51.100.7")), mask,
          QHostAddress(QStringLiteral("198.51.100.255"))}},
        QHostAddress(QHostAddress::LocalHost));
    update_check_result answer;
    updateResultFor(parseUpdateInformation("PLATFORM=WINDOWS\nBUILD=180200\nVERSION=1.5.00.0\n"
                                           "URL=https://updates.example/qvtools/setup.exe\n"
                                           "README=https://updates.example/qvtools/readme.html\n"
                                           "CHANGES=180150=Display lists remember serial ports\n"
                                           "CHANGES=180200=Faster LAN search\n"),
                    checkForSoftwareUpdates::programInitInfo(), &answer);
    QMessageBox box(QMessageBox::Information, StringResource(1), answer.message, QMessageBox::Ok);
    return show_and_save(&browse, QDir(folder).filePath(QStringLiteral("dialog_browse.png"))) &&
           show_and_save(&box,
                         QDir(folder).filePath(QStringLiteral("dialog_update_available.png")));
}
} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("form_pages");
    if (!QDir().mkpath(folder)) {
        QTextStream(stderr) << "cannot create " << folder << "\n";
        return 1;
    }

    QMainWindow window;
    Ui::ZETQVToolMainWindowClass ui;
    ui.setupUi(&window);
    window.show();
    for (int i = 0; i < ui.stackedWidget->count(); ++i) {
        QWidget* page = ui.stackedWidget->widget(i);
        ui.stackedWidget->setCurrentIndex(i);
        ui.main_groupBox->setTitle(page->objectName());
        QApplication::processEvents();
        const QString file = QDir(folder).filePath(
            QStringLiteral("page_%1_%2.png").arg(i, 2, 10, QChar('0')).arg(page->objectName()));
        // A page wider or taller than its room makes the window grow past 941 x 990.
        QTextStream(stdout) << file << ": size hint " << page->sizeHint().width() << " x "
                            << page->sizeHint().height() << ", window " << window.width() << " x "
                            << window.height() << "\n";
        if (!save(&window, file))
            return 1;
        // What a scroll area hides below its edge is saved whole beside the page.
        if (auto* area = page->findChild<QScrollArea*>())
            if (!save(area->widget(), QString(file).replace(".png", "_content.png")))
                return 1;
    }
    QTextStream(stdout) << ui.stackedWidget->count() << " pages saved in " << folder << "\n";
    return saveDialogs(folder) ? 0 : 1;
}

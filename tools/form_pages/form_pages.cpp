// Saves a PNG of every page of the main window's form, for review:
//   form_pages [output folder]
// Runs offscreen unless a platform is chosen with QT_QPA_PLATFORM.
#include "zetqvtoolmainwindow_ui.h"

#include <QApplication>
#include <QDir>
#include <QScrollArea>
#include <QTextStream>

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

    const auto save = [](QWidget* widget, const QString& file) {
        if (widget->grab().save(file))
            return true;
        QTextStream(stderr) << "cannot write " << file << "\n";
        return false;
    };

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
    return 0;
}

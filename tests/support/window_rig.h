#pragma once

// For tests that link the main window: a window whose interface points at a fake display, and
// the test-wide set-up that such tests share.

#include "basic_monitor.h"
#include "display_model.h"
#include "fake_display.h"
#include "lm_communications_interface_configure_widget.h"
#include "monitor_rig.h"
#include "page_set.h"
#include "pause_recorder.h"
#include "program_globals.h"
#include "qvcommprotocol_retry.h"
#include "zetqvtoolmainwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidgetItemIterator>

#include <functional>

inline monitor_data lanInterface(const QString& address, int id = 1) {
    monitor_data d;
    d.communicationsInterfaceType = InterfaceType::Lan;
    d.m_monitor_id = 0x40 + id;
    d.m_monitor_id_string = QString::number(id);
    d.s_communicationsInterfacePortName = address;
    return d;
}

inline monitor_data dummyInterface() {
    monitor_data d;
    d.communicationsInterfaceType = InterfaceType::Dummy;
    d.m_monitor_id = 0x41;
    d.m_monitor_id_string = QStringLiteral("1");
    return d;
}

// Whether each widget's enabled state is what its digit of the mask says ("101": the first and
// the third enabled); names the first widget that is not.
inline QString enabledMismatch(const QList<QWidget*>& widgets, const QString& mask) {
    for (int i = 0; i < widgets.size(); ++i)
        if (widgets[i]->isEnabled() != (mask.at(i) == QLatin1Char('1')))
            return widgets[i]->objectName();
    return QString();
}

// A fake display on its own loopback address and a window whose interface points at it.
struct WindowRig {
    FakeDisplay fake;
    DisplayModel model;
    ZETQVToolMainWindow w;
    explicit WindowRig(const char* address) : fake(FakeDisplay::Link::Tcp, QLatin1String(address)) {
        fake.setHandler(model.handler());
        w.ui.communications_interface_widget->set_interface_info(lanInterface(fake.address()));
    }
    template <class Controller> Controller& page() { return *w.pages().find<Controller>(); }
    // For looking at a page after a test has filled it: with ZQV_SHOTS naming a folder, saves
    // the window as <folder>/<name>.png; otherwise does nothing.
    void saveShot(const QString& name) { saveShotOf(w, name); }
    static void saveShotOf(ZETQVToolMainWindow& w, const QString& name) {
        const QString folder = qEnvironmentVariable("ZQV_SHOTS");
        if (folder.isEmpty() || !QDir().mkpath(folder))
            return;
        // The title the navigation tree gives the page shown.
        for (const ZETQVToolMainWindow::PagePath& p : ZETQVToolMainWindow::pagePaths())
            if (p.page == w.ui.stackedWidget->currentIndex() && p.path)
                w.ui.main_groupBox->setTitle(QString::fromLatin1(p.path)
                                                 .section(QLatin1Char('/'), -1)
                                                 .replace(QLatin1Char('&'), QLatin1String("&&")));
        w.resize(941, 990);
        w.show();
        QApplication::processEvents();
        w.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
    }
    // What the display saw from request `from` on, one line each: "get 0010", "set 0010=5"
    // (as EventLog describes them), or the message type and whole body of any other command.
    QStringList seen(int from = 0) const {
        QStringList lines;
        const QList<QByteArray> all = fake.requests();
        for (int i = from; i < all.size(); ++i) {
            const char type = FakeDisplay::typeOf(all[i]);
            lines << (type == 'C' || type == 'E'
                          ? EventLog::describe(all[i])
                          : QLatin1Char(type) + QString::fromLatin1(FakeDisplay::bodyOf(all[i])));
        }
        return lines;
    }
    // The same for a dialog of the window, as it stands.
    static void saveShot(QWidget* dialog, const QString& name) {
        const QString folder = qEnvironmentVariable("ZQV_SHOTS");
        if (!folder.isEmpty() && QDir().mkpath(folder))
            dialog->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
    }
    // Shows the page as its item in the navigation tree does, title and refresh included; a
    // page without an item is shown under the given title.
    void showPage(int page, const QString& title = QString()) {
        for (QTreeWidgetItemIterator it(w.ui.treeWidget); *it; ++it)
            if ((*it)->data(0, Qt::UserRole).toInt() == page) {
                w.ui.treeWidget->setCurrentItem(*it);
                w.changePage(*it, nullptr);
                return;
            }
        w.ui.main_groupBox->setTitle(title);
        w.ui.stackedWidget->setCurrentIndex(page);
    }
    // The message bodies of the requests so far, in order.
    QList<QByteArray> bodies() const {
        QList<QByteArray> out;
        for (const QByteArray& r : fake.requests())
            out << FakeDisplay::bodyOf(r);
        return out;
    }
    // The requests that set an op code, by its four hex digits.
    int setRequests(const QByteArray& opcodeDigits) const {
        int n = 0;
        for (const QByteArray& r : fake.requests())
            if (FakeDisplay::typeOf(r) == 'E' && FakeDisplay::bodyOf(r).startsWith(opcodeDigits))
                ++n;
        return n;
    }
};

// Runs act on the next modal dialog of class Dialog as soon as it shows (a modal dialog would
// block the test).
template <class Dialog> void whenModal(std::function<void(Dialog*)> act) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(dialog);
        }
    });
    poll->start();
}

// What every window test needs once: settings in a folder of its own (cleared before each
// test), the program's names, the one monitor object, and a closer of modal message boxes
// that keeps their texts, since a modal box would block the test. A box is closed without an
// answer unless the test queued one for it.
class WindowTestEnvironment : public QObject {
public:
    // The button to press in the next message box, and what to do just before pressing it.
    struct Answer {
        QMessageBox::StandardButton button;
        std::function<void()> before = {};
    };

    // protocol: the engine of the window's monitor (null: the program's own).
    explicit WindowTestEnvironment(QVCommProtocol_retry* protocol = nullptr) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
        QCoreApplication::setOrganizationName(QStringLiteral("ZET DISPLAY SOLUTIONS"));
        QCoreApplication::setApplicationName(QStringLiteral("ZET QV Comms Tool"));
        if (!g_basic_monitor)
            g_basic_monitor = new basic_monitor(this, protocol);
        connect(&boxCloser, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            boxTexts << box->text();
            if (answers.isEmpty()) {
                box->done(0);
                return;
            }
            const Answer answer = answers.takeFirst();
            if (answer.before)
                answer.before();
            box->button(answer.button)->click();
        });
        boxCloser.start(20);
    }
    bool isValid() const { return settingsDir.isValid(); }
    void reset() {
        QSettings().clear();
        boxTexts.clear();
        answers.clear();
    }

    QStringList boxTexts;  // texts of the modal boxes that were shown and closed
    QList<Answer> answers; // for the next boxes, in turn

private:
    QTemporaryDir settingsDir;
    QTimer boxCloser;
};

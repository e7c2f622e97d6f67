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
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QProgressDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidgetItemIterator>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>

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

// After a read that failed or never took place: the first widget of the page that still shows
// a value as if the display had reported it: a tick, an enabled list, spin box, slider or date
// or time edit, or a text. Left out, with what they hold: the widgets that pick what to read or
// send (a number, a password, a value to set) and a line that shows the display's answer.
inline QString unreadShownAsCurrent(QWidget* page, const QList<QWidget*>& inputs = {}) {
    auto picked = [&inputs](QWidget* w) {
        for (QWidget* input : inputs)
            if (w == input || input->isAncestorOf(w))
                return true;
        return false;
    };
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (picked(w) || qobject_cast<QAbstractSpinBox*>(w->parentWidget()) ||
            qobject_cast<QComboBox*>(w->parentWidget()))
            continue;
        const auto* button = qobject_cast<QAbstractButton*>(w);
        const auto* group = qobject_cast<QGroupBox*>(w);
        const auto* edit = qobject_cast<QLineEdit*>(w);
        const auto* label = qobject_cast<QLabel*>(w);
        const bool ticked = (button && button->isCheckable() && button->isChecked()) ||
                            (group && group->isCheckable() && group->isChecked());
        const bool value = qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                           qobject_cast<QAbstractSlider*>(w) || (edit && !edit->text().isEmpty());
        // A label names a control; one that shows a value is named for it.
        const bool shown = label && label->objectName().contains(QLatin1String("_label")) &&
                           !label->text().isEmpty();
        if (ticked || ((value || shown) && w->isEnabled()))
            return w->objectName();
    }
    return QString();
}

// Whether the status bar's text is what a table row expects: empty for nothing, "*" for any
// error, otherwise its end (such as "(-5002)"); returns the text when it is not.
inline QString statusMismatch(const QString& shown, const QString& expected) {
    const bool matches = expected.isEmpty()               ? shown.isEmpty()
                         : expected == QLatin1String("*") ? !shown.isEmpty()
                                                          : shown.endsWith(expected);
    return matches ? QString() : QStringLiteral("status bar: \"%1\"").arg(shown);
}

// How a button's write fails: its link does not open, the display does not answer, or it
// refuses.
enum class WriteFault { LinkDown, NoReply, Refused };
Q_DECLARE_METATYPE(WriteFault)

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
    // After `answered` more requests the display answers nothing and drops each connection at
    // once: a display switched off in the middle of a refresh.
    void stopAnsweringAfter(int answered) {
        auto left = std::make_shared<std::atomic<int>>(answered);
        fake.setHandler([this, left](const QByteArray& request) {
            if (left->fetch_sub(1) > 0)
                return model.answer(request);
            FakeReply gone;
            gone.closeAfter = 0;
            return gone;
        });
    }
    // Makes the window's next writes fail as fault says. The link goes to unanswered, an address
    // of the test on which nothing listens; a refusing display answers each request whose body
    // starts with prefix with refusal(body), and every other as the model does.
    void failWrites(WriteFault fault, const QString& unanswered, const QByteArray& prefix,
                    const std::function<QByteArray(const QByteArray&)>& refusal) {
        switch (fault) {
        case WriteFault::LinkDown:
            w.ui.communications_interface_widget->set_interface_info(lanInterface(unanswered));
            break;
        case WriteFault::NoReply:
            fake.setHandler([](const QByteArray&) { return FakeReply::silence(); });
            break;
        case WriteFault::Refused:
            fake.setHandler([this, prefix, refusal](const QByteArray& request) {
                const QByteArray body = FakeDisplay::bodyOf(request);
                if (!body.startsWith(prefix))
                    return model.answer(request);
                FakeReply reply;
                reply.bytes =
                    FakeDisplay::frame(char(FakeDisplay::typeOf(request) + 1), refusal(body));
                return reply;
            });
            break;
        }
    }
    // The display answers again, on the window's own link.
    void answerAgain() {
        w.ui.communications_interface_widget->set_interface_info(lanInterface(fake.address()));
        fake.setHandler(model.handler());
    }
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
    // Reads the page shown again while the display stays silent, then while it answers: the
    // first thing that is not as it should be, empty when all is. Silent, nothing on the page
    // may look read (unreadShownAsCurrent, leaving out inputs), no sender (a button that sends
    // what the page shows) may be enabled, and the status bar names the missing reply;
    // answering, something looks read, every sender is enabled and the status bar is clear.
    QString silentReadFault(const QList<QWidget*>& inputs, const QList<QWidget*>& senders) {
        QWidget* page = w.ui.stackedWidget->currentWidget();
        auto fault = [&](bool silent) -> QString {
            if (silent)
                fake.setHandler([](const QByteArray&) { return FakeReply::silence(); });
            else
                fake.setHandler(model.handler());
            w.on_reload_settings_pushButton_clicked();
            const QString looksRead = unreadShownAsCurrent(page, inputs);
            if (looksRead.isEmpty() != silent)
                return silent ? looksRead + QStringLiteral(" looks read")
                              : QStringLiteral("nothing looks read");
            for (QWidget* sender : senders)
                if (sender->isEnabled() == silent)
                    return sender->objectName() + QStringLiteral(" enabled: ") +
                           QString::number(sender->isEnabled());
            const QString message = w.ui.statusBar->currentMessage();
            if (message.endsWith(QStringLiteral("(-3003)")) != silent)
                return QStringLiteral("status bar: ") + message;
            return QString();
        };
        QString found = fault(true);
        if (found.isEmpty()) {
            saveShot(QStringLiteral("unread_") + page->objectName());
            found = fault(false);
        }
        return found;
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

// What the first progress dialog shown while the object lives showed: its label and each
// value its bar took, checked to rise to its maximum. With a name, the dialog is saved as a
// picture (ZQV_SHOTS). It is caught as it shows, whether or not events are processed after.
class ShownProgress : public QObject {
public:
    explicit ShownProgress(const QString& shot = QString()) : shot(shot) {
        qApp->installEventFilter(this);
    }
    ~ShownProgress() override { qApp->removeEventFilter(this); }
    // The steps shown: the maximum when the bar rose to it step by step, else -1.
    int steps() const {
        const bool rose = values.size() > 1 && std::is_sorted(values.begin(), values.end()) &&
                          values.last() == maximum;
        return rose ? maximum : -1;
    }
    QString label; // empty while no dialog showed
    QList<int> values;
    int maximum = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* d = qobject_cast<QProgressDialog*>(watched);
        if (!d || event->type() != QEvent::Show || !label.isEmpty())
            return false;
        label = d->labelText();
        auto* bar = d->findChild<QProgressBar*>();
        values << bar->value();
        maximum = bar->maximum();
        connect(bar, &QProgressBar::valueChanged, this, [this, bar](int value) {
            values << value;
            maximum = bar->maximum();
        });
        if (!shot.isEmpty())
            WindowRig::saveShot(d, shot);
        return false;
    }

private:
    QString shot;
};

// The pauses as the monitor takes them from its engine: each in slices of at most
// WaitSliceMs.
inline QList<int> sliced(const QList<int>& pauses) {
    QList<int> slices;
    for (int ms : pauses)
        for (int left = ms; left > 0; left -= QVCommProtocol::WaitSliceMs)
            slices << std::min(left, int(QVCommProtocol::WaitSliceMs));
    return slices;
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

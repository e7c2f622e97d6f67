#include "display_families.h"
#include "input_name_page.h"
#include "transfer_display.h"
#include "window_rig.h"

#include <QtTest>

// Loopback addresses 127.0.16.40 to 127.0.16.49 and 127.0.27.40 to 127.0.27.49 belong to this
// test.

namespace {
QList<QByteArray> bodies(const FakeDisplay& fake) {
    return TransferDisplay::bodies(fake.requests());
}

// A designated-terminal read answered with the given result value and name.
DisplayModel::CommandHandler terminalReply(const char* result, const QByteArray& name) {
    return [result, name](const QByteArray& body) {
        return "CB0403" + QByteArray(result) + body.mid(6, 2) + DisplayModel::hexText(name);
    };
}

// A form of the two pages: a security form's box and password, or a name form's field; the
// button that sends it and the line that shows the display's answer.
struct Form {
    int page = 0;
    QCheckBox* box = nullptr;
    QLineEdit* password = nullptr;
    QLineEdit* name = nullptr;
    QAbstractButton* send = nullptr;
    QLineEdit* line = nullptr;
};

Form formOf(Ui::ZETQVToolMainWindowClass& ui, const QString& form) {
    if (form == QLatin1String("write"))
        return {21,      ui.security_enable_checkBox,  ui.security_password_lineEdit,
                nullptr, ui.security_write_pushButton, ui.security_status_lineEdit};
    if (form == QLatin1String("lock"))
        return {21,      ui.security_enable_checkBox,         ui.security_password_lineEdit,
                nullptr, ui.security_lock_control_pushButton, ui.security_status_lineEdit};
    if (form == QLatin1String("module"))
        return {21,
                ui.compute_module_setting_lock_enable_checkBox,
                ui.compute_module_setting_lock_passcode_lineEdit,
                nullptr,
                ui.compute_module_setting_lock_pushButton,
                ui.compute_module_setting_lock_status_lineEdit};
    if (form == QLatin1String("name"))
        return {22,
                nullptr,
                nullptr,
                ui.inputname_name_lineEdit,
                ui.inputname_write_pushButton,
                ui.inputname_status_lineEdit};
    return {22,
            nullptr,
            nullptr,
            ui.inputname_name_designated_terminal_name_lineEdit,
            ui.inputname_name_designated_terminal_write_pushButton,
            ui.inputname_name_designated_terminal_status_lineEdit};
}
} // namespace

class SecurityInputPagesTest : public QObject {
    Q_OBJECT

    WindowTestEnvironment env;

private slots:
    void initTestCase() { QVERIFY(env.isValid()); }
    void init() { env.reset(); }

    // The display knows the password 1234 and is locked; each button sends the field's password
    // in its command's form, and the page shows the display's answer.
    void securityCommands_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("enable");
        QTest::addColumn<QByteArray>("wire"); // empty: nothing is sent
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("enableAfter");
        QTest::newRow("enable") << "write"
                                << "1234" << true << QByteArray("CA0C0101003331333233333334")
                                << "0 (OK)" << true;
        QTest::newRow("enable, wrong password")
            << "write"
            << "4739" << true << QByteArray("CA0C0101003334333733333339") << "1 (Error)" << true;
        QTest::newRow("unlock") << "lock"
                                << "1234" << false << QByteArray("C21D0001020304") << "0 (OK)"
                                << false;
        // A refusal changed nothing on the display: the box keeps the user's choice, not the
        // state in the refusing reply.
        QTest::newRow("unlock, wrong password")
            << "lock"
            << "4739" << false << QByteArray("C21D0004070309") << "1 (Error)" << false;
        QTest::newRow("compute module")
            << "module"
            << "1234" << true << QByteArray("CA1B0101020304") << "0 (OK)" << true;
        QTest::newRow("compute module, wrong passcode")
            << "module"
            << "4739" << true << QByteArray("CA1B0104070309") << "1 (Error)" << true;
        QTest::newRow("three digits") << "write"
                                      << "473" << true << QByteArray() << "" << true;
        QTest::newRow("no digits") << "module"
                                   << "" << false << QByteArray() << "" << false;
    }
    void securityCommands() {
        QFETCH(QString, button);
        QFETCH(QString, password);
        QFETCH(bool, enable);
        QFETCH(QByteArray, wire);
        QFETCH(QString, status);
        QFETCH(bool, enableAfter);
        WindowRig rig("127.0.16.40");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.password = "1234";
        families.locked = 1;
        const bool module = button == QLatin1String("module");
        QCheckBox* box = module ? w.ui.compute_module_setting_lock_enable_checkBox
                                : w.ui.security_enable_checkBox;
        QLineEdit* field = module ? w.ui.compute_module_setting_lock_passcode_lineEdit
                                  : w.ui.security_password_lineEdit;
        QLineEdit* line = module ? w.ui.compute_module_setting_lock_status_lineEdit
                                 : w.ui.security_status_lineEdit;
        box->setChecked(enable);
        field->setText(password);
        QAbstractButton* press = button == QLatin1String("write") ? w.ui.security_write_pushButton
                                 : module ? w.ui.compute_module_setting_lock_pushButton
                                          : w.ui.security_lock_control_pushButton;
        press->click();
        QCOMPARE(bodies(fake), wire.isEmpty() ? QList<QByteArray>() : QList<QByteArray>{wire});
        QCOMPARE(line->text(), status);
        QCOMPARE(box->isChecked(), enableAfter);
        // A refused password is the display's answer, not a failure; a short one is refused here
        // and the status bar says what to enter.
        QCOMPARE(w.ui.statusBar->currentMessage(),
                 wire.isEmpty() ? QStringLiteral("The password must be 4 digits. (-2105)")
                                : QString());
    }

    void securityRead() {
        WindowRig rig("127.0.16.41");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.securityEnabled = 1;
        w.ui.security_status_lineEdit->setText(QStringLiteral("0 (OK)"));
        w.ui.stackedWidget->setCurrentIndex(21);
        QCOMPARE(bodies(fake), QList<QByteArray>{"CA0C02"});
        QVERIFY(w.ui.security_enable_checkBox->isChecked());
        QCOMPARE(w.ui.security_status_lineEdit->text(), QString());
        rig.saveShot(QStringLiteral("security"));
        w.ui.security_password_lineEdit->setText(QStringLiteral("47"));
        w.ui.security_write_pushButton->click();
        rig.saveShot(QStringLiteral("security_short_password"));
    }

    // The user's own story: the display reports security off; the user ticks Enable and
    // writes with a wrong password, then with the right one.
    void securityEnableAfterWrongPassword() {
        WindowRig rig("127.0.16.44");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.password = "1234";
        w.ui.stackedWidget->setCurrentIndex(21);
        QCheckBox* box = w.ui.security_enable_checkBox;
        QVERIFY(!box->isChecked());
        box->setChecked(true);
        w.ui.security_password_lineEdit->setText(QStringLiteral("4739"));
        w.ui.security_write_pushButton->click();
        QCOMPARE(w.ui.security_status_lineEdit->text(), QStringLiteral("1 (Error)"));
        QVERIFY(box->isChecked());
        QCOMPARE(int(families.securityEnabled), 0);
        rig.saveShot(QStringLiteral("security_refused_keeps_enable"));
        w.ui.security_password_lineEdit->setText(QStringLiteral("1234"));
        w.ui.security_write_pushButton->click();
        QCOMPARE(bodies(fake).last(), QByteArray("CA0C0101003331333233333334"));
        QCOMPARE(w.ui.security_status_lineEdit->text(), QStringLiteral("0 (OK)"));
        QVERIFY(box->isChecked());
        QCOMPARE(int(families.securityEnabled), 1);
    }

    // The user's story of a refused lock: security is on, a Lock Control with a wrong password
    // is refused with a reply that carries lock state 0, and a Write with the right password
    // then keeps security on.
    void refusedLockThenWriteKeepsSecurityOn() {
        WindowRig rig("127.0.16.46");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.password = "4739";
        families.securityEnabled = 1;
        families.locked = 0;
        w.ui.stackedWidget->setCurrentIndex(21);
        QCheckBox* box = w.ui.security_enable_checkBox;
        QVERIFY(box->isChecked());
        w.ui.security_password_lineEdit->setText(QStringLiteral("1111"));
        w.ui.security_lock_control_pushButton->click();
        QCOMPARE(bodies(fake).last(), QByteArray("C21D0101010101"));
        QCOMPARE(w.ui.security_status_lineEdit->text(), QStringLiteral("1 (Error)"));
        QVERIFY(box->isChecked());
        rig.saveShot(QStringLiteral("security_refused_lock_keeps_enable"));
        w.ui.security_password_lineEdit->setText(QStringLiteral("4739"));
        w.ui.security_write_pushButton->click();
        QCOMPARE(bodies(fake).last(), QByteArray("CA0C0101003334333733333339"));
        QCOMPARE(w.ui.security_status_lineEdit->text(), QStringLiteral("0 (OK)"));
        QCOMPARE(int(families.securityEnabled), 1);
        // Accepted, a lock shows the state the display reports.
        box->setChecked(false);
        w.ui.security_lock_control_pushButton->click();
        QCOMPARE(w.ui.security_status_lineEdit->text(), QStringLiteral("0 (OK)"));
        QVERIFY(!box->isChecked());
        model.addCommand('A', "C21D", [](const QByteArray&) { return QByteArray("C31D0001"); });
        w.ui.security_lock_control_pushButton->click();
        QCOMPARE(w.ui.security_status_lineEdit->text(), QStringLiteral("0 (OK)"));
        QVERIFY(box->isChecked());
    }

    // Input refused before anything is sent (a password that is not four digits, a name that
    // Latin-1 cannot hold) leaves no answer to an earlier press beside it.
    void refusedInputLeavesNoEarlierAnswer_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("input");
        QTest::newRow("write, short password") << "write" << QStringLiteral("473");
        QTest::newRow("lock, short password") << "lock" << QStringLiteral("47");
        QTest::newRow("module, no passcode") << "module" << QString();
        QTest::newRow("name outside Latin-1") << "name" << QStringLiteral("Lobby \u20AC");
        QTest::newRow("terminal name outside Latin-1")
            << "terminal" << QStringLiteral("Stage \u0151");
    }
    void refusedInputLeavesNoEarlierAnswer() {
        QFETCH(QString, form);
        QFETCH(QString, input);
        WindowRig rig("127.0.16.47");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.password = "1234";
        const Form f = formOf(w.ui, form);
        w.ui.stackedWidget->setCurrentIndex(f.page);
        // An answer to the press before.
        if (f.password)
            f.password->setText(QStringLiteral("1234"));
        else
            f.name->setText(QStringLiteral("Lobby"));
        f.send->click();
        QCOMPARE(f.line->text(), QStringLiteral("0 (OK)"));
        fake.clearRequests();
        (f.password ? f.password : f.name)->setText(input);
        f.send->click();
        QVERIFY(bodies(fake).isEmpty());
        QCOMPARE(f.line->text(), QString());
        QCOMPARE(statusMismatch(w.ui.statusBar->currentMessage(), "(-2105)"), QString());
    }

    // A form's press that fails keeps what the user entered (the security box after Write, and
    // after a lock command that got no answer or was refused: the state in a refusing reply is
    // not the display's), the failure shows as before, and the next press, the display
    // answering, sends the form as it stands. Each form was read first (the module's lock by a lock
    // command), so that its entry differs from what the display last reported.
    void failedWriteKeepsTheForm_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("fault"); // link (does not open), silent, refused
        // The form's status line after the failed press: emptied, also when the link does not
        // open, so that the answer to the press before does not stand for this one.
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("bar"); // as statusMismatch takes it
        QTest::addColumn<bool>("kept");   // false: the box shows the display's state (off)
        QTest::addColumn<QByteArray>("next");
        const QByteArray enable("CA0C0101003331333233333334");
        const QByteArray name = "CA0401" + DisplayModel::hexText("Foyer");
        const QByteArray terminal = "CA040411" + DisplayModel::hexText("Stage");
        QTest::newRow("write, link") << "write"
                                     << "link"
                                     << ""
                                     << "(-3005)" << true << enable;
        QTest::newRow("write, silent") << "write"
                                       << "silent"
                                       << ""
                                       << "(-3003)" << true << enable;
        QTest::newRow("write, refused") << "write"
                                        << "refused"
                                        << "1 (Error)"
                                        << "" << true << enable;
        QTest::newRow("lock, link") << "lock"
                                    << "link"
                                    << ""
                                    << "(-3005)" << true << QByteArray("C21D0101020304");
        QTest::newRow("lock, silent") << "lock"
                                      << "silent"
                                      << ""
                                      << "(-3003)" << true << QByteArray("C21D0101020304");
        QTest::newRow("lock, refused") << "lock"
                                       << "refused"
                                       << "1 (Error)"
                                       << "" << true << QByteArray("C21D0101020304");
        QTest::newRow("module, link") << "module"
                                      << "link"
                                      << ""
                                      << "(-3005)" << true << QByteArray("CA1B0101020304");
        QTest::newRow("module, silent") << "module"
                                        << "silent"
                                        << ""
                                        << "(-3003)" << true << QByteArray("CA1B0101020304");
        QTest::newRow("module, refused") << "module"
                                         << "refused"
                                         << "1 (Error)"
                                         << "" << true << QByteArray("CA1B0101020304");
        QTest::newRow("name, link") << "name"
                                    << "link"
                                    << ""
                                    << "(-3005)" << true << name;
        QTest::newRow("name, silent") << "name"
                                      << "silent"
                                      << ""
                                      << "(-3003)" << true << name;
        QTest::newRow("name, refused") << "name"
                                       << "refused"
                                       << "1 (Error)"
                                       << "" << true << name;
        QTest::newRow("terminal, link") << "terminal"
                                        << "link"
                                        << ""
                                        << "(-3005)" << true << terminal;
        QTest::newRow("terminal, silent") << "terminal"
                                          << "silent"
                                          << ""
                                          << "(-3003)" << true << terminal;
        QTest::newRow("terminal, refused") << "terminal"
                                           << "refused"
                                           << "1 (Error)"
                                           << "" << true << terminal;
    }
    void failedWriteKeepsTheForm() {
        QFETCH(QString, form);
        QFETCH(QString, fault);
        QFETCH(QString, line);
        QFETCH(QString, bar);
        QFETCH(bool, kept);
        QFETCH(QByteArray, next);
        WindowRig rig("127.0.16.45");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.password = "1234";
        families.inputName = "Blu-ray";
        families.terminalNames[17] = "Camera 2";
        const Form f = formOf(w.ui, form);
        w.ui.stackedWidget->setCurrentIndex(f.page);
        if (form == QLatin1String("module")) {
            f.password->setText(QStringLiteral("1234"));
            f.send->click();
            QCOMPARE(f.line->text(), QStringLiteral("0 (OK)"));
        } else if (form == QLatin1String("terminal")) {
            QComboBox* input = w.ui.inputname_name_designated_terminal_input_comboBox;
            input->setCurrentIndex(input->findData(17u));
            w.ui.inputname_name_designated_terminal_read_pushButton->click();
            QCOMPARE(f.name->text(), QStringLiteral("Camera 2"));
        }
        const bool refused = fault == QLatin1String("refused");
        const QString entered =
            form == QLatin1String("name") ? QStringLiteral("Foyer") : QStringLiteral("Stage");
        if (f.box) {
            QVERIFY(!f.box->isChecked());
            f.box->setChecked(true);
            f.password->setText(refused ? QStringLiteral("4739") : QStringLiteral("1234"));
        } else {
            f.name->setText(entered);
        }
        const QByteArray nameWrite = form == QLatin1String("name") ? "CA0401" : "CA0404";
        auto nameReply = [&rig, nameWrite](const char* result) {
            rig.model.addCommand('A', nameWrite, [nameWrite, result](const QByteArray&) {
                return "CB04" + nameWrite.mid(4) + result;
            });
        };
        if (fault == QLatin1String("link"))
            w.ui.communications_interface_widget->set_interface_info(lanInterface("127.0.16.49"));
        else if (fault == QLatin1String("silent"))
            fake.setHandler([](const QByteArray&) { return FakeReply::silence(); });
        else if (!f.box)
            nameReply("01");

        f.send->click();
        if (f.box)
            QCOMPARE(f.box->isChecked(), kept);
        else
            QCOMPARE(f.name->text(), entered);
        QVERIFY(f.send->isEnabled());
        QCOMPARE(f.line->text(), line);
        QCOMPARE(statusMismatch(w.ui.statusBar->currentMessage(), bar), QString());
        QCOMPARE(env.boxTexts.size(), fault == QLatin1String("link") ? 1 : 0);

        if (fault == QLatin1String("link"))
            w.ui.communications_interface_widget->set_interface_info(lanInterface(fake.address()));
        else if (fault == QLatin1String("silent"))
            fake.setHandler(model.handler());
        else if (f.box)
            f.password->setText(QStringLiteral("1234"));
        else
            nameReply("00");
        fake.clearRequests();
        f.send->click();
        QCOMPARE(bodies(fake), QList<QByteArray>{next});
        QCOMPARE(f.line->text(), QStringLiteral("0 (OK)"));
    }

    // Showing a page against a display that stops answering leaves nothing that looks read,
    // and no Write or Lock Control that would send the state or name that was not read; what
    // the page never read (the module's lock, a terminal's name) shows nothing from before.
    void failedReadLeavesNothingShown_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("senders");
        QTest::addColumn<QStringList>("inputs");
        QTest::newRow("security") << 21
                                  << QStringList{"security_write_pushButton",
                                                 "security_lock_control_pushButton"}
                                  << QStringList{"security_password_lineEdit",
                                                 "compute_module_setting_lock_passcode_lineEdit"};
        QTest::newRow("input names")
            << 22 << QStringList{"inputname_write_pushButton"}
            << QStringList{"inputname_name_designated_terminal_input_comboBox"};
    }
    void failedReadLeavesNothingShown() {
        QFETCH(int, page);
        QFETCH(QStringList, senders);
        QFETCH(QStringList, inputs);
        WindowRig rig("127.0.27.40");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.securityEnabled = 1;
        families.inputName = "Blu-ray";
        w.ui.compute_module_setting_lock_enable_checkBox->setChecked(true);
        w.ui.inputname_name_designated_terminal_name_lineEdit->setText(QStringLiteral("Camera 2"));
        QList<QWidget*> fields, buttons;
        for (const QString& name : inputs)
            fields << w.findChild<QWidget*>(name);
        for (const QString& name : senders)
            buttons << w.findChild<QPushButton*>(name);
        rig.showPage(page);
        QCOMPARE(rig.silentReadFault(fields, buttons), QString());
    }

    void currentInputName() {
        WindowRig rig("127.0.16.42");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.inputName = "Blu-ray";
        w.ui.stackedWidget->setCurrentIndex(22);
        QCOMPARE(bodies(fake), QList<QByteArray>{"CA0400"});
        QCOMPARE(w.ui.inputname_name_lineEdit->text(), QStringLiteral("Blu-ray"));
        QCOMPARE(w.ui.inputname_status_lineEdit->text(), QString());
        // A name in Latin-1 reaches the display byte for byte.
        w.ui.inputname_name_lineEdit->setText(QStringLiteral("Caf\u00E9 \u00BD"));
        w.ui.inputname_write_pushButton->click();
        QCOMPARE(bodies(fake).last(), "CA0401" + DisplayModel::hexText("Caf\xE9 \xBD"));
        QCOMPARE(families.inputName, QByteArray("Caf\xE9 \xBD"));
        QCOMPARE(w.ui.inputname_status_lineEdit->text(), QStringLiteral("0 (OK)"));
        // One with a character beyond Latin-1 is refused, naming it, and nothing is sent.
        fake.clearRequests();
        w.ui.inputname_name_lineEdit->setText(QStringLiteral("Hall \u263A"));
        w.ui.inputname_write_pushButton->click();
        QVERIFY(bodies(fake).isEmpty());
        QCOMPARE(w.ui.statusBar->currentMessage(),
                 QStringLiteral("The input name holds \"\u263A\" (U+263A), a character that "
                                "Latin-1, the displays' character set, does not have. Nothing was "
                                "sent. (-2105)"));
        QCOMPARE(families.inputName, QByteArray("Caf\xE9 \xBD"));
        // A reset is followed by a read of the name the display uses now.
        fake.clearRequests();
        w.ui.inputname_reset_pushButton->click();
        QCOMPARE(bodies(fake), QList<QByteArray>({"CA0402", "CA0400"}));
        QCOMPARE(w.ui.inputname_name_lineEdit->text(), QString());
        // A failed read leaves no name of an input that may no longer be the current one.
        families.inputName = "Stage";
        w.ui.inputname_read_pushButton->click();
        QCOMPARE(w.ui.inputname_name_lineEdit->text(), QStringLiteral("Stage"));
        // A name the display refuses (result value 1): the line says so, the name stays as
        // typed, and the next Write sends it.
        model.addCommand('A', "CA0401", [](const QByteArray&) { return QByteArray("CB040101"); });
        w.ui.inputname_name_lineEdit->setText(QStringLiteral("Foyer"));
        w.ui.inputname_write_pushButton->click();
        QCOMPARE(w.ui.inputname_status_lineEdit->text(), QStringLiteral("1 (Error)"));
        QCOMPARE(w.ui.inputname_name_lineEdit->text(), QStringLiteral("Foyer"));
        model.addCommand('A', "CA0401", [](const QByteArray&) { return QByteArray("CB040100"); });
        w.ui.inputname_write_pushButton->click();
        QCOMPARE(bodies(fake).last(), "CA0401" + DisplayModel::hexText("Foyer"));
        QCOMPARE(w.ui.inputname_status_lineEdit->text(), QStringLiteral("0 (OK)"));
        model.failNext(1);
        w.ui.inputname_read_pushButton->click();
        QCOMPARE(w.ui.inputname_name_lineEdit->text(), QString());
    }

    void designatedTerminalName() {
        WindowRig rig("127.0.16.43");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.terminalNames[17] = "Camera 2";
        w.ui.stackedWidget->setCurrentIndex(22);
        QComboBox* terminal = w.ui.inputname_name_designated_terminal_input_comboBox;
        terminal->setCurrentIndex(terminal->findData(17u));
        QCOMPARE(terminal->currentText(), QStringLiteral("HDMI"));
        QLineEdit* name = w.ui.inputname_name_designated_terminal_name_lineEdit;
        QLineEdit* status = w.ui.inputname_name_designated_terminal_status_lineEdit;
        w.ui.inputname_name_designated_terminal_read_pushButton->click();
        QCOMPARE(bodies(fake).last(), QByteArray("CA040311"));
        QCOMPARE(name->text(), QStringLiteral("Camera 2"));
        QCOMPARE(status->text(), QStringLiteral("0 (no error)"));
        rig.saveShot(QStringLiteral("input_name"));

        name->setText(QStringLiteral("Stage \u0151"));
        w.ui.inputname_name_designated_terminal_write_pushButton->click();
        QCOMPARE(bodies(fake).last(), QByteArray("CA040311"));
        QVERIFY(w.ui.statusBar->currentMessage().endsWith(QStringLiteral("(-2105)")));
        name->setText(QStringLiteral("St\u00E4ge"));
        w.ui.inputname_name_designated_terminal_write_pushButton->click();
        QCOMPARE(families.terminalNames.value(17), QByteArray("St\xE4ge"));
        QCOMPARE(status->text(), QStringLiteral("0 (OK)"));
        fake.clearRequests();
        w.ui.inputname_name_designated_terminal_reset_pushButton->click();
        QCOMPARE(bodies(fake), QList<QByteArray>({"CA040511", "CA040311"}));
        QVERIFY(!families.terminalNames.contains(17));

        // A non-zero result value: the value shown, the error on the status bar, and no name
        // that Write would send as if it had been read.
        model.addCommand('A', "CA0403", terminalReply("02", "Dflt"));
        w.ui.inputname_name_designated_terminal_read_pushButton->click();
        QCOMPARE(name->text(), QString());
        QVERIFY(!name->isEnabled());
        QVERIFY(!w.ui.inputname_name_designated_terminal_write_pushButton->isEnabled());
        QCOMPARE(status->text(), QStringLiteral("2 (error)"));
        QVERIFY(w.ui.statusBar->currentMessage().endsWith(QStringLiteral("(-5008)")));
        // A name longer than the buffer is read into it (the sanitizers watch the bound) and
        // shown as far as the field holds.
        model.addCommand('A', "CA0403", terminalReply("00", QByteArray(30, 'N')));
        w.ui.inputname_name_designated_terminal_read_pushButton->click();
        QCOMPARE(name->text(), QString(InputNamePage::NameLength, QLatin1Char('N')));
        // A read that got nothing leaves no name that Write would give this terminal.
        model.failNext(1);
        w.ui.inputname_name_designated_terminal_read_pushButton->click();
        QCOMPARE(name->text(), QString());
        QCOMPARE(status->text(), QString());
    }
};

QTEST_MAIN(SecurityInputPagesTest)
#include "tst_security_input_pages.moc"

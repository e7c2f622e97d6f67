#include "lm_information_dialog.h"
#include "scripting_page.h"
#include "test_files.h"
#include "window_rig.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

// Loopback addresses 127.0.14.1 to 127.0.14.9 belong to this test; nothing listens on .9.

namespace {
// Script files in a folder of their own.
struct Scripts {
    QTemporaryDir dir;
    QString write(const QString& name, const QByteArray& text) {
        return writeTestFile(dir, name, text);
    }
};

// Chooses the files in the next open dialog (all from one folder), or cancels it.
void chooseInNextFileDialog(const QStringList& paths) {
    whenModal<QFileDialog>([paths](QFileDialog* dialog) {
        if (paths.isEmpty()) {
            dialog->reject();
            return;
        }
        QStringList names;
        for (const QString& path : paths)
            names << QLatin1Char('"') + QFileInfo(path).fileName() + QLatin1Char('"');
        dialog->setDirectory(QFileInfo(paths.first()).absolutePath());
        dialog->selectFile(names.join(QLatin1Char(' ')));
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog's own accept checks the names
    });
}

QStringList rowNames(const QTableWidget* table) {
    QStringList names;
    for (int row = 0; row < table->rowCount(); ++row)
        names << table->item(row, 0)->text();
    return names;
}

// The lines of the description pane as shown, and the colour of each.
QStringList paneLines(const QAbstractItemView* pane) {
    QStringList lines;
    for (int row = 0; row < pane->model()->rowCount(); ++row)
        lines << pane->model()->index(row, 0).data().toString();
    return lines;
}
QStringList paneColours(const QAbstractItemView* pane) {
    QStringList colours;
    for (int row = 0; row < pane->model()->rowCount(); ++row)
        colours << pane->model()->index(row, 0).data(Qt::ForegroundRole).value<QColor>().name();
    return colours;
}

const QString kBlack = QStringLiteral("#000000");
const QString kGreen = QStringLiteral("#008000");
const QString kRed = QStringLiteral("#ff0000");
} // namespace

class ScriptingPageTest : public QObject {
    Q_OBJECT

    WindowTestEnvironment env;

    static ScriptingPage& page(WindowRig& rig) { return rig.page<ScriptingPage>(); }
    static void open(WindowRig& rig, const QStringList& paths) {
        chooseInNextFileDialog(paths);
        page(rig).on_open_script_pushButton_clicked();
    }

private slots:
    void initTestCase() { QVERIFY(env.isValid()); }
    void init() { env.reset(); }

    // Files that parse are listed by base name and the last one is described; one that does
    // not gets a box naming its line and file; a cancelled dialog adds nothing.
    void openListsAndDescribes() {
        WindowRig rig("127.0.14.1");
        auto& w = rig.w;
        QCOMPARE(w.ui.script_list_tableWidget->columnCount(), 1);
        QCOMPARE(w.ui.script_list_tableWidget->horizontalHeaderItem(0)->text(),
                 QStringLiteral("Script"));
        QVERIFY(!w.ui.run_script_pushButton->isEnabled());
        Scripts files;
        const QString a = files.write("a.txt", "WAIT 1\n");
        const QString b = files.write("b.txt", "WAIT 1\n\nWAIT 2\nSETPOWER ON\nFLY\n");
        const QString site =
            files.write("site.rev2.txt", "# a comment\nSETPORT 127.0.14.1\nSETPOWER ON\n");
        open(rig, {a, b, site});
        QCOMPARE(rowNames(w.ui.script_list_tableWidget), (QStringList{"a", "site"}));
        QCOMPARE(env.boxTexts, QStringList{"Error: Unknown Command at line 4 in file \"b.txt\""});
        QCOMPARE(w.ui.script_list_tableWidget->currentRow(), 1);
        QCOMPARE(paneLines(w.ui.script_decode_treeView),
                 (QStringList{"1. Set Port to 127.0.14.1", "2. Set Power On"}));
        QCOMPARE(paneColours(w.ui.script_decode_treeView), (QStringList{kBlack, kBlack}));
        QVERIFY(w.ui.run_script_pushButton->isEnabled());
        QVERIFY(w.ui.delete_script_pushButton->isEnabled());
        QCOMPARE(page(rig).script_folder(), files.dir.path());
        // The lines selected in the pane can be copied, in their order.
        w.ui.script_decode_treeView->selectAll();
        w.ui.script_decode_treeView->actions().first()->trigger();
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("1. Set Port to 127.0.14.1\n2. Set Power On"));

        open(rig, {});
        QCOMPARE(page(rig).loaded_scripts().size(), 2);
        QCOMPARE(w.ui.script_list_tableWidget->currentRow(), 1);
        QCOMPARE(env.boxTexts.size(), 1);
        QVERIFY(rig.fake.requests().isEmpty());
    }

    // The row that becomes current is described with its own script.
    void removeKeepsRowsAndScriptsInStep_data() {
        QTest::addColumn<int>("removed");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("described");
        QTest::addColumn<QList<int>>("waits"); // of the scripts that stay loaded
        QTest::newRow("first") << 0 << QStringList{"two", "three"} << 0 << "1. Wait 2ms"
                               << QList<int>{2, 3};
        QTest::newRow("middle") << 1 << QStringList{"one", "three"} << 1 << "1. Wait 3ms"
                                << QList<int>{1, 3};
        QTest::newRow("last") << 2 << QStringList{"one", "two"} << 1 << "1. Wait 2ms"
                              << QList<int>{1, 2};
    }
    void removeKeepsRowsAndScriptsInStep() {
        QFETCH(int, removed);
        QFETCH(QStringList, rows);
        QFETCH(int, current);
        QFETCH(QString, described);
        QFETCH(QList<int>, waits);
        WindowRig rig("127.0.14.1");
        auto& w = rig.w;
        Scripts files;
        open(rig, {files.write("one.txt", "WAIT 1"), files.write("two.txt", "WAIT 2"),
                   files.write("three.txt", "WAIT 3")});
        w.ui.script_list_tableWidget->selectRow(removed);
        page(rig).on_delete_script_pushButton_clicked();
        QCOMPARE(rowNames(w.ui.script_list_tableWidget), rows);
        QCOMPARE(w.ui.script_list_tableWidget->currentRow(), current);
        QCOMPARE(paneLines(w.ui.script_decode_treeView), QStringList{described});
        QList<int> loaded;
        for (const ScriptCommandList& script : page(rig).loaded_scripts())
            loaded << script.first().value;
        QCOMPARE(loaded, waits);
    }

    void removingTheOnlyScriptClearsThePage() {
        WindowRig rig("127.0.14.1");
        auto& w = rig.w;
        Scripts files;
        open(rig, {files.write("one.txt", "WAIT 1")});
        page(rig).on_delete_script_pushButton_clicked();
        QCOMPARE(w.ui.script_list_tableWidget->rowCount(), 0);
        QVERIFY(page(rig).loaded_scripts().isEmpty());
        QVERIFY(paneLines(w.ui.script_decode_treeView).isEmpty());
        QVERIFY(!w.ui.run_script_pushButton->isEnabled());
        QVERIFY(!w.ui.delete_script_pushButton->isEnabled());
        page(rig).on_delete_script_pushButton_clicked(); // nothing left: nothing happens
    }

    // A run over two displays under the window-modal progress dialog: each display gets its
    // value, the lines turn green, and the stored script keeps its statuses. The run closes its
    // connection and says on the status bar that it ended.
    void runWithProgress() {
        WindowRig rig("127.0.14.1");
        auto& [fake, model, w] = rig;
        FakeDisplay second(FakeDisplay::Link::Tcp, QStringLiteral("127.0.14.2"));
        DisplayModel secondModel;
        second.setHandler(secondModel.handler());
        for (DisplayModel* m : {&model, &secondModel})
            m->setParameter(0x10, 0, 100);
        w.show_page(ScriptingPage::Page);
        w.resize(941, 990); // as the picture below shows it
        w.show();
        Scripts files;
        open(rig, {files.write("wall.txt", "FOREACHPORT 127.0.14.1 TO 127.0.14.2\n"
                                           "SETOPCODE 10 TO 50\nENDFOREACHPORT\n")});
        QStringList seen;
        whenModal<QProgressDialog>([&seen, &w](QProgressDialog* d) {
            seen << d->labelText() << d->findChild<QPushButton*>()->text()
                 << QString::number(d->maximum())
                 << QString::number(d->windowModality() == Qt::WindowModal)
                 << QString::number(d->windowTitle() == w.windowTitle());
        });
        page(rig).on_run_script_pushButton_clicked();
        QCOMPARE(seen, (QStringList{"Script progress...", "Abort", "4", "1", "1"}));
        QVERIFY(!QApplication::activeModalWidget());
        for (DisplayModel* m : {&model, &secondModel})
            QCOMPARE(m->parameter(0x10).current, 50);
        QCOMPARE(
            paneLines(w.ui.script_decode_treeView),
            (QStringList{"1. Set Port to 127.0.14.1", "2. Set OP Code 0x0010 (Brightness) to 50",
                         "3. Set Port to 127.0.14.2", "4. Set OP Code 0x0010 (Brightness) to 50"}));
        QCOMPARE(paneColours(w.ui.script_decode_treeView), QVector<QString>(4, kGreen).toList());
        for (const ScriptCommand& c : page(rig).loaded_scripts().first())
            QCOMPARE(c.status, int(ScriptCommand::NotRun));
        QCOMPARE(w.ui.statusBar->currentMessage(),
                 QStringLiteral("Script finished: all 4 commands succeeded."));
        QCOMPARE(g_basic_monitor->interface_type(), 0); // the unopened link of the close request
        rig.saveShot(QStringLiteral("scripting_after_run"));

        // Selected again, the script shows as not run.
        w.ui.script_list_tableWidget->setCurrentCell(-1, -1);
        w.ui.script_list_tableWidget->selectRow(0);
        QCOMPARE(paneColours(w.ui.script_decode_treeView), QVector<QString>(4, kBlack).toList());
    }

    // A double click runs the row clicked, whatever is selected; a run in which commands
    // failed ends with how many on the status bar, in red.
    void doubleClickRunsItsRow() {
        WindowRig rig("127.0.14.3");
        auto& [fake, model, w] = rig;
        Scripts files;
        open(rig, {files.write("on.txt", "SETPORT 127.0.14.3\nSETPOWER ON"),
                   files.write("off.txt", "SETPORT 127.0.14.3\nSETPOWER OFF"),
                   files.write("silent.txt", "SETPORT 127.0.14.9\nWAIT 1\nSETPOWER OFF")});
        w.ui.script_list_tableWidget->selectRow(0);
        model.powerMode = 1;
        emit w.ui.script_list_tableWidget->cellDoubleClicked(1, 0);
        QCOMPARE(model.powerMode, 4);
        QCOMPARE(w.ui.script_list_tableWidget->currentRow(), 0);

        emit w.ui.script_list_tableWidget->cellDoubleClicked(2, 0);
        QCOMPARE(paneColours(w.ui.script_decode_treeView), (QStringList{kRed, kRed, kRed}));
        QCOMPARE(w.ui.statusBar->currentMessage(),
                 QStringLiteral("Script finished: 3 of 3 commands failed."));
        QVERIFY(w.ui.statusBar->styleSheet().contains(QLatin1String("color:red")));
        w.show_page(ScriptingPage::Page);
        rig.saveShot(QStringLiteral("scripting_failed_run"));
    }

    // Abort during a long WAIT ends it within about a second; nothing after it runs.
    void abortDuringWait() {
        WindowRig rig("127.0.14.4");
        auto& [fake, model, w] = rig;
        Scripts files;
        open(rig, {files.write("long.txt", "SETPORT 127.0.14.4\nWAIT 10000\nSETPOWER OFF")});
        whenModal<QProgressDialog>([](QProgressDialog* d) {
            QTimer::singleShot(300, d, [d] { d->findChild<QPushButton*>()->click(); });
        });
        QElapsedTimer clock;
        clock.start();
        page(rig).on_run_script_pushButton_clicked();
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(fake.requests().isEmpty());
        QCOMPARE(model.powerMode, 1);
        QCOMPARE(paneColours(w.ui.script_decode_treeView), (QStringList{kGreen, kGreen, kBlack}));
        QCOMPARE(w.ui.statusBar->currentMessage(),
                 QStringLiteral("Script aborted: 2 of 3 commands ran, 0 of them failed."));
    }

    // A write that waits for its timer (the window's queues, a page's own) goes out before the
    // run; one queued during the run waits for its end, so that it cannot take the run's
    // connection.
    void queuedWritesStayOutOfTheRun() {
        WindowRig rig("127.0.14.5");
        auto& [fake, model, w] = rig;
        model.setParameter(0x1102, 0, 1000);
        model.setParameter(0x1103, 0, 1000);
        w.show_page(ScriptingPage::Page);
        Scripts files;
        open(rig, {files.write("slow.txt", "SETPORT 127.0.14.5\nWAIT 3000\nSETPOWER OFF")});
        QList<int> sentBefore; // requests the display had seen when each queued write ran
        w.queue_spinbox_write(w.ui.standby_time_spinBox, 0xFFF1,
                              [&] { sentBefore << fake.requests().size(); });
        w.ui.frame_comp_manual_value_doubleSpinBox->setValue(1.15);
        whenModal<QProgressDialog>([&](QProgressDialog*) {
            w.queue_spinbox_write(w.ui.power_save_time_spinBox, 0xFFF0,
                                  [&] { sentBefore << fake.requests().size(); });
            w.ui.frame_comp_auto_value_doubleSpinBox->setValue(1.5);
        });
        page(rig).on_run_script_pushButton_clicked();
        QCOMPARE(sentBefore, QList<int>{1});
        QTRY_COMPARE(sentBefore, (QList<int>{1, 2}));
        QTRY_COMPARE(fake.requests().size(), 3);
        QStringList sent;
        for (const QByteArray& r : fake.requests())
            sent << QString::fromLatin1(FakeDisplay::bodyOf(r).left(8));
        QCOMPARE(sent, (QStringList{"11030073", "C203D600", "11020096"}));
    }

    // Named on the command line: what parses is listed on the scripting page; a single script
    // runs after 200 ms, unattended and without a description, and the windows close; two stay
    // listed where someone can choose (a desktop), and the program closes without running
    // either where nobody can; when nothing could be taken the program closes too. The exit
    // code says whether everything was taken and succeeded. (The window decides whether
    // someone can choose by its platform: offscreen here; tst_program runs it for real.)
    void commandLine_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("attended");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<bool>("runs");
        QTest::addColumn<bool>("staysOpen");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("one script and a missing file")
            << QStringList{"on.txt", "missing.txt"} << true << QStringList{"on"} << true << false
            << 2;
        QTest::newRow("one script")
            << QStringList{"on.txt"} << false << QStringList{"on"} << true << false << 0;
        QTest::newRow("a failing command")
            << QStringList{"silent.txt"} << false << QStringList{"silent"} << true << false << 1;
        QTest::newRow("two scripts with a desktop")
            << QStringList{"on.txt", "silent.txt"} << true << QStringList{"on", "silent"} << false
            << true << 0;
        QTest::newRow("two scripts without a desktop")
            << QStringList{"on.txt", "silent.txt"} << false << QStringList{"on", "silent"} << false
            << false << 2;
        QTest::newRow("only a script that does not parse")
            << QStringList{"bad.txt"} << true << QStringList{} << false << false << 2;
    }
    void commandLine() {
        QFETCH(QStringList, names);
        QFETCH(bool, attended);
        QFETCH(QStringList, rows);
        QFETCH(bool, runs);
        QFETCH(bool, staysOpen);
        QFETCH(int, exitCode);
        WindowRig rig("127.0.14.6");
        auto& [fake, model, w] = rig;
        // The window's log: a run nobody watches keeps nothing in it.
        LM_Information_Dialog log(&w);
        g_information_dialog = &log;
        const auto noLog = qScopeGuard([] { g_information_dialog = nullptr; });
        model.powerMode = 4;
        Scripts files;
        files.write("on.txt", "SETPORT 127.0.14.6\nSETPOWER ON");
        files.write("silent.txt", "SETPORT 127.0.14.9\nSETPOWER ON");
        files.write("bad.txt", "SETPOWER ON\nSETPOWER SIDEWAYS");
        QStringList arguments{QStringLiteral("zetqvtool")};
        for (const QString& name : names)
            arguments << files.dir.filePath(name);
        w.show();
        const QString folder = page(rig).script_folder();
        page(rig).take_command_line(arguments, attended);
        QCOMPARE(rowNames(w.ui.script_list_tableWidget), rows);
        QCOMPARE(page(rig).script_folder(), folder);
        if (!rows.isEmpty()) {
            QCOMPARE(w.ui.stackedWidget->currentIndex(), ScriptingPage::Page);
            QCOMPARE(w.ui.main_groupBox->title(), QStringLiteral("Scripting"));
            QCOMPARE(w.ui.script_list_tableWidget->currentRow(), 0);
        } else {
            QCOMPARE(w.ui.stackedWidget->currentIndex(), 1);
        }
        // Only a script someone may look at is described.
        QCOMPARE(paneLines(w.ui.script_decode_treeView).size(), rows.size() > 1 ? 2 : 0);
        if (staysOpen) {
            QTest::qWait(ScriptingPage::CommandLineRunMs + 1000);
            QVERIFY(w.isVisible());
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(!w.isVisible(), 20000);
        }
        QCOMPARE(model.powerMode, runs && names.first() == "on.txt" ? 1 : 4);
        QCOMPARE(fake.connectionCount() > 0, runs);
        QCOMPARE(w.exit_code(), exitCode);
        QCOMPARE(log.ui.data_textEdit->toPlainText(), QString());
    }
};

QTEST_MAIN(ScriptingPageTest)
#include "tst_scripting_page.moc"

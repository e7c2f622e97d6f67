#include "cprojectorbrowsedlg.h"
#include "fake_search_responder.h"
#include "pjsearchudp.h"

#include <QComboBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

// Loopback addresses 127.0.0.231 to 127.0.0.239 belong to this test. The dialog's search binds
// 127.0.0.231 and is given adapters whose broadcast addresses are loopback addresses too: the
// machine's own adapters are never used.
namespace {
const QString Own = QStringLiteral("127.0.0.231");
const QString DisplayA = QStringLiteral("127.0.0.232");
const QString DisplayB = QStringLiteral("127.0.0.233");
const QString NotADisplay = QStringLiteral("127.0.0.235");
const QString Nobody = QStringLiteral("127.0.0.236");

NetworkAdapter adapter(const QString& name, const QString& broadcast) {
    return {name, QHostAddress(Own), QHostAddress(QStringLiteral("255.255.255.0")),
            QHostAddress(broadcast)};
}

// A display's answer to the given search request.
QByteArray reply(const QByteArray& request, quint32 value, const QByteArray& name,
                 const QString& address = QString()) {
    FakeSearchResponder::ReplyFields f;
    f.sequence = FakeSearchResponder::sequenceOf(request);
    f.type = PJSearchUdp::TypeDisplays;
    f.value = value;
    f.filterB = 0x100;
    f.name = name;
    f.addressText = address.toLatin1();
    return FakeSearchResponder::reply(f);
}

QStringList column(QTableWidget* table, int c) {
    QStringList out;
    for (int r = 0; r < table->rowCount(); ++r)
        out << table->item(r, c)->text();
    return out;
}

template <class T> T* child(QWidget& w, const char* name) {
    T* c = w.findChild<T*>(QLatin1String(name));
    if (!c)
        qFatal("no child %s", name);
    return c;
}
} // namespace

class ProjectorBrowseDialogTest : public QObject {
    Q_OBJECT

private slots:
    void oneAdapterSearchesByItselfAndListsDisplays() {
        FakeSearchResponder display(DisplayA);
        QVERIFY(display.isBound());
        display.setHandler([](const QByteArray& request, int index) {
            QList<FakeSearchResponder::Reply> replies;
            if (index == 0)
                replies << FakeSearchResponder::Reply{reply(request, 7, "Display A")}
                        // Value 255 is no display: its address is not listed.
                        << FakeSearchResponder::Reply{reply(request, 255, "Other", NotADisplay)}
                        << FakeSearchResponder::Reply{reply(request, 9, "Display B", DisplayB)};
            return replies;
        });
        CProjectorBrowseDlg dialog(nullptr, CProjectorBrowseDlg::ModeDisplays,
                                   {adapter(QStringLiteral("Loopback"), DisplayA)},
                                   QHostAddress(Own));
        auto* table = child<QTableWidget>(dialog, "tableWidget");
        auto* enumerate = child<QPushButton>(dialog, "networkPJEnumBtn");
        auto* ok = child<QPushButton>(dialog, "ok_pushButton");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(!ok->isEnabled());

        // Nobody presses Enumerate: the search starts 200 ms after the dialog opened.
        QTRY_VERIFY(dialog.findChild<QProgressDialog*>());
        QVERIFY(!enumerate->isEnabled());
        QCOMPARE(dialog.findChild<QProgressDialog*>()->windowTitle(),
                 QStringLiteral("Network Enumeration"));
        QTRY_VERIFY_WITH_TIMEOUT(ok->isEnabled(), 7000);
        QVERIFY(enumerate->isEnabled());
        QVERIFY(!dialog.findChild<QProgressDialog*>());
        QVERIFY(!display.received().isEmpty());
        for (const auto& r : display.received())
            QCOMPARE(r.from, Own);

        QCOMPARE(column(table, 0), (QStringList{DisplayA, DisplayB}));
        QCOMPARE(column(table, 1), (QStringList{"Display A", "Display B"}));
        QCOMPARE(dialog.selectedIp(), DisplayA);

        // A double click takes that row's display.
        const QRect cell = table->visualItemRect(table->item(1, 1));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.selectedIp(), DisplayB);
    }

    void searchOnChosenAdapterWithoutAnswers() {
        FakeSearchResponder silent(DisplayA);
        QVERIFY(silent.isBound());
        CProjectorBrowseDlg dialog(
            nullptr, CProjectorBrowseDlg::ModeDisplays,
            {adapter(QStringLiteral("First"), Nobody), adapter(QStringLiteral("Second"), DisplayA)},
            QHostAddress(Own));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Search for ZET large-screen display"));
        auto* table = child<QTableWidget>(dialog, "tableWidget");
        QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Monitor Name"));
        auto* adapters = child<QComboBox>(dialog, "comboBoxNic");
        QCOMPARE(adapters->count(), 2);
        auto* enumerate = child<QPushButton>(dialog, "networkPJEnumBtn");
        dialog.show();
        QTest::qWait(400);
        QVERIFY(silent.received().isEmpty()); // two adapters: it waits to be asked

        adapters->setCurrentIndex(1);
        QTest::mouseClick(enumerate, Qt::LeftButton);
        QVERIFY(!enumerate->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(enumerate->isEnabled(), 7000);
        QCOMPARE(table->rowCount(), 0);
        QVERIFY(!child<QPushButton>(dialog, "ok_pushButton")->isEnabled());
        QCOMPARE(dialog.selectedIp(), QString());
        const auto received = silent.received();
        QVERIFY(!received.isEmpty());
        QCOMPARE(FakeSearchResponder::typeOf(received.first().bytes), PJSearchUdp::TypeDisplays);
    }

    // Without an adapter Enumerate says so and searches nothing; at the dialog's smallest the
    // note, the table and the buttons keep clear of each other.
    void withoutAdapter() {
        CProjectorBrowseDlg dialog(nullptr, CProjectorBrowseDlg::ModeDisplays, {},
                                   QHostAddress(Own));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QString said;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&said] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                said = box->text();
                box->done(0);
            }
        });
        closer.start(10);
        auto* enumerate = child<QPushButton>(dialog, "networkPJEnumBtn");
        QTest::mouseClick(enumerate, Qt::LeftButton);
        QVERIFY2(said.startsWith(QStringLiteral("No network adapter was found.")),
                 qPrintable(said));
        QVERIFY(enumerate->isEnabled());
        QVERIFY(!dialog.findChild<QProgressDialog*>());

        dialog.resize(dialog.minimumSize());
        QApplication::processEvents();
        const auto box = [&dialog](const char* name) {
            QWidget* w = child<QWidget>(dialog, name);
            return QRect(w->mapTo(&dialog, QPoint(0, 0)), w->size());
        };
        QVERIFY(box("QVNoteLbl").bottom() < box("tableWidget").top());
        QVERIFY(box("tableWidget").bottom() < box("ok_pushButton").top());
        QVERIFY(box("tableWidget").bottom() < box("cancel_pushButton").top());
        QVERIFY(box("cancel_pushButton").bottom() <= dialog.height());
    }
};

QTEST_MAIN(ProjectorBrowseDialogTest)
#include "tst_projector_browse_dialog.moc"

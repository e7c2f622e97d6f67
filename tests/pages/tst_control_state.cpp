#include "control_state.h"
#include "result_codes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

#include <functional>
#include <memory>

namespace {
// One control of each kind of value, with a way to set and to read what it shows.
struct Control {
    std::unique_ptr<QWidget> widget;
    std::function<void(int)> set; // 0: what the display reported; 1: what the user entered
    std::function<int()> shown;   // 0, 1, or -1 for neither (emptied)
};

Control makeControl(const QString& kind) {
    if (kind == QLatin1String("spin box")) {
        auto* spin = new QSpinBox;
        spin->setRange(0, 100);
        return {std::unique_ptr<QWidget>(spin), [spin](int v) { spin->setValue(10 + v); },
                [spin] { return spin->value() - 10; }};
    }
    if (kind == QLatin1String("combo box")) {
        auto* combo = new QComboBox;
        combo->addItems({QStringLiteral("a"), QStringLiteral("b")});
        return {std::unique_ptr<QWidget>(combo), [combo](int v) { combo->setCurrentIndex(v); },
                [combo] { return combo->currentIndex(); }};
    }
    if (kind == QLatin1String("check box")) {
        auto* box = new QCheckBox;
        // Reported ticked, entered unticked: emptied shows as entered.
        return {std::unique_ptr<QWidget>(box), [box](int v) { box->setChecked(v == 0); },
                [box] { return box->isChecked() ? 0 : 1; }};
    }
    auto* edit = new QLineEdit;
    return {
        std::unique_ptr<QWidget>(edit),
        [edit](int v) { edit->setText(v ? QStringLiteral("entered") : QStringLiteral("read")); },
        [edit] {
            return edit->text() == QLatin1String("read")      ? 0
                   : edit->text() == QLatin1String("entered") ? 1
                                                              : -1;
        }};
}
} // namespace

// What a write's result does to a control that the display reported and the user then changed:
// a live control goes back to the reported value when the write fails, a form field keeps
// what the user entered; unsupported disables either, and empties only the live one.
class ControlStateTest : public QObject {
    Q_OBJECT

private slots:
    void writeSettlesByKind_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("form");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("shown");
        QTest::addColumn<bool>("enabled");
        const int refused = ResultCode::ReplyError;
        const int unsupported = ResultCode::Unsupported;
        for (const char* kind : {"spin box", "combo box", "check box", "line edit"}) {
            // What a control that was emptied shows: a list or number keeps its value greyed.
            const int emptied = QByteArray(kind) == "check box"   ? 1
                                : QByteArray(kind) == "line edit" ? -1
                                                                  : 0;
            auto row = [kind](const char* what) -> QTestData& {
                return QTest::addRow("%s, %s", kind, what);
            };
            row("live, written") << kind << false << 0 << 1 << true;
            row("live, refused") << kind << false << refused << 0 << true;
            row("live, unsupported") << kind << false << unsupported << emptied << false;
            row("form, written") << kind << true << 0 << 1 << true;
            row("form, refused") << kind << true << refused << 1 << true;
            row("form, link down") << kind << true << int(ResultCode::NotConnected) << 1 << true;
            row("form, unsupported") << kind << true << unsupported << 1 << false;
        }
    }
    void writeSettlesByKind() {
        QFETCH(QString, kind);
        QFETCH(bool, form);
        QFETCH(int, result);
        QFETCH(int, shown);
        QFETCH(bool, enabled);
        Control control = makeControl(kind);
        QWidget* w = control.widget.get();
        w->setToolTip(QStringLiteral("own"));
        if (form)
            ControlState::declare_form({w});
        QCOMPARE(ControlState::is_form_field(w), form);
        control.set(0);
        ControlState::apply_read(0, {w});
        ControlState::confirm({w});
        control.set(1);
        ControlState::apply_write(result, {w});
        QCOMPARE(control.shown(), shown);
        QCOMPARE(w->isEnabled(), enabled);
        QCOMPARE(w->toolTip(), result == ResultCode::Unsupported ? ControlState::unsupported_tip()
                                                                 : QStringLiteral("own"));
        // A form field is still emptied by a read that failed: nothing unread looks current.
        ControlState::apply_read(ResultCode::NoReply, {w});
        QVERIFY(!w->isEnabled());
        if (kind == QLatin1String("line edit"))
            QCOMPARE(control.shown(), -1);
        if (kind == QLatin1String("check box"))
            QVERIFY(!qobject_cast<QCheckBox*>(w)->isChecked());
    }
};

QTEST_MAIN(ControlStateTest)
#include "tst_control_state.moc"

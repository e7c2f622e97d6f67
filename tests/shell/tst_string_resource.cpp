#include "string_resource.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

namespace {
const QString Missing = QStringLiteral("Missing message text");
const QString Degree = QString(QChar(0x00B0));

// A translator that marks every text it is asked for and remembers the request.
class RecordingTranslator : public QTranslator {
public:
    mutable QList<QStringList> requests;

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int) const override {
        requests.append({QString::fromUtf8(context), QString::fromUtf8(source),
                         QString::fromUtf8(disambiguation)});
        return QStringLiteral("[") + QString::fromUtf8(source) + QStringLiteral("]");
    }
};

// What a message box showed before it was closed.
struct ShownBox {
    bool seen = false;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QWidget* parent = nullptr;
    bool modal = false;
};

// Closes the next modal message box with Ok and reports what it showed.
void closeNextBox(ShownBox& shown) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, &shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        shown = {true,          box->windowTitle(),     box->text(),
                 box->icon(),   box->standardButtons(), box->parentWidget(),
                 box->isModal()};
        poll->deleteLater();
        box->button(QMessageBox::Ok)->click();
    });
    poll->start(10);
}
} // namespace

class StringResourceTest : public QObject {
    Q_OBJECT

private slots:
    void resultCodeTexts_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        const QString comPort = "Error: Unable to open RS232 port. Make sure that no other "
                                "application or device is using this port.";
        const QString incorrect = "Error: Incorrect reply from the display.";
        const QList<QPair<int, QString>> rows{
            {-3000, comPort},
            {-3001, comPort},
            {-3002, "Error: Unable to send data to the display."},
            {-3003, "Error: No reply from the display."},
            {-3004, "Error: Access error when trying to open IP address"},
            {-3005, "Error: Connection refused by remote IP address"},
            {-3006, "Error: Remote host not found at IP address"},
            {-3007, "Error: Timeout waiting for remote IP address"},
            {-3008, "Error: Unable to communicate with IP address"},
            {-3009, "Error: Unable to open IP address"},
            {-3010, "Unknown Error #-3010"},
            {-3011, "Error: Unable to open RS232 COM port"},
            {-5000, incorrect},
            {-5001, "Unknown Error #-5001"},
            {-5002, incorrect},
            {-5003, "Unknown Error #-5003"},
            {-5004, "Error: Bad checksum received."},
            {-5005, "Unknown Error #-5005"},
            {-5006, "Unknown Error #-5006"},
            {-5007, "Error: Unsupported command or incorrect Monitor ID (Null message reply)."},
            {-5008, "Error: Reply Error Status code indicated erorr."},
            {-1027, "Error: The display does not support the necessary commands."},
            {-1500, "Error: Unable to open file."},
            {-1501, "Error: The file appears to be an invalid version."},
            {-1502, "Error: The file appears to be an invalid format."},
            {-1503, "Unknown Error #-1503"},
            {-1504, "Unknown Error #-1504"},
            {-1505, "Error: Unable to save file."},
            {-2101, "Error: Unknown Command"},
            {-2102, "Error: Invalid Command"},
            {-2103, "Error: Incorrect number of parameters"},
            {-2104, "Error: Invalid IP address range"},
            {-2105, "Error: Invalid parameter(s)"},
            {-1000, Missing},
            {-1003, Missing},
            {-1004, Missing},
            {-1005, Missing},
            {-1008, Missing},
            {-1026, Missing},
            {-1030, Missing},
            {-1031, Missing},
            {-1032, Missing},
            {-1033, Missing},
            {0, "Unknown Error #0"},
            {-1, "Unknown Error #-1"},
            {42, "Unknown Error #42"},
        };
        for (const auto& row : rows)
            QTest::addRow("%d", row.first) << row.first << row.second;
    }

    void resultCodeTexts() {
        QFETCH(int, code);
        QFETCH(QString, text);
        QString out;
        int icon = 77;
        errorCodeToMessage(code, &out, &icon);
        QCOMPARE(out, text);
        QCOMPARE(icon, code == -1005 ? int(MessageIcon::Warning) : 77);
    }

    void textsById() {
        for (int id : {0, 21, 99999, -1, 105, 115, 151})
            QCOMPARE(StringResource(id), Missing);
        QCOMPARE(StringResource(1), QStringLiteral("ZET QV Comms Tool"));
        QCOMPARE(StringResource(12), QStringLiteral("preferences.dat"));
        QCOMPARE(StringResource(14), QStringLiteral(":/images/Resources/splash small.png"));
        QCOMPARE(StringResource(176), StringResource(175));
        QCOMPARE(StringResource(186), StringResource(158));
        QVERIFY(StringResource(158).startsWith(QStringLiteral("http://")));
        QVERIFY(StringResource(158).endsWith(QStringLiteral("/qvtools/updates.txt")));
        QCOMPARE(StringResource(1601), QStringLiteral("%1"));
        QCOMPARE(StringResource(1703), QStringLiteral("Auto (-2") + Degree + " offset)");
        QCOMPARE(StringResource(1707), QStringLiteral("Auto (-10") + Degree + " offset)");
        QCOMPARE(StringResource(1229), QStringLiteral("Compute Module"));
        QCOMPARE(StringResource(1927), QStringLiteral("Compute Module"));
        QCOMPARE(StringResource(2104), QStringLiteral("Lock (Off)"));
        // The daylight-saving rule's weekdays (1 Sunday) and weeks, and the holiday's weeks.
        QCOMPARE(StringResource(2201), QStringLiteral("Sunday"));
        QCOMPARE(StringResource(2207), QStringLiteral("Saturday"));
        QCOMPARE(StringResource(2211), QStringLiteral("First"));
        QCOMPARE(StringResource(2215), QStringLiteral("Last"));
        QCOMPARE(StringResource(2221), QStringLiteral("1st"));
        QCOMPARE(StringResource(2225), QStringLiteral("5th"));
        QVERIFY(StringResource(712).contains(
            QStringLiteral("<img src=\":/images/Resources/activevideo.png\">")));
        QVERIFY(StringResource(159).startsWith(
            QStringLiteral("<html>A newer version %1 is <a href=\"%2\">")));

        int withText = 0;
        for (int id = -10; id <= 100000; ++id)
            withText += StringResource(id) != Missing;
        QCOMPARE(withText, 153);
    }

    void translationKeys() {
        RecordingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        const QRegularExpression keyShape(QStringLiteral("^STR_RES_ID_[A-Z0-9_]+$"));
        const QList<int> plain{12, 2300, 2301, 2302, 2303, 2304};
        QMap<int, QStringList> asked; // id -> {context, source, key}
        for (int id = 0; id <= 2400; ++id) {
            translator.requests.clear();
            const QString text = StringResource(id);
            QCOMPARE(translator.requests.size(), plain.contains(id) ? 0 : 1);
            if (plain.contains(id)) {
                QVERIFY(!text.startsWith(QLatin1Char('[')));
                continue;
            }
            const QStringList request = translator.requests.first();
            QCOMPARE(request[0], QStringLiteral("QObject"));
            if (request[2] == QLatin1String("default text should never see this")) {
                QCOMPARE(request[1], Missing);
                continue;
            }
            QVERIFY2(keyShape.match(request[2]).hasMatch(), qPrintable(request[2]));
            asked[id] = request;
        }
        QCoreApplication::removeTranslator(&translator);

        QCOMPARE(asked.size(), 153 - 6);
        QCOMPARE(asked[192][2], QStringLiteral("STR_RES_ID_ERROR_BAD_CHECKSUM"));
        QCOMPARE(asked[176][2], QStringLiteral("STR_RES_ID_ERROR_CANT_OPEN_COM_PORT"));
        QCOMPARE(asked[175], asked[176]);
        QCOMPARE(asked[186], asked[158]);
        QCOMPARE(asked[1707][2], QStringLiteral("STR_RES_ID_FAN_CONTROL_LISTBOX_8"));
        QCOMPARE(asked[1221][2], QStringLiteral("STR_RES_ID_VIDEO_INPUT_VALUE_128"));
        QCOMPARE(asked[2203][2], QStringLiteral("STR_RES_ID_DAYLIGHT_SAVING_WEEKDAY_VALUE_3"));
        QCOMPARE(asked[2215][2], QStringLiteral("STR_RES_ID_DAYLIGHT_SAVING_WEEK_VALUE_5"));
        QCOMPARE(asked[2222][2], QStringLiteral("STR_RES_ID_HOLIDAY_WEEK_VALUE_2"));
        QCOMPARE(asked[604][2],
                 QStringLiteral("STR_RES_ID_MESSAGE_BOX_MESSAGE_CLOSSES_IN_1_SECOND"));
        QSet<QString> analogTexts;
        for (int id = 712; id <= 716; ++id) {
            QCOMPARE(asked[id][2], QStringLiteral("STR_RES_ID_ASK_PROCEED_ANALOG_AUTO_SETUP"));
            analogTexts.insert(asked[id][1]);
        }
        QCOMPARE(analogTexts.size(), 5);

        // The degree sign goes into the translated text, not the English one.
        QCoreApplication::installTranslator(&translator);
        QCOMPARE(StringResource(1704), QStringLiteral("[Auto (-4") + Degree + " offset)]");
        QCOMPARE(StringResource(2300), QStringLiteral("Error: Unknown Command"));
        QCOMPARE(StringResource(12), QStringLiteral("preferences.dat"));
        QString text;
        errorCodeToMessage(-5003, &text, nullptr);
        QCOMPARE(text, QStringLiteral("[Unknown Error #%1]").arg(-5003));
        QCoreApplication::removeTranslator(&translator);
    }

    void messageBoxes_data() {
        QTest::addColumn<bool>("forCode");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("shownIcon");
        QTest::newRow("error -3003") << true << -3003 << "Error: No reply from the display." << 0
                                     << int(QMessageBox::Critical);
        QTest::newRow("error -1005 warns")
            << true << -1005 << Missing << 0 << int(QMessageBox::Warning);
        QTest::newRow("error 0") << true << 0 << "Unknown Error #0" << 0
                                 << int(QMessageBox::Critical);
        QTest::newRow("information")
            << false << 0 << "No newer updates." << 1 << int(QMessageBox::Information);
        QTest::newRow("critical") << false << 0 << "Parse error -1500" << 3
                                  << int(QMessageBox::Critical);
        QTest::newRow("icon out of range") << false << 0 << "Odd" << 9 << int(QMessageBox::NoIcon);
    }

    void messageBoxes() {
        QFETCH(bool, forCode);
        QFETCH(int, code);
        QFETCH(QString, text);
        QFETCH(int, icon);
        QFETCH(int, shownIcon);
        QWidget parent;
        ShownBox shown;
        closeNextBox(shown);
        if (forCode)
            showErrorMessageBox(&parent, code);
        else
            showMessageBox(&parent, text, icon);
        QVERIFY(shown.seen);
        QCOMPARE(shown.title, QStringLiteral("ZET QV Comms Tool"));
        QCOMPARE(shown.text, text);
        QCOMPARE(int(shown.icon), shownIcon);
        QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(shown.parent, &parent);
        QVERIFY(shown.modal);
        QCOMPARE(parent.findChildren<QMessageBox*>().size(), 0); // gone once closed
    }
};

QTEST_MAIN(StringResourceTest)
#include "tst_string_resource.moc"

#include "command_table.h"
#include "result_codes.h"

// Loopback address 127.0.0.93 belongs to this test.
static const QString kAddress = QStringLiteral("127.0.0.93");

namespace {
CommandOps securityOps() {
    CommandOps ops;
    ops["security_enable_write"] = [](QVCommProtocol& p, const QVariantList& in) {
        int result = 99;
        const int r = p.security_enable_write(static_cast<unsigned char>(in[0].toInt()),
                                              Passcode(in[1].toString()), &result);
        return CommandRun{r, outputs({{"result", result}})};
    };
    ops["security_enable_read"] = [](QVCommProtocol& p, const QVariantList&) {
        unsigned char enable = 99;
        const int r = p.security_enable_read(&enable);
        return CommandRun{r, outputs({{"enable", enable}})};
    };
    using LockOp = int (QVCommProtocol::*)(unsigned char*, const Passcode&, int*);
    const QList<QPair<QString, LockOp>> locks = {
        {"security_lock_control", &QVCommProtocol::security_lock_control},
        {"compute_module_setting_lock", &QVCommProtocol::compute_module_setting_lock}};
    for (const auto& lock : locks) {
        const LockOp call = lock.second;
        ops[lock.first] = [call](QVCommProtocol& p, const QVariantList& in) {
            unsigned char enable = static_cast<unsigned char>(in[0].toInt());
            int status = 99;
            const int r = (p.*call)(&enable, Passcode(in[1].toString()), &status);
            return CommandRun{r, outputs({{"status", status}, {"enable", enable}})};
        };
    }
    return ops;
}
} // namespace

class SecurityCommandsTest : public QObject {
    Q_OBJECT
    FakeDisplay fake{FakeDisplay::Link::Tcp, kAddress};

private slots:
    void commands_data() {
        addCommandColumns();
        QTest::newRow("security enable: the password doubled")
            << "security_enable_write" << QVariantList{1, "1234"}
            << QByteArray("CA0C010100"
                          "3331333233333334")
            << replyB("CB0C0100") << 0 << "result=0";
        QTest::newRow("security enable, letters; a wrong password shows in the result")
            << "security_enable_write" << QVariantList{0, "Az9~"}
            << QByteArray("CA0C010000"
                          "3431374133393745")
            << replyB("CB0C0101") << 0 << "result=1";
        QTest::newRow("security enable, 10 characters")
            << "security_enable_write" << QVariantList{1, "1234"}
            << QByteArray("CA0C010100"
                          "3331333233333334")
            << replyB("CB0C010000") << -5002 << "result=0";
        QTest::newRow("security enable, three characters are not sent")
            << "security_enable_write" << QVariantList{1, "123"} << QByteArray()
            << replyB("CB0C0100") << -5005 << "result=0";
        QTest::newRow("security enable, five characters are not sent")
            << "security_enable_write" << QVariantList{1, "12345"} << QByteArray()
            << replyB("CB0C0100") << -5005 << "result=0";
        QTest::newRow("security enable, a character beyond eight bits is not sent")
            << "security_enable_write" << QVariantList{1, QStringLiteral("12\u20ac4")}
            << QByteArray() << replyB("CB0C0100") << -5005 << "result=0";
        QTest::newRow("security state read")
            << "security_enable_read" << QVariantList{} << QByteArray("CA0C02")
            << replyB("CB0C0201") << 0 << "enable=1";
        QTest::newRow("security state read, 10 characters")
            << "security_enable_read" << QVariantList{} << QByteArray("CA0C02")
            << replyB("CB0C020100") << -5002 << "enable=0";
        QTest::newRow("security state read, wrong sub-command")
            << "security_enable_read" << QVariantList{} << QByteArray("CA0C02")
            << replyB("CB0C0101") << -5000 << "enable=0";
        QTest::newRow("lock: digits become 00 to 09")
            << "security_lock_control" << QVariantList{1, "1290"} << QByteArray("C21D0101020900")
            << replyB("C31D0001") << 0 << "status=0 enable=1";
        QTest::newRow("lock: other characters are their code minus 30h")
            << "security_lock_control" << QVariantList{0, "A b9"} << QByteArray("C21D0011F03209")
            << replyB("C31D0200") << 0 << "status=2 enable=0";
        QTest::newRow("lock, wrong code")
            << "security_lock_control" << QVariantList{1, "1234"} << QByteArray("C21D0101020304")
            << replyB("CB1B0001") << -5000 << "status=0 enable=1";
        QTest::newRow("lock, 6 characters")
            << "security_lock_control" << QVariantList{1, "1234"} << QByteArray("C21D0101020304")
            << replyB("C31D00") << -5002 << "status=0 enable=1";
        QTest::newRow("lock, empty password is not sent")
            << "security_lock_control" << QVariantList{1, ""} << QByteArray() << replyB("C31D0001")
            << -5005 << "status=0 enable=1";
        QTest::newRow("compute module lock")
            << "compute_module_setting_lock" << QVariantList{0, "0000"}
            << QByteArray("CA1B0000000000") << replyB("CB1B0300") << 0 << "status=3 enable=0";
        QTest::newRow("compute module lock, long passcode is not sent")
            << "compute_module_setting_lock" << QVariantList{1, "000000"} << QByteArray()
            << replyB("CB1B0001") << -5005 << "status=0 enable=1";
    }
    void commands() { runCommandRow(fake, securityOps()); }

    void lockLogLines() {
        fake.setHandler(answering(replyB("C31D0401")));
        ProtocolProbe p;
        QCOMPARE(p.open_interface(fake.address(), 1), 0);
        p.comments.clear();
        unsigned char enable = 0;
        int status = 0;
        QCOMPARE(p.security_lock_control(&enable, Passcode(QStringLiteral("1234")), &status), 0);
        QCOMPARE(p.comments.value(0).second, QStringLiteral("Security Lock Control command"));
        QCOMPARE(p.comments.value(1),
                 qMakePair(int(QVCommProtocol::CommentConnection), QStringLiteral("Enable=0")));
        QCOMPARE(
            p.comments.value(p.comments.size() - 2),
            qMakePair(int(QVCommProtocol::CommentConnection), QStringLiteral("Status (reply)=4")));
        QCOMPARE(p.comments.last(), qMakePair(int(QVCommProtocol::CommentConnection),
                                              QStringLiteral("Enable (reply)=1")));
    }
};

QTEST_GUILESS_MAIN(SecurityCommandsTest)
#include "tst_security_commands.moc"

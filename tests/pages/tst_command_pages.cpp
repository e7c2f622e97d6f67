#include "tv_channel_text.h"

#include <QtTest>

class CommandPagesTest : public QObject {
    Q_OBJECT

private slots:
    void tvChannelText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("channel"); // "major-minor" as parsed; empty: no channel
        QTest::newRow("major and minor") << "5-1"
                                         << "5-1";
        QTest::newRow("the form's blanks") << " 12-3 "
                                           << "12-3";
        QTest::newRow("leading zeros") << "0007-09"
                                       << "7-9";
        QTest::newRow("widest") << "2147483647-65535"
                                << "2147483647-65535";
        QTest::newRow("no dash") << "51"
                                 << "";
        QTest::newRow("two dashes") << "5-1-2"
                                    << "";
        QTest::newRow("no major") << "-1"
                                  << "";
        QTest::newRow("no minor") << "5-"
                                  << "";
        QTest::newRow("letters") << "5a-1"
                                 << "";
        QTest::newRow("sign") << "+5-1"
                              << "";
        QTest::newRow("major too large") << "2147483648-1"
                                         << "";
        QTest::newRow("minor too large") << "5-65536"
                                         << "";
        QTest::newRow("far too large") << "5-99999999999999999999999"
                                       << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void tvChannelText() {
        QFETCH(QString, text);
        QFETCH(QString, channel);
        const std::optional<TvChannel> parsed = parse_tv_channel(text);
        QCOMPARE(parsed ? tv_channel_text(parsed->major, parsed->minor) : QString(), channel);
    }
};

QTEST_MAIN(CommandPagesTest)
#include "tst_command_pages.moc"

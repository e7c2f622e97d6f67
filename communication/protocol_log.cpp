#include "protocol_log.h"

#include "qvcommprotocol.h"

#include <QStringBuilder>

#include <charconv>

// The log lines are built on every exchange: each is put together in one allocation, without
// arg() passes or lists of parts.
namespace {
const char kLowerDigits[] = "0123456789abcdef";

// Two lower-case hexadecimal digits.
struct Hex2 {
    char text[3];
    explicit Hex2(int value)
        : text{kLowerDigits[(value >> 4) & 0xF], kLowerDigits[value & 0xF], '\0'} {}
    operator QLatin1String() const { return QLatin1String(text, 2); }
};

// A number in decimal.
struct Decimal {
    char digits[12];
    int size;
    explicit Decimal(unsigned value)
        : size(int(std::to_chars(digits, digits + sizeof digits, value).ptr - digits)) {}
    QLatin1String text() const { return QLatin1String(digits, size); }
};

// A run of up to four digit characters as the log shows them: the characters themselves and
// their codes ("31h 30h").
struct DigitRun {
    char text[4];
    char codeText[16];
    int count;
    DigitRun(const unsigned char* digits, int count) : count(count) {
        for (int i = 0; i < count; ++i) {
            text[i] = char(digits[i]);
            const Hex2 code(digits[i]);
            char* c = codeText + 4 * i;
            c[0] = code.text[0];
            c[1] = code.text[1];
            c[2] = 'h';
            c[3] = ' ';
        }
    }
    QLatin1String chars() const { return QLatin1String(text, count); }
    QLatin1String codes() const { return QLatin1String(codeText, 4 * count - 1); }
};
} // namespace

void ProtocolLog::traffic(const QList<unsigned char>& bytes, TrafficType type) {
    emit engine.transfer_data(bytes, type);
}

void ProtocolLog::comment(const QString& text, CommentType type) {
    emit engine.comment_text(text, type);
}

void ProtocolLog::opcode(unsigned char page, unsigned char code) {
    comment(QString::number(page * 256 + code, 16), CommentOpCode);
}

void ProtocolLog::header(unsigned char destination, unsigned char type) {
    field(QLatin1String("Header block message Destination Address=") %
          QLatin1String(Hex2(destination)) % QLatin1String("h (Monitor ID=") %
          engine.address_text(destination) % QLatin1String("), Message Type=") %
          QLatin1String(Hex2(type)) % QLatin1Char('h'));
}

void ProtocolLog::reply_header(unsigned char source) {
    field(QLatin1String("Header reply message Source Address=") % QLatin1String(Hex2(source)) %
          QLatin1String("h (Monitor ID=") % engine.address_text(source) % QLatin1Char(')'));
}

void ProtocolLog::sent_length(int length, const unsigned char* digits) {
    length_line(QLatin1String("Sent"), length, digits);
}

void ProtocolLog::received_length(int length, const unsigned char* digits) {
    length_line(QLatin1String("Received"), length, digits);
}

void ProtocolLog::length_line(QLatin1String direction, int length, const unsigned char* digits) {
    const DigitRun run(digits, 2);
    detail(direction % QLatin1String(" message length=") % Decimal(unsigned(length)).text() %
           QLatin1String(" (encoded as ") % run.codes() % QLatin1String(" -> '") % run.chars() %
           QLatin1String("')"));
}

void ProtocolLog::wrote(unsigned short value, const unsigned char* digits, int count) {
    const DigitRun run(digits, count);
    field(QLatin1String("Write value ") % Decimal(value).text() % QLatin1String(" ('") %
          run.chars() % QLatin1String("h' encoded as ") % Decimal(unsigned(count)).text() %
          QLatin1String(" bytes -> ") % run.codes() % QLatin1Char(')'));
}

void ProtocolLog::read(const char* label, unsigned short value, const unsigned char* digits,
                       int count) {
    // Plain concatenation: reply characters such as '%' are never taken for placeholders.
    const DigitRun run(digits, count);
    const QLatin1String name(label ? label : "");
    QString line;
    line.reserve(64 + name.size());
    if (name.isEmpty())
        line += QLatin1String("Read value ");
    else
        line += QLatin1String("Read '") % name % QLatin1String("' value ");
    line += Decimal(value).text() % QLatin1String(" (encoded as ") %
            Decimal(unsigned(count)).text() % QLatin1String(" bytes ") % run.codes() %
            QLatin1String(" -> '") % run.chars() % QLatin1String("h')");
    field(line);
}

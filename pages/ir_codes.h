#pragma once

#include <QList>
#include <QString>

// The IR remote's keys and the code-sequence text of the IR remote page.
namespace IrCodes {
// One key button of the page: the middle of its object name (ir_remote_<name>_pushButton) and
// the key code it sends. Code 0 is no key: in a sequence it is a pause of a second.
struct Key {
    const char* name;
    unsigned char code;
};
const QList<Key>& keys();
QString button_name(const Key& key);

// The text with the code appended as two upper-case hex digits, one space apart.
QString append(const QString& text, unsigned char code);

// What a typed sequence sends and how it reads once normalised; parts that are not hex
// numbers are passed over.
struct Sequence {
    QList<unsigned char> codes;
    QString text;
};
Sequence parse(const QString& text);
} // namespace IrCodes

#include "controldefinitions.h"

#include "result_codes.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>

namespace {

constexpr int LineIgnored = 1;
constexpr int LineGood = 0;

// The text between a field's first and second double quote; empty without a quote.
QString quoted(const QString& field) {
    return field.section(QLatin1Char('"'), 1, 1);
}

QString lastPart(const QString& name) {
    return name.section(QLatin1Char('|'), -1);
}

void readRangeLabels(const QStringList& fields, ControlDefinition& def) {
    if (fields.size() < 5)
        return;
    def.low_label = quoted(fields[3]);
    def.high_label = quoted(fields[4]);
}

// Pairs of a decimal value and a quoted label from field 3 on; the last pair that is either
// bad or labelled decides the line.
int readValueItems(const QStringList& fields, ControlDefinition& def) {
    if (fields.size() < 5)
        return ControlDefinitions::TooFewFields;
    int status = LineIgnored;
    for (int i = 3; i < fields.size(); i += 2) {
        bool ok = false;
        const int value = fields[i].toInt(&ok, 10);
        const QString label = i + 1 < fields.size() ? quoted(fields[i + 1]) : QString();
        if (!ok) {
            status = ControlDefinitions::BadValue;
        } else if (!label.isEmpty()) {
            def.items.append({label, value});
            status = LineGood;
        }
    }
    return status;
}

// One non-empty line: LineGood with `def` filled, LineIgnored, or a LineError.
int parseLine(const QString& line, ControlDefinition& def) {
    if (line.startsWith(QLatin1Char('#')))
        return LineIgnored;
    const QStringList fields = line.split(QLatin1Char(','));
    if (fields.size() < 3)
        return LineIgnored;
    bool ok = false;
    const int opcode = fields[0].toInt(&ok, 16);
    if (!ok)
        return ControlDefinitions::OpcodeNotHex;
    if (static_cast<unsigned>(opcode) > ControlDefinitions::MaxOpcode)
        return ControlDefinitions::OpcodeOutOfRange;
    const int type = fields[2].toInt(&ok, 10);
    if (!ok || (type != ControlDefinition::Range && type != ControlDefinition::Discrete))
        return LineIgnored;
    def.opcode = opcode;
    def.name = quoted(fields[1]);
    def.type = type;
    if (type == ControlDefinition::Range) {
        readRangeLabels(fields, def);
        return LineGood;
    }
    return readValueItems(fields, def);
}

} // namespace

int ControlDefinitions::load(QString path, int* line_no) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (line_no)
            *line_no = 0;
        return ResultCode::FileOpenFailed;
    }
    return read(file, line_no);
}

int ControlDefinitions::read(QIODevice& device, int* line_no) {
    QTextStream in(&device);
    QList<ControlDefinition> fresh;
    int counted = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.isEmpty())
            continue;
        ++counted;
        ControlDefinition def;
        const int status = parseLine(line, def);
        if (status == LineGood) {
            fresh.append(def);
        } else if (status != LineIgnored) {
            if (line_no)
                *line_no = counted;
            return status;
        }
    }
    if (line_no)
        *line_no = 0;
    if (fresh.isEmpty())
        return NoDefinitions;
    list = std::move(fresh);
    rebuildIndex();
    return ResultCode::Ok;
}

void ControlDefinitions::rebuildIndex() {
    index.clear();
    for (ControlDefinition& def : list)
        index.insert(def.opcode, &def);
}

namespace {

bool sameText(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The first definition in file order that matches, or null.
template <typename Match>
const ControlDefinition* firstDefinition(const QList<ControlDefinition>& list, Match match) {
    for (const ControlDefinition& def : list) {
        if (match(def))
            return &def;
    }
    return nullptr;
}

// The first item, over the definitions of the op code in file order, that matches, or null.
template <typename Match>
const ControlValueItem* firstItem(const QList<ControlDefinition>& list, int opcode, Match match) {
    for (const ControlDefinition& def : list) {
        if (def.opcode != opcode)
            continue;
        for (const ControlValueItem& item : def.items) {
            if (match(item))
                return &item;
        }
    }
    return nullptr;
}

} // namespace

QString ControlDefinitions::opcodeName(int opcode, bool last_part_only) const {
    const ControlDefinition* def =
        firstDefinition(list, [&](const ControlDefinition& d) { return d.opcode == opcode; });
    if (!def)
        return QString();
    return last_part_only ? lastPart(def->name) : def->name;
}

int ControlDefinitions::opcodeForShortName(QString name) const {
    const ControlDefinition* def = firstDefinition(
        list, [&](const ControlDefinition& d) { return sameText(lastPart(d.name), name); });
    return def ? def->opcode : -1;
}

int ControlDefinitions::opcodeForName(QString name) const {
    const ControlDefinition* def =
        firstDefinition(list, [&](const ControlDefinition& d) { return sameText(d.name, name); });
    return def ? def->opcode : -1;
}

ControlDefinition* ControlDefinitions::find(int opcode) const {
    return index.value(opcode, nullptr);
}

int ControlDefinitions::valueForLabel(int opcode, QString label) const {
    const ControlValueItem* item = firstItem(
        list, opcode, [&](const ControlValueItem& i) { return sameText(i.label, label); });
    return item ? item->value : -1;
}

QString ControlDefinitions::valueLabel(int opcode, int value) const {
    const ControlValueItem* item =
        firstItem(list, opcode, [&](const ControlValueItem& i) { return i.value == value; });
    return item ? item->label : QString();
}

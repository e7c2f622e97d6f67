#include "ir_codes.h"

#include <QStringList>

namespace {
const QList<IrCodes::Key> kKeys = {
    {"power", 0x03},
    {"standby", 0x4E},
    {"poweron", 0x52},
    {"volplus", 0x17},
    {"chplus", 0x33},
    {"guide", 0x34},
    {"volminus", 0x16},
    {"chminus", 0x32},
    {"mute", 0x1B},
    {"dvi", 0x2D},
    {"displayport", 0x55},
    {"vga", 0x04},
    {"ypbpr", 0x31},
    {"hdmi", 0x42},
    {"dvdhd", 0x31},
    {"video", 0x06},
    {"rgbhv", 0x2E},
    {"svideo", 0x54},
    {"option", 0x39},
    {"dvi1", 0x65},
    {"dvi2", 0x5B},
    {"hdmi1", 0x64},
    {"hdmi2", 0x58},
    {"hdmi3", 0x59},
    {"hdmi4", 0x5A},
    {"media_player", 0x68},
    {"compute_module", 0x69},
    {"picturemode", 0x1D},
    {"sound", 0x43},
    {"audio_input", 0x1E},
    {"option_menu", 0x56},
    {"wait1s", 0x00},
    {"imageflip", 0x57},
    {"aspect", 0x29},
    {"active_picture", 0x5F},
    {"preset1", 0x5C},
    {"preset2", 0x5D},
    {"preset3", 0x5E},
    {"1", 0x08},
    {"2", 0x09},
    {"3", 0x0A},
    {"4", 0x0B},
    {"5", 0x0C},
    {"6", 0x0D},
    {"7", 0x0E},
    {"8", 0x0F},
    {"9", 0x10},
    {"hyphen", 0x44},
    {"0", 0x12},
    {"ent", 0x45},
    {"display", 0x19},
    {"uparrow", 0x15},
    {"menu", 0x20},
    {"minus", 0x21},
    {"set", 0x23},
    {"plus", 0x22},
    {"auto_setup", 0x1C},
    {"downarrow", 0x14},
    {"exit", 0x1F},
    {"multipicture_onoff", 0x24},
    {"multipicture_mode", 0x63},
    {"multipicture_change", 0x26},
    {"multipicture_pictureaspect", 0x62},
    {"multipicture_rotate", 0x60},
    {"multipicture_rotateall", 0x61},
};

QString hexCode(uint value) {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

// One space between codes: none at the start, none after a space already there.
void appendCode(QString& text, uint value) {
    if (!text.isEmpty() && !text.endsWith(QLatin1Char(' ')))
        text += QLatin1Char(' ');
    text += hexCode(value);
}
} // namespace

const QList<IrCodes::Key>& IrCodes::keys() {
    return kKeys;
}

QString IrCodes::button_name(const Key& key) {
    return QStringLiteral("ir_remote_%1_pushButton").arg(QLatin1String(key.name));
}

QString IrCodes::append(const QString& text, unsigned char code) {
    QString out = text;
    appendCode(out, code);
    return out;
}

IrCodes::Sequence IrCodes::parse(const QString& text) {
    Sequence sequence;
    for (const QString& part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        const uint value = part.toUInt(&ok, 16);
        if (!ok)
            continue;
        sequence.codes << static_cast<unsigned char>(value & 0xFF);
        appendCode(sequence.text, value);
    }
    return sequence;
}

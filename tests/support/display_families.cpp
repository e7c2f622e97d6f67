#include "display_families.h"

namespace {
using M = DisplayModel;

// A reply padded with "0" digits to at least `length` characters.
QByteArray padded(QByteArray reply, int length) {
    if (reply.size() < length)
        reply += QByteArray(length - reply.size(), '0');
    return reply;
}

// A body's sub-command and the code the reply carries.
int sub(const QByteArray& body) {
    return int(M::field(body, 4, 2));
}
QByteArray replyCode(const QByteArray& body) {
    return M::hex4(M::field(body, 0, 4) + 0x0100);
}
} // namespace

DisplayFamilies::DisplayFamilies(DisplayModel& model) {
    addCalendar(model);
    addNetwork(model);
    addSetUp(model);
}

void DisplayFamilies::addCalendar(DisplayModel& model) {
    const QByteArray unsetTimes = "183C183C"; // 24:60 twice
    // Extended and advanced schedules: reads and writes of one table each.
    struct Dialect {
        QByteArray read, write;
        QMap<int, QByteArray>* table;
        QByteArray blank;
        int readLength, writeLength;
    };
    const Dialect dialects[] = {
        {"C221", "C222", &extendedSchedules, unsetTimes + QByteArray(22, '0'), 36, 38},
        {"C23D", "C23E", &advancedSchedules, "01183C" + QByteArray(20, '0'), 34, 36}};
    for (const Dialect& d : dialects) {
        model.addCommand('A', d.read, [this, d](const QByteArray& body) {
            const int program = int(M::field(body, 4, 2));
            return padded(replyCode(body) + M::hex2(program) + d.table->value(program, d.blank),
                          d.readLength);
        });
        model.addCommand('A', d.write, [this, d](const QByteArray& body) {
            const int program = int(M::field(body, 4, 2));
            const bool refused = refusedSchedules.contains(program);
            if (!refused)
                d.table->insert(program, body.mid(6));
            return padded(replyCode(body) + (refused ? "01" : "00") + body.mid(4), d.writeLength);
        });
    }
    model.addCommand('A', "C213", [this, unsetTimes](const QByteArray& body) {
        const int program = int(M::field(body, 4, 2));
        return "C313" + M::hex2(program) +
               plainSchedules.value(program, unsetTimes + QByteArray(8, '0'));
    });
    model.addCommand('A', "C214", [this](const QByteArray& body) {
        const int program = int(M::field(body, 4, 2));
        // A legacy write carries no picture mode: keep the one stored.
        QByteArray fields = body.mid(6, 16);
        if (fields.size() < 16)
            fields += plainSchedules.value(program).mid(14, 2).leftJustified(2, '0');
        plainSchedules.insert(program, fields);
        return "C31400" + body.mid(4, 2) + fields;
    });
    for (const char* code : {"C215", "C23F"}) {
        model.addCommand('A', code, [this](const QByteArray& body) {
            const int program = int(M::field(body, 4, 2));
            scheduleEnables.insert(program, int(M::field(body, 6, 2)));
            return replyCode(body) + "00" + body.mid(4, 4);
        });
    }
    model.addCommand('A', "CA01", [this](const QByteArray& body) -> QByteArray {
        switch (sub(body)) {
        case 0:
            return "CB010000" + daylightSavingRule;
        case 1:
            daylightSavingRule = body.mid(6, 22);
            return "CB010100";
        case 2:
            return "CB010200" + M::hex2(daylightSaving);
        case 3:
            daylightSaving = static_cast<unsigned char>(M::field(body, 6, 2));
            return "CB010300";
        }
        return "BE";
    });
    model.addCommand('A', "CA1A", [this](const QByteArray& body) {
        if (sub(body) == 1) {
            weekend = static_cast<unsigned char>(M::field(body, 6, 2));
            return "CB1A0100" + M::hex2(weekend);
        }
        return "CB1A00" + M::hex2(weekend);
    });
    model.addCommand('A', "CA19", [this](const QByteArray& body) {
        const int number = int(M::field(body, 6, 2));
        if (sub(body) == 1) {
            const bool refused = refusedHolidays.contains(number);
            if (!refused)
                holidays.insert(number, body.mid(8));
            return padded(
                QByteArray("CB1901") + (refused ? "01" : "00") + M::hex2(number) + body.mid(8), 26);
        }
        return padded("CB1900" + M::hex2(number) + holidays.value(number, "00"), 24);
    });
}

void DisplayFamilies::addNetwork(DisplayModel& model) {
    model.addCommand('A', "CA15", [this](const QByteArray& body) -> QByteArray {
        switch (sub(body)) {
        case 0: {
            // Start and stop set the recording state, clear empties the log; a display that
            // already is so answers status 2.
            const auto mode = static_cast<unsigned char>(M::field(body, 6, 2));
            const bool already = mode == 2 ? proofOfPlayLog.isEmpty() : mode == proofOfPlayMode;
            if (mode == 2)
                proofOfPlayLog.clear();
            else
                proofOfPlayMode = mode;
            return already ? "CB150002" : "CB150000";
        }
        case 1:
            if (proofOfPlayLog.isEmpty())
                return "CB150101";
            return "CB150100" + M::hex4(proofOfPlayLog.size()) + proofOfPlayLog.last();
        case 2:
            return "CB1502" + M::hex2(proofOfPlayError) + M::hex4(proofOfPlayLog.size()) +
                   M::hex4(3000) + M::hex2(proofOfPlayMode);
        case 3: {
            const int from = int(M::field(body, 6, 4)), to = int(M::field(body, 10, 4));
            QByteArray reply = "CB150300" + M::hex4(from);
            for (int n = from; n <= to && n >= 1 && n <= proofOfPlayLog.size(); ++n)
                if (reply.size() + proofOfPlayLog[n - 1].size() <= 253)
                    reply += proofOfPlayLog[n - 1];
            return reply;
        }
        }
        return "BE";
    });
    model.addCommand('A', "C22A02",
                     [this](const QByteArray&) { return "C32A02000004" + macAddress; });
    model.addCommand('A', "C22A45", [this](const QByteArray&) {
        return "C32A0045" + M::hex2(ipStatus) + ipAddress;
    });
    model.addCommand('A', "C220", [this](const QByteArray& body) {
        return "C320" + body.mid(4, 2) + macAddress;
    });
}

void DisplayFamilies::addSetUp(DisplayModel& model) {
    model.addCommand('A', "CA0A", [this](const QByteArray& body) {
        return "CB0A" + body.mid(4, 2) + M::hex2(autoIdResult);
    });
    model.addCommand('A', "CA03", [this](const QByteArray& body) -> QByteArray {
        switch (sub(body)) {
        case 1:
        case 5:
            tileMatrixH = static_cast<unsigned char>(M::field(body, 6, 2));
            tileMatrixV = static_cast<unsigned char>(M::field(body, 8, 2));
            break;
        case 4:
            return "CB0304" + M::hex2(tileMatrixResult) + M::hex2(tileMatrixH) +
                   M::hex2(tileMatrixV);
        }
        return "CB03" + body.mid(4, 2) + M::hex2(tileMatrixResult);
    });

    // Security: the enable write carries the password doubled, the locks in digit form.
    model.addCommand('A', "CA0C", [this](const QByteArray& body) {
        if (sub(body) == 2)
            return "CB0C02" + M::hex2(securityEnabled);
        const QByteArray given = QByteArray::fromHex(QByteArray::fromHex(body.mid(10, 16)));
        if (given != password)
            return QByteArray("CB0C0101");
        securityEnabled = static_cast<unsigned char>(M::field(body, 6, 2));
        return QByteArray("CB0C0100");
    });
    auto lock = [this](unsigned char* state) {
        return [this, state](const QByteArray& body) {
            QByteArray given;
            for (int i = 0; i < 4; ++i)
                given += char(M::field(body, 6 + 2 * i, 2) + 0x30);
            const bool right = given == password;
            if (right)
                *state = static_cast<unsigned char>(M::field(body, 4, 2));
            return replyCode(body) + (right ? "00" : "01") + M::hex2(*state);
        };
    };
    model.addCommand('A', "C21D", lock(&locked));
    model.addCommand('A', "CA1B", lock(&computeModuleLocked));

    model.addCommand('A', "CA04", [this](const QByteArray& body) -> QByteArray {
        const int terminal = int(M::field(body, 6, 2));
        switch (sub(body)) {
        case 0:
            return "CB0400" + M::hexText(inputName);
        case 1:
            inputName = QByteArray::fromHex(body.mid(6));
            return "CB040100";
        case 2:
            inputName.clear();
            return "CB040200";
        case 3:
            return "CB040300" + M::hex2(terminal) + M::hexText(terminalNames.value(terminal));
        case 4:
            terminalNames.insert(terminal, QByteArray::fromHex(body.mid(8)));
            return "CB040400";
        case 5:
            terminalNames.remove(terminal);
            return "CB040500";
        }
        return "BE";
    });
    model.addCommand('A', "CA0B", [this](const QByteArray& body) {
        unsigned char* values[] = {&powerSaveMode, &powerSaveTime, &autoStandbyTime};
        const int s = sub(body);
        unsigned char& value = *values[(s / 2) % 3];
        if (s % 2 == 0)
            return "CB0B" + M::hex2(s) + M::hex2(value);
        value = static_cast<unsigned char>(M::field(body, 6, 2));
        return "CB0B" + M::hex2(s) + "00";
    });

    model.addCommand('A', "C226", [this](const QByteArray& body) {
        return "00C326" + pictureModeNames.value(body[4] - '0', QByteArray(13, ' '));
    });
    model.addCommand('A', "C227", [this](const QByteArray& body) {
        pictureModeNames.insert(body[4] - '0', body.mid(5));
        return QByteArray("00C3270") + body.mid(4, 2);
    });
    model.addCommand('A', "C22C", [this](const QByteArray&) {
        return "C32C" + M::hex4(tvMajor >> 16) + M::hex4(tvMajor) + M::hex4(tvMinor);
    });
    model.addCommand('A', "C22D", [this](const QByteArray& body) {
        tvMajor = M::field(body, 4, 4) << 16 | M::field(body, 8, 4);
        tvMinor = static_cast<unsigned short>(M::field(body, 12, 4));
        return "C32D" + body.mid(4, 12);
    });
    model.addCommand('A', "CA17", [this](const QByteArray& body) {
        const int profile = int(M::field(body, 6, 2));
        if (sub(body) == 0)
            tileMatrixProfiles.insert(profile, body.mid(8, 8));
        if (sub(body) != 1)
            return "CB17" + body.mid(4, 2) + (tileMatrixProfiles.contains(profile) ? "00" : "01");
        return "CB170100" + M::hex2(profile) + tileMatrixProfiles.value(profile, "00000000");
    });
    model.addCommand('A', "CA20", [this](const QByteArray& body) {
        const int profile = int(M::field(body, 6, 2));
        if (sub(body) == 0)
            pipProfiles.insert(profile, body.mid(8, 66));
        if (sub(body) != 1)
            return "CB20" + body.mid(4, 2) + "00";
        return "CB200100" + M::hex2(profile) + pipProfiles.value(profile, QByteArray(66, '0'));
    });
}

#pragma once

#include "display_model.h"

#include <QByteArray>
#include <QMap>
#include <QSet>

// The calendar, network, proof-of-play, auto ID, security, input-name, power-save and profile
// commands of a display, added to a DisplayModel. The state is public like the model's: set it
// before an exchange, read it after one. Records are kept as the hexadecimal text the display
// echoes, so what was written reads back as it stands.
class DisplayFamilies {
public:
    explicit DisplayFamilies(DisplayModel& model);

    // Schedule fields after the program number, by program: extended (both times, input,
    // weekdays, flags, picture mode, seven trailing bytes), advanced (event type, one time,
    // input .. picture mode, six trailing bytes) and plain (both times, input, weekdays, flags,
    // picture mode).
    QMap<int, QByteArray> extendedSchedules;
    QMap<int, QByteArray> advancedSchedules;
    QMap<int, QByteArray> plainSchedules;
    QMap<int, int> scheduleEnables;
    QSet<int> refusedSchedules;     // programs whose extended or advanced writes get status 01
    QMap<int, QByteArray> holidays; // fields after the number, as written
    QSet<int> refusedHolidays;      // numbers whose writes get status 01
    unsigned char weekend = 0x60;
    QByteArray daylightSavingRule = QByteArray(22, '0');
    unsigned char daylightSaving = 0;

    unsigned char proofOfPlayMode = 0;  // 0 stopped, 1 started
    unsigned char proofOfPlayError = 0; // the status read's error status
    QList<QByteArray> proofOfPlayLog;   // entries without their log numbers, from number 1
    QByteArray macAddress = "0011223344AA";
    unsigned char ipStatus = 1;
    QByteArray ipAddress = "C0A8000A";

    unsigned char autoIdResult = 0;
    unsigned char tileMatrixResult = 0; // the status byte of every auto tile matrix reply
    unsigned char tileMatrixH = 1, tileMatrixV = 1;

    QByteArray password = "0000";
    unsigned char securityEnabled = 0;
    unsigned char locked = 0;
    unsigned char computeModuleLocked = 0;

    QByteArray inputName;
    QMap<int, QByteArray> terminalNames;
    unsigned char powerSaveMode = 0, powerSaveTime = 0, autoStandbyTime = 0;

    QMap<int, QByteArray> pictureModeNames; // as sent: 13 characters
    unsigned int tvMajor = 0;
    unsigned short tvMinor = 0;
    QMap<int, QByteArray> tileMatrixProfiles; // h, v, position, comp as hexadecimal text
    QMap<int, QByteArray> pipProfiles;        // 33 bytes as hexadecimal text

private:
    void addCalendar(DisplayModel& model);
    void addNetwork(DisplayModel& model);
    void addSetUp(DisplayModel& model);
};

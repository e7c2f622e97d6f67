#pragma once

#include <QString>

class QWidget;

// Message-box icons, with the values of QMessageBox::Icon.
namespace MessageIcon {
enum : int { None = 0, Information = 1, Warning = 2, Critical = 3, Question = 4 };
}

// The ids of the shared texts that code names. A list's id is followed by its items: item n has
// the id of the list plus n.
namespace StringId {
enum : int {
    ApplicationName = 1,
    DisplayListFilter = 2,
    DisplayListExtension = 3,
    OpenDisplayListTitle = 4,
    SaveDisplayListTitle = 5,
    ScriptFolder = 9,
    CompanyName = 11,
    SplashImage = 14,
    UnknownError = 100,
    UpdateFailed = 156,
    NoNewerVersion = 157,
    UpdateServerUrl = 158,
    UpdateAvailable = 159,
    UpdateChanges = 174,
    BackupUpdateServerUrl = 186,
    AutoSetupQuestion = 712,
    AutoGainBiasQuestion = 713,
    NormalLutQuestion = 714,
    BlackLutQuestion = 715,
    WhiteLutQuestion = 716,
    ScanBeginQuestion = 720,
    ScanCompareQuestion = 721,
    ClearAllHolidaysQuestion = 722,
    ClearAllSchedulesQuestion = 723,
    InputResolutions = 1300,
    BaseZooms = 1400,
    Aspects = 1500,
    FanSensorNumber = 1601,
    FanModes = 1700,
    FanSpeeds = 1800,
    LastSetting = 2000,
    IrControlModes = 2100,
    Weekdays = 2200,
    Weeks = 2210,
    HolidayWeeks = 2220,
};
} // namespace StringId

// The program's shared text of a string id, translated; "Missing message text" for an id
// without one.
QString StringResource(int id);
// The text of a result code. *icon is left alone unless the code asks for another icon.
void errorCodeToMessage(int code, QString* text, int* icon);
// A failure as one line on standard error: what failed, why (by default the code's text),
// without its "Error: " and final period, and the code: "<what>: No reply from the display
// (-3003)".
QString failureLine(const QString& what, int code, QString reason = QString());
// A modal box, titled with the application name and with one Ok button, for a result code
// (critical unless the code asks otherwise) or for a given text and icon.
void showErrorMessageBox(QWidget* parent, int code);
void showMessageBox(QWidget* parent, QString text, int icon);

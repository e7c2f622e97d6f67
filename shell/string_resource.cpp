#include "string_resource.h"
#include "result_codes.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <algorithm>
#include <iterator>

namespace {

enum class Kind {
    Translated,
    Plain,      // never translated
    DegreeSign, // translated, then %1 becomes the degree sign
};

struct Source {
    const char* text;
    const char* key; // translation disambiguation
};

struct StringEntry {
    int id;
    Source source;
    Kind kind;
};

// clang-format off
const StringEntry strings[] = {
    {1, QT_TRANSLATE_NOOP3("QObject", "ZET QV Comms Tool", "STR_RES_ID_APPLICATION_NAME"), Kind::Translated},
    {2, QT_TRANSLATE_NOOP3("QObject", "Display List File (*.txt)", "STR_RES_ID_TARGET_FILE_FILTER"), Kind::Translated},
    {3, QT_TRANSLATE_NOOP3("QObject", ".txt", "STR_RES_ID_TARGET_FILE_EXTENSION"), Kind::Translated},
    {4, QT_TRANSLATE_NOOP3("QObject", "Open Display List File", "STR_RES_ID_OPEN_TARGET_FILE_DIALOG_TITLE"), Kind::Translated},
    {5, QT_TRANSLATE_NOOP3("QObject", "Save Display List File", "STR_RES_ID_SAVE_TARGET_FILE_DIALOG_TITLE"), Kind::Translated},
    {9, QT_TRANSLATE_NOOP3("QObject", "/SampleScripts/", "STR_RES_ID_DEFAULT_TARGET_FILE_FOLDER_NAME"), Kind::Translated},
    {11, QT_TRANSLATE_NOOP3("QObject", "ZET Display Solutions", "STR_RES_ID_COMPANY_NAME"), Kind::Translated},
    {12, {"preferences.dat", nullptr}, Kind::Plain},
    {14, QT_TRANSLATE_NOOP3("QObject", ":/images/Resources/splash small.png", "STR_RES_ID_SPLASHSCREEN_FILE_NAME"), Kind::Translated},
    {22, QT_TRANSLATE_NOOP3("QObject", "untitled.txt", "STR_RES_ID_UNTITLED_PROJECT_FILE_NAME"), Kind::Translated},
    {100, QT_TRANSLATE_NOOP3("QObject", "Unknown Error #%1", "STR_RES_ID_ERROR_UNKNOWN_ERROR"), Kind::Translated},
    {101, QT_TRANSLATE_NOOP3("QObject", "Error: Unable to open file.", "STR_RES_ID_ERROR_UNABLE_TO_OPEN_FILE"), Kind::Translated},
    {102, QT_TRANSLATE_NOOP3("QObject", "Error: The file appears to be an invalid format.", "STR_RES_ID_ERROR_INVALID_FILE_DATA"), Kind::Translated},
    {103, QT_TRANSLATE_NOOP3("QObject", "Error: The file appears to be an invalid version.", "STR_RES_ID_ERROR_INVALID_FILE_VERSION"), Kind::Translated},
    {104, QT_TRANSLATE_NOOP3("QObject", "Error: Unable to save file.", "STR_RES_ID_ERROR_UNABLE_TO_SAVE_FILE"), Kind::Translated},
    {156, QT_TRANSLATE_NOOP3("QObject", "Error: Unable to retrieve latest version information. %1.", "STR_RES_ID_ERROR_CANT_GET_UPDATE_INFORMATION"), Kind::Translated},
    {157, QT_TRANSLATE_NOOP3("QObject", "No newer updates are available. You are using the latest version.", "STR_RES_ID_UPDATE_INFORMATION_NO_NEWER_VERSION_AVAILABLE"), Kind::Translated},
    {158, QT_TRANSLATE_NOOP3("QObject", "http://updates.zetdisplaysolutions.example/qvtools/updates.txt", "STR_RES_ID_UPDATES_WEB_SERVER_BACKUP_URL"), Kind::Translated},
    {186, QT_TRANSLATE_NOOP3("QObject", "http://updates.zetdisplaysolutions.example/qvtools/updates.txt", "STR_RES_ID_UPDATES_WEB_SERVER_BACKUP_URL"), Kind::Translated},
    {159, QT_TRANSLATE_NOOP3("QObject", "<html>A newer version %1 is <a href=\"%2\">available for download</a>. %4See the <a href=\"%3\">README file</a> for more information.</html>", "STR_RES_ID_UPDATE_INFORMATION_AVAILABLE"), Kind::Translated},
    {174, QT_TRANSLATE_NOOP3("QObject", "<br>The following changes have been made in this version:<br><br>%1<br>", "STR_RES_ID_UPDATE_CHANGES_LIST"), Kind::Translated},
    {175, QT_TRANSLATE_NOOP3("QObject", "Error: Unable to open RS232 port. Make sure that no other application or device is using this port.", "STR_RES_ID_ERROR_CANT_OPEN_COM_PORT"), Kind::Translated},
    {176, QT_TRANSLATE_NOOP3("QObject", "Error: Unable to open RS232 port. Make sure that no other application or device is using this port.", "STR_RES_ID_ERROR_CANT_OPEN_COM_PORT"), Kind::Translated},
    {177, QT_TRANSLATE_NOOP3("QObject", "Error: Unable to send data to the display.", "STR_RES_ID_ERROR_COMMUNICATIONS_SENDING_DATA"), Kind::Translated},
    {178, QT_TRANSLATE_NOOP3("QObject", "Error: No reply from the display.", "STR_RES_ID_ERROR_COMMUNICATIONS_RECEIVING_DATA"), Kind::Translated},
    {179, QT_TRANSLATE_NOOP3("QObject", "Error: Access error when trying to open IP address", "STR_RES_ID_ERROR_COMMUNICATIONS_TCPIP_SOCKET_ACCESS_ERROR"), Kind::Translated},
    {180, QT_TRANSLATE_NOOP3("QObject", "Error: Connection refused by remote IP address", "STR_RES_ID_ERROR_COMMUNICATIONS_TCPIP_CONNECTION_REFUSED_ERROR"), Kind::Translated},
    {181, QT_TRANSLATE_NOOP3("QObject", "Error: Remote host not found at IP address", "STR_RES_ID_ERROR_COMMUNICATIONS_TCPIP_HOST_NOT_FOUND_ERROR"), Kind::Translated},
    {182, QT_TRANSLATE_NOOP3("QObject", "Error: Timeout waiting for remote IP address", "STR_RES_ID_ERROR_COMMUNICATIONS_TCPIP_SOCKET_TIMEOUT_ERROR"), Kind::Translated},
    {183, QT_TRANSLATE_NOOP3("QObject", "Error: Unable to communicate with IP address", "STR_RES_ID_ERROR_COMMUNICATIONS_TCPIP_NETWORK_ERROR"), Kind::Translated},
    {184, QT_TRANSLATE_NOOP3("QObject", "Error: Unable to open IP address", "STR_RES_ID_ERROR_COMMUNICATIONS_TCPIP_CANT_OPEN_PORT"), Kind::Translated},
    {185, QT_TRANSLATE_NOOP3("QObject", "Error: Incorrect reply from the display.", "STR_RES_ID_ERROR_COMMUNICATIONS_INCORRECT_MESSAGE_LENGTH"), Kind::Translated},
    {187, QT_TRANSLATE_NOOP3("QObject", "Error communicating with display Port %1 ID %2", "STR_RES_ID_ERROR_COMMUNICATING_WITH_DISPLAY_PORT_ID"), Kind::Translated},
    {188, QT_TRANSLATE_NOOP3("QObject", "Error: The display does not support the necessary commands.", "STR_RES_ID_ERROR_CONTROL_UNSUPPORTED"), Kind::Translated},
    {189, QT_TRANSLATE_NOOP3("QObject", "Display # %1 Port %2 ID %3: %4", "STR_RES_ID_PROGRESS_OPERATION_ERROR_STRING_FORMAT"), Kind::Translated},
    {190, QT_TRANSLATE_NOOP3("QObject", "Error: Unable to open RS232 COM port", "STR_RES_ID_ERROR_COMMUNICATIONS_CANT_OPEN_RS232_PORT"), Kind::Translated},
    {191, QT_TRANSLATE_NOOP3("QObject", "Error: Unsupported command or incorrect Monitor ID (Null message reply).", "STR_RES_ID_ERROR_COMMUNICATIONS_NULL_MESSAGE_RECEIVED"), Kind::Translated},
    {192, QT_TRANSLATE_NOOP3("QObject", "Error: Bad checksum received.", "STR_RES_ID_ERROR_BAD_CHECKSUM"), Kind::Translated},
    {193, QT_TRANSLATE_NOOP3("QObject", "Error: Reply Error Status code indicated erorr.", "STR_RES_ID_ERROR_ERROR_STATUS_INDICATED_ERROR"), Kind::Translated},
    {604, QT_TRANSLATE_NOOP3("QObject", "Closes in %1 second", "STR_RES_ID_MESSAGE_BOX_MESSAGE_CLOSSES_IN_1_SECOND"), Kind::Translated},
    {605, QT_TRANSLATE_NOOP3("QObject", "Closes in %1 seconds", "STR_RES_ID_MESSAGE_BOX_MESSAGE_CLOSSES_IN_X_SECONDS"), Kind::Translated},
    {712, QT_TRANSLATE_NOOP3("QObject", "This will automatically set up the analog video signal levels and adjust the video position and size. <br><br><b>You must display a video image that contains both black and white areas in order for the operation to be performed correctly. White areas should extend to the borders of the active video area.</b><br><br>An example test pattern is shown below. <br><img src=\":/images/Resources/activevideo.png\"><br><br>Are you sure you want to proceed?", "STR_RES_ID_ASK_PROCEED_ANALOG_AUTO_SETUP"), Kind::Translated},
    {713, QT_TRANSLATE_NOOP3("QObject", "This will automatically set up the analog video signal gain and bias levels. <br><br><b>You must display a color bar test pattern in order for the operation to be performed correctly.</b><br><br>An example test pattern is shown below.<br><img src=\":/images/Resources/colorbar.png\"><br><br>Are you sure you want to proceed?", "STR_RES_ID_ASK_PROCEED_ANALOG_AUTO_SETUP"), Kind::Translated},
    {714, QT_TRANSLATE_NOOP3("QObject", "This sets a linear LUT in the display and will overwrite the current LUT. The Gamma mode will be set to Programmable.<br><br><b>Are you sure you want to proceed?", "STR_RES_ID_ASK_PROCEED_ANALOG_AUTO_SETUP"), Kind::Translated},
    {715, QT_TRANSLATE_NOOP3("QObject", "This sets a special LUT in the display used only for manually adjusting the <b>analog</b> offset levels via the EXPERT OSD. You <b>must</b> input an analog signal with <b>black</b> only.<br><br>Once the LUT has been set, adjust the OFFSET BASE 01 (red), 02 (green) and 03 (blue) settings on the EXPERT OSD menu until the screen becomes full of bright white noise. The screen color will become brighter when it is closest to the ideal value. When completed set the <b>Normal LUT</b> to restore normal video. This step must be performed <b>before</b> adjusting the GAIN settings.<br><br>Once these settings have been adjusted correctly do <b>not</b> operate the <i>Analog Auto Setup</i> or <i>Analog Auto Bias/Gain Setup</i> controls otherwise the adjustments will be erased.<br><br><b>Do not use this pattern for other purposes.</b><b><br><br>Are you sure you want to proceed?", "STR_RES_ID_ASK_PROCEED_ANALOG_AUTO_SETUP"), Kind::Translated},
    {716, QT_TRANSLATE_NOOP3("QObject", "This sets a special LUT in the display used only for manually adjusting the <b>analog</b> gain levels via the EXPERT OSD. You <b>must</b> input an analog signal with <b>white</b> only.<br><br>Once the LUT has been set, adjust the GAIN 01 (red), 02 (green) and 03 (blue) settings on the EXPERT OSD menu until the screen becomes full of bright white noise. The screen color will become brighter when it is closest to the ideal value. When completed set the <b>Normal LUT</b> to restore normal video. This step must be performed <b>after</b> adjusting the OFFSET BASE settings.<br><br>Once these settings have been adjusted correctly do <b>not</b> operate the <i>Analog Auto Setup</i> or <i>Analog Auto Bias/Gain Setup</i> controls otherwise the adjustments will be erased.<br><br><b>Do not use this pattern for other purposes.</b><b><br><br>Are you sure you want to proceed?", "STR_RES_ID_ASK_PROCEED_ANALOG_AUTO_SETUP"), Kind::Translated},
    {720, QT_TRANSLATE_NOOP3("QObject", "This feature scans all available Op Codes to find out which ones have changed in value. This is useful for example to find out the Op Code of an unknown control. It works by first reading all of the Op Code values. Next the control setting should be changed via the display's OSD. Then it will re-read all Op Code values and report any differences.<br><br>Note: This process will take several minutes.<br><br>Do you want to proceed?", "STR_RES_ID_MESSAGE_BOX_OPCODE_SCANNER_BEGINNING"), Kind::Translated},
    {721, QT_TRANSLATE_NOOP3("QObject", "Now change the control setting on the display's OSD. When completed, click OK to proceed with scanning for the changed Op Code(s).", "STR_RES_ID_MESSAGE_BOX_OPCODE_SCANNER_COMPARE"), Kind::Translated},
    {722, QT_TRANSLATE_NOOP3("QObject", "This will clear all Hoildays. <br>Do you want to proceed?", "STR_RES_ID_TARGET_CLEAR_ALL_HOLIDAYS_QUESTION"), Kind::Translated},
    {723, QT_TRANSLATE_NOOP3("QObject", "This will clear all Schedules. <br>Do you want to proceed?", "STR_RES_ID_TARGET_CLEAR_ALL_SCHEDULES_QUESTION"), Kind::Translated},
    {1000, QT_TRANSLATE_NOOP3("QObject", "Connecting to Port %1 ID %2", "STR_RES_ID_CONNECTING_TO_DISPLAY_MESSAGE"), Kind::Translated},
    {1201, QT_TRANSLATE_NOOP3("QObject", "VGA (D-SUB)", "STR_RES_ID_VIDEO_INPUT_VALUE_1"), Kind::Translated},
    {1202, QT_TRANSLATE_NOOP3("QObject", "RGB/HV (BNC)", "STR_RES_ID_VIDEO_INPUT_VALUE_2"), Kind::Translated},
    {1203, QT_TRANSLATE_NOOP3("QObject", "DVI (DVI-D)", "STR_RES_ID_VIDEO_INPUT_VALUE_3"), Kind::Translated},
    {1204, QT_TRANSLATE_NOOP3("QObject", "HDMI", "STR_RES_ID_VIDEO_INPUT_VALUE_4"), Kind::Translated},
    {1205, QT_TRANSLATE_NOOP3("QObject", "VIDEO1 (RCA)", "STR_RES_ID_VIDEO_INPUT_VALUE_5"), Kind::Translated},
    {1206, QT_TRANSLATE_NOOP3("QObject", "VIDEO2 (BNC)", "STR_RES_ID_VIDEO_INPUT_VALUE_6"), Kind::Translated},
    {1207, QT_TRANSLATE_NOOP3("QObject", "S-VIDEO", "STR_RES_ID_VIDEO_INPUT_VALUE_7"), Kind::Translated},
    {1209, QT_TRANSLATE_NOOP3("QObject", "Tuner-1 (ATV)", "STR_RES_ID_VIDEO_INPUT_VALUE_9"), Kind::Translated},
    {1210, QT_TRANSLATE_NOOP3("QObject", "Tuner-2 (DTV)", "STR_RES_ID_VIDEO_INPUT_VALUE_10"), Kind::Translated},
    {1212, QT_TRANSLATE_NOOP3("QObject", "DVD/HD1 (RCA)", "STR_RES_ID_VIDEO_INPUT_VALUE_12"), Kind::Translated},
    {1213, QT_TRANSLATE_NOOP3("QObject", "Option", "STR_RES_ID_VIDEO_INPUT_VALUE_13"), Kind::Translated},
    {1214, QT_TRANSLATE_NOOP3("QObject", "DVD/HD2 (BNC)", "STR_RES_ID_VIDEO_INPUT_VALUE_14"), Kind::Translated},
    {1215, QT_TRANSLATE_NOOP3("QObject", "DisplayPort", "STR_RES_ID_VIDEO_INPUT_VALUE_15"), Kind::Translated},
    {1216, QT_TRANSLATE_NOOP3("QObject", "DisplayPort2", "STR_RES_ID_VIDEO_INPUT_VALUE_16"), Kind::Translated},
    {1217, QT_TRANSLATE_NOOP3("QObject", "HDMI", "STR_RES_ID_VIDEO_INPUT_VALUE_17"), Kind::Translated},
    {1218, QT_TRANSLATE_NOOP3("QObject", "HDMI2", "STR_RES_ID_VIDEO_INPUT_VALUE_18"), Kind::Translated},
    {1219, QT_TRANSLATE_NOOP3("QObject", "HDMI3 (T series)", "STR_RES_ID_VIDEO_INPUT_VALUE_19"), Kind::Translated},
    {1220, QT_TRANSLATE_NOOP3("QObject", "USB", "STR_RES_ID_VIDEO_INPUT_VALUE_20"), Kind::Translated},
    {1221, QT_TRANSLATE_NOOP3("QObject", "DisplayPort3", "STR_RES_ID_VIDEO_INPUT_VALUE_128"), Kind::Translated},
    {1223, QT_TRANSLATE_NOOP3("QObject", "HDMI3", "STR_RES_ID_VIDEO_INPUT_VALUE_130"), Kind::Translated},
    {1224, QT_TRANSLATE_NOOP3("QObject", "HDMI4", "STR_RES_ID_VIDEO_INPUT_VALUE_131"), Kind::Translated},
    {1225, QT_TRANSLATE_NOOP3("QObject", "PRESET1", "STR_RES_ID_VIDEO_INPUT_VALUE_132"), Kind::Translated},
    {1226, QT_TRANSLATE_NOOP3("QObject", "PRESET2", "STR_RES_ID_VIDEO_INPUT_VALUE_133"), Kind::Translated},
    {1227, QT_TRANSLATE_NOOP3("QObject", "PRESET3", "STR_RES_ID_VIDEO_INPUT_VALUE_134"), Kind::Translated},
    {1228, QT_TRANSLATE_NOOP3("QObject", "Media Player", "STR_RES_ID_VIDEO_INPUT_VALUE_135"), Kind::Translated},
    {1229, QT_TRANSLATE_NOOP3("QObject", "Compute Module", "STR_RES_ID_VIDEO_INPUT_VALUE_136"), Kind::Translated},
    {1301, QT_TRANSLATE_NOOP3("QObject", "Auto", "STR_RES_ID_INPUT_RESOLUTION_VALUE_1"), Kind::Translated},
    {1302, QT_TRANSLATE_NOOP3("QObject", "1024x768", "STR_RES_ID_INPUT_RESOLUTION_VALUE_2"), Kind::Translated},
    {1303, QT_TRANSLATE_NOOP3("QObject", "1280x768", "STR_RES_ID_INPUT_RESOLUTION_VALUE_3"), Kind::Translated},
    {1304, QT_TRANSLATE_NOOP3("QObject", "1360x768", "STR_RES_ID_INPUT_RESOLUTION_VALUE_4"), Kind::Translated},
    {1305, QT_TRANSLATE_NOOP3("QObject", "1366x768", "STR_RES_ID_INPUT_RESOLUTION_VALUE_5"), Kind::Translated},
    {1306, QT_TRANSLATE_NOOP3("QObject", "1400x1050", "STR_RES_ID_INPUT_RESOLUTION_VALUE_6"), Kind::Translated},
    {1307, QT_TRANSLATE_NOOP3("QObject", "1680x1050", "STR_RES_ID_INPUT_RESOLUTION_VALUE_7"), Kind::Translated},
    {1401, QT_TRANSLATE_NOOP3("QObject", "Off", "STR_RES_ID_BASE_ZOOM_VALUE_1"), Kind::Translated},
    {1402, QT_TRANSLATE_NOOP3("QObject", "Custom", "STR_RES_ID_BASE_ZOOM_VALUE_2"), Kind::Translated},
    {1403, QT_TRANSLATE_NOOP3("QObject", "16:9-Zoom", "STR_RES_ID_BASE_ZOOM_VALUE_3"), Kind::Translated},
    {1404, QT_TRANSLATE_NOOP3("QObject", "14:9-Zoom", "STR_RES_ID_BASE_ZOOM_VALUE_4"), Kind::Translated},
    {1405, QT_TRANSLATE_NOOP3("QObject", "Dynamic", "STR_RES_ID_BASE_ZOOM_VALUE_5"), Kind::Translated},
    {1501, QT_TRANSLATE_NOOP3("QObject", "Normal", "STR_RES_ID_ASPECT_VALUE_1"), Kind::Translated},
    {1502, QT_TRANSLATE_NOOP3("QObject", "Full", "STR_RES_ID_ASPECT_VALUE_2"), Kind::Translated},
    {1503, QT_TRANSLATE_NOOP3("QObject", "Wide", "STR_RES_ID_ASPECT_VALUE_3"), Kind::Translated},
    {1504, QT_TRANSLATE_NOOP3("QObject", "Zoom", "STR_RES_ID_ASPECT_VALUE_4"), Kind::Translated},
    {1601, QT_TRANSLATE_NOOP3("QObject", "%1", "STR_RES_ID_TEMP_SENSOR_NUMBER_LISTBOX"), Kind::Translated},
    {1701, QT_TRANSLATE_NOOP3("QObject", "Auto (no offset)", "STR_RES_ID_FAN_CONTROL_LISTBOX_1"), Kind::Translated},
    {1702, QT_TRANSLATE_NOOP3("QObject", "Forced On", "STR_RES_ID_FAN_CONTROL_LISTBOX_2"), Kind::Translated},
    {1703, QT_TRANSLATE_NOOP3("QObject", "Auto (-2%1 offset)", "STR_RES_ID_FAN_CONTROL_LISTBOX_3"), Kind::DegreeSign},
    {1704, QT_TRANSLATE_NOOP3("QObject", "Auto (-4%1 offset)", "STR_RES_ID_FAN_CONTROL_LISTBOX_4"), Kind::DegreeSign},
    {1705, QT_TRANSLATE_NOOP3("QObject", "Auto (-6%1 offset)", "STR_RES_ID_FAN_CONTROL_LISTBOX_5"), Kind::DegreeSign},
    {1706, QT_TRANSLATE_NOOP3("QObject", "Auto (-8%1 offset)", "STR_RES_ID_FAN_CONTROL_LISTBOX_6"), Kind::DegreeSign},
    {1707, QT_TRANSLATE_NOOP3("QObject", "Auto (-10%1 offset)", "STR_RES_ID_FAN_CONTROL_LISTBOX_8"), Kind::DegreeSign},
    {1801, QT_TRANSLATE_NOOP3("QObject", "High", "STR_RES_ID_FAN_SPEED_CONTROL_VALUE_1"), Kind::Translated},
    {1802, QT_TRANSLATE_NOOP3("QObject", "Low", "STR_RES_ID_FAN_SPEED_CONTROL_VALUE_2"), Kind::Translated},
    {1900, QT_TRANSLATE_NOOP3("QObject", "Last Input", "STR_RES_ID_SCHEDULE_LAST_VIDEO_INPUT"), Kind::Translated},
    {1901, QT_TRANSLATE_NOOP3("QObject", "VGA", "STR_RES_ID_SCHEDULE_VIDEO_INPUT_VALUE_1"), Kind::Translated},
    {1902, QT_TRANSLATE_NOOP3("QObject", "RGB/HV", "STR_RES_ID_SCHEDULE_VIDEO_INPUT_VALUE_2"), Kind::Translated},
    {1903, QT_TRANSLATE_NOOP3("QObject", "DVI", "STR_RES_ID_SCHEDULE_VIDEO_INPUT_VALUE_3"), Kind::Translated},
    {1905, QT_TRANSLATE_NOOP3("QObject", "Video1", "STR_RES_ID_SCHEDULE_VIDEO_INPUT_VALUE_5"), Kind::Translated},
    {1906, QT_TRANSLATE_NOOP3("QObject", "Video2", "STR_RES_ID_SCHEDULE_VIDEO_INPUT_VALUE_6"), Kind::Translated},
    {1907, QT_TRANSLATE_NOOP3("QObject", "S-Video", "STR_RES_ID_SCHEDULE_VIDEO_INPUT_VALUE_7"), Kind::Translated},
    {1910, QT_TRANSLATE_NOOP3("QObject", "TV", "STR_RES_ID_SCHEDULE_VIDEO_INPUT_VALUE_10"), Kind::Translated},
    {1912, QT_TRANSLATE_NOOP3("QObject", "DVD/HD1", "STR_RES_ID_SCHEDULE_VIDEO_INPUT_VALUE_12"), Kind::Translated},
    {1913, QT_TRANSLATE_NOOP3("QObject", "Option", "STR_RES_ID_SCHEDULE_VIDEO_INPUT_VALUE_13"), Kind::Translated},
    {1914, QT_TRANSLATE_NOOP3("QObject", "DVD/HD2", "STR_RES_ID_SCHEDULE_VIDEO_INPUT_VALUE_14"), Kind::Translated},
    {1915, QT_TRANSLATE_NOOP3("QObject", "DisplayPort", "STR_RES_ID_SCHEDULE_VIDEO_INPUT_VALUE_15"), Kind::Translated},
    {1916, QT_TRANSLATE_NOOP3("QObject", "DisplayPort2", "STR_RES_ID_SCHEDULE_VIDEO_INPUT_VALUE_16"), Kind::Translated},
    {1917, QT_TRANSLATE_NOOP3("QObject", "HDMI", "STR_RES_ID_SCHEDULE_VIDEO_INPUT_VALUE_17"), Kind::Translated},
    {1918, QT_TRANSLATE_NOOP3("QObject", "HDMI2", "STR_RES_ID_SCHEDULE_VIDEO_INPUT_VALUE_18"), Kind::Translated},
    {1919, QT_TRANSLATE_NOOP3("QObject", "DisplayPort3", "STR_RES_ID_SCHEDULE_VIDEO_INPUT_VALUE_128"), Kind::Translated},
    {1921, QT_TRANSLATE_NOOP3("QObject", "HDMI3", "STR_RES_ID_SCHEDULE_VIDEO_INPUT_VALUE_130"), Kind::Translated},
    {1922, QT_TRANSLATE_NOOP3("QObject", "HDMI4", "STR_RES_ID_SCHEDULE_VIDEO_INPUT_VALUE_131"), Kind::Translated},
    {1923, QT_TRANSLATE_NOOP3("QObject", "PRESET1", "STR_RES_ID_SCHEDULE_VIDEO_INPUT_VALUE_132"), Kind::Translated},
    {1924, QT_TRANSLATE_NOOP3("QObject", "PRESET2", "STR_RES_ID_SCHEDULE_VIDEO_INPUT_VALUE_133"), Kind::Translated},
    {1925, QT_TRANSLATE_NOOP3("QObject", "PRESET3", "STR_RES_ID_SCHEDULE_VIDEO_INPUT_VALUE_134"), Kind::Translated},
    {1926, QT_TRANSLATE_NOOP3("QObject", "Media Player", "STR_RES_ID_SCHEDULE_VIDEO_INPUT_VALUE_135"), Kind::Translated},
    {1927, QT_TRANSLATE_NOOP3("QObject", "Compute Module", "STR_RES_ID_SCHEDULE_VIDEO_INPUT_VALUE_136"), Kind::Translated},
    {2000, QT_TRANSLATE_NOOP3("QObject", "Last Setting", "STR_RES_ID_PICTURE_MODE_NAME_0"), Kind::Translated},
    {2101, QT_TRANSLATE_NOOP3("QObject", "Normal", "STR_RES_ID_IR_CONTROL_VALUE_1"), Kind::Translated},
    {2102, QT_TRANSLATE_NOOP3("QObject", "Primary", "STR_RES_ID_IR_CONTROL_VALUE_2"), Kind::Translated},
    {2103, QT_TRANSLATE_NOOP3("QObject", "Secondary", "STR_RES_ID_IR_CONTROL_VALUE_3"), Kind::Translated},
    {2104, QT_TRANSLATE_NOOP3("QObject", "Lock (Off)", "STR_RES_ID_IR_CONTROL_VALUE_4"), Kind::Translated},
    {2201, QT_TRANSLATE_NOOP3("QObject", "Sunday", "STR_RES_ID_DAYLIGHT_SAVING_WEEKDAY_VALUE_1"), Kind::Translated},
    {2202, QT_TRANSLATE_NOOP3("QObject", "Monday", "STR_RES_ID_DAYLIGHT_SAVING_WEEKDAY_VALUE_2"), Kind::Translated},
    {2203, QT_TRANSLATE_NOOP3("QObject", "Tuesday", "STR_RES_ID_DAYLIGHT_SAVING_WEEKDAY_VALUE_3"), Kind::Translated},
    {2204, QT_TRANSLATE_NOOP3("QObject", "Wednesday", "STR_RES_ID_DAYLIGHT_SAVING_WEEKDAY_VALUE_4"), Kind::Translated},
    {2205, QT_TRANSLATE_NOOP3("QObject", "Thursday", "STR_RES_ID_DAYLIGHT_SAVING_WEEKDAY_VALUE_5"), Kind::Translated},
    {2206, QT_TRANSLATE_NOOP3("QObject", "Friday", "STR_RES_ID_DAYLIGHT_SAVING_WEEKDAY_VALUE_6"), Kind::Translated},
    {2207, QT_TRANSLATE_NOOP3("QObject", "Saturday", "STR_RES_ID_DAYLIGHT_SAVING_WEEKDAY_VALUE_7"), Kind::Translated},
    {2211, QT_TRANSLATE_NOOP3("QObject", "First", "STR_RES_ID_DAYLIGHT_SAVING_WEEK_VALUE_1"), Kind::Translated},
    {2212, QT_TRANSLATE_NOOP3("QObject", "Second", "STR_RES_ID_DAYLIGHT_SAVING_WEEK_VALUE_2"), Kind::Translated},
    {2213, QT_TRANSLATE_NOOP3("QObject", "Third", "STR_RES_ID_DAYLIGHT_SAVING_WEEK_VALUE_3"), Kind::Translated},
    {2214, QT_TRANSLATE_NOOP3("QObject", "Fourth", "STR_RES_ID_DAYLIGHT_SAVING_WEEK_VALUE_4"), Kind::Translated},
    {2215, QT_TRANSLATE_NOOP3("QObject", "Last", "STR_RES_ID_DAYLIGHT_SAVING_WEEK_VALUE_5"), Kind::Translated},
    {2221, QT_TRANSLATE_NOOP3("QObject", "1st", "STR_RES_ID_HOLIDAY_WEEK_VALUE_1"), Kind::Translated},
    {2222, QT_TRANSLATE_NOOP3("QObject", "2nd", "STR_RES_ID_HOLIDAY_WEEK_VALUE_2"), Kind::Translated},
    {2223, QT_TRANSLATE_NOOP3("QObject", "3rd", "STR_RES_ID_HOLIDAY_WEEK_VALUE_3"), Kind::Translated},
    {2224, QT_TRANSLATE_NOOP3("QObject", "4th", "STR_RES_ID_HOLIDAY_WEEK_VALUE_4"), Kind::Translated},
    {2225, QT_TRANSLATE_NOOP3("QObject", "5th", "STR_RES_ID_HOLIDAY_WEEK_VALUE_5"), Kind::Translated},
    {2300, {"Error: Unknown Command", nullptr}, Kind::Plain},
    {2301, {"Error: Invalid Command", nullptr}, Kind::Plain},
    {2302, {"Error: Incorrect number of parameters", nullptr}, Kind::Plain},
    {2303, {"Error: Invalid IP address range", nullptr}, Kind::Plain},
    {2304, {"Error: Invalid parameter(s)", nullptr}, Kind::Plain},
};
// clang-format on

// The one result code shown with a warning icon instead of the caller's.
constexpr int WarningCode = -1005;

struct CodeEntry {
    int code;
    int id;
};

// Result codes with a text of their own; every other code reads "Unknown Error #<code>".
const CodeEntry codeTexts[] = {
    {-3000, 175},
    {ResultCode::PortNotOpen, 176},
    {ResultCode::SendFailed, 177},
    {ResultCode::NoReply, 178},
    {ResultCode::SocketAccess, 179},
    {ResultCode::ConnectionRefused, 180},
    {ResultCode::HostNotFound, 181},
    {ResultCode::SocketTimeout, 182},
    {ResultCode::NetworkError, 183},
    {ResultCode::SocketOther, 184},
    {ResultCode::SerialOpenFailed, 190},
    {ResultCode::IncorrectReply, 185},
    {ResultCode::ReplyTooShort, 185},
    {ResultCode::BadChecksum, 192},
    {ResultCode::NullMessage, 191},
    {ResultCode::ReplyError, 193},
    {ResultCode::Unsupported, 188},
    {ResultCode::FileOpenFailed, 101},
    {ResultCode::FileInvalidVersion, 103},
    {ResultCode::FileInvalidFormat, 102},
    {ResultCode::FileSaveFailed, 104},
    {ResultCode::ScriptUnknownCommand, 2300},
    {ResultCode::ScriptInvalidCommand, 2301},
    {ResultCode::ScriptParameterCount, 2302},
    {ResultCode::ScriptInvalidIpRange, 2303},
    {ResultCode::ScriptInvalidParameter, 2304},
    // Codes whose ids have no text in the table: they read "Missing message text".
    {-1000, 105},
    {-1003, 111},
    {-1004, 113},
    {WarningCode, 115},
    {-1008, 117},
    {-1026, 151},
    {-1030, 148},
    {-1031, 146},
    {-1032, 147},
    {-1033, 149},
};

template <typename Entry, std::size_t N>
const Entry* lookup(const Entry (&table)[N], int Entry::*field, int value) {
    const auto it = std::find_if(std::begin(table), std::end(table),
                                 [&](const Entry& e) { return e.*field == value; });
    return it == std::end(table) ? nullptr : it;
}

} // namespace

QString StringResource(int id) {
    const StringEntry* e = lookup(strings, &StringEntry::id, id);
    if (!e)
        return QCoreApplication::translate("QObject", "Missing message text",
                                           "default text should never see this");
    switch (e->kind) {
    case Kind::Plain:
        return QString::fromUtf8(e->source.text);
    case Kind::DegreeSign:
        return QCoreApplication::translate("QObject", e->source.text, e->source.key)
            .arg(QChar(0x00B0), 0, QLatin1Char(' '));
    case Kind::Translated:
        break;
    }
    return QCoreApplication::translate("QObject", e->source.text, e->source.key);
}

void errorCodeToMessage(int code, QString* text, int* icon) {
    const CodeEntry* e = lookup(codeTexts, &CodeEntry::code, code);
    if (code == WarningCode && icon)
        *icon = MessageIcon::Warning;
    if (text)
        *text = e ? StringResource(e->id) : StringResource(StringId::UnknownError).arg(code);
}

QString failureLine(const QString& what, int code, QString reason) {
    if (reason.isEmpty())
        errorCodeToMessage(code, &reason, nullptr);
    const QString prefix = QStringLiteral("Error: ");
    if (reason.startsWith(prefix))
        reason.remove(0, prefix.size());
    if (reason.endsWith(QLatin1Char('.')))
        reason.chop(1);
    return QStringLiteral("%1: %2 (%3)").arg(what, reason, QString::number(code));
}

void showErrorMessageBox(QWidget* parent, int code) {
    QString text;
    int icon = MessageIcon::Critical;
    errorCodeToMessage(code, &text, &icon);
    showMessageBox(parent, text, icon);
}

void showMessageBox(QWidget* parent, QString text, int icon) {
    const auto boxIcon = icon >= MessageIcon::None && icon <= MessageIcon::Question
                             ? QMessageBox::Icon(icon)
                             : QMessageBox::NoIcon;
    QMessageBox box(boxIcon, StringResource(StringId::ApplicationName), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

#pragma once

// Every op code and command code the program sends by number, in one place: a renumbered code
// is changed here and nowhere else.

// The displays' settings read and written by op code (get/set parameter, message types C and E).
namespace OpCode {
enum : unsigned int {
    ColorReset = 0x0008,
    Clock = 0x000E,
    Brightness = 0x0010,
    Contrast = 0x0012,
    ColorPreset = 0x0014,
    RedGain = 0x0016,
    GreenGain = 0x0018,
    BlueGain = 0x001A,
    AutoSetup = 0x001E,
    HPosition = 0x0020,
    VPosition = 0x0030,
    ClockPhase = 0x003E,
    ColorTemperature = 0x0054,
    VideoInput = 0x0060,
    Sharpness = 0x008C,
    Tint = 0x0090,
    BlackLevel = 0x0092,
    SixAxisRed = 0x009B,
    SixAxisYellow = 0x009C,
    SixAxisGreen = 0x009D,
    SixAxisCyan = 0x009E,
    SixAxisBlue = 0x009F,
    SixAxisMagenta = 0x00A0,
    PowerSaving = 0x00E1,
    TotalTime = 0x00FA,
    TimeOn = 0x00FF,
    PictureMode = 0x021A,
    Color = 0x021F,
    AudioInput = 0x022E,
    MonitorId = 0x023E,
    IrControl = 0x023F,
    HResolution = 0x0250,
    VResolution = 0x0251,
    Gamma = 0x0268,
    HExpansion = 0x026C,
    VExpansion = 0x026D,
    Zoom = 0x026F,
    Aspect = 0x0270,
    SensorSelect = 0x0278,
    SensorTemperature = 0x0279,
    FanSelect = 0x027A,
    FanState = 0x027B,
    FanMode = 0x027D,
    TestPatternMode = 0x02C3,
    CorrectedTestPatternMode = 0x02C8,
    MenuReset = 0x02CB,
    ZoomHPosition = 0x02CC,
    ZoomVPosition = 0x02CD,
    BaseZoom = 0x02CE,
    TileColumns = 0x02D0,
    TileRows = 0x02D1,
    TilePosition = 0x02D2,
    TileMatrixMode = 0x02D3,
    TileComp = 0x02D5,
    PowerOnDelay = 0x02D8,
    InputResolution = 0x02DA,
    GammaReset = 0x02F8,
    LutSize = 0x02F9,
    // Test-pattern levels of family 2 displays.
    FamilyTwoRedLevel = 0x0318,
    FamilyTwoGreenLevel = 0x031A,
    FamilyTwoBlueLevel = 0x031C,
    AutoGainBias = 0x031D,
    // Test-pattern levels of family 1 displays and of the raw test pattern.
    TestPatternRedLevel = 0x103A,
    TestPatternGreenLevel = 0x103B,
    TestPatternBlueLevel = 0x103C,
    FanSpeed = 0x103F,
    TileMatrixMemory = 0x104A,
    GroupMask = 0x107F,
    // A sensor's set temperature; the op code after it gives the temperature range.
    FanSensor1Temperature = 0x10E0,
    FanSensor2Temperature = 0x10E2,
    FanSensor3Temperature = 0x10E4,
    FrameCompMode = 0x1101,
    FrameCompAuto = 0x1102,
    FrameCompManual = 0x1103,
    VScanMode = 0x1104,
    VScanManual = 0x1105,
    CorrectedTestPatternRedLevel = 0x1192,
    CorrectedTestPatternGreenLevel = 0x1193,
    CorrectedTestPatternBlueLevel = 0x1194,
    TotalMinutesHigh = 0x11FA,
    TotalMinutesLow = 0x11FB,
    MinutesOnHigh = 0x11FE,
    MinutesOnLow = 0x11FF,

    // The highest op code a definition or a scan may name.
    Last = 0x11FF,
    // The largest op code and the largest value the 16-bit fields of a message carry.
    FieldMax = 0xFFFF,
};

// The op-code pages the scanner reads: op code 0000, page 01 and pages 03 to 0F are not
// scanned.
struct Range {
    unsigned int first, last;
};
constexpr Range ScannedPages[] = {
    {0x0001, 0x00FF}, {0x0200, 0x02FF}, {0x1000, 0x10FF}, {0x1100, Last}};
} // namespace OpCode

// The command messages (message type A), by the code at the start of their body. A reply
// carries the command code plus ReplyOffset unless the command says otherwise.
namespace CommandCode {
enum : unsigned short {
    PowerStatusRead = 0x01D6,
    AssetDataRead = 0xC00B,
    AssetDataWrite = 0xC00E,
    ModeChange = 0xC011,
    // The base of the capability-string command lists "cmds_c2(" and "cmds_ca(".
    CommandPageC2 = 0xC200,
    PowerControl = 0xC203,
    GammaTableRead = 0xC204,
    GammaTableWrite = 0xC205,
    GammaTableRefresh = 0xC206,
    GammaTableSave = 0xC207,
    GammaTableInit = 0xC208,
    GammaTableReset = 0xC209,
    TheoreticalCurveRead = 0xC20A,
    TheoreticalCurveWrite = 0xC20B,
    IrRemoteCode = 0xC210,
    DateTimeRead = 0xC211,
    DateTimeWrite = 0xC212,
    ScheduleRead = 0xC213,
    ScheduleWrite = 0xC214,
    ScheduleEnable = 0xC215,
    SerialNumberRead = 0xC216,
    ModelNameRead = 0xC217,
    SecurityLock = 0xC21D,
    MacAddressRead = 0xC220,
    ExtendedScheduleRead = 0xC221,
    ExtendedScheduleWrite = 0xC222,
    PictureModeNameRead = 0xC226,
    PictureModeNameWrite = 0xC227,
    LanAddressRead = 0xC22A,
    TvChannelRead = 0xC22C,
    TvChannelWrite = 0xC22D,
    Lut3dRead = 0xC22E,
    AdvancedScheduleRead = 0xC23D,
    AdvancedScheduleWrite = 0xC23E,
    AdvancedScheduleEnable = 0xC23F,
    CommandPageCA = 0xCA00,
    DaylightSaving = 0xCA01,
    FirmwareVersion = 0xCA02,
    AutoTileMatrix = 0xCA03,
    InputName = 0xCA04,
    AutoId = 0xCA0A,
    PowerSave = 0xCA0B,
    SecurityEnable = 0xCA0C,
    ProofOfPlay = 0xCA15,
    TileMatrixProfile = 0xCA17,
    Holiday = 0xCA19,
    Weekend = 0xCA1A,
    ComputeModuleLock = 0xCA1B,
    PipPbpProfile = 0xCA20,

    ReplyOffset = 0x0100,
};
} // namespace CommandCode

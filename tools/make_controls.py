#!/usr/bin/env python3
"""Writes Resources/controls.txt, the built-in op-code definitions file, from the table below.

Table lines: op code, name, "=", then the rest of the definition line after the name:
  0                      a range from "Min" to "Max"
  0,"low","high"         a range with its own end labels
  1,value,"label",...    a set of named values
  $NAME                  one of the shared value sets in SETS
The output has CR LF line ends. Run from anywhere: python3 tools/make_controls.py
"""
import os
import re
import sys

REVISION = "20180118"

SETS = {
    "EXEC": '1,1,"Execute"',
    "OFFON": '1,1,"Off",2,"On"',
    "LOCK": '1,1,"Unlock",2,"Lock"',
    "ENABLE": '1,1,"Disable",2,"Enable"',
    "LEVEL": '1,1,"Off",2,"Low",3,"Middle",4,"High"',
    "CABLE": '1,0,"Off",1,"Level 1",2,"Level 2",3,"Level 3"',
    "INPUTS": '1,1,"VGA (D-SUB)",2,"RGB/HV (BNC)",3,"DVI (DVI-D)",5,"VIDEO1 (RCA)",6,"VIDEO2 (BNC)",'
              '7,"S-VIDEO",9,"Tuner-1 (ATV)",10,"Tuner-2 (DTV)",12,"DVD/HD1 (RCA)",13,"Option",'
              '14,"DVD/HD2 (BNC)",15,"DisplayPort",16,"DisplayPort2",17,"HDMI",18,"HDMI2",'
              '19,"HDMI3 (T series)",20,"USB",128,"DisplayPort3",130,"HDMI3",131,"HDMI4",'
              '132,"PRESET1",133,"PRESET2",134,"PRESET3",135,"Media Player",136,"Compute Module"',
    "WINDOW_INPUTS": '1,0,"None",15,"DisplayPort",16,"DisplayPort2",17,"HDMI",18,"HDMI2",'
                     '128,"DisplayPort3",130,"HDMI3",131,"HDMI4",135,"Media Player",'
                     '136,"Compute Module"',
    "DETECT_INPUTS": '1,0,"None",1,"VGA",3,"DVI",15,"DisplayPort",17,"HDMI",18,"HDMI2",'
                     '13,"Option"',
    "PICTURE_MODES": '1,1,"sRGB",2,"Hi-Bright",3,"Standard",4,"Cinema",5,"Custom",'
                     '6,"Dynamic",7,"Natural"',
    "TEST_PATTERNS": '1,0,"Off",1,"White",2,"Black",3,"Red",4,"Green",5,"Blue",'
                     '6,"Grey Scale",7,"Color Bars",8,"Crosshatch"',
    "SCHEDULES": '1,1,"Schedule 1",2,"Schedule 2",3,"Schedule 3",4,"Schedule 4",5,"Schedule 5",'
                 '6,"Schedule 6",7,"Schedule 7"',
    "PIVOT": '1,1,"Off",2,"90 Degrees",3,"180 Degrees",4,"270 Degrees"',
    "LAYOUT": '1,1,"Single",2,"PIP",3,"PBP 2 Windows",4,"PBP 3 Windows",5,"PBP 4 Windows"',
}

HEADER = [
    "#",
    "# ZET QV Comms Tool op-code definitions",
    "# Revision: " + REVISION,
    "#",
    "# One op code a line. Lines that start with # are comments; empty lines are skipped.",
    "# Fields are separated by commas. There is no quoting of commas, so names and labels",
    "# must not contain one.",
    "#",
    "# Field 1: the op code in hexadecimal, 0000 to 11FF (page in the high byte).",
    "# Field 2: the name in double quotes. Parts separated by | are categories; the last",
    "#          part is the short name that scripts use.",
    "# Field 3: the type: 0 for a range, 1 for a set of named values.",
    "#",
    "# Range (type 0):",
    "#   opcode,\"name\",0",
    "#   opcode,\"name\",0,\"low label\",\"high label\"",
    "#   Without labels the ends are shown as Min and Max.",
    "#",
    "# Set of named values (type 1):",
    "#   opcode,\"name\",1,value,\"label\",value,\"label\",...",
    "#   Values are decimal and may come in any order; a value with an empty label is",
    "#   skipped, and a line without any labelled value is ignored.",
    "#",
    "# Lines with another type or fewer than three fields are ignored. An op code that is",
    "# not hexadecimal or is out of range, a set with fewer than five fields and a value",
    "# that is not a number stop the load at that line.",
    "#",
    "# When an op code is defined twice, names and values are looked up in file order,",
    "# while the op-code tree and the op-code page use the later line.",
    "#",
    "# Names marked (read only) can only be read; (set only) can only be set.",
    "# Scaled values say so in the name, for example (x1000).",
    "#",
    "# Op code, name, type and values:",
    "#",
]

# An older line kept for reference just before the op code it belonged to.
RETIRED = {
    "0060": '#0060,"Input",1,1,"VGA",2,"RGB/HV",3,"DVI",5,"Video1",6,"Video2",7,"S-Video",'
            '9,"TV",12,"DVD/HD1",13,"Option",14,"DVD/HD2",15,"DisplayPort",17,"HDMI"',
}

TABLE = r"""
0004 Reset|Factory Reset = 1,1,"Execute"
0006 Reset|Geometry Reset = $EXEC
0008 Reset|Color Reset = $EXEC
000E Adjust|Clock = 0
0010 Picture|Brightness = 0
0012 Picture|Contrast = 0,"Low","High"
0014 Picture|Color|Select Color Preset = 1,9,"10000K",11,"User 1",2,"Native"
0016 Picture|Color|Gain|Red Gain = 0
0018 Picture|Color|Gain|Green Gain = 0
001A Picture|Color|Gain|Blue Gain = 0
001E Adjust|Auto Setup = $EXEC
0020 Adjust|H Position = 0,"Left","Right"
0030 Adjust|V Position = 0,"Down","Up"
003E Adjust|Clock Phase = 0
0054 Picture|Color|Color Temp = 0,"Warm","Cool"
0060 Input = $INPUTS
0062 Audio|Audio Volume = 0
0068 OSD|OSD Language = 1,1,"English",2,"German",3,"French",4,"Spanish",5,"Japanese",6,"Italian",7,"Swedish",8,"Russian",9,"Chinese"
008A Picture|Color|Saturation = 0
008B TV Channel = 0
008C Picture|Sharpness = 0,"Soft","Sharp"
008D Audio|Mute = 1,0,"Unmute (Set only)",1,"Mute",2,"Unmute"
008F Audio|Audio Treble = 0
0090 Picture|Color|Tint = 0,"Purple","Green"
0091 Audio|Audio Bass = 0
0092 Picture|Black Level = 0
0093 Audio|Audio Balance = 0,"Left","Right"
0094 Audio|Audio Channel Mode = 1,1,"Stereo",2,"Left",3,"Right",4,"Mono"
009B Picture|Color|6 Axis Color Red = 0
009C Picture|Color|6 Axis Color Yellow = 0
009D Picture|Color|6 Axis Color Green = 0
009E Picture|Color|6 Axis Color Cyan = 0
009F Picture|Color|6 Axis Color Blue = 0
00A0 Picture|Color|6 Axis Color Magenta = 0
00B0 Settings = 1,1,"Save Current Settings",2,"Restore Factory Defaults"
00B6 Monitor Type (read only) = 1,1,"CRT (shadow mask)",2,"CRT (aperture grille)",3,"LCD (active matrix)",4,"LCoS",5,"Plasma",6,"OLED",7,"EL",8,"MEMS"
00D6 Power Mode (read only) = 1,1,"On",2,"Standby",3,"Suspend",4,"Off"
00DA Scan Mode (VESA) = 1,0,"Normal",1,"Underscan",2,"Overscan"
00DF VCP Version (read only) = 0
00E1 Power Save = $OFFON
00EF OSD|OSD Position = 1,1,"Center",2,"Top Left",3,"Top Right",4,"Bottom Left",5,"Bottom Right"
00FA Total Operating Time (30 min) (read only) = 0
00FB Key Lock = $LOCK
00FC OSD|OSD Turn Off Delay = 0,"","x5 sec"
00FF Operating Time On (30 min) (read only) = 0
021A Picture|Picture Mode = $PICTURE_MODES
021F Picture|Color|Color = 0
0220 Picture|Noise Reduction = $LEVEL
0221 Color System = 1,1,"NTSC",2,"PAL",3,"SECAM",4,"Auto",5,"4.43NTSC",6,"PAL-60"
0223 Picture|Film Mode = 1,1,"Off",2,"Auto"
0225 Scan Conversion = 1,1,"Interlace",2,"Progressive"
0226 Picture|Noise Reduction Level = 0
022B Off Timer (hours) = 0,"Off",24,"24 Hours"
022C Audio|MTS Audio = 1,1,"Main",2,"Sub",3,"Main+Sub"
022D Auto Brightness = $OFFON
022E Audio|Audio Input = 1,1,"Audio 1",2,"Audio 2",3,"Audio 3",4,"HDMI",5,"Option",6,"DisplayPort",7,"Tuner"
0231 Reset|Sound Reset = $EXEC
0234 Audio|Surround Sound = $OFFON
0238 OSD|OSD H Position = 0,"Left","Right"
0239 OSD|OSD V Position = 0,"Down","Up"
023D OSD|Information OSD = 1,0,"Off",3,"3 sec",5,"5 sec",10,"10 sec"
023E Monitor ID = 0,"1","100"
023F IR Control = 1,1,"Normal",2,"Primary",3,"Secondary",4,"Lock (Off)"
0240 Input Detect = 1,1,"First Detect",2,"Last Detect",3,"None",4,"Custom Detect"
0241 OSD|OSD Rotation = 1,1,"Landscape",2,"Portrait"
0250 Adjust|H Resolution = 0
0251 Adjust|V Resolution = 0
0268 Picture|Gamma = 1,1,"Native",2,"1.8",3,"2.0",4,"2.2",5,"2.4",6,"2.6",7,"Programmable"
026C Adjust|Aspect|Zoom H Expansion = 0
026D Adjust|Aspect|Zoom V Expansion = 0
026F Adjust|Aspect|Zoom = 0
0270 Adjust|Aspect|Aspect = 1,1,"Normal",2,"Full",3,"Wide",4,"Zoom"
0271 PIP|PIP Size = 1,1,"Small",2,"Middle",3,"Large"
0272 PIP|PIP Mode = 1,1,"Off",2,"PIP",3,"POP",4,"Side by Side Aspect",5,"Side by Side Full"
0273 PIP|PIP Input (Sub Input) = $INPUTS
0274 PIP|PIP H Position = 0,"Left","Right"
0275 PIP|PIP V Position = 0,"Down","Up"
0276 Still Capture = 1,1,"Off",2,"On",3,"Capture"
0278 Select Temperature Sensor = 1,1,"Sensor 1",2,"Sensor 2",3,"Sensor 3"
0279 Read Temperature Sensor (read only) = 0
027A Fan|Fan Select = 1,1,"Fan 1",2,"Fan 2",3,"Fan 3"
027B Fan|Fan Status (read only) = 1,0,"Off",1,"On",2,"Error"
027D Fan|Fan Control = 1,1,"Auto",2,"Forced On"
027E Backlight PWM Red (x100 read only) = 0
027F Backlight PWM Green (x100 read only) = 0
0280 Backlight PWM Blue (x100 read only) = 0
028D Picture|Adaptive Contrast = $LEVEL
029A Standby Mode = 1,1,"Normal",2,"Power Save",3,"Auto Standby"
029E SCART Mode = 1,1,"Auto",2,"Composite",3,"RGB"
02B3 Lumetra Engine|Luminance set = 0
02B4 Current Luminance (read only) = 0
02B5 Bright Sensor Read (read only) = 0
02B8 OSD|OSD Transparency = $LEVEL
02BE Power LED Indicator = 1,1,"On",2,"Off"
02C3 Test Pattern|VT Mode = $TEST_PATTERNS
02C8 Lumetra Engine|Test Pattern = $TEST_PATTERNS
02CA CSC Gain = 0
02CB Reset|Menu Tree Reset = $EXEC
02CC Adjust|Aspect|Zoom H Position = 0,"Left","Right"
02CD Adjust|Aspect|Zoom V Position = 0,"Down","Up"
02CE Adjust|Aspect|Base Zoom = 1,1,"Off",2,"Custom",3,"16:9-Zoom",4,"14:9-Zoom",5,"Dynamic"
02CF DVI Mode = 1,1,"DVI-PC",2,"DVI-HD"
02D0 Tile Matrix|Tile Matrix # H Monitors = 0,"1","10"
02D1 Tile Matrix|Tile Matrix # V Monitors = 0,"1","10"
02D2 Tile Matrix|Tile Matrix Position = 0,"1","100"
02D3 Tile Matrix|Tile Matrix Mode = $OFFON
02D5 Tile Matrix|Tile Matrix Tile Comp = $OFFON
02D6 Video (AV Input) Power Save = $ENABLE
02D7 Image Flip = 1,1,"None",2,"H Flip",3,"V Flip",4,"180 Rotate"
02D8 Power On Delay = 0,"Off","50 sec"
02DA Adjust|Input Resolution = 1,1,"Auto",2,"1024x768",3,"1280x768",4,"1360x768",5,"1366x768",6,"1400x1050",7,"1680x1050"
02DB Screen Saver|Screen Saver Gamma = 1,1,"Normal",2,"Screen Saver Gamma"
02DC Screen Saver|Screen Saver Brightness = 1,1,"Normal",2,"Decrease"
02DD Screen Saver|Screen Saver Motion = 1,1,"Off",2,"10 sec",3,"20 sec",4,"30 sec",5,"60 sec",6,"90 sec"
02DF Side Border Color = 0,"Black","White"
02E1 Long Cable|Manual Sync Terminate = $OFFON
02E3 Scan Mode = 1,1,"Overscan",2,"Underscan"
02E4 Reset|Advanced Option Reset = $EXEC
02E5 Enable Schedule (set only) = $SCHEDULES
02E6 Disable Schedule (set only) = $SCHEDULES
02E8 Lumetra Engine|Custom Gamma Value = 0,"0.5","4.0"
02EA OSD|Signal Information = $OFFON
02EE Uniformity Correction Level = 0,"Off","Maximum"
02F0 Long Cable|Comp DVI = $CABLE
02F8 Reset|Gamma Programmable Reset = $EXEC
02F9 Gamma Programmable LUT Size = 1,1,"256 Entries",2,"1024 Entries"
1000 ISF = $OFFON
1001 ISF Mode = 1,1,"Day",2,"Night"
1002 ISF Data Copy = $EXEC
1008 PIP|Text Ticker Mode = 1,1,"Off",2,"Horizontal",3,"Vertical"
1009 PIP|Text Ticker Position = 1,1,"Top",2,"Bottom"
100A PIP|Text Ticker Size = 1,1,"Small",2,"Middle",3,"Large"
100B PIP|Text Ticker Blend = $LEVEL
100C PIP|Text Ticker Detect = $OFFON
100D PIP|Text Ticker Fade In = $OFFON
1010 Carbon Footprint (g) (read only) = 0
1011 Carbon Footprint (kg) (read only) = 0
1026 Carbon Usage (g) (read only) = 0
1027 Carbon Usage (kg) (read only) = 0
1028 Carbon Footprint Savings No Reset (g) (read only) = 0
1029 Carbon Footprint Savings No Reset (kg) (read only) = 0
102A Carbon Usage No Reset (g) (read only) = 0
102B Carbon Usage No Reset (kg) (read only) = 0
102E Custom Detect Priority 1 = $DETECT_INPUTS
102F Custom Detect Priority 2 = $DETECT_INPUTS
1030 Custom Detect Priority 3 = $DETECT_INPUTS
1031 Custom Detect Priority 4 = $DETECT_INPUTS
1032 Custom Detect Priority 5 = $DETECT_INPUTS
1033 Ambient Brightness Low = 0
1034 Ambient Brightness High = 0
1035 Screen Saver|Screen Saver Zoom = $OFFON
1036 Long Cable|Comp Manual Pole = 0
1037 Long Cable|Comp Manual Peak = 0
1038 Long Cable|Comp Manual Gain = 0
1039 Long Cable|Comp Manual Offset = 0
103A Test Pattern|Test Pattern Red Level = 0
103B Test Pattern|Test Pattern Green Level = 0
103C Test Pattern|Test Pattern Blue Level = 0
103D Long Cable|Comp Manual Equalize = 0
103E External Control|External Control = 1,1,"RS-232C",2,"LAN"
103F Fan|Fan Speed = 1,1,"High",2,"Low"
1040 HDMI Signal = 1,1,"Expand",2,"Raw"
1041 OPS|Option Slot Power = 1,1,"Auto",2,"On"
1049 EDID Switch = 1,1,"Single Link",2,"Dual Link"
104A Tile Matrix|Tile Matrix Memory = 1,1,"Common",2,"Input"
1050 Lumetra Engine|Picture Mode = $PICTURE_MODES
1051 Lumetra Engine|Preset = 1,1,"Preset 1",2,"Preset 2",3,"Preset 3",4,"Preset 4",5,"Preset 5"
1052 Lumetra Engine|Target White Point CIE x (x1000) = 0
1053 Lumetra Engine|Target White Point CIE y (x1000) = 0
1054 Lumetra Engine|Black Level (x10) = 0
1055 Lumetra Engine|Target Colorspace Red CIE x (x1000) = 0
1056 Lumetra Engine|Target Colorspace Red CIE y (x1000) = 0
1057 Lumetra Engine|Target Colorspace Green CIE x (x1000) = 0
1058 Lumetra Engine|Target Colorspace Green CIE y (x1000) = 0
1059 Lumetra Engine|Target Colorspace Blue CIE x (x1000) = 0
105A Lumetra Engine|Target Colorspace Blue CIE y (x1000) = 0
105B Lumetra Engine|Color Vision Emulation = 1,1,"Off",2,"Protanopia",3,"Deuteranopia",4,"Tritanopia"
105C Lumetra Engine|Metamerism = $OFFON
1069 Lumetra Engine|Print Preview (3D LUT) = $OFFON
106B Lumetra Engine|3D LUT/Prog Gamma Select = 1,1,"3D LUT",2,"Programmable Gamma"
1070 Lumetra Engine|Reset Picture Mode = $EXEC
1071 Lumetra Engine|Target Colorspace Reset = $EXEC
1075 Human Sensing|Human Sensing Mode = 1,1,"Disable",2,"Auto Off",3,"Custom"
1076 Human Sensing|Human Sensing Reading = 0
1077 Human Sensing|Human Sensing Threshold = 0
1078 Human Sensing|Human Sensing Start Time = 0,"","x10 sec"
107E BNC Mode = 1,1,"RGB",2,"Component",3,"Video"
107F Group ID = 1,1,"A",2,"B",3,"C",4,"D",5,"E",6,"F",7,"G",8,"H",9,"I",10,"J"
1080 Audio|PIP Audio = 1,1,"Main Audio",2,"Sub Audio"
1081 Audio|Audio Line Out = 1,1,"Fixed",2,"Variable"
1082 PIP|Keep PIP Mode = $OFFON
1083 PIP|PIP Aspect = 1,1,"Normal",2,"Full"
1084 Closed Caption = 1,1,"Off",2,"CC1",3,"CC2",4,"CC3",5,"CC4",6,"Text1",7,"Text2",8,"Text3",9,"Text4"
1085 External Control|ID All Reply = $OFFON
1086 Input Change = 1,1,"Normal",2,"Quick"
1087 Motion Compensation (120Hz) = $OFFON
1088 Edge Compensation (Mura) = $OFFON
1089 OSD|OSD Off = $OFFON
108A Shutdown = $EXEC
108B Option LAN Alert = $OFFON
108C Edge Comp Type = 1,1,"Type 1",2,"Type 2"
108D Edge Comp Brightness = 0
108E D-SUB Mode = 1,1,"RGB",2,"YPbPr"
1095 OSD|Display ID on OSD = $OFFON
1097 Lumetra Engine|Color Convert Status (read only) = 1,0,"Idle",1,"Converting",2,"Done"
1098 Expert Analog Video|ADC Offset Base Red = 0
1099 Expert Analog Video|ADC Offset Base Green = 0
109A Expert Analog Video|ADC Offset Base Blue = 0
109B Expert Analog Video|ADC Offset Red = 0
109C Expert Analog Video|ADC Offset Green = 0
109D Expert Analog Video|ADC Offset Blue = 0
109E Expert Analog Video|ADC Gain Red = 0
109F Expert Analog Video|ADC Gain Green = 0
10A0 Expert Analog Video|ADC Gain Blue = 0
10A1 Digital Closed Caption = 1,1,"Off",2,"Service 1",3,"Service 2",4,"Service 3",5,"Service 4",6,"Service 5",7,"Service 6"
10AD Audio|Audio Volume Step = 0
10B0 Audio|Option Slot Audio = 1,1,"Analog",2,"Digital"
10B1 USB Power = $OFFON
10B5 PIP|PBP Type = 1,1,"Side by Side",2,"Top and Bottom"
10B6 Screen Mute = $OFFON
10B7 Auto Adjust = $OFFON
10B8 OSD|OSD Flip = $OFFON
10B9 PIP|PIP Size (Variable) = 0
10BA Memo Display = $OFFON
10BC Power On Delay - Link to ID = $OFFON
10BE DDCI = $ENABLE
10BF Reset|IP Address Reset = $EXEC
10C0 OPS|Internal PC Off Warning = $OFFON
10C1 OPS|Internal PC Auto Off = $OFFON
10C2 OPS|Internal PC Start = $EXEC
10C3 OPS|Internal PC Force Quit = $EXEC
10C4 Touch Panel Power Supply = $OFFON
10C5 Touch Panel PC Source = 1,1,"Auto",2,"Option Slot",3,"External PC"
10C6 Human Sensing|Human Sensing Backlight = 0
10C7 Human Sensing|Human Sensing Volume = 0
10C8 Room Light Sensing = $OFFON
10C9 Room Ambient Brightness Max = 0
10CA Audio|Audio Delay SW = $OFFON
10CB Audio|Audio Delay = 0,"0 ms","100 ms"
10CB Model ID = 0
10CE Input Change Super Input 1 = $INPUTS
10CF Input Change Super Input 2 = $INPUTS
10D0 Human Sensing|Human Sensing Input = $INPUTS
10D2 Power Save Timer = 0
10D3 LAN Power = $OFFON
10D4 IR Lock|IR Lock Settings Mode Select = 1,1,"Normal",2,"Custom Lock",3,"All Lock"
10D5 IR Lock|IR Lock Settings Power = $LOCK
10D6 IR Lock|IR Lock Settings Volume = $LOCK
10D7 IR Lock|IR Lock Settings Min Volume = 0
10D8 IR Lock|IR Lock Settings Max Volume = 0
10D9 IR Lock|IR Lock Settings Input = $LOCK
10DA IR Lock|IR Lock Settings Unlock Select 1 = $INPUTS
10DB IR Lock|IR Lock Settings Unlock Select 2 = $INPUTS
10DC IR Lock|IR Lock Settings Unlock Select 3 = $INPUTS
10DD Human Sensing|Human Sensing Backlight On/Off = $OFFON
10DE Human Sensing|Human Sensing Volume On/Off = $OFFON
10DF Human Sensing|Human Sensing Input On/Off = $OFFON
10E0 Fan|Fan Control Sensor 1 Set Temperature = 0
10E1 Fan|Fan Control Sensor 1 Temperature from max = 0
10E2 Fan|Fan Control Sensor 2 Set Temperature = 0
10E3 Fan|Fan Control Sensor 2 Temperature from max = 0
10E4 Fan|Fan Control Sensor 3 Set Temperature = 0
10E5 Fan|Fan Control Sensor 3 Temperature from max = 0
10EA Video Loop Out Setting = 1,1,"Auto",2,"Fixed"
10EC Intelligent Wireless Data = $OFFON
10EE RF-Tag Destination ID (read only) = 0
10EF Bowling Mode = $OFFON
10F0 Human Sensing|Human Sensor attachment status (read only) = 1,0,"Not Attached",1,"Attached"
10F1 DisplayPort Terminal Select = 1,1,"DisplayPort1",2,"DisplayPort2"
10F2 DisplayPort Terminal Type = 1,1,"Standard",2,"Mini"
10F5 Extended Power Save = $OFFON
10F6 Auto Power Save Time (sec x5) = 0
10F7 Auto Standby Time (sec x5) = 0
10F8 Panel|Native White CIE x (x1000 read only) = 0
10F9 Panel|Native White CIE y (x1000 read only) = 0
10FA Panel|Native Red CIE x (x1000 read only) = 0
10FB Panel|Native Red CIE y (x1000 read only) = 0
10FC Panel|Native Green CIE x (x1000 read only) = 0
10FD Panel|Native Green CIE y (x1000 read only) = 0
10FE Panel|Native Blue CIE x (x1000 read only) = 0
10FF Panel|Native Blue CIE y (x1000 read only) = 0
1100 Panel|Native Max Brightness (read only) = 0
1101 Tile Matrix|Frame Comp Mode = 1,1,"None",2,"Auto",3,"Manual"
1102 Tile Matrix|Frame Comp Auto Value = 0
1103 Tile Matrix|Frame Comp Manual Value = 0
1104 Tile Matrix|V Scan Reverse Mode = 1,1,"None",2,"Auto",3,"Manual"
1105 Tile Matrix|V Scan Reverse Manual = 1,1,"Non-reverse",2,"Reverse"
1106 Input (Alt) = $INPUTS
1109 UHD Upscaling = $OFFON
110B PIP|Active Window = 1,1,"Window 1",2,"Window 2",3,"Window 3",4,"Window 4"
110D PIP|Active Frame = $OFFON
110E PIP|Input Select Window 1 = $WINDOW_INPUTS
110F PIP|Input Select Window 2 = $WINDOW_INPUTS
1110 PIP|Input Select Window 3 = $WINDOW_INPUTS
1111 PIP|Input Select Window 4 = $WINDOW_INPUTS
1112 PIP|Pivot Window 1 = $PIVOT
1113 PIP|Pivot Window 2 = $PIVOT
1114 PIP|Pivot Window 3 = $PIVOT
1115 PIP|Pivot Window 4 = $PIVOT
1116 PIP|Pivot All Windows = $PIVOT
1117 OSD|Communications Information = $OFFON
1118 HDMI/DVI Select = 1,1,"HDMI",2,"DVI"
1119 DisplayPortBit Rate = 1,1,"HBR",2,"HBR2"
111A Long Cable|Comp DVI2 = $CABLE
111B Long Cable|Comp HDMI1 = $CABLE
111C Long Cable|Comp HDMI2 = $CABLE
111D Long Cable|Comp HDMI3 = $CABLE
111E Long Cable|Comp HDMI4 = $CABLE
111F Input Configuration|Preset 1 Mode = $LAYOUT
1120 Input Configuration|Preset 2 Mode = $LAYOUT
1121 Input Configuration|Preset 3 Mode = $LAYOUT
1122 Input Configuration|Top Left = $WINDOW_INPUTS
1123 Input Configuration|Top Right = $WINDOW_INPUTS
1124 Input Configuration|Bottom Left = $WINDOW_INPUTS
1125 Input Configuration|Bottom Right = $WINDOW_INPUTS
1126 Input Configuration|Left = $WINDOW_INPUTS
1127 Input Configuration|Right = $WINDOW_INPUTS
1128 Input Configuration|Top = $WINDOW_INPUTS
1129 Input Configuration|Bottom = $WINDOW_INPUTS
112A Text Ticker|Window 1 = $OFFON
112B Text Ticker|Window 2 = $OFFON
112C Adjust|Aspect|Extension Zoom = 0
112D Adjust|Aspect|Extension H Zoom = 0
112E Adjust|Aspect|Extension V Zoom = 0
112F Video Sync Type = 1,1,"Auto",2,"Separate",3,"Composite",4,"Sync on Green"
1147 Lumetra Engine|Lumetra Engine Mode = $OFFON
114C Human Sensing|Human Sensor Status = 1,0,"Absent",1,"Present"
114F Command Transfer = $ENABLE
1157 OSD|Close/Mute OSD = $OFFON
1162 Slot 2 CH Setting = 1,1,"1 Channel",2,"2 Channels"
1163 Slot 2 CH Select = 1,1,"CH1",2,"CH2"
1167 Multi Input|Terminal Settings|DisplayPort = 1,1,"DisplayPort 1.1a",2,"DisplayPort 1.2"
1168 Multi Input|Terminal Settings|HDMI = 1,1,"Mode 1",2,"Mode 2"
1169 Control|IR Lock Settings|Channel = $LOCK
116A Control|Key Lock Settings|Mode Select = 1,1,"Normal",2,"Custom Lock",3,"All Lock"
116B Control|Key Lock Settings|Power = $LOCK
116C Control|Key Lock Settings|Volume = $LOCK
116D Control|Key Lock Settings|Min Volume = 0
116E Control|Key Lock Settings|Max Volume = 0
116F Control|Key Lock Settings|Input = $LOCK
1170 Control|Key Lock Settings|Channel = $LOCK
1171 Control|Power Indicator|Schedule Indicator = $OFFON
1172 Control|USB|USB Touch Power = 1,1,"Auto",2,"On"
1173 Control|USB|USB External Control = $ENABLE
1174 Control|USB|USB PC Source = 1,1,"Auto",2,"Compute Module",3,"Option Slot",4,"External PC"
1175 Control|USB|USB Power = 1,1,"Auto",2,"On"
1176 Control|CEC = 1,1,"Off",2,"Mode 1",3,"Mode 2"
1177 Control|CEC Auto Turn Off = 1,1,"No",2,"Yes"
1178 Control|CEC Audio Receiver = $ENABLE
1179 Control|CEC Search Device = $EXEC
117A OSD|Key Guide = $OFFON
117B Power Save Message = $OFFON
117C Compute Module|Power Supply = $OFFON
117D Compute Module|Auto Power On = $ENABLE
117E Compute Module|USB Boot Mode = $ENABLE
117F Compute Module|IR Signal = 1,1,"Through",2,"Block"
1180 Compute Module|Monitor Control = $ENABLE
1181 Compute Module|Shutdown Signal = $ENABLE
1182 Compute Module|Power Supply Off Delay = 0,"","sec"
1183 DP Power setting = 1,1,"Auto",2,"On"
1184 Dual Link HDCP SW = $OFFON
1185 Internal Touch = $ENABLE
1186 HDMI SW Through = $OFFON
1192 Lumetra Engine|Test Pattern Red Level = 0
1193 Lumetra Engine|Test Pattern Green Level = 0
1194 Lumetra Engine|Test Pattern Blue Level = 0
1196 Tile Matrix|Tile Comp H Size = 0
1197 Tile Matrix|Tile Comp V Size = 0
1198 Tile Matrix|Tile Comp H Adjustment = 0
1199 Tile Matrix|Tile Comp V Adjustment = 0
11B1 Color Processing Mode = 1,1,"Auto",2,"RGB",3,"YCbCr"
11B2 Signal Format (read only) = 1,1,"RGB",2,"YCbCr 4:4:4",3,"YCbCr 4:2:2",4,"YCbCr 4:2:0"
11B5 Compute Module|Fan Power Mode = 1,1,"Auto",2,"On"
11B6 Compute Module|Fan Power Status (read only) = 1,0,"Off",1,"On"
11B7 Compute Module|Auto Shutdown = $ENABLE
11FA Total Operating Time (upper) (minutes) (read only) = 0
11FB Total Operating Time (lower) (minutes) (read only) = 0
11FE Operating Time On (upper) (minutes) (read only) = 0
11FF Operating Time On (lower) (minutes) (read only) = 0
"""

ROW = re.compile(r'^([0-9A-F]{4}) (.+?) = (.+)$')
LABEL = re.compile(r'^"[^",]*"$')


def definition_line(opcode, name, rest):
    if rest.startswith("$"):
        rest = SETS[rest[1:]]
    fields = rest.split(",")
    if fields[0] == "1":
        values, labels = fields[1::2], fields[2::2]
        assert len(values) == len(labels) >= 1, name
        assert all(v.lstrip("-").isdigit() for v in values), name
        assert all(LABEL.match(l) for l in labels), name
    else:
        assert fields[0] == "0" and len(fields) in (1, 3, 4), name
    assert "," not in name and '"' not in name, name
    return '%s,"%s",%s' % (opcode, name, rest), fields[0]


def main():
    lines = list(HEADER)
    types = []
    for row in TABLE.strip().splitlines():
        match = ROW.match(row)
        assert match, row
        opcode, name, rest = match.groups()
        assert int(opcode, 16) <= 0x11FF, row
        if opcode in RETIRED:
            lines.append(RETIRED.pop(opcode))
        line, kind = definition_line(opcode, name, rest)
        lines.append(line)
        types.append(kind)
    assert not RETIRED
    assert len(types) == 379 and types.count("0") == 146 and types.count("1") == 233, (
        len(types), types.count("0"), types.count("1"))
    assert len(lines) == 415, len(lines)
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "Resources", "controls.txt")
    with open(out, "w", encoding="ascii", newline="") as f:
        f.write("".join(l + "\r\n" for l in lines))


if __name__ == "__main__":
    sys.exit(main())

#pragma once
// Control ids of the tab pages, the colours dialog and the about box.

// Timer page.
constexpr int IDC_ALARMTIME = 1000;
constexpr int IDC_MINUTES = 1001;
constexpr int IDC_MINUTES_SPIN = 1002;
constexpr int IDC_MODE_TIME = 1003;
constexpr int IDC_MODE_TIMER = 1004;
constexpr int IDC_MODE_COUNTUP = 1005;
constexpr int IDC_MESSAGE = 1011;
constexpr int IDC_ALARM_AT_LABEL = 1014;
constexpr int IDC_24H_LABEL = 1015;
constexpr int IDC_IN_LABEL = 1016;
constexpr int IDC_MINUTES_LABEL = 1017;
constexpr int IDC_ALARM_GROUP = 1027;
constexpr int IDC_MESSAGE_LABEL = 1028;

// Start/Tray page.
constexpr int IDC_CLOSE_AFTER_ALARM = 1010;
constexpr int IDC_START_MINIMIZED = 1012;
constexpr int IDC_MINIMIZE_AFTER_START = 1013;
constexpr int IDC_START_STAY = 1029;
constexpr int IDC_DBLCLICK_MAXIMIZE = 1040;
constexpr int IDC_DBLCLICK_START = 1039;

// Options page.
constexpr int IDC_SOUND_NAME = 1000;
constexpr int IDC_BROWSE_SOUND = 1054;
constexpr int IDC_PLAY_SOUND = 1008;
constexpr int IDC_PLAY = 1009;
constexpr int IDC_LED_TIMER = 1019;
constexpr int IDC_SNAP_LED = 1021;
constexpr int IDC_DISPLAY_ICON = 1056;
constexpr int IDC_3D_TIMER = 1057;
constexpr int IDC_FULLSCREEN = 1069;

// Menu page: caption and minutes of the three quick timers.
constexpr int IDC_MENU1_TEXT = 1041;
constexpr int IDC_MENU2_TEXT = 1030;
constexpr int IDC_MENU3_TEXT = 1031;
constexpr int IDC_MENU1_MINUTES = 1033;
constexpr int IDC_MENU2_MINUTES = 1034;
constexpr int IDC_MENU3_MINUTES = 1035;
constexpr int IDC_MENU1_LABEL = 1042;
constexpr int IDC_MENU2_LABEL = 1043;
constexpr int IDC_MENU3_LABEL = 1044;
constexpr int IDC_MENU1_MIN = 1045;
constexpr int IDC_MENU2_MIN = 1046;
constexpr int IDC_MENU3_MIN = 1047;
constexpr int IDC_ABOUT = 1006;

// 3D Options page.
constexpr int IDC_PARTS = 1001;
constexpr int IDC_PARTS_SPIN = 1002;
constexpr int IDC_SKIP = 1003;
constexpr int IDC_SKIP_SPIN = 1004;
constexpr int IDC_COLOR = 1006;
constexpr int IDC_SPIN_Z = 1063;
constexpr int IDC_SPIN_Y = 1064;
constexpr int IDC_SPIN_X = 1065;
constexpr int IDC_LIGHT = 1067;
constexpr int IDC_DISK_TYPE = 1068;

// The disk types' texts in the type list, for types 1 to 4.
constexpr const char* kDiskTypeTexts[] = {"Red/Yellow/Green", "One-Color-Disk", "Clock-Type", "Led-Type"};

// Colours dialog: the buttons and swatches of slots 1 to 6.
constexpr int IDC_COLOR1 = 1006;
constexpr int IDC_COLOR2 = 1007;
constexpr int IDC_COLOR3 = 1008;
constexpr int IDC_COLOR4 = 1009;
constexpr int IDC_COLOR5 = 1010;
constexpr int IDC_COLOR6 = 1011;
constexpr int IDC_SWATCH1 = 1070;
constexpr int IDC_SWATCH2 = 1071;
constexpr int IDC_SWATCH3 = 1072;
constexpr int IDC_SWATCH4 = 1073;
constexpr int IDC_SWATCH5 = 1074;
constexpr int IDC_SWATCH6 = 1075;

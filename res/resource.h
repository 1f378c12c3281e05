#pragma once
// Resource, control and command ids.

// Dialog templates.
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDD_TIMER_DIALOG = 102;
constexpr int IDD_ALARM = 131;
constexpr int IDD_LEDTIMER = 133;
constexpr int IDD_TIMERPAGE = 155;
constexpr int IDD_STARTPAGE = 157;
constexpr int IDD_OPTIONSPAGE = 158;
constexpr int IDD_MENUPAGE = 160;
constexpr int IDD_3DOPTIONSPAGE = 161;
constexpr int IDD_COUNTUP = 188;
constexpr int IDD_COLORS = 189;

// Icons and bitmaps.
constexpr int IDR_MAINFRAME = 128;
constexpr int IDI_STAGE1 = 176;
constexpr int IDI_STAGE2 = 181;
constexpr int IDI_STAGE3 = 177;
constexpr int IDI_STAGE4 = 182;
constexpr int IDI_STAGE5 = 178;
constexpr int IDI_STAGE6 = 183;
constexpr int IDI_STAGE7 = 179;
constexpr int IDI_STAGE8 = 184;
constexpr int IDI_STAGE9 = 180;
constexpr int IDI_PAUSED = 187;
constexpr int IDB_STARTPAGE = 163;
constexpr int IDB_MENUPAGE = 164;
constexpr int IDB_OPTIONSPAGE = 168;
constexpr int IDB_3DOPTIONSPAGE = 185;

// Menu of the tray icon.
constexpr int IDR_TRAYMENU = 135;

// String table.
constexpr int IDS_ABOUTBOX = 101;
constexpr int IDS_INACTIVE = 102;
constexpr int IDS_ACTIVE = 103;
constexpr int IDS_START = 104;
constexpr int IDS_STOP = 105;

// System menu command of the about box.
constexpr unsigned IDM_ABOUTBOX = 16;

// Controls of the main dialog.
constexpr int IDC_START = 1005;
constexpr int IDC_PAUSE = 1006;
constexpr int IDC_STOP = 1007;
constexpr int IDC_CLOSE = 1025;
constexpr int IDC_TAB = 1053;
constexpr int IDC_STATUSBAR = 1;

// Controls of the indicator windows.
constexpr int IDC_NOTICE_TEXT = 1011;  // the alarm notice's message
constexpr int IDC_COUNT_TIME = 1011;   // the count-up window's time
constexpr int IDC_LED_PROGRESS = 1018; // the LED-Timer's bar

// Tray menu commands.
constexpr unsigned ID_QUICKTIMER1 = 32778;
constexpr unsigned ID_QUICKTIMER2 = 32774;
constexpr unsigned ID_QUICKTIMER3 = 32775;
constexpr unsigned ID_MENU_STOP = 32779;
constexpr unsigned ID_MENU_PAUSE = 32787;
constexpr unsigned ID_MENU_COUNTUP = 32788;
constexpr unsigned ID_MENU_MAXIMIZE = 32780;
constexpr unsigned ID_MENU_EXIT = 32776;
constexpr unsigned ID_HELP = 57670;

// The tray icon's id and the message its mouse events arrive as.
constexpr unsigned kTrayIconId = 1;
constexpr unsigned WM_TRAYNOTIFY = 3100;

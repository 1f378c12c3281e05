#pragma once
// Message, notification, command and style numbers the program and the layer share.
#include "platform/types.h"

// Commands of the dialog manager.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Window messages the program names.
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOW = 5;
constexpr int SW_RESTORE = 9;

// Message box types and results.
constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_ICONHAND = 0x0010; // the stop sign
constexpr UINT MB_ICONEXCLAMATION = 0x0030;
constexpr UINT MB_ICONMASK = 0x00F0;

// Results of a display mode change.
constexpr int DISP_CHANGE_SUCCESSFUL = 0;
constexpr int DISP_CHANGE_RESTART = 1;
constexpr int DISP_CHANGE_FAILED = -1;
constexpr int DISP_CHANGE_BADMODE = -2;

// The flag of a key message whose key was already down: it repeats.
constexpr UINT KF_REPEAT = 0x4000;

// The size type of WM_SIZE for a window neither minimised nor maximised.
constexpr UINT SIZE_RESTORED = 0;

// Sound flags.
constexpr UINT SND_ASYNC = 0x0001;
constexpr UINT SND_NODEFAULT = 0x0002;
constexpr UINT SND_FILENAME = 0x00020000;

// Tray icon commands and valid fields.
constexpr DWORD NIM_ADD = 0;
constexpr DWORD NIM_MODIFY = 1;
constexpr DWORD NIM_DELETE = 2;
constexpr UINT NIF_MESSAGE = 1;
constexpr UINT NIF_ICON = 2;
constexpr UINT NIF_TIP = 4;

// Window and control styles used by the templates.
constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_CAPTION = 0x00C00000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_THICKFRAME = 0x00040000;
constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
constexpr DWORD WS_OVERLAPPED = 0x00000000;
constexpr DWORD WS_VSCROLL = 0x00200000;
constexpr DWORD WS_SYSMENU = 0x00080000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD DS_SYSMODAL = 0x0002;
constexpr DWORD DS_MODALFRAME = 0x0080;
constexpr DWORD DS_CONTROL = 0x0400;
constexpr DWORD DS_CENTER = 0x0800;
constexpr DWORD WS_EX_TOOLWINDOW = 0x00000080;
constexpr DWORD WS_EX_APPWINDOW = 0x00040000;
constexpr DWORD WS_EX_TOPMOST = 0x00000008;
constexpr DWORD WS_EX_NOPARENTNOTIFY = 0x00000004;

constexpr DWORD ES_CENTER = 0x0001;
constexpr DWORD ES_MULTILINE = 0x0004;
constexpr DWORD ES_AUTOVSCROLL = 0x0040;
constexpr DWORD ES_AUTOHSCROLL = 0x0080;
constexpr DWORD ES_READONLY = 0x0800;
constexpr DWORD ES_WANTRETURN = 0x1000;
constexpr DWORD ES_NUMBER = 0x2000;
constexpr DWORD SS_CENTER = 0x0001;
constexpr DWORD SS_SUNKEN = 0x1000;
constexpr DWORD SS_ETCHEDFRAME = 0x0012;
constexpr DWORD UDS_SETBUDDYINT = 0x0002;
constexpr DWORD UDS_AUTOBUDDY = 0x0010;
constexpr DWORD UDS_ARROWKEYS = 0x0020;
constexpr DWORD UDS_NOTHOUSANDS = 0x0080;
constexpr DWORD TCS_MULTILINE = 0x0200;

// Tab control: the selection-changed notification.
constexpr UINT TCN_SELCHANGE = static_cast<UINT>(-551);

// Control notifications.
constexpr UINT BN_CLICKED = 0;
constexpr UINT CBN_CLOSEUP = 8;

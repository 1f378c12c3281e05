#pragma once
// The persisted settings record and its load and save through the profile.
#include "platform/profile_store.h"

#include <string>

constexpr const char* kProfileSection = "Daten";

// A colour as OpenGL takes it, each component 0.0-1.0; in the profile it is one 0x00BBGGRR int.
struct RgbColor {
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
};

struct StartSettings {
    int nCloseAfterAlarm = 0;
    int nMinimizeAfterStart = 0;
    int nStartMinimized = 0;
    int nStartStayMinimized = 0;
    int nTrayDblClick = 0; // 0 restores the main dialog, 1 starts a timer
};

// The alarm types, in the order of the Timer page's radio buttons.
enum class TimerMode { Time = 0, Timer = 1, Countup = 2 };

struct TimerSettings {
    int nMode = 0; // a TimerMode
    std::string strMinutes;
    std::string strAlarmTime; // as typed; never persisted
    std::string strMessage;
};

struct OptionsSettings {
    std::string strSoundName;
    int nPlaySound = 0;
    std::string strSoundWav;
    int nSnapLed = 0;
    int nLedTimer = 0;
    int nDisplayIcon = 0;
    int n3DTimer = 0;
    int nSpin = 0;
    int nFullscreen = 0;
};

struct MenuSettings {
    std::string strMenuText[3];
    std::string strMenuMinutes[3];
};

struct Disk3DSettings {
    std::string strParts;
    std::string strSkip;
    int nRYG = 0;
    int nSpinX = 0;
    int nSpinY = 0;
    int nSpinZ = 0;
    RgbColor colMulti[3];
    RgbColor colOne;
    RgbColor colSecMin[2];
    int nLight = 0;
    int nDiskType = 0; // 1 Red/Yellow/Green, 2 One-Color, 3 Clock, 4 Led
};

struct Settings {
    StartSettings start;
    TimerSettings timer;
    OptionsSettings options;
    MenuSettings menu;
    Disk3DSettings disk3D;
    int nLedLeft = 0;
    int nLedTop = 0;
    int n3DLeft = 0;
    int n3DTop = 0;
    int n3DRight = 0;
    int n3DBottom = 0;
};

// The value of the leading decimal digits of text, 0 when it starts with none; clamped to INT_MAX.
// Every text that becomes a number ("Minuten", "Parts", "Skip", quick-timer minutes) goes through here.
int LeadingNumber(const std::string& text);

// 0x00BBGGRR -> components; the top byte is ignored.
RgbColor ColorFromProfileInt(int v);
// Components -> 0x00BBGGRR, each rounded to the nearest byte and kept within 0-255.
int ColorToProfileInt(const RgbColor& color);

// Reads every value but the window positions, each with its default (settings/profile_table.h).
void LoadSettings(Settings& settings, ProfileStore& profile);
// Reads the LED-Timer position and the 3D-Timer rectangle.
void LoadWindowPositions(Settings& settings, ProfileStore& profile);
// Writes every persisted value. The caller flushes the profile.
void SaveSettings(const Settings& settings, ProfileStore& profile);

#include "settings/settings.h"

#include <climits>
#include <cmath>
#include <cstdint>

namespace {

// The double nearest 1/255: a byte times this gives the colour component.
constexpr double kByteToComponent = 0.00392156862745098;

// Leading decimal digits, optionally after one minus sign, clamped to int range.
int LeadingSignedNumber(const std::string& text, bool allowMinus) {
    std::size_t i = 0;
    bool negative = false;
    if (allowMinus && i < text.size() && text[i] == '-') {
        negative = true;
        ++i;
    }
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        // Clamping at every digit keeps value * 10 far inside long long.
        value = value * 10 + (text[i] - '0');
        if (value > limit) {
            value = limit;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

int ComponentToByte(double component) {
    if (!(component > 0.0)) { // also catches NaN
        return 0;
    }
    if (component >= 1.0) {
        return 255;
    }
    return static_cast<int>(std::lround(component * 255.0));
}

void ReadColor(ProfileStore& profile, const char* key, int def, RgbColor& color) {
    color = ColorFromProfileInt(profile.GetProfileInt(kProfileSection, key, def));
}

} // namespace

bool operator==(const RgbColor& a, const RgbColor& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}
bool operator!=(const RgbColor& a, const RgbColor& b) {
    return !(a == b);
}

bool operator==(const StartSettings& a, const StartSettings& b) {
    return a.nCloseAfterAlarm == b.nCloseAfterAlarm && a.nMinimizeAfterStart == b.nMinimizeAfterStart &&
           a.nStartMinimized == b.nStartMinimized && a.nStartStayMinimized == b.nStartStayMinimized &&
           a.nTrayDblClick == b.nTrayDblClick;
}
bool operator!=(const StartSettings& a, const StartSettings& b) {
    return !(a == b);
}

bool operator==(const TimerSettings& a, const TimerSettings& b) {
    return a.nMode == b.nMode && a.strMinutes == b.strMinutes && a.strAlarmTime == b.strAlarmTime &&
           a.strMessage == b.strMessage;
}
bool operator!=(const TimerSettings& a, const TimerSettings& b) {
    return !(a == b);
}

bool operator==(const OptionsSettings& a, const OptionsSettings& b) {
    return a.strSoundName == b.strSoundName && a.nPlaySound == b.nPlaySound &&
           a.strSoundWav == b.strSoundWav && a.nSnapLed == b.nSnapLed && a.nLedTimer == b.nLedTimer &&
           a.nDisplayIcon == b.nDisplayIcon && a.n3DTimer == b.n3DTimer && a.nSpin == b.nSpin &&
           a.nFullscreen == b.nFullscreen;
}
bool operator!=(const OptionsSettings& a, const OptionsSettings& b) {
    return !(a == b);
}

bool operator==(const MenuSettings& a, const MenuSettings& b) {
    for (int i = 0; i < 3; ++i) {
        if (a.strMenuText[i] != b.strMenuText[i] || a.strMenuMinutes[i] != b.strMenuMinutes[i]) {
            return false;
        }
    }
    return true;
}
bool operator!=(const MenuSettings& a, const MenuSettings& b) {
    return !(a == b);
}

bool operator==(const Disk3DSettings& a, const Disk3DSettings& b) {
    return a.strParts == b.strParts && a.strSkip == b.strSkip && a.nRYG == b.nRYG && a.nSpinX == b.nSpinX &&
           a.nSpinY == b.nSpinY && a.nSpinZ == b.nSpinZ && a.colMulti[0] == b.colMulti[0] &&
           a.colMulti[1] == b.colMulti[1] && a.colMulti[2] == b.colMulti[2] && a.colOne == b.colOne &&
           a.colSecMin[0] == b.colSecMin[0] && a.colSecMin[1] == b.colSecMin[1] && a.nLight == b.nLight &&
           a.nDiskType == b.nDiskType;
}
bool operator!=(const Disk3DSettings& a, const Disk3DSettings& b) {
    return !(a == b);
}

bool operator==(const Settings& a, const Settings& b) {
    return a.start == b.start && a.timer == b.timer && a.options == b.options && a.menu == b.menu &&
           a.disk3D == b.disk3D && a.nLedLeft == b.nLedLeft && a.nLedTop == b.nLedTop &&
           a.n3DLeft == b.n3DLeft && a.n3DTop == b.n3DTop && a.n3DRight == b.n3DRight &&
           a.n3DBottom == b.n3DBottom;
}
bool operator!=(const Settings& a, const Settings& b) {
    return !(a == b);
}

int LeadingNumber(const std::string& text) {
    return LeadingSignedNumber(text, false);
}

RgbColor ColorFromProfileInt(int v) {
    // Unsigned, so a negative int still splits into bytes 0-255.
    const std::uint32_t bits = static_cast<std::uint32_t>(v);
    RgbColor color;
    color.red = static_cast<double>(bits % 256) * kByteToComponent;
    color.green = static_cast<double>((bits / 256) % 256) * kByteToComponent;
    color.blue = static_cast<double>((bits / 65536) % 256) * kByteToComponent;
    return color;
}

int ColorToProfileInt(const RgbColor& color) {
    return ComponentToByte(color.red) + 256 * ComponentToByte(color.green) +
           65536 * ComponentToByte(color.blue);
}

void LoadSettings(Settings& settings, ProfileStore& profile) {
    const char* s = kProfileSection;
    TimerSettings& timer = settings.timer;
    timer.nMode = profile.GetProfileInt(s, "Timermode", 0);
    // std::to_string keeps a negative count as "-3", which saves back as -3.
    timer.strMinutes = std::to_string(profile.GetProfileInt(s, "Minuten", 5));
    timer.strMessage = profile.GetProfileString(s, "Meldungstext", "Hier Text eingeben.");
    timer.strAlarmTime.clear();

    StartSettings& start = settings.start;
    start.nStartMinimized = profile.GetProfileInt(s, "Start", 0);
    start.nCloseAfterAlarm = profile.GetProfileInt(s, "Ende", 0);
    start.nMinimizeAfterStart = profile.GetProfileInt(s, "Ausblenden", 0);
    start.nStartStayMinimized = profile.GetProfileInt(s, "startstay", 0);
    start.nTrayDblClick = profile.GetProfileInt(s, "Iconmode", 0);

    OptionsSettings& options = settings.options;
    options.strSoundName = profile.GetProfileString(s, "Soundname", "");
    options.strSoundWav = profile.GetProfileString(s, "Soundwav", "");
    options.nPlaySound = profile.GetProfileInt(s, "Sound", 0);
    options.nLedTimer = profile.GetProfileInt(s, "LED-timer", 0);
    options.nSnapLed = profile.GetProfileInt(s, "Snap", 0);
    options.nDisplayIcon = profile.GetProfileInt(s, "DisplayIcon", 0);
    options.n3DTimer = profile.GetProfileInt(s, "3D", 0);
    options.nSpin = profile.GetProfileInt(s, "Spin", 0);
    options.nFullscreen = profile.GetProfileInt(s, "Full", 0);

    MenuSettings& menu = settings.menu;
    menu.strMenuMinutes[0] = profile.GetProfileString(s, "Menu1I", "1");
    menu.strMenuMinutes[1] = profile.GetProfileString(s, "Menu2I", "3");
    menu.strMenuMinutes[2] = profile.GetProfileString(s, "Menu3I", "5");
    menu.strMenuText[0] = profile.GetProfileString(s, "Menu1S", "1 Minute");
    menu.strMenuText[1] = profile.GetProfileString(s, "Menu2S", "3 Minuten");
    menu.strMenuText[2] = profile.GetProfileString(s, "Menu3S", "5 Minuten");

    Disk3DSettings& disk = settings.disk3D;
    disk.strParts = profile.GetProfileString(s, "Parts", "50");
    disk.strSkip = profile.GetProfileString(s, "Skip", "1");
    disk.nRYG = profile.GetProfileInt(s, "RYG", 0);
    disk.nSpinX = profile.GetProfileInt(s, "Spinx", 0);
    disk.nSpinY = profile.GetProfileInt(s, "Spiny", 0);
    disk.nSpinZ = profile.GetProfileInt(s, "Spinz", 0);
    ReadColor(profile, "MCD1", 65280, disk.colMulti[0]);
    ReadColor(profile, "MCD2", 65535, disk.colMulti[1]);
    ReadColor(profile, "MCD3", 255, disk.colMulti[2]);
    ReadColor(profile, "OCD", 65280, disk.colOne);
    ReadColor(profile, "SMD1", 65280, disk.colSecMin[0]);
    ReadColor(profile, "SMD2", 255, disk.colSecMin[1]);
    disk.nLight = profile.GetProfileInt(s, "Light", 0);
    disk.nDiskType = profile.GetProfileInt(s, "Type", 1);
}

void LoadWindowPositions(Settings& settings, ProfileStore& profile) {
    const char* s = kProfileSection;
    settings.nLedLeft = profile.GetProfileInt(s, "links", 50);
    settings.nLedTop = profile.GetProfileInt(s, "oben", 50);
    settings.n3DLeft = profile.GetProfileInt(s, "linksW", 50);
    settings.n3DTop = profile.GetProfileInt(s, "obenW", 50);
    settings.n3DBottom = profile.GetProfileInt(s, "untenW", 150);
    settings.n3DRight = profile.GetProfileInt(s, "rechtsW", 150);
}

void SaveSettings(const Settings& settings, ProfileStore& profile) {
    const char* s = kProfileSection;
    const TimerSettings& timer = settings.timer;
    const StartSettings& start = settings.start;
    const OptionsSettings& options = settings.options;
    const MenuSettings& menu = settings.menu;
    const Disk3DSettings& disk = settings.disk3D;

    profile.WriteProfileInt(s, "Timermode", timer.nMode);
    // A minus sign is kept here only, so a negative stored count survives load and save.
    profile.WriteProfileInt(s, "Minuten", LeadingSignedNumber(timer.strMinutes, true));
    profile.WriteProfileInt(s, "startstay", start.nStartStayMinimized);
    profile.WriteProfileInt(s, "Ende", start.nCloseAfterAlarm);
    profile.WriteProfileInt(s, "Ausblenden", start.nMinimizeAfterStart);
    profile.WriteProfileInt(s, "Start", start.nStartMinimized);
    profile.WriteProfileInt(s, "Iconmode", start.nTrayDblClick);
    profile.WriteProfileInt(s, "DisplayIcon", options.nDisplayIcon);
    profile.WriteProfileString(s, "Soundname", options.strSoundName);
    profile.WriteProfileString(s, "Meldungstext", timer.strMessage);
    profile.WriteProfileInt(s, "Sound", options.nPlaySound);
    profile.WriteProfileString(s, "Soundwav", options.strSoundWav);
    profile.WriteProfileInt(s, "LED-timer", options.nLedTimer);
    profile.WriteProfileInt(s, "Snap", options.nSnapLed);
    profile.WriteProfileInt(s, "3D", options.n3DTimer);
    profile.WriteProfileInt(s, "Spin", options.nSpin);
    profile.WriteProfileInt(s, "Full", options.nFullscreen);
    profile.WriteProfileInt(s, "links", settings.nLedLeft);
    profile.WriteProfileInt(s, "oben", settings.nLedTop);
    profile.WriteProfileInt(s, "linksW", settings.n3DLeft);
    profile.WriteProfileInt(s, "obenW", settings.n3DTop);
    profile.WriteProfileInt(s, "untenW", settings.n3DBottom);
    profile.WriteProfileInt(s, "rechtsW", settings.n3DRight);
    profile.WriteProfileString(s, "Menu1S", menu.strMenuText[0]);
    profile.WriteProfileString(s, "Menu2S", menu.strMenuText[1]);
    profile.WriteProfileString(s, "Menu3S", menu.strMenuText[2]);
    profile.WriteProfileString(s, "Menu1I", menu.strMenuMinutes[0]);
    profile.WriteProfileString(s, "Menu2I", menu.strMenuMinutes[1]);
    profile.WriteProfileString(s, "Menu3I", menu.strMenuMinutes[2]);
    profile.WriteProfileString(s, "Parts", disk.strParts);
    profile.WriteProfileString(s, "Skip", disk.strSkip);
    profile.WriteProfileInt(s, "RYG", disk.nRYG);
    profile.WriteProfileInt(s, "Spinx", disk.nSpinX);
    profile.WriteProfileInt(s, "Spiny", disk.nSpinY);
    profile.WriteProfileInt(s, "Spinz", disk.nSpinZ);
    profile.WriteProfileInt(s, "Light", disk.nLight);
    profile.WriteProfileInt(s, "Type", disk.nDiskType);
    profile.WriteProfileInt(s, "MCD1", ColorToProfileInt(disk.colMulti[0]));
    profile.WriteProfileInt(s, "MCD2", ColorToProfileInt(disk.colMulti[1]));
    profile.WriteProfileInt(s, "MCD3", ColorToProfileInt(disk.colMulti[2]));
    profile.WriteProfileInt(s, "OCD", ColorToProfileInt(disk.colOne));
    profile.WriteProfileInt(s, "SMD1", ColorToProfileInt(disk.colSecMin[0]));
    profile.WriteProfileInt(s, "SMD2", ColorToProfileInt(disk.colSecMin[1]));
}

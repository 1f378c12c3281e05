#include "settings/settings.h"

#include "settings/profile_table.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace {

// The double nearest 1/255: a byte times this gives the colour component.
constexpr double kByteToComponent = 0.00392156862745098;

// Rounded to the nearest byte: a colour loaded and not changed is written back as the same int.
int RoundedComponentByte(double component) {
    if (!(component > 0.0)) { // also catches NaN
        return 0;
    }
    if (component >= 1.0) {
        return 255;
    }
    return static_cast<int>(std::lround(component * 255.0));
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
    long long value = 0;
    for (std::size_t i = 0; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        // Clamping at every digit keeps value * 10 far inside long long.
        value = std::min<long long>(value * 10 + (text[i] - '0'), INT_MAX);
    }
    return static_cast<int>(value);
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
    return RoundedComponentByte(color.red) + 256 * RoundedComponentByte(color.green) +
           65536 * RoundedComponentByte(color.blue);
}

namespace {

// Reads the values of the table whose windowPosition is as asked.
class Loader {
public:
    Loader(ProfileStore& profile, bool windowPositions)
        : m_profile(profile), m_windowPositions(windowPositions) {}

    void operator()(const IntValue& v, int& field) const {
        if (v.windowPosition == m_windowPositions) {
            field = m_profile.GetProfileInt(kProfileSection, v.key, v.def);
        }
    }
    void operator()(const MinutesValue& v, std::string& field) const {
        if (!m_windowPositions) {
            field = std::to_string(m_profile.GetProfileInt(kProfileSection, v.key, v.def));
        }
    }
    void operator()(const TextValue& v, std::string& field) const {
        if (!m_windowPositions) {
            field = m_profile.GetProfileString(kProfileSection, v.key, v.def);
        }
    }
    void operator()(const ColorValue& v, RgbColor& field) const {
        if (!m_windowPositions) {
            field = ColorFromProfileInt(m_profile.GetProfileInt(kProfileSection, v.key, v.def));
        }
    }

private:
    ProfileStore& m_profile;
    bool m_windowPositions;
};

class Saver {
public:
    explicit Saver(ProfileStore& profile) : m_profile(profile) {}

    void operator()(const IntValue& v, int field) const {
        m_profile.WriteProfileInt(kProfileSection, v.key, field);
    }
    void operator()(const MinutesValue& v, const std::string& field) const {
        m_profile.WriteProfileInt(kProfileSection, v.key, LeadingNumber(field));
    }
    void operator()(const TextValue& v, const std::string& field) const {
        m_profile.WriteProfileString(kProfileSection, v.key, field);
    }
    void operator()(const ColorValue& v, const RgbColor& field) const {
        m_profile.WriteProfileInt(kProfileSection, v.key, ColorToProfileInt(field));
    }

private:
    ProfileStore& m_profile;
};

} // namespace

void LoadSettings(Settings& settings, ProfileStore& profile) {
    ForEachProfileValue(settings, Loader(profile, false));
    settings.timer.strAlarmTime.clear(); // typed afresh for every run
}

void LoadWindowPositions(Settings& settings, ProfileStore& profile) {
    ForEachProfileValue(settings, Loader(profile, true));
}

void SaveSettings(const Settings& settings, ProfileStore& profile) {
    ForEachProfileValue(settings, Saver(profile));
}

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

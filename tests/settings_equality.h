#pragma once
// Equality of settings records, field by field, for checks that compare whole records. The
// program itself never compares them.
#include "settings/settings.h"

#include <tuple>
#include <utility>

inline auto Fields(const RgbColor& c) {
    return std::tie(c.red, c.green, c.blue);
}
inline auto Fields(const StartSettings& s) {
    return std::tie(s.nCloseAfterAlarm, s.nMinimizeAfterStart, s.nStartMinimized, s.nStartStayMinimized,
                    s.nTrayDblClick);
}
inline auto Fields(const TimerSettings& s) {
    return std::tie(s.nMode, s.strMinutes, s.strAlarmTime, s.strMessage);
}
inline auto Fields(const OptionsSettings& s) {
    return std::tie(s.strSoundName, s.nPlaySound, s.strSoundWav, s.nSnapLed, s.nLedTimer, s.nDisplayIcon,
                    s.n3DTimer, s.nSpin, s.nFullscreen);
}
inline auto Fields(const MenuSettings& s) {
    return std::tie(s.strMenuText[0], s.strMenuText[1], s.strMenuText[2], s.strMenuMinutes[0],
                    s.strMenuMinutes[1], s.strMenuMinutes[2]);
}
inline auto Fields(const Disk3DSettings& s) {
    return std::tie(s.strParts, s.strSkip, s.nRYG, s.nSpinX, s.nSpinY, s.nSpinZ, s.colMulti[0], s.colMulti[1],
                    s.colMulti[2], s.colOne, s.colSecMin[0], s.colSecMin[1], s.nLight, s.nDiskType);
}
inline auto Fields(const Settings& s) {
    return std::tuple_cat(Fields(s.start), Fields(s.timer), Fields(s.options), Fields(s.menu),
                          Fields(s.disk3D),
                          std::tie(s.nLedLeft, s.nLedTop, s.n3DLeft, s.n3DTop, s.n3DRight, s.n3DBottom));
}

// Only for the records above: a type without Fields has no such operators here.
template <typename T, typename = decltype(Fields(std::declval<const T&>()))>
bool operator==(const T& a, const T& b) {
    return Fields(a) == Fields(b);
}
template <typename T, typename = decltype(Fields(std::declval<const T&>()))>
bool operator!=(const T& a, const T& b) {
    return !(a == b);
}

#pragma once
// The time of day, read from the wall clock the minute timers wait on.
#include "platform/services.h"
#include "platform/timers/wall_clock.h"

#include <utility>

class QtLocalClock : public LocalClock {
public:
    explicit QtLocalClock(WallClock wallClock = ReadWallClock) : m_wallClock(std::move(wallClock)) {}
    TimeOfDay Now() override;

private:
    WallClock m_wallClock;
};

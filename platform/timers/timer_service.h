#pragma once
// Window timers and minute timers, due through Qt's event loop.
#include "platform/services.h"
#include "platform/timers/wall_clock.h"

#include <QObject>

#include <map>
#include <memory>
#include <utility>

class WindowTimer;
class MinuteTimer;

class QtTimerService : public TimerService {
public:
    // Minute timers wait on the wall clock that the time of day is read from.
    explicit QtTimerService(WallClock wallClock = ReadWallClock) : m_wallClock(std::move(wallClock)) {}
    ~QtTimerService() override;
    void SetTimer(CWnd& wnd, UINT_PTR id, UINT ms) override;
    void SetMinuteTimer(CWnd& wnd, UINT_PTR id) override;
    void DeliverDue() override;
    void KillTimer(CWnd& wnd, UINT_PTR id) override;
    void KillAllTimers(CWnd& wnd) override;
    // The timer behind a window's id, or null; for looking at how it was made.
    const WindowTimer* Find(const CWnd& wnd, UINT_PTR id) const;
    const MinuteTimer* FindMinuteTimer(const CWnd& wnd, UINT_PTR id) const;

private:
    using Key = std::pair<CWnd*, UINT_PTR>;
    void WatchTheEventLoop();
    WallClock m_wallClock;
    std::map<Key, WindowTimer*> m_timers;
    std::map<Key, MinuteTimer*> m_minuteTimers;
    std::unique_ptr<QObject> m_loopWatch; // ends the watch with the service
};

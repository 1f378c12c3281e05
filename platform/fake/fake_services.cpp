#include "platform/fake/fake_services.h"

#include "platform/dialog.h"
#include "platform/messages.h"
#include "platform/profile/qt_profile_store.h"
#include "platform/widgets/frame_window.h"
#include "platform/widgets/window_host.h"
#include "platform/widgets/wnd_access.h"

#include <algorithm>
#include <climits>

void VirtualClock::SetTimer(CWnd& wnd, UINT_PTR id, UINT ms) {
    KillTimer(wnd, id);
    Timer t{};
    t.period = std::max<UINT>(ms, 1);
    t.schedule.Start(m_now, t.period);
    t.generation = t.serial = m_serial++;
    m_timers.emplace(Key{&wnd, id}, t);
}

void VirtualClock::SetMinuteTimer(CWnd& wnd, UINT_PTR id) {
    KillTimer(wnd, id);
    const long long intoMinute = ((m_now - m_dayStartMs) % 60000 + 60000) % 60000;
    Timer t{};
    t.minuteDue = m_now + 60000 - intoMinute;
    t.generation = t.serial = m_serial++;
    m_timers.emplace(Key{&wnd, id}, t);
}

void VirtualClock::KillTimer(CWnd& wnd, UINT_PTR id) {
    m_timers.erase(Key{&wnd, id});
}

void VirtualClock::KillAllTimers(CWnd& wnd) {
    for (auto it = m_timers.begin(); it != m_timers.end();) {
        it = it->first.first == &wnd ? m_timers.erase(it) : std::next(it);
    }
}

size_t VirtualClock::TimerCount() const {
    return static_cast<size_t>(std::count_if(m_timers.begin(), m_timers.end(), [](const auto& entry) {
        return entry.first.second != kMoveSettledTimer;
    }));
}

TimeOfDay VirtualClock::Now() {
    const long long dayMs = 24LL * 3600 * 1000;
    const long long ms = ((m_now - m_dayStartMs) % dayMs + dayMs) % dayMs;
    const long long minutes = ms / 60000;
    return TimeOfDay{static_cast<int>(minutes / 60), static_cast<int>(minutes % 60)};
}

void VirtualClock::SetTimeOfDay(int hour, int minute, int second) {
    m_dayStartMs = m_now - ((hour * 60LL + minute) * 60 + second) * 1000;
    for (auto& [key, t] : m_timers) {
        if (t.period == 0) {
            t.minuteDue = m_now;
        }
    }
}

long long VirtualClock::WakeAt(const Timer& t) {
    return t.period == 0 ? t.minuteDue : t.schedule.WakeAt();
}

long long VirtualClock::NextDue(const Timer& t) {
    return t.period == 0 ? t.minuteDue : t.schedule.NextDue();
}

// As the real event loop does before it waits: every window says again which of its timers'
// expirations are quiet.
void VirtualClock::Rearm() {
    for (auto& [key, t] : m_timers) {
        if (t.period != 0 && !t.delivering) {
            t.schedule.Defer(WndAccess::QuietExpirations(*key.first, key.second));
        }
    }
}

// Delivers every expiration of one timer due by now, each in turn, until the timer ends.
void VirtualClock::Deliver(Key key) {
    Timer& t = m_timers.at(key);
    if (t.period == 0) {
        m_timers.erase(key);
        WndAccess::Timer(*key.first, key.second);
        return;
    }
    const unsigned long long generation = t.generation;
    t.delivering = true;
    for (;;) {
        // Each delivery may kill or set timers, or advance the clock itself.
        auto found = m_timers.find(key);
        if (found == m_timers.end() || found->second.generation != generation) {
            return;
        }
        if (!found->second.schedule.TakeDue(m_now)) {
            found->second.delivering = false;
            found->second.serial = m_serial++;
            return;
        }
        WndAccess::Timer(*key.first, key.second);
    }
}

void VirtualClock::Advance(long long ms) {
    const long long end = m_now + ms;
    for (;;) {
        Rearm();
        auto next = std::min_element(m_timers.begin(), m_timers.end(), [](const auto& a, const auto& b) {
            const long long wakeA = WakeAt(a.second);
            const long long wakeB = WakeAt(b.second);
            return wakeA != wakeB ? wakeA < wakeB : a.second.serial < b.second.serial;
        });
        if (next == m_timers.end() || WakeAt(next->second) > end) {
            break;
        }
        m_now = std::max(m_now, WakeAt(next->second));
        Deliver(next->first);
        if (m_now > end) {
            return;
        }
    }
    m_now = end;
}

void VirtualClock::DeliverDue() {
    std::vector<std::pair<long long, Key>> due;
    for (const auto& [key, t] : m_timers) {
        if (t.period != 0 && !t.delivering && t.schedule.NextDue() <= m_now) {
            due.emplace_back(t.schedule.NextDue(), key);
        }
    }
    std::sort(due.begin(), due.end());
    for (const auto& [when, key] : due) {
        if (m_timers.count(key) != 0) { // an earlier delivery may have ended it
            Deliver(key);
        }
    }
}

const VirtualClock::Timer* VirtualClock::Find(const CWnd& wnd, UINT_PTR id) const {
    auto found = m_timers.find(Key{const_cast<CWnd*>(&wnd), id});
    return found == m_timers.end() ? nullptr : &found->second;
}

bool VirtualClock::IsRunning(const CWnd& wnd, UINT_PTR id) const {
    return Find(wnd, id) != nullptr;
}

std::optional<UINT> VirtualClock::Period(const CWnd& wnd, UINT_PTR id) const {
    const Timer* t = Find(wnd, id);
    return t && t->period != 0 ? std::optional<UINT>(t->period) : std::nullopt;
}

bool VirtualClock::IsMinuteTimer(const CWnd& wnd, UINT_PTR id) const {
    const Timer* t = Find(wnd, id);
    return t && t->period == 0;
}

std::optional<long long> VirtualClock::DueIn(const CWnd& wnd, UINT_PTR id) const {
    const Timer* t = Find(wnd, id);
    return t ? std::optional<long long>(NextDue(*t) - m_now) : std::nullopt;
}

std::optional<long long> VirtualClock::WakesIn(const CWnd& wnd, UINT_PTR id) {
    Rearm();
    const Timer* t = Find(wnd, id);
    return t ? std::optional<long long>(WakeAt(*t) - m_now) : std::nullopt;
}

void ScriptedModal::ExpectDialog(int templateId, DialogScript script) {
    Answer a;
    a.kind = Kind::Dialog;
    a.templateId = templateId;
    a.dialog = std::move(script);
    m_queue.push_back(std::move(a));
}

void ScriptedModal::ExpectMessageBox(int answer, std::function<void()> whileOpen) {
    Answer a;
    a.kind = Kind::MessageBox;
    a.messageBoxAnswer = answer;
    a.whileOpen = std::move(whileOpen);
    m_queue.push_back(std::move(a));
}

void ScriptedModal::ExpectOpenFile(std::optional<std::string> path, std::function<void()> whileOpen) {
    Answer a;
    a.kind = Kind::OpenFile;
    a.path = std::move(path);
    a.whileOpen = std::move(whileOpen);
    m_queue.push_back(std::move(a));
}

void ScriptedModal::ExpectColor(std::optional<COLORREF> color) {
    Answer a;
    a.kind = Kind::Color;
    a.color = color;
    m_queue.push_back(std::move(a));
}

void ScriptedModal::ExpectPopup(std::function<UINT(const std::vector<PopupMenuItem>&)> choose) {
    Answer a;
    a.kind = Kind::Popup;
    a.popup = std::move(choose);
    m_queue.push_back(std::move(a));
}

std::optional<ScriptedModal::Answer> ScriptedModal::Take(Kind kind, const std::string& what) {
    if (m_queue.empty() || m_queue.front().kind != kind) {
        failures.push_back("unexpected " + what);
        return std::nullopt;
    }
    Answer a = std::move(m_queue.front());
    m_queue.pop_front();
    return a;
}

int ScriptedModal::RunModal(CDialog& dlg) {
    const std::string name = "dialog " + std::to_string(dlg.TemplateId());
    std::optional<Answer> a = Take(Kind::Dialog, name);
    if (!a) {
        return IDCANCEL;
    }
    if (a->templateId != dlg.TemplateId()) {
        failures.push_back(name + " instead of " + std::to_string(a->templateId));
        return IDCANCEL;
    }
    m_open.push_back(Open{&dlg, std::nullopt});
    dlg.ShowWindow(SW_SHOW); // as the real loop shows it
    a->dialog(dlg);
    const std::optional<int> ended = m_open.back().result;
    m_open.pop_back();
    if (!ended) {
        failures.push_back(name + " never ended itself: its modal loop would still run");
        return IDCANCEL;
    }
    return *ended;
}

void ScriptedModal::EndModal(CDialog& dlg, int result) {
    for (Open& open : m_open) {
        if (open.dialog == &dlg) {
            open.result = result;
            dlg.ShowWindow(SW_HIDE); // as the real loop hides it before it returns
            return;
        }
    }
    failures.push_back("dialog " + std::to_string(dlg.TemplateId()) + " ended outside its modal loop");
}

int ScriptedModal::MessageBox(CWnd*, const std::string& text, const std::string& caption, UINT type) {
    messageBoxes.push_back(MessageBoxCall{text, caption, type});
    std::optional<Answer> a = Take(Kind::MessageBox, "message box \"" + text + "\"");
    if (a && a->whileOpen) {
        a->whileOpen();
    }
    return a ? a->messageBoxAnswer : 1;
}

std::optional<std::string> ScriptedModal::OpenFile(CWnd*, const std::string& filter, const std::string&) {
    fileFilters.push_back(filter);
    std::optional<Answer> a = Take(Kind::OpenFile, "file dialog");
    if (a && a->whileOpen) {
        a->whileOpen();
    }
    return a ? a->path : std::nullopt;
}

std::optional<COLORREF> ScriptedModal::ChooseColor(CWnd*) {
    std::optional<Answer> a = Take(Kind::Color, "colour picker");
    return a ? a->color : std::nullopt;
}

UINT ScriptedModal::TrackPopupMenu(const std::vector<PopupMenuItem>& items, CPoint at, CWnd*) {
    popupPlaces.push_back(at);
    std::optional<Answer> a = Take(Kind::Popup, "popup menu");
    return a ? a->popup(items) : 0;
}

bool RecordingTray::NotifyIcon(DWORD message, const NotifyIconData& data) {
    if (onNotify) {
        onNotify(message);
    }
    calls.push_back(TrayCall{message, data});
    // As the real notification area: one icon per window and id, added once, changed and
    // deleted only while it is there.
    const bool same = present && window == data.window && id == data.id;
    if (message == NIM_ADD) {
        if (present) {
            return false;
        }
        present = true;
        window = data.window;
        id = data.id;
    } else if (!same) {
        return false;
    } else if (message == NIM_DELETE) {
        present = false;
        return true;
    }
    if (data.flags & NIF_MESSAGE) {
        callbackMessage = data.callbackMessage;
    }
    if (data.flags & NIF_ICON) {
        icon = data.icon;
    }
    if (data.flags & NIF_TIP) {
        tip = data.tip;
    }
    if (data.popup) {
        popup = data.popup;
    }
    return message != NIM_ADD || hostAvailable;
}

std::vector<PopupMenuItem> RecordingTray::ExportedMenu() const {
    return present && popup ? popup() : std::vector<PopupMenuItem>{};
}

void RecordingTray::ChooseFromExportedMenu(UINT command) {
    for (const PopupMenuItem& item : ExportedMenu()) {
        if (item.id == command && !item.grayed) {
            window->SendMessage(WM_COMMAND, command, 0);
            return;
        }
    }
    failures.push_back("no enabled item " + std::to_string(command) + " in the exported menu");
}

void RecordingTray::Click(UINT mouseMessage) {
    if (!present || !window) {
        failures.push_back("a click on the tray icon while none is shown");
        return;
    }
    window->SendMessage(callbackMessage, id, mouseMessage);
}

bool RecordingSound::PlaySound(const std::string& path, UINT flags) {
    calls.push_back(SoundCall{path, flags});
    return true;
}

bool FixedDisplay::EnumDisplaySettings(DWORD index, DEVMODE& mode) {
    if (index >= modes.size()) {
        return false;
    }
    mode = modes[index];
    return true;
}

int FixedDisplay::ChangeDisplaySettings(const DEVMODE* mode) {
    changes.push_back(mode ? std::optional<DEVMODE>(*mode) : std::nullopt);
    if (!mode) {
        changedTo.reset();
        return DISP_CHANGE_SUCCESSFUL;
    }
    const bool offered = std::any_of(modes.begin(), modes.end(), [&](const DEVMODE& m) {
        return m.dmBitsPerPel == mode->dmBitsPerPel && m.dmPelsWidth == mode->dmPelsWidth &&
               m.dmPelsHeight == mode->dmPelsHeight;
    });
    if (!offered) {
        return DISP_CHANGE_BADMODE;
    }
    if (changeResult == DISP_CHANGE_SUCCESSFUL) {
        changedTo = *mode;
    }
    return changeResult;
}

int FixedDisplay::ShowCursor(BOOL show) {
    cursorCount += show ? 1 : -1;
    return cursorCount;
}

namespace {

class FakeDeviceContext : public GlDeviceContext {
public:
    explicit FakeDeviceContext(int& live) : m_live(live) { ++m_live; }
    ~FakeDeviceContext() override { --m_live; }
    std::unique_ptr<GlRenderingContext> CreateContext() override { return nullptr; }
    void SwapBuffers() override {}

private:
    int& m_live;
};

} // namespace

std::unique_ptr<GlDeviceContext> FakeRendering::GetDC(CWnd& wnd, int depthBits) {
    depthBitsAsked.push_back(depthBits);
    if (offer == Offer::NoDeviceContext || !qobject_cast<FrameWindow*>(WndAccess::Widget(wnd))) {
        return nullptr;
    }
    return std::make_unique<FakeDeviceContext>(liveDeviceContexts);
}

FakeEnvironment::FakeEnvironment(const std::string& profilePath)
    : m_profile(QtProfileStore::AtPath(profilePath)),
      m_services(new Services{clock, clock, modal, tray, sound, display, *m_profile, system, rendering}) {}

FakeEnvironment::~FakeEnvironment() = default;

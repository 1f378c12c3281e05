#include "platform/fake/fake_services.h"

#include "platform/dialog.h"
#include "platform/messages.h"
#include "platform/qt/frame_window.h"
#include "platform/qt/qt_profile_store.h"
#include "platform/qt/widgets.h"
#include "platform/qt/wnd_access.h"

#include <algorithm>
#include <climits>

void VirtualClock::SetTimer(CWnd& wnd, UINT_PTR id, UINT ms) {
    KillTimer(wnd, id);
    m_timers.push_back(
        Timer{&wnd, id, std::max<UINT>(ms, 1), m_now + std::max<UINT>(ms, 1), m_serial++, std::nullopt});
}

void VirtualClock::SetMinuteTimer(CWnd& wnd, UINT_PTR id) {
    KillTimer(wnd, id);
    const long long intoMinute = ((m_now - m_dayStartMs) % 60000 + 60000) % 60000;
    m_timers.push_back(Timer{&wnd, id, 0, m_now + 60000 - intoMinute, m_serial++, std::nullopt});
}

void VirtualClock::DeferTimer(CWnd& wnd, UINT_PTR id, UINT quiet) {
    for (Timer& t : m_timers) {
        if (t.wnd == &wnd && t.id == id) {
            t.quiet = quiet;
        }
    }
}

void VirtualClock::KillTimer(CWnd& wnd, UINT_PTR id) {
    m_timers.erase(std::remove_if(m_timers.begin(), m_timers.end(),
                                  [&](const Timer& t) { return t.wnd == &wnd && t.id == id; }),
                   m_timers.end());
}

void VirtualClock::KillAllTimers(CWnd& wnd) {
    m_timers.erase(
        std::remove_if(m_timers.begin(), m_timers.end(), [&](const Timer& t) { return t.wnd == &wnd; }),
        m_timers.end());
}

size_t VirtualClock::TimerCount() const {
    return static_cast<size_t>(std::count_if(m_timers.begin(), m_timers.end(),
                                             [](const Timer& t) { return t.id != kMoveSettledTimer; }));
}

TimeOfDay VirtualClock::Now() {
    const long long dayMs = 24LL * 3600 * 1000;
    const long long ms = ((m_now - m_dayStartMs) % dayMs + dayMs) % dayMs;
    const long long minutes = ms / 60000;
    return TimeOfDay{static_cast<int>(minutes / 60), static_cast<int>(minutes % 60)};
}

void VirtualClock::SetTimeOfDay(int hour, int minute, int second) {
    m_dayStartMs = m_now - ((hour * 60LL + minute) * 60 + second) * 1000;
    for (Timer& t : m_timers) {
        if (t.period == 0) {
            t.due = m_now;
        }
    }
}

long long VirtualClock::WakeAt(const Timer& t) const {
    return deferQuietTimers && t.quiet ? t.due + static_cast<long long>(*t.quiet) * t.period : t.due;
}

void VirtualClock::Deliver(std::vector<Timer>::iterator timer) {
    CWnd* wnd = timer->wnd;
    const UINT_PTR id = timer->id;
    if (timer->period == 0) {
        m_timers.erase(timer);
    } else {
        timer->due += timer->period;
        timer->serial = m_serial++;
        // One quiet expiration fewer ahead; UINT_MAX means all of them, until the window says more.
        if (!timer->quiet || *timer->quiet == 0) {
            timer->quiet.reset();
        } else if (*timer->quiet != UINT_MAX) {
            --*timer->quiet;
        }
    }
    WndAccess::Timer(*wnd, id); // may kill or set timers, or advance the clock itself
}

void VirtualClock::Advance(long long ms) {
    const long long end = m_now + ms;
    for (;;) {
        auto next =
            std::min_element(m_timers.begin(), m_timers.end(), [this](const Timer& a, const Timer& b) {
                return WakeAt(a) != WakeAt(b) ? WakeAt(a) < WakeAt(b) : a.serial < b.serial;
            });
        if (next == m_timers.end() || WakeAt(*next) > end) {
            break;
        }
        m_now = std::max(m_now, WakeAt(*next));
        Deliver(next);
        if (m_now > end) {
            return;
        }
    }
    m_now = end;
}

void VirtualClock::CatchUpTimer(CWnd& wnd, UINT_PTR id) {
    for (;;) {
        auto timer = std::find_if(m_timers.begin(), m_timers.end(),
                                  [&](const Timer& t) { return t.wnd == &wnd && t.id == id; });
        if (timer == m_timers.end() || timer->due > m_now) {
            return;
        }
        Deliver(timer);
    }
}

const VirtualClock::Timer* VirtualClock::Find(const CWnd& wnd, UINT_PTR id) const {
    for (const Timer& t : m_timers) {
        if (t.wnd == &wnd && t.id == id) {
            return &t;
        }
    }
    return nullptr;
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

std::optional<UINT> VirtualClock::Quiet(const CWnd& wnd, UINT_PTR id) const {
    const Timer* t = Find(wnd, id);
    return t ? t->quiet : std::nullopt;
}

std::optional<long long> VirtualClock::DueIn(const CWnd& wnd, UINT_PTR id) const {
    const Timer* t = Find(wnd, id);
    return t ? std::optional<long long>(t->due - m_now) : std::nullopt;
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

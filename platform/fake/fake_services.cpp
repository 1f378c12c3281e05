// The recording tray and sound, the fixed display, the rendering double and the environment.
#include "platform/fake/fake_services.h"

#include "platform/messages.h"
#include "platform/profile/qt_profile_store.h"
#include "platform/widgets/frame_window.h"
#include "platform/widgets/wnd_access.h"

#include <algorithm>

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

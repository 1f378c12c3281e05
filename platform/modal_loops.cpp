#include "platform/modal_loops.h"

#include "platform/messages.h"

ModalLoops::ModalLoops(ModalService& modal, SoundService& sound, std::function<void()> allEnded)
    : m_modal(modal), m_sound(sound), m_allEnded(std::move(allEnded)) {}

template <typename Loop> auto ModalLoops::Counted(Loop loop) {
    struct Depth {
        ModalLoops& loops;
        explicit Depth(ModalLoops& l) : loops(l) { ++loops.m_depth; }
        ~Depth() {
            if (--loops.m_depth == 0 && loops.m_allEnded) {
                loops.m_allEnded();
            }
        }
    };
    auto result = [&] {
        Depth open(*this);
        return loop();
    }();
    return result;
}

int ModalLoops::RunModal(CDialog& dlg) {
    return Counted([&] { return m_modal.RunModal(dlg); });
}

int ModalLoops::MessageBox(CWnd* owner, const std::string& text, const std::string& caption, UINT type) {
    return Counted([&] { return m_modal.MessageBox(owner, text, caption, type); });
}

std::optional<std::string> ModalLoops::OpenFile(CWnd* owner, const std::string& filter,
                                                const std::string& defaultExt) {
    return Counted([&] { return m_modal.OpenFile(owner, filter, defaultExt); });
}

std::optional<COLORREF> ModalLoops::ChooseColor(CWnd* owner) {
    return Counted([&] { return m_modal.ChooseColor(owner); });
}

UINT ModalLoops::TrackPopupMenu(const std::vector<PopupMenuItem>& items, CPoint at, CWnd* owner) {
    return Counted([&] { return m_modal.TrackPopupMenu(items, at, owner); });
}

// A sound played to its end waits in a loop of its own; one that plays on does not.
bool ModalLoops::PlaySound(const std::string& path, UINT flags) {
    if (flags & SND_ASYNC) {
        return m_sound.PlaySound(path, flags);
    }
    return Counted([&] { return m_sound.PlaySound(path, flags); });
}

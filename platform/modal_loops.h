#pragma once
// Counts the modal loops the program runs (dialogs, boxes, pickers, popup menus, a sound played
// to its end), so that work which must not run inside one can wait until the last has returned.
#include "platform/services.h"

#include <functional>

class ModalLoops : public ModalService, public SoundService {
public:
    // allEnded runs each time the outermost loop has returned.
    ModalLoops(ModalService& modal, SoundService& sound, std::function<void()> allEnded);
    bool AnyOpen() const { return m_depth > 0; }

    int RunModal(CDialog& dlg) override;
    void EndModal(CDialog& dlg, int result) override { m_modal.EndModal(dlg, result); }
    int MessageBox(CWnd* owner, const std::string& text, const std::string& caption, UINT type) override;
    std::optional<std::string> OpenFile(CWnd* owner, const std::string& filter,
                                        const std::string& defaultExt) override;
    std::optional<COLORREF> ChooseColor(CWnd* owner) override;
    UINT TrackPopupMenu(const std::vector<PopupMenuItem>& items, CPoint at, CWnd* owner) override;

    bool PlaySound(const std::string& path, UINT flags) override;
    void PrepareToPlay() override { m_sound.PrepareToPlay(); }

private:
    template <typename Loop> auto Counted(Loop loop);

    ModalService& m_modal;
    SoundService& m_sound;
    std::function<void()> m_allEnded;
    int m_depth = 0;
};

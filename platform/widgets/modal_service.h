#pragma once
// Modal dialogs, message boxes, the file and colour choosers and popup menus, over Qt widgets.
#include "platform/services.h"

#include <QMessageBox>

#include <optional>
#include <string>
#include <vector>

// The icon of a message box of the given MB_ type.
QMessageBox::Icon MessageBoxIcon(UINT type);

class QtModalService : public ModalService {
public:
    int RunModal(CDialog& dlg) override;
    void EndModal(CDialog& dlg, int result) override;
    int MessageBox(CWnd* owner, const std::string& text, const std::string& caption, UINT type) override;
    std::optional<std::string> OpenFile(CWnd* owner, const std::string& filter,
                                        const std::string& defaultExt) override;
    std::optional<COLORREF> ChooseColor(CWnd* owner) override;
    UINT TrackPopupMenu(const std::vector<PopupMenuItem>& items, CPoint at, CWnd* owner) override;
};

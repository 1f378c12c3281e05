// Modal loops, message boxes, choosers and popup menus that answer as the test scripted them.
#include "platform/fake/fake_services.h"

#include "platform/dialog.h"
#include "platform/messages.h"

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

#pragma once
// The program started on test doubles, with verbs for the tab pages.
#include "tests/app_fixture.h"

#include <string>

class PageFixture : public AppFixture {
protected:
    // Clicks the tab of the given index.
    void SelectTab(int index);
    // The shown page and its controls.
    CDialog& Page();
    CWnd& Item(int id);
    std::string Text(int id) { return Item(id).GetWindowText(); }
    bool Enabled(int id) { return Item(id).IsWindowEnabled(); }
    bool Checked(int id) { return Page().IsDlgButtonChecked(id) == 1; }
    void ClickItem(int id);
    // Ends the program through Close and starts it again on the profile it wrote.
    void Restart();
};

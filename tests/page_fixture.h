#pragma once
// The program started on test doubles, with verbs for the tab pages.
#include "tests/app_fixture.h"

#include <string>

class PageFixture : public AppFixture {
protected:
    // The shown page's controls.
    CWnd& Item(int id);
    std::string Text(int id) { return Item(id).GetWindowText(); }
    bool Enabled(int id) { return Item(id).IsWindowEnabled(); }
    bool Checked(int id) { return Page().IsDlgButtonChecked(id) == 1; }
    void ClickItem(int id);
    // Ends the program through Close and starts it again on the profile it wrote.
    void Restart();
};

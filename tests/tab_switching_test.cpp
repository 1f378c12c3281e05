#include "platform/fake/user_input.h"
#include "platform/messages.h"
#include "res/page_controls.h"
#include "res/resource.h"
#include "tests/page_fixture.h"
#include "ui/disk3d_options_page.h"
#include "ui/menu_page.h"
#include "ui/options_page.h"
#include "ui/start_page.h"
#include "ui/timer_page.h"

#include <cmath>

namespace {

class TabSwitchingTest : public PageFixture {
protected:
    // The page of the tab shows; none for a tab outside the five.
    void ExpectOnlyPageOfTab(int tab) {
        const int templates[] = {IDD_TIMERPAGE, IDD_OPTIONSPAGE, IDD_STARTPAGE, IDD_MENUPAGE,
                                 IDD_3DOPTIONSPAGE};
        EXPECT_EQ(ShownPageTemplate(), tab >= 0 && tab < 5 ? templates[tab] : 0) << "tab " << tab;
    }

    // One edit on every page, by the user's own input.
    void EditEveryPage() {
        SelectTab(0);
        ClickItem(IDC_MODE_TIMER);
        ReplaceText(Item(IDC_MINUTES), "12");
        ReplaceText(Item(IDC_MESSAGE), "Tea!");
        SelectTab(1);
        ClickItem(IDC_LED_TIMER);
        ClickItem(IDC_SNAP_LED);
        SelectTab(2);
        ClickItem(IDC_CLOSE_AFTER_ALARM);
        ClickItem(IDC_DBLCLICK_START);
        SelectTab(3);
        ReplaceText(Item(IDC_MENU2_TEXT), "Tee");
        ReplaceText(Item(IDC_MENU3_MINUTES), "8");
        SelectTab(4);
        PressKeyIn(Item(IDC_PARTS), Key::Up);
        ClickItem(IDC_SPIN_X);
        ChooseListItem(Item(IDC_DISK_TYPE), 2);
    }

    void ExpectEditsShown(int tab) {
        SCOPED_TRACE("tab " + std::to_string(tab));
        switch (tab) {
        case 0:
            EXPECT_TRUE(Checked(IDC_MODE_TIMER));
            EXPECT_EQ(Text(IDC_MINUTES), "12");
            EXPECT_EQ(Text(IDC_MESSAGE), "Tea!");
            EXPECT_TRUE(Enabled(IDC_MINUTES));
            break;
        case 1:
            EXPECT_TRUE(Checked(IDC_LED_TIMER));
            EXPECT_TRUE(Checked(IDC_SNAP_LED));
            EXPECT_TRUE(Enabled(IDC_SNAP_LED));
            break;
        case 2:
            EXPECT_TRUE(Checked(IDC_CLOSE_AFTER_ALARM));
            EXPECT_TRUE(Checked(IDC_DBLCLICK_START));
            EXPECT_FALSE(Checked(IDC_DBLCLICK_MAXIMIZE));
            break;
        case 3:
            EXPECT_EQ(Text(IDC_MENU2_TEXT), "Tee");
            EXPECT_EQ(Text(IDC_MENU3_MINUTES), "8");
            EXPECT_EQ(Text(IDC_MENU1_TEXT), "1 Minute");
            break;
        case 4:
            EXPECT_EQ(Text(IDC_PARTS), "51");
            EXPECT_TRUE(Checked(IDC_SPIN_X));
            EXPECT_EQ(Text(IDC_DISK_TYPE), "Clock-Type");
            break;
        }
    }
};

TEST_F(TabSwitchingTest, EveryTabShowsItsPageAtItsPlaceInsideTheTabControl) {
    Start();
    ExpectOnlyPageOfTab(0);
    EXPECT_TRUE(Page().IsWindowVisible());

    // Template sizes in dialog units; the main dialog is 182 x 140 of them.
    const int sizes[5][2] = {{170, 86}, {172, 86}, {167, 86}, {170, 87}, {172, 86}};
    const CRect client = Dlg().GetClientRect();
    const double unitX = client.Width() / 182.0;
    const double unitY = client.Height() / 140.0;
    for (int tab : {0, 1, 2, 3, 4, 0}) {
        SelectTab(tab);
        ExpectOnlyPageOfTab(tab);
        CRect r = Page().GetWindowRect();
        Dlg().ScreenToClient(r);
        EXPECT_NEAR(r.left, 5 * unitX, 1.5) << tab;
        EXPECT_NEAR(r.top, 19 * unitY, 1.5) << tab;
        EXPECT_NEAR(r.Width(), sizes[tab][0] * unitX, 1.5) << tab;
        EXPECT_NEAR(r.Height(), sizes[tab][1] * unitY, 1.5) << tab;
        EXPECT_TRUE(Page().IsWindowVisible());
    }
}

TEST_F(TabSwitchingTest, ValuesSurviveSwitchingBetweenAnyTwoTabsExceptTheAlarmTime) {
    Start();
    EditEveryPage();
    for (int a = 0; a < 5; ++a) {
        for (int b = a + 1; b < 5; ++b) {
            for (int tab : {a, b, a}) {
                SelectTab(tab);
                ExpectEditsShown(tab);
            }
        }
    }
    EXPECT_EQ(HeldSettings().timer.strMinutes, "12");
    EXPECT_EQ(HeldSettings().menu.strMenuText[1], "Tee");
    EXPECT_EQ(HeldSettings().disk3D.nDiskType, 3);

    // The alarm time is typed afresh on every visit; the settings keep it until the page is read.
    SelectTab(0);
    ClickItem(IDC_MODE_TIME);
    TypeText(Item(IDC_ALARMTIME), "07:30");
    SelectTab(3);
    EXPECT_EQ(HeldSettings().timer.strAlarmTime, "07:30");
    SelectTab(0);
    EXPECT_EQ(Text(IDC_ALARMTIME), "");
    EXPECT_EQ(HeldSettings().timer.strAlarmTime, "07:30");
    SelectTab(1);
    EXPECT_EQ(HeldSettings().timer.strAlarmTime, "");
}

TEST_F(TabSwitchingTest, EditsSurviveATabSwitchAndARestartThroughClose) {
    Start();
    EditEveryPage();
    SelectTab(2);
    Restart();
    ExpectEditsShown(0);
    for (int tab = 1; tab < 5; ++tab) {
        SelectTab(tab);
        ExpectEditsShown(tab);
    }
}

TEST_F(TabSwitchingTest, StartUsesTheShownPageAndTheValuesOthersWroteBack) {
    Start();
    ClickItem(IDC_MODE_TIMER);
    ReplaceText(Item(IDC_MINUTES), "12");
    SelectTab(1);
    ClickItem(IDC_LED_TIMER);
    EXPECT_EQ(HeldSettings().options.nLedTimer, 0);
    Dlg().SaveShownPageForStart();
    EXPECT_EQ(HeldSettings().timer.nMode, 1);
    EXPECT_EQ(HeldSettings().timer.strMinutes, "12");
    EXPECT_EQ(HeldSettings().options.nLedTimer, 1);
    ExpectOnlyPageOfTab(1); // the page stays open

    SelectTab(4);
    PressKeyIn(Item(IDC_SKIP), Key::Up);
    Dlg().SaveShownPageForStart();
    EXPECT_EQ(HeldSettings().disk3D.strSkip, "2");

    SelectTab(3); // the Menu page is not asked at a start
    ReplaceText(Item(IDC_MENU1_TEXT), "Kurz");
    Dlg().SaveShownPageForStart();
    EXPECT_EQ(HeldSettings().menu.strMenuText[0], "1 Minute");
}

TEST_F(TabSwitchingTest, CloseBoxKeepsAnEditOfTheShownPageExceptOn3DOptions) {
    Start();
    ClickItem(IDC_MODE_TIMER);
    ReplaceText(Item(IDC_MINUTES), "9");
    CloseBox(Dlg());
    EXPECT_FALSE(Dlg().IsWindowVisible());
    EXPECT_EQ(HeldSettings().timer.strMinutes, "9");
    EXPECT_EQ(HeldSettings().timer.nMode, 1);
    ExpectOnlyPageOfTab(0);
    EXPECT_EQ(ReopenProfile()->GetProfileInt("Daten", "Minuten", -1), -1); // hiding writes nothing

    DoubleClickTray();
    SelectTab(3);
    ReplaceText(Item(IDC_MENU1_TEXT), "Kurz");
    CloseBox(Dlg());
    EXPECT_EQ(HeldSettings().menu.strMenuText[0], "Kurz");

    DoubleClickTray();
    SelectTab(4);
    PressKeyIn(Item(IDC_PARTS), Key::Up);
    CloseBox(Dlg());
    EXPECT_EQ(HeldSettings().disk3D.strParts, "50");

    DoubleClickTray();
    Click(IDC_CLOSE); // the page is destroyed and written back before the profile
    EXPECT_EQ(ReopenProfile()->GetProfileString("Daten", "Parts", ""), "51");
    EXPECT_EQ(ReopenProfile()->GetProfileInt("Daten", "Minuten", -1), 9);
}

TEST_F(TabSwitchingTest, ASelectionOutsideTheFiveTabsLeavesNoPage) {
    Start();
    ClickItem(IDC_MODE_TIMER);
    ReplaceText(Item(IDC_MINUTES), "7");
    Tabs().InsertItem(5, "+"); // short enough to fit beside the five
    SelectTab(5);
    ExpectOnlyPageOfTab(-1);
    EXPECT_EQ(HeldSettings().timer.strMinutes, "7");
    Dlg().SaveShownPageForStart();
    CloseBox(Dlg());
    DoubleClickTray();
    Click(IDC_CLOSE);
    EXPECT_TRUE(Ended());
    EXPECT_EQ(ReopenProfile()->GetProfileInt("Daten", "Minuten", -1), 7);
}

TEST_F(TabSwitchingTest, EnterInASingleLineEditOfAPageEndsTheProgramLikeClose) {
    struct Case {
        int tab;
        int edit;
        const char* typed;
        const char* key;
        const char* stored;
    };
    const Case cases[] = {
        {0, IDC_ALARMTIME, "", "Timermode", "0"},   {0, IDC_MINUTES, "3", "Minuten", "3"},
        {1, IDC_SOUND_NAME, "", "Sound", "0"},      {3, IDC_MENU2_TEXT, "Tee", "Menu2S", "Tee"},
        {3, IDC_MENU1_MINUTES, "4", "Menu1I", "4"}, {4, IDC_PARTS, "", "Parts", "50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edit);
        TearDown();
        SetUp();
        Start();
        SelectTab(c.tab);
        if (c.tab == 0) {
            ClickItem(IDC_MODE_TIMER - (c.edit == IDC_ALARMTIME ? 1 : 0));
        }
        if (*c.typed) {
            ReplaceText(Item(c.edit), c.typed);
        }
        PressKeyIn(Item(c.edit), Key::Return);
        EXPECT_TRUE(Ended());
        EXPECT_FALSE(env->tray.present);
        EXPECT_EQ(ReopenProfile()->GetProfileString("Daten", c.key, "missing"), c.stored);
    }
}

TEST_F(TabSwitchingTest, EnterInTheMessageMakesANewLine) {
    Start();
    ReplaceText(Item(IDC_MESSAGE), "Tea");
    PressKeyIn(Item(IDC_MESSAGE), Key::Return);
    TypeText(Item(IDC_MESSAGE), "now");
    EXPECT_FALSE(Ended());
    EXPECT_TRUE(Dlg().IsWindowVisible());
    EXPECT_EQ(Text(IDC_MESSAGE), "Tea\nnow");
    Click(IDC_CLOSE);
    EXPECT_EQ(ReopenProfile()->GetProfileString("Daten", "Meldungstext", ""), "Tea\nnow");
}

TEST_F(TabSwitchingTest, SystemMenuAndMenuPageOpenTheAboutBox) {
    Start();
    env->modal.ExpectPopup([](const std::vector<PopupMenuItem>& items) {
        EXPECT_EQ(items.back().text, "Inf&o über Brewdial...");
        return items.back().id;
    });
    bool shown = false;
    env->modal.ExpectDialog(IDD_ABOUTBOX, [&](CDialog& about) {
        shown = true;
        EXPECT_EQ(about.GetWindowText(), "Brewdial");
        PressKey(about, Key::Escape);
    });
    // The page lies over most of the dialog: a right-click on it is one on the dialog.
    CRect onPage = Page().GetWindowRect();
    Dlg().ScreenToClient(onPage);
    RightClick(Dlg(), CPoint{onPage.left + 2, onPage.bottom - 2});
    EXPECT_TRUE(shown);

    // Only the command's upper bits count.
    env->modal.ExpectDialog(IDD_ABOUTBOX, [](CDialog& about) { ClickButton(*about.GetDlgItem(IDOK)); });
    SystemCommand(Dlg(), IDM_ABOUTBOX | 0x3);
    SystemCommand(Dlg(), 0xF060); // another system command opens nothing

    SelectTab(3);
    ReplaceText(Item(IDC_MENU1_TEXT), "Kurz");
    env->modal.ExpectDialog(IDD_ABOUTBOX, [](CDialog& about) { PressKey(about, Key::Return); });
    ClickItem(IDC_ABOUT);
    EXPECT_EQ(env->modal.Pending(), 0u);
    EXPECT_EQ(Text(IDC_MENU1_TEXT), "Kurz");
    EXPECT_FALSE(Ended());
}

} // namespace
